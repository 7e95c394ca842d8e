#pragma once
// A grid of the box-score sheet: typed like a spreadsheet. Tab and Shift+Tab walk the cells that
// take typing, row after row; typing replaces a cell, F2 edits it; Enter ends the row; Ctrl+Down
// and Ctrl+Up go to the next and the previous grid; Ctrl+Delete deletes the row.
#include <QStringList>
#include <QStyledItemDelegate>
#include <QTableView>
#include <vector>

#include "core/roster/Roster.h"

class QComboBox;

namespace yardmark {

class SheetModel;

// The roster's players offered under a name cell while it is typed into, by letters or number.
void attachNameCompletion(QComboBox* editor, const std::vector<RosterPlayer>& players);

class SheetView : public QTableView {
  Q_OBJECT
 public:
  SheetView(SheetModel* model, const std::vector<RosterPlayer>& players, QWidget* parent);

  SheetModel* sheetModel() const { return m_model; }
  // The first cell that takes typing on a row (the blank row of a player grid by default).
  QModelIndex firstCell(int row) const;
  // Every row shown without a scroll bar of its own.
  void fitRows();
  // Leaves any open editor, its text kept.
  void commitEditor();

 signals:
  void rowLeft(int row);  // a player grid's cursor left the row
  void enterPressed();
  void jump(int by);  // +1: the next grid, -1: the previous one
  void deleteRow(int row);

 protected:
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  // A sheet key (Enter, Ctrl+Up/Down, Ctrl+Delete) handled; false for any other key.
  bool sheetKey(const QKeyEvent* event);
  bool takesTyping(const QModelIndex& index) const;

  SheetModel* m_model;
  friend class SheetDelegate;
};

// The cell editors: number boxes with the entry form's key rules, the name with the roster's
// names, lists for the result and the site.
class SheetDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  SheetDelegate(SheetView* view, std::vector<RosterPlayer> players);
  void setPlayers(const std::vector<RosterPlayer>& players) { m_players = players; }

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

 protected:
  bool eventFilter(QObject* object, QEvent* event) override;

 private:
  SheetView* m_view;
  std::vector<RosterPlayer> m_players;
};

}  // namespace yardmark
