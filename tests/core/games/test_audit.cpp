// The game audit: one sound game, then one mistake at a time at and beyond each rule's bound.
#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "core/games/GameAudit.h"
#include "support/TempRoot.h"

namespace yardmark {
using test::expectReference;
namespace {

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
       set(g, kRushing, 0, ru::kYds, 120), set(g, kReceiving, 0, re::kRec, 0), set(g, kReceiving, 1, re::kRec, 10); }},
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

TEST(GameAudit, WhereAFindingPointsAndHowNamesAreMatched) {
  GameData g = soundGame();
  set(g, kPassing, 0, pa::kComp, 16);  // completions over attempts, and more than the team's
  set(g, kDefense, 0, de::kPlayerName, "Nobody Known");
  const auto findings = auditGame(g, RosterIndex{});
  ASSERT_EQ(findings.size(), 3u);
  const auto where = [](const Finding& f) {
    return std::tuple(std::string(f.rule), f.table, f.row, f.bookmark, f.field);
  };
  EXPECT_EQ(where(findings[0]), std::tuple("team-completions", kTeamStats, -1, 0, ts::kPassingOwn));
  EXPECT_EQ(where(findings[2]), std::tuple("passer-completions", kPassing, 0, 100, pa::kComp));
  // Two roster names one edit away: the first in alphabetical order is offered.
  EXPECT_EQ(RosterIndex({"Smyth", "Smith"}).closest("Smoth"), "Smith");
  EXPECT_EQ(RosterIndex({"McDonald"}).closest("Donalds"), std::nullopt);  // three edits, though "Donald" is inside
  // A swap of neighbours is one edit; anything beyond the limit reads as the limit + 1.
  const std::tuple<const char*, const char*, int> distances[] = {
      {"Smith", "Smtih", 1}, {"ab", "ba", 1}, {"Smith", "Smith ", 1}, {"xxSmith", "Smith", 2}, {"Smith", "Sm", 3}};
  for (const auto& [a, b, d] : distances) EXPECT_EQ(nameDistance(a, b, 2), d) << a << " / " << b;
}

}  // namespace
}  // namespace yardmark
