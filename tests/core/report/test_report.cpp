// The merge of game files into the temporary database, the generation driver and the yardmark-report
// command.
#include <SQLiteCpp/SQLiteCpp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>
#include <thread>

#include "core/files/DataTree.h"
#include "core/jet/HelperProcess.h"
#include "core/page/DetailPage.h"
#include "core/report/Consolidator.h"
#include "core/report/ReportGenerator.h"
#include "core/report/RunLock.h"
#include "core/season/Season.h"
#include "support/ReportFixture.h"

namespace yardmark::test {
namespace {

namespace fs = std::filesystem;

struct Merge {
  Merge() : tree(root.dir()), merge(tree.tmpDatabase(), tree.masterTemplate()) {}
  fs::path game(const std::string& name, const GameRows& rows) {
    return makeGame(root, "YardMark/games/2007/" + name, rows);
  }
  std::vector<Row> rows(std::string_view table) const { return readRows(tree.tmpDatabase(), table); }
  TempRoot root;
  DataTree tree;
  Consolidator merge;
};

Row quarter(double base) {
  Row r;
  for (int k = 0; k < 10; ++k) r.emplace_back(base + k);
  return r;
}

// The second game given twice, read only: its player tables summed each over its own width.
TEST(Merge, PlayersByExactNameAndEveryTableOverItsOwnWidth) {
  Merge m;
  // Smith twice in one game.
  const fs::path a = m.game("Game1.mdb", {.rushing = {{1, 10, 0, 0, "Smith"},
                                                      {2, 20, 1, 0, "smith"},
                                                      {3, 30, 0, 1, "Smith "},
                                                      {4, 40, 0, 0, "Smith"},
                                                      {5, 50, 0, 0, Value{}},
                                                      {6, 60, 0, 0, Value{}}}});
  const fs::path b = m.game("Game2.mdb", {.rushing = {{10, 100, 1, 1, "Jones"}, {Value{}, 7, 1, 0, "Smith"}},
                                          .passing = {{1, 2, 3, 4, 5, "P"}},
                                          .receiving = {{1, 2, 3, 4, "R"}},
                                          .scoring = {{1, 2, 3, 4, 5, "S"}},
                                          .defense = {{1, 2, 3, 4, 5, 6, 7, 8, "D"}}});
  const std::string before = readBytes(b);
  fs::permissions(b, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  m.merge.createConsolidated(readSeason({a, b, b}));
  EXPECT_EQ(readBytes(b), before);
  // First-met order; case and blanks count; a name without a value matches nothing.
  EXPECT_EQ(m.rows("rushing"), (std::vector<Row>{{5, 64, 2, 0, "Smith"},
                                                 {2, 20, 1, 0, "smith"},
                                                 {3, 30, 0, 1, "Smith "},
                                                 {5, 50, 0, 0, Value{}},
                                                 {6, 60, 0, 0, Value{}},
                                                 {20, 200, 2, 2, "Jones"}}));
  EXPECT_EQ(m.rows("passing"), (std::vector<Row>{{2, 4, 6, 8, 10, "P"}}));
  EXPECT_EQ(m.rows("receiving"), (std::vector<Row>{{2, 4, 6, 8, "R"}}));
  EXPECT_EQ(m.rows("scoring"), (std::vector<Row>{{2, 4, 6, 8, 10, "S"}}));
  EXPECT_EQ(m.rows("defense"), (std::vector<Row>{{2, 4, 6, 8, 10, 12, 14, 16, "D"}}));
}

// The copy's own failure is the reason told, not that of the cleanup after it.
TEST(Merge, ATmpDatabaseThatCannotBeMadeSaysWhyAndLeavesNothing) {
  const struct {
    const char* name;
    void (*spoil)(const fs::path& master);
    std::string reason;
  } cases[] = {
      {"no template", [](const fs::path& master) { fs::remove(master); }, "No such file or directory"},
      {"a named pipe",  // never opened: it would block for ever
       [](const fs::path& master) {
         fs::remove(master);
         ASSERT_EQ(mkfifo(master.c_str(), 0644), 0);
       },
       "it is not a regular file"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Merge m;
    fs::remove(m.tree.tmpDatabase());
    c.spoil(m.tree.masterTemplate());
    try {
      m.merge.ensureTmpDatabase();
      ADD_FAILURE() << "made";
    } catch (const MergeError& e) {
      EXPECT_EQ(e.reason(), "The temporary database is missing and could not be made from the master template '" +
                                m.tree.masterTemplate().string() + "': " + c.reason + ".");
    }
    EXPECT_FALSE(fs::exists(m.tree.tmpDatabase()));
    EXPECT_FALSE(fs::exists(m.tree.tmpDatabase().string() + ".new"));
  }
}

// A game's row is copied with its empty fields; text stored by another program into a number
// column (touchdowns) reads as the figure typing it would give.
TEST(Merge, CopiedRowsKeepEmptyFieldsAndReadTextAsItsFigure) {
  const std::pair<Value, Value> cases[] = {{"abc", 0},   {"NaN", 0}, {"0x10", 0},  {"inf", 0},     {"-Infinity", 0},
                                           {"1e999", 0}, {"", 0},    {"7 yds", 7}, {" 2.5 ", 2.5}, {Value{}, Value{}}};
  Merge m;
  Row q = quarter(1);
  q[2] = Value{};
  GameRows g{.quarter = {q}};
  std::vector<Row> expected;
  for (const auto& [stored, figure] : cases) {
    const std::string name = std::string(1, 'P').append(std::to_string(expected.size()));
    g.rushing.push_back({4, 12, stored, 0, name});
    expected.push_back({4, 12, figure, 0, name});
  }
  m.merge.createConsolidated(readSeason({m.game("Game1.mdb", g)}));
  EXPECT_EQ(std::pair(m.rows("quarter"), m.rows("rushing")), std::pair(std::vector<Row>{q}, expected));
}

GameRows game(const std::string& opp, bool won, double ownPoints) {
  return {.header = {headerRow("Eagles", opp, 2007, 1, won)},
          .quarter = {{0, 0, 0, 0, 0, 0, 0, 0, 3, ownPoints}},
          .rushing = {{5, 20, 1, 0, "Smith John "}}};
}

struct Season {
  Season() : tree(root.dir()) {
    a = makeGame(root, "YardMark/games/2007/Game1.mdb", game("Hawks", true, 21));
    b = makeGame(root, "YardMark/games/2007/Game2.mdb", game("Owls", false, 14));
  }
  fs::path report(const std::string& name) const { return tree.reportsFolder() / name; }
  ProgramRun command(const std::vector<std::string>& args) const {
    std::vector<std::string> all = {"--root", root.dir().string()};
    all.insert(all.end(), args.begin(), args.end());
    return runIn(root.games(), YARDMARK_REPORT_EXE, all);
  }
  TempRoot root;
  DataTree tree;
  fs::path a, b;
};

bool contains(const std::string& s, const std::string& part) { return s.find(part) != std::string::npos; }

TEST(Generate, WritesTheReportAndEmptiesTheTmpDatabase) {
  Season s;
  // Rows left by an interrupted run take no part.
  addRows(s.tree.tmpDatabase(), "rushing", {{99, 99, 9, 9, "Ghost"}});
  addRows(s.tree.tmpDatabase(), "quarter", {{1, 1, 1, 1, 1, 1, 1, 1, 100, 100}});
  s.root.writeFile("YardMark/Reports/Season.htm", "old report");
  const ReportOutcome o = ReportGenerator(s.tree).generate({s.a, s.b}, "Season.htm");
  ASSERT_TRUE(o.ok()) << o.message;
  EXPECT_EQ(o.boxText, "Report has successfully been created named Season.htm");
  const std::string page = readBytes(s.report("Season.htm"));
  EXPECT_TRUE(contains(page, "class=\"number_all\">35</td>\r\n"));  // 21 + 14 own points: both games
  EXPECT_EQ(std::pair(contains(page, "Ghost"), totalRows(s.tree.tmpDatabase())), std::pair(false, 0L));
  fs::remove(s.tree.tmpDatabase());  // made again from the template
  // Without --root the data lives beside the program; game paths are taken from the current folder.
  // The name is as long as a report name may be.
  const fs::path exe = s.root.dir() / "yardmark-report";
  fs::copy_file(YARDMARK_REPORT_EXE, exe);
  const ProgramRun r = runIn(s.root.games(), exe, {"2007_Season_GM12.htm", "2007/Game2.mdb", "2007/Game1.mdb"});
  EXPECT_EQ(r.exit, 0) << r.err;
  EXPECT_EQ(r.out, "Report has successfully been created named 2007_Season_GM12.htm\n");
  EXPECT_EQ(r.err, "");
  EXPECT_TRUE(contains(readBytes(s.report("2007_Season_GM12.htm")), "<td width=\"7%\">2</td>\r\n"));  // both games
  EXPECT_EQ(totalRows(s.tree.tmpDatabase()), 0);
}

TEST(Generate, FailuresWriteNoReportAndLeaveTmpEmpty) {
  const std::string oldVersion = readBytes(fixture("game_legacy.mdb"));
  // setUp returns the game chosen after s.a (s.a itself: none; nothing: no games at all).
  struct Case {
    std::function<fs::path(Season&)> setUp;
    ReportOutcome::Status status;
    std::string box, title = "", name = "Season.htm";
  };
  using S = ReportOutcome::Status;
  const std::string notOurs = "Cannot use the game file '{}': it is not a YardMark game file";
  // clang-format off
  const Case cases[] = {
      {[](Season& s) { return s.root.dir() / "Game7.mdb"; }, S::GameFailed, "Cannot use the game file '{}': the game file does not exist."},
      {[](Season& s) { return s.root.writeFile("notes.mdb", "hello"); }, S::GameFailed, notOurs},
      {[](Season& s) { return createDatabaseFile(s.root.dir() / "r.mdb", DatabaseKind::Roster), s.root.dir() / "r.mdb"; }, S::GameFailed, notOurs},
      {[](Season& s) {
         SQLite::Database((s.root.dir() / "G8.mdb").string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE)
             .exec("CREATE TABLE header(id)");
         return s.root.dir() / "G8.mdb";
       },
       S::GameFailed, "Cannot use the game file '{}': '{}' is not a YardMark game file: its table 'header'"},
      {[&](Season& s) { return s.root.writeFile("Game3.mdb", oldVersion); }, S::GameFailed,
       "Cannot use the game file '{}': it is a file of the earlier version of YardMark; convert it by opening it in "
       "File > Open, or with yardmark-convert."},
      {[](Season&) { return fs::path(); }, S::NoGames, "Please select one/more databases in order to generate reports."},
      {[](Season& s) { return s.a; }, S::BadName, "A report name may not contain any of the characters", "", "../x.htm"},
      {[](Season& s) { return fs::remove_all(s.tree.reportsFolder()), s.a; }, S::FolderMissing, "Info", "Folder does not exist: "},
      {[](Season& s) { return fs::create_directories(s.report("Season.htm") / "x"), s.a; }, S::WriteFailed, "Error", "Error in UpdateHTMLFile, err: "},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.box);
    Season s;
    const fs::path chosen = c.setUp(s);
    std::vector<fs::path> games{s.a};
    if (chosen.empty()) games.clear();
    if (chosen != s.a && !chosen.empty()) games.push_back(chosen);
    const ReportOutcome o = ReportGenerator(s.tree).generate(games, c.name);
    EXPECT_EQ(o.status, c.status) << o.message;
    EXPECT_FALSE(o.ok());
    std::string box = c.box;  // each {} stands for the last game
    for (size_t at = box.find("{}"); at != std::string::npos; at = box.find("{}", at))
      box.replace(at, 2, games.back().string());
    EXPECT_EQ(o.boxText.substr(0, box.size()), box);
    EXPECT_EQ(o.boxTitle.substr(0, c.title.size()), c.title);
    EXPECT_EQ(o.file, c.status == S::GameFailed ? games.back().string() : o.file);
    EXPECT_FALSE(fs::is_regular_file(s.report("Season.htm")));
    EXPECT_FALSE(fs::exists(detailPagePath(s.tree.reportsFolder(), c.name)));  // no detail page for no report
    EXPECT_EQ(totalRows(s.tree.tmpDatabase()), 0);
  }
}

TEST(ReportCommand, FailuresExitNonZeroWithAMessage) {
  struct Case {
    std::vector<std::string> args;
    std::string inMessage;
  };
  // clang-format off
  const Case cases[] = {
      {{"x.htm", "2007/Game1.mdb", "2007/Game9.mdb"}, "Game9.mdb"},
      {{"abcdefghijklmnopq.htm", "2007/Game1.mdb"}, "at most 20 characters"},
      {{"x.htm"}, "Please select one/more databases in order to generate reports."},
      {{"--no-detail"}, "no report name given"},
      {{"\x1b[2Jx\n.htm", "2007/Game1.mdb"}, "yardmark-report: \\x1B[2Jx\\x0A.htm: A report name may not contain control characters"},
  };
  // clang-format on
  for (const Case& c : cases) {
    Season s;
    const ProgramRun r = s.command(c.args);
    EXPECT_NE(r.exit, 0) << c.inMessage;
    EXPECT_TRUE(contains(r.err, c.inMessage)) << r.err;
    EXPECT_EQ(r.err.find('\x1b'), std::string::npos) << "no control character reaches the terminal";
    EXPECT_EQ(std::tuple(r.out, fs::exists(s.report("x.htm")), totalRows(s.tree.tmpDatabase())),
              std::tuple("", false, 0));
  }
}

// A game path that is no regular file is refused with its reason, at once: a named pipe is
// never opened (it would block for ever), a loop of links is not called missing (a missing
// game is in the generator's failure table).
TEST(ReportCommand, AGamePathThatIsNoFileIsRefusedWithItsReason) {
  struct Case {
    const char* name;
    void (*make)(const fs::path& game);
    std::string reason;
  };
  // clang-format off
  const Case cases[] = {
      {"a named pipe", [](const fs::path& game) { ASSERT_EQ(mkfifo(game.c_str(), 0644), 0); }, "it is not a YardMark game file"},
      {"a loop of links", [](const fs::path& game) { fs::create_symlink(game.filename(), game); },
       "the game file cannot be reached: too many levels of symbolic links."},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Season s;
    const fs::path game = s.root.games() / "2007" / "Game5.mdb";
    c.make(game);
    const HelperRun r =
        runHelper(YARDMARK_REPORT_EXE, {"--root", s.root.dir().string(), "x.htm", s.a.string(), game.string()}, 10000);
    ASSERT_EQ(r.end, HelperRun::End::Exited) << "it must not hang";
    EXPECT_EQ(r.exitCode, 1);
    std::string told = "'";  // appended: GCC 12 at -O3 warns on a prefixed temporary
    told.append(game.string()).append("': ").append(c.reason);
    EXPECT_TRUE(contains(r.errors, told)) << r.errors;
    EXPECT_EQ(std::pair(fs::exists(s.report("x.htm")), totalRows(s.tree.tmpDatabase())), std::pair(false, 0L));
  }
}

TEST(ReportCommand, AReportWrittenIsASuccessAlsoWhenTheTmpDatabaseCannotBeEmptied) {
  Season s;
  refuseHeaderDeletes(s.tree.tmpDatabase());
  const ProgramRun r = s.command({"x.htm", "2007/Game1.mdb"});
  EXPECT_EQ(r.exit, 0) << r.err;
  EXPECT_EQ(r.out, "Report has successfully been created named x.htm\n");
  EXPECT_EQ(r.err.rfind("yardmark-report: warning: The report x.htm was written, but the temporary database could "
                        "not be emptied",
                        0),
            0u)
      << r.err;
  EXPECT_TRUE(contains(readBytes(s.report("x.htm")), "Hawks"));
  EXPECT_EQ(rowCount(s.tree.tmpDatabase(), "header"), 1);  // left as the warning says
}

TEST(ReportCommand, WaitsWhileAnotherRunHoldsTheTmpDatabaseThenGivesUpLeavingItsRows) {
  using namespace std::chrono_literals;
  const struct {
    const char* what;
    std::chrono::milliseconds heldFor;  // 0: until the command has ended
    int exit;
  } cases[] = {{"let go after a moment", 300ms, 0}, {"held throughout", 0ms, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Season s;
    // The other run is half way: its merged rows are in the temporary database.
    const Row others = {1, 2, 3, 4, "Other run"};
    addRows(s.tree.tmpDatabase(), "rushing", {others});
    auto other = std::make_unique<RunLock>(s.tree.tmpDatabase(), 0ms);
    ASSERT_EQ(other->state(), RunLock::State::Held);
    std::thread letGo;
    if (c.heldFor > 0ms)
      letGo = std::thread([&] {
        std::this_thread::sleep_for(c.heldFor);
        other.reset();
      });
    const auto start = std::chrono::steady_clock::now();
    const ProgramRun r = s.command({"x.htm", "2007/Game1.mdb"});
    const auto took = std::chrono::steady_clock::now() - start;
    if (letGo.joinable()) letGo.join();
    EXPECT_EQ(r.exit, c.exit) << r.err;
    EXPECT_GE(took, c.exit == 0 ? c.heldFor : 4000ms);
    if (c.exit == 0) {
      EXPECT_FALSE(contains(readBytes(s.report("x.htm")), "Other run"));
      EXPECT_EQ(totalRows(s.tree.tmpDatabase()), 0);
    } else {
      EXPECT_TRUE(contains(r.err, "A report is being made elsewhere")) << r.err;
      EXPECT_EQ(std::tuple(r.out, fs::exists(s.report("x.htm")), readRows(s.tree.tmpDatabase(), "rushing")),
                std::tuple("", false, std::vector<Row>{others}));
    }
  }
}

// A lock file that cannot be made for a reason other than a folder refusing files says why.
TEST(ReportCommand, ALockFileThatCannotBeMadeSaysWhy) {
  Season s;
  const RunLock lock(s.a / "tmp.mdb", std::chrono::milliseconds(0));  // below a file
  EXPECT_EQ(lock.state(), RunLock::State::Failed);
  EXPECT_TRUE(contains(lock.reason(), "Not a directory")) << lock.reason();
}

}  // namespace
}  // namespace yardmark::test
