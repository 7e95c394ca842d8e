// One season through its three outputs (the report page, the detail page and the CSV files) against
// their reference files, the figures they share, and the season read.
#include <gtest/gtest.h>

#include "../page/DetailSeasons.h"
#include "core/page/CsvExport.h"
#include "core/report/ReportGenerator.h"
#include "core/season/SeasonDetail.h"
#include "core/season/Statistics.h"

using namespace yardmark;
using namespace yardmark::test;
namespace fs = std::filesystem;

TEST(OneSeason, ThePageTheDetailPageAndTheCsvMatchTheReferenceFiles) {
  TempRoot root;
  const DataTree tree(root.dir());
  // Sacks and a half count in total tackles; the rushing leader is not the first rusher; names the
  // CSV files must quote. Only a game's first header, quarter and team row count; a blank team
  // figure adds nothing, "7 yds" adds 7 and "abc" nothing.
  Row stats = teamRow(10);
  stats[3] = Value{}, stats[4] = "7 yds", stats[5] = "abc";
  const std::vector<GameRows> games = {
      {.header = {headerRow("Eagles", "Owls", 2007, 1, true)},
       .quarter = {quarterRow({7, 0, 3, 7}, {0, 7, 0, 0}), quarterRow({9, 9, 9, 9}, {9, 9, 9, 9})},
       .teamStats = {stats},
       .rushing = {{5, 20, 0, 0, "Bo"}, {9, 61, 1, 0, "Cy"}},
       .defense = {{3, 2, 1.5, 0, 0, 0, 0, 0, "Lee"},
                   {1, 0, 0, 0, 0, 0, 0, 0, "Max"},
                   {1, 0, 0, 0, 0, 0, 0, 0, "M\xC3\xBCller, J\xC3\xBCrgen"}}},
      {.header = {headerRow("Eagles", "Hawks \"Red\"", 2007, 2, false), headerRow("Eagles", "Ghosts", 2007, 9, true)},
       .quarter = {quarterRow({0, 0, 7, 0}, {3, 0, 7, 14})},
       .teamStats = {teamRow(100)},
       .rushing = {{6, 30, 0, 0, "Bo"}},
       .defense = {{2, 1, 2, 0, 0, 0, 0, 0, "Max"}, {0, 0, 0.5, 0, 0, 0, 0, 0, "Lee"}}},
      {.header = {headerRow("Eagles", "Crows", 2007, 3, true)}, .rushing = {{2, 4, 0, 0, "Cy"}}}};
  const auto files = writeSeason(root, games);
  ASSERT_TRUE(ReportGenerator(tree).generate(files, "S.htm", {.csvFolder = root.dir()}).ok());
  expectReference(readBytes(tree.reportsFolder() / "S.htm"), "season/report.htm");
  expectReference(asReference(readBytes(tree.reportsFolder() / "detail" / "S.htm")), "season/detail.htm");
  for (const std::string& name : csvFileNames()) expectReference(readBytes(root.dir() / "S" / name), "season/" + name);
  EXPECT_EQ(textOf(buildSeasonDetail(files).leaders.at(0).leaders.at(0).name), "Cy");  // 65 yards in two games beats 50
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
  } cases[] = {{21, 2, "10.5"},     {1, 2, "0.5"},
               {-3, 2, "-1.5"},     {21, 20, "1.1"},
               {-21, 20, "-1.1"},   {1, 20, "0.1"},
               {2, 3, "0.7"},       {1, 40, "0.0"},
               {-1, 40, "0.0"},     {5, 0, "0.0"},
               {1234, 1, "1234.0"}, {1e16, 1, "10000000000000000.0"}};  // beyond the digits counted without printf
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
