// Reports > Records Book...: the name asked for, the book written off the GUI thread and shown in
// the viewer with its charts drawn.
#include <QImageReader>
#include <QPageLayout>
#include <QTextDocument>
#include <QUrl>

#include "gui/reports/BrowserCommands.h"
#include "gui/reports/frmViewReport.h"
#include "support/ReportFixture.h"
#include "support/ReportsTestKit.h"

namespace yardmark::test {
namespace {

namespace fs = std::filesystem;

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
  const fs::path folder = root.yardmark() / "Reports" / "records";
  const struct {
    std::optional<QString> typed;
    QString told;  // empty: nothing told
    bool written;
  } cases[] = {
      {std::nullopt, "", false},
      {"book", "Extension of the file should be .html or .htm", false},
      {"2007.htm", "", true},
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
