#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QtTest/QTest>
#include <algorithm>

#include "gui/shell/KeyFilter.h"

using namespace yardmark;

// Letters, digits and the five-digit limit typed through a filter are the entry forms' tests.
TEST(KeyRules, KeepOrDropEachKey) {
  const struct {
    const char* rule;
    KeyRule fn;
    int key, length;
    bool kept;
  } cases[] = {
      {"number: blank", isItNumber, ' ', 0, false},
      {"number: Backspace when full", isItNumber, kBackspace, 5, true},
      {"number: Enter", isItNumber, kEnter, 0, true},
      {"number: Enter when full", isItNumber, kEnter, 5, false},
      {"name: apostrophe", nameKey, '\'', 3, true},
      {"name: 26th character", nameKey, 'x', 25, true},
      {"name: 27th character", nameKey, 'x', 26, false},
      {"name: Backspace at 26", nameKey, kBackspace, 26, true},
      {"digits: long text", digitKey, '9', 40, true},
      {"digits: letter", digitKey, 'q', 0, false},
      {"alpha: non-Latin", [](int k, int) { return isItAlphaNumber(k); }, 0x141, 0, true},
  };
  for (const auto& c : cases) EXPECT_EQ(c.fn(c.key, c.length) != 0, c.kept) << c.rule;
}

namespace {

enum class Way { CtrlV, ShiftInsert, MenuPaste, Drop, ComboCtrlV };

// Puts the text into the box the way a user would, from the clipboard or by a drop.
void putIn(QLineEdit* box, Way way, const QString& text) {
  QGuiApplication::clipboard()->setText(text);
  QWidget* keys = way == Way::ComboCtrlV ? box->focusProxy() : box;
  switch (way) {
    case Way::CtrlV:
    case Way::ComboCtrlV:
      QTest::keyClick(keys, Qt::Key_V, Qt::ControlModifier);
      break;
    case Way::ShiftInsert:
      QTest::keyClick(keys, Qt::Key_Insert, Qt::ShiftModifier);
      break;
    case Way::MenuPaste: {
      QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(2, 2), box->mapToGlobal(QPoint(2, 2)));
      QApplication::sendEvent(box, &menu);
      auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      ASSERT_NE(popup, nullptr);
      const QList<QAction*> actions = popup->actions();
      const auto paste = std::find_if(actions.begin(), actions.end(),
                                      [](QAction* a) { return a->text().startsWith(QLineEdit::tr("&Paste")); });
      ASSERT_NE(paste, actions.end());
      (*paste)->trigger();
      popup->close();
      break;
    }
    case Way::Drop: {
      QMimeData data;
      data.setText(text);
      const QPoint end(box->width() - 2, 2);
      QDragEnterEvent enter(end, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
      QApplication::sendEvent(box, &enter);  // a drop only lands where the drag entered
      QDropEvent drop(end, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
      QApplication::sendEvent(box, &drop);
      break;
    }
  }
}

}  // namespace

// Text from the clipboard or a drop passes the box's rule a character at a time, as typing does.
TEST(KeyRules, PastedAndDroppedTextPassesTheRule) {
  const struct {
    Way way;
    KeyRule rule;
    const char* before;
    const char* given;
    const char* after;
  } cases[] = {
      {Way::CtrlV, isItNumber, "", "abc", ""},
      {Way::ShiftInsert, isItNumber, "1", "2x3456789", "12345"},
      {Way::MenuPaste, nameKey, "Jo", "h3n", "John"},
      {Way::Drop, isItNumber, "7", "1 0", "710"},
      {Way::ComboCtrlV, [](int k, int) { return isItAlphaNumber(k); }, "", "Smith 2 J\tr", "Smith  Jr"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.given);
    QComboBox combo;
    combo.setEditable(true);
    QLineEdit* box = combo.lineEdit();
    installKeyFilter(box, c.rule);
    box->setText(c.before);
    combo.show();
    putIn(box, c.way, c.given);
    EXPECT_EQ(box->text(), c.after);
  }
  // Yards: the sign only first, wherever the text lands.
  QLineEdit yards;
  installKeyFilter(&yards, TextKeyRule(yardsKey));
  putIn(&yards, Way::CtrlV, "x-3-4");
  EXPECT_EQ(yards.text(), "-34");
}
