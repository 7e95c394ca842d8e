// The season's CSV files read back by Python's csv module, written all or none, and the
// yardmark-report options that write them.
#include <gtest/gtest.h>

#include "DetailSeasons.h"
#include "core/files/DataTree.h"
#include "core/page/CsvExport.h"
#include "core/page/SafeWrite.h"
#include "core/page/SeasonTables.h"

using namespace yardmark;
using namespace yardmark::test;
namespace fs = std::filesystem;

namespace {

// Each file as Python reads it: fields joined by US, rows ended by LF, files by RS.
constexpr const char* kReadBack =
    "import csv,sys\n"
    "for name in sys.argv[1:]:\n"
    "  assert open(name,\"rb\").read(3)==b\"\\xef\\xbb\\xbf\", name\n"
    "  with open(name,newline=\"\",encoding=\"utf-8-sig\") as f:\n"
    "    for row in csv.reader(f): sys.stdout.buffer.write((\"\\x1f\".join(row)+\"\\n\").encode())\n"
    "  sys.stdout.buffer.write(b\"\\x1e\")\n";

void appendJoined(std::string& out, const std::vector<std::string>& row) {
  for (size_t i = 0; i < row.size(); ++i) out.append(i ? "\x1f" : "").append(row[i]);
  out += '\n';
}

std::string joined(const TextTable& t) {
  std::string out;
  appendJoined(out, t.headings);
  for (const auto& row : t.rows) appendJoined(out, row);
  return out += '\x1e';
}

}  // namespace

TEST(Csv, FieldQuoting) {
  const std::pair<std::string, std::string> cases[] = {{"plain", "plain"},
                                                       {"", ""},
                                                       {"M\xC3\xBCller", "M\xC3\xBCller"},
                                                       {"a,b", "\"a,b\""},
                                                       {"say \"hi\"", "\"say \"\"hi\"\"\""},
                                                       {"two\r\nlines", "\"two\r\nlines\""},
                                                       {"lf\n", "\"lf\n\""}};
  for (const auto& [text, field] : cases) EXPECT_EQ(csvField(text), field) << text;
}

TEST(Csv, PythonReadsBackEveryTable) {
  TempRoot root;
  const SeasonDetail d = buildSeasonDetail(writeSeason(root, escapeSeason()));
  const fs::path dir = root.dir() / "export" / "2008";  // made when missing
  writeSeasonCsv(dir, d);
  std::vector<std::string> args{"-c", kReadBack};
  std::string expected;
  std::vector<TextTable> tables{resultsTable(d), teamTable(d, true)};
  for (size_t t = 0; t < kPlayerTableCount; ++t) tables.push_back(mergedPlayerTable(d, t));
  for (const TextTable& t : tables) expected += joined(t);
  for (const std::string& name : csvFileNames()) args.push_back(name);
  const auto [status, out, err] = runIn(dir, "python3", args);
  EXPECT_EQ(status, 0) << err;
  EXPECT_EQ(out.substr(0, expected.size()), expected);
  // The per-game rows: a quoted name, the opponent, and the figures in the table's own columns.
  EXPECT_EQ(out.substr(expected.size()).find("Player\x1fYear\x1fGame\x1fOpponent\x1fTable\x1fRushing ATT\x1f"), 0u);
  EXPECT_NE(out.find("\nM\xC3\xBCller, J\xC3\xBCrgen\x1f" "2008\x1f" "4\x1fHawks \"Red\"\x1f" "Defense" +
                     std::string(22, '\x1f') + "5\x1f" "0\x1f" "0\x1f" "0\x1f" "5\x1f" "0\x1f" "0\x1f" "0\x1f" "0\n\x1e"),
            std::string::npos);
}

TEST(Csv, AFolderInAFilesPlaceWritesNone) {
  TempRoot root;
  const SeasonDetail d = buildSeasonDetail(writeSeason(root, oneGameSeason()));
  const fs::path dir = root.dir() / "out";
  root.writeFile("out/results.csv", "old");
  fs::create_directories(dir / "team.csv");
  EXPECT_EQ(existingCsvFiles(dir), (std::vector<std::string>{"results.csv", "team.csv"}));
  try {
    writeSeasonCsv(dir, d);
    ADD_FAILURE() << "written";
  } catch (const WriteError& e) {
    EXPECT_EQ(e.file(), dir / "team.csv");
  }
  EXPECT_EQ(readBytes(dir / "results.csv"), "old");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);  // no part files
}

TEST(ReportCommandCsv, WritesTheFilesBesideReportAndDetailPage) {
  TempRoot root;
  const std::vector<fs::path> games = writeSeason(root, threeGameSeason());
  const DataTree tree(root.dir());
  const fs::path out = root.dir() / "export";
  const auto report = [&](std::vector<std::string> args) {
    args.insert(args.begin(), {"--root", root.dir().string()});
    for (const fs::path& g : games) args.push_back(g.string());
    return runIn(root.dir(), YARDMARK_REPORT_EXE, args);
  };
  ProgramRun r = report({"--csv", out.string(), "Season.htm"});
  ASSERT_EQ(r.exit, 0) << r.err;
  EXPECT_EQ(readBytes(tree.reportsFolder() / "detail" / "Season.htm"), readBytes(fixture("detail/three_games.htm")));
  EXPECT_EQ(existingCsvFiles(out), csvFileNames());
  EXPECT_EQ(readBytes(out / "rushing.csv"),
            "\xEF\xBB\xBFPlayer,ATT,YDS,AVG,TDS,2PTS\r\nSmith John ,24,134,6,2,0\r\nJones Al ,31,105,3,1,0\r\n");
  EXPECT_NE(readBytes(out / "defense.csv").find("\r\nLee Max ,10,5,3,1,18,1,1,1,0\r\n"), std::string::npos);
  // Each table's figures in its own columns; both of Jones Al's rushing rows in game 3 summed.
  const std::string perGame = readBytes(out / "player_games.csv");
  EXPECT_NE(perGame.find("\r\nJones Al ,2007,3,Ravens,Rushing,12,45,4,1,0" + std::string(25, ',') + "\r\n"),
            std::string::npos);
  EXPECT_NE(perGame.find("\r\nLee Max ,2007,2,Owls,Defense" + std::string(22, ',') + "4,2,2,0,8,1,0,1,0\r\n"),
            std::string::npos);

  r = report({"--no-detail", "Plain.htm"});
  EXPECT_EQ(r.exit, 0) << r.err;
  EXPECT_TRUE(fs::exists(tree.reportsFolder() / "Plain.htm"));
  EXPECT_FALSE(fs::exists(tree.reportsFolder() / "detail" / "Plain.htm"));

  // Refused before anything is written: a CSV folder that is a file, a game that cannot be read.
  const fs::path file = root.writeFile("notes.txt", "x"), fresh = root.dir() / "fresh";
  const std::pair<std::vector<std::string>, std::string> refused[] = {
      {{"--csv", file.string(), "Bad.htm"}, file.string()},
      {{"--csv", fresh.string(), "Bad.htm", (root.dir() / "No.mdb").string()}, "No.mdb"}};
  for (const auto& [args, named] : refused) {
    r = report(args);
    EXPECT_EQ(r.exit, 1) << named;
    EXPECT_NE(r.err.find(named), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(tree.reportsFolder() / "Bad.htm"));
    EXPECT_FALSE(fs::exists(tree.reportsFolder() / "detail" / "Bad.htm"));
    EXPECT_FALSE(fs::exists(fresh));
  }
}
