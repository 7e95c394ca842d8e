// One season through its three outputs: the report page, the detail page and the CSV files show
// the record, the total tackles and the leaders as the season model holds them.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <regex>
#include <sstream>

#include "../page/DetailSeasons.h"
#include "core/report/ReportGenerator.h"
#include "core/season/SeasonDetail.h"
#include "core/season/Statistics.h"

using namespace yardmark;
using namespace yardmark::test;
namespace fs = std::filesystem;

namespace {

// The nth cell (1 = the first) opened by `cell` after the text `anchor`; "" when missing.
std::string cellAfter(const std::string& text, const std::string& anchor, const std::string& cell, int n) {
  size_t at = text.find(anchor);
  for (int i = 0; i < n && at != std::string::npos; ++i) at = text.find(cell, at + 1);
  if (at == std::string::npos) return {};
  at += cell.size();
  return text.substr(at, text.find_first_of("<,\r", at) - at);
}

// A CSV file's rows as fields; quoting is not needed for these names.
std::vector<std::vector<std::string>> csvRows(const std::string& text) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    rows.emplace_back();
    std::istringstream fields(line);
    for (std::string f; std::getline(fields, f, ',');) rows.back().push_back(f);
  }
  return rows;
}

// Rows holding the text in the column so headed.
std::string csvCount(const std::string& csv, const std::string& heading, const std::string& text) {
  const auto rows = csvRows(csv);
  const auto column = std::find(rows.front().begin(), rows.front().end(), heading) - rows.front().begin();
  long n = 0;
  for (const auto& row : rows) n += column < std::ssize(row) && row[static_cast<size_t>(column)] == text;
  return std::to_string(n);
}

std::string csvCell(const std::string& csv, const std::string& name, size_t column) {
  for (const auto& row : csvRows(csv))
    if (!row.empty() && row.front() == name && column < row.size()) return row[column];
  return {};
}

std::string figure(double f) { return wholeText(f); }

}  // namespace

TEST(OneSeason, ThePageTheDetailPageAndTheCsvAgreeWithTheModel) {
  TempRoot root;
  const DataTree tree(root.dir());
  // Sacks and a half count in total tackles; the rushing leader is not the first rusher.
  const std::vector<GameRows> games = {
      {.header = {headerRow("Eagles", "Owls", 2007, 1, true)},
       .rushing = {{5, 20, 0, 0, "Bo"}, {9, 61, 1, 0, "Cy"}},
       .defense = {{3, 2, 1.5, 0, 0, 0, 0, 0, "Lee"}, {1, 0, 0, 0, 0, 0, 0, 0, "Max"}}},
      {.header = {headerRow("Eagles", "Hawks", 2007, 2, false)},
       .rushing = {{6, 30, 0, 0, "Bo"}},
       .defense = {{2, 1, 2, 0, 0, 0, 0, 0, "Max"}, {0, 0, 0.5, 0, 0, 0, 0, 0, "Lee"}}},
      {.header = {headerRow("Eagles", "Crows", 2007, 3, true)}, .rushing = {{2, 4, 0, 0, "Cy"}}}};
  const auto files = writeSeason(root, games);
  ASSERT_TRUE(ReportGenerator(tree).generate(files, "S.htm", {.csvFolder = root.dir()}).ok());
  const std::string page = readBytes(tree.reportsFolder() / "S.htm"),
                    detail = readBytes(tree.reportsFolder() / "detail" / "S.htm");
  const auto csv = [&](const char* file) { return readBytes(root.dir() / "S" / file); };
  const SeasonDetail season = buildSeasonDetail(files);
  const auto tackles = [&](const std::string& name) {
    for (const PlayerLog& p : season.players)
      if (textOf(p.name) == name) return figure(statFigure(playerTables()[4].columns[4], p.totals.tables[4]));
    return std::string("no player");
  };
  const Leader& rusher = season.leaders.at(0).leaders.at(0);
  // Appended, not concatenated: GCC 12 at -O3 warns (-Wrestrict, a false alarm) on ">" + text.
  const std::string rusherCell = std::string(1, '>').append(textOf(rusher.name)).append("</td>");
  std::smatch record;
  std::regex_search(detail, record, std::regex("Record: (\\d+) won, (\\d+) lost"));
  const size_t board = detail.find(">Rushing Yards</td>");

  const struct {
    std::string what, model, page, detail, csv;
  } cases[] = {
      {"games won", std::to_string(season.won), cellAfter(page, "WINS:", "align=\"center\">", 1), record.str(1),
       csvCount(csv("results.csv"), "Result", "W")},
      {"games lost", std::to_string(season.lost), cellAfter(page, "LOSSES:", "align=\"center\">", 1), record.str(2),
       csvCount(csv("results.csv"), "Result", "L")},
      {"Lee's total tackles", tackles("Lee"), cellAfter(page, ">Lee</td>", "number_all\">", 5),
       cellAfter(detail.substr(detail.find("Lee (")), "<strong>Total</strong>", "<td>", 5),
       csvCell(csv("defense.csv"), "Lee", 5)},
      {"Max's total tackles", tackles("Max"), cellAfter(page, ">Max</td>", "number_all\">", 5),
       cellAfter(detail.substr(detail.find("Max (")), "<strong>Total</strong>", "<td>", 5),
       csvCell(csv("defense.csv"), "Max", 5)},
      {"the rushing leader's yards", figure(rusher.figure), cellAfter(page, rusherCell, "number_all\">", 2),
       cellAfter(detail.substr(board), rusherCell, "number_all\">", 1),
       csvCell(csv("rushing.csv"), textOf(rusher.name), 2)},
  };
  EXPECT_EQ(textOf(rusher.name), "Cy");  // 65 yards in two games beats 50
  for (const auto& c : cases) {
    EXPECT_EQ(c.page, c.model) << c.what << " on the report page";
    EXPECT_EQ(c.detail, c.model) << c.what << " on the detail page";
    EXPECT_EQ(c.csv, c.model) << c.what << " in the CSV files";
  }
}

// The page's halves to even and our halves away from zero, and no "-0".
TEST(Figures, Rounding) {
  struct Case {
    double x, even, away;
  };
  for (const Case& c : {Case{2.5, 2, 3}, Case{3.5, 4, 4}, Case{150.5, 150, 151}, Case{151.5, 152, 152},
                        Case{3.43, 3, 3}, Case{-2.5, -2, -3}, Case{0.49, 0, 0}, Case{62.5, 62, 63}}) {
    EXPECT_EQ(roundHalfEven(c.x), c.even) << c.x;
    EXPECT_EQ(roundHalfAway(c.x), c.away) << c.x;
  }
  EXPECT_EQ(wholeText(roundHalfEven(-0.4)), "0");  // no "-0"
}

// Our own averages: one decimal, halves away from zero, counted without the quotient's own
// rounding error (21 / 20 is 1.05 exactly and goes up).
TEST(Averages, OneDecimalHalvesAwayFromZero) {
  const struct {
    double num, den;
    std::string text;
  } cases[] = {{21, 2, "10.5"}, {1, 2, "0.5"},  {-3, 2, "-1.5"}, {21, 20, "1.1"}, {-21, 20, "-1.1"},  {1, 20, "0.1"},
               {2, 3, "0.7"},   {1, 40, "0.0"}, {-1, 40, "0.0"}, {5, 0, "0.0"},   {1234, 1, "1234.0"}};
  for (const auto& c : cases) {
    EXPECT_EQ(averageText(c.num, c.den), c.text) << c.num << "/" << c.den;
    EXPECT_EQ(averageOf(c.num, c.den), std::stod(c.text)) << c.num << "/" << c.den;
  }
}

// Games are read ahead on a second thread, yet handed over in list order, and the game told is
// the first in list order that cannot be read, however many readable games follow it.
TEST(ReadSeason, HandsGamesOverInListOrderAndStopsAtTheFirstUnreadable) {
  TempRoot root;
  std::vector<GameRows> rows;
  for (int n = 1; n <= 24; ++n) rows.push_back({.header = {headerRow("Eagles", "Owls", 2007, n, n % 2 == 0)}});
  const std::vector<fs::path> good = writeSeason(root, rows);
  const fs::path missing = root.dir() / "Gone.mdb", notes = root.writeFile("notes.txt", "not a game");
  const auto with = [&](std::vector<std::pair<size_t, fs::path>> bad) {
    std::vector<fs::path> files = good;
    for (const auto& [at, file] : bad) files[at] = file;
    return files;
  };
  const struct {
    const char* what;
    std::vector<fs::path> files;
    size_t handed;  // games handed over before the failure, the first `handed` of the list
    fs::path told;
  } cases[] = {
      {"every game", good, 24, {}},
      {"one game", {good[5]}, 1, {}},
      {"a missing game, then one not ours", with({{7, missing}, {12, notes}}), 7, missing},
      {"one not ours, then a missing game", with({{12, notes}, {15, missing}}), 12, notes},
      {"the first game missing", with({{0, missing}}), 0, missing},
      {"the last game not ours", with({{23, notes}}), 23, notes},
  };
  for (const auto& c : cases) {
    std::vector<fs::path> handed;
    fs::path told;
    try {
      readSeason(c.files, [&](const Game& g) { handed.push_back(g.file); });
    } catch (const MergeError& e) {
      told = e.file();
    }
    EXPECT_EQ(handed, std::vector<fs::path>(c.files.begin(), c.files.begin() + static_cast<long>(c.handed))) << c.what;
    EXPECT_EQ(told, c.told) << c.what;
  }
}
