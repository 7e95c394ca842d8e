#include "gui/sheet/SheetView.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>

#include "core/games/GameTables.h"
#include "gui/entry/EntryWidgets.h"
#include "gui/entry/NameCompleter.h"
#include "gui/sheet/SheetModel.h"
#include "gui/shell/KeyFilter.h"

namespace yardmark {

namespace {

// Tab on the completion list takes the name marked in it into the box, then moves on as Tab
// does (the list's own handling only takes a name on Enter).
class TabTakesName : public QObject {
 public:
  TabTakesName(QCompleter* completer, QLineEdit* box) : QObject(completer), m_completer(completer), m_box(box) {}

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Tab) {
      // A list offered by number marks no row (the names do not begin with the digits): the
      // first is the one taken.
      QModelIndex marked = m_completer->popup()->currentIndex();
      if (!marked.isValid()) marked = m_completer->completionModel()->index(0, 0);
      if (marked.isValid()) m_box->setText(marked.data(m_completer->completionRole()).toString());
    }
    return false;
  }

 private:
  QCompleter* m_completer;
  QLineEdit* m_box;
};

}  // namespace

void attachNameCompletion(QComboBox* editor, const std::vector<RosterPlayer>& players) {
  NameCompleter* completer = equipNameBox(editor);
  completer->setPlayers(players);
  // The cell is narrow; the list shows each line whole ("#12 Carter Marcus J (RB)").
  completer->popup()->setMinimumWidth(editor->fontMetrics().averageCharWidth() * 32);
  completer->popup()->installEventFilter(new TabTakesName(completer, editor->lineEdit()));
  // The first name offered is the one Enter or Tab takes; marked current without selecting it,
  // which would put it in the box while the name is still being typed.
  QObject::connect(editor->lineEdit(), &QLineEdit::textEdited, completer, [completer] {
    if (completer->popup()->isVisible())
      completer->popup()->selectionModel()->setCurrentIndex(completer->completionModel()->index(0, 0),
                                                            QItemSelectionModel::NoUpdate);
  });
}

namespace {

bool isEnter(const QKeyEvent* e) { return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter; }

CellRole roleOf(const QModelIndex& index) { return static_cast<CellRole>(index.data(SheetModel::kRoleRole).toInt()); }

QComboBox* listEditor(QWidget* parent, const QStringList& items) {
  auto* combo = new QComboBox(parent);
  combo->addItems(items);
  return combo;
}

}  // namespace

SheetView::SheetView(SheetModel* model, const std::vector<RosterPlayer>& players, QWidget* parent)
    : QTableView(parent), m_model(model) {
  setObjectName(model->grid().name);
  setAccessibleName(model->grid().caption);
  setModel(model);
  setItemDelegate(new SheetDelegate(this, players));
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed |
                  QAbstractItemView::DoubleClicked);
  setTabKeyNavigation(true);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  verticalHeader()->setDefaultSectionSize(22);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& now, const QModelIndex& before) {
            if (m_model->isPlayerGrid() && before.isValid() && before.row() != now.row() &&
                before.row() < m_model->dataRows())
              emit rowLeft(before.row());
          });
  connect(model, &QAbstractItemModel::rowsInserted, this, &SheetView::fitRows);
  connect(model, &QAbstractItemModel::rowsRemoved, this, &SheetView::fitRows);
  fitRows();
}

void SheetView::fitRows() {
  int height = horizontalHeader()->sizeHint().height() + 2 * frameWidth();
  for (int r = 0; r < m_model->rowCount(); ++r) height += rowHeight(r);
  setFixedHeight(height);
}

bool SheetView::takesTyping(const QModelIndex& index) const {
  return index.isValid() && (m_model->flags(index) & Qt::ItemIsEditable);
}

QModelIndex SheetView::firstCell(int row) const {
  if (row < 0) row = m_model->isPlayerGrid() ? m_model->blankRow() : 0;
  for (int c = 0; c < m_model->columnCount(); ++c)
    if (takesTyping(m_model->index(row, c))) return m_model->index(row, c);
  return {};
}

QModelIndex SheetView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
  if (action != MoveNext && action != MovePrevious) return QTableView::moveCursor(action, modifiers);
  const int columns = m_model->columnCount(), cells = m_model->rowCount() * columns;
  const QModelIndex here = currentIndex().isValid() ? currentIndex() : m_model->index(0, 0);
  int at = here.row() * columns + here.column();
  for (int step = 0; step < cells; ++step) {
    at = action == MoveNext ? at + 1 : at - 1;
    if (at < 0 || at >= cells) {
      // Past the end: a player grid stays on its blank row, a fixed grid starts over.
      if (m_model->isPlayerGrid()) return action == MoveNext ? firstCell(-1) : here;
      at = action == MoveNext ? 0 : cells - 1;
    }
    const QModelIndex next = m_model->index(at / columns, at % columns);
    if (takesTyping(next)) return next;
  }
  return here;
}

void SheetView::commitEditor() {
  if (state() == EditingState) {
    // The open editor is the focus widget or holds it.
    QWidget* focus = QApplication::focusWidget();
    while (focus && focus->parentWidget() != viewport()) focus = focus->parentWidget();
    if (focus) {
      commitData(focus);
      closeEditor(focus, QAbstractItemDelegate::NoHint);
    }
  }
}

bool SheetView::sheetKey(const QKeyEvent* e) {
  const bool ctrl = e->modifiers() & Qt::ControlModifier;
  if (isEnter(e) && !ctrl) {
    emit enterPressed();
    return true;
  }
  if (ctrl && (e->key() == Qt::Key_Down || e->key() == Qt::Key_Up)) {
    emit jump(e->key() == Qt::Key_Down ? 1 : -1);
    return true;
  }
  if (ctrl && e->key() == Qt::Key_Delete) {
    if (m_model->isPlayerGrid() && currentIndex().row() < m_model->dataRows()) emit deleteRow(currentIndex().row());
    return true;
  }
  return false;
}

void SheetView::keyPressEvent(QKeyEvent* event) {
  if (sheetKey(event)) return;
  // Other Ctrl keys are the form's (Ctrl+Z, Ctrl+B): never the start of typing in a cell.
  if ((event->modifiers() & Qt::ControlModifier) && event->key() != Qt::Key_Home && event->key() != Qt::Key_End) {
    event->ignore();
    return;
  }
  QTableView::keyPressEvent(event);
}

void SheetView::focusInEvent(QFocusEvent* event) {
  QTableView::focusInEvent(event);
  if (!takesTyping(currentIndex())) setCurrentIndex(firstCell(m_model->isPlayerGrid() ? -1 : 0));
}

SheetDelegate::SheetDelegate(SheetView* view, std::vector<RosterPlayer> players)
    : QStyledItemDelegate(view), m_view(view), m_players(std::move(players)) {}

QWidget* SheetDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const {
  QWidget* editor = nullptr;
  switch (roleOf(index)) {
    case CellRole::Name: {
      auto* combo = new QComboBox(parent);
      combo->setEditable(true);
      combo->setInsertPolicy(QComboBox::NoInsert);
      attachNameCompletion(combo, m_players);
      editor = combo;
      break;
    }
    case CellRole::Result:
      editor = listEditor(parent, {QString(), QStringLiteral("Won"), QStringLiteral("Loss")});
      break;
    case CellRole::Site:
      editor = listEditor(parent, {QString(), "Home", "Away", "Neutral"});
      break;
    case CellRole::Team:
      editor = nameBox(parent, "txtSheetTeam");
      break;
    case CellRole::Edit: {
      const int keys = index.data(SheetModel::kKeysRole).toInt();
      const SheetCell cell = m_view->sheetModel()->cellAt(index);
      editor = isNumberColumn(cell.table, cell.ordinal) ? numberBox(parent, "txtSheetCell", static_cast<BoxKeys>(keys))
                                                        : QStyledItemDelegate::createEditor(parent, option, index);
      if (auto* box = qobject_cast<QLineEdit*>(editor)) box->setMaximumWidth(QWIDGETSIZE_MAX);
      break;
    }
    default:
      editor = QStyledItemDelegate::createEditor(parent, option, index);
  }
  return editor;
}

void SheetDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  const QString text = index.data(Qt::EditRole).toString();
  if (auto* combo = qobject_cast<QComboBox*>(editor)) {
    if (combo->isEditable()) {
      combo->setEditText(text);
      combo->lineEdit()->selectAll();
    } else {
      combo->setCurrentIndex(std::max(0, combo->findText(text)));
    }
    return;
  }
  QStyledItemDelegate::setEditorData(editor, index);
  // Typing replaces the cell, as in a spreadsheet.
  if (auto* box = qobject_cast<QLineEdit*>(editor)) box->selectAll();
}

void SheetDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
  if (auto* combo = qobject_cast<QComboBox*>(editor)) {
    model->setData(index, combo->currentText(), Qt::EditRole);
    return;
  }
  QStyledItemDelegate::setModelData(editor, model, index);
}

bool SheetDelegate::eventFilter(QObject* object, QEvent* event) {
  auto* editor = qobject_cast<QWidget*>(object);
  if (event->type() != QEvent::KeyPress) return QStyledItemDelegate::eventFilter(object, event);
  auto* key = static_cast<QKeyEvent*>(event);
  const bool ctrl = key->modifiers() & Qt::ControlModifier;
  if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
    emit commitData(editor);
    emit closeEditor(editor, key->key() == Qt::Key_Tab ? EditNextItem : EditPreviousItem);
    return true;
  }
  if (key->key() == Qt::Key_Escape) {
    emit closeEditor(editor, RevertModelCache);
    return true;
  }
  const bool sheetKey =
      (isEnter(key) && !ctrl) ||
      (ctrl && (key->key() == Qt::Key_Down || key->key() == Qt::Key_Up || key->key() == Qt::Key_Delete));
  if (!sheetKey) return QStyledItemDelegate::eventFilter(object, event);
  if (key->key() != Qt::Key_Delete) emit commitData(editor);
  emit closeEditor(editor, key->key() == Qt::Key_Delete ? RevertModelCache : NoHint);
  m_view->sheetKey(key);
  return true;
}

}  // namespace yardmark
