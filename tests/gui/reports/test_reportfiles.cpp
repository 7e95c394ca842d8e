// Reports > View and Reports > Delete: the reports folder's pages, opened in the viewer or
// deleted after a question.
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTextBrowser>
#include <QtTest/QTest>

#include "gui/reports/DialogDeleteReport.h"
#include "gui/reports/DialogOpenReport.h"
#include "support/ReportsTestKit.h"
#include "gui/reports/frmViewReport.h"
#include "support/GuiFixture.h"

namespace yardmark::test {
namespace {

namespace fs = std::filesystem;

const std::string kPage = "<html><body><table><tr><td>Week report</td></tr></table></body></html>\r\n";

class ReportFilesTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    window->show();
  }
  fs::path reports() const { return root.yardmark() / "Reports"; }
  fs::path write(const std::string& name, const std::string& bytes = kPage) const {
    return root.writeFile("YardMark/Reports/" + name, bytes);
  }
  static void choose(QListWidget* list, const QString& name) {
    const auto found = list->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << name.toStdString();
    list->setCurrentItem(found[0]);
  }
  QString pathText(const std::string& name) const { return QString::fromStdString((reports() / name).string()); }
};

TEST_F(ReportFilesTest, BothDialogsListOnlyThePagesOfTheReportsFolder) {
  write("Week1.htm");
  write("old.html");  // a page too
  write("notes.txt");
  window->mrView->trigger();
  auto* open = app.forms().find<DialogOpenReport>();
  ASSERT_NE(open, nullptr);
  EXPECT_EQ(open->windowTitle(), "Open Report");
  EXPECT_EQ(open->Frame1->title(), "Select Report");
  EXPECT_EQ(open->Label1->text(), "Select Year");
  EXPECT_EQ(open->Label1->buddy(), open->Dir1);
  EXPECT_EQ(open->Label2->text(), "Select Report");
  EXPECT_EQ(open->Label2->buddy(), open->File1);
  EXPECT_EQ(open->OKButton->text(), "OK");
  EXPECT_EQ(open->CancelButton->text(), "Cancel");
  EXPECT_EQ(rows(open->File1), (QStringList{"old.html", "Week1.htm"}));
  EXPECT_EQ(rows(open->Dir1), QStringList{"Reports"});
  // A report written while the dialog stays open is listed on coming back to it, and the
  // report chosen stays chosen.
  choose(open->File1, "Week1.htm");
  write("Week2.htm");
  app.forms().show<FormA>();
  window->mrView->trigger();
  EXPECT_EQ(rows(open->File1), (QStringList{"old.html", "Week1.htm", "Week2.htm"}));
  ASSERT_EQ(open->File1->selectedItems().size(), 1);
  EXPECT_EQ(open->File1->selectedItems().front()->text(), "Week1.htm");

  window->mrDelete->trigger();
  auto* del = app.forms().find<DialogDeleteReport>();
  ASSERT_NE(del, nullptr);
  EXPECT_EQ(del->windowTitle(), "Delete Report");
  EXPECT_EQ(del->Label3->text(), "Once you delete, you cannot bring back the deleted report...");
  EXPECT_EQ(del->OKButton->text(), "Delete");
  EXPECT_EQ(rows(del->File1), (QStringList{"old.html", "Week1.htm", "Week2.htm"}));
  QTest::mouseClick(del->CancelButton, Qt::LeftButton);
  EXPECT_EQ(app.forms().find<DialogDeleteReport>(), nullptr);
  EXPECT_TRUE(fs::exists(reports() / "Week1.htm"));
}

TEST_F(ReportFilesTest, OpensTheChosenReportAndASecondViewShowsTheNextOne) {
  write("Week1.htm");
  write("Week2.htm", "<html><body>Second week</body></html>");
  for (const char* name : {"Week1.htm", "Week2.htm"}) {
    SCOPED_TRACE(name);
    auto& open = app.forms().show<DialogOpenReport>();
    choose(open.File1, name);
    QTest::mouseClick(open.OKButton, Qt::LeftButton);
    EXPECT_EQ(app.forms().find<DialogOpenReport>(), nullptr);
    auto* viewer = app.forms().find<frmViewReport>();
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->lblRepTitle->text(), QString("Report: ") + name);
    EXPECT_EQ(viewer->shownFile(), reports() / name);
    EXPECT_EQ(app.vars().currentReportName, pathText(name));
    EXPECT_EQ(app.forms().current(), viewer);
  }
  EXPECT_TRUE(app.forms().find<frmViewReport>()->WB1->toPlainText().contains("Second week"));
  EXPECT_TRUE(prompter.records().empty());
}

TEST_F(ReportFilesTest, AReportThatCannotBeShownIsNamedWithItsReason) {
  struct Case {
    const char* name;
    std::function<void()> spoil;
    QString reason;
  };
  write("Gone.htm");
  write("Notes.htm", "just some notes");
  const Case cases[] = {
      {"Gone.htm", [&] { fs::remove(reports() / "Gone.htm"); }, "the file does not exist."},
      {"Notes.htm", [] {}, "it is not a report page."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto& open = app.forms().show<DialogOpenReport>();
    choose(open.File1, c.name);
    c.spoil();
    prompter.clear();
    prompter.answer(Answer::Ok);
    QTest::mouseClick(open.OKButton, Qt::LeftButton);
    EXPECT_EQ(prompter.texts(), QStringList{QString("Cannot show the report '") + c.name + "': " + c.reason});
    EXPECT_EQ(app.forms().find<DialogOpenReport>(), &open);
    EXPECT_EQ(app.forms().find<frmViewReport>(), nullptr);
  }
}

TEST_F(ReportFilesTest, NothingChosenGivesEachDialogsMessage) {
  prompter.answer(Answer::Ok).answer(Answer::Ok);
  QTest::mouseClick(app.forms().show<DialogOpenReport>().OKButton, Qt::LeftButton);
  QTest::mouseClick(app.forms().show<DialogDeleteReport>().OKButton, Qt::LeftButton);
  EXPECT_EQ(prompter.texts(), (QStringList{"Plz select the file.", "Please select the game to delete."}));
  EXPECT_NE(app.forms().find<DialogOpenReport>(), nullptr);
  EXPECT_NE(app.forms().find<DialogDeleteReport>(), nullptr);
}

TEST_F(ReportFilesTest, DeletesOnlyAfterYesAndSaysWhyItCannot) {
  write("Week1.htm");
  write("Week2.htm");
  const QString ask = "Are you sure you want to delete this report?";
  auto& del = app.forms().show<DialogDeleteReport>();
  choose(del.File1, "Week1.htm");
  prompter.answer(Answer::No);
  QTest::mouseClick(del.OKButton, Qt::LeftButton);
  EXPECT_TRUE(fs::exists(reports() / "Week1.htm"));
  EXPECT_EQ(app.forms().find<DialogDeleteReport>(), &del);
  EXPECT_EQ(prompter.records().back().buttons, Buttons::YesNo);

  // Gone before the question was answered: the dialog stays and says why.
  fs::remove(reports() / "Week1.htm");
  prompter.answer(Answer::Yes).answer(Answer::Ok);
  QTest::mouseClick(del.OKButton, Qt::LeftButton);
  EXPECT_EQ(prompter.texts().last(), "Cannot delete the report 'Week1.htm': the file does not exist.");
  EXPECT_EQ(app.forms().find<DialogDeleteReport>(), &del);

  // Its detail page and games list go with it.
  write("detail/Week2.htm");
  write("detail/Week2.htm.games", "/a/Game1.mdb\n");
  write("detail/Week3.htm");
  choose(del.File1, "Week2.htm");
  prompter.clear();
  prompter.answer(Answer::Yes);
  QTest::mouseClick(del.OKButton, Qt::LeftButton);
  EXPECT_EQ(prompter.texts(), QStringList{ask});
  EXPECT_FALSE(fs::exists(reports() / "Week2.htm"));
  EXPECT_FALSE(fs::exists(reports() / "detail" / "Week2.htm"));
  EXPECT_FALSE(fs::exists(reports() / "detail" / "Week2.htm.games"));
  EXPECT_TRUE(fs::exists(reports() / "detail" / "Week3.htm"));
  EXPECT_EQ(app.vars().currentReportName, pathText("Week2.htm"));
  EXPECT_EQ(app.forms().find<DialogDeleteReport>(), nullptr);
}

// The viewer shows the report picked and closes before it is deleted, also when its name is
// not valid UTF-8 and the screen shows it with a stand-in character.
TEST_F(ReportFilesTest, TheShownReportIsDeletedAfterTheViewerClosesWhateverItsName) {
  for (const std::string name : {"Week1.htm", "Week\xff.htm"}) {
    SCOPED_TRACE(name);
    write(name, "<html><body>Report " + name + "</body></html>");
    auto& open = app.forms().show<DialogOpenReport>();
    choose(open.File1, QString::fromStdString(name));
    QTest::mouseClick(open.OKButton, Qt::LeftButton);
    const frmViewReport* viewer = app.forms().find<frmViewReport>();
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->shownFile(), reports() / name);
    EXPECT_TRUE(viewer->WB1->toPlainText().startsWith("Report Week"));
    auto& del = app.forms().show<DialogDeleteReport>();
    choose(del.File1, QString::fromStdString(name));
    prompter.answer(Answer::Yes);
    QTest::mouseClick(del.OKButton, Qt::LeftButton);
    EXPECT_EQ(prompter.texts(), QStringList{"Are you sure you want to delete this report?"});
    EXPECT_EQ(app.forms().find<frmViewReport>(), nullptr);
    EXPECT_FALSE(fs::exists(reports() / name));
    prompter.clear();
  }
}

}  // namespace
}  // namespace yardmark::test
