// The entry form's frame: a fresh and a stored game, the pages, the check on close, activation
// that keeps typing, and a game file that cannot be opened. Check Game: the saved game's
// findings beside the form, the jump to a finding's page, section and row, the refusal while a
// section is being edited, and the list brought up to date. A save cut short by a killed program
// leaves its journal, and every reader of the game file rolls it back.
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "core/games/Synopsis.h"
#include "core/report/ReportGenerator.h"
#include "support/EntryFixture.h"

namespace yardmark::test {
namespace {

const char* const kEmptyHeader = "Fields cannot be empty.  Please enter Game Information Header data.";
const char* const kReverify =
    "Some data may have been lost due to closing the game file prior to saving.  You may want to re-verify your "
    "data.  Do you want to re-verify your data ?";
const EntrySection kGameLevel[] = {EntrySection::Header, EntrySection::Quarter, EntrySection::TeamStats};

TEST_F(EntryTest, NextTabAndCtrlTabTurnThePagesAndComingBackShowsTheFirstPage) {
  makeGame();
  app.forms().show<FormA>();  // a second window the area would cycle to
  openGame();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  // A fresh game: every game-level section ready for typing (the forms' sweep shows the rest).
  for (EntrySection s : kGameLevel) EXPECT_EQ(mode(s), GameLevelSection::Mode::Adding) << static_cast<int>(s);
  auto next = [&] {
    for (auto* b : form->SSTab1->currentWidget()->findChildren<QPushButton*>("cmdNext"))
      if (b->isVisible() && b->text() == "Next Tab") QTest::mouseClick(b, Qt::LeftButton);
    return form->SSTab1->currentIndex();
  };
  for (int page : {1, 2, 3, 0}) EXPECT_EQ(next(), page);
  form->SSTab1->tabBar()->setCurrentIndex(2);  // the user picks page 2
  EXPECT_EQ(next(), 3);
  comeBack();  // nothing typed yet: the new game starts at the team names again
  EXPECT_EQ(std::pair(form->SSTab1->currentIndex(), form->focusWidget()),
            std::pair(0, static_cast<QWidget*>(form->txtOwnTeamName)));
  EXPECT_EQ(next(), 1);

  form->SSTab1->setCurrentIndex(0);
  QMdiSubWindow* entry = window->findChild<QMdiArea*>()->activeSubWindow();
  ASSERT_NE(form->focusWidget(), nullptr);
  for (const auto& [key, pages] : {std::pair{Qt::Key_Tab, std::vector{1, 2, 3, 0}}, {Qt::Key_Backtab, {3, 2, 1, 0}}})
    for (int page : pages) {
      const auto modifiers = key == Qt::Key_Tab ? Qt::ControlModifier : Qt::ControlModifier | Qt::ShiftModifier;
      QTest::keyClick(form->focusWidget(), key, modifiers);
      EXPECT_EQ(form->SSTab1->currentIndex(), page);
      EXPECT_EQ(window->findChild<QMdiArea*>()->activeSubWindow(), entry) << "the window stays";
    }
}

struct CloseCase {
  const char* name;
  bool byWindow;         // the main window closed rather than the form
  bool header, quarter;  // filled before closing
  QStringList texts;     // what the user is shown
  Answer answer;         // to the re-verify question, when asked
  bool stays;
};

class CloseTest : public EntryTest, public testing::WithParamInterface<CloseCase> {};

TEST_P(CloseTest, ClosingRunsTheCheckAndAsksBeforeLeavingMissingData) {
  const CloseCase& c = GetParam();
  const auto file = makeGame();
  openGame();
  if (c.header) fillHeader();
  if (c.quarter) fillQuarter({"7", "0", "3", "14", "0", "0", "0", "0"});
  fillTeamStats();
  for (const QString& t : c.texts) prompter.answer(t == kReverify ? c.answer : Answer::Ok);
  form->SSTab1->setCurrentIndex(1);

  EXPECT_EQ(c.byWindow ? window->close() : form->unload(), !c.stays);
  EXPECT_EQ(prompter.texts(), c.texts);
  if (!c.texts.isEmpty()) {
    const auto& q = prompter.records().back();
    EXPECT_EQ(std::tuple(q.buttons, q.icon, q.title, q.defaultButton),
              std::tuple(Buttons::YesNo, Icon::Critical, QString("MsgBox Demonstration"), Answer::No));
  }
  // The form, its flag, File > Save and the sections all stay or all go.
  EXPECT_EQ(std::tuple(app.forms().find<frmNewGame>() != nullptr, app.vars().gameFormActive(),
                       window->fmSaveFileStat->isEnabled(), app.vars().entrySections() != nullptr),
            std::tuple(c.stays, c.stays, c.stays, c.stays));
  EXPECT_EQ(c.stays ? form->SSTab1->currentIndex() : 0, 0) << "the page of the missing data";
  EXPECT_EQ(std::pair(readRows(file, "header").size(), readRows(file, "teamStats").size()),
            (std::pair<std::size_t, std::size_t>(c.header, c.header && c.quarter)));
}

const QStringList kNoHeader{kEmptyHeader, kReverify},
    kNoScore{"Fields cannot be empty.  Please enter Game Information Score data.", kReverify};
// clang-format off
INSTANTIATE_TEST_SUITE_P(Entry, CloseTest,
                         testing::Values(CloseCase{"fresh_yes", true, false, false, kNoHeader, Answer::Yes, true},
                                         CloseCase{"fresh_no", true, false, false, kNoHeader, Answer::No, false},
                                         CloseCase{"quarter_missing_yes", false, true, false, kNoScore, Answer::Yes, true},
                                         CloseCase{"complete", false, true, true, {}, Answer::No, false}),
                         [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(EntryTest, AGameFileThatCannotBeOpenedIsNamedAndTheFormCloses) {
  const std::pair<const char*, const char*> cases[] = {
      {nullptr, "Could not find file"}, {"just some text, not a database", "is not a YardMark database"}};
  for (const auto& [contents, reason] : cases) {
    SCOPED_TRACE(reason);
    if (contents) root.writeFile("YardMark/games/2007/Game3.mdb", contents);
    prompter.clear().answer(Answer::Ok);
    openGame();
    ASSERT_EQ(prompter.texts().size(), 1);
    const QString message = prompter.texts()[0];
    EXPECT_TRUE(message.startsWith("The game cannot be opened.") && message.contains(reason) &&
                message.contains("2007/game3.mdb", Qt::CaseInsensitive))
        << message.toStdString();
    QCoreApplication::processEvents();
    EXPECT_EQ(std::tuple(app.forms().find<frmNewGame>(), app.vars().gameFormActive(), app.vars().entrySections()),
              std::tuple(nullptr, false, nullptr));
  }
}

bool hasFinding(frmGameCheck* check, GameTable table, int row) {
  const auto& f = check->findings();
  return std::any_of(f.begin(), f.end(), [&](const Finding& x) { return x.table == table && x.row == row; });
}

TEST_F(EntryTest, FindingsListTheSavedGameAndLeadToTheirSectionAndRow) {
  const auto file = makeGame();
  addGameRows(file, {.header = {headerRow("Eagles", "Hawks", 2007, 3, true)},
                     .quarter = {{0, 7, 0, 7, 0, 0, 0, 0, 0, 14}},
                     .rushing = {{0, 5, 1, 0, "Jones Bob"}, {10, 50, 1, 0, "Smith John"}},
                     .passing = {{21, 19, 120, 0, 1, "Brown Tom"}}});
  openGame();
  expectReference(formState(form, root.dir()), "entry/opened.txt");
  QTest::keyClick(box("txtOwnTeamName"), Qt::Key_F7);
  frmGameCheck* check = form->checkWindow();
  ASSERT_TRUE(check && check->isVisible());
  expectReference(formState(check, root.dir()), "entry/findings.txt");
  // Each line reads as its finding: the message in the third column.
  ASSERT_EQ(check->lstFindings->topLevelItemCount(), static_cast<int>(check->findings().size()));
  for (int i = 0; i < check->lstFindings->topLevelItemCount(); ++i)
    EXPECT_EQ(check->lstFindings->topLevelItem(i)->text(2).toStdString(),
              check->findings()[static_cast<size_t>(i)].message);

  // Completions over attempts: the Offense page, the Passing tab.
  goToFinding(*check, kPassing, 0);
  EXPECT_EQ(std::pair(form->SSTab1->currentIndex(), form->SSTab2->currentIndex()), std::pair(2, 1));
  // A touchdown without an attempt on the first rusher, while the section shows the last one.
  EXPECT_EQ(text("txtRushATT"), "10");
  goToFinding(*check, kRushing, 0);
  EXPECT_EQ(
      std::tuple(form->SSTab2->currentIndex(), text("txtRushATT"), w<QComboBox>("cmbRushPlayerName")->currentText()),
      std::tuple(0, QString("0"), QString("Jones Bob")));
  goToFinding(*check, kReceiving, -1);  // no receiver to match the passes: the tab, no row
  EXPECT_EQ(form->SSTab2->currentIndex(), 2);

  // While a row is being edited the section stays on it.
  click("cmdpasEdit");
  retype("txtPassingComp", "15");
  goToFinding(*check, kRushing, 0);  // the rushing section is free to move
  prompter.answer(Answer::Ok);
  goToFinding(*check, kPassing, 0);
  EXPECT_EQ(std::pair(prompter.texts().back(), text("txtPassingComp")),
            std::pair(QString("Save or undo the typing in this section before moving to another row."), QString("15")));

  // Saved and checked again: the passer's finding is gone, the rusher's stays.
  EXPECT_TRUE(hasFinding(check, kPassing, 0));
  prompter.answer(Answer::Ok);  // "Updated successfully"
  click("cmdpasSave");
  QTest::mouseClick(form->cmdCheckGame[2], Qt::LeftButton);
  EXPECT_EQ(std::pair(hasFinding(check, kPassing, 0), hasFinding(check, kRushing, 0)), std::pair(false, true));
  EXPECT_EQ(check->lstFindings->topLevelItemCount(), static_cast<int>(check->findings().size()));
  // Escape and Close close it; Check Game opens it again.
  QTest::keyClick(check->lstFindings, Qt::Key_Escape);
  EXPECT_FALSE(check->isVisible());
  QTest::keyClick(box("txtOwnTeamName"), Qt::Key_F7);
  EXPECT_TRUE(check->isVisible());
  QTest::mouseClick(check->cmdClose, Qt::LeftButton);
  EXPECT_FALSE(check->isVisible());
}

// Screen 1366 x 768: beside the form, then beside the section, then shrunk into the most room.
TEST(FindingsPlace, BesideTheFormOrElseTheSectionAndAlwaysOnTheScreen) {
  const struct {
    const char* what;
    QRect screen, form, section, expected;
  } cases[] = {
      {"left of the form", {0, 0, 1366, 768}, {700, 50, 600, 600}, {710, 60, 200, 100}, {0, 50, 700, 340}},
      {"beside the section", {0, 0, 1366, 768}, {100, 0, 1200, 700}, {150, 100, 400, 200}, {550, 100, 700, 340}},
      {"shrunk below it", {0, 0, 800, 600}, {0, 0, 800, 600}, {0, 0, 800, 500}, {0, 420, 700, 180}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(placeBeside(c.screen, c.form, c.section, {700, 340}, {360, 180}), c.expected) << c.what;
}

TEST(EntryDurability, ASaveCutShortIsRolledBackByEveryReader) {
  namespace fs = std::filesystem;
  const Row won = headerRow("Eagles", "Hawks", 2007, 3, true);
  // Each reader meets the save cut short and sees the game as it was before it.
  const std::function<void(const TempRoot&, const fs::path&)> readers[] = {
      [](const TempRoot&, const fs::path& file) {  // the synopsis
        const Synopsis s = synopsisOf({file});
        EXPECT_TRUE(s.unreadable.empty()) << s.unreadable.front().reason;
        EXPECT_EQ(s.teams, "Eagles Vs Hawks");
      },
      [](const TempRoot& root, const fs::path& file) {  // the report
        const ReportOutcome o = ReportGenerator(DataTree(root.dir())).generate({file}, "Season.htm");
        ASSERT_TRUE(o.ok()) << o.message;
        const std::string page = readBytes(DataTree(root.dir()).reportsFolder() / "Season.htm");
        EXPECT_EQ(page.find("Interrupted"), std::string::npos);
        EXPECT_EQ(page.find("Filler"), std::string::npos);
      },
      [&won](const TempRoot&, const fs::path& file) {  // the entry form, which opens it for writing
        Recordset header = Database(file).openRecordset("select * from header");
        EXPECT_EQ(header.field("OwnTeamName"), won[0]);
      },
  };
  for (const auto& read : readers) {
    TempRoot root;
    const fs::path file = makeGame(root, "YardMark/games/2007/Game3.mdb", {.header = {won}});
    QProcess child;
    child.start(YARDMARK_SAVE_CHILD, {QString::fromStdString(root.dir().string())});
    ASSERT_TRUE(child.waitForReadyRead(20000) && child.readLine().trimmed() == "cut");
    child.kill();  // SIGKILL: no handler, no flush, no clean-up of any kind
    child.waitForFinished();
    // Part of the cut save reached the file itself; only its journal can take it back.
    ASSERT_TRUE(fs::exists(file.string() + "-journal"));
    ASSERT_NE(readBytes(file).find("Interrupted"), std::string::npos);
    read(root, file);
    EXPECT_FALSE(fs::exists(file.string() + "-journal"));
    EXPECT_EQ(readRows(file, "header"), std::vector<Row>{won});
    EXPECT_EQ(rowCount(file, "rushing"), 0);
  }
}

}  // namespace
}  // namespace yardmark::test
