// The report viewer: its print commands' flow over a fake that can fail, and the paper; then on a
// season generated as Reports > New generates it: the season detail toggle, the PDF and CSV
// exports, the sheets it prints on, and its words at any width.
#include <QAbstractTextDocumentLayout>
#include <QPrinter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <tuple>

#include "core/page/CsvExport.h"
#include "core/report/ReportGenerator.h"
#include "gui/reports/frmViewReport.h"
#include "support/ReportFixture.h"
#include "support/ReportsTestKit.h"

namespace yardmark::test {
namespace {

using Call = std::pair<BrowserCommand, ExecOption>;

class FakeCommands : public BrowserCommands {
 public:
  int status = kCommandEnabled;
  QString failPrompted;  // the error of a command run with its dialog; empty: none
  std::vector<Call> calls;
  int queryStatus(BrowserCommand) override { return status; }
  void exec(BrowserCommand command, ExecOption option) override {
    calls.push_back({command, option});
    if (option == ExecOption::PromptUser && command != BrowserCommand::PageSetup && !failPrompted.isEmpty())
      throw BrowserError{failPrompted};
  }
};
class ViewReportTest : public ShownShellTest {
 protected:
  void SetUp() override {
    ShownShellTest::SetUp();
    viewer = &app.forms().show<frmViewReport>();
    auto f = std::make_unique<FakeCommands>();
    fake = f.get();
    viewer->setBrowserCommands(std::move(f));
  }

  frmViewReport* viewer = nullptr;
  FakeCommands* fake = nullptr;
};

const QString kAskPage = "The Page has not yet been set. Would you stil like to print?";
const QString kWrongCopies = "wrong argument...can not pass string for print copies.";

TEST_F(ViewReportTest, PrintAsksUnlessThePageWasSetSinceTheViewerBecameActive) {
  EXPECT_EQ(viewer->cmdPrint->shortcut().toString(), "Ctrl+P");
  prompter.answer(Answer::No);
  click(viewer->cmdPrint);
  EXPECT_TRUE(fake->calls.empty());
  click(viewer->cmdPageSetup);
  click(viewer->cmdPrint);
  EXPECT_EQ(fake->calls, (std::vector<Call>{{BrowserCommand::PageSetup, ExecOption::PromptUser},
                                            {BrowserCommand::Print, ExecOption::PromptUser}}));
  // Away to another form and back: the page question comes again.
  app.forms().show<FormA>();
  app.forms().showForm(*viewer);
  prompter.answer(Answer::No);
  click(viewer->cmdPrint);
  EXPECT_EQ(prompter.texts(), (QStringList{kAskPage, kAskPage}));
}

TEST_F(ViewReportTest, PermissionDeniedAsksForCopiesAndPrintsThemWithoutADialog) {
  struct Case {
    std::optional<QString> typed;
    int prints;
    bool wrong;
  };
  const Case cases[] = {
      {" 2 ", 2, false}, {"2.5", 3, false}, {"abc", 0, true}, {"0", 0, true}, {std::nullopt, 0, false}};
  fake->failPrompted = "Permission denied";
  click(viewer->cmdPageSetup);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed.value_or("(cancel)").toStdString());
    fake->calls.clear();
    prompter.clear();
    prompter.type(c.typed);
    if (c.wrong) prompter.answer(Answer::Ok);
    click(viewer->cmdPrint);
    const QStringList told = c.wrong ? QStringList{kWrongCopies} : QStringList{};
    EXPECT_EQ(prompter.texts(), QStringList{"Number of Copies:"} + told);
    std::vector<Call> expected{{BrowserCommand::Print, ExecOption::PromptUser}};
    for (int i = 0; i < c.prints; ++i) expected.push_back({BrowserCommand::Print, ExecOption::DontPromptUser});
    EXPECT_EQ(fake->calls, expected);
  }
}

TEST_F(ViewReportTest, OtherFailuresAndDisabledCommandsAreReported) {
  click(viewer->cmdPageSetup);
  fake->failPrompted = "Out of paper";
  prompter.answer(Answer::Ok).answer(Answer::Ok);
  click(viewer->cmdPrintPreview);
  click(viewer->cmdPrint);
  EXPECT_EQ(prompter.texts(), QStringList(2, "Print command Error: Out of paper"));
  // Permission denied, in any letter case: the preview comes again without its dialog.
  fake->failPrompted = "permission DENIED";
  click(viewer->cmdPrintPreview);
  EXPECT_EQ(fake->calls.back(), (Call{BrowserCommand::PrintPreview, ExecOption::DontPromptUser}));

  fake->status = 0;
  fake->calls.clear();
  prompter.clear().answer(Answer::Ok).answer(Answer::Ok).answer(Answer::Ok);
  click(viewer->cmdPageSetup);
  click(viewer->cmdPrint);
  click(viewer->cmdPrintPreview);
  EXPECT_EQ(prompter.texts(), QStringList(3, "The Print command is currently disabled."));
  EXPECT_TRUE(fake->calls.empty());
}

TEST(Paper, OfTheUsersCountryAndLetterWhenTheLocaleNamesNone) {
  const std::pair<QLocale::Territory, QPageSize::PageSizeId> cases[] = {{QLocale::UnitedStates, QPageSize::Letter},
                                                                        {QLocale::Canada, QPageSize::Letter},
                                                                        {QLocale::Mexico, QPageSize::Letter},
                                                                        {QLocale::Germany, QPageSize::A4},
                                                                        {QLocale::c().territory(), QPageSize::Letter}};
  for (const auto& [territory, paper] : cases) EXPECT_EQ(paperFor(territory), paper) << territory;
}

namespace fs = std::filesystem;

constexpr int kPlayers = 25;
std::string playerName(int p) { return "Player" + std::to_string(p) + " Last"; }

// Players who each rush and score in two games: their season shown in the viewer,
// and the same season written without its detail page.
class DetailViewTest : public ShownShellTest {
 protected:
  void SetUp() override {
    ShownShellTest::SetUp();
    std::vector<fs::path> games;
    for (int g = 1; g <= 2; ++g) {
      GameRows rows{.header = {headerRow("Eagles", "Hawks" + std::to_string(g), 2007, g, g == 1)}};
      for (int p = 0; p < kPlayers; ++p) {
        rows.rushing.push_back({3, 12 + p, 0, 0, playerName(p)});
        rows.scoring.push_back({1, 0, 0, 0, 6, playerName(p)});
      }
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
  EXPECT_NE(text.find(playerName(kPlayers - 1)), std::string::npos);
  QTest::mouseClick(viewer->cmdSeasonDetail, Qt::LeftButton);  // and back to the report itself
  EXPECT_TRUE(shownText().contains("TOTAL TEAM STATS") && !shownText().contains("Season Detail"));
  fs::remove(reports() / "detail" / "Season.htm");  // gone since the report was shown
  prompter.answer(Answer::Ok);
  QTest::mouseClick(viewer->cmdSeasonDetail, Qt::LeftButton);
  EXPECT_TRUE(prompter.texts().value(0).startsWith("Cannot show the page '"))
      << prompter.texts().value(0).toStdString();
  EXPECT_FALSE(viewer->cmdSeasonDetail->isChecked());
  prompter.clear();

  target = root.dir() / "missing" / "out.pdf";
  prompter.answer(Answer::Ok);
  QTest::mouseClick(viewer->cmdExportPdf, Qt::LeftButton);
  EXPECT_EQ(prompter.texts(), QStringList{"Cannot write the PDF file '" + QString::fromStdString(target.string()) +
                                          "': No such file or directory."});
  EXPECT_FALSE(fs::exists(target.parent_path()));
}

TEST_F(DetailViewTest, ExportCsvWritesTheSetInItsOwnFolderAndAsksBeforeReplacingIt) {
  const fs::path folder = root.dir() / "csv" / "Season";
  QString picked;  // Cancel first: nothing asked, nothing written
  viewer->fileDialogs.csvFolder = [&] {
    return std::exchange(picked, QString::fromStdString(folder.parent_path().string()));
  };
  root.writeFile("csv/Season/results.csv", "kept");
  root.writeFile("csv/Season/team.csv", "kept");
  QTest::mouseClick(viewer->cmdExportCsv, Qt::LeftButton);
  prompter.answer(Answer::No);
  QTest::mouseClick(viewer->cmdExportCsv, Qt::LeftButton);
  EXPECT_TRUE(prompter.texts().at(0).contains("already holds results.csv, team.csv"));
  EXPECT_EQ(prompter.records().at(0).buttons, Buttons::YesNo);
  EXPECT_EQ(readBytes(folder / "results.csv"), "kept");
  prompter.answer(Answer::Yes).answer(Answer::Ok);
  QTest::mouseClick(viewer->cmdExportCsv, Qt::LeftButton);
  for (const std::string& name : csvFileNames()) EXPECT_TRUE(fs::is_regular_file(folder / name)) << name;
  EXPECT_NE(readBytes(folder / "results.csv").find("Hawks2"), std::string::npos);
  const fs::path game = root.games() / "2007" / "Game2.mdb";
  root.writeFile("YardMark/games/2007/Game2.mdb", "not a game");
  prompter.clear().answer(Answer::Yes).answer(Answer::Ok);
  QTest::mouseClick(viewer->cmdExportCsv, Qt::LeftButton);
  EXPECT_TRUE(
      prompter.texts().value(1).startsWith("Cannot use the game file '" + QString::fromStdString(game.string())))
      << prompter.texts().value(1).toStdString();

  // A games list of another run beside the page: shown as a report without a detail page.
  root.writeFile("YardMark/Reports/detail/Season.htm.games", "#run other\n");
  ASSERT_EQ(viewer->navigate(reports() / "Season.htm"), std::nullopt);
  expectReference(formState(viewer, root.dir()), "reports/viewer_other_run.txt");
  // An older report has no detail page, nor the games to export.
  ASSERT_EQ(viewer->navigate(reports() / "Old.htm"), std::nullopt);
  expectReference(formState(viewer, root.dir()), "reports/viewer_old.txt");
}

TEST_F(DetailViewTest, PrintingKeepsAHeadingWithItsTableAndATableThatFitsOnOneSheet) {
  // Each sheet's text of the page shown, printed on Letter through the viewer's own commands.
  const auto printedSheets = [&] {
    const fs::path pdf = root.dir() / "printed.pdf";
    QPrinter& printer = static_cast<QtBrowserCommands&>(viewer->browserCommands()).printer();
    printer.setOutputFileName(QString::fromStdString(pdf.string()));
    printer.setPageSize(QPageSize(QPageSize::Letter));
    viewer->browserCommands().exec(BrowserCommand::Print, ExecOption::DontPromptUser);
    // One run over the whole file: its sheets end in form feeds.
    const ProgramRun run = runIn(root.dir(), "pdftotext", {"-layout", pdf.string(), "-"});
    EXPECT_EQ(run.exit, 0);
    std::vector<std::string> sheets;
    for (std::size_t at = 0, end; (end = run.out.find('\f', at)) != std::string::npos; at = end + 1)
      sheets.push_back(run.out.substr(at, end - at));
    return sheets;
  };
  // A heading, and what must follow it on its sheet: the start of its table, or all of it.
  std::vector<std::tuple<bool, std::string, std::vector<std::string>>> cases = {
      {false, "INDIVIDUAL RUSHING", {"PLAYER NAME", playerName(0), playerName(kPlayers - 1)}},
      {false, "INDIVIDUAL SCORING", {"PLAYER NAME", playerName(0), playerName(kPlayers - 1)}},
      {true, "PLAYER GAME LOGS", {"Player0 Last (2 games)"}}};
  for (int p = 0; p < kPlayers; ++p) cases.push_back({true, playerName(p) + " (2 games)", {"Total"}});
  std::vector<std::string> printed[2] = {printedSheets(), {}};
  QTest::mouseClick(viewer->cmdSeasonDetail, Qt::LeftButton);
  printed[1] = printedSheets();
  for (const auto& [detail, heading, following] : cases) {
    const auto& sheets = printed[detail];
    const auto sheet = std::find_if(sheets.begin(), sheets.end(),
                                    [&](const std::string& s) { return s.find(heading) != std::string::npos; });
    ASSERT_NE(sheet, sheets.end()) << heading;
    for (const std::string& text : following)
      EXPECT_NE(sheet->find(text, sheet->find(heading)), std::string::npos)
          << text << " not on the sheet of " << heading;
  }
  const QString nowhere = QString::fromStdString((root.dir() / "missing" / "printed.pdf").string());
  static_cast<QtBrowserCommands&>(viewer->browserCommands()).printer().setOutputFileName(nowhere);
  try {
    viewer->browserCommands().exec(BrowserCommand::Print, ExecOption::DontPromptUser);
    ADD_FAILURE() << "printed into a missing folder";
  } catch (const BrowserError& e) {
    EXPECT_EQ(e.description(), "The report could not be printed to " + nowhere + ".");
  }
}

TEST_F(DetailViewTest, TheViewerSplitsNoWordAtAnyWidthAndLeavesThePageAsWritten) {
  const std::string bytes = readBytes(reports() / "Season.htm");
  for (const int width : {viewer->minimumWidth(), 1060}) {
    app.forms().subWindowOf(*viewer)->resize(width, 700);
    const QTextDocument& document = *viewer->WB1->document();
    document.documentLayout()->documentSize();
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next())
      for (int line = 1; line < b.layout()->lineCount(); ++line) {
        const int at = b.layout()->lineAt(line).textStart();
        EXPECT_FALSE(b.text()[at - 1].isLetterOrNumber() && b.text()[at].isLetterOrNumber())
            << b.text().toStdString() << width;
      }
  }
  EXPECT_EQ(readBytes(reports() / "Season.htm"), bytes);
}

}  // namespace
}  // namespace yardmark::test
