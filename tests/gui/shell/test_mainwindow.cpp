// The main window: its commands, its place on the screen, closing and Exit; the all-sections
// check against fake sections: order, the sections it skips, the stopping rule, the pages it
// selects and its messages; the forms in its area: one instance each, unload that may cancel,
// the activation tracker and the placement rule; and About, its links and its system tool.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QTimer>
#include <regex>
#include <set>

#include "gui/about/UserGuide.h"
#include "gui/about/frmAbout.h"
#include "gui/reports/frmViewReport.h"
#include "gui/shell/Artwork.h"
#include "gui/shell/Twips.h"
#include "support/RosterFixture.h"

namespace yardmark::test {
namespace {

using S = EntrySection;

class FakeEntry : public EntrySections {
 public:
  struct Section : SilentSave {
    Section(FakeEntry* e, S w) : entry(e), which(w) {}
    FakeEntry* entry;
    S which;
    void saveSilently() override {
      entry->saved.push_back(which);
      if (entry->empty.count(which)) entry->vars.emptyFieldFound = true;
    }
    bool needsSilentSave() const override { return !entry->idle.count(which); }
  };

  explicit FakeEntry(GlobalVariables& v) : vars(v) {
    for (S s : {S::Header, S::Quarter, S::TeamStats, S::Rushing, S::Passing, S::Receiving, S::Scoring, S::Defense})
      sections.try_emplace(s, this, s);
  }
  SilentSave* section(S which) override {
    if (missing.count(which)) return nullptr;
    return &sections.at(which);
  }
  void selectTabs(int ssTab1, int ssTab2) override {
    tabs = {ssTab1, ssTab2};
    messagesWhenSelected = static_cast<int>(shown());
  }
  std::function<std::size_t()> shown;

  GlobalVariables& vars;
  std::map<S, Section> sections;
  std::set<S> empty, idle, missing;
  std::vector<S> saved;
  std::optional<std::pair<int, int>> tabs;
  int messagesWhenSelected = -1;
};

struct Case {
  const char* name;
  std::set<S> empty;
  std::set<S> idle;  // sections that need no silent save (a player section with no add or edit under way)
  std::vector<S> saved;
  std::optional<std::pair<int, int>> tabs;
  const char* message;       // the section the message names; nullptr: none
  std::set<S> missing = {};  // sections the form does not have
};

TEST(AllSectionsCheck, SavesInOrderAndStopsAtTheFirstEmptySection) {
  const S h = S::Header, q = S::Quarter, t = S::TeamStats, ru = S::Rushing, pa = S::Passing, re = S::Receiving,
          sc = S::Scoring, de = S::Defense;
  const Case cases[] = {
      {"all complete, no player edits", {}, {ru, pa, re, sc, de}, {h, q, t}, std::nullopt, nullptr},
      {"quarter empty after a complete header", {q, t}, {}, {h, q}, {{0, -1}}, "Game Information Score"},
      {"team stats empty", {t}, {ru, pa, re, sc, de}, {h, q, t}, {{1, -1}}, "Team Stats"},
      {"rushing empty", {ru, de}, {}, {h, q, t, ru}, {{2, 0}}, "Offense Rushing"},
      {"passing empty", {pa}, {ru, re, sc, de}, {h, q, t, pa}, {{2, 1}}, "Offense Passing"},
      {"scoring empty", {sc}, {ru, pa, re, de}, {h, q, t, sc}, {{2, 0}}, "Offense Scoring"},
      {"defense empty", {de}, {}, {h, q, t, ru, pa, re, sc, de}, {{3, -1}}, "Defense"},
      {"sections needing no save are skipped", {q, ru, de}, {q, ru, pa, re, sc, de}, {h, t}, std::nullopt, nullptr},
      {"sections the form lacks are skipped", {re}, {}, {t, pa, re}, {{2, 2}}, "Offense Receiving", {h, q, ru}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedPrompter prompter;
    GlobalVariables vars(prompter);
    FakeEntry entry(vars);
    entry.shown = [&] { return prompter.records().size(); };
    entry.empty = c.empty;
    entry.idle = c.idle;
    entry.missing = c.missing;
    vars.setEntrySections(&entry);
    vars.emptyFieldFound = true;  // a stale value from an earlier check
    if (c.message) prompter.answer(Answer::Ok);

    vars.checkAllSections();

    EXPECT_EQ(std::tuple(entry.saved, entry.tabs, vars.emptyFieldFound),
              std::tuple(c.saved, c.tabs, c.message != nullptr));
    const QString told = QString("Fields cannot be empty.  Please enter %1 data.").arg(c.message);
    EXPECT_EQ(prompter.texts(), c.message ? QStringList{told} : QStringList{});
    EXPECT_TRUE(!c.message || entry.messagesWhenSelected == 0) << "the page is selected before the message is shown";
  }
  ScriptedPrompter prompter;
  GlobalVariables vars(prompter);
  vars.emptyFieldFound = true;
  vars.checkAllSections();  // no entry form: nothing to check, nothing found
  EXPECT_FALSE(vars.emptyFieldFound);
}

// "Menu > Item: key" for each row of a guide's table whose first cell is a menu command.
std::set<std::string> guideKeys(const std::string& text, const std::regex& row) {
  std::set<std::string> keys;
  for (std::sregex_iterator it(text.begin(), text.end(), row), end; it != end; ++it) {
    const std::string path = std::regex_replace((*it)[1].str(), std::regex("&gt;"), ">");
    keys.insert(path + ": " + (*it)[2].str());
  }
  return keys;
}

// Only Save waits for an entry form; the keys the coach knows are the ones the guide lists,
// in the README and in the page F1 shows, and no others.
TEST_F(ShellTest, CommandsAreEnabledAtStartAndCarryTheKeysTheGuideNamesWhichF1Shows) {
  EXPECT_EQ(std::pair(window->windowTitle(), window->objectName()),
            std::pair(QString("YardMark"), QString("MDIForm1")));
  for (QAction* a : window->findChildren<QAction*>())
    EXPECT_EQ(a->isEnabled(), a->objectName() != "fmSaveFileStat") << a->objectName().toStdString();
  std::set<std::string> menuKeys;
  for (QMenu* m : window->findChildren<QMenu*>()) {
    EXPECT_FALSE(m->objectName().isEmpty()) << m->title().toStdString();
    for (QAction* a : m->actions())
      if (!a->shortcut().isEmpty())
        menuKeys.insert(
            QString(m->title() + " > " + a->text() + ": " + a->shortcut().toString()).remove('&').toStdString());
  }
  EXPECT_TRUE(menuKeys.count("Reports > New: Ctrl+R") && menuKeys.count("About > User's Guide: F1"));
  const std::string readme = readBytes(std::filesystem::path(YARDMARK_FIXTURES_DIR) / ".." / ".." / "README.md");
  EXPECT_EQ(guideKeys(readme, std::regex(R"(\n\| ([^|\n]+ > [^|\n]+) \| ([^|\n]+) \|)")), menuKeys) << "README.md";
  EXPECT_EQ(guideKeys(readBytes(userGuideFile()), std::regex("<td>([^<]+&gt;[^<]+)</td><td>([^<]+)</td>")), menuKeys)
      << userGuideFile();
  window->mnuGuide->trigger();  // the page F1 shows is that guide, in the viewer
  const auto* viewer = app.forms().find<frmViewReport>();
  ASSERT_NE(viewer, nullptr);
  EXPECT_EQ(viewer->shownFile(), userGuideFile());
}

TEST(MainWindowPlace, FitsTheScreenOrIsMaximised) {
  const std::tuple<QRect, bool, QRect> cases[] = {
      // A school laptop: 740 + 34 pixels of frame do not fit in 768 less a panel.
      {{0, 0, 1366, 740}, true, {4, 30, 1358, 706}},
      {{0, 0, 1032, 774}, false, {4, 30, 1024, 740}},  // exactly fits
      {{0, 0, 1031, 774}, true, {4, 30, 1023, 740}},
      {{100, 50, 1920, 1080}, false, {548, 233, 1024, 740}},  // centred on a second screen
  };
  for (const auto& [available, maximised, geometry] : cases) {
    const MainWindowPlace place = fitMainWindow(available, MDIForm1::kDesignedSize, QMargins(4, 30, 4, 4));
    EXPECT_EQ(place.maximised, maximised) << available.width() << "x" << available.height();
    EXPECT_EQ(place.geometry, geometry) << available.width() << "x" << available.height();
  }
}

// The entry form with only its header section, which reports empty.
class MainWindowTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    entry.shown = [this] { return prompter.records().size(); };
    entry.missing = {S::Quarter, S::TeamStats, S::Rushing, S::Passing, S::Receiving, S::Scoring, S::Defense};
    entry.empty = {S::Header};
    app.vars().setEntrySections(&entry);
  }
  void TearDown() override {
    app.vars().setEntrySections(nullptr);
    ShellTest::TearDown();
  }
  FakeEntry entry{app.vars()};
};
const QString kHeaderMessage = "Fields cannot be empty.  Please enter Game Information Header data.";

TEST_F(MainWindowTest, SaveAndClosingRunTheCheckWithAnEntryFormAndACancelKeepsAllOpen) {
  window->fmSaveFileStat->trigger();  // disabled: nothing happens
  EXPECT_EQ(entry.saved.size(), 0u);
  app.vars().setGameFormActive(true);
  EXPECT_TRUE(window->fmSaveFileStat->isEnabled());
  prompter.answer(Answer::Ok);
  window->fmSaveFileStat->trigger();
  EXPECT_EQ(std::pair(entry.saved.size(), prompter.texts()), std::pair(size_t{1}, QStringList{kHeaderMessage}));

  window->show();
  app.forms().show<FormB>();
  app.forms().show<FormA>();  // topmost: asked first
  logA.cancelUnload = true;
  EXPECT_FALSE(window->close());
  EXPECT_EQ(logB.unloads, 0) << "after a cancel no further form is unloaded";
  EXPECT_EQ(entry.saved.size(), 1u) << "the main window's own unload must not run after a cancel";

  // Second try: both children go, then the main window's unload runs the check.
  logA.cancelUnload = false;
  prompter.answer(Answer::Ok);
  EXPECT_TRUE(window->close());
  EXPECT_EQ(std::tuple(app.forms().loaded().size(), logB.unloads, entry.saved.size()), std::tuple(0u, 1, 2u));

  app.vars().setGameFormActive(false);
  EXPECT_FALSE(window->fmSaveFileStat->isEnabled());
  window->show();
  EXPECT_TRUE(window->close());
  EXPECT_EQ(entry.saved.size(), 2u) << "no check on closing without an active entry form";
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
  EXPECT_EQ(std::tuple(logA.unloads, entry.saved.size(), prompter.records().size()), std::tuple(0, 0u, 0u));
}

// What a window manager does after a message box, input box, menu or file dialog closes:
// the main window and its active sub-window are deactivated and activated again.
void simulateReactivation(MDIForm1& window) {
  const auto send = [](QWidget* w, QEvent::Type t) {
    QEvent e(t);
    QApplication::sendEvent(w, &e);
  };
  QMdiArea* area = window.mdiArea();
  QMdiSubWindow* active = area->activeSubWindow();
  send(&window, QEvent::WindowDeactivate);
  for (QMdiSubWindow* w : area->subWindowList()) send(w, QEvent::WindowDeactivate);
  area->setActiveSubWindow(nullptr);
  send(&window, QEvent::WindowActivate);
  area->setActiveSubWindow(active);
  for (QMdiSubWindow* w : area->subWindowList()) send(w, QEvent::WindowActivate);
  send(&window, QEvent::WindowActivate);
  QCoreApplication::processEvents();
}

TEST_F(ShellTest, OneInstanceEachAndActivationOncePerSwitchOfForms) {
  window->show();
  FormA& a = app.forms().show<FormA>();
  FormB& b = app.forms().show<FormB>();
  EXPECT_EQ(window->mdiArea()->activeSubWindow(), sub(b));
  EXPECT_EQ(&app.forms().show<FormA>(), &a) << "a second show brings the form forward";
  EXPECT_EQ(window->mdiArea()->activeSubWindow(), sub(a));
  EXPECT_EQ(window->mdiArea()->subWindowList().size(), 2);
  app.forms().show<FormA>();  // already the active form
  EXPECT_EQ(std::pair(logA.activations, logB.activations), std::pair(2, 1));
  // After a message box the user stays on his form, and that is no switch of forms.
  prompter.answer(Answer::Yes).during([&] { window->mdiArea()->setActiveSubWindow(nullptr); });
  app.prompter().message(MessageBox("Sure?", Buttons::YesNo));
  simulateReactivation(*window);
  EXPECT_EQ(std::tuple(logA.activations, logB.activations, window->mdiArea()->activeSubWindow()),
            std::tuple(2, 1, sub(a)));

  // When the active form unloads, the one that comes forward is a switch of forms.
  app.forms().show<FormB>();
  EXPECT_TRUE(b.unload());
  EXPECT_EQ(logA.activations, 3);
  EXPECT_EQ(app.forms().current(), &a);
  sub(a)->showMinimized();
  app.forms().show<FormA>();
  EXPECT_FALSE(sub(a)->isMinimized());
}

TEST_F(ShellTest, UnloadRunsTheFormsLogicWhichMayCancel) {
  window->show();
  FormA& a = app.forms().show<FormA>();
  logA.cancelUnload = true;
  EXPECT_FALSE(app.forms().unload(a));
  EXPECT_FALSE(sub(a)->close()) << "the close box goes the same way";
  EXPECT_FALSE(a.close()) << "and so does closing the form widget itself";
  EXPECT_EQ(std::pair(logA.unloads, a.isVisible()), std::pair(3, true));

  logA.cancelUnload = false;
  EXPECT_TRUE(sub(a)->close());
  EXPECT_EQ(logA.unloads, 4) << "the close box unloads once";
  EXPECT_EQ(app.forms().find<FormA>(), nullptr);
  // Loading again after an unload makes a fresh form.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(app.forms().show<FormA>().isVisible());
  EXPECT_EQ(window->mdiArea()->subWindowList().size(), 1);
}

TEST(Placement, TwipsBecomePixelsKeptInsideTheArea) {
  const struct {
    QPoint twips;
    QSize window, area;
    QPoint expected;
  } cases[] = {
      {{1500, 3000}, {100, 100}, {800, 600}, {100, 200}},   // plain: 15 twips a pixel
      {{22, 8}, {10, 10}, {800, 600}, {1, 1}},              // rounded to the nearest pixel
      {{-480, -4800}, {100, 100}, {800, 600}, {0, 0}},      // above or left of the area
      {{15000, 9000}, {300, 200}, {800, 600}, {500, 400}},  // past the right and bottom edges
      {{1500, 1500}, {900, 700}, {800, 600}, {0, 0}},       // larger than the area: top left corner
      {{0, 6000}, {800, 100}, {800, 600}, {0, 400}},        // exactly as wide as the area
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.twips.x() << "," << c.twips.y());
    EXPECT_EQ(placeInside(c.twips, c.window, c.area), c.expected);
  }
  EXPECT_EQ(twipsFromPixels(QSize(1024, 740)), QSize(15360, 11100));
}

class FakeLookup : public SystemInfoLookup {
 public:
  std::optional<QString> path;
  bool startWorks = true;
  bool throws = false;
  QStringList started;
  std::optional<QString> toolPath() override {
    if (throws) throw std::runtime_error("lookup failed");
    return path;
  }
  bool start(const QString& p) override {
    started << p;
    return startWorks;
  }
};

// The pictures are painted rather than shipped: each is compared with its reference picture.
TEST(Artwork, TheIconAndTheFieldArePaintedAsTheirReferencePictures) {
  const auto argb = [](const QImage& image) { return image.convertToFormat(QImage::Format_ARGB32); };
  for (const auto& [picture, name] : {std::pair{programIcon(64), "icon"}, {backgroundPicture({480, 240}), "field"}}) {
    const QString file = QString(YARDMARK_FIXTURES_DIR "/pictures/") + name + ".png";
    if (std::getenv("YARDMARK_REGENERATE")) picture.save(file);
    EXPECT_EQ(argb(picture.toImage()), argb(QImage(file))) << name;
  }
}

// The captions are in the forms sweep.
TEST_F(RosterFixture, AboutOpensItsLinksStartsSystemInformationOrSaysItIsUnavailable) {
  frmAbout* about = &app.forms().show<frmAbout>();
  auto owned = std::make_unique<FakeLookup>();
  FakeLookup* lookup = owned.get();
  about->setSystemInfoLookup(std::move(owned));
  QStringList opened;
  about->setUrlOpener([&](const QUrl& u) {
    opened << u.toString();
    return true;
  });
  QLabel* email = widget<QLabel>(about, "lblEmail");
  QLabel* website = widget<QLabel>(about, "lblWebsite");
  for (QLabel* l : {email, website, widget<QLabel>(about, "lblTitle")}) QTest::mouseClick(l, Qt::LeftButton);
  EXPECT_EQ(opened, (QStringList{"mailto:" + email->text(), "http://" + website->text()}));
  EXPECT_EQ(email->cursor().shape(), Qt::PointingHandCursor);  // a link looks like one

  const struct {
    const char* name;
    std::optional<QString> path;
    bool startWorks, throws, unavailable;
  } cases[] = {
      {"tool found and started", QString("/usr/bin/hardinfo"), true, false, false},
      {"no tool", std::nullopt, true, false, true},
      {"tool does not start", QString("/usr/bin/hardinfo"), false, false, true},
      {"lookup fails", std::nullopt, true, true, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    *lookup = FakeLookup{};
    lookup->path = c.path;
    lookup->startWorks = c.startWorks;
    lookup->throws = c.throws;
    prompter.clear();
    if (c.unavailable) prompter.answer(Answer::Ok);
    click(about, "cmdSysInfo");
    EXPECT_EQ(lookup->started, c.path && !c.throws ? QStringList{*c.path} : QStringList{});
    EXPECT_EQ(prompter.texts(),
              c.unavailable ? QStringList{"System Information Is Unavailable At This Time"} : QStringList{});
  }
  click(about, "cmdOK");
  EXPECT_EQ(app.forms().find<frmAbout>(), nullptr);
}

TEST(PathSystemInfoLookup, FindsTheFirstExecutableToolOnThePath) {
  QTemporaryDir first, second;
  const auto makeTool = [](const QTemporaryDir& dir, const QString& name, bool executable) {
    QFile f(dir.filePath(name));
    f.open(QIODevice::WriteOnly);
    f.close();
    f.setPermissions(executable ? QFile::ReadOwner | QFile::ExeOwner : QFile::ReadOwner);
    return f.fileName();
  };
  PathSystemInfoLookup lookup({"hardinfo", "kinfocenter"}, {first.path(), second.path()});
  makeTool(first, "hardinfo", false);  // not executable: not a tool
  EXPECT_EQ(lookup.toolPath(), std::nullopt);
  const QString kinfo = makeTool(second, "kinfocenter", true);
  EXPECT_EQ(lookup.toolPath(), kinfo);
  const QString hardinfo = makeTool(second, "hardinfo", true);
  EXPECT_EQ(lookup.toolPath(), hardinfo) << "the first tool of the list wins";
}

}  // namespace
}  // namespace yardmark::test
