// yardmark-check over a data folder.
#include <SQLiteCpp/SQLiteCpp.h>
#include <gtest/gtest.h>

#include "core/files/DataTree.h"
#include "core/jet/HelperProcess.h"
#include "support/ReportFixture.h"

namespace fs = std::filesystem;

namespace yardmark::test {
namespace {

// Won 7 to 0 on one rushing touchdown and its kick.
GameRows soundGame() {
  return {.header = {headerRow("Eagles", "Hawks", 2007, 1, true)},
          .quarter = {{0, 7, 0, 0, 0, 0, 0, 0, 0, 7}},
          .rushing = {{3, 20, 1, 0, "Smith John "}},
          .scoring = {{1, 1, 0, 0, 7, "Smith John "}}};
}

const std::string kMistyped =
    "2007/Game2.mdb: error: Receiving yards (212) differ from passing yards (230) by 18.\n"
    "2007/Game2.mdb: warning: Receiving row 1: \"Smtih John \" is not in the roster; the closest name is "
    "\"Smith John \".\n";

TEST(CheckCommand, OneLineAFindingAndTheExitCodeTellsWhetherThereAreErrors) {
  TempRoot root;
  const DataTree tree(root.dir());
  addRows(tree.rosterDatabase(), "roster", {{"Smith", "John", ""}});
  makeGame(root, "YardMark/games/2006/Game1.mdb", soundGame());
  makeGame(root, "YardMark/games/2007/Game1.mdb", soundGame());
  // Passes whose receiving yards were mistyped and a receiver's name misspelt.
  GameRows mistypedGame = soundGame();
  mistypedGame.passing = {{12, 20, 230, 0, 0, "Smith John "}};
  mistypedGame.receiving = {{12, 212, 0, 0, "Smtih John "}};
  makeGame(root, "YardMark/games/2007/Game2.mdb", mistypedGame);
  const auto check = [&](std::vector<std::string> args) {
    args.insert(args.begin(), {"--root", root.dir().string()});
    return runHelper(YARDMARK_CHECK_EXE, args, 20000);
  };
  const HelperRun all = check({});
  EXPECT_EQ(all.exitCode, 1) << all.errors;
  EXPECT_EQ(all.output, kMistyped + "Checked 3 games: 1 error (in 1 game), 1 warning, 0 notes.\n");

  // An unreadable file is listed, not counted.
  root.writeFile("YardMark/games/2007/Game3.mdb", "notes, not a game\n");
  const HelperRun r = check({"2007"});
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_NE(r.output.find(kMistyped + "2007/Game3.mdb: unreadable: "), std::string::npos) << r.output;
  EXPECT_NE(r.output.find("\nChecked 3 games: 1 error (in 1 game), 1 warning, 0 notes; 1 file could not be read.\n"),
            std::string::npos)
      << r.output;

  // No roster at all is no failure: names are not checked.
  fs::remove(tree.rosterDatabase());
  const HelperRun clean = check({"2006"});
  EXPECT_EQ(clean.exitCode, 0) << clean.errors;
  EXPECT_EQ(clean.output, "Checked 1 game: 0 errors (in 0 games), 0 warnings, 0 notes.\n");

  // Two games of one year on one date, and a game of the year before on it too.
  for (const char* game : {"2006/Game1.mdb", "2007/Game1.mdb", "2007/Game2.mdb"})
    addRows(tree.gamesRoot() / game, "gameDetails", {{"2007-09-14", "Home", "", 0, 0, ""}});
  const std::string dated = std::string(1, '\n').append(check({"2006", "2007"}).output);
  for (const char* line :
       {"\n2007/Game1.mdb: warning: Game Details give the date 2007-09-14, the same as Game2.mdb.\n",
        "\n2007/Game2.mdb: warning: Game Details give the date 2007-09-14, the same as Game1.mdb.\n"})
    EXPECT_NE(dated.find(line), std::string::npos) << dated;
  EXPECT_EQ(dated.find("2006/Game1.mdb: warning"), std::string::npos) << dated;

  const std::pair<std::vector<std::string>, std::string> refused[] = {
      {{"1999"}, "there is no year folder 1999"},
      {{"--quiet"}, "unknown option --quiet"},
      {{"--root", root.dir() / "YardMark"}, "there is no YardMark folder in "}};
  for (const auto& [args, inMessage] : refused) {
    const HelperRun bad = check(args);
    EXPECT_EQ(bad.exitCode, 2) << inMessage;
    EXPECT_EQ(bad.output, "") << inMessage;
    EXPECT_NE(bad.errors.find(inMessage), std::string::npos) << bad.errors;
  }
}

// What a file may carry never reaches the terminal raw, and what cannot be read says why.
TEST(CheckCommand, NamesAreSpeltOutAndForeignOrUnreachableFilesAreRefused) {
  TempRoot root;
  addRows(DataTree(root.dir()).rosterDatabase(), "roster", {{"Smith", "John", ""}});
  GameRows retitling = soundGame();
  retitling.receiving = {{1, 5, 0, 0, "\x1b]0;owned\x07\x1b[2J"}};
  makeGame(root, "YardMark/games/2007/Game1.mdb", retitling);
  const fs::path loop = root.dir() / "loop.mdb";
  fs::create_symlink("loop.mdb", loop);
  const fs::path foreign = root.dir() / "foreign.mdb";
  SQLite::Database(foreign.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE)
      .exec("CREATE TABLE header (id INTEGER PRIMARY KEY, Team TEXT)");
  const HelperRun r =
      runHelper(YARDMARK_CHECK_EXE, {"--root", root.dir().string(), "2007", loop.string(), foreign.string()}, 20000);
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_EQ(r.output.find('\x1b'), std::string::npos) << r.output;
  EXPECT_NE(r.output.find("\"\\x1B]0;owned\\x07\\x1B[2J\" is not in the roster"), std::string::npos) << r.output;
  for (const std::string& line :
       {loop.string() + ": unreadable: '" + loop.string() + "' cannot be reached: too many levels of symbolic links.\n",
        foreign.string() + ": unreadable: '" + foreign.string() +
            "' is not a YardMark game file: its table 'header' has 'id' where the column 'headerID' belongs.\n"})
    EXPECT_NE(r.output.find(line), std::string::npos) << r.output;
}

}  // namespace
}  // namespace yardmark::test
