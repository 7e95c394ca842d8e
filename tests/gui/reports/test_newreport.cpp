// Reports > New: the name box's key rule and the checks before the games are chosen.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest/QTest>

#include "gui/reports/DialogNewReport.h"
#include "gui/reports/frmNewReport.h"
#include "gui/shell/KeyFilter.h"
#include "support/GuiFixture.h"

namespace yardmark::test {
namespace {

class NewReportTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    window->show();
    dialog = &app.forms().show<DialogNewReport>();
  }
  void existing(const std::string& name) { root.writeFile("YardMark/Reports/" + name, "<html></html>"); }

  DialogNewReport* dialog = nullptr;
};

TEST(ReportNameKey, TakesNothingMoreAtTwentyCharactersBackspaceIncluded) {
  EXPECT_EQ(reportNameKey('a', 0), 'a');
  EXPECT_EQ(reportNameKey('7', 19), '7');
  EXPECT_EQ(reportNameKey(kBackspace, 19), kBackspace);
  EXPECT_EQ(reportNameKey('a', 20), 0);
  EXPECT_EQ(reportNameKey(kBackspace, 20), 0);
  EXPECT_EQ(reportNameKey(kEnter, 20), 0);
}

TEST_F(NewReportTest, TheNameBoxStopsAtTwentyCharactersAndOnlyDeleteShortensIt) {
  QLineEdit* box = dialog->txtReportName;
  QTest::keyClicks(box, "2007_Season_Games_All.htm");
  EXPECT_EQ(box->text(), "2007_Season_Games_Al");
  QTest::keyClick(box, Qt::Key_Backspace);
  EXPECT_EQ(box->text(), "2007_Season_Games_Al");
  box->setCursorPosition(0);
  QTest::keyClick(box, Qt::Key_Delete);
  EXPECT_EQ(box->text(), "007_Season_Games_Al");
  QTest::keyClick(box, Qt::Key_Backspace);  // at the start: nothing to remove, but the key is taken
  QTest::keyClick(box, Qt::Key_End);
  QTest::keyClick(box, Qt::Key_Backspace);
  EXPECT_EQ(box->text(), "007_Season_Games_A");
  box->selectAll();
  QTest::keyClick(box, Qt::Key_Delete);
  EXPECT_EQ(box->text(), "");
}

TEST_F(NewReportTest, LabelsNameTheirBoxesAndListTheExistingReports) {
  existing("2006_GM1.htm");
  existing("Old.html");
  existing("notes.txt");
  dialog->unload();
  dialog = &app.forms().show<DialogNewReport>();
  EXPECT_EQ(dialog->windowTitle(), "New Report");
  EXPECT_EQ(dialog->Label1->buddy(), dialog->txtReportName);
  EXPECT_EQ(dialog->Label2->buddy(), dialog->File1);
  EXPECT_EQ(dialog->Label3->text(), "EX:  2007_GM1.htm");
  EXPECT_EQ(dialog->lable1->text(), "Be sure not to ovewrite existing files");
  EXPECT_EQ(dialog->OKButton->text(), "OK");
  EXPECT_EQ(dialog->CancelButton->text(), "Cancel");
  ASSERT_EQ(dialog->File1->count(), 2);
  EXPECT_EQ(dialog->File1->item(0)->text(), "2006_GM1.htm");
  EXPECT_EQ(dialog->File1->item(1)->text(), "Old.html");
}

struct NamingCase {
  const char* typed;
  std::vector<std::string> existing;
  std::vector<Answer> answers;  // to the overwrite questions, in order
  std::vector<QString> messages;
  bool accepted;
};

TEST_F(NewReportTest, ChecksTheNameInOrderAndAsksBeforeOverwriting) {
  const QString ask = "Report of this name exists.  Do you want to overwrite";
  const QString ext = "Extension of the file should be .html or .htm";
  const NamingCase cases[] = {
      {"", {}, {}, {"Please name the report"}, false},
      {"   ", {}, {}, {ext}, false},
      {".htm", {}, {}, {"File without name"}, false},
      {".html", {}, {}, {"File without name"}, false},
      {"x.htm", {}, {}, {}, true},
      {"x.html", {}, {}, {}, true},
      {"Week1.HTM", {}, {}, {ext}, false},
      {"notes.shtml", {}, {}, {ext}, false},  // its last five characters are not ".html"
      {"../up.htm", {}, {}, {"A report name may not contain any of the characters \\ / : * ? \" < > |"}, false},
      {"a:b.htm", {}, {}, {"A report name may not contain any of the characters \\ / : * ? \" < > |"}, false},
      {"2007_GM1.htm", {"2007_GM1.htm"}, {Answer::No}, {ask}, false},
      {"2007_GM1.htm", {"2007_GM1.htm"}, {Answer::Yes}, {ask}, true},
      {"2007_gm1.htm", {"2007_GM1.htm"}, {}, {}, true},  // the stored name differs in letter case
      {"Season.htm", {"Season.html"}, {Answer::No}, {ask}, false},
      {"Season.html", {"Season.htm"}, {}, {}, true},
      {"Both.htm", {"Both.htm", "Both.html"}, {Answer::Yes, Answer::Yes}, {ask, ask}, true},
      {"Both.htm", {"Both.htm", "Both.html"}, {Answer::Yes, Answer::No}, {ask, ask}, false},
  };
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
    for (const auto& r : prompter.records()) {
      EXPECT_EQ(r.title, "YardMark");
      EXPECT_EQ(r.icon, Icon::None);
      EXPECT_EQ(r.buttons, r.text == ask ? Buttons::YesNo : Buttons::Ok);
    }
    EXPECT_EQ(a.forms().find<DialogNewReport>() == nullptr, c.accepted);
    EXPECT_EQ(a.forms().find<frmNewReport>() != nullptr, c.accepted);
    EXPECT_EQ(a.vars().currentReportName, c.accepted ? QString(c.typed) : QString());
    if (!c.accepted) {
      EXPECT_EQ(d.txtReportName->text(), c.typed);
    }
    for (const auto& f : c.existing) EXPECT_EQ(readBytes(fresh.dir() / "YardMark/Reports" / f), "old");
  }
}

TEST_F(NewReportTest, CancelClosesAndKeepsTheReportName) {
  app.vars().currentReportName = "Earlier.htm";
  QTest::keyClicks(dialog->txtReportName, "New.htm");
  QTest::mouseClick(dialog->CancelButton, Qt::LeftButton);
  EXPECT_EQ(app.forms().find<DialogNewReport>(), nullptr);
  EXPECT_EQ(app.forms().find<frmNewReport>(), nullptr);
  EXPECT_EQ(app.vars().currentReportName, "Earlier.htm");
}

}  // namespace
}  // namespace yardmark::test
