// The Reports menu. New: the name box's key rule and the checks before the games are chosen; the
// games of a report: year folders, moving games between the lists, and "Generate Reports" to the
// report file. View and Delete: the reports folder's pages, opened in the viewer or deleted after
// a question. Records Book...: the name asked for, the book written off the GUI thread and shown
// in the viewer with its charts drawn.
#include <QImageReader>
#include <QPageLayout>
#include <QTextDocument>
#include <QTextFrame>
#include <QUrl>

#include "gui/reports/BrowserCommands.h"
#include "gui/reports/DialogDeleteReport.h"
#include "gui/reports/DialogNewReport.h"
#include "gui/reports/DialogOpenReport.h"
#include "gui/reports/PrintLayout.h"
#include "gui/reports/frmNewReport.h"
#include "gui/reports/frmViewReport.h"
#include "support/GameFiles.h"
#include "support/ReportsTestKit.h"

namespace yardmark::test {
namespace {

// The name box takes nothing more at twenty characters, Backspace included.
TEST_F(ShownShellTest, NewReportBoxStopsAtTwentyListsTheReportsAndCancelKeepsTheName) {
  for (const char* name : {"2006_GM1.htm", "Old.html", "notes.txt"})
    root.writeFile("YardMark/Reports/" + std::string(name), "x");
  auto& d = app.forms().show<DialogNewReport>();
  EXPECT_EQ(itemTexts(d.File1), (QStringList{"2006_GM1.htm", "Old.html"}));

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
    EXPECT_TRUE(c.accepted || d.txtReportName->text() == c.typed) << "a refused name stays in the box";
    for (const auto& f : c.existing) EXPECT_EQ(readBytes(fresh.dir() / "YardMark/Reports" / f), "old");
  }
}

namespace fs = std::filesystem;

class SelectGamesTest : public ShownShellTest {
 protected:
  void SetUp() override {
    ShownShellTest::SetUp();
    for (const char* f : {"2006/Game1.mdb", "2006/Game2.mdb", "2007/Game1.mdb", "2007/Game2.mdb"})
      writeGame(root, std::string("YardMark/games/") + f, Result::Won);
    writeGame(root, "YardMark/games/2007/Game10.mdb", Result::Lost);
    fs::create_directories(root.games() / "2008");
    root.writeFile("YardMark/games/2007/notes.txt", "not a game");
  }
  // From the menu, as the coach does it: name the report, choose every 2007 game.
  frmNewReport& chooseGames() {
    window->mrNew->trigger();
    auto* dialog = app.forms().find<DialogNewReport>();
    EXPECT_NE(dialog, nullptr);
    QTest::keyClicks(dialog->txtReportName, "2007_GM1.htm");
    click(dialog->OKButton);
    auto* form = app.forms().find<frmNewReport>();
    EXPECT_NE(form, nullptr);
    pick(form->Dir1, "2007");
    click(form->cmdAddAll);
    return *form;
  }
  fs::path report() const { return root.yardmark() / "Reports" / "2007_GM1.htm"; }
  fs::path tmp() const { return root.databases() / "tmpDB.mdb"; }
};

TEST_F(SelectGamesTest, MovesGamesOfTwoYearsIntoOneSortedListByMouseAndKeys) {
  app.vars().currentReportName = "2007_GM1.htm";
  frmNewReport* form = &app.forms().show<frmNewReport>();
  pick(form->Dir1, "2007");
  // Ordered as the game dialogs list the same folder: Game2 before Game10.
  EXPECT_EQ(itemTexts(form->File1), (QStringList{"Game1.mdb", "Game2.mdb", "Game10.mdb"}));
  pick(form->File1, "Game10.mdb");
  pick(form->File1, "Game2.mdb");
  click(form->cmdAddDatabase);
  EXPECT_EQ(itemTexts(form->File1), QStringList{"Game1.mdb"});
  pick(form->Dir1, "2006");
  click(form->cmdAddAll);
  expectReference(formState(form, root.dir()), "reports/games_chosen.txt");
  // Keyboard: the arrow moves to the next year, whose files follow, less the chosen ones.
  form->Dir1->setFocus();
  QTest::keyClick(form->Dir1, Qt::Key_Down);
  EXPECT_EQ(itemTexts(form->File1), QStringList{"Game1.mdb"});
  click(form->cmdRemoveAll);
  EXPECT_TRUE(itemTexts(form->listDatabase).isEmpty());
  EXPECT_EQ(itemTexts(form->File1), (QStringList{"Game1.mdb", "Game2.mdb", "Game10.mdb"}));

  // Moves with nothing to move, each told once; the form stays.
  prompter.answer(Answer::Ok).answer(Answer::Ok).answer(Answer::Ok).answer(Answer::Ok);
  click(form->cmdRemoveDatabase);
  click(form->cmdGenerateReports);
  pick(form->Dir1, "2008");
  click(form->cmdAddAll);
  click(form->cmdAddDatabase);
  EXPECT_EQ(prompter.texts(), (QStringList{"Please select database to be removed from Selected Database list",
                                           "Please select one/more databases in order to generate reports.",
                                           "No more database can be selected.", "Please select folder and database"}));
  EXPECT_NE(app.forms().find<frmNewReport>(), nullptr);
}

TEST_F(SelectGamesTest, WritesTheSameReportAsTheReportCommandAndClosesTheForm) {
  frmNewReport& form = chooseGames();
  TempRoot other;
  std::vector<std::string> args = {"--root", other.dir().string(), "2007_GM1.htm"};
  for (QString chosen : form.chosenGames()) args.push_back(chosen.replace('\\', '/').toStdString());
  root.writeFile("YardMark/Reports/2007_GM1.htm", "an old report");  // replaced without a question
  prompter.answer(Answer::Ok);
  click(form.cmdGenerateReports);
  EXPECT_EQ(prompter.texts(), QStringList{"Report has successfully been created named 2007_GM1.htm"});
  EXPECT_EQ(app.forms().find<frmNewReport>(), nullptr);
  EXPECT_NE(app.forms().find<DialogOpenReport>(), nullptr);  // to view the new report
  EXPECT_EQ(totalRows(tmp()), 0);
  const std::string written = readBytes(report());
  EXPECT_NE(written.find("TOTAL TEAM STATS"), std::string::npos);

  const ProgramRun r = runIn(root.games(), YARDMARK_REPORT_EXE, args);  // the game paths as the form holds them
  ASSERT_EQ(r.exit, 0) << r.err;
  EXPECT_EQ(readBytes(other.yardmark() / "Reports" / "2007_GM1.htm"), written);
}

// A written report is a success; its trouble is told after it.
TEST_F(SelectGamesTest, AWrittenReportIsASuccessThenItsTroubleIsTold) {
  // A file where the detail pages' folder goes, then a temporary database that keeps its rows.
  const fs::path detail = root.yardmark() / "Reports" / "detail";
  fs::remove_all(detail);
  root.writeFile("YardMark/Reports/detail", "not a folder");
  for (const char* trouble : {"not its detail page", "the temporary database could not be emptied"}) {
    if (fs::is_regular_file(report())) {
      fs::remove(report());
      fs::remove(detail);
      refuseHeaderDeletes(tmp());
    }
    prompter.clear().answer(Answer::Ok).answer(Answer::Ok);
    click(chooseGames().cmdGenerateReports);
    ASSERT_EQ(prompter.records().size(), 2u) << trouble;
    EXPECT_EQ(prompter.records()[0].text, "Report has successfully been created named 2007_GM1.htm");
    EXPECT_TRUE(prompter.records()[1].text.startsWith(QString("The report 2007_GM1.htm was written, but ") + trouble))
        << prompter.records()[1].text.toStdString();
    EXPECT_EQ(prompter.records()[1].icon, Icon::Exclamation);
  }
  EXPECT_TRUE(fs::is_regular_file(report()));
  EXPECT_NE(app.forms().find<DialogOpenReport>(), nullptr);
  EXPECT_EQ(rowCount(tmp(), "header"), 3);
}

// A failure is told with its reason (the reasons are the generator's own); the form stays
// with its choice, so the coach can try again.
TEST_F(SelectGamesTest, AFailureIsNeverReportedAsSuccess) {
  const fs::path reports = root.yardmark() / "Reports";
  frmNewReport& form = chooseGames();
  // A chosen game that is no database is told by its name.
  const fs::path game = root.games() / "2007" / "Game2.mdb", kept = root.dir() / "Game2.mdb";
  fs::rename(game, kept);
  root.writeFile("YardMark/games/2007/Game2.mdb", "not a database");
  prompter.answer(Answer::Ok);
  click(form.cmdGenerateReports);
  EXPECT_TRUE(prompter.texts().value(0).contains("Game2.mdb")) << prompter.texts().value(0).toStdString();
  EXPECT_FALSE(fs::exists(report()));
  fs::remove(game);
  fs::rename(kept, game);
  prompter.clear();

  fs::rename(reports, root.yardmark() / "Elsewhere");
  prompter.answer(Answer::Ok);
  click(form.cmdGenerateReports);
  ASSERT_EQ(prompter.records().size(), 1u);
  EXPECT_EQ(prompter.records()[0].text, "Info");
  EXPECT_EQ(prompter.records()[0].title, QString::fromStdString("Folder does not exist: " + (reports / "").string()));
  EXPECT_EQ(std::tuple(app.forms().find<frmNewReport>(), form.listDatabase->count(), totalRows(tmp())),
            std::tuple(&form, 3, 0));
  EXPECT_EQ(app.forms().find<DialogOpenReport>(), nullptr);
}

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
  expectReference(formState(viewer, root.dir()), "reports/viewer.txt");
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
  EXPECT_EQ(std::tuple(app.forms().find<frmViewReport>(), fs::exists(reports() / odd)), std::tuple(nullptr, false));
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
  // On short sheets, a table that would be cut starts the next sheet, with the bold lines above it.
  std::unique_ptr<QTextDocument> sheets(viewer->WB1->document()->clone());
  sheets->setTextWidth(800);
  sheets->setPageSize(QSizeF(800, 500));
  keepTablesWhole(*sheets);
  std::string breaks = "sheets: " + std::to_string(sheets->pageCount()) + "\n";
  const auto before = [](const QTextFormat& f) -> bool {
    return f.intProperty(f.PageBreakPolicy) & f.PageBreak_AlwaysBefore;
  };
  for (const QTextFrame* table : sheets->rootFrame()->childFrames())
    if (before(table->frameFormat())) breaks += "table at " + std::to_string(table->firstPosition()) + "\n";
  for (QTextBlock b = sheets->begin(); b.isValid(); b = b.next())
    if (before(b.blockFormat())) breaks += b.text().toStdString() + "\n";
  expectReference(breaks, "records/breaks.txt");
}

}  // namespace
}  // namespace yardmark::test
