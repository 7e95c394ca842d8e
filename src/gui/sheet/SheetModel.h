#pragma once
// One grid of the box-score sheet as a table model over the sheet's rows: a player table (a row
// per player, a blank row to type the next into, and a totals row), or a fixed block of the
// game-level cells (the header, the quarters, the team statistics).
#include <QAbstractTableModel>
#include <QStringList>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "core/games/BoxScore.h"
#include "core/games/GameAudit.h"

namespace yardmark {

enum class CellRole { None, Edit, Name, Result, Date, Site, Team, QuarterTotal, PlayersSum };

struct SheetCell {
  CellRole role = CellRole::None;
  int table = 0;
  int ordinal = 0;
};

struct SheetGrid {
  QString name;  // the view's objectName
  QString caption;
  QStringList columns;
  QStringList rows;                           // row captions of a fixed grid
  int playerTable = -1;                       // a player grid's table
  std::vector<std::vector<SheetCell>> cells;  // a fixed grid's cells; a player grid's one row
};

// The nine grids in page order: header, quarters, team statistics, then the five player tables.
std::vector<SheetGrid> sheetGrids();

// What the grids show beside the rows: the roster's names and the audit's findings.
struct SheetMarks {
  std::set<std::string> roster;
  bool rosterRead = false;                                // no roster: no name is marked
  std::map<std::tuple<int, int, int>, QString> findings;  // (table, row, ordinal): message
  std::map<std::pair<int, int>, QString> failures;        // (table, row): why it was not saved
  std::vector<double> playersSums;                        // by team statistic; NaN: none
};

class SheetModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  static constexpr int kRoleRole = Qt::UserRole + 1;  // the cell's CellRole
  static constexpr int kKeysRole = Qt::UserRole + 2;  // a number cell's BoxKeys

  SheetModel(SheetGrid grid, BoxScore*& sheet, const SheetMarks& marks, QObject* parent);

  const SheetGrid& grid() const { return m_grid; }
  bool isPlayerGrid() const { return m_grid.playerTable >= 0; }
  // Stored rows, the blank row after them, and the totals row.
  int dataRows() const;
  int blankRow() const { return dataRows(); }
  SheetCell cellAt(const QModelIndex& index) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  // The sheet's rows changed underneath (a reload, a deletion, an undo): the view follows.
  void sync();

  // Told when a typed text is refused, and asked when a name is not on the roster (it may
  // change the text to store).
  std::function<void(const QString&)> refused;
  // Nothing: the name is not taken.
  std::function<std::optional<QString>(const QString&, const QModelIndex&)> nameLeft;

 private:
  QString text(const SheetCell& cell, int row) const;
  QString total(int column) const;
  QString duplicateOf(int row, const QString& name) const;
  QVariant mark(const QModelIndex& index, int role) const;

  SheetGrid m_grid;
  BoxScore*& m_sheet;
  const SheetMarks& m_marks;
  int m_rows = 0;
};

}  // namespace yardmark
