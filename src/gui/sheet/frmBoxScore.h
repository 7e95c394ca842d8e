#pragma once
// The box-score sheet: one game file as a page of grids, typed like a spreadsheet. Rows are
// saved as the cursor leaves them, the audit's findings show on the cells, and every change
// since the sheet opened can be undone.
#include <QStringList>
#include <filesystem>
#include <memory>
#include <optional>
#include <set>
#include <vector>

#include "core/games/BoxScore.h"
#include "core/games/GameAudit.h"
#include "core/roster/Roster.h"
#include "gui/sheet/SheetModel.h"
#include "gui/shell/Form.h"

class QLabel;
class QPushButton;
class QScrollArea;

namespace yardmark {

class SheetView;
class frmGameCheck;

class frmBoxScore : public Form {
  Q_OBJECT
 public:
  explicit frmBoxScore(App& app);
  ~frmBoxScore() override;

  // Opens the game file (typing for a game shown before is saved first); false after telling
  // the user why it could not.
  bool openGame(const std::filesystem::path& gameFile);
  const std::filesystem::path& gameFilePath() const;
  BoxScore* sheet() const { return m_sheet.get(); }
  const std::vector<SheetView*>& views() const { return m_views; }
  SheetView* view(const QString& name) const;
  frmGameCheck* checkWindow() const { return m_check; }

  // Saves every typed row; false after telling why one could not be.
  bool saveAll();
  // Takes back the last change (Ctrl+Z).
  void undo();
  // Check Game (F7): the saved game's findings in the entry form's window.
  void checkGame();
  int sheetRowOf(const Finding& f) const;

  QScrollArea* scrollArea;
  QLabel* lblGame;
  QPushButton* cmdCheckGame;
  QPushButton* cmdClose;

 protected:
  void formActivate() override;
  void formDeactivate() override { saveAll(); }
  void formUnload(bool& cancel) override;

 private:
  void buildPage();
  void addShortcuts();
  SheetView* addGrid(SheetGrid grid);
  // The sheet's marks worked out again and every grid redrawn.
  void refresh();
  void readRoster();
  void saveRow(int table, int row);
  void saveGrid(SheetView* view);
  void deleteRow(SheetView* view, int row);
  void enter(SheetView* view);
  void jump(SheetView* from, int by);
  void focusMoved(QWidget* before, QWidget* now);
  SheetView* gridOf(QWidget* widget) const;
  // A failed write: the row marked, and the reason told once.
  void failed(int table, int row, const QString& reason);
  // The roster question about a name typed into a cell; nothing when the name is not taken.
  std::optional<QString> nameLeft(const QString& name, const QModelIndex& cell);
  void showCell(SheetView* view, const QModelIndex& index);

  std::unique_ptr<BoxScore> m_sheet;
  BoxScore* m_shown = nullptr;  // what the models read (the sheet, or none)
  SheetMarks m_marks;
  RosterIndex m_roster;
  std::vector<RosterPlayer> m_players;  // offered in the name cells
  std::set<QString> m_kept;             // names kept as typed: not asked about again
  std::set<QString> m_told;             // failure reasons told already
  std::vector<SheetModel*> m_models;
  std::vector<SheetView*> m_views;
  frmGameCheck* m_check = nullptr;
};

}  // namespace yardmark
