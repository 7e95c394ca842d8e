// Reports > View and Reports > Delete: the reports folder's pages, opened in the viewer or
// deleted after a question.

#include "gui/reports/DialogDeleteReport.h"
#include "gui/reports/DialogOpenReport.h"
#include "gui/reports/frmViewReport.h"
#include "support/ReportsTestKit.h"

namespace yardmark::test {
namespace {

namespace fs = std::filesystem;

class ReportFilesTest : public ShownShellTest {
 protected:
  fs::path reports() const { return root.yardmark() / "Reports"; }
  fs::path write(const std::string& name, const std::string& bytes = "<html><body>Week report</body></html>") const {
    return root.writeFile("YardMark/Reports/" + name, bytes);
  }
  // Picks the report (when named) in the dialog and clicks its OK button.
  template <class Dialog>
  void confirm(Dialog& dialog, const std::string& name) {
    if (!name.empty()) pick(dialog.File1, QString::fromStdString(name));
    QTest::mouseClick(dialog.OKButton, Qt::LeftButton);
  }
};

TEST_F(ReportFilesTest, ViewListsThePagesAndShowsTheChosenOneOrNamesWhyNot) {
  write("Week1.htm");
  write("old.html");
  write("notes.txt");
  write("Notes.htm", "just some notes");
  write("Gone.htm");
  window->mrView->trigger();
  auto* open = app.forms().find<DialogOpenReport>();
  ASSERT_NE(open, nullptr);
  EXPECT_EQ(selected(open->Dir1), "Reports");  // the one folder, chosen
  EXPECT_EQ(itemTexts(open->File1), (QStringList{"Gone.htm", "Notes.htm", "old.html", "Week1.htm"}));
  prompter.answer(Answer::Ok).answer(Answer::Ok).answer(Answer::Ok);
  confirm(*open, "");
  confirm(*open, "Notes.htm");
  pick(open->File1, "Gone.htm");
  fs::remove(reports() / "Gone.htm");  // after it was chosen
  confirm(*open, "");
  EXPECT_EQ(prompter.texts(),
            (QStringList{"Plz select the file.", "Cannot show the report 'Notes.htm': it is not a report page.",
                         "Cannot show the report 'Gone.htm': the file does not exist."}));
  EXPECT_EQ(app.forms().find<DialogOpenReport>(), open);
  EXPECT_EQ(app.forms().find<frmViewReport>(), nullptr);
  // Back from another form: the list is read again and the report chosen stays chosen.
  pick(open->File1, "Week1.htm");
  write("Week2.htm", "<html><body>Second week</body></html>");
  app.forms().show<FormA>();
  window->mrView->trigger();
  EXPECT_EQ(itemTexts(open->File1), (QStringList{"Notes.htm", "old.html", "Week1.htm", "Week2.htm"}));
  EXPECT_EQ(selected(open->File1), "Week1.htm");

  confirm(*open, "Week2.htm");
  EXPECT_EQ(app.forms().find<DialogOpenReport>(), nullptr);
  auto* viewer = app.forms().find<frmViewReport>();
  ASSERT_TRUE(viewer && viewer->isVisible());
  EXPECT_EQ(viewer->lblRepTitle->text(), "Report: Week2.htm");
  EXPECT_TRUE(viewer->WB1->toPlainText().contains("Second week"));
  EXPECT_EQ(app.vars().currentReportName, QString::fromStdString((reports() / "Week2.htm").string()));
}

// Only Yes deletes, with the report's detail page; the viewer closes before the report it
// shows is deleted, also when its name is not valid UTF-8 and the screen shows a stand-in.
TEST_F(ReportFilesTest, DeletesOnlyAfterYesWithItsDetailPageAndSaysWhyItCannot) {
  const QString ask = "Are you sure you want to delete this report?";
  write("Week1.htm");
  write("Week2.htm");
  write("detail/Week2.htm");
  write("detail/Week2.htm.games", "/a/Game1.mdb\n");
  write("detail/Week3.htm");
  window->mrDelete->trigger();
  auto* del = app.forms().find<DialogDeleteReport>();
  ASSERT_NE(del, nullptr);
  EXPECT_EQ(itemTexts(del->File1), (QStringList{"Week1.htm", "Week2.htm"}));
  prompter.answer(Answer::Ok).answer(Answer::No);
  confirm(*del, "");
  confirm(*del, "Week1.htm");
  EXPECT_EQ(prompter.texts(), (QStringList{"Please select the game to delete.", ask}));
  EXPECT_EQ(prompter.records().back().buttons, Buttons::YesNo);
  EXPECT_TRUE(fs::exists(reports() / "Week1.htm"));
  // Gone before the question was answered: the dialog stays and says why.
  fs::remove(reports() / "Week1.htm");
  prompter.answer(Answer::Yes).answer(Answer::Ok);
  confirm(*del, "");
  EXPECT_EQ(prompter.texts().last(), "Cannot delete the report 'Week1.htm': the file does not exist.");
  EXPECT_EQ(app.forms().find<DialogDeleteReport>(), del);

  prompter.answer(Answer::Yes);
  confirm(*del, "Week2.htm");
  for (const char* gone : {"Week2.htm", "detail/Week2.htm", "detail/Week2.htm.games"})
    EXPECT_FALSE(fs::exists(reports() / gone)) << gone;
  EXPECT_EQ(app.vars().currentReportName, QString::fromStdString((reports() / "Week2.htm").string()));
  EXPECT_TRUE(fs::exists(reports() / "detail" / "Week3.htm"));
  EXPECT_EQ(app.forms().find<DialogDeleteReport>(), nullptr);

  const std::string odd = "Week\xff.htm";
  write(odd, "<html><body>Report</body></html>");
  confirm(app.forms().show<DialogOpenReport>(), odd);
  EXPECT_EQ(app.forms().find<frmViewReport>()->shownFile(), reports() / odd);
  prompter.answer(Answer::Yes);
  confirm(app.forms().show<DialogDeleteReport>(), odd);
  EXPECT_EQ(app.forms().find<frmViewReport>(), nullptr);
  EXPECT_FALSE(fs::exists(reports() / odd));
}

}  // namespace
}  // namespace yardmark::test
