// What a restore and a back-up must survive: hostile archives, a kill at any step, renames
// that fail across disks, a game another program holds, and targets that are no file.
#include <sys/stat.h>

#include <cstdlib>
#include <fstream>

#include "BackupKit.h"
#include "core/backup/Archive.h"
#include "core/backup/RestorePlan.h"
#include "core/jet/HelperProcess.h"

namespace fs = std::filesystem;

namespace yardmark::test {
namespace {

// The data folder as the coach sees it: every file, except folders of replaced files.
std::map<std::string, std::string> seen(const fs::path& root) {
  std::map<std::string, std::string> out;
  for (auto& [path, bytes] : filesBelow(root / "YardMark"))
    if (!path.starts_with("replaced ") && path.find("/.yardmark-replaced") == std::string::npos) out[path] = bytes;
  return out;
}

// Hidden restore folders, the plan or part files anywhere below.
std::vector<std::string> leftovers(const fs::path& dir) {
  std::vector<std::string> out;
  for (const auto& e : fs::recursive_directory_iterator(dir)) {
    const std::string name = e.path().filename().string();
    if (name.starts_with(".yardmark-restore") || name == "restore-in-progress.txt" ||
        name.find(".part") != std::string::npos)
      out.push_back(e.path().string());
  }
  return out;
}

// The coach's folder after the back-up: a game changed, one gone, one new.
struct Changed : DataFolder {
  Changed() {
    backUpData(tree(), archive);
    addRows(game3, "rushing", {{1, 2, 0, 0, "Later Row"}});
    fs::remove(game1);
    makeGame(root, "YardMark/games/2009/Game2.mdb", {});
  }
};

// An archive may hold only names the program itself gives, each at its limits: the area it
// restores to, or why not ("leaves", "long", "no part").
TEST(RestoreFaults, AnArchiveHoldsOnlyTheNamesTheProgramGives) {
  const std::string a32(32, 'a'), a97(97, 'a'), a100(std::string(100, 'a') + "/"), a116(116, 'a');
  using backup::Area;
  const std::tuple<std::string, Area, const char*> cases[] = {
      {"games/2007/Game3.mdb", Area::Game, ""},
      {"Games/a-Z_0 9/GAME1234567890.MDB", Area::Game, ""},
      {"games/" + a32 + "/Game1.mdb", Area::Game, ""},
      {"games/" + a32 + "a/Game1.mdb", Area::None, "no part"},
      {"games/2007/Game.mdb", Area::None, "no part"},
      {"games/2007/Game12345678901.mdb", Area::None, "no part"},
      {"games/2007/Game3a.mdb", Area::None, "no part"},
      {"games/20@7/Game1.mdb", Area::None, "no part"},
      {"games/20[7/Game1.mdb", Area::None, "no part"},
      {"games/Game3.mdb", Area::None, "no part"},
      {"databases/YARDMARK_ROSTER.MDB", Area::Roster, ""},
      {"databases/x/yardMark_roster.mdb", Area::None, "no part"},
      {"Reports/x.HTML", Area::Report, ""},
      {"Reports/a/b .csv", Area::Report, ""},
      {"Reports/a/b/c.svg", Area::None, "no part"},
      {"Reports/.x.css", Area::None, "no part"},
      {"Reports/x /y.htm", Area::None, "no part"},
      {"Reports/x.txt", Area::None, "no part"},
      {"Reports/a\x1f.htm", Area::None, "no part"},
      {"Reports/a\x7f.htm", Area::None, "no part"},
      {"Reports/a?.htm", Area::None, "no part"},
      {"Reports/" + a116 + ".htm", Area::Report, ""},
      {"Reports/" + a116 + "a.htm", Area::None, "long"},
      {a100 + a100 + a100 + a97, Area::None, "no part"},
      {a100 + a100 + a100 + a97 + "a", Area::None, "long"},
      {"", Area::None, "leaves"},
      {"/Reports/x.htm", Area::None, "leaves"},
      {"C:/Reports/x.htm", Area::None, "leaves"},
      {"Reports/a\\b.htm", Area::None, "leaves"},
      {"Reports/./x.htm", Area::None, "leaves"},
  };
  for (const auto& [name, area, why] : cases) {
    EXPECT_EQ(backup::areaOf(name), area) << name;
    const std::string problem = backup::entryProblem(name);
    EXPECT_TRUE(std::string(why).empty() ? problem.empty() : problem.find(why) != std::string::npos) << name;
  }
}

// The plan reads back as written, whatever its paths hold; a plan not whole is refused.
TEST(RestoreFaults, ThePlanReadsBackAsWrittenAndADamagedOneIsRefused) {
  TempRoot root;
  const fs::path file = root.dir() / "plan.txt", odd = "/a%b\tc\rd\ne 50%";
  backup::RestorePlan plan{{"/made"}, {"/staging", odd}, true, {"/replaced"}, {{odd, "/x", 7}}, {{"/s/1", odd, 9}}};
  backup::writePlan(file, plan);
  const backup::RestorePlan back = backup::readPlan(file);
  EXPECT_EQ(std::tuple(back.madeFolders, back.stagingFolders, back.staged, back.replacedFolders),
            std::tuple(plan.madeFolders, plan.stagingFolders, true, plan.replacedFolders));
  for (const auto& [got, want] : {std::pair(back.aside, plan.aside), std::pair(back.place, plan.place)}) {
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(std::tuple(got[0].from, got[0].to, got[0].size), std::tuple(want[0].from, want[0].to, want[0].size));
  }
  const std::string whole = readBytes(file), title = whole.substr(0, whole.find('\n') + 1);
  for (const std::string& text :
       {std::string(), std::string("YardMark restore plan 2\nend\n"), title, title + "\nend\n", title + "made\nend\n",
        title + "place\t1\t/a\nend\n", title + "aside\t1\t/a\t/b\t/c\nend\n"}) {
    root.writeFile("plan.txt", text);
    EXPECT_THROW(backup::readPlan(file), BackupError) << text;
  }
}

// Any entry the names above refuse is refused the same way.
TEST(RestoreFaults, CraftedArchivesAreRefusedBeforeAnythingMoves) {
  Changed data;
  const std::string game = readBytes(data.game3);
  SQLite::Database(data.root.dir() / "foreign.db", SQLite::OPEN_CREATE | SQLite::OPEN_READWRITE)
      .exec("CREATE TABLE notes (t TEXT)");
  const std::string foreign = readBytes(data.root.dir() / "foreign.db");
  const std::string bomb(3 << 20, '\0');
  // What the archive holds, its entries, and why it is refused (empty: restored).
  const std::tuple<const char*, Entries, std::string> cases[] = {
      {"a journal", listing("games/2007/Game4.mdb-journal", game), "no part of YardMark's data"},
      {"a wal", listing("games/2007/Game3.mdb-wal", game), "no part of YardMark's data"},
      {"a link", listing("Reports/x.htm@", "/etc/passwd"), "holds a link: Reports/x.htm"},
      {"a bomb", listing("Reports/bomb.htm", bomb), "more than 200 times its packed size"},
      {"a foreign game", listing("games/2007/Game4.mdb", foreign), "is no YardMark game: it has no table header"},
      {"a foreign roster", listing("databases/yardMark_roster.mdb", foreign), "is no YardMark roster"},
      {"CR LF", listing("games/2010/Game7.mdb", game, true, "\r\n"), ""},
  };
  for (const auto& [what, entries, reason] : cases) {
    const auto before = seen(data.root.dir());
    const fs::path bad = data.root.dir() / "crafted.zip";
    writeZip(bad, entries);
    try {
      const BackupSummary s = inspectBackup(bad);
      const RestoreReport r = restoreBackup(bad, data.tree());
      EXPECT_EQ(std::tuple(reason, s.games, r.restored), std::tuple("", 1ul, 1ul)) << what;
      EXPECT_EQ(readRows(data.root.games() / "2010/Game7.mdb", "rushing"), readRows(data.game3, "rushing"));
    } catch (const BackupError& e) {
      EXPECT_NE(reason, "") << what << ": " << e.what();
      EXPECT_TOLD(reason, e.what()) << what;
      EXPECT_EQ(seen(data.root.dir()), before) << what;
    }
    EXPECT_EQ(leftovers(data.root.yardmark()), std::vector<std::string>{}) << what;
  }
}

// A child restores and ends at step N, as a kill would end it; the next start finishes it or
// undoes it, never leaving a mix.
TEST(RestoreFaults, AKillAtAnyStepEndsAsTheCoachsFolderOrTheArchivesAtTheNextStart) {
  Changed data;
  const fs::path pristine = data.root.dir() / "pristine", done = data.root.dir() / "done";
  for (const fs::path& p : {pristine, done}) fs::create_directories(p);
  fs::copy(data.root.yardmark(), pristine / "YardMark", fs::copy_options::recursive);
  fs::copy(data.root.yardmark(), done / "YardMark", fs::copy_options::recursive);
  restoreBackup(data.archive, DataTree(done));
  const auto before = seen(pristine), after = seen(done);
  ASSERT_NE(before, after);
  int finished = 0, undone = 0;
  for (int step = 1; step < 60; ++step) {
    const fs::path run = data.root.dir() / ("run%" + std::to_string(step));  // a mark the plan escapes
    fs::copy(pristine, run, fs::copy_options::recursive);
    setenv("YARDMARK_STOP_AT_STEP", std::to_string(step).c_str(), 1);
    const HelperRun child =
        runHelper(YARDMARK_BACKUP_EXE, {"--root", run.string(), "--restore", data.archive.string(), "--yes"}, 60000);
    unsetenv("YARDMARK_STOP_AT_STEP");
    if (child.exitCode == 0) {  // the restore ran to its end
      EXPECT_TOLD("6 files were restored.\nThe files it replaced were moved into " + (run / "YardMark").string(),
                  child.output);
      break;
    }
    ASSERT_EQ(child.exitCode, 86) << step << child.errors;
    const std::string told = backup::finishInterruptedRestore(DataTree(run)).value_or("no plan");
    const auto now = seen(run);
    EXPECT_TRUE(now == before || now == after) << "step " << step << ": " << told;
    EXPECT_TRUE(now == after || finished == 0) << step;  // once the archive's files are staged, always forward
    (now == after ? finished : undone) += 1;
    EXPECT_NE(told.find(now == after ? "finished" : "undone"), std::string::npos) << told;
    EXPECT_EQ(leftovers(run), std::vector<std::string>{}) << step;
    // Finished: the coach's changed game is in the replaced folder, byte for byte.
    for (const auto& e : fs::directory_iterator(run / "YardMark"))
      if (e.path().filename().string().starts_with("replaced ")) {
        EXPECT_EQ(readBytes(e.path() / "games/2007/Game3.mdb"), before.at("games/2007/Game3.mdb")) << step;
      }
  }
  EXPECT_GT(finished, 3);
  EXPECT_GT(undone, 3);
}

// Renames that fail (as across two disks): undone and said so, or, when the undo fails too,
// said as such with where each file is, and put right at the next start.
TEST(RestoreFaults, FailedRenamesAreUndoneOrToldAsSuch) {
  Changed data;
  const auto before = seen(data.root.dir());
  backup::Rename& rename = backup::renameSeam();
  const backup::Rename real = rename;
  for (const bool undoFails : {false, true}) {
    bool failing = false;  // once the roster cannot be placed, every rename fails when the undo is to fail too
    rename = [&](const fs::path& from, const fs::path& to) {
      const bool roster = to.filename() == "yardMark_roster.mdb" &&
                          from.parent_path().filename().string().starts_with(".yardmark-restore");
      failing = roster || (failing && undoFails);
      return failing ? std::make_error_code(std::errc::cross_device_link) : real(from, to);
    };
    const std::string told = refusal([&] { restoreBackup(data.archive, data.tree()); });
    EXPECT_TOLD(undoFails ? "putting the folder back failed too" : "the folder was left as it was", told);
    rename = real;
    if (undoFails) {
      EXPECT_TOLD(std::string("belongs at ").append(backup::quoted(data.game3)), told);
      EXPECT_NE(backup::finishInterruptedRestore(data.tree()), std::nullopt);
    }
    EXPECT_EQ(leftovers(data.root.yardmark()), std::vector<std::string>{});
    const auto now = seen(data.root.dir());
    EXPECT_TRUE(now == before || (undoFails && now.at("games/2007/Game3.mdb") != before.at("games/2007/Game3.mdb")));
  }
  // A year folder on another disk: staged and replaced on that disk.
  const fs::path other = fs::path("/dev/shm") / data.root.dir().filename();
  struct stat shm {
  }, tmp{};
  if (::stat("/dev/shm", &shm) != 0 || ::stat(data.root.dir().c_str(), &tmp) != 0 || shm.st_dev == tmp.st_dev)
    GTEST_SKIP() << "no second file system";
  fs::create_directories(other);
  fs::copy(data.root.games() / "2007", other / "2007", fs::copy_options::recursive);
  fs::remove_all(data.root.games() / "2007");
  fs::create_directory_symlink(other / "2007", data.root.games() / "2007");
  const auto coachs = readBytes(other / "2007/Game3.mdb");
  const RestoreReport r = restoreBackup(data.archive, data.tree());
  ASSERT_EQ(r.otherReplacedFolders.size(), 1u);
  EXPECT_EQ(readBytes(r.otherReplacedFolders[0] / "Game3.mdb"), coachs);
  EXPECT_EQ(rowCount(other / "2007/Game3.mdb", "rushing"), 1);
  EXPECT_EQ(leftovers(other), std::vector<std::string>{});
  fs::remove_all(other);
}

TEST(RestoreFaults, AGameAnotherProgramHoldsIsNotReplaced) {
  Changed data;
  const auto before = seen(data.root.dir());
  SQLite::Database writer(data.game3.string(), SQLite::OPEN_READWRITE);
  writer.exec("BEGIN IMMEDIATE");
  writer.exec("INSERT INTO rushing (indRushATT, indPlayerName) VALUES (99, 'Saving')");
  EXPECT_TOLD("Another program is using these files, so nothing was restored; close it and restore again:\n" +
                  data.game3.string(),
              refusal([&] { restoreBackup(data.archive, data.tree()); }));
  writer.exec("COMMIT");  // the other program's save goes through
  EXPECT_EQ(rowCount(data.game3, "rushing"), 3);
  EXPECT_EQ(leftovers(data.root.yardmark()), std::vector<std::string>{});
}

// Targets that are no file of the back-up's own are refused before a byte is written; part files
// a killed back-up left are removed once a minute old.
TEST(RestoreFaults, TheBackUpTouchesOnlyItsOwnFile) {
  DataFolder data;
  const fs::path dir = data.root.dir();
  ::mkfifo((dir / "fifo.zip").c_str(), 0600);
  fs::create_directory_symlink(data.root.yardmark() / "Reports", dir / "reports-link");
  const std::pair<fs::path, std::string> refused[] = {
      {dir / "fifo.zip", "is not a regular file"},
      {"/dev/null", "is not a regular file"},
      {dir / "reports-link/b.zip", "inside the folder it backs up"},
  };
  for (const auto& [target, reason] : refused) {
    const auto kind = fs::status(target).type();
    const std::string told = refusal([&] { backUpData(data.tree(), target); });
    EXPECT_TOLD(reason, told);
    EXPECT_EQ(told.find("No error"), std::string::npos) << told;
    EXPECT_EQ(fs::status(target).type(), kind) << target;
  }
  const auto old = fs::file_time_type::clock::now() - std::chrono::minutes(2);
  for (const char* name : {"b.zip.part", "b.zip.part.Ab12Cd", "b.zip.part-copies-Ab12Cd", "c.zip.part.Xy34Zw",
                           ".c.zip.Xy34Zw.part", ".c.zip.Xy34Zw.part.Ab12Cd", "keep.zip.part.new123"}) {
    const bool copies = std::string(name).find("copies") != std::string::npos;
    const fs::path p =
        copies ? data.root.writeFile(std::string(name) + "/0", "x").parent_path() : data.root.writeFile(name, "x");
    if (!std::string(name).ends_with("new123")) fs::last_write_time(p, old);
  }
  backUpData(data.tree(), dir / "b.zip");
  std::vector<std::string> left;
  for (const auto& e : fs::directory_iterator(dir))
    if (e.path().filename().string().find(".part") != std::string::npos) left.push_back(e.path().filename().string());
  EXPECT_EQ(left, std::vector<std::string>{"keep.zip.part.new123"});
}

}  // namespace
}  // namespace yardmark::test
