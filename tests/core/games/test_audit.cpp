// The game audit: one sound game, then one mistake at a time at and beyond each rule's bound;
// and yardmark-check over a data folder.
#include <SQLiteCpp/SQLiteCpp.h>
#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "core/files/DataTree.h"
#include "core/games/GameAudit.h"
#include "core/jet/HelperProcess.h"
#include "support/ReportFixture.h"
#include "support/TempRoot.h"

namespace yardmark::test {
namespace {

namespace fs = std::filesystem;

using T = GameTable;
namespace hc = col::header;
namespace qc = col::quarter;
namespace ts = col::teamStats;
namespace ru = col::rushing;
namespace pa = col::passing;
namespace re = col::receiving;
namespace sc = col::scoring;
namespace de = col::defense;

// Bookmarks start at 100 so that a finding cannot confuse a row's position with its key.
void put(GameData& g, T t, std::vector<std::vector<Value>> rows) {
  g.rows(t).clear();
  for (auto& fields : rows) g.rows(t).push_back({100 + static_cast<std::int64_t>(g.rows(t).size()), std::move(fields)});
}

// Won 17 to 10; every total agrees with its rows, every name is in the roster.
GameData soundGame() {
  GameData g;
  put(g, kHeader, {{"Eagles", "Hawks", 2007, 3, true, false}});
  put(g, kQuarter, {{0, 7, 3, 7, 0, 0, 7, 3, 10, 17}});
  put(g, kTeamStats, {{9, 80, 5, 60, 140, 1, 4, 5, 50, 2, 12, 120, 10, 150, 270, 0, 3, 4, 60, 1}});
  put(g, kRushing, {{10, 70, 1, 0, "Smith John "}, {8, 50, 0, 0, "Brown Tom "}});
  put(g, kPassing, {{10, 15, 150, 1, 0, "Jones Bill "}});
  put(g, kReceiving, {{6, 100, 1, 0, "Smith John "}, {4, 50, 0, 0, "Green Al "}});
  put(g, kScoring, {{2, 0, 0, 0, 12, "Smith John "}, {0, 2, 0, 1, 5, "Kick Ken "}});
  put(g, kDefense, {{3, 2, 0.5, 0, 0, 0, 0, 0, "Brown Tom "}});
  return g;
}

const std::vector<std::string> kRoster = {"Smith John ", "Brown Tom ", "Jones Bill ", "Green Al ", "Kick Ken "};

void set(GameData& g, T t, int row, int ordinal, Value v) {
  g.rows(t)[static_cast<size_t>(row)].fields[static_cast<size_t>(ordinal - 1)] = std::move(v);
}

// One mistake at a time on the sound game; every finding each gives is in the reference file.
// clang-format off
const std::pair<const char*, std::function<void(GameData&)>> kCases[] = {
    {"a sound game", [](GameData&) {}},
    {"a game not entered yet", [](GameData& g) { g = GameData{}; }},
    {"marked lost on a win", [](GameData& g) { set(g, kHeader, 0, hc::kRecordWins, false), set(g, kHeader, 0, hc::kRecordLosses, true); }},
    {"both marked", [](GameData& g) { set(g, kHeader, 0, hc::kRecordLosses, 1); }},
    {"a tie marked won", [](GameData& g) { set(g, kQuarter, 0, qc::kQuarter4Opp, 14), set(g, kQuarter, 0, qc::kTotalOpp, 17); }},
    {"a tie marked lost", [](GameData& g) { set(g, kHeader, 0, hc::kRecordWins, false), set(g, kHeader, 0, hc::kRecordLosses, true), set(g, kQuarter, 0, qc::kQuarter4Opp, 14), set(g, kQuarter, 0, qc::kTotalOpp, 17); }},
    {"still tied after overtime", [](GameData& g) {
       set(g, kQuarter, 0, qc::kQuarter4Opp, 14), set(g, kQuarter, 0, qc::kTotalOpp, 17);
       g.details.overtimeOwn = g.details.overtimeOpp = 3; }},
    {"overtime points turn a tie round", [](GameData& g) {
       set(g, kQuarter, 0, qc::kQuarter4Opp, 14), set(g, kQuarter, 0, qc::kTotalOpp, 17);
       g.details.overtimeOpp = 3; }},
    {"quarters do not add up", [](GameData& g) { set(g, kQuarter, 0, qc::kQuarter4Own, 4), set(g, kQuarter, 0, qc::kQuarter1Opp, -1); }},
    {"two points more: a safety", [](GameData& g) { set(g, kScoring, 1, sc::kPts, 7); }},
    {"two points fewer", [](GameData& g) { set(g, kScoring, 1, sc::kPts, 3); }},
    {"team completions and receptions", [](GameData& g) { set(g, kTeamStats, 0, ts::kPassingOwn, 11), set(g, kReceiving, 1, re::kRec, 3); }},
    {"total offense on both sides", [](GameData& g) { set(g, kTeamStats, 0, ts::kTotalOffenseOwn, 271), set(g, kTeamStats, 0, ts::kTotalOffenseOpp, 139); }},
    {"completions at and over attempts", [](GameData& g) { put(g, kPassing, {{5, 5, 80, 1, 0, "Jones Bill "}, {5, 4, 70, 0, 0, "Kick Ken "}}); }},
    {"99 yards a carry and beyond, gained and lost", [](GameData& g) {
       put(g, kRushing, {{1, 99, 1, 0, "Smith John "}, {1, -100, 0, 0, "Brown Tom "}, {1, 121, 0, 0, "Kick Ken "}}); }},
    {"touchdowns without carries or catches", [](GameData& g) {
       set(g, kRushing, 1, ru::kTds, 1), set(g, kRushing, 1, ru::kAtt, 0), set(g, kRushing, 1, ru::kYds, 0);
       set(g, kRushing, 0, ru::kYds, 120), set(g, kReceiving, 0, re::kRec, 0), set(g, kReceiving, 1, re::kRec, 10);
       set(g, kReceiving, 1, re::kTds, 10); }},  // as many as his catches: no finding of his own
    {"a return touchdown: scoring has more", [](GameData& g) { set(g, kRushing, 0, ru::kTds, 0); }},
    {"passing and receiving touchdowns", [](GameData& g) { set(g, kPassing, 0, pa::kTds, 2); }},
    {"fumble recoveries at the opponent's fumbles lost", [](GameData& g) { set(g, kDefense, 0, de::kFumbleRecoveries, 1); }},
    {"more recoveries than fumbles lost; a name twice, blanks and letter case aside", [](GameData& g) {
       put(g, kDefense, {{3, 2, 0.5, 0, 1, 0, 0, 0, "Brown Tom "}, {1, 0, 0, 0, 1, 0, 0, 0, " brown TOM"}});
       g.rows(kRushing).push_back({200, {1, 0, 0, 0, "Smith John "}}); }},
    {"names near the roster and not", [](GameData& g) {
       set(g, kRushing, 0, ru::kPlayerName, "Smtih John "), set(g, kRushing, 1, ru::kPlayerName, "Borwn Tmo ");
       set(g, kScoring, 1, sc::kPlayerName, "Kick Ken"), set(g, kDefense, 0, de::kPlayerName, "Brwn Tim"); }},
    {"empty sections", [](GameData& g) {
       put(g, kScoring, {}), put(g, kPassing, {}), put(g, kReceiving, {}), set(g, kTeamStats, 0, ts::kPassingOwn, 0); }},
    {"touchdowns and no scoring rows", [](GameData& g) { put(g, kScoring, {}), put(g, kQuarter, {}); }},
};
// clang-format on

TEST(GameAudit, EachRuleAtAndBeyondItsBound) {
  const RosterIndex roster(kRoster);
  std::string text;
  for (const auto& [what, change] : kCases) {
    GameData g = soundGame();
    change(g);
    text += std::string(what) + ":\n";
    for (const Finding& f : auditGame(g, roster))
      text += "  " + std::string(severityName(f.severity)) + " " + std::string(f.rule) + ": " + f.message + "\n";
  }
  expectReference(text, "audit/findings.txt");
}

TEST(GameAudit, ARosterNameIsOfferedByTheFewestEdits) {
  // Two roster names one edit away: the first in alphabetical order is offered.
  EXPECT_EQ(RosterIndex({"Smyth", "Smith"}).closest("Smoth"), "Smith");
  EXPECT_EQ(RosterIndex({"McDonald"}).closest("Donalds"), std::nullopt);  // three edits, though "Donald" is inside
  // A swap of neighbours is one edit; anything beyond the limit reads as the limit + 1.
  const std::tuple<const char*, const char*, int> distances[] = {
      {"Smith", "Smtih", 1}, {"ab", "ba", 1}, {"Smith", "Smith ", 1}, {"xxSmith", "Smith", 2}, {"Smith", "Sm", 3}};
  for (const auto& [a, b, d] : distances) EXPECT_EQ(nameDistance(a, b, 2), d) << a << " / " << b;
}

// Won 7 to 0 on one rushing touchdown and its kick.
GameRows wonGame() {
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
  makeGame(root, "YardMark/games/2006/Game1.mdb", wonGame());
  makeGame(root, "YardMark/games/2007/Game1.mdb", wonGame());
  // Passes whose receiving yards were mistyped and a receiver's name misspelt.
  GameRows mistypedGame = wonGame();
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
  GameRows retitling = wonGame();
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
