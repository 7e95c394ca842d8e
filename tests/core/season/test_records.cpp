// The records book of a small hand-made archive against its reference files (page, charts and
// CSV files), the chart writer's edge cases, and yardmark-records' exit statuses.
#include <gtest/gtest.h>

#include "core/export/RecordsCsv.h"
#include "core/games/Game.h"
#include "core/page/RecordsPage.h"
#include "support/GameFiles.h"
#include "support/ReportFixture.h"

using namespace yardmark;
using namespace yardmark::test;
namespace fs = std::filesystem;

namespace {

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

}  // namespace

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
      {"bars_negative.svg",
       {Chart::Kind::Bars,
        "Yards <net> & \"lost\"",
        {"2005", "20\x01\xFF"},
        {{"Gained", "#2f5d31", {12, 40}}, {"Lost", "#b03a2e", {-7, 0}}}}},
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
