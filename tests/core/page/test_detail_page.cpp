// The season detail page: reference pages byte for byte, leader places, and a page and list of
// two runs told torn.
#include <SQLiteCpp/SQLiteCpp.h>
#include <gtest/gtest.h>

#include <fstream>
#include <regex>

#include "DetailSeasons.h"
#include "core/page/CsvExport.h"
#include "core/page/DetailPage.h"
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
    const bool details = std::string(c.file) == "details.htm";
    if (details) giveDetails(files[0], kOvertime), giveDetails(files[1], std::nullopt);
    const SeasonDetail d = buildSeasonDetail(files);
    expectReference(detailPageText(d, kReferenceRun), "detail/" + std::string(c.file));
    // The results with a game's date, site, place and overtime, and with a file from before them.
    if (details) expectReference(readBytes(writeSeasonCsv(root.dir(), "S", d) / "results.csv"), "detail/details.csv");
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

// A run stopped between the page and its list leaves a pair the viewer must not trust; pages
// and lists from before runs had ids stay whole.
TEST(DetailHook, APageAndAListOfTwoRunsAreTorn) {
  TempRoot root;
  const DataTree tree(root.dir());
  const std::vector<fs::path> games = writeSeason(root, threeGameSeason());
  const fs::path reports = tree.reportsFolder(), page = reports / "detail" / "S.htm",
                 list = gamesListPath(reports, "S.htm");
  ASSERT_TRUE(ReportGenerator(tree).generate(games, "S.htm").ok());
  const std::string oldPage = readBytes(page), oldList = readBytes(list);
  stopAtStep(
      0, [&](const auto& step) { writeDetailPage(reports, "S.htm", buildSeasonDetail({games[0]}), {games[0]}, step); });
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
    EXPECT_EQ(detailState(reports, "S.htm"), states[i]) << i;
  }
  fs::remove(page);
  EXPECT_EQ(detailState(reports, "S.htm"), DetailState::Missing);
}
