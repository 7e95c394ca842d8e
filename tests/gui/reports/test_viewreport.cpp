// The report viewer's print commands: their flow over a fake that can fail, the paper, and the
// sheets a season prints on.
#include <QAbstractTextDocumentLayout>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <tuple>

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
  EXPECT_EQ(viewer->cmdPrint->shortcut().toString() + viewer->cmdPrintPreview->shortcut().toString(),
            "Ctrl+PCtrl+Shift+P");
  prompter.answer(Answer::No);
  click(viewer->cmdPrint);
  EXPECT_TRUE(fake->calls.empty());
  prompter.answer(Answer::Yes);
  click(viewer->cmdPrint);
  EXPECT_EQ(fake->calls, (std::vector<Call>{{BrowserCommand::Print, ExecOption::PromptUser}}));
  EXPECT_EQ(prompter.texts(), (QStringList{kAskPage, kAskPage}));

  fake->calls.clear();
  prompter.clear();
  click(viewer->cmdPageSetup);
  click(viewer->cmdPrint);
  EXPECT_EQ(fake->calls, (std::vector<Call>{{BrowserCommand::PageSetup, ExecOption::PromptUser},
                                            {BrowserCommand::Print, ExecOption::PromptUser}}));
  EXPECT_TRUE(prompter.records().empty());

  // Away to another form and back: the page question comes again.
  app.forms().show<FormA>();
  app.forms().showForm(*viewer);
  prompter.answer(Answer::No);
  click(viewer->cmdPrint);
  EXPECT_EQ(prompter.texts(), QStringList{kAskPage});
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
  prompter.answer(Answer::Ok);
  click(viewer->cmdPrintPreview);
  EXPECT_EQ(prompter.texts(), QStringList{"Print command Error: Out of paper"});
  // Permission denied, in any letter case: the preview comes again without its dialog.
  fake->failPrompted = "permission DENIED";
  click(viewer->cmdPrintPreview);
  EXPECT_EQ(fake->calls.back(), (Call{BrowserCommand::PrintPreview, ExecOption::DontPromptUser}));

  fake->status = 0;
  fake->calls.clear();
  prompter.clear();
  prompter.answer(Answer::Ok).answer(Answer::Ok).answer(Answer::Ok);
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

// Fifty players who each rush, score and tackle in two games: their season shown in the viewer.
class SeasonViewTest : public ShownShellTest {
 protected:
  void SetUp() override {
    ShownShellTest::SetUp();
    std::vector<fs::path> games;
    for (int g = 1; g <= 2; ++g) {
      GameRows rows{.header = {headerRow("Eagles", "Hawks" + std::to_string(g), 2007, g, g == 1)}};
      for (int p = 0; p < 50; ++p) {
        const std::string name = "Player" + std::to_string(p) + " Last";
        rows.rushing.push_back({3, 12 + p, 0, 0, name});
        rows.scoring.push_back({1, 0, 0, 0, 6, name});
        rows.defense.push_back({2, 1, 0, 0, 0, 0, 0, 0, name});
      }
      games.push_back(makeGame(root, "YardMark/games/2007/Game" + std::to_string(g) + ".mdb", rows));
    }
    ASSERT_TRUE(ReportGenerator{DataTree(root.dir())}.generate(games, "Season.htm").ok());
    viewer = &app.forms().show<frmViewReport>();
    ASSERT_EQ(viewer->navigate(page), std::nullopt);
  }
  const fs::path page = root.yardmark() / "Reports" / "Season.htm";
  frmViewReport* viewer = nullptr;
};

TEST_F(SeasonViewTest, PrintingKeepsAHeadingWithItsTableAndATableThatFitsOnOneSheet) {
  // Each sheet's text of the page shown, printed on Letter through the viewer's own commands.
  const auto printedSheets = [&] {
    const fs::path pdf = root.dir() / "printed.pdf";
    QPrinter& printer = static_cast<QtBrowserCommands&>(viewer->browserCommands()).printer();
    printer.setOutputFileName(QString::fromStdString(pdf.string()));
    printer.setPageSize(QPageSize(QPageSize::Letter));
    viewer->browserCommands().exec(BrowserCommand::Print, ExecOption::DontPromptUser);
    std::vector<std::string> sheets;
    for (std::string n = "1";; n = std::to_string(sheets.size() + 1)) {
      const ProgramRun run = runIn(root.dir(), "pdftotext", {"-f", n, "-l", n, "-layout", pdf.string(), "-"});
      if (run.exit != 0) return sheets;
      sheets.push_back(run.out);
    }
  };
  // A heading, and what must follow it on its sheet: the start of its table, or all of it.
  std::vector<std::tuple<bool, std::string, std::vector<std::string>>> cases = {
      {false, "INDIVIDUAL RUSHING", {"PLAYER NAME", "Player0 Last", "Player49 Last"}},
      {false, "INDIVIDUAL SCORING", {"PLAYER NAME", "Player0 Last", "Player49 Last"}},
      {true, "PLAYER GAME LOGS", {"Player0 Last (2 games)"}}};
  for (int p = 0; p < 50; ++p) cases.push_back({true, "Player" + std::to_string(p) + " Last (2 games)", {"Total"}});
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
}

TEST_F(SeasonViewTest, TheViewerSplitsNoWordAtAnyWidthAndLeavesThePageAsWritten) {
  const std::string bytes = readBytes(page);
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
  EXPECT_EQ(readBytes(page), bytes);
}

}  // namespace
}  // namespace yardmark::test
