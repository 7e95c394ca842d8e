// The viewer's season detail toggle and its PDF and CSV exports, on a season generated as
// Reports > New generates it.
#include <QPrinter>
#include <QTextDocument>

#include "core/page/CsvExport.h"
#include "core/report/ReportGenerator.h"
#include "gui/reports/frmViewReport.h"
#include "support/ReportFixture.h"
#include "support/ReportsTestKit.h"

namespace yardmark::test {
namespace {

namespace fs = std::filesystem;

std::string playerName(int p) { return "Player" + std::to_string(p) + " Last M"; }

class DetailViewTest : public ShownShellTest {
 protected:
  // A short season whose four games hold, between them, all sixty players of a roster.
  void SetUp() override {
    ShownShellTest::SetUp();
    std::vector<fs::path> games;
    for (int g = 1; g <= 4; ++g) {
      GameRows rows{.header = {headerRow("Eagles", "Hawks" + std::to_string(g), 2007, g, g == 1)}};
      for (int p = g - 1; p < 60; p += 4) rows.rushing.push_back({3, 12, 0, 0, playerName(p)});
      games.push_back(makeGame(root, "YardMark/games/2007/Game" + std::to_string(g) + ".mdb", rows));
    }
    const ReportGenerator generator{DataTree(root.dir())};
    ASSERT_TRUE(generator.generate(games, "Season.htm").ok());
    ASSERT_TRUE(generator.generate(games, "Old.htm", {.detailPage = false}).ok());
    viewer = &app.forms().show<frmViewReport>();
    ASSERT_EQ(viewer->navigate(reports() / "Season.htm"), std::nullopt);
  }
  fs::path reports() const { return root.yardmark() / "Reports"; }
  QString shownText() const { return viewer->WB1->document()->toPlainText(); }
  std::string pdfText(const fs::path& pdf) const {
    return runIn(pdf.parent_path(), "pdftotext", {"-layout", pdf.string(), "-"}).out;
  }
  frmViewReport* viewer = nullptr;
};

// Printing runs through the viewer's real commands to paper (a PDF here): every player is on it.
TEST_F(DetailViewTest, PrintPrintsEveryPlayerAndTheToggleShowsTheDetailPageAndBack) {
  auto& commands = static_cast<QtBrowserCommands&>(viewer->browserCommands());
  const fs::path pdf = root.dir() / "printed.pdf";
  commands.printer().setOutputFormat(QPrinter::PdfFormat);
  commands.printer().setOutputFileName(QString::fromStdString(pdf.string()));
  commands.exec(BrowserCommand::Print, ExecOption::DontPromptUser);
  const std::string printed = pdfText(pdf);
  ASSERT_FALSE(printed.empty()) << "pdftotext (poppler-utils) must be installed";
  for (int p = 0; p < 60; ++p) EXPECT_NE(printed.find(playerName(p)), std::string::npos) << playerName(p);

  QPushButton* toggle = viewer->cmdSeasonDetail;
  QTest::mouseClick(toggle, Qt::LeftButton);
  EXPECT_TRUE(shownText().contains("Season Detail"));
  QTest::mouseClick(toggle, Qt::LeftButton);
  EXPECT_TRUE(shownText().contains("TOTAL TEAM STATS"));
  EXPECT_FALSE(shownText().contains("Season Detail"));
  EXPECT_TRUE(viewer->WB1->document()->defaultStyleSheet().contains(".head_title"));

  // An older report has no detail page, nor the games to export.
  QTest::mouseClick(toggle, Qt::LeftButton);
  ASSERT_EQ(viewer->navigate(reports() / "Old.htm"), std::nullopt);
  EXPECT_FALSE(toggle->isEnabled() || toggle->isChecked() || viewer->cmdExportCsv->isEnabled());
  EXPECT_TRUE(toggle->toolTip().contains("no season detail page"));
  EXPECT_TRUE(shownText().contains("TOTAL TEAM STATS"));
}

TEST_F(DetailViewTest, ExportPdfWritesThePageShownOrSaysWhyNot) {
  QString suggested;
  fs::path target = root.dir() / "out.pdf";
  viewer->fileDialogs.savePdf = [&](const QString& s) {
    return suggested = s, QString::fromStdString(target.string());
  };
  QTest::mouseClick(viewer->cmdSeasonDetail, Qt::LeftButton);
  QTest::mouseClick(viewer->cmdExportPdf, Qt::LeftButton);
  EXPECT_TRUE(suggested.endsWith("/Season.pdf"));
  const std::string text = pdfText(target);
  EXPECT_NE(text.find("Season Detail"), std::string::npos);
  EXPECT_NE(text.find(playerName(59)), std::string::npos);

  target = root.dir() / "missing" / "out.pdf";
  prompter.answer(Answer::Ok);
  QTest::mouseClick(viewer->cmdExportPdf, Qt::LeftButton);
  EXPECT_EQ(prompter.texts(), QStringList{"Cannot write the PDF file '" + QString::fromStdString(target.string()) +
                                          "': No such file or directory."});
  EXPECT_FALSE(fs::exists(target.parent_path()));
}

TEST_F(DetailViewTest, ExportCsvWritesTheSetInItsOwnFolderAndAsksBeforeReplacingIt) {
  const fs::path folder = root.dir() / "csv" / "Season";
  viewer->fileDialogs.csvFolder = [&] { return QString::fromStdString(folder.parent_path().string()); };
  root.writeFile("csv/Season/results.csv", "kept");
  root.writeFile("csv/Season/team.csv", "kept");
  prompter.answer(Answer::No);
  QTest::mouseClick(viewer->cmdExportCsv, Qt::LeftButton);
  EXPECT_TRUE(prompter.texts().at(0).contains("already holds results.csv, team.csv"));
  EXPECT_EQ(prompter.records().at(0).buttons, Buttons::YesNo);
  EXPECT_EQ(readBytes(folder / "results.csv"), "kept");
  prompter.answer(Answer::Yes).answer(Answer::Ok);
  QTest::mouseClick(viewer->cmdExportCsv, Qt::LeftButton);
  for (const std::string& name : csvFileNames()) EXPECT_TRUE(fs::is_regular_file(folder / name)) << name;
  EXPECT_NE(readBytes(folder / "results.csv").find("Hawks4"), std::string::npos);

  // A games list of another run beside the page: shown as a report without a detail page.
  root.writeFile("YardMark/Reports/detail/Season.htm.games", "#run other\n");
  ASSERT_EQ(viewer->navigate(reports() / "Season.htm"), std::nullopt);
  for (QPushButton* button : {viewer->cmdSeasonDetail, viewer->cmdExportCsv}) {
    EXPECT_FALSE(button->isEnabled());
    EXPECT_TRUE(button->toolTip().contains("not written by the same run")) << button->toolTip().toStdString();
  }
}

}  // namespace
}  // namespace yardmark::test
