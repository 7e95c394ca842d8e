#include "gui/shell/KeyFilter.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QObject>

namespace yardmark {

namespace {

bool isDigit(int key) { return key >= '0' && key <= '9'; }

// The key code the old key-press event saw; 0 when the key types no character.
int keyCodeOf(const QKeyEvent& e) {
  switch (e.key()) {
    case Qt::Key_Backspace: return kBackspace;
    case Qt::Key_Return:
    case Qt::Key_Enter: return kEnter;
    default: break;
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

class KeyRuleFilter : public QObject {
public:
  KeyRuleFilter(QLineEdit* box, KeyRule rule) : QObject(box), m_box(box), m_rule(std::move(rule)) {}
  KeyRuleFilter(QLineEdit* box, TextKeyRule rule)
      : QObject(box), m_box(box), m_rule([box, rule = std::move(rule)](int code, int) {
          return applyTextRule(rule, code, *box);
        }) {}

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if ((watched != m_box && watched != m_box->focusProxy()) || event->type() != QEvent::KeyPress) return false;
    const int code = keyCodeOf(static_cast<QKeyEvent&>(*event));
    if (code == 0) return false;
    return m_rule(code, static_cast<int>(m_box->text().size())) == 0;
  }

private:
  QLineEdit* m_box;
  KeyRule m_rule;
};

}  // namespace

int isItNumber(int key, int length) {
  if (!isDigit(key) && key != kBackspace && key != kEnter) return 0;
  if (key != kBackspace && length >= 5) return 0;
  return key;
}

int isItAlphaNumber(int key) { return isDigit(key) ? 0 : key; }

int nameKey(int key, int length) {
  key = isItAlphaNumber(key);
  if (key != kBackspace && length > 25) return 0;
  return key;
}

int digitKey(int key, int /*length*/) { return isDigit(key) || key == kBackspace || key == kEnter ? key : 0; }

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

}  // namespace yardmark
