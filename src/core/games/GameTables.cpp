// Checks, at build time, that the named columns and the tables' lists agree.
#include "core/games/GameTables.h"

namespace yardmark {

namespace {

// Each column's constant names its place in the list; a player table's name column is its
// last, a text, and only a player table merges a row per player.
constexpr bool consistent(const GameTableLayout& t) {
  for (size_t i = 0; i < t.fields.size(); ++i)
    if (t.fields[i].ordinal != static_cast<int>(i) + 1) return false;
  const bool player = t.merge == MergeRule::RowPerPlayer;
  if (player != (t.nameColumn != 0)) return false;
  return !player || (t.nameColumn == t.fieldCount() && t.fields.back().kind == ColumnKind::Text);
}

constexpr bool allConsistent() {
  for (const GameTableLayout& t : gameTables())
    if (!consistent(t)) return false;
  for (const GameTable t : kPlayerTables)
    if (!isPlayerTable(t)) return false;
  return kPlayerTables.size() == kGameTableCount - kRushing;
}
static_assert(allConsistent());

// The opponent's figure of statistic k at ordinal k + 1, the own team's ten further on.
constexpr bool teamStatisticsInColumnOrder() {
  for (size_t k = 0; k < kTeamStatistics.size(); ++k)
    if (kTeamStatistics[k].opp != static_cast<int>(k) + 1 || kTeamStatistics[k].own != kTeamStatistics[k].opp + 10)
      return false;
  return 2 * kTeamStatistics.size() == gameTable(kTeamStats).fields.size();
}
static_assert(teamStatisticsInColumnOrder());

// The last constant of each table is its last column.
static_assert(gameTable(kHeader).fieldCount() == col::header::kRecordLosses &&
              gameTable(kQuarter).fieldCount() == col::quarter::kTotalOwn &&
              gameTable(kTeamStats).fieldCount() == col::teamStats::kPuntReturnsOwn &&
              gameTable(kRushing).fieldCount() == col::rushing::kPlayerName &&
              gameTable(kPassing).fieldCount() == col::passing::kPlayerName &&
              gameTable(kReceiving).fieldCount() == col::receiving::kPlayerName &&
              gameTable(kScoring).fieldCount() == col::scoring::kPlayerName &&
              gameTable(kDefense).fieldCount() == col::defense::kPlayerName);

}  // namespace

}  // namespace yardmark
