// The report viewer's print commands: their flow over a fake that can fail, and the paper.

#include "gui/reports/frmViewReport.h"
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
  EXPECT_EQ((QStringList{viewer->cmdPrint->shortcut().toString(), viewer->cmdPrintPreview->toolTip()}),
            (QStringList{"Ctrl+P", "Print Preview (Ctrl+Shift+P)"}));
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

}  // namespace
}  // namespace yardmark::test
