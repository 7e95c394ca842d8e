#include <QAction>
#include <QApplication>
#include <QTimer>

#include "gui/shell/Twips.h"
#include "support/GuiFixture.h"

namespace yardmark::test {
namespace {

// Only Save waits for an entry form; the keys the coach knows.
TEST_F(ShellTest, CommandsAreEnabledAtStartAndCarryTheirKeys) {
  EXPECT_EQ(window->windowTitle(), "YardMark");
  for (QAction* a : window->findChildren<QAction*>())
    EXPECT_EQ(a->isEnabled(), a->objectName() != "fmSaveFileStat") << a->objectName().toStdString();
  const std::pair<const char*, const char*> keys[] = {
      {"mfNew", "Ctrl+N"}, {"fmEditGameStat", "Ctrl+O"}, {"mRoster", "Ctrl+Shift+R"}, {"mnuAbout", "F1"}};
  for (const auto& [name, key] : keys) EXPECT_EQ(window->findChild<QAction*>(name)->shortcut().toString(), key);
}

TEST(MainWindowPlace, FitsTheScreenOrIsMaximised) {
  const QSize designed = MDIForm1::kDesignedSize;
  const QMargins frame(4, 30, 4, 4);
  struct Case {
    QRect available;
    bool maximised;
    QRect geometry;
  };
  const Case cases[] = {
      // A school laptop: 740 + 34 pixels of frame do not fit in 768 less a panel.
      {{0, 0, 1366, 740}, true, {4, 30, 1358, 706}},
      {{0, 0, 1920, 1050}, false, {448, 168, 1024, 740}},
      {{0, 0, 1032, 774}, false, {4, 30, 1024, 740}},  // exactly fits
      {{0, 0, 1031, 774}, true, {4, 30, 1023, 740}},
      {{100, 50, 1920, 1080}, false, {548, 233, 1024, 740}},  // a second screen
  };
  for (const Case& c : cases) {
    const MainWindowPlace place = fitMainWindow(c.available, designed, frame);
    EXPECT_EQ(place.maximised, c.maximised) << c.available.width() << "x" << c.available.height();
    EXPECT_EQ(place.geometry, c.geometry) << c.available.width() << "x" << c.available.height();
  }
}

// The entry form as far as the check is concerned: only its header section, reporting empty.
struct HeaderOnlyEntry : EntrySections, SilentSave {
  explicit HeaderOnlyEntry(GlobalVariables& v) : vars(v) {}
  SilentSave* section(EntrySection which) override { return which == EntrySection::Header ? this : nullptr; }
  void selectTabs(int, int) override {}
  void saveSilently() override {
    ++saves;
    vars.emptyFieldFound = true;
  }
  GlobalVariables& vars;
  int saves = 0;
};
const QString kHeaderMessage = "Fields cannot be empty.  Please enter Game Information Header data.";

class MainWindowTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    app.vars().setEntrySections(&entry);
  }
  void TearDown() override {
    app.vars().setEntrySections(nullptr);
    ShellTest::TearDown();
  }
  HeaderOnlyEntry entry{app.vars()};
};

TEST_F(MainWindowTest, SaveAndClosingRunTheCheckWithAnEntryFormAndACancelKeepsAllOpen) {
  window->fmSaveFileStat->trigger();  // disabled: nothing happens
  EXPECT_EQ(entry.saves, 0);
  app.vars().setGameFormActive(true);
  EXPECT_TRUE(window->fmSaveFileStat->isEnabled());
  prompter.answer(Answer::Ok);
  window->fmSaveFileStat->trigger();
  EXPECT_EQ(entry.saves, 1);
  EXPECT_EQ(prompter.texts(), QStringList{kHeaderMessage});

  window->show();
  app.forms().show<FormB>();
  app.forms().show<FormA>();  // topmost: asked first
  logA.cancelUnload = true;
  EXPECT_FALSE(window->close());
  EXPECT_TRUE(window->isVisible());
  EXPECT_NE(app.forms().find<FormB>(), nullptr);
  EXPECT_EQ(logB.unloads, 0) << "after a cancel no further form is unloaded";
  EXPECT_EQ(entry.saves, 1) << "the main window's own unload must not run after a cancel";

  // Second try: both children go, then the main window's unload runs the check.
  logA.cancelUnload = false;
  prompter.answer(Answer::Ok);
  EXPECT_TRUE(window->close());
  EXPECT_TRUE(app.forms().loaded().empty());
  EXPECT_EQ(logA.unloads, 2);
  EXPECT_EQ(logB.unloads, 1);
  EXPECT_EQ(entry.saves, 2);

  app.vars().setGameFormActive(false);
  EXPECT_FALSE(window->fmSaveFileStat->isEnabled());
  window->show();
  EXPECT_TRUE(window->close());
  EXPECT_EQ(entry.saves, 2) << "no check on closing without an active entry form";
}

TEST_F(MainWindowTest, ExitEndsTheRunWithoutAnyUnloadOrCheck) {
  app.vars().setGameFormActive(true);
  app.forms().show<FormA>();
  logA.cancelUnload = true;  // would keep the program open if its unload ran
  window->show();

  QTimer::singleShot(0, window->fmExit, &QAction::trigger);
  QTimer failsafe;
  failsafe.callOnTimeout([] { QCoreApplication::exit(99); });
  failsafe.start(5000);
  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_EQ(logA.unloads, 0);
  EXPECT_EQ(entry.saves, 0);
  EXPECT_TRUE(prompter.records().empty());
}

}  // namespace
}  // namespace yardmark::test
