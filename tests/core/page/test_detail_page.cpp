// The season detail page: reference pages byte for byte, leader places, and the hook in the
// report generation (the report page unchanged, failures named).
#include <SQLiteCpp/SQLiteCpp.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <regex>

#include "DetailSeasons.h"
#include "core/games/GameAudit.h"
#include "core/page/DetailPage.h"
#include "core/page/PageText.h"
#include "core/page/SeasonTables.h"
#include "core/report/ReportGenerator.h"

using namespace yardmark;
using namespace yardmark::test;
namespace fs = std::filesystem;

namespace {

// Tied after four quarters: overtime points decide it.
GameRows tiedGame() {
  GameRows g = hawksGame();
  g.quarter = {quarterRow({7, 0, 7, 7}, {7, 7, 0, 7})};
  return g;
}

const GameDetails kOvertime{"2007-09-14", Site::Away, "Hawk Field", 7, 0, "rain"};

// A file from before the details table lacks it; any other is given the details.
void giveDetails(const fs::path& game, const std::optional<GameDetails>& details) {
  Database db(game);
  if (details)
    writeGameDetails(db, *details);
  else
    SQLite::Database(game.string(), SQLite::OPEN_READWRITE).exec("DROP TABLE gameDetails");
}

}  // namespace

TEST(DetailPage, MatchesTheReferencePages) {
  const struct {
    const char* file;
    std::vector<GameRows> games;
  } cases[] = {{"one_game.htm", oneGameSeason()},
               {"three_games.htm", threeGameSeason()},
               {"escapes.htm", escapeSeason()},
               {"details.htm", {tiedGame(), threeGameSeason()[1]}}};
  for (const auto& c : cases) {
    TempRoot root;
    const auto files = writeSeason(root, c.games);
    if (std::string(c.file) == "details.htm") giveDetails(files[0], kOvertime), giveDetails(files[1], std::nullopt);
    const std::string page = detailPageText(buildSeasonDetail(files), kReferenceRun);
    expectReference(page, "detail/" + std::string(c.file));
  }
}

// Files from before the details table, new ones without details and with them, all read-only:
// the report page stays as it was; the results and the audit take the final score.
TEST(GameDetails, OldAndNewGameFilesThroughTheReportsAndTheAudit) {
  const auto joined = [](const std::vector<std::string>& cells) {
    std::string s;
    for (const std::string& c : cells) s.append(s.empty() ? "" : ",").append(c);
    return s;
  };
  const std::string tie =
      "result-tie: Game Information marks the game won, but the quarter totals are tied at 21 (overtime?).";
  const std::string page = "2007,1,Eagles,Hawks,7,0,7,7,21,7,7,0,7,21,W", csv = page + ",,,,,";
  const struct {
    std::optional<GameDetails> details;  // none: a file from before the table
    std::string page, csv, audit;        // the results row on the page and in results.csv; result findings
  } cases[] = {
      {std::nullopt, page, csv, tie},
      {GameDetails{}, page, csv, tie},
      {kOvertime, "2007,1,Eagles,Hawks,2007-09-14,Away,Hawk Field,7,0,7,7,28,7,7,0,7,21,W 28\u201321 (OT)",
       "2007,1,Eagles,Hawks,7,0,7,7,28,7,7,0,7,21,W,2007-09-14,Away,Hawk Field,7,", ""},
      {GameDetails{"", Site::Home, "", 0, 3, ""}, "2007,1,Eagles,Hawks,,Home,,7,0,7,7,21,7,7,0,7,24,W 21\u201324 (OT)",
       "2007,1,Eagles,Hawks,7,0,7,7,21,7,7,0,7,24,W,,Home,,,3",
       "result-score: Game Information marks the game won, but the final score with overtime is 21 (own) to 24 "
       "(opponent)."},
  };
  std::string firstReport;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.page);
    TempRoot root;
    const DataTree tree(root.dir());
    const auto files = writeSeason(root, {tiedGame()});
    giveDetails(files[0], c.details);
    fs::permissions(files[0], fs::perms::owner_read);
    ASSERT_TRUE(ReportGenerator(tree).generate(files, "S.htm").ok());
    const std::string report = readBytes(tree.reportsFolder() / "S.htm");
    EXPECT_EQ(report, firstReport.empty() ? firstReport = report : firstReport);
    const SeasonDetail d = buildSeasonDetail(files);
    EXPECT_EQ(joined(resultsTable(d).rows.at(0)), c.page);
    EXPECT_EQ(joined(resultsTable(d, ResultsFor::Csv).rows.at(0)), c.csv);
    std::string results;
    for (const Finding& f : auditGameFile(files[0], RosterIndex{}).findings)
      if (f.rule.starts_with("result-")) results += std::string(f.rule) + ": " + f.message;
    EXPECT_EQ(results, c.audit);
  }
}

TEST(DetailLeaders, TopFiveWithSharedPlacesAndGamesPlayed) {
  TempRoot root;
  GameRows first{.rushing = {{1, 99, 0, 0, Value{}}}};
  for (const auto& [name, yards] :
       {std::pair{"A", 50}, {"B", 40}, {"C", 40}, {"D", 30}, {"E", 20}, {"F", 20}, {"G", 10}, {"H", 0}})
    first.rushing.push_back({1, yards, 0, 0, name});
  GameRows second{.rushing = {{1, 0, 0, 0, "D"}}, .defense = {{1, 0, 0, 0, 0, 0, 0, 0, "B"}}};
  const SeasonDetail d = buildSeasonDetail(writeSeason(root, {first, second}));
  std::vector<std::tuple<long, std::string, double, size_t>> got;
  for (const Leader& l : d.leaders.at(0).leaders) got.emplace_back(l.place, textOf(l.name), l.figure, l.games);
  // G (seventh) and H (no yards) stay out; a row without a name is no player.
  EXPECT_EQ(got,
            (decltype(got){
                {1, "A", 50, 1}, {2, "B", 40, 2}, {2, "C", 40, 1}, {4, "D", 30, 2}, {5, "E", 20, 1}, {5, "F", 20, 1}}));
  EXPECT_TRUE(d.leaders.at(5).leaders.empty());  // nobody has a sack
}

namespace {

struct Season {
  TempRoot root;
  DataTree tree{root.dir()};
  std::vector<fs::path> games = writeSeason(root, threeGameSeason());
  fs::path report(const std::string& name) const { return tree.reportsFolder() / name; }
  fs::path detail(const std::string& name) const { return tree.reportsFolder() / "detail" / name; }
};

}  // namespace

TEST(DetailHook, WrittenBesideAReportThatStaysTheSame) {
  Season s;
  ASSERT_TRUE(ReportGenerator(s.tree).generate(s.games, "With.htm").ok());
  ASSERT_TRUE(ReportGenerator(s.tree).generate(s.games, "Without.htm", {.detailPage = false}).ok());
  EXPECT_EQ(readBytes(s.report("With.htm")), readBytes(s.report("Without.htm")));
  EXPECT_EQ(asReference(readBytes(s.detail("With.htm"))), readBytes(fixture("detail/three_games.htm")));
  EXPECT_FALSE(fs::exists(s.detail("Without.htm")));
  // The games are kept in the order chosen, so the season can be read again for its CSV files.
  EXPECT_EQ(readGamesList(gamesListPath(s.tree.reportsFolder(), "With.htm")), s.games);
  EXPECT_TRUE(readGamesList(gamesListPath(s.tree.reportsFolder(), "Without.htm")).empty());
  EXPECT_EQ(totalRows(s.tree.tmpDatabase()), 0);
}

TEST(DetailHook, AFolderThatCannotBeWrittenIsNamedWithTheReason) {
  Season s;
  s.root.writeFile("YardMark/Reports/detail", "a file where the folder belongs");
  const ReportOutcome o = ReportGenerator(s.tree).generate(s.games, "Season.htm");
  EXPECT_EQ(o.status, ReportOutcome::Status::DetailFailed);
  EXPECT_EQ(o.file, (s.tree.reportsFolder() / "detail").string());
  EXPECT_NE(o.message.find(std::string(1, '\'').append(o.file).append("': ")), std::string::npos) << o.message;
  EXPECT_NE(o.message.find("was written"), std::string::npos) << o.message;
  EXPECT_EQ(o.boxText, o.message);
  EXPECT_TRUE(fs::exists(s.report("Season.htm")));  // complete, and said so in the message
  EXPECT_EQ(totalRows(s.tree.tmpDatabase()), 0);
}

// A run stopped between the page and its list leaves a pair the viewer must not trust; pages
// and lists from before runs had ids stay whole.
TEST(DetailHook, APageAndAListOfTwoRunsAreTorn) {
  Season s;
  ASSERT_TRUE(ReportGenerator(s.tree).generate(s.games, "S.htm").ok());
  const fs::path page = s.detail("S.htm"), list = gamesListPath(s.tree.reportsFolder(), "S.htm");
  const std::string oldPage = readBytes(page), oldList = readBytes(list);
  stopAtStep(0, [&](const auto& step) {
    writeDetailPage(s.tree.reportsFolder(), "S.htm", buildSeasonDetail({s.games[0]}), {s.games[0]}, step);
  });
  const std::string newPage = readBytes(page),
                    noId = std::regex_replace(oldPage, std::regex("<meta name=\"yardmark-run\"[^\n]*\n"), "");
  EXPECT_EQ(readBytes(list), oldList);
  const std::pair<std::string, std::string> cases[] = {{newPage, oldList},
                                                       {oldPage, oldList},
                                                       {noId, oldList.substr(oldList.find('\n') + 1)},
                                                       {oldPage, ""},
                                                       {noId, ""}};
  const DetailState states[] = {DetailState::Torn, DetailState::Whole, DetailState::Whole, DetailState::Torn,
                                DetailState::Whole};
  for (size_t i = 0; i < std::size(cases); ++i) {
    std::ofstream(page, std::ios::binary) << cases[i].first;
    fs::remove(list);
    if (!cases[i].second.empty()) std::ofstream(list, std::ios::binary) << cases[i].second;
    EXPECT_EQ(detailState(s.tree.reportsFolder(), "S.htm"), states[i]) << i;
  }
  fs::remove(page);
  EXPECT_EQ(detailState(s.tree.reportsFolder(), "S.htm"), DetailState::Missing);
}
