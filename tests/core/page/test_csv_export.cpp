// The season's CSV fields, the files written all or none, and the yardmark-report options that
// write them.
#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <tuple>

#include "DetailSeasons.h"
#include "core/files/DataTree.h"
#include "core/files/SafeWrite.h"
#include "core/page/CsvExport.h"
#include "core/page/DetailPage.h"

using namespace yardmark;
using namespace yardmark::test;
namespace fs = std::filesystem;

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

namespace {

std::map<std::string, std::string> filesIn(const fs::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::directory_iterator(folder))
    files[entry.path().filename().string()] = fs::is_directory(entry.path()) ? "<folder>" : readBytes(entry.path());
  return files;
}

}  // namespace

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
