// The season detail page: reference pages byte for byte, leader places, and a page and list of two runs
// told torn; the season's CSV fields, the files written all or none, and the yardmark-report options that
// write them.
#include <SQLiteCpp/SQLiteCpp.h>
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <map>
#include <regex>
#include <tuple>

#include "DetailSeasons.h"
#include "core/files/DataTree.h"
#include "core/files/SafeWrite.h"
#include "core/page/CsvExport.h"
#include "core/page/DetailPage.h"
#include "core/report/ReportGenerator.h"

namespace yardmark::test {
namespace {

namespace fs = std::filesystem;

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

TEST(Csv, FieldQuotingAndFormulaGuard) {
  const std::tuple<std::string, Cell, std::string> cases[] = {
      {"plain", Cell::Text, "plain"},
      {"", Cell::Text, ""},
      {"M\xC3\xBCller", Cell::Text, "M\xC3\xBCller"},
      {"a,b", Cell::Text, "\"a,b\""},
      {"say \"hi\"", Cell::Text, "\"say \"\"hi\"\"\""},
      {"two\r\nlines", Cell::Text, "\"two\r\nlines\""},
      {"lf\n", Cell::Text, "\"lf\n\""},
      // A text a spreadsheet would run as a formula gets a leading quote; figures stay numbers.
      {"=HYPERLINK(\"h\",\"c\")", Cell::Text, "\"'=HYPERLINK(\"\"h\"\",\"\"c\"\")\""},
      {"=cmd|' /C calc'!A0", Cell::Text, "'=cmd|' /C calc'!A0"},
      {"+1", Cell::Text, "'+1"},
      {"-3", Cell::Text, "'-3"},
      {"@SUM(A1)", Cell::Text, "'@SUM(A1)"},
      {"\tx", Cell::Text, "'\tx"},
      {"\rx", Cell::Text, "\"'\rx\""},
      {"-3", Cell::Figure, "-3"},
      {"-1+2", Cell::Figure, "'-1+2"},
      {"=1", Cell::Figure, "'=1"}};
  for (const auto& [text, kind, field] : cases) EXPECT_EQ(csvField(text, kind), field) << text;
}

std::map<std::string, std::string> filesIn(const fs::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::directory_iterator(folder))
    files[entry.path().filename().string()] = fs::is_directory(entry.path()) ? "<folder>" : readBytes(entry.path());
  return files;
}

// A run stopped after any of its steps (each file, the swap) leaves the whole old set or the whole
// new one; the next run clears the hidden folder it left and keeps the coach's own file.
TEST(CsvSet, AStoppedRunLeavesTheWholeOldSetOrTheWholeNewOne) {
  TempRoot root;
  const SeasonDetail before = buildSeasonDetail(writeSeason(root, oneGameSeason()));
  const SeasonDetail after = buildSeasonDetail(writeSeason(root, threeGameSeason()));
  const auto newSet = filesIn(writeSeasonCsv(root.dir() / "new", "S.htm", after));
  const fs::path dir = root.dir() / "csv", set = writeSeasonCsv(dir, "S.htm", before);
  root.writeFile("csv/S/notes.txt", "the coach's own");
  const auto oldSet = filesIn(set);
  for (size_t k = 0; k <= csvFileNames().size(); ++k) {
    stopAtStep(k, [&](const auto& step) { writeSeasonCsv(dir, "S.htm", after, step); });
    EXPECT_EQ(filesIn(set), k < csvFileNames().size() ? oldSet : newSet) << k;  // notes.txt still hidden
    for (const auto& entry : fs::directory_iterator(dir))
      fs::last_write_time(entry.path(), fs::file_time_type::clock::now() - std::chrono::minutes(2));
    writeSeasonCsv(dir, "S.htm", before);
    EXPECT_EQ(filesIn(dir).size(), 1u) << k;
    EXPECT_EQ(filesIn(set), oldSet) << k;
  }
}

TEST(ReportCommandCsv, WritesTheFilesBesideReportAndDetailPage) {
  TempRoot root;
  const std::vector<fs::path> games = writeSeason(root, threeGameSeason());
  const DataTree tree(root.dir());
  const fs::path out = root.dir() / "export" / "Season";
  const auto report = [&](std::vector<std::string> args) {
    args.insert(args.begin(), {"--root", root.dir().string()});
    for (const fs::path& g : games) args.push_back(g.string());
    return runIn(root.dir(), YARDMARK_REPORT_EXE, args);
  };
  ProgramRun r = report({"--csv", (root.dir() / "export").string(), "Season.htm"});
  ASSERT_EQ(r.exit, 0) << r.err;
  EXPECT_EQ(asReference(readBytes(tree.reportsFolder() / "detail" / "Season.htm")),
            readBytes(fixture("detail/three_games.htm")));
  EXPECT_EQ(existingCsvFiles(out), csvFileNames());
  for (const std::string& name : csvFileNames()) expectReference(readBytes(out / name), "detail/three_games/" + name);
  // The games are kept in the order chosen, so the season can be read again for its CSV files.
  EXPECT_EQ(readGamesList(gamesListPath(tree.reportsFolder(), "Season.htm")), games);

  r = report({"--no-detail", "Plain.htm"});
  EXPECT_EQ(r.exit, 0) << r.err;
  EXPECT_TRUE(fs::exists(tree.reportsFolder() / "Plain.htm"));
  EXPECT_FALSE(fs::exists(tree.reportsFolder() / "detail" / "Plain.htm"));
  EXPECT_TRUE(readGamesList(gamesListPath(tree.reportsFolder(), "Plain.htm")).empty());

  // Refused before anything is written: a CSV folder that is a file or none, a game that cannot be
  // read, the temporary database or the master template given as a game (by any spelling).
  const fs::path file = root.writeFile("notes.txt", "x"), fresh = root.dir() / "fresh";
  const fs::path tmp = tree.tmpDatabase(), linked = root.dir() / "linked.mdb";
  fs::create_symlink(tree.masterTemplate(), linked);
  const std::string tmpBytes = readBytes(tmp);
  const struct {
    std::vector<std::string> args;
    int exit;
    std::string named;
  } refused[] = {{{"--csv", file.string(), "Bad.htm"}, 1, file.string()},
                 {{"--csv", "", "Bad.htm"}, 2, "--csv needs a directory"},
                 {{"--csv", fresh.string(), "Bad.htm", (root.dir() / "No.mdb").string()}, 1, "No.mdb"},
                 {{"--csv", fresh.string(), "Bad.htm", tmp.string()}, 1, "temporary database"},
                 {{"Bad.htm", (tmp.parent_path() / "TMPDB.MDB").string()}, 1, "temporary database"},
                 {{"Bad.htm", tree.masterTemplate().string()}, 1, "master template"},
                 {{"Bad.htm", linked.string()}, 1, "master template"}};
  for (const auto& c : refused) {
    r = report(c.args);
    EXPECT_EQ(r.exit, c.exit) << c.named;
    EXPECT_NE(r.err.find(c.named), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(tree.reportsFolder() / "Bad.htm"));
    EXPECT_FALSE(fs::exists(tree.reportsFolder() / "detail" / "Bad.htm"));
    EXPECT_FALSE(fs::exists(fresh));
    EXPECT_EQ(readBytes(tmp), tmpBytes);
  }
}

}  // namespace
}  // namespace yardmark::test
