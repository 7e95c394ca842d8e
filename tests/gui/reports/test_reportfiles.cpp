// Reports > View and Reports > Delete: the reports folder's pages, opened in the viewer or
// deleted after a question; and Reports > Records Book...: the name asked for, the book written
// off the GUI thread and shown in the viewer with its charts drawn.
#include <QImageReader>
#include <QPageLayout>
#include <QTextDocument>
#include <QUrl>

#include "gui/reports/BrowserCommands.h"
#include "gui/reports/DialogDeleteReport.h"
#include "gui/reports/DialogOpenReport.h"
#include "gui/reports/frmViewReport.h"
#include "support/ReportFixture.h"
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

using RecordsBookTest = ShownShellTest;

TEST_F(RecordsBookTest, WritesTheBookItsChartsAndCsvFilesAndShowsThemInTheViewer) {
  // The viewer draws a chart through Qt's SVG image plugin; without it an <img> stays empty.
  ASSERT_TRUE(QImageReader::supportedImageFormats().contains("svg"));
  prompter.answer(Answer::Ok);
  window->mrRecords->trigger();
  EXPECT_EQ(prompter.texts(), QStringList{"There are no games yet, so there is no records book to write."});

  makeGame(root, "YardMark/games/2007/Game1.mdb",
           {.header = {headerRow("Eagles", "Hawks", 2007, 1, true)},
            .quarter = {{0, 7, 0, 7, 0, 0, 0, 7, 0, 21}},
            .rushing = {{12, 90, 1, 0, "Smith John"}}});
  root.writeFile("YardMark/games/2007/Game2.mdb", "not a game");  // left out, and told
  const fs::path folder = root.yardmark() / "Reports" / "records";
  const struct {
    std::optional<QString> typed;
    QString told;  // empty: nothing told
    bool written;
  } cases[] = {
      {std::nullopt, "", false},
      {"book", "Extension of the file should be .html or .htm", false},
      {"2007.htm", "One game could not be read and is left out of the records book; the page names it.", true},
  };
  for (const auto& c : cases) {
    prompter.clear();
    prompter.type(c.typed);
    if (!c.told.isEmpty()) prompter.answer(Answer::Ok);
    window->mrRecords->trigger();
    const QStringList told = c.told.isEmpty() ? QStringList{"Name of the records book page:"}
                                              : QStringList{"Name of the records book page:", c.told};
    EXPECT_EQ(prompter.texts(), told) << c.told.toStdString();
    EXPECT_EQ(fs::exists(folder), c.written) << c.told.toStdString();
  }
  for (const char* file : {"2007.htm", "2007-won-lost.svg", "2007-points.svg", "2007-offense.svg", "seasons.csv",
                           "team_records.csv", "individual_records.csv", "careers.csv"})
    EXPECT_TRUE(fs::is_regular_file(folder / file)) << file;
  const auto* viewer = app.forms().find<frmViewReport>();
  ASSERT_NE(viewer, nullptr);
  EXPECT_EQ(viewer->shownFile(), folder / "2007.htm");
  EXPECT_EQ(viewer->lblRepTitle->text(), "Records Book: 2007.htm");
  // The style sheet of the reports folder, one up from the page, and the chart beside the page.
  EXPECT_TRUE(viewer->WB1->document()->defaultStyleSheet().contains(".head_title"));
  const QVariant chart = viewer->WB1->document()->resource(QTextDocument::ImageResource, QUrl("2007-points.svg"));
  EXPECT_FALSE(chart.value<QImage>().isNull() && chart.value<QPixmap>().isNull());
  // Printed, the charts are drawn as vectors: the PDF holds no picture at all (a copy of the
  // page that could not find them printed a small placeholder picture for each).
  const fs::path pdf = root.dir() / "book.pdf";
  writePdf(*viewer->WB1->document(), QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, {}), pdf);
  const std::string bytes = readBytes(pdf);
  EXPECT_EQ(bytes.find("/Subtype /Image"), std::string::npos);
  EXPECT_NE(bytes.find("/Page"), std::string::npos);
}

}  // namespace
}  // namespace yardmark::test
