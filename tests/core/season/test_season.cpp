// One season through its three outputs (the report page, the detail page and the CSV files) against
// their reference files, the figures they share, and the season read; and the records book of a small
// hand-made archive against its reference files (page, charts and CSV files), the chart writer's edge
// cases, and yardmark-records' exit statuses.
#include <gtest/gtest.h>

#include "../page/DetailSeasons.h"
#include "core/export/RecordsCsv.h"
#include "core/games/Game.h"
#include "core/page/CsvExport.h"
#include "core/page/RecordsPage.h"
#include "core/report/ReportGenerator.h"
#include "core/season/SeasonDetail.h"
#include "core/season/Statistics.h"
#include "support/GameFiles.h"
#include "support/ReportFixture.h"

namespace yardmark::test {
namespace {

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

// Final scores and the own team's rushing, passing and total yards; the quarters hold the finals.
GameRows game(const char* opp, double year, bool won, double own, double against, std::vector<double> offense) {
  GameRows g{.header = {headerRow("Eagles", opp, year, 1, won)},
             .quarter = {{0, 0, 0, 0, 0, 0, against, own, against, own}}};
  if (!offense.empty()) {
    Row stats(20, Value(0.0));
    stats[11] = offense[0], stats[13] = offense[1], stats[14] = offense[2];
    g.teamStats = {stats};
  }
  return g;
}

// Three seasons: Smith John in all three, level with himself on 90 yards in a game; Jones Al
// short of the carries for yards per carry, and typed "JONES AL" a year later; a game marked
// neither won nor lost without team statistics or score, and one that is no game at all.
struct Archive {
  TempRoot root;
  Archive() {
    GameRows a = game("Hawks", 2005, true, 21, 7, {150, 100, 250});
    a.rushing = {{12, 90, 1, 0, "Smith John"}, {5, 40, 0, 0, "Jones Al "}};
    a.passing = {{10, 20, 150, 2, 1, "Brown Tom"}};
    a.receiving = {{4, 60, 1, 0, "Jones Al "}};
    a.scoring = {{1, 0, 0, 0, 6, "Smith John"}, {1, 0, 0, 0, 6, "Jones Al "}, {0, 3, 0, 0, 3, "Kick Ken"}};
    a.defense = {{5, 2, 1, 0, 0, 0, 1, 0, "Lee Max"}, {3, 1, 0, 0, 0, 0, 1, 0, "Ray Bo"}};
    GameRows b = game("Owls", 2005, false, 7, 14, {80, 120, 200});
    b.rushing = {{3, 10, 0, 0, "Smith John"}, {2, 30, 0, 0, "Jones Al "}};
    b.passing = {{2, 5, 20, 0, 0, "Brown Tom"}};
    b.defense = {{2, 0, 0.5, 0, 0, 0, 2, 0, "Lee Max"}};
    GameRows c = game("Hawks", 2006, true, 35, 0, {200, 90, 290});
    c.rushing = {{20, 90, 2, 0, "Smith John"}, {8, 50, 0, 0, "JONES AL"}};
    c.receiving = {{3, 60, 0, 0, "JONES AL"}};
    c.scoring = {{2, 0, 0, 0, 12, "Smith John"}, {3, 5, 0, 0, 23, "Kick Ken"}};
    c.defense = {{4, 4, 0, 0, 0, 0, 0, 0, "Lee Max"}};
    GameRows d = game("Ravens", 2006, false, 14, 14, {});
    d.header = {{"Eagles", "Ravens", 2006, 3, false, false}};
    d.quarter = {};  // no score either: no 0 among the fewest points allowed
    d.rushing = {{4, 12, 0, 0, "Smith John"}};
    GameRows e = game("Owls", 2007, false, 0, 7, {50, 60, 110});
    e.rushing = {{5, 20, 0, 0, "Smith John"}};
    e.passing = {{6, 12, 60, 0, 2, "Kent Cy"}};
    e.defense = {{1, 1, 0, 0, 0, 0, 0, 0, "Ray Bo"}};  // back after a year away
    const std::pair<const char*, GameRows> games[] = {{"2005/Game1.mdb", a},
                                                      {"2005/Game2.mdb", b},
                                                      {"2006/Game1.mdb", c},
                                                      {"2006/Game3.mdb", d},
                                                      {"2007/Game1.mdb", e}};
    for (const auto& [file, rows] : games) makeGame(root, std::string("YardMark/games/") + file, rows);
    writeDamaged(root, "YardMark/games/2006/Game2.mdb", Damage::ZeroBytes);
    Database dated(root.dir() / "YardMark/games/2006/Game1.mdb");  // the only game whose date is known
    writeGameDetails(dated, {"2006-09-15", Site::Home, "", 0, 0, ""});
  }
  DataTree tree() const { return DataTree(root.dir()); }
};

TEST(RecordsBook, MatchesTheReferenceFiles) {
  const Archive archive;
  const RecordsBook book = buildRecordsBook(yearsOfTree(archive.tree()), {.seasonMinimum = 10, .careerMinimum = 15});
  std::vector<FileContent> files = recordsPageFiles(fs::path("records") / "index.htm", book);
  for (FileContent& f : recordsCsvFiles("records", book)) files.push_back(std::move(f));
  ASSERT_EQ(files.size(), 8u);  // the page, three charts and four CSV files
  // The reason a game was not read names its file: the temporary root is spelt the same each run.
  const std::string rootDir = archive.root.dir().string();
  for (FileContent& f : files) {
    for (size_t at; (at = f.bytes.find(rootDir)) != std::string::npos;) f.bytes.replace(at, rootDir.size(), "ROOT");
    expectReference(f.bytes, f.path.string());
  }
}

TEST(RecordsBook, StopsWhenAsked) {
  const Archive archive;
  StopFlag stop;
  stop.stop();
  EXPECT_THROW(buildRecordsBook(yearsOfTree(archive.tree()), {}, &stop), RecordsCancelled);
}

TEST(SvgChart, MatchesTheReferenceFiles) {
  std::vector<std::string> years;
  std::vector<double> rising;
  for (int y = 1950; y < 2010; ++y) years.push_back(std::to_string(y)), rising.push_back((y - 1950) * 3.5);
  const std::pair<const char*, Chart> cases[] = {
      // Below zero, and texts XML must escape or cannot hold (a control character, a stray byte).
      // clang-format off
      {"bars_negative.svg", {Chart::Kind::Bars, "Yards <net> & \"lost\"", {"2005", "20\x01\xFF"}, {{"Gained", "#2f5d31", {12, 40}}, {"Lost", "#b03a2e", {-7, 0}}}}},
      // clang-format on
      // Sixty years: every other label, and no dots.
      {"lines_many.svg", {Chart::Kind::Lines, "Sixty years", years, {{"Yards", "#1f5f8b", rising}}}},
      {"empty.svg", {Chart::Kind::Lines, "No games yet", {}, {}}},
  };
  for (const auto& [file, chart] : cases) expectReference(svgChart(chart), std::string("records/") + file);
}

TEST(RecordsCommand, ExitStatusesAndFiles) {
  const Archive archive;
  const TempRoot empty;
  const fs::path page = archive.root.dir() / "YardMark" / "Reports" / "records" / "index.htm";
  const struct {
    std::vector<std::string> args;
    int exit;
  } cases[] = {
      {{"--season-minimum", "ten"}, 2},
      {{"a.htm", "b.htm"}, 2},
      {{"--root", empty.dir().string()}, 1},  // no games: no book
      {{"--root", archive.root.dir().string(), "--csv", "csv"}, 0},
  };
  for (const auto& c : cases) {
    const ProgramRun run = runIn(archive.root.dir(), YARDMARK_RECORDS_EXE, c.args);
    EXPECT_EQ(run.exit, c.exit) << run.err;
  }
  EXPECT_TRUE(fs::is_regular_file(page));
  EXPECT_TRUE(fs::is_regular_file(page.parent_path() / "index-points.svg"));
  for (const std::string& name : recordsCsvNames()) EXPECT_TRUE(fs::is_regular_file(archive.root.dir() / "csv" / name));
}

}  // namespace
}  // namespace yardmark::test
