#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QtTest/QTest>

#include "gui/shell/KeyFilter.h"

using namespace yardmark;

namespace {

// The ways a user puts the clipboard's text into a box; keys go to the combo box around it.
void ctrlV(QLineEdit* box) { QTest::keyClick(box->focusProxy(), Qt::Key_V, Qt::ControlModifier); }
void shiftInsert(QLineEdit* box) { QTest::keyClick(box->focusProxy(), Qt::Key_Insert, Qt::ShiftModifier); }
void menuPaste(QLineEdit* box) {
  QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(2, 2), box->mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(box, &click);
  QWidget* menu = QApplication::activePopupWidget();
  ASSERT_NE(menu, nullptr);
  for (QAction* a : menu->actions())
    if (a->text().startsWith(QLineEdit::tr("&Paste"))) a->trigger();
  menu->close();
}
void drop(QLineEdit* box) {
  QMimeData data;
  data.setText(QGuiApplication::clipboard()->text());
  const QPoint end(box->width() - 2, 2);
  QDragEnterEvent enter(end, Qt::CopyAction, &data, Qt::LeftButton, {});
  QApplication::sendEvent(box, &enter);  // a drop lands only where the drag entered
  QDropEvent dropped(end, Qt::CopyAction, &data, Qt::LeftButton, {});
  QApplication::sendEvent(box, &dropped);
}

}  // namespace

// Text from the clipboard or a drop passes the box's rule a character at a time, as typing does.
TEST(KeyRules, PastedAndDroppedTextPassesTheRule) {
  const struct {
    void (*put)(QLineEdit*);
    KeyRule rule;
    const char *before, *given, *after;
  } cases[] = {
      {ctrlV, isItNumber, "", "abc", ""},
      {shiftInsert, isItNumber, "1", "2x3456789", "12345"},
      {menuPaste, nameKey, "Jo", "h3n", "John"},
      {drop, isItNumber, "7", "1 0", "710"},
  };
  for (const auto& c : cases) {
    QComboBox combo;
    combo.setEditable(true);
    installKeyFilter(combo.lineEdit(), c.rule);
    combo.lineEdit()->setText(c.before);
    combo.show();
    QGuiApplication::clipboard()->setText(c.given);
    c.put(combo.lineEdit());
    EXPECT_EQ(combo.lineEdit()->text(), c.after) << c.given;
  }
}
