// The games of a report: year folders, moving games between the lists, and "Generate Reports"
// from the menu to the report file.
#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest/QTest>

#include "core/files/DataTree.h"
#include "support/ReportFixture.h"
#include "gui/reports/DialogNewReport.h"
#include "gui/reports/DialogOpenReport.h"
#include "support/ReportsTestKit.h"
#include "gui/reports/frmNewReport.h"
#include "support/GuiFixture.h"

namespace yardmark::test {
namespace {

namespace fs = std::filesystem;

GameRows game(const std::string& opp, double number, bool won, double points, const std::string& runner) {
  return {.header = {headerRow("Eagles", opp, 2007, number, won)},
          .quarter = {{7, 0, 3, 0, 0, 7, 0, 0, 3, points}},
          .teamStats = {Row(20, Value(3.0))},
          .rushing = {{5, 20, 1, 0, runner}, {3, 9, 0, 0, "Jones Al "}},
          .passing = {{10, 6, 80, 1, 0, "Brown Tom "}},
          .defense = {{4, 1, 0, 0, 0, 0, 0, 0, "Stone Max "}}};
}

class SelectGamesTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    window->show();
    for (const char* f : {"2006/Game1.mdb", "2006/Game2.mdb", "2007/Game1.mdb", "2007/Game10.mdb", "2007/Game2.mdb"})
      makeGame(root, std::string("YardMark/games/") + f, game("Hawks", 1, true, 21, "Smith John "));
    fs::create_directories(root.games() / "2008");
    root.writeFile("YardMark/games/2007/notes.txt", "not a game");
    app.vars().currentReportName = "2007_GM1.htm";
    form = &app.forms().show<frmNewReport>();
  }
  void click(QPushButton* b) { QTest::mouseClick(b, Qt::LeftButton); }

  frmNewReport* form = nullptr;
};

TEST_F(SelectGamesTest, MovesGamesOfTwoYearsIntoOneSortedListByMouseAndKeys) {
  EXPECT_EQ(rows(form->Dir1), (QStringList{"2006", "2007", "2008"}));
  EXPECT_TRUE(rows(form->File1).isEmpty());
  pick(form->Dir1, "2007");
  // Ordered as the game dialogs list the same folder: Game2 before Game10.
  EXPECT_EQ(rows(form->File1), (QStringList{"Game1.mdb", "Game2.mdb", "Game10.mdb"}));
  pick(form->File1, "Game10.mdb");
  pick(form->File1, "Game2.mdb");
  click(form->cmdAddDatabase);
  EXPECT_EQ(rows(form->File1), QStringList{"Game1.mdb"});
  pick(form->Dir1, "2006");
  click(form->cmdAddAll);
  EXPECT_TRUE(rows(form->File1).isEmpty());
  EXPECT_EQ(rows(form->listDatabase),
            (QStringList{"2006\\Game1.mdb", "2006\\Game2.mdb", "2007\\Game10.mdb", "2007\\Game2.mdb"}));
  // Keyboard: the arrow moves to the next year, whose files follow, less the chosen ones.
  form->Dir1->setFocus();
  QTest::keyClick(form->Dir1, Qt::Key_Down);
  EXPECT_EQ(rows(form->File1), QStringList{"Game1.mdb"});

  // Space chooses rows of the file list too.
  form->listDatabase->setCurrentRow(0);
  click(form->cmdRemoveDatabase);
  pick(form->Dir1, "2006");
  EXPECT_EQ(rows(form->File1), QStringList{"Game1.mdb"});
  form->File1->setFocus();
  form->File1->setCurrentRow(0, QItemSelectionModel::NoUpdate);
  QTest::keyClick(form->File1, Qt::Key_Space);
  click(form->cmdAddDatabase);
  EXPECT_EQ(rows(form->listDatabase).first(), "2006\\Game1.mdb");

  click(form->cmdRemoveAll);
  EXPECT_TRUE(rows(form->listDatabase).isEmpty());
  EXPECT_EQ(rows(form->File1), (QStringList{"Game1.mdb", "Game2.mdb"}));
  EXPECT_TRUE(prompter.records().empty());
}

TEST_F(SelectGamesTest, RefusesMovesThatHaveNothingToMove) {
  const std::pair<std::function<void()>, QString> cases[] = {
      {[&] { click(form->cmdAddDatabase); }, "Please select folder and database"},
      {[&] {
         pick(form->Dir1, "2008");
         click(form->cmdAddAll);
       },
       "No more database can be selected."},
      {[&] { click(form->cmdRemoveDatabase); }, "Please select database to be removed from Selected Database list"},
      {[&] { click(form->cmdGenerateReports); }, "Please select one/more databases in order to generate reports."},
  };
  for (const auto& [act, message] : cases) {
    SCOPED_TRACE(message.toStdString());
    prompter.clear();
    prompter.answer(Answer::Ok);
    act();
    EXPECT_EQ(prompter.texts(), QStringList{message});
  }
  click(form->cmdRemoveAll);  // no message even when already empty
  EXPECT_NE(app.forms().find<frmNewReport>(), nullptr);
}

CommandRun runReportCommand(const fs::path& root, const std::vector<fs::path>& games) {
  std::string cmd = std::string("'") + YARDMARK_REPORT_EXE + "' --root '" + root.string() + "' 2007_GM1.htm";
  for (const auto& g : games) cmd += " '" + g.string() + "'";
  return runCommand(cmd);
}

class GenerateTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    window->show();
    games = {makeGame(root, "YardMark/games/2007/Game1.mdb", game("Hawks", 1, true, 21, "Smith John ")),
             makeGame(root, "YardMark/games/2007/Game2.mdb", game("Owls", 2, false, 14, "Smith John ")),
             makeGame(root, "YardMark/games/2007/Game3.mdb", game("Bears", 3, true, 28, "Lee Bo "))};
  }
  // From the menu, as the coach does it: name the report, choose every 2007 game.
  frmNewReport& chooseGames() {
    window->mrNew->trigger();
    auto* dialog = app.forms().find<DialogNewReport>();
    EXPECT_NE(dialog, nullptr);
    QTest::keyClicks(dialog->txtReportName, "2007_GM1.htm");
    QTest::mouseClick(dialog->OKButton, Qt::LeftButton);
    auto* form = app.forms().find<frmNewReport>();
    EXPECT_NE(form, nullptr);
    form->Dir1->findItems("2007", Qt::MatchExactly).front()->setSelected(true);
    QTest::mouseClick(form->cmdAddAll, Qt::LeftButton);
    return *form;
  }
  fs::path report() const { return root.yardmark() / "Reports" / "2007_GM1.htm"; }
  fs::path tmp() const { return root.databases() / "tmpDB.mdb"; }

  std::vector<fs::path> games;
};

TEST_F(GenerateTest, WritesTheSameReportAsTheReportCommandAndClosesTheForm) {
  fs::create_directories(root.games() / "2006");
  frmNewReport& form = chooseGames();
  EXPECT_EQ(form.chosenGames(), (QStringList{"2007\\Game1.mdb", "2007\\Game2.mdb", "2007\\Game3.mdb"}));
  root.writeFile("YardMark/Reports/2007_GM1.htm", "an old report");  // replaced without a question
  prompter.answer(Answer::Ok);
  QTest::mouseClick(form.cmdGenerateReports, Qt::LeftButton);
  EXPECT_EQ(prompter.texts(), QStringList{"Report has successfully been created named 2007_GM1.htm"});
  EXPECT_EQ(app.forms().find<frmNewReport>(), nullptr);
  EXPECT_NE(app.forms().find<DialogOpenReport>(), nullptr);  // to view the new report
  EXPECT_EQ(totalRows(tmp()), 0);
  const std::string written = readBytes(report());
  EXPECT_NE(written.find("Smith John"), std::string::npos);

  TempRoot other;
  const CommandRun r = runReportCommand(other.dir(), games);
  ASSERT_EQ(r.exit, 0) << r.out;
  EXPECT_EQ(readBytes(other.yardmark() / "Reports" / "2007_GM1.htm"), written);
}

TEST_F(GenerateTest, AWrittenReportIsASuccessThenItsTroubleIsTold) {
  const std::pair<std::function<void()>, QString> cases[] = {
      {[&] { root.writeFile("YardMark/Reports/detail", "a file where the folder belongs"); },
       "but not its detail page"},
      {[&] { refuseHeaderDeletes(tmp()); }, "but the temporary database could not be emptied"},
  };
  for (const auto& [spoil, trouble] : cases) {
    SCOPED_TRACE(trouble.toStdString());
    fs::remove(root.yardmark() / "Reports" / "detail");
    fs::remove(report());
    spoil();
    prompter.clear();
    prompter.answer(Answer::Ok).answer(Answer::Ok);
    QTest::mouseClick(chooseGames().cmdGenerateReports, Qt::LeftButton);
    ASSERT_EQ(prompter.records().size(), 2u);
    EXPECT_EQ(prompter.records()[0].text, "Report has successfully been created named 2007_GM1.htm");
    EXPECT_TRUE(prompter.records()[1].text.startsWith("The report 2007_GM1.htm was written, " + trouble));
    EXPECT_EQ(prompter.records()[1].icon, Icon::Exclamation);
    EXPECT_TRUE(fs::is_regular_file(report()));
    EXPECT_EQ(app.forms().find<frmNewReport>(), nullptr);
    ASSERT_NE(app.forms().find<DialogOpenReport>(), nullptr);
    app.forms().find<DialogOpenReport>()->unload();
  }
  EXPECT_EQ(rowCount(tmp(), "header"), 3);
}

TEST_F(GenerateTest, AFailureIsNeverReportedAsSuccess) {
  struct Case {
    const char* name;
    std::function<void()> spoil;
    QString text, title;
    Icon icon;
  };
  const fs::path reports = root.yardmark() / "Reports";
  const Case cases[] = {
      {"the reports folder is missing", [&] { fs::rename(reports, root.yardmark() / "Elsewhere"); }, "Info",
       QString::fromStdString("Folder does not exist: " + (reports / "").string()), Icon::Information},
      {"the report cannot be written", [&] { fs::create_directories(reports / "2007_GM1.htm"); }, "Error",
       "Error in UpdateHTMLFile, err: 21, Is a directory", Icon::Exclamation},
      {"a chosen game file is gone", [&] { fs::remove(games[1]); },
       QString::fromStdString("Cannot use the game file '" + games[1].string() + "': the game file does not exist."),
       "YardMark", Icon::None},
      {"a chosen game file is not a game",
       [&] { root.writeFile("YardMark/games/2007/Game2.mdb", "junk"); },
       {},
       "YardMark",
       Icon::None},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    frmNewReport& form = chooseGames();
    c.spoil();
    prompter.clear();
    prompter.answer(Answer::Ok);
    QTest::mouseClick(form.cmdGenerateReports, Qt::LeftButton);
    ASSERT_EQ(prompter.records().size(), 1u);
    const auto& box = prompter.records()[0];
    if (!c.text.isEmpty())
      EXPECT_EQ(box.text, c.text);
    else
      EXPECT_TRUE(box.text.contains(QString::fromStdString(games[1].string()))) << box.text.toStdString();
    EXPECT_EQ(box.title, c.title);
    EXPECT_EQ(box.icon, c.icon);
    // The form stays with its choice, so the coach can try again.
    EXPECT_EQ(app.forms().find<frmNewReport>(), &form);
    EXPECT_EQ(app.forms().find<DialogOpenReport>(), nullptr);
    EXPECT_EQ(form.listDatabase->count(), 3);
    EXPECT_EQ(totalRows(tmp()), 0);
    // Put things right for the next case.
    form.unload();
    std::error_code ec;
    if (fs::exists(root.yardmark() / "Elsewhere")) fs::rename(root.yardmark() / "Elsewhere", reports);
    fs::remove_all(reports / "2007_GM1.htm", ec);
    fs::remove(games[1], ec);
    makeGame(root, "YardMark/games/2007/Game2.mdb", game("Owls", 2, false, 14, "Smith John "));
    EXPECT_FALSE(fs::exists(reports / "2007_GM1.htm"));
  }
}

}  // namespace
}  // namespace yardmark::test
