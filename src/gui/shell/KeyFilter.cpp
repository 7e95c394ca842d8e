#include "gui/shell/KeyFilter.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QObject>

namespace yardmark {

namespace {

// The key code the old key-press event saw; 0 when the key types no character.
int keyCodeOf(const QKeyEvent& e) {
  switch (e.key()) {
    case Qt::Key_Backspace:
      return kBackspace;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return kEnter;
    default:
      break;
  }
  if (e.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return 0;
  const QString text = e.text();
  if (text.isEmpty() || !text.at(0).isPrint()) return 0;
  return text.at(0).unicode();
}

// The text the key lands in: the selection goes when a character is typed over it.
int applyTextRule(const TextKeyRule& rule, int code, const QLineEdit& box) {
  QString text = box.text();
  int cursor = box.cursorPosition();
  if (box.hasSelectedText()) {
    cursor = box.selectionStart();
    text.remove(cursor, box.selectedText().size());
  }
  // The rules' boxes hold ASCII only, so a position in the text is a position in its bytes.
  return rule(code, text.toStdString(), cursor);
}

// The menu's Paste: named in newer Qt, known by its own translated caption in older.
bool isPasteAction(const QAction& action) {
  return action.objectName() == QLatin1String("edit-paste") ||
         action.text().section(QLatin1Char('\t'), 0, 0) == QLineEdit::tr("&Paste");
}

// Pasted and dropped text goes in as if typed, a character at a time through the same rule, so
// that what typing refuses never enters the box by another way.
class KeyRuleFilter : public QObject {
 public:
  KeyRuleFilter(QLineEdit* box, KeyRule rule) : QObject(box), m_box(box), m_rule(std::move(rule)) {}
  KeyRuleFilter(QLineEdit* box, TextKeyRule rule)
      : QObject(box),
        m_box(box),
        m_rule([box, rule = std::move(rule)](int code, int) { return applyTextRule(rule, code, *box); }) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != m_box && watched != m_box->focusProxy()) return false;
    switch (event->type()) {
      case QEvent::KeyPress:
        return keyPress(static_cast<QKeyEvent&>(*event));
      case QEvent::Drop:
        return watched == m_box && drop(static_cast<QDropEvent&>(*event));
      case QEvent::MouseButtonRelease:
        return watched == m_box && middleClick(static_cast<QMouseEvent&>(*event));
      // A combo box shows its line edit's menu in its own stead; a box with a menu of its own keeps it.
      case QEvent::ContextMenu:
        return static_cast<QWidget*>(watched)->contextMenuPolicy() == Qt::DefaultContextMenu &&
               contextMenu(static_cast<QContextMenuEvent&>(*event));
      default:
        return false;
    }
  }

 private:
  bool keyPress(const QKeyEvent& e) {
    if (e.matches(QKeySequence::Paste)) {
      if (!m_box->isReadOnly()) type(QGuiApplication::clipboard()->text());
      return true;
    }
    const int code = keyCodeOf(e);
    if (code == 0) return false;
    return m_rule(code, static_cast<int>(m_box->text().size())) == 0;
  }

  bool drop(QDropEvent& e) {
    if (m_box->isReadOnly() || !e.mimeData()->hasText()) return false;
    m_box->setCursorPosition(m_box->cursorPositionAt(e.position().toPoint()));
    type(e.mimeData()->text());
    // A copy, never a move: a drag out of this very box keeps its text.
    e.setDropAction(Qt::CopyAction);
    e.accept();
    return true;
  }

  // The X11 selection is pasted by a middle click where the system has one.
  bool middleClick(const QMouseEvent& e) {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (e.button() != Qt::MiddleButton || !clipboard->supportsSelection() || m_box->isReadOnly()) return false;
    m_box->deselect();
    m_box->setCursorPosition(m_box->cursorPositionAt(e.position().toPoint()));
    type(clipboard->text(QClipboard::Selection));
    return true;
  }

  // The box's own menu, whose Paste types as Ctrl+V does.
  bool contextMenu(const QContextMenuEvent& e) {
    QMenu* menu = m_box->createStandardContextMenu();
    for (QAction* action : menu->actions()) {
      if (!isPasteAction(*action)) continue;
      disconnect(action, &QAction::triggered, nullptr, nullptr);
      connect(action, &QAction::triggered, this, [this] { type(QGuiApplication::clipboard()->text()); });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(e.globalPos());
    return true;
  }

  void type(const QString& text) {
    for (const QChar c : text) {
      if (!c.isPrint()) continue;
      if (m_rule(c.unicode(), static_cast<int>(m_box->text().size())) != 0) m_box->insert(QString(c));
    }
  }

  QLineEdit* m_box;
  KeyRule m_rule;
};

}  // namespace

namespace {
void install(QLineEdit* box, KeyRuleFilter* filter) {
  box->installEventFilter(filter);
  // An editable combo box has the focus itself and passes its keys to its line edit by a
  // direct call that no filter there sees, so the filter watches the combo box too.
  if (QWidget* proxy = box->focusProxy()) proxy->installEventFilter(filter);
}
}  // namespace

void installKeyFilter(QLineEdit* box, KeyRule rule) { install(box, new KeyRuleFilter(box, std::move(rule))); }
void installKeyFilter(QLineEdit* box, TextKeyRule rule) { install(box, new KeyRuleFilter(box, std::move(rule))); }

QLineEdit* nameBox(QWidget* parent, const char* objectName) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(QString::fromLatin1(objectName));
  installKeyFilter(box, nameKey);
  return box;
}

}  // namespace yardmark
