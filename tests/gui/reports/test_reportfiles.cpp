// Reports > View and Reports > Delete: the reports folder's pages, opened in the viewer or
// deleted after a question.
#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTextBrowser>
#include <QtTest/QTest>

#include "gui/reports/DialogDeleteReport.h"
#include "gui/reports/DialogOpenReport.h"
#include "gui/reports/frmViewReport.h"
#include "support/ReportsTestKit.h"

namespace yardmark::test {
namespace {

namespace fs = std::filesystem;

const QString kAsk = "Are you sure you want to delete this report?";

class ReportFilesTest : public ShownShellTest {
 protected:
  fs::path reports() const { return root.yardmark() / "Reports"; }
  fs::path write(const std::string& name, const std::string& bytes = "<html><body>Week report</body></html>") const {
    return root.writeFile("YardMark/Reports/" + name, bytes);
  }
  // Opens the report through Reports > View.
  void view(const std::string& name) {
    auto& open = app.forms().show<DialogOpenReport>();
    pick(open.File1, QString::fromStdString(name));
    QTest::mouseClick(open.OKButton, Qt::LeftButton);
  }
  void remove(const std::string& name, Answer answer) {
    auto& del = app.forms().show<DialogDeleteReport>();
    pick(del.File1, QString::fromStdString(name));
    prompter.answer(answer);
    QTest::mouseClick(del.OKButton, Qt::LeftButton);
  }
};

TEST_F(ReportFilesTest, BothDialogsListThePagesOfTheReportsFolderAndAskForAChoice) {
  write("Week1.htm");
  write("old.html");
  write("notes.txt");
  window->mrView->trigger();
  auto* open = app.forms().find<DialogOpenReport>();
  ASSERT_NE(open, nullptr);
  EXPECT_EQ(rows(open->File1), (QStringList{"old.html", "Week1.htm"}));
  prompter.answer(Answer::Ok);
  QTest::mouseClick(open->OKButton, Qt::LeftButton);
  EXPECT_EQ(prompter.texts(), QStringList{"Plz select the file."});
  pick(open->File1, "Week1.htm");
  write("Week2.htm");
  app.forms().show<FormA>();
  window->mrView->trigger();
  EXPECT_EQ(rows(open->File1), (QStringList{"old.html", "Week1.htm", "Week2.htm"}));
  EXPECT_EQ(selected(open->File1), "Week1.htm") << "the report chosen stays chosen";

  window->mrDelete->trigger();
  auto* del = app.forms().find<DialogDeleteReport>();
  ASSERT_NE(del, nullptr);
  EXPECT_EQ(rows(del->File1), (QStringList{"old.html", "Week1.htm", "Week2.htm"}));
  prompter.answer(Answer::Ok);
  QTest::mouseClick(del->OKButton, Qt::LeftButton);
  EXPECT_EQ(prompter.texts().last(), "Please select the game to delete.");
  EXPECT_EQ(app.forms().find<DialogDeleteReport>(), del);
}

TEST_F(ReportFilesTest, ViewShowsTheChosenReportOrNamesWhyNot) {
  write("Week2.htm", "<html><body>Second week</body></html>");
  write("Gone.htm");
  write("Notes.htm", "just some notes");
  const std::pair<const char*, QString> cases[] = {{"Gone.htm", "the file does not exist."},
                                                   {"Notes.htm", "it is not a report page."}};
  for (const auto& [name, reason] : cases) {
    SCOPED_TRACE(name);
    auto& open = app.forms().show<DialogOpenReport>();
    pick(open.File1, QString::fromStdString(name));
    fs::remove(reports() / "Gone.htm");
    prompter.answer(Answer::Ok);
    QTest::mouseClick(open.OKButton, Qt::LeftButton);
    EXPECT_EQ(prompter.texts(), QStringList{QString("Cannot show the report '") + name + "': " + reason});
    EXPECT_EQ(app.forms().find<DialogOpenReport>(), &open);
    EXPECT_EQ(app.forms().find<frmViewReport>(), nullptr);
    prompter.clear();
  }
  view("Week2.htm");
  EXPECT_EQ(app.forms().find<DialogOpenReport>(), nullptr);
  auto* viewer = app.forms().find<frmViewReport>();
  ASSERT_NE(viewer, nullptr);
  EXPECT_EQ(viewer->lblRepTitle->text(), "Report: Week2.htm");
  EXPECT_TRUE(viewer->WB1->toPlainText().contains("Second week"));
  EXPECT_EQ(app.vars().currentReportName, QString::fromStdString((reports() / "Week2.htm").string()));
}

TEST_F(ReportFilesTest, DeletesOnlyAfterYesWithItsDetailPageAndSaysWhyItCannot) {
  write("Week1.htm");
  write("Week2.htm");
  write("detail/Week2.htm");
  write("detail/Week2.htm.games", "/a/Game1.mdb\n");
  write("detail/Week3.htm");
  remove("Week1.htm", Answer::No);
  EXPECT_EQ(prompter.records().back().buttons, Buttons::YesNo);
  EXPECT_TRUE(fs::exists(reports() / "Week1.htm"));

  // Gone before the question was answered: the dialog stays and says why.
  auto& del = *app.forms().find<DialogDeleteReport>();
  fs::remove(reports() / "Week1.htm");
  prompter.answer(Answer::Yes).answer(Answer::Ok);
  QTest::mouseClick(del.OKButton, Qt::LeftButton);
  EXPECT_EQ(prompter.texts().last(), "Cannot delete the report 'Week1.htm': the file does not exist.");
  EXPECT_EQ(app.forms().find<DialogDeleteReport>(), &del);

  prompter.clear();
  remove("Week2.htm", Answer::Yes);
  EXPECT_EQ(prompter.texts(), QStringList{kAsk});
  for (const char* gone : {"Week2.htm", "detail/Week2.htm", "detail/Week2.htm.games"})
    EXPECT_FALSE(fs::exists(reports() / gone)) << gone;
  EXPECT_TRUE(fs::exists(reports() / "detail" / "Week3.htm"));
  EXPECT_EQ(app.forms().find<DialogDeleteReport>(), nullptr);
}

// The viewer closes before the report it shows is deleted, also when its name is not valid
// UTF-8 and the screen shows it with a stand-in character.
TEST_F(ReportFilesTest, TheShownReportIsDeletedAfterTheViewerClosesWhateverItsName) {
  for (const std::string name : {"Week1.htm", "Week\xff.htm"}) {
    SCOPED_TRACE(name);
    write(name, "<html><body>Report " + name + "</body></html>");
    view(name);
    EXPECT_EQ(app.forms().find<frmViewReport>()->shownFile(), reports() / name);
    remove(name, Answer::Yes);
    EXPECT_EQ(app.forms().find<frmViewReport>(), nullptr);
    EXPECT_FALSE(fs::exists(reports() / name));
  }
}

}  // namespace
}  // namespace yardmark::test
