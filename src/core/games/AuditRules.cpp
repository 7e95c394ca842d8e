// The rules over a game's totals: result and score, quarters, team statistics against the
// player rows, touchdowns, empty sections. The table of every rule closes the file.
#include "core/games/AuditRules.h"

#include <cmath>

namespace yardmark::audit {

namespace {

using T = GameTable;

// Result and score need both game-level rows; a game not yet entered has nothing to compare.
// The score is the final one: the quarter totals plus any overtime points of the game's details.
struct Result {
  bool won = false, lost = false;
  double own = 0, opp = 0;
  bool overtime = false;
};
std::optional<Result> resultOf(const GameData& game) {
  const StoredRow* h = game.first(kHeader);
  if (!h || !game.first(kQuarter)) return std::nullopt;
  const FinalScore f = finalScore(game);
  return Result{isYes(h->at(col::header::kRecordWins)), isYes(h->at(col::header::kRecordLosses)), f.own, f.opp,
                f.overtime};
}

std::string scoreIs(const Result& r) {
  return std::string(r.overtime ? "the final score with overtime is " : "the quarter totals are ") + figure(r.own) +
         " (own) to " + figure(r.opp) + " (opponent)";
}

void resultScore(const Input& in, Hits& hits) {
  const auto r = resultOf(in.game);
  if (!r) return;
  if (r->won && r->lost) {
    hits.push_back({"Game Information marks the game both won and lost.", kHeader, -1, col::header::kRecordWins});
  } else if (r->won && r->own < r->opp) {
    hits.push_back(
        {"Game Information marks the game won, but " + scoreIs(*r) + ".", kHeader, -1, col::header::kRecordWins});
  } else if (r->lost && r->own > r->opp) {
    hits.push_back(
        {"Game Information marks the game lost, but " + scoreIs(*r) + ".", kHeader, -1, col::header::kRecordLosses});
  }
}

// A tie after four quarters may have been settled in overtime: a hint while no overtime points
// are given, and still a tie when the ones given leave it level.
void resultTie(const Input& in, Hits& hits) {
  const auto r = resultOf(in.game);
  if (!r || r->won == r->lost || !same(r->own, r->opp)) return;
  const std::string tied = r->overtime ? "the final score with overtime is tied at " + figure(r->own) + "."
                                       : "the quarter totals are tied at " + figure(r->own) + " (overtime?).";
  hits.push_back({std::string("Game Information marks the game ") + (r->won ? "won" : "lost") + ", but " + tied,
                  kHeader, -1, r->won ? col::header::kRecordWins : col::header::kRecordLosses});
}

void quarterTotals(const Input& in, Hits& hits) {
  namespace qc = col::quarter;
  const StoredRow* q = in.game.first(kQuarter);
  if (!q) return;
  const struct {
    std::string_view subject;
    int total;
    int quarters[4];
  } sides[] = {
      {"Own total points", qc::kTotalOwn, {qc::kQuarter1Own, qc::kQuarter2Own, qc::kQuarter3Own, qc::kQuarter4Own}},
      {"Opponent total points",
       qc::kTotalOpp,
       {qc::kQuarter1Opp, qc::kQuarter2Opp, qc::kQuarter3Opp, qc::kQuarter4Opp}}};
  for (const auto& side : sides) {
    double quarters = 0;
    for (const int k : side.quarters) quarters += q->number(k);
    if (same(q->number(side.total), quarters)) continue;
    hits.push_back({differ(side.subject, q->number(side.total), "the sum of the four quarters", quarters), kQuarter, -1,
                    side.total});
  }
}

void pointsScoring(const Input& in, Hits& hits) {
  const StoredRow* q = in.game.first(kQuarter);
  if (!q || in.game.rows(kScoring).empty()) return;  // no rows at all: see the empty-section rule
  const double points = sum(in.game, kScoring, col::scoring::kPts);
  if (same(points, q->number(col::quarter::kTotalOwn))) return;
  hits.push_back({differ("Scoring points", points, "own total points", q->number(col::quarter::kTotalOwn)), kScoring,
                  -1, col::scoring::kPts});
}

// A team statistic (its own team's column) against the sum of a player column, when the team row exists.
void teamAgainstRows(const Input& in, Hits& hits, int column, std::string_view subject, T table, int ordinal,
                     std::string_view object) {
  const StoredRow* ts = in.game.first(kTeamStats);
  if (!ts) return;
  const double team = ts->number(column);
  const double rows = sum(in.game, table, ordinal);
  if (!same(team, rows)) hits.push_back({differ(subject, team, object, rows), kTeamStats, -1, column});
}

void teamRushing(const Input& in, Hits& hits) {
  teamAgainstRows(in, hits, col::teamStats::kRushingOwn, "Team rushing yards", kRushing, col::rushing::kYds,
                  "rushing yards");
}

void teamPassing(const Input& in, Hits& hits) {
  if (in.game.rows(kPassing).empty()) return;
  teamAgainstRows(in, hits, col::teamStats::kPassingYrdsOwn, "Team passing yards", kPassing, col::passing::kYds,
                  "passing yards");
}

void teamCompletions(const Input& in, Hits& hits) {
  if (in.game.rows(kPassing).empty()) return;
  teamAgainstRows(in, hits, col::teamStats::kPassingOwn, "Team pass completions", kPassing, col::passing::kComp,
                  "completions");
}

// Receiving rows against passing rows: every completion is a reception, every passing yard a receiving yard.
void receivingAgainstPassing(const Input& in, Hits& hits, std::string_view subject, int recOrdinal,
                             std::string_view object, int passOrdinal) {
  const double rec = sum(in.game, kReceiving, recOrdinal), pass = sum(in.game, kPassing, passOrdinal);
  if (!same(rec, pass)) hits.push_back({differ(subject, rec, object, pass), kReceiving, -1, recOrdinal});
}

void receivingYards(const Input& in, Hits& hits) {
  receivingAgainstPassing(in, hits, "Receiving yards", col::receiving::kYds, "passing yards", col::passing::kYds);
}

void receptions(const Input& in, Hits& hits) {
  receivingAgainstPassing(in, hits, "Receptions", col::receiving::kRec, "completions", col::passing::kComp);
}

void passingTouchdowns(const Input& in, Hits& hits) {
  receivingAgainstPassing(in, hits, "Receiving touchdowns", col::receiving::kTds, "passing touchdowns",
                          col::passing::kTds);
}

void totalOffense(const Input& in, Hits& hits) {
  namespace tc = col::teamStats;
  const StoredRow* ts = in.game.first(kTeamStats);
  if (!ts) return;
  const struct {
    std::string_view subject;
    int total, rushing, passing;
  } sides[] = {{"Own total offense", tc::kTotalOffenseOwn, tc::kRushingOwn, tc::kPassingYrdsOwn},
               {"Opponent total offense", tc::kTotalOffenseOpp, tc::kRushingOpp, tc::kPassingYrdsOpp}};
  for (const auto& side : sides) {
    const double total = ts->number(side.total);
    const double parts = ts->number(side.rushing) + ts->number(side.passing);
    if (same(total, parts)) continue;
    hits.push_back({differ(side.subject, total, "rushing yards plus passing yards", parts, "differs"), kTeamStats, -1,
                    side.total});
  }
}

double rushAndRecTouchdowns(const GameData& game) {
  return sum(game, kRushing, col::rushing::kTds) + sum(game, kReceiving, col::receiving::kTds);
}

// The rest of the scoring touchdowns came from returns; fewer than the offense's cannot be.
void scoringTouchdowns(const Input& in, Hits& hits) {
  if (in.game.rows(kScoring).empty()) return;  // no rows at all: see the empty-section rule
  const double offense = rushAndRecTouchdowns(in.game), scoring = sum(in.game, kScoring, col::scoring::kTd);
  if (offense <= scoring) return;
  hits.push_back({"Rushing and receiving touchdowns (" + figure(offense) + ") exceed scoring touchdowns (" +
                      figure(scoring) + ") by " + figure(offense - scoring) + ".",
                  kScoring, -1, col::scoring::kTd});
}

void noScoringRows(const Input& in, Hits& hits) {
  if (!in.game.rows(kScoring).empty()) return;
  const StoredRow* q = in.game.first(kQuarter);
  const double points = q ? q->number(col::quarter::kTotalOwn) : 0, touchdowns = rushAndRecTouchdowns(in.game);
  if (points > 0)
    hits.push_back({"Scoring has no rows, but the own team scored " + figure(points) + " points.", kScoring});
  else if (touchdowns > 0)
    hits.push_back(
        {"Scoring has no rows, but rushing and receiving list " + figure(touchdowns) + " touchdowns.", kScoring});
}

void noPassingRows(const Input& in, Hits& hits) {
  const StoredRow* ts = in.game.first(kTeamStats);
  if (!ts || !in.game.rows(kPassing).empty()) return;
  const double yards = ts->number(col::teamStats::kPassingYrdsOwn);
  const double completions = ts->number(col::teamStats::kPassingOwn);
  if (same(yards, 0) && same(completions, 0)) return;
  hits.push_back({"Passing has no rows, but the team stats show " + figure(yards) + " passing yards and " +
                      figure(completions) + " completions.",
                  kPassing});
}

// Every fumble our defense recovers is one the opponent lost; fewer recoveries can be, since
// special teams and the offense recover fumbles too.
void fumbleRecoveries(const Input& in, Hits& hits) {
  const StoredRow* ts = in.game.first(kTeamStats);
  if (!ts) return;
  const double recovered = sum(in.game, kDefense, col::defense::kFumbleRecoveries);
  const double lost = ts->number(col::teamStats::kFumblesLostOpp);
  if (recovered <= lost || same(recovered, lost)) return;
  hits.push_back({"Defense fumble recoveries (" + figure(recovered) + ") exceed the opponent's fumbles lost (" +
                      figure(lost) + ") by " + figure(recovered - lost) + ".",
                  kDefense, -1, col::defense::kFumbleRecoveries});
}

constexpr Severity E = Severity::Error, W = Severity::Warning, N = Severity::Note;

constexpr Rule kRules[] = {
    {"result-score", E, "won or lost agrees with the final score (quarters plus overtime)", resultScore},
    {"result-tie", W, "a tied final score has no result marked", resultTie},
    {"quarter-total", E, "each total is the sum of the four quarters", quarterTotals},
    {"points-scoring", E, "the own total is the sum of the scoring points", pointsScoring},
    {"scorer-points", E, "a scorer's points are 6 TD + PAT + 2 x 2PTS + 3 FG", scorerPoints},
    {"scorer-safety", N, "a scorer with 2 points more than that may have a safety", scorerSafety},
    {"team-rushing", E, "team rushing yards are the rushing rows' yards", teamRushing},
    {"team-passing", E, "team passing yards are the passing rows' yards", teamPassing},
    {"receiving-yards", E, "receiving yards are the passing yards", receivingYards},
    {"team-completions", E, "team pass completions are the passing rows' completions", teamCompletions},
    {"receptions", E, "receptions are the completions", receptions},
    {"total-offense", E, "total offense is rushing yards plus passing yards", totalOffense},
    {"passer-completions", E, "a passer's completions are at most the attempts", passerCompletions},
    {"rusher-yards", E, "a rusher gains or loses at most 99 yards per attempt", rusherYards},
    {"rusher-touchdowns", E, "a rusher's touchdowns need attempts", rusherTouchdowns},
    {"receiver-touchdowns", E, "a receiver's touchdowns need receptions", receiverTouchdowns},
    {"passing-touchdowns", E, "receiving touchdowns are the passing touchdowns", passingTouchdowns},
    {"scoring-touchdowns", E, "rushing and receiving touchdowns are at most the scoring touchdowns", scoringTouchdowns},
    {"fumble-recoveries", E, "the defense's fumble recoveries are at most the opponent's fumbles lost",
     fumbleRecoveries},
    {"same-name-twice", W, "a player name appears once in a player section", sameNameTwice},
    {"roster-close", W, "a name not in the roster is within two letters of one", rosterClose},
    {"roster-unknown", N, "a name is not in the roster", rosterUnknown},
    {"no-scoring", W, "a game with points has scoring rows", noScoringRows},
    {"no-passing", W, "a game with team passing figures has passing rows", noPassingRows},
};

}  // namespace

std::span<const Rule> rules() { return kRules; }

// Typed figures are whole numbers or halves, exact in a double; the margin only absorbs a
// fraction that another program wrote, so that equal totals never read as differing by 1e-14.
bool same(double a, double b) { return std::fabs(a - b) < 1e-9; }

std::string figure(double n) { return textOfNumber(n); }

std::string differ(std::string_view subject, double a, std::string_view object, double b, std::string_view verb) {
  std::string s(subject);
  s += " (" + figure(a) + ") ";
  s += verb;
  s += " from ";
  s += object;
  s += " (" + figure(b) + ") by " + figure(std::fabs(a - b)) + ".";
  return s;
}

double sum(const GameData& game, GameTable t, int ordinal) {
  double total = 0;
  for (const StoredRow& r : game.rows(t)) total += r.number(ordinal);
  return total;
}

}  // namespace yardmark::audit
