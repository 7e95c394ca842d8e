// Reports > New: the name box's key rule and the checks before the games are chosen.

#include "gui/reports/DialogNewReport.h"
#include "gui/reports/frmNewReport.h"
#include "support/ReportsTestKit.h"

namespace yardmark::test {
namespace {

// The name box takes nothing more at twenty characters, Backspace included.
TEST_F(ShownShellTest, NewReportBoxStopsAtTwentyListsTheReportsAndCancelKeepsTheName) {
  for (const char* name : {"2006_GM1.htm", "Old.html", "notes.txt"})
    root.writeFile("YardMark/Reports/" + std::string(name), "x");
  auto& d = app.forms().show<DialogNewReport>();
  EXPECT_EQ(itemTexts(d.File1), (QStringList{"2006_GM1.htm", "Old.html"}));
  EXPECT_TRUE(d.OKButton->isDefault());

  QLineEdit* box = d.txtReportName;
  QTest::keyClicks(box, "2007_Season_Games_All.htm");
  EXPECT_EQ(box->text(), "2007_Season_Games_Al");
  QTest::keyClick(box, Qt::Key_Backspace);
  EXPECT_EQ(box->text(), "2007_Season_Games_Al");
  // Characters are counted, not UTF-16 units: nineteen emoji leave room for one more character.
  box->setText(QString::fromUtf8("\U0001F3C8").repeated(19));
  QTest::keyClicks(box, "xy");
  EXPECT_EQ(box->text(), QString::fromUtf8("\U0001F3C8").repeated(19) + "x");

  app.vars().currentReportName = "Earlier.htm";
  QTest::mouseClick(d.CancelButton, Qt::LeftButton);
  EXPECT_EQ(app.forms().find<DialogNewReport>(), nullptr);
  EXPECT_EQ(app.vars().currentReportName, "Earlier.htm");
}

struct NamingCase {
  const char* typed;
  std::vector<std::string> existing;
  std::vector<Answer> answers;  // to the overwrite questions, in order
  std::vector<QString> messages;
  bool accepted;
};

TEST(NewReport, ChecksTheNameInOrderAndAsksBeforeOverwriting) {
  const QString ask = "Report of this name exists.  Do you want to overwrite";
  const QString ext = "Extension of the file should be .html or .htm";
  const QString chars = "A report name may not contain any of the characters \\ / : * ? \" < > |";
  const NamingCase cases[] = {
      {"", {}, {}, {"Please name the report"}, false},
      {"   ", {}, {}, {ext}, false},
      {".htm", {}, {}, {"File without name"}, false},
      {"x.html", {}, {}, {}, true},
      {"Week1.HTM", {}, {}, {ext}, false},
      {"notes.shtml", {}, {}, {ext}, false},  // its last five characters are not ".html"
      {"../up.htm", {}, {}, {chars}, false},
      {".Season.htm", {}, {}, {"A report name may not start with a dot, since the report would be hidden"}, false},
      {"2007_GM1.htm", {"2007_GM1.htm"}, {Answer::No}, {ask}, false},
      {"2007_gm1.htm", {"2007_GM1.htm"}, {}, {}, true},  // the stored name differs in letter case
      {"Season.html", {"Season.htm"}, {}, {}, true},
      {"Both.htm", {"Both.htm", "Both.html"}, {Answer::Yes, Answer::Yes}, {ask, ask}, true},
      {"Both.htm", {"Both.htm", "Both.html"}, {Answer::Yes, Answer::No}, {ask, ask}, false},
  };
  ScriptedPrompter prompter;
  for (const NamingCase& c : cases) {
    SCOPED_TRACE(std::string("name '") + c.typed + "'");
    TempRoot fresh;
    App a(fresh.dir(), prompter);
    MDIForm1 w(a);
    w.show();
    for (const auto& f : c.existing) fresh.writeFile("YardMark/Reports/" + f, "old");
    auto& d = a.forms().show<DialogNewReport>();
    prompter.clear();
    for (Answer ans : c.answers) prompter.answer(ans);
    for (size_t i = c.answers.size(); i < c.messages.size(); ++i) prompter.answer(Answer::Ok);
    d.txtReportName->setText(c.typed);
    QTest::mouseClick(d.OKButton, Qt::LeftButton);
    EXPECT_EQ(prompter.texts(), QStringList(c.messages.begin(), c.messages.end()));
    for (const auto& r : prompter.records()) EXPECT_EQ(r.buttons, r.text == ask ? Buttons::YesNo : Buttons::Ok);
    EXPECT_EQ(a.forms().find<frmNewReport>() != nullptr, c.accepted);
    EXPECT_EQ(a.vars().currentReportName, c.accepted ? QString(c.typed) : QString());
    if (!c.accepted) {
      EXPECT_EQ(d.txtReportName->text(), c.typed);
    }
    for (const auto& f : c.existing) EXPECT_EQ(readBytes(fresh.dir() / "YardMark/Reports" / f), "old");
  }
}

}  // namespace
}  // namespace yardmark::test
