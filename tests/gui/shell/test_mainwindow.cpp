#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include "gui/shell/Twips.h"
#include "support/GuiFixture.h"

namespace yardmark::test {
namespace {

struct Item {
  const char* name;
  const char* caption;
  const char* key = "";  // the shortcut shown beside the item
};
struct Menu {
  const char* name;
  const char* caption;
  std::vector<Item> items;  // empty: the menu title is itself the command
};

TEST_F(ShellTest, MenuBarHasEveryMenuItemInOrderWithItsCaption) {
  const std::vector<Menu> expected = {
      {"mFile",
       "&File",
       {{"mfNew", "&New", "Ctrl+N"},
        {"fmEditGameStat", "&Open", "Ctrl+O"},
        {"fmDeleteGameStat", "&Delete"},
        {"fmSaveFileStat", "&Save"},
        {"fmBackUp", "&Back Up Data..."},
        {"fmRestore", "&Restore Data..."},
        {"fmdash", ""},  // a separator line: its "-" caption is drawn as the line itself
        {"fmExit", "E&xit"}}},
      {"mReports", "&Reports", {{"mrNew", "N&ew"}, {"mrView", "&View"}, {"mrDelete", "&Delete"}}},
      {"mRosterMain", "R&oster", {{"mRoster", "&Manage", "Ctrl+Shift+R"},
        {"mRosterImport", "&Import"},
        {"mRosterImportSheet", "Import from &Spreadsheet..."}}},
      {"mnuAbout", "&About", {}},
  };
  EXPECT_EQ(window->windowTitle(), "YardMark");
  const auto top = window->menuBar()->actions();
  ASSERT_EQ(top.size(), static_cast<qsizetype>(expected.size()));
  for (std::size_t m = 0; m < expected.size(); ++m) {
    SCOPED_TRACE(expected[m].name);
    QAction* title = top[m];
    EXPECT_EQ(title->text(), expected[m].caption);
    QMenu* menu = title->menu();
    if (expected[m].items.empty()) {
      EXPECT_EQ(menu, nullptr);
      EXPECT_EQ(title->objectName(), expected[m].name);
      EXPECT_EQ(title->shortcut(), QKeySequence(Qt::Key_F1));
      continue;
    }
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->objectName(), expected[m].name);
    const auto items = menu->actions();
    ASSERT_EQ(items.size(), static_cast<qsizetype>(expected[m].items.size()));
    for (qsizetype i = 0; i < items.size(); ++i) {
      const Item& want = expected[m].items[static_cast<std::size_t>(i)];
      EXPECT_EQ(items[i]->objectName(), want.name);
      EXPECT_EQ(items[i]->text(), want.caption);
      EXPECT_EQ(items[i]->shortcut().toString(), want.key);
      EXPECT_EQ(items[i]->isSeparator(), items[i]->objectName() == "fmdash");
    }
  }
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

TEST_F(ShellTest, EveryCommandButSaveIsEnabledAtStart) {
  for (const char* name : {"fmSaveFileStat"}) {
    auto* a = window->findChild<QAction*>(name);
    ASSERT_NE(a, nullptr) << name;
    EXPECT_FALSE(a->isEnabled()) << name;
  }
  for (const char* name : {"mfNew", "fmEditGameStat", "fmDeleteGameStat", "fmExit", "mrNew", "mrView", "mrDelete",
                           "mRoster", "mRosterImport", "mnuAbout", "fmBackUp", "fmRestore",
                           "mRosterImportSheet"}) {
    auto* a = window->findChild<QAction*>(name);
    ASSERT_NE(a, nullptr) << name;
    EXPECT_TRUE(a->isEnabled()) << name;
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

TEST_F(ShellTest, SaveFollowsGameFormActiveAndRunsTheCheck) {
  HeaderOnlyEntry entry(app.vars());
  app.vars().setEntrySections(&entry);
  EXPECT_FALSE(window->fmSaveFileStat->isEnabled());
  window->fmSaveFileStat->trigger();  // disabled: nothing happens
  EXPECT_EQ(entry.saves, 0);

  app.vars().setGameFormActive(true);
  EXPECT_TRUE(window->fmSaveFileStat->isEnabled());
  prompter.answer(Answer::Ok);
  window->fmSaveFileStat->trigger();
  EXPECT_EQ(entry.saves, 1);
  EXPECT_EQ(prompter.texts(), QStringList{kHeaderMessage});

  app.vars().setGameFormActive(false);
  EXPECT_FALSE(window->fmSaveFileStat->isEnabled());
  app.vars().setEntrySections(nullptr);
}

TEST_F(ShellTest, ClosingTheMainWindowUnloadsChildrenFirstAndACancelKeepsAllOpen) {
  HeaderOnlyEntry entry(app.vars());
  app.vars().setEntrySections(&entry);
  app.vars().setGameFormActive(true);
  window->show();
  app.forms().show<FormB>();
  app.forms().show<FormA>();  // topmost: asked first

  logA.cancelUnload = true;
  EXPECT_FALSE(window->close());
  EXPECT_TRUE(window->isVisible());
  EXPECT_NE(app.forms().find<FormA>(), nullptr);
  EXPECT_NE(app.forms().find<FormB>(), nullptr);
  EXPECT_EQ(logB.unloads, 0) << "after a cancel no further form is unloaded";
  EXPECT_EQ(entry.saves, 0) << "the main window's own unload must not run after a cancel";
  EXPECT_EQ(logA.unloads, 1);

  // Second try: both children go, then the main window's unload runs the check.
  logA.cancelUnload = false;
  prompter.answer(Answer::Ok);
  EXPECT_TRUE(window->close());
  EXPECT_EQ(app.forms().find<FormA>(), nullptr);
  EXPECT_EQ(app.forms().find<FormB>(), nullptr);
  EXPECT_EQ(logA.unloads, 2);
  EXPECT_EQ(logB.unloads, 1);
  EXPECT_EQ(entry.saves, 1);
  EXPECT_EQ(prompter.texts(), QStringList{kHeaderMessage});
  app.vars().setEntrySections(nullptr);
}

TEST_F(ShellTest, ClosingTheMainWindowSkipsTheCheckWhenNoGameFormIsActive) {
  HeaderOnlyEntry entry(app.vars());
  app.vars().setEntrySections(&entry);
  window->show();
  EXPECT_TRUE(window->close());
  EXPECT_EQ(entry.saves, 0);
  app.vars().setEntrySections(nullptr);
}

TEST_F(ShellTest, ExitEndsTheRunWithoutAnyUnloadOrCheck) {
  HeaderOnlyEntry entry(app.vars());
  app.vars().setEntrySections(&entry);
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
  app.vars().setEntrySections(nullptr);
}

TEST_F(ShellTest, AboutCommandShowsOneAboutBox) {
  window->show();
  window->mnuAbout->trigger();
  window->mnuAbout->trigger();
  const auto boxes = window->findChildren<QWidget*>("frmAbout");
  ASSERT_EQ(boxes.size(), 1);
  EXPECT_TRUE(boxes.front()->isVisible());
  EXPECT_EQ(window->mdiArea()->subWindowList().size(), 1);
}

}  // namespace
}  // namespace yardmark::test
