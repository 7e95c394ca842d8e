// The report viewer: its command flow over a fake that can fail, the page with its style
// sheet, and printing to PDF.
#include <QPrinter>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextDocument>
#include <QtTest/QTest>

#include "core/files/DataTree.h"
#include "support/ReportFixture.h"
#include "core/report/ReportGenerator.h"
#include "support/ReportsTestKit.h"
#include "gui/reports/frmViewReport.h"
#include "support/GuiFixture.h"

namespace yardmark::test {
namespace {

namespace fs = std::filesystem;

struct Call {
  BrowserCommand command;
  ExecOption option;
  bool operator==(const Call&) const = default;
};

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

// Standard output only: chromium and pdftotext talk on standard error.
std::string run(const std::string& command) { return runCommand(command + " 2>/dev/null").out; }

std::string playerName(int p) { return "Player" + std::to_string(p) + " Last M"; }

// A season written the way Reports > New writes it: 120 games, 60 players.
fs::path writeSeason(const TempRoot& root, int games) {
  std::vector<fs::path> paths;
  for (int g = 0; g < games; ++g) {
    GameRows rows{.header = {headerRow("Eagles", "Opp" + std::to_string(g), 2000 + g / 12, g % 12 + 1, g % 3 != 0)},
                  .quarter = {{7, 0, 3, 0, 0, 7, 0, 0, 3, 14}}};
    for (int p = 0; p < 60; ++p) {
      if ((p + g) % 4 != 0) continue;
      rows.rushing.push_back({3, 12, 0, 0, playerName(p)});
      rows.defense.push_back({1, 1, 0, 0, 0, 0, 0, 0, playerName(p)});
    }
    paths.push_back(makeGame(
        root, "YardMark/games/" + std::to_string(2000 + g / 12) + "/Game" + std::to_string(g % 12 + 1) + ".mdb", rows));
  }
  const ReportOutcome o = ReportGenerator(DataTree(root.dir())).generate(paths, "Season.htm");
  EXPECT_TRUE(o.ok()) << o.message;
  return root.yardmark() / "Reports" / "Season.htm";
}

class ViewReportTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    window->show();
    viewer = &app.forms().show<frmViewReport>();
    auto f = std::make_unique<FakeCommands>();
    fake = f.get();
    viewer->setBrowserCommands(std::move(f));
  }
  void click(QPushButton* b) { QTest::mouseClick(b, Qt::LeftButton); }

  frmViewReport* viewer = nullptr;
  FakeCommands* fake = nullptr;
};

const QString kAskPage = "The Page has not yet been set. Would you stil like to print?";
const QString kWrongCopies = "wrong argument...can not pass string for print copies.";

TEST_F(ViewReportTest, PrintAsksUnlessThePageWasSetSinceTheViewerBecameActive) {
  prompter.answer(Answer::No);
  click(viewer->cmdPrint);
  EXPECT_TRUE(fake->calls.empty());
  prompter.answer(Answer::Yes);
  click(viewer->cmdPrint);
  EXPECT_EQ(fake->calls, (std::vector<Call>{{BrowserCommand::Print, ExecOption::PromptUser}}));
  EXPECT_EQ(prompter.texts(), (QStringList{kAskPage, kAskPage}));
  EXPECT_EQ(prompter.records()[0].buttons, Buttons::YesNo);

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
  const Case cases[] = {{"3", 3, false}, {" 2 ", 2, false}, {"2.5", 3, false}, {"abc", 0, true},
                        {"-1", 0, true}, {"0", 0, true},    {"", 0, true},     {std::nullopt, 0, false}};
  fake->failPrompted = "Permission denied";
  click(viewer->cmdPageSetup);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed.value_or("(cancel)").toStdString());
    fake->calls.clear();
    prompter.clear();
    prompter.type(c.typed);
    if (c.wrong) prompter.answer(Answer::Ok);
    click(viewer->cmdPrint);
    EXPECT_EQ(prompter.texts(), QStringList{"Number of Copies:"} + (c.wrong ? QStringList{kWrongCopies} : QStringList{}));
    EXPECT_EQ(prompter.records().at(0).defaultText, "0");
    std::vector<Call> expected{{BrowserCommand::Print, ExecOption::PromptUser}};
    for (int i = 0; i < c.prints; ++i) expected.push_back({BrowserCommand::Print, ExecOption::DontPromptUser});
    EXPECT_EQ(fake->calls, expected);
  }
}

TEST_F(ViewReportTest, OtherFailuresAndDisabledCommandsAreReported) {
  click(viewer->cmdPageSetup);
  fake->failPrompted = "Out of paper";
  prompter.answer(Answer::Ok).answer(Answer::Ok);
  click(viewer->cmdPrint);
  click(viewer->cmdPrintPreview);
  EXPECT_EQ(prompter.texts(), (QStringList{"Print command Error: Out of paper", "Print command Error: Out of paper"}));

  fake->failPrompted = "permission DENIED";
  fake->calls.clear();
  click(viewer->cmdPrintPreview);
  EXPECT_EQ(fake->calls, (std::vector<Call>{{BrowserCommand::PrintPreview, ExecOption::PromptUser},
                                            {BrowserCommand::PrintPreview, ExecOption::DontPromptUser}}));

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

TEST(Paper, OfTheUsersCountryWithTenMillimetreMargins) {
  const std::pair<QLocale::Territory, QPageSize::PageSizeId> cases[] = {{QLocale::UnitedStates, QPageSize::Letter},
                                                                        {QLocale::Canada, QPageSize::Letter},
                                                                        {QLocale::Germany, QPageSize::A4},
                                                                        {QLocale::UnitedKingdom, QPageSize::A4}};
  for (const auto& [territory, paper] : cases) EXPECT_EQ(paperFor(territory), paper) << territory;
  QTextDocument page;
  QtBrowserCommands commands(&page, nullptr);
  EXPECT_EQ(commands.printer().pageLayout().margins(QPageLayout::Millimeter), QMarginsF(10, 10, 10, 10));
}

class PrintTest : public ShellTest {
 protected:
  // One season of 120 games for the suite: writing it takes a while.
  static void SetUpTestSuite() {
    season = new TempRoot;
    page = writeSeason(*season, 120);
  }
  static void TearDownTestSuite() {
    delete season;
    season = nullptr;
  }
  void SetUp() override {
    ShellTest::SetUp();
    window->show();
    viewer = &app.forms().show<frmViewReport>();
    ASSERT_EQ(viewer->navigate(page), std::nullopt);
  }
  static inline TempRoot* season = nullptr;
  static inline fs::path page;
  frmViewReport* viewer = nullptr;
};

TEST_F(PrintTest, ShowsThePageWithItsStyleSheetAndPrintsEveryPlayerToPdf) {
  QTextDocument* doc = viewer->WB1->document();
  EXPECT_TRUE(doc->defaultStyleSheet().contains(".head_title"));
  EXPECT_TRUE(doc->toPlainText().contains("TOTAL TEAM STATS") || doc->toPlainText().contains("Player0 Last M"));

  const fs::path pdf = root.dir() / "season.pdf";  // below this test's own root
  auto& commands = static_cast<QtBrowserCommands&>(viewer->browserCommands());
  commands.printer().setOutputFormat(QPrinter::PdfFormat);
  commands.printer().setOutputFileName(QString::fromStdString(pdf.string()));
  commands.exec(BrowserCommand::Print, ExecOption::DontPromptUser);
  const std::string text = run("pdftotext -layout '" + pdf.string() + "' -");
  ASSERT_FALSE(text.empty()) << "pdftotext (poppler-utils) must be installed";
  EXPECT_EQ(readBytes(pdf).rfind("%PDF", 0), 0u);
  for (int p = 0; p < 60; ++p) EXPECT_NE(text.find(playerName(p)), std::string::npos) << playerName(p);
}

}  // namespace
}  // namespace yardmark::test
