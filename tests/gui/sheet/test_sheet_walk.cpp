// A whole game copied from the paper sheet with the keyboard only, from Ctrl+B to closing the
// sheet, then read back from the file.
#include <QDate>
#include <iostream>

#include "core/games/Game.h"
#include "gui/sheet/SheetFixture.h"

namespace yardmark::test {
namespace {

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
  row({"7", "14", "3", "13"});
  for (const QStringList& stat : kStats) row(stat);
  for (const auto& [table, rows] : kPaper) {
    for (const PaperRow& r : rows) row(QStringList{r.name} + r.cells);
    if (table != kDefense) key(Qt::Key_Down, Qt::ControlModifier);
  }
  key(Qt::Key_Escape);  // closes the sheet, every row saved already
  EXPECT_FALSE(sheet->isVisible());
  EXPECT_TRUE(prompter.records().empty());

  std::cout << "[ walk ] " << typed << " characters typed + " << otherKeys << " other keys = " << typed + otherKeys
            << " actions\n";
  EXPECT_LE(typed + otherKeys, 400);

  const int year = QDate::currentDate().year(), number = std::stoi(file.stem().string().substr(4));
  EXPECT_EQ(readRows(file, "header"), std::vector<Row>{headerRow("Eagles", "Hawks", year, number, true)});
  const Game game = readGame(file);
  EXPECT_EQ(std::pair(game.details.date, game.details.site), std::pair(std::to_string(year) + "-09-12", Site::Home));
  // 1 Opp, 1 Own, ..., total Opp, total Own
  EXPECT_EQ(rowsOf(file, "quarter"), (Rows{{"0", "7", "7", "14", "7", "3", "3", "13", "17", "37"}}));
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
