// The report page for a few small seasons, byte for byte against the reference pages; the report
// writer's file writing, the figures and texts of the page, and the report name rules; the season detail
// page: reference pages byte for byte, leader places, and a page and list of two runs told torn; the
// season's CSV fields, the files written all or none, and the yardmark-report options that write them.
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
#include "core/page/PageText.h"
#include "core/page/ReportHTML.h"
#include "core/report/ReportGenerator.h"
#include "core/report/ReportName.h"
#include "support/ReportFixture.h"

namespace yardmark::test {
namespace {

namespace fs = std::filesystem;

// Opp fields 1-10 then own fields 11-20: halves, an empty field and a text with a number.
Row statsRow(double offenseOpp, double offenseOwn) {
  return {11, 120, 6, 85, offenseOpp, 2, 5, 4, 50, 3, 12.5, 13.5, 7, 99, offenseOwn, 1, Value{}, 6, 61, "2 yds"};
}

// One game: the opponent named, every table with rows that round, are empty or must be escaped.
GameRows oneGame() {
  return {.header = {headerRow("A&B \"<\xC5\x81\xC3\xBC>\"", "Hawks", 2007, 1, true)},  // Ł, ü
          .quarter = {{Value{}, 7, 0, 14, 10, 0, 7, 3, 20, 24}},
          .teamStats = {statsRow(303, 301)},
          .rushing = {{7, 24, 1, 0, "Smith John A"},  // 3.43, 2.5 and 3.5 round half to even
                      {4, 10, 0, 2, "Jones Al "},
                      {2, 7, Value{}, 0, "O'Neil & Sons"},
                      {0, 15, 0, 0, "Zero Att"},
                      {Value{}, 15, 0, 0, "Empty Att"},
                      {3, Value{}, 0, 0, "Empty Yds"}},
          .passing = {{5, 8, 60, 1, 0, "Ames"},  // 62.5 % rounds half away from zero
                      {1, 3, 9, 0, 1, "Baker"},
                      {0, 4, 0, 0, 0, "Cole"},
                      {2, 0, 0, 0, 0, "Dunn"}},
          .receiving = {{4, 50, 1, 0, "Ames"}, {3, 10, 0, 0, "Baker"}, {Value{}, Value{}, Value{}, Value{}, Value{}}},
          .scoring = {{2, 1, 0, 1, 16, "Ames"}, {0, 0, 1, 0, 2.5, "Baker"}},
          .defense = {{3, 2, 1, 4, 5, 6, 7, 8, "Ames"},
                      {1, Value{}, 1, 0, 0, 0, 0, 0, "Baker"},
                      {1.5, 1, 0, 0, 0, 0, 0, 0, "Cole <3>"}}};
}

// Two games, the second marked neither won nor lost: per-game rows, 150.5 and 2.5 to even.
GameRows twoGames() {
  Row unmarked = headerRow("Eagles", "Owls", 2007, 2, false);
  unmarked[5] = false;
  return {.header = {headerRow("Eagles", "Hawks", 2007, 1, true), unmarked},
          .quarter = {{0, 0, 0, 0, 0, 0, 0, 0, 5, 7}},
          .teamStats = {statsRow(303, 301)},
          .rushing = {{7, 24, 1, 0, "Smith"}}};
}

TEST(ReportPage, MatchesTheReferencePages) {
  const struct {
    const char* file;
    GameRows rows;
  } cases[] = {{"no_games.htm", {}}, {"one_game.htm", oneGame()}, {"two_games.htm", twoGames()}};
  for (const auto& c : cases) {
    FilledTmp t(c.rows);
    ReportHTML html;
    const std::string page = html.CreateReport(readReportSeason(DataTree(t.root.dir()).tmpDatabase()));
    expectReference(page, "page/" + std::string(c.file));
    EXPECT_EQ(html.pageText(), page);
  }
}

// A run killed while writing leaves its passing file; the next report written in the folder
// removes such files once they are a minute old, and nothing else. The old report is replaced whole.
TEST(UpdateHTMLFile, ReplacesTheReportAndRemovesThePassingFilesOfKilledRuns) {
  struct Case {
    const char* name;
    int ageSeconds;
    bool removed;
  };
  const Case cases[] = {
      {".2007_GM1.htm.1234.part", 120, true},
      {".Old.html.9.part", 61, true},
      {".2007_GM1.htm.5678.part", 5, false},  // a writer may still be at work
      {"Notes.part", 120, false},
      {".keep.htm", 120, false},
      {"Week1.htm", 120, false},  // not hidden, not passing
  };
  TempRoot root;
  const DataTree tree(root.dir());
  ReportHTML html;
  html.setWebDirectory((tree.reportsFolder() / "").string());
  html.setWebFilename("2007_GM1.htm");
  EXPECT_EQ(html.UpdateHTMLFile().status, HtmlWriteResult::Status::NothingToWrite);  // before CreateReport
  const fs::path target = root.writeFile("YardMark/Reports/2007_GM1.htm", std::string(100000, 'x'));
  for (const Case& c : cases) {
    const fs::path p = root.writeFile(std::string("YardMark/Reports/") + c.name, "partial");
    fs::last_write_time(p, fs::file_time_type::clock::now() - std::chrono::seconds(c.ageSeconds));
  }
  fs::create_directory(tree.reportsFolder() / ".Folder.part");
  fs::last_write_time(tree.reportsFolder() / ".Folder.part", fs::file_time_type::clock::now() - std::chrono::hours(1));
  html.CreateReport(readReportSeason(tree.tmpDatabase()));
  ASSERT_EQ(html.UpdateHTMLFile().status, HtmlWriteResult::Status::Written);
  for (const Case& c : cases) EXPECT_EQ(fs::exists(tree.reportsFolder() / c.name), !c.removed) << c.name;
  EXPECT_TRUE(fs::is_directory(tree.reportsFolder() / ".Folder.part"));
  EXPECT_EQ(readBytes(target), html.pageText());
  // The report, css/ and the folder beside the files kept: no part file of this run left.
  EXPECT_EQ(std::distance(fs::directory_iterator(tree.reportsFolder()), fs::directory_iterator()),
            std::ssize(cases) - 2 + 3);
}

TEST(Figures, HtmlText) {
  const std::pair<std::string, std::string> cases[] = {
      {"Smith John", "Smith John"},
      {"A&B <\"x\">", "A&amp;B &lt;&quot;x&quot;&gt;"},
      {"M\xC3\xBCller \xC3\x89mile", "M\xFCller \xC9mile"},   // Latin-1 as single bytes
      {"\xC5\x81ukasz \xE2\x82\xAC", "&#321;ukasz &#8364;"},  // beyond Latin-1
      {"\xF0\x9F\x8F\x88", "&#127944;"},                      // four-byte sequence
      {"\xC2\x80 \xC2\x7F", "\x80 \xC2\x7F"},                 // the lowest two-byte sequence; a broken one
      {"\xC1\x80 \xE0\x9F\xBF", "\xC1\x80 \xE0\x9F\xBF"},     // overlong: bytes kept
      {"caf\xE9", "caf\xE9"},                                 // not UTF-8: byte kept
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(htmlText(in), out) << in;
}

TEST(ReportName, Rules) {
  const char* kControl = "A report name may not contain control characters such as tab, line break, escape or delete";
  const std::pair<const char*, const char*> cases[] = {
      {"", "Please name the report"},
      {".htm", "File without name"},
      {".html", "File without name"},
      {"Week1.HTM", "Extension of the file should be .html or .htm"},
      {"   ", "Extension of the file should be .html or .htm"},
      {"notes.shtml", "Extension of the file should be .html or .htm"},  // its last five characters are not ".html"
      {"../x.htm", "A report name may not contain any of the characters \\ / : * ? \" < > |"},
      {"a\\b.htm", "A report name may not contain any of the characters \\ / : * ? \" < > |"},
      {"Week\n1.htm", kControl},
      {"a\x7f.htm", kControl},
      {"a\x1f.htm", kControl},
  };
  for (const auto& [name, message] : cases) EXPECT_EQ(reportNameProblem(name).value_or("accepted"), message) << name;
  for (const char* ok : {"x.htm", "x.html", "2007_GM1.htm", "   .htm", "Saison \xC3\xA9t\xC3\xA9.htm", "a ~.htm"})
    EXPECT_FALSE(reportNameProblem(ok)) << ok;
}

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
