// The two outputs sent from a game: the MaxPreps stat file and the newspaper's box score, each
// against its reference file, the refusals, and yardmark-export's exit statuses.
#include <gtest/gtest.h>

#include "core/db/Database.h"
#include "core/export/MaxPreps.h"
#include "core/export/NewspaperBox.h"
#include "core/files/DataTree.h"
#include "core/jet/HelperProcess.h"
#include "support/ReportFixture.h"

namespace fs = std::filesystem;

namespace yardmark::test {
namespace {

struct SentCase {
  const char* name;
  std::vector<Row> roster;  // last, first, middle, number
  GameRows rows;
  GameDetails details;
};

// Won 28 to 21 at home, everything entered; the kicker's 1.5 sacks keep their half.
SentCase completeGame() {
  return {"complete",
          {{"Carter", "Ray", "J", "22"},
           {"Miller", "Ty", "B", "5"},
           {"Doe", "Sam", "K", "7"},  //
           {"Smith", "Al", "C", "81"},
           {"Baker", "Lou", "D", "3"},
           {"Clark", "Ned", "E", "55"}},
          {.header = {headerRow("Eagles", "Hawks", 2026, 3, true)},
           .quarter = {{7, 0, 7, 14, 0, 7, 7, 7, 21, 28}},
           .teamStats = {{12, 112, 9, 141, 253, 1, 5, 4, 55, 2, 17, 214, 12, 185, 399, 0, 7, 3, 62, 1}},
           .rushing = {{9, 52, 0, 0, "Miller Ty B"}, {18, 96, 2, 0, "Carter Ray J"}, {1, -3, 0, 0, "Doe Sam K"}},
           .passing = {{12, 20, 185, 1, 0, "Doe Sam K"}},
           .receiving = {{5, 80, 1, 0, "Smith Al C"}, {3, 44, 0, 0, "Carter Ray J"}},
           .scoring = {{2, 0, 0, 0, 12, "Carter Ray J"},
                       {1, 0, 0, 0, 6, "Smith Al C"},  //
                       {0, 4, 0, 1, 7, "Baker Lou D"},
                       {0, 0, 1, 0, 2, "Doe Sam K"}},
           .defense = {{8, 7, 0, 1, 0, 0, 0, 1, "Clark Ned E"}, {3, 1, 1.5, 0, 1, 1, 1, 0, "Baker Lou D"}}},
          {"2026-09-12", Site::Home, "", 0, 0, ""}};
}

// Won in overtime away, no date; a rusher entered twice is one player.
SentCase overtimeGame() {
  return {"overtime",
          {{"Carter", "Ray", "J", "22"}, {"Doe", "Sam", "K", "0"}},
          {.header = {headerRow("Eagles", "Hawks", 2026, 4, true)},
           .quarter = {{7, 0, 7, 14, 0, 7, 7, 0, 21, 21}},
           .rushing = {{10, 40, 1, 0, "Carter Ray J"}, {6, 25, 1, 0, "Carter Ray J"}},
           .passing = {{3, 9, 30, 0, 2, "Doe Sam K"}},
           .scoring = {{2, 0, 0, 0, 12, "Carter Ray J"}}},
          {"", Site::Away, "", 7, 0, ""}};
}

// Accents, an apostrophe, two Smiths, one wearing "010" and one "10"; on neutral ground.
SentCase namesGame() {
  return {"names",
          {{"García", "José", "M", "44"},
           {"O'Brien", "Sean", "P", "9"},
           {"Smith", "John", "A", "10"},  //
           {"Smith", "Mark", "B", "010"}},
          {.header = {headerRow("Lions & Co", "Élan <Saints>", 2026, 5, false)},
           .quarter = {{0, 0, 3, 7, 0, 0, 14, 0, 17, 7}},
           .rushing = {{12, 60, 1, 0, "Smith John A"}, {4, 12, 0, 0, "Smith Mark B"}},
           .receiving = {{2, 30, 0, 0, "O'Brien Sean P"}},
           .defense = {{10, 5, 0, 0, 0, 0, 0, 0, "García José M"}}},
          {"2026-10-03", Site::Neutral, "Memorial Stadium", 0, 0, ""}};
}

fs::path writeCase(const TempRoot& root, const SentCase& c) {
  addRows(DataTree(root.dir()).rosterDatabase(), "roster", c.roster);
  const fs::path file = makeGame(root, "YardMark/games/2026/Game1.mdb", c.rows);
  Database db(file);
  writeGameDetails(db, c.details);
  return file;
}

std::vector<RosterPlayer> rosterOf(const TempRoot& root) { return readRoster(DataTree(root.dir()).rosterDatabase()); }

TEST(SendGame, EachOutputOfEachGameIsItsReferenceFile) {
  for (const SentCase& c : {completeGame(), overtimeGame(), namesGame()}) {
    TempRoot root;
    const Game game = readGame(writeCase(root, c));
    const std::string stem = std::string("export/") + c.name;
    expectReference(maxPrepsFile(game, rosterOf(root), c.name == std::string("complete") ? std::string(32, 'a') : ""),
                    stem + "_MaxPreps.txt");
    const BoxScore box = boxScore(game, rosterOf(root));
    expectReference(boxText(box), stem + "_Box.txt");
    expectReference(boxHtml(box), stem + "_Box.htm");
  }
}

TEST(SendGame, TheDateLineNamesTheMonthInPressStyleOrIsLeftOut) {
  const std::pair<const char*, const char*> cases[] = {
      {"2026-01-01", "Jan. 1"}, {"2026-12-31", "Dec. 31"}, {"2026-13-01", ""}, {"2026-00-09", ""},
      {"2026-09-00", ""},       {"2026-09-32", ""},        {"2026-9-12", ""},  {"2026-9-12x", ""}};
  for (const auto& [iso, line] : cases) EXPECT_EQ(apDate(iso), line) << iso;
}

// Every player who cannot be told apart by his number is named, and nothing is made.
TEST(SendGame, MaxPrepsRefusesPlayersWithoutTheirOwnNumber) {
  const struct {
    std::vector<Row> roster;
    std::vector<Row> rushing;
    std::string message;
  } cases[] = {
      {{{"Carter", "Ray", "J", "22"}, {"Doe", "Sam", "K", ""}},
       {{3, 9, 0, 0, "Carter Ray J"}, {1, 2, 0, 0, "Doe Sam K"}},
       "\nNo number on the roster: Doe, Sam K."},
      {{{"Carter", "Ray", "J", "22"}, {"Doe", "Sam", "K", " 22 "}},
       {{3, 9, 0, 0, "Carter Ray J"}, {1, 2, 0, 0, "Doe Sam K"}},
       "\nNumber 22 is worn by Carter, Ray J; Doe, Sam K."},
      {{{"Carter", "Ray", "J", "22"}},
       {{3, 9, 0, 0, "Carter Ray J"}, {1, 2, 0, 0, "Carter Ray"}, {1, 1, 0, 0, Value()}},
       "\nNot on the roster: Carter Ray; (a Rushing row without a name)."},
  };
  for (const auto& c : cases) {
    TempRoot root;
    addRows(DataTree(root.dir()).rosterDatabase(), "roster", c.roster);
    const Game game = readGame(makeGame(root, "g.mdb", {.rushing = c.rushing}));
    try {
      (void)maxPrepsFile(game, rosterOf(root));
      ADD_FAILURE() << c.message;
    } catch (const MaxPrepsRefusal& e) {
      EXPECT_EQ(std::string(e.what()),
                "The game cannot be sent to MaxPreps: it tells players apart by their jersey numbers." + c.message +
                    "\nGive every player of the game his own number in Manage Roster.");
    }
  }
}

TEST(SendGame, TheCommandWritesOnlyASoundGameAndSaysWhyNot) {
  TempRoot root;
  const fs::path game = writeCase(root, completeGame());
  const fs::path unnumbered = makeGame(root, "other.mdb", {.rushing = {{1, 1, 0, 0, "Nobody"}}});
  const fs::path out = root.dir() / "out.txt";
  const struct {
    std::vector<std::string> args;
    int exit;
    const char* inMessage;  // on standard error; "" for none
  } cases[] = {
      {{"--maxpreps", game.string(), out.string()}, 0, ""},
      {{"--box", "--html", game.string(), out.string()}, 0, ""},
      {{"--box", game.string(), "-"}, 0, ""},
      {{"--maxpreps", "--id", "0123456789-abcdef-ABCDEF-0123456", game.string(), out.string()}, 0, ""},
      {{"--maxpreps", unnumbered.string(), out.string()}, 1, "Not on the roster: Nobody."},
      {{"--box", (root.dir() / "none.mdb").string(), out.string()}, 1, "none.mdb"},
      {{"--box", "--maxpreps", game.string()}, 2, "choose one of --maxpreps and --box"},
      {{"--maxpreps", "--html", game.string()}, 2, "--html goes with --box"},
      {{"--maxpreps", "--id", "short", game.string()}, 2, "32 characters; this one has 5"},
      {{"--maxpreps", "--id", std::string(31, '7') + "!", game.string()}, 2, "letters, digits and dashes only"},
      {{"--box"}, 2, "name the game file"},
      {{"--box", game.string(), out.string(), "more"}, 2, "unknown argument more"},
  };
  // Without a header a game is named by its folder and file.
  EXPECT_EQ(boxFileName(readGame(unnumbered), true), root.dir().filename().string() + "_other_Box.htm");
  for (const auto& c : cases) {
    fs::remove(out);
    std::vector<std::string> args = c.args;
    args.insert(args.begin(), {"--root", root.dir().string()});
    const HelperRun run = runHelper(YARDMARK_EXPORT_EXE, args, 20000);
    EXPECT_EQ(run.exitCode, c.exit) << c.inMessage << run.errors;
    EXPECT_NE(run.errors.find(c.inMessage), std::string::npos) << run.errors;
    // "-" prints the file instead.
    const bool printed = c.args.back() == "-";
    EXPECT_EQ(fs::exists(out), c.exit == 0 && !printed) << c.inMessage;
    EXPECT_EQ(run.output, printed ? boxText(boxScore(readGame(game), rosterOf(root))) : run.output);
  }
}

}  // namespace
}  // namespace yardmark::test
