// Converting the files of the earlier version in a data folder: rows and values, the kept original, and
// every file that fails left exactly as it was; and yardmark-convert on a data folder: one line a file, a
// summary, exit 0 only when nothing failed.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <tuple>

#include "core/convert/OldFiles.h"
#include "core/db/Database.h"
#include "core/jet/JetFile.h"
#include "support/ReportFixture.h"
#include "support/TempRoot.h"

namespace yardmark::test {
namespace {

namespace fs = std::filesystem;

const std::string kLegacy = readBytes(fixture("game_legacy.mdb"));

using Rows = std::vector<std::vector<std::string>>;

// Every row of a table as the texts the forms would show, without the renumbered key.
Rows rowsOf(const fs::path& file, const std::string& table) {
  Rows rows;
  for (const Row& r : readRows(file, table)) {
    rows.emplace_back();
    for (const Value& v : r) rows.back().push_back(v.isNull() ? "<none>" : textOf(v));
  }
  return rows;
}
const Rows kHeader = {{"Eagles", "Hawks", "2007", "3", "True", "False"}};
const Rows kQuarter = {{"3", "7", "3", "0", "0", "3", "7", "14", "13", "24"}};
const Rows kRushing = {{"18", "87", "1", "0", "Marcus Delaney"},
                       {"9", "41", "0", "1", "Tyrell Okafor"},
                       {"4", "12", "0", "0", "Ben Whitcombe"}};

struct OldFolder {
  TempRoot root;
  DataTree tree{root.dir()};
  fs::path put(const std::string& relative, const std::string& bytes = kLegacy) const {
    return root.writeFile("YardMark/" + relative, bytes);
  }
};

// Every row and value is kept, and so is the original, under a name no file holds yet.
TEST(Convert, LegacyGameKeepsEveryRowAndValueAndItsOriginal) {
  OldFolder f;
  const fs::path game = f.put("games/2007/Game3.mdb");
  f.put("games/2007/Game3.mdb.jet", "older copy");
  f.put("games/2007/Game3.mdb.jet.1", "oldest copy");
  f.put("games/2007/Game3.mdb.converting", "the user's own");
  const ConvertSummary s = convertOldFiles(f.tree, findOldFiles(f.tree), {});
  ASSERT_EQ(s.files.size(), 1u);
  EXPECT_TRUE(s.files[0].ok) << s.files[0].reason;
  const std::pair<const char*, Rows> tables[] = {{"header", kHeader}, {"quarter", kQuarter}, {"rushing", kRushing},
                                                 {"teamStats", {}},   {"passing", {}},       {"receiving", {}},
                                                 {"scoring", {}},     {"defense", {}}};
  for (const auto& [table, rows] : tables) EXPECT_EQ(rowsOf(game, table), rows) << table;
  EXPECT_EQ(s.files[0].keptAs, game.string() + ".jet.2");
  EXPECT_EQ(readBytes(game.string() + ".jet"), "older copy");
  EXPECT_EQ(readBytes(game.string() + ".jet.2"), kLegacy);
  EXPECT_EQ(readBytes(game.string() + ".converting"), "the user's own");
}

// The old files of a data folder and nothing else are found; those that fail stay exactly as
// they were and the others are converted.
TEST(Convert, FindsTheOldFilesAndLeavesEveryOneThatFailsAsItWas) {
  OldFolder f;
  const std::string ours = readBytes(f.tree.masterTemplate());
  const fs::path sqliteGame = f.root.copyTemplate("YardMark/games/2007/Game2.mdb");
  f.put("databases/yardMark_master.mdb");
  f.put("databases/tmpDB.mdb");
  f.put("databases/yardMark_roster.mdb", readBytes(fixture("contacts.mdb")));
  f.put("games/2007/game3.MDB");
  f.put("games/2008/Game10.mdb");
  f.put("games/2007/Game3.txt");
  f.put("games/Game4.mdb");  // not in a year folder
  const std::pair<const char*, std::string> failing[] = {
      {"Game4.mdb", kLegacy.substr(0, 4096)},
      {"Game5.mdb", readBytes(fixture("contacts.mdb"))},
      {"Game6.mdb", kLegacy},
  };
  for (const auto& [name, bytes] : failing) f.put(std::string("games/2007/") + name, bytes);
  ::chmod((f.root.games() / "2007/Game6.mdb").c_str(), 0444);
  const auto found = findOldFiles(f.tree);
  std::vector<std::tuple<fs::path, OldFileKind, bool>> got;
  for (const OldFile& o : found) got.emplace_back(o.path, o.kind, o.copiesTemplate);
  const fs::path y2007 = f.root.games() / "2007";
  EXPECT_EQ(got, (std::vector<std::tuple<fs::path, OldFileKind, bool>>{
                     {f.tree.masterTemplate(), OldFileKind::Game, false},
                     {f.tree.rosterDatabase(), OldFileKind::Roster, false},
                     {f.tree.tmpDatabase(), OldFileKind::Game, false},
                     {y2007 / "game3.MDB", OldFileKind::Game, true},
                     {y2007 / "Game4.mdb", OldFileKind::Game, true},
                     {y2007 / "Game5.mdb", OldFileKind::Game, true},
                     {y2007 / "Game6.mdb", OldFileKind::Game, true},
                     {f.root.games() / "2008/Game10.mdb", OldFileKind::Game, true},
                 }));

  const ConvertSummary s = convertOldFiles(f.tree, found, {});
  ASSERT_EQ(s.files.size(), 8u);
  std::vector<std::string> reasons;
  for (const Conversion& c : s.files) reasons.push_back(c.ok ? "" : c.reason);
  std::string cut(1, '\'');  // appended: GCC 12 at -O3 warns on a prefixed temporary
  cut.append((y2007 / "Game4.mdb").string()).append("' is damaged: its list of tables cannot be read.");
  EXPECT_EQ(reasons,
            (std::vector<std::string>{"", "it holds no roster table", "", "", cut,
                                      "it holds none of the tables of a game file", "the file is read-only", ""}));
  for (size_t i = 0; i < std::size(failing); ++i) {
    const fs::path file = s.files[4 + i].file;
    EXPECT_EQ(readBytes(file), failing[i].second) << file;
    EXPECT_FALSE(fs::exists(file.string() + ".jet")) << file;
    EXPECT_FALSE(fs::exists(file.string() + ".converting")) << file;
  }
  EXPECT_EQ(readBytes(sqliteGame), ours);  // our own game file is never touched
  EXPECT_EQ(rowsOf(f.tree.tmpDatabase(), "rushing"), kRushing);
  // The converted template is the one a year folder's game is copied from.
  EXPECT_EQ(rowsOf(y2007 / "game3.MDB", "rushing").size(), 2 * kRushing.size());
}

// Old files of other shapes than the fixtures, as a reader that answers from a script would
// describe them: names in other letter case, parts our databases lack, values of other kinds.
TEST(Convert, CopiesByColumnNameAndNamesWhatIsLeftOut) {
  OldFolder f;
  const std::string none = "<none>";
  // The reader's answer, the kind of file, and the table's rows and the parts left out after.
  const std::tuple<std::string, OldFileKind, std::string, Rows, std::vector<std::string>> cases[] = {
      {"T\tHEADER\n"
       "C\tHeaderID\tnumber\nC\townteamname\ttext\nC\tYear\ttext\nC\tRecordWins\ttext\n"
       "C\tRecordLosses\tyes/no\nC\tCoach\ttext\nC\tGameNumber\tother\n"
       "R\t7\tEagles\t2007 season\t1 (won)\t0\tSmith\t2007-09-01 00:00:00\n"
       "T\tnotes\nC\tx\ttext\nR\ta\n",
       OldFileKind::Game,
       "header",
       {{"Eagles", none, "2007", none, "True", "False"}},
       {"column HEADER.Coach", "column HEADER.GameNumber (its kind of value cannot be converted)", "table notes"}},
      {"T\trushing\nC\tindRushATT\tyes/no\nC\tindPlayerName\tnumber\nR\t1\t12\nR\t0\t\\N\nR\t Yes\t\\N\n",
       OldFileKind::Game,
       "rushing",
       {{"1", none, none, none, "12"}, {"0", none, none, none, none}, {"1", none, none, none, none}},
       {}},
      {"T\tRoster\nC\trosterPlayerName_LAST\ttext\nC\trosterPlayerName_First\ttext\nR\tO'Neil\tDeclan\n",
       OldFileKind::Roster,
       "roster",
       {{"O'Neil", "Declan", none, none, none, none}},
       {}},
  };
  // A reader that answers with the given text.
  const auto answering = [&](const std::string& text) {
    const fs::path answer = f.root.writeFile("answer.txt", text);
    const fs::path reader = f.root.writeFile("bin/reader", "#!/bin/sh\nexec cat '" + answer.string() + "'\n");
    fs::permissions(reader, fs::perms::owner_all);
    return ConvertOptions{.helper = reader.string()};
  };
  for (const auto& [answer, kind, table, rows, leftOut] : cases) {
    const fs::path old = f.put("games/2007/Game1.mdb");
    const Conversion done =
        convertOldFile({old, kind, kind == OldFileKind::Game}, f.tree.masterTemplate(), answering(answer));
    ASSERT_TRUE(done.ok) << done.reason;
    EXPECT_EQ(std::pair(rowsOf(old, table), done.leftOut), std::pair(rows, leftOut)) << table;
    fs::remove(old.string() + ".jet");
  }
  // An answer that is not the reader's is no reason to replace the file.
  const fs::path old = f.put("games/2007/Game1.mdb");
  EXPECT_EQ(convertOldFile({old, OldFileKind::Game, true}, {}, answering("garbage\n")).reason,
            "the reader's answer is unreadable");
  EXPECT_EQ(readBytes(old), kLegacy);
}

HelperRun convertCommand(const std::vector<std::string>& args) { return runHelper(YARDMARK_CONVERT_EXE, args, 20000); }

// A named pipe where the roster should be is no file of the earlier version: it is never
// opened (that would block the command, and the program at start-up, for ever).
TEST(ConvertCommand, ConvertsTheFolderAndExitsNonZeroOnlyOnAFailure) {
  TempRoot root;
  const std::string legacy = readBytes(fixture("game_legacy.mdb"));
  const fs::path game = root.writeFile("YardMark/games/2007/Game3.mdb", legacy);
  const std::string dir = root.dir().string();
  const fs::path roster = root.databases() / "yardMark_roster.mdb";
  fs::remove(roster);
  ASSERT_EQ(mkfifo(roster.c_str(), 0644), 0);

  const HelperRun dry = convertCommand({"--root", dir, "--dry-run"});
  ASSERT_EQ(dry.end, HelperRun::End::Exited) << "it must not hang";
  EXPECT_EQ(dry.exitCode, 0) << dry.errors;
  EXPECT_EQ(dry.output, "To convert: " + game.string() + "\n1 to convert, 0 tables or columns left out, 0 failed.\n");
  // A full disk, as a file size limit: the game stays as it was, nothing is left beside it.
  const HelperRun full = runHelper(
      "/bin/sh", {"-c", "trap '' XFSZ; ulimit -f 16; exec \"$0\" --root \"$1\"", YARDMARK_CONVERT_EXE, dir}, 20000);
  EXPECT_EQ(full.exitCode, 1) << full.errors;
  EXPECT_EQ(full.output.rfind("Failed: " + game.string() + ": the new file cannot be written (", 0), 0u) << full.output;
  EXPECT_TRUE(
      full.output.ends_with("the file is left as it was\n0 converted, 0 tables or columns left out, 1 failed.\n"))
      << full.output;
  EXPECT_EQ(readBytes(game), legacy);
  EXPECT_EQ(std::distance(fs::directory_iterator(game.parent_path()), fs::directory_iterator()), 1);

  const fs::path crash = root.writeFile("YardMark/games/2007/Game4.mdb", readBytes(fixture("contacts_crash_m58.mdb")));
  const HelperRun run = convertCommand({"--root", dir});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.output, "Converted: " + game.string() + " (5 rows; the original is kept as Game3.mdb.jet)\n" +
                            "Failed: " + crash.string() +
                            ": it is damaged (the reader stopped on it); the file is left as it was\n" +
                            "1 converted, 0 tables or columns left out, 1 failed.\n");
  EXPECT_FALSE(isJetFile(game));
  // Beside it only the original: no half-written file is left.
  EXPECT_EQ(std::distance(fs::directory_iterator(game.parent_path()), fs::directory_iterator()), 3);

  fs::remove(crash);
  const HelperRun again = convertCommand({"--root", dir});
  EXPECT_EQ(again.exitCode, 0);
  EXPECT_EQ(again.output, "No files of the earlier version were found.\n");
  EXPECT_TRUE(fs::is_fifo(roster));

  const std::tuple<std::vector<std::string>, int, std::string> wrong[] = {
      {{"--root", root.games().string()}, 1, "there is no YardMark folder in"},
      {{"--root"}, 2, "--root needs a directory"}};
  for (const auto& [args, exit, said] : wrong) {
    const HelperRun r = convertCommand(args);
    EXPECT_EQ(std::pair(r.exitCode, r.errors.find(said) != std::string::npos), std::pair(exit, true)) << r.errors;
  }
}

}  // namespace
}  // namespace yardmark::test
