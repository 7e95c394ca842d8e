#pragma once
// The box-score sheet on a fresh program folder, driven by keys sent where the user's keys go
// (the open completion list, else the focus), each one counted.
#include <QApplication>
#include <QtTest/QTest>

#include "core/roster/Roster.h"
#include "gui/sheet/SheetCommands.h"
#include "gui/sheet/SheetView.h"
#include "gui/sheet/frmBoxScore.h"
#include "support/EntryFixture.h"

namespace yardmark::test {

class SheetTest : public EntryTest {
 protected:
  void SetUp() override {
    EntryTest::SetUp();
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }
  void seedRoster(const std::vector<PersonName>& people) { importIntoRoster(app.tree(), people); }
  frmBoxScore& openSheet(const std::filesystem::path& game) {
    showInSheet(app, game);
    frmBoxScore* form = app.forms().find<frmBoxScore>();
    EXPECT_NE(form, nullptr);
    return *form;
  }

  // The rushing grid of the sheet on the game, the cursor on its blank row's name.
  SheetView* rushingOf(frmBoxScore& sheet) {
    SheetView* rushing = sheet.view("grdRushing");
    rushing->setFocus();
    rushing->setCurrentIndex(rushing->firstCell(-1));
    return rushing;
  }

  using EntryTest::type;
  static QWidget* target() {
    if (QWidget* popup = QApplication::activePopupWidget()) return popup;
    return QApplication::focusWidget();
  }
  void type(const QString& text) {
    for (const QChar c : text) {
      QTest::keyClick(target(), c.toLatin1());
      ++typed;
    }
  }
  void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
    QTest::keyClick(target(), k, m);
    ++otherKeys;
  }
  // Cells in reading order: each text typed, then Tab; Enter ends the row (trailing blanks
  // need no keys).
  void row(const QStringList& cells) {
    for (int i = 0; i < cells.size(); ++i) {
      if (i > 0) key(Qt::Key_Tab);
      type(cells[i]);
    }
    key(Qt::Key_Return);
  }

  int typed = 0, otherKeys = 0;
};

}  // namespace yardmark::test
