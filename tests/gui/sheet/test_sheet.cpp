// The sheet's grids typed into: names off the roster, and the sheet beside the entry form on
// one game, each seeing what the other saved. A whole game copied from the paper sheet with the
// keyboard only, from Ctrl+B to closing the sheet, then read back from the file.
#include <SQLiteCpp/SQLiteCpp.h>

#include <QDate>
#include <iostream>

#include "core/games/Game.h"
#include "core/roster/Roster.h"
#include "gui/sheet/SheetCommands.h"
#include "gui/sheet/SheetView.h"
#include "gui/sheet/frmBoxScore.h"
#include "support/EntryFixture.h"

namespace yardmark::test {
namespace {

// The box-score sheet on a fresh program folder, driven by keys sent where the user's keys go
// (the open completion list, else the focus), each one counted.
class SheetTest : public EntryTest {
 protected:
  void SetUp() override {
    EntryTest::SetUp();
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }
  void seedRoster(const std::vector<PersonName>& people) { importIntoRoster(app.tree(), people); }
  frmBoxScore& openSheet(const std::filesystem::path& game) {
    showInSheet(app, game);
    frmBoxScore* form = app.forms().find<frmBoxScore>();
    EXPECT_NE(form, nullptr);
    return *form;
  }

  // The rushing grid of the sheet on the game, the cursor on its blank row's name.
  SheetView* rushingOf(frmBoxScore& sheet) {
    SheetView* rushing = sheet.view("grdRushing");
    rushing->setFocus();
    rushing->setCurrentIndex(rushing->firstCell(-1));
    return rushing;
  }

  using EntryTest::type;
  static QWidget* target() {
    if (QWidget* popup = QApplication::activePopupWidget()) return popup;
    return QApplication::focusWidget();
  }
  void type(const QString& text) {
    for (const QChar c : text) {
      QTest::keyClick(target(), c.toLatin1());
      ++typed;
    }
  }
  void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
    QTest::keyClick(target(), k, m);
    ++otherKeys;
  }
  // Cells in reading order: each text typed, then Tab; Enter ends the row (trailing blanks
  // need no keys).
  void row(const QStringList& cells) {
    for (int i = 0; i < cells.size(); ++i) {
      if (i > 0) key(Qt::Key_Tab);
      type(cells[i]);
    }
    key(Qt::Key_Return);
  }

  int typed = 0, otherKeys = 0;
};

struct NameCase {
  const char* name;
  Answer answer;
  std::string stored;  // the row's name in the file; "" for no row
  bool onRoster;
};

class SheetNames : public SheetTest, public testing::WithParamInterface<NameCase> {};

TEST_P(SheetNames, ANameOffTheRosterIsAskedAboutOnce) {
  seedRoster({{"Wilson", "Tom", "F"}});
  const auto game = makeGame();
  SheetView* rushing = rushingOf(openSheet(game));
  prompter.answer(GetParam().answer);
  type("Zed Alan");
  key(Qt::Key_Tab);
  QCoreApplication::processEvents();
  // No: back in the name cell to type it again; otherwise on to the figures.
  EXPECT_EQ(rushing->currentIndex().column(), GetParam().stored.empty() ? 0 : 1);
  if (!GetParam().stored.empty()) row({"3", "12"});
  ASSERT_EQ(prompter.records().size(), 1u);
  EXPECT_EQ(std::pair(prompter.records()[0].text, prompter.records()[0].buttons),
            std::pair(QString("Zed Alan is not on the roster. Add Zed Alan to the roster?"), Buttons::YesNoKeep));
  EXPECT_EQ(rowsOf(game, "rushing"),
            (GetParam().stored.empty() ? Rows{} : Rows{{"3", "12", "0", "0", GetParam().stored}}));
  EXPECT_EQ(playerNameTexts(app.tree()).size(), GetParam().onRoster ? 2u : 1u);
  // Shown in red with the reason while it is off the roster.
  const QModelIndex name = rushing->model()->index(0, 0);
  const bool red = name.data(Qt::ForegroundRole).value<QBrush>().color() == Qt::red;
  EXPECT_EQ(red, GetParam().answer == Answer::Ignore);
  EXPECT_EQ(name.data(Qt::ToolTipRole).toString().contains("Zed Alan is not on the roster."), red);
}

INSTANTIATE_TEST_SUITE_P(Answers, SheetNames,
                         testing::Values(NameCase{"Yes", Answer::Yes, "Zed Alan ", true},
                                         NameCase{"No", Answer::No, "", false},
                                         NameCase{"Keep", Answer::Ignore, "Zed Alan", false}),
                         [](const auto& info) { return std::string(info.param.name); });

// A file that is no game is told of and shows no sheet. Rows the file will not take (another
// program refuses them) keep their typing, are marked, and are told of once; once the file
// takes them, leaving a row or Check Game writes it and its mark goes. A finding leads to its row.
// A jersey number typed in a name cell is taken as its wearer's name.
TEST_F(SheetTest, RowsTheFileWillNotTakeKeepTheirTypingAndAreToldOnce) {
  importIntoRoster(ensureRosterDatabase(app.tree()),
                   {{{"Wilson", "Tom", "F"}, "12", "", 9}, {{"Smith", "John", "A"}, "", "", 9}});
  prompter.answer(Answer::Ok);
  showInSheet(app, root.writeFile("YardMark/games/2007/Game9.mdb", "not a database"));
  EXPECT_TRUE(prompter.texts().value(0).startsWith("The game cannot be opened in the sheet: "));
  EXPECT_FALSE(app.forms().find<frmBoxScore>() && app.forms().find<frmBoxScore>()->isVisible());
  prompter.clear();

  const auto game = makeGame();
  SQLite::Database(game.string(), SQLite::OPEN_READWRITE)
      .exec("CREATE TRIGGER held BEFORE INSERT ON rushing BEGIN SELECT RAISE(ABORT, 'held elsewhere'); END");
  frmBoxScore& sheet = openSheet(game);
  SheetView* rushing = rushingOf(sheet);
  prompter.answer(Answer::Ok);
  row({"12", "3", "30"});       // his jersey number, taken by Tab; Enter tries the row, leaving it again
  row({"Smi", "0", "5", "1"});  // a touchdown without an attempt: a finding once saved
  ASSERT_EQ(prompter.texts().size(), 1);
  EXPECT_TRUE(prompter.texts()[0].startsWith("The row could not be saved: Cannot save the row of 'rushing'") &&
              prompter.texts()[0].endsWith("held elsewhere"));
  EXPECT_TRUE(rowsOf(game, "rushing").empty());
  expectReference(formState(&sheet, root.dir()), "sheet/held.txt");  // both rows marked
  prompter.answer(Answer::No);
  key(Qt::Key_Escape);  // closing cannot save them: No keeps the sheet and the typing
  EXPECT_TRUE(sheet.isVisible());

  SQLite::Database(game.string(), SQLite::OPEN_READWRITE).exec("DROP TRIGGER held");
  rushing->setCurrentIndex(rushing->firstCell(1));
  key(Qt::Key_Up);  // leaving a row saves it: the second first, so the file's order is not the sheet's
  EXPECT_EQ(rowsOf(game, "rushing"), (Rows{{"0", "5", "1", "0", "Smith John A"}}));
  expectReference(formState(&sheet, root.dir()), "sheet/held_one.txt");
  key(Qt::Key_F7);  // Check Game saves all first
  expectReference(formState(&sheet, root.dir()), "sheet/findings.txt");
  EXPECT_EQ(rowsOf(game, "rushing").size(), 2u);
  ASSERT_NE(sheet.checkWindow(), nullptr);
  rushing->setCurrentIndex(rushing->firstCell(0));
  goToFinding(*sheet.checkWindow(), kRushing, 0);  // Smith's, first in the file
  EXPECT_EQ(std::pair(rushing->currentIndex(), rushing->hasFocus()), std::pair(rushing->firstCell(1), true));
  // What a cell cannot take is refused with the reason.
  prompter.clear().answer(Answer::Ok).answer(Answer::Ok);
  QAbstractItemModel* header = sheet.view("grdHeader")->model();
  EXPECT_FALSE(rushing->model()->setData(rushing->model()->index(0, 1), "x") ||
               header->setData(header->index(0, 3), "13/45"));
  EXPECT_EQ(prompter.texts(), (QStringList{"\"x\" is not a figure this cell takes.",
                                           "\"13/45\" is not a date. Type it as 2026-09-12 or 9/12."}));
  rushing->model()->setData(rushing->model()->index(1, 0), "Wilson Tom F");  // a player twice is marked
  EXPECT_EQ(rushing->model()->index(1, 0).data(Qt::ToolTipRole), "Wilson Tom F is also in row 1 of Rushing.");
  key(Qt::Key_Escape);
  EXPECT_FALSE(sheet.isVisible());  // closed, before the host lets the form go
}

// The sheet and the entry form open on one game: a row saved in either shows in the other, and
// an edit in the sheet rewrites the row the entry form added rather than adding it again.
TEST_F(SheetTest, TheEntryFormAndTheSheetSeeEachOthersSaves) {
  seedRoster({{"Smith", "John", "A"}, {"Jones", "Mike", "B"}});
  const auto game = writeGame(root, "YardMark/games/2007/Game3.mdb", Result::Won);
  openGame();
  click("cmdSheet");
  frmBoxScore& sheet = *app.forms().find<frmBoxScore>();
  ASSERT_EQ(sheet.gameFilePath(), form->gameFilePath());
  SheetView* rushing = rushingOf(sheet);
  type("Smi\t5\t40");  // no Enter: going to the entry form saves the row

  app.forms().show<frmNewGame>();  // the sheet's save shows in the entry form
  form->selectTabs(2, 0);
  EXPECT_EQ(itemTexts(w<QListWidget>("lstRushingRows")), QStringList{"Smith John A: 5 40 0 0"});

  click("cmdruAddNew");  // the entry form's save shows in the sheet
  for (const char* b : {"txtRushATT", "txtRushYDS", "txtRushTDS", "txtRush2PTS"}) type(b, "1");
  QTest::keyClicks(w<QComboBox>("cmbRushPlayerName")->lineEdit(), "Jones Mike B");
  prompter.answer(Answer::Ok);
  click("cmdruSave");
  QApplication::activePopupWidget()->close();  // the entry form's list of names, left open by typing
  app.forms().show<frmBoxScore>();
  expectReference(formState(&sheet, root.dir()), "sheet/entry_saved.txt");

  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  rushing->setFocus();  // the sheet edits the entry form's row: still two rows
  rushing->setCurrentIndex(rushing->model()->index(1, 2));
  ASSERT_EQ(target(), rushing);
  type("77");
  key(Qt::Key_Return);
  EXPECT_EQ(rowsOf(game, "rushing"),
            (Rows{{"5", "40", "0", "0", "Smith John A"}, {"1", "77", "1", "1", "Jones Mike B"}}));

  key(Qt::Key_Z, Qt::ControlModifier);  // the edit undone, in the file too
  EXPECT_EQ(rowsOf(game, "rushing")[1], (std::vector<std::string>{"1", "1", "1", "1", "Jones Mike B"}));
  rushing->setCurrentIndex(rushing->model()->index(0, 1));
  key(Qt::Key_Delete, Qt::ControlModifier);
  EXPECT_EQ(rowsOf(game, "rushing"), (Rows{{"1", "1", "1", "1", "Jones Mike B"}}));
  key(Qt::Key_Z, Qt::ControlModifier);  // the deleted row back, after the other
  EXPECT_EQ(rowsOf(game, "rushing"),
            (Rows{{"1", "1", "1", "1", "Jones Mike B"}, {"5", "40", "0", "0", "Smith John A"}}));
  EXPECT_EQ(rushing->model()->index(0, 0).data().toString(), "Smith John A");
}

struct PaperRow {
  QString name;       // as typed: enough letters for the completion list
  QStringList cells;  // the figures in column order; trailing blanks left off
  std::string player;
};

const std::vector<PersonName> kRoster = {
    {"Smith", "John", "A"},   {"Jones", "Mike", "B"},  {"Brown", "Carl", "D"},   {"Davis", "Evan", "E"},
    {"Wilson", "Tom", "F"},   {"Miller", "Sam", "G"},  {"Moore", "Luke", "H"},   {"Taylor", "Ray", "J"},
    {"Anderson", "Nick", ""}, {"Thomas", "Owen", "L"}, {"Jackson", "Paul", "M"}, {"White", "Quinn", "N"},
    {"Harris", "Rob", "P"},   {"Martin", "Seth", "Q"}, {"Garcia", "Tony", "R"},  {"Clark", "Vic", "S"}};

const std::vector<std::pair<GameTable, std::vector<PaperRow>>> kPaper = {
    {kRushing,
     {{"Smi", {"18", "112", "2"}, "Smith John A"},
      {"Jon", {"9", "45"}, "Jones Mike B"},
      {"Bro", {"6", "-3"}, "Brown Carl D"},
      {"Dav", {"4", "22", "1"}, "Davis Evan E"},
      {"Wil", {"3", "15"}, "Wilson Tom F"},
      {"Mil", {"2", "8"}, "Miller Sam G"},
      {"Moo", {"1", "4"}, "Moore Luke H"},
      {"Tay", {"1", "-2"}, "Taylor Ray J"}}},
    {kPassing, {{"And", {"12", "20", "185", "2", "1"}, "Anderson Nick "}}},
    {kReceiving,
     {{"Tho", {"5", "92", "1"}, "Thomas Owen L"},
      {"Jac", {"4", "61", "1"}, "Jackson Paul M"},
      {"Whi", {"2", "22"}, "White Quinn N"},
      {"Har", {"1", "10"}, "Harris Rob P"}}},
    {kScoring,
     {{"Smi", {"2", "", "", "", "12"}, "Smith John A"},
      {"Tho", {"2", "", "", "", "12"}, "Thomas Owen L"},
      {"Cla", {"1", "4", "", "1", "13"}, "Clark Vic S"}}},
    {kDefense,
     {{"Gar", {"7", "3", "1.5"}, "Garcia Tony R"},
      {"Mar", {"5", "4", "", "1"}, "Martin Seth Q"},
      {"Cla", {"4", "2"}, "Clark Vic S"},
      {"Jac", {"3", "1", "", "", "1"}, "Jackson Paul M"},
      {"Whi", {"2", "2", ".5"}, "White Quinn N"},
      {"Har", {"1", "", "", "", "", "", "1"}, "Harris Rob P"}}},
};

// Opponent, own: in the order of the ten team statistics.
const QStringList kStats[] = {{"11", "19"}, {"98", "201"}, {"8", "12"}, {"96", "185"}, {"194", "386"},
                              {"2", "1"},   {"5", "6"},    {"6", "3"},  {"52", "64"},  {"2", "4"}};

TEST_F(SheetTest, AWholeGameTypedWithoutTheMouseInAtMost400Keys) {
  seedRoster(kRoster);
  key(Qt::Key_B, Qt::ControlModifier);  // File > Box Score Sheet...
  key(Qt::Key_Return);                  // this year's next game
  frmBoxScore* sheet = app.forms().find<frmBoxScore>();
  ASSERT_TRUE(sheet && sheet->isVisible());
  const std::filesystem::path file = sheet->gameFilePath();

  row({"Eagles", "Hawks", "W", "9/12", "h"});
  row({"0", "7", "7", "3"});
  type("7\t14\t3\t13");
  key(Qt::Key_Down, Qt::ControlModifier);  // no Enter: leaving the grid saves it
  // 1 Opp, 1 Own, ..., total Opp, total Own
  EXPECT_EQ(rowsOf(file, "quarter"), (Rows{{"0", "7", "7", "14", "7", "3", "3", "13", "17", "37"}}));
  for (const QStringList& stat : kStats) row(stat);
  for (const auto& [table, rows] : kPaper) {
    for (const PaperRow& r : rows) row(QStringList{r.name} + r.cells);
    if (table != kDefense) key(Qt::Key_Down, Qt::ControlModifier);
  }
  key(Qt::Key_Up, Qt::ControlModifier);  // the grid before, on its blank row; then the cell before that
  key(Qt::Key_Backtab);
  const QString thisYear = QString::number(QDate::currentDate().year());
  expectReference(QString::fromStdString(formState(sheet, root.dir())).replace(thisYear, "YYYY").toStdString(),
                  "sheet/walk.txt");
  key(Qt::Key_Escape);  // closes the sheet, every row saved already
  EXPECT_EQ(std::pair(sheet->isVisible(), prompter.records().size()), std::pair(false, size_t{0}));

  std::cout << "[ walk ] " << typed << " characters typed + " << otherKeys << " other keys = " << typed + otherKeys
            << " actions\n";
  EXPECT_LE(typed + otherKeys, 400);

  const int year = QDate::currentDate().year(), number = std::stoi(file.stem().string().substr(4));
  EXPECT_EQ(readRows(file, "header"), std::vector<Row>{headerRow("Eagles", "Hawks", year, number, true)});
  const Game game = readGame(file);
  EXPECT_EQ(std::pair(game.details.date, game.details.site), std::pair(std::to_string(year) + "-09-12", Site::Home));
  const GameRow* stats = game.first(kTeamStats);
  ASSERT_NE(stats, nullptr);
  for (std::size_t i = 0; i < kTeamStatistics.size(); ++i) {
    EXPECT_EQ(stats->number(kTeamStatistics[i].opp), kStats[i][0].toDouble()) << kTeamStatistics[i].label;
    EXPECT_EQ(stats->number(kTeamStatistics[i].own), kStats[i][1].toDouble()) << kTeamStatistics[i].label;
  }
  for (const auto& [table, paper] : kPaper) {
    const auto& stored = game.rows(table);
    ASSERT_EQ(stored.size(), paper.size()) << tableName(table);
    for (std::size_t r = 0; r < paper.size(); ++r) {
      EXPECT_EQ(textOf(stored[r].at(playerNameColumn(table))), paper[r].player) << tableName(table) << r;
      for (int o = 1; o < playerNameColumn(table); ++o)  // every figure, the blank ones stored as 0
        EXPECT_EQ(stored[r].number(o), paper[r].cells.value(o - 1).toDouble()) << tableName(table) << r << o;
    }
  }
}

}  // namespace
}  // namespace yardmark::test
