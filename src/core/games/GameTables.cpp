#include "core/games/GameTables.h"

namespace yardmark {

namespace {

using Fields = std::string_view[];

constexpr Fields kHeaderFields = {"OwnTeamName", "OppTeamName", "Year", "GameNumber", "RecordWins", "RecordLosses"};
constexpr Fields kQuarterFields = {"Quarter1Opp", "Quarter1Own", "Quarter2Opp", "Quarter2Own",     "Quarter3Opp",
                                   "Quarter3Own", "Quarter4Opp", "Quarter4Own", "QuarterTotalOpp", "QuarterTotalOwn"};
// Ten figures for the opponent, then the same ten for the own team.
constexpr Fields kTeamStatsFields = {
    "teamStatsFirstDownsOpp",  "teamStatsRushingOpp",      "teamStatsPassingOpp",     "teamStatsPassingYrdsOpp",
    "teamStatsTotalOffenseOpp", "teamStatsFumblesLostOpp", "teamStatsPenaltiesOpp",   "teamStatsPuntsOpp",
    "teamStatsPlaysOpp",       "teamStatsPuntReturnsOpp",  "teamStatsFirstDownsOwn",  "teamStatsRushingOwn",
    "teamStatsPassingOwn",     "teamStatsPassingYrdsOwn",  "teamStatsTotalOffenseOwn", "teamStatsFumblesLostOwn",
    "teamStatsPenaltiesOwn",   "teamStatsPuntsOwn",        "teamStatsPlaysOwn",       "teamStatsPuntReturnsOwn"};
// A player table's name field comes last: the merge finds a player's row by it.
constexpr Fields kRushingFields = {"indRushATT", "indRushYDS", "indRushTDS", "indRush2PTS", "indPlayerName"};
constexpr Fields kPassingFields = {"indPassCOMP", "indPassATT", "indPassYDS",
                                   "indPassTDS",  "indPassINT", "indPlayerName"};
constexpr Fields kReceivingFields = {"indRecREC", "indRecYDS", "indRecTDS", "indRec2PTS", "indPlayerName"};
constexpr Fields kScoringFields = {"indScoreTD", "indScorePAT", "indScore2PTS",
                                   "indScoreFG", "indScorePTS", "indPlayerName"};
constexpr Fields kDefenseFields = {"defUnassisted",       "defAssists",       "defQBSacks",
                                   "defPassDeflects",     "defFumbleRecoveries", "defFumblesCaused",
                                   "defINTS",             "defBlockedKicks",  "defPlayerName"};

constexpr std::array<GameTableLayout, kGameTableCount> kGameTables{{
    {"header", "headerID", kHeaderFields, MergeRule::NewRowPerGame, "select * from header"},
    {"quarter", "quarterID", kQuarterFields, MergeRule::RunningRow, "select * from quarter"},
    {"teamStats", "teamStatsID", kTeamStatsFields, MergeRule::RunningRow, "select * from teamStats"},
    {"rushing", "rushingID", kRushingFields, MergeRule::RowPerPlayer, "select * from rushing"},
    {"passing", "passingID", kPassingFields, MergeRule::RowPerPlayer, "select * from passing"},
    {"receiving", "receivingID", kReceivingFields, MergeRule::RowPerPlayer, "select * from receiving"},
    {"scoring", "scoringID", kScoringFields, MergeRule::RowPerPlayer, "select * from scoring"},
    {"defense", "defenseID", kDefenseFields, MergeRule::RowPerPlayer, "select * from defense"},
}};

}  // namespace

const std::array<GameTableLayout, kGameTableCount>& gameTables() { return kGameTables; }

}  // namespace yardmark
