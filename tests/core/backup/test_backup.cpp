// The one-file back-up: a data folder with a game open mid-transaction, backed up, restored
// into an empty folder and compared row by row; what a restore moves aside; the archives it
// refuses; Cancel; and yardmark-backup's exit codes.
#include <fstream>

#include "BackupKit.h"
#include "core/jet/HelperProcess.h"

namespace fs = std::filesystem;

namespace yardmark::test {
namespace {

const char* const kTables[] = {"header",    "quarter", "teamStats", "rushing",    "passing",
                               "receiving", "scoring", "defense",   "gameDetails"};

std::vector<std::vector<Row>> gameRows(const fs::path& game) {
  std::vector<std::vector<Row>> out;
  for (const char* t : kTables) out.push_back(readRows(game, t));
  return out;
}

// Backed up with a game open mid-transaction, restored into an empty folder, then over the
// folder itself, which moves every file it replaces aside, or undoes a move that fails.
TEST(Backup, AGameOpenMidTransactionIsBackedUpAsCommittedAndRestoredRowByRow) {
  DataFolder data;
  addRows(data.game3, "gameDetails", {{"2007-09-14", "Home", "Eagle Field", 7, 0, ""}});
  const auto committed = gameRows(data.game3);
  SQLite::Database writer(data.game3.string(), SQLite::OPEN_READWRITE);
  writer.exec("BEGIN IMMEDIATE");
  writer.exec("INSERT INTO rushing (indRushATT, indPlayerName) VALUES (99, 'Uncommitted')");
  Recorded told;
  const BackupReport r = backUpData(data.tree(), data.archive, &told);
  writer.exec("COMMIT");  // the writer was never disturbed
  // Two games, the roster, the pages and the style sheet.
  EXPECT_EQ(std::tuple(r.games, r.roster, r.reportFiles), std::tuple(2u, true, 3u));

  const fs::path empty = data.root.dir() / "elsewhere";
  fs::create_directory(empty);
  Recorded restoring;
  const RestoreReport restored = restoreBackup(data.archive, DataTree(empty), &restoring);
  expectReference(told.text() + "restored:\n" + restoring.text(), "backup/steps.txt");  // forward only, to the end
  EXPECT_EQ(restored.summary.years, (std::vector<std::pair<std::string, size_t>>{{"2007", 1}, {"2008", 1}}));
  EXPECT_EQ(
      std::tuple(restored.restored, restored.summary.rosterPlayers, restored.summary.reports, restored.summary.files),
      std::tuple(6u, 2, 2u, 6u));
  const fs::path back = empty / "YardMark";
  EXPECT_EQ(gameRows(back / "games/2007/Game3.mdb"), committed);
  EXPECT_EQ(filesBelow(back / "Reports"), filesBelow(data.root.yardmark() / "Reports"));
  EXPECT_TRUE(fs::exists(back / "databases/yardMark_master.mdb"));  // the tree is whole again

  addRows(data.game3, "rushing", {{1, 2, 0, 0, "Later Row"}});
  const auto later = gameRows(data.game3);
  const fs::path journal = data.root.writeFile("YardMark/games/2007/Game3.mdb-journal", "");
  const fs::path kept = data.root.copyTemplate("YardMark/games/2007/Game9.mdb");
  fs::rename(data.root.yardmark() / "Reports", data.root.yardmark() / "reports");  // another spelling, one folder
  const auto now = std::chrono::system_clock::now();
  const fs::path aside = restoreBackup(data.archive, data.tree(), {}, now).replacedFolder;
  EXPECT_EQ(aside.parent_path(), data.root.yardmark());
  EXPECT_EQ(aside.filename().string().rfind("replaced 20", 0), 0u) << aside;
  EXPECT_EQ(gameRows(aside / "games/2007/Game3.mdb"), later);
  EXPECT_EQ(gameRows(data.game3), committed);
  EXPECT_TRUE(fs::exists(aside / "games/2007/Game3.mdb-journal"));
  EXPECT_EQ(std::tuple(fs::exists(aside / "reports/2007_GM1.htm"), fs::exists(journal), fs::exists(kept)),
            std::tuple(true, false, true));
  EXPECT_FALSE(fs::exists(data.root.yardmark() / "Reports"));
  // A second restore in the same second keeps the first one's files apart.
  EXPECT_EQ(restoreBackup(data.archive, data.tree(), {}, now).replacedFolder, aside.string() + " (2)");
  // A move that fails half way, where a file stands in a year folder's place, is undone.
  addRows(data.game3, "rushing", {{1, 2, 0, 0, "Later Row"}});
  fs::remove_all(data.root.games() / "2008");
  data.root.writeFile("YardMark/games/2008", "a file where the back-up has a folder");
  const auto before = filesBelow(data.root.dir());
  const auto entries = [&] { return std::distance(fs::directory_iterator(data.root.yardmark()), {}); };
  const auto made = entries();
  EXPECT_THROW(restoreBackup(data.archive, data.tree()), BackupError);
  EXPECT_EQ(std::pair(filesBelow(data.root.dir()), entries()), std::pair(before, made));
}

TEST(Backup, RefusedArchivesLeaveTheFolderAsItWas) {
  DataFolder data;
  backUpData(data.tree(), data.archive);
  const std::string good = readBytes(data.archive), game = readBytes(data.game3);
  std::string flipped = good, crc = good, badDb = game;
  flipped[good.find("games/2007/Game3.mdb") + 120] ^= 0x55;
  crc[14] ^= 1;  // the first entry's check sum in its own header: the open itself fails
  badDb.replace(100, 3996, 3996, 'x');
  struct Case {
    const char* what;
    Entries entries;  // none: the bytes below
    std::string bytes, reason;
    bool onlyRestoreRefuses = false;  // the folder, not the archive, is in the way
  };
  // clang-format off
  const Case cases[] = {
      {"missing", {}, "", "cannot be read (No such file"},
      {"someone else's zip", {{"notes.txt", "hello"}}, {}, "is not a YardMark backup."},
      {"a list of another kind", {{"yardmark-backup.txt", "Notes\n"}}, {}, "is not a YardMark backup."},
      {"cut short", {}, good.substr(0, good.size() / 2), "is damaged"},
      {"a byte changed", {}, flipped, "is damaged"},
      {"headers that disagree", {}, crc, "is damaged (Zip archive inconsistent"},
      {"a climb out", listing("../evil.mdb", game), {}, "leaves the data folder: ../evil.mdb"},
      {"an absolute path", listing("/tmp/evil.mdb", game), {}, "leaves the data folder"},
      {"a drive", listing("C:/evil.mdb", game), {}, "leaves the data folder: C:/evil.mdb"},
      {"the template", listing("databases/yardMark_master.mdb", game), {}, "no part of YardMark's data"},
      {"a file of another kind among the reports", listing("Reports/notes.txt", game), {}, "no part of YardMark's data"},
      {"a game with no number", listing("games/2007/Gamex.mdb", game), {}, "no part of YardMark's data"},
      {"a listed file missing", listing("games/2007/Game4.mdb", game, false), {}, "Game4.mdb is missing"},
      {"an unlisted file", {{"yardmark-backup.txt", "YardMark backup 1\n"}, {"games/2007/Game4.mdb", game}}, {}, "not in its list"},
      {"a damaged database", listing("games/2007/Game4.mdb", badDb), {}, "fails the database check"},
      {"a newer format", {{"yardmark-backup.txt", "YardMark backup 2\n"}}, {}, "another version"},
      {"a folder in a file's place", listing("games/2007/Game5.mdb", game), {}, "stands where the back-up puts a file", true},
  };
  // clang-format on
  fs::create_directories(data.root.yardmark() / "games/2007/Game5.mdb" / "notes");
  const auto before = filesBelow(data.root.dir());
  const fs::path bad = data.root.dir() / "bad.zip";
  for (const Case& c : cases) {
    if (!c.entries.empty())
      writeZip(bad, c.entries);
    else if (!c.bytes.empty())
      std::ofstream(bad, std::ios::binary | std::ios::trunc) << c.bytes;
    if (!c.onlyRestoreRefuses) {
      EXPECT_TOLD(c.reason, refusal([&] { inspectBackup(bad); })) << c.what;
    }
    EXPECT_TOLD(c.reason, refusal([&] { restoreBackup(bad, data.tree()); })) << c.what;
    fs::remove(bad);
    EXPECT_EQ(filesBelow(data.root.dir()), before) << c.what;
  }
}

// Cancel or a failure keeps the earlier archive; yardmark-backup exits 0 only for an archive written and checked.
TEST(Backup, CancelOrAFailureKeepsTheEarlierArchive) {
  DataFolder data;
  data.root.writeFile("YardMark/games/2009/Game1.mdb", "Standard Jet DB earlier version");
  const BackupReport first = backUpData(data.tree(), data.archive);
  EXPECT_EQ(first.copiedAsIs, std::vector<fs::path>{data.root.games() / "2009/Game1.mdb"});
  const std::string kept = readBytes(data.archive);
  for (const char* stopAt : {"Copying", "Writing", "Checking"}) {
    Recorded cancel;
    cancel.stopAt = stopAt;
    EXPECT_THROW(backUpData(data.tree(), data.archive, &cancel), BackupCancelled) << stopAt;
    EXPECT_EQ(readBytes(data.archive), kept) << stopAt;
    for (const auto& e : fs::directory_iterator(data.archive.parent_path()))
      EXPECT_EQ(e.path().filename().string().find(".part"), std::string::npos) << stopAt << ' ' << e.path();
  }

  const std::string dir = data.root.dir().string(), archive = data.archive.string();
  const std::tuple<std::vector<std::string>, int, std::string> commands[] = {
      {{"--root", dir, archive}, 0, "Backed up 3 games, the roster and 3 report files to "},
      {{"--root", dir}, 2, "name the archive"},
      {{"--root", dir, dir + "/no/such/folder/b.zip"}, 1, "does not exist"},
      {{"--root", dir, dir}, 1, "is a folder."},
      {{"--root", dir + "/YardMark/games", archive}, 1, "There is no YardMark folder"},
      {{"--root", dir, "--list", archive},
       0,
       " and holds:\n    2007: 1 game\n    2008: 1 game\n    1 file of an earlier version\n"
       "    the roster: 2 players\n    2 report pages\nRestoring it would replace:\n    "},
      {{"--root", dir, "--restore", archive}, 1, "Restore it? [y/N] Nothing was restored.\n"},  // no answer: no
      {{"--root", dir, "--list", "--restore", archive}, 2, "--list and --restore do not go together"},
      {{"--root", dir, "--yes", archive}, 2, "--yes goes with --restore"},
  };
  for (const auto& [args, exit, said] : commands) {
    const HelperRun run = runHelper(YARDMARK_BACKUP_EXE, args, 60000);
    EXPECT_EQ(run.exitCode, exit) << said << run.errors;
    EXPECT_NE((run.output + run.errors).find(said), std::string::npos) << run.output << run.errors;
  }
  const std::string written = readBytes(data.archive);

  std::string damaged = readBytes(data.game1);
  damaged.replace(4096, 4096, 4096, '\x7f');
  // A game whose pages are damaged, and one whose header alone is a database's.
  const std::string header = std::string("SQLite format 3\0", 16) + std::string(8176, 'x');
  for (const auto& [bytes, told] : {std::pair{damaged, std::string("' is damaged")},
                                    std::pair{header, std::string("' cannot be copied (file is not a database).")}}) {
    std::ofstream(data.game1, std::ios::binary | std::ios::trunc) << bytes;
    EXPECT_TOLD(data.game1.string() + told, refusal([&] { backUpData(data.tree(), data.archive); }));
    EXPECT_EQ(readBytes(data.archive), written);
  }
}

}  // namespace
}  // namespace yardmark::test
