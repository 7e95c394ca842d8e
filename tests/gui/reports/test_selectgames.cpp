// The games of a report: year folders, moving games between the lists, and "Generate Reports"
// from the menu to the report file.

#include "gui/reports/DialogNewReport.h"
#include "gui/reports/DialogOpenReport.h"
#include "gui/reports/frmNewReport.h"
#include "support/GameFiles.h"
#include "support/ReportFixture.h"
#include "support/ReportsTestKit.h"

namespace yardmark::test {
namespace {

namespace fs = std::filesystem;

class SelectGamesTest : public ShownShellTest {
 protected:
  void SetUp() override {
    ShownShellTest::SetUp();
    for (const char* f : {"2006/Game1.mdb", "2006/Game2.mdb", "2007/Game1.mdb", "2007/Game2.mdb"})
      writeGame(root, std::string("YardMark/games/") + f, Result::Won);
    writeGame(root, "YardMark/games/2007/Game10.mdb", Result::Lost);
    fs::create_directories(root.games() / "2008");
    root.writeFile("YardMark/games/2007/notes.txt", "not a game");
  }
  // From the menu, as the coach does it: name the report, choose every 2007 game.
  frmNewReport& chooseGames() {
    window->mrNew->trigger();
    auto* dialog = app.forms().find<DialogNewReport>();
    EXPECT_NE(dialog, nullptr);
    QTest::keyClicks(dialog->txtReportName, "2007_GM1.htm");
    click(dialog->OKButton);
    auto* form = app.forms().find<frmNewReport>();
    EXPECT_NE(form, nullptr);
    pick(form->Dir1, "2007");
    click(form->cmdAddAll);
    return *form;
  }
  fs::path report() const { return root.yardmark() / "Reports" / "2007_GM1.htm"; }
  fs::path tmp() const { return root.databases() / "tmpDB.mdb"; }
};

TEST_F(SelectGamesTest, MovesGamesOfTwoYearsIntoOneSortedListByMouseAndKeys) {
  app.vars().currentReportName = "2007_GM1.htm";
  frmNewReport* form = &app.forms().show<frmNewReport>();
  pick(form->Dir1, "2007");
  // Ordered as the game dialogs list the same folder: Game2 before Game10.
  EXPECT_EQ(itemTexts(form->File1), (QStringList{"Game1.mdb", "Game2.mdb", "Game10.mdb"}));
  pick(form->File1, "Game10.mdb");
  pick(form->File1, "Game2.mdb");
  click(form->cmdAddDatabase);
  EXPECT_EQ(itemTexts(form->File1), QStringList{"Game1.mdb"});
  pick(form->Dir1, "2006");
  click(form->cmdAddAll);
  EXPECT_TRUE(itemTexts(form->File1).isEmpty());
  EXPECT_EQ(itemTexts(form->listDatabase),
            (QStringList{"2006\\Game1.mdb", "2006\\Game2.mdb", "2007\\Game10.mdb", "2007\\Game2.mdb"}));
  // Keyboard: the arrow moves to the next year, whose files follow, less the chosen ones.
  form->Dir1->setFocus();
  QTest::keyClick(form->Dir1, Qt::Key_Down);
  EXPECT_EQ(itemTexts(form->File1), QStringList{"Game1.mdb"});
  click(form->cmdRemoveAll);
  EXPECT_TRUE(itemTexts(form->listDatabase).isEmpty());
  EXPECT_EQ(itemTexts(form->File1), (QStringList{"Game1.mdb", "Game2.mdb", "Game10.mdb"}));

  // Moves with nothing to move, each told once; the form stays.
  prompter.answer(Answer::Ok).answer(Answer::Ok).answer(Answer::Ok).answer(Answer::Ok);
  click(form->cmdRemoveDatabase);
  click(form->cmdGenerateReports);
  pick(form->Dir1, "2008");
  click(form->cmdAddAll);
  click(form->cmdAddDatabase);
  EXPECT_EQ(prompter.texts(), (QStringList{"Please select database to be removed from Selected Database list",
                                           "Please select one/more databases in order to generate reports.",
                                           "No more database can be selected.", "Please select folder and database"}));
  EXPECT_NE(app.forms().find<frmNewReport>(), nullptr);
}

TEST_F(SelectGamesTest, WritesTheSameReportAsTheReportCommandAndClosesTheForm) {
  frmNewReport& form = chooseGames();
  TempRoot other;
  std::vector<std::string> args = {"--root", other.dir().string(), "2007_GM1.htm"};
  for (QString chosen : form.chosenGames()) args.push_back(chosen.replace('\\', '/').toStdString());
  root.writeFile("YardMark/Reports/2007_GM1.htm", "an old report");  // replaced without a question
  prompter.answer(Answer::Ok);
  click(form.cmdGenerateReports);
  EXPECT_EQ(prompter.texts(), QStringList{"Report has successfully been created named 2007_GM1.htm"});
  EXPECT_EQ(app.forms().find<frmNewReport>(), nullptr);
  EXPECT_NE(app.forms().find<DialogOpenReport>(), nullptr);  // to view the new report
  EXPECT_EQ(totalRows(tmp()), 0);
  const std::string written = readBytes(report());
  EXPECT_NE(written.find("TOTAL TEAM STATS"), std::string::npos);

  const ProgramRun r = runIn(root.games(), YARDMARK_REPORT_EXE, args);  // the game paths as the form holds them
  ASSERT_EQ(r.exit, 0) << r.err;
  EXPECT_EQ(readBytes(other.yardmark() / "Reports" / "2007_GM1.htm"), written);
}

// A written report is a success; its trouble is told after it.
TEST_F(SelectGamesTest, AWrittenReportIsASuccessThenItsTroubleIsTold) {
  // A file where the detail pages' folder goes, then a temporary database that keeps its rows.
  const fs::path detail = root.yardmark() / "Reports" / "detail";
  fs::remove_all(detail);
  root.writeFile("YardMark/Reports/detail", "not a folder");
  for (const char* trouble : {"not its detail page", "the temporary database could not be emptied"}) {
    if (fs::is_regular_file(report())) {
      fs::remove(report());
      fs::remove(detail);
      refuseHeaderDeletes(tmp());
    }
    prompter.clear();
    prompter.answer(Answer::Ok).answer(Answer::Ok);
    click(chooseGames().cmdGenerateReports);
    ASSERT_EQ(prompter.records().size(), 2u) << trouble;
    EXPECT_EQ(prompter.records()[0].text, "Report has successfully been created named 2007_GM1.htm");
    EXPECT_TRUE(prompter.records()[1].text.startsWith(QString("The report 2007_GM1.htm was written, but ") + trouble))
        << prompter.records()[1].text.toStdString();
    EXPECT_EQ(prompter.records()[1].icon, Icon::Exclamation);
  }
  EXPECT_TRUE(fs::is_regular_file(report()));
  EXPECT_NE(app.forms().find<DialogOpenReport>(), nullptr);
  EXPECT_EQ(rowCount(tmp(), "header"), 3);
}

// A failure is told with its reason (the reasons are the generator's own); the form stays
// with its choice, so the coach can try again.
TEST_F(SelectGamesTest, AFailureIsNeverReportedAsSuccess) {
  const fs::path reports = root.yardmark() / "Reports";
  frmNewReport& form = chooseGames();
  // A chosen game that is no database is told by its name.
  const fs::path game = root.games() / "2007" / "Game2.mdb", kept = root.dir() / "Game2.mdb";
  fs::rename(game, kept);
  root.writeFile("YardMark/games/2007/Game2.mdb", "not a database");
  prompter.answer(Answer::Ok);
  click(form.cmdGenerateReports);
  EXPECT_TRUE(prompter.texts().value(0).contains("Game2.mdb")) << prompter.texts().value(0).toStdString();
  EXPECT_FALSE(fs::exists(report()));
  fs::remove(game);
  fs::rename(kept, game);
  prompter.clear();

  fs::rename(reports, root.yardmark() / "Elsewhere");
  prompter.answer(Answer::Ok);
  click(form.cmdGenerateReports);
  ASSERT_EQ(prompter.records().size(), 1u);
  EXPECT_EQ(prompter.records()[0].text, "Info");
  EXPECT_EQ(prompter.records()[0].title, QString::fromStdString("Folder does not exist: " + (reports / "").string()));
  EXPECT_EQ(app.forms().find<frmNewReport>(), &form);
  EXPECT_EQ(form.listDatabase->count(), 3);
  EXPECT_EQ(totalRows(tmp()), 0);
  EXPECT_EQ(app.forms().find<DialogOpenReport>(), nullptr);
}

}  // namespace
}  // namespace yardmark::test
