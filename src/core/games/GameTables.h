#pragma once
// The eight tables of a game file, in game order, and every column of them by name: the entry
// form, the audit, the merge, its emptying and the converter all read them from here.
#include <array>
#include <span>
#include <string_view>

#include "core/db/Schema.h"

namespace yardmark {

// Index of each table in game order (the entry form's views and its newRowPending flags).
enum GameTable {
  kHeader = 0,
  kQuarter,
  kTeamStats,
  kRushing,
  kPassing,
  kReceiving,
  kScoring,
  kDefense,
  kGameTableCount
};

// Column ordinals (the key is ordinal 0), one namespace per table, named as the table names them.
namespace col {
namespace header {
enum : int { kOwnTeamName = 1, kOppTeamName, kYear, kGameNumber, kRecordWins, kRecordLosses };
}
namespace quarter {
enum : int {
  kQuarter1Opp = 1,
  kQuarter1Own,
  kQuarter2Opp,
  kQuarter2Own,
  kQuarter3Opp,
  kQuarter3Own,
  kQuarter4Opp,
  kQuarter4Own,
  kTotalOpp,
  kTotalOwn
};
}
// Ten figures for the opponent, then the same ten for the own team. "Passing" counts completions.
namespace teamStats {
enum : int {
  kFirstDownsOpp = 1,
  kRushingOpp,
  kPassingOpp,
  kPassingYrdsOpp,
  kTotalOffenseOpp,
  kFumblesLostOpp,
  kPenaltiesOpp,
  kPuntsOpp,
  kPlaysOpp,
  kPuntReturnsOpp,
  kFirstDownsOwn,
  kRushingOwn,
  kPassingOwn,
  kPassingYrdsOwn,
  kTotalOffenseOwn,
  kFumblesLostOwn,
  kPenaltiesOwn,
  kPuntsOwn,
  kPlaysOwn,
  kPuntReturnsOwn
};
}
// A player table's name column comes last: the merge finds a player's row by it.
namespace rushing {
enum : int { kAtt = 1, kYds, kTds, k2Pts, kPlayerName };
}
namespace passing {
enum : int { kComp = 1, kAtt, kYds, kTds, kInt, kPlayerName };
}
namespace receiving {
enum : int { kRec = 1, kYds, kTds, k2Pts, kPlayerName };
}
namespace scoring {
enum : int { kTd = 1, kPat, k2Pts, kFg, kPts, kPlayerName };
}
namespace defense {
enum : int {
  kUnassisted = 1,
  kAssists,
  kQBSacks,
  kPassDeflects,
  kFumbleRecoveries,
  kFumblesCaused,
  kInts,
  kBlockedKicks,
  kPlayerName
};
}
// Not one of the eight: added later, read beside them, never merged or reported on the page.
namespace gameDetails {
enum : int { kGameDate = 1, kSite, kPlace, kOvertimeOwn, kOvertimeOpp, kNotes };
}
}  // namespace col

// What a number box takes: digits only, at most five; yards, which may be lost; sacks, which
// two players may share.
enum class BoxKeys { Digits, Yards, Sacks };

struct GameColumn {
  std::string_view name;  // as the schema spells it
  int ordinal;
  ColumnKind kind;
  BoxKeys keys = BoxKeys::Digits;  // for a number typed in the entry form
};

// How the merge of several games fills the table.
enum class MergeRule {
  NewRowPerGame,  // each game's first row, in list order
  RunningRow,     // one row: each game's first row added field by field
  RowPerPlayer,   // one row per player name (the name column), the other fields added
};

struct GameTableLayout {
  std::string_view name;               // as the schema spells it
  std::string_view key;                // ordinal 0
  std::span<const GameColumn> fields;  // ordinals 1 on, in order
  MergeRule merge;
  int nameColumn;            // a player table's name column; 0: not a player table
  const char* query;         // opens the table's view: the entry form, the merge and the emptying
  const char* sectionQuery;  // reopens the section's view when the entry form becomes active
  const char* reportQuery;   // the report's row set
  std::string_view caption;  // the entry form's section
  int tab;                   // the entry form's page (SSTab1) showing the section
  int subTab;                // the Offense page's tab (SSTab2) to show; -1: not on one. Scoring stands beside
                             // those tabs; the all-sections check shows the first with it

  constexpr int fieldCount() const { return static_cast<int>(fields.size()); }
};

namespace schema {
constexpr auto N = ColumnKind::Number, T = ColumnKind::Text, Y = ColumnKind::YesNo;
constexpr auto kYards = BoxKeys::Yards, kSacks = BoxKeys::Sacks;
namespace h = col::header;
namespace q = col::quarter;
namespace ts = col::teamStats;

inline constexpr GameColumn kHeader[] = {
    {"OwnTeamName", h::kOwnTeamName, T}, {"OppTeamName", h::kOppTeamName, T}, {"Year", h::kYear, N},
    {"GameNumber", h::kGameNumber, N},   {"RecordWins", h::kRecordWins, Y},   {"RecordLosses", h::kRecordLosses, Y}};
inline constexpr GameColumn kQuarter[] = {{"Quarter1Opp", q::kQuarter1Opp, N},  {"Quarter1Own", q::kQuarter1Own, N},
                                          {"Quarter2Opp", q::kQuarter2Opp, N},  {"Quarter2Own", q::kQuarter2Own, N},
                                          {"Quarter3Opp", q::kQuarter3Opp, N},  {"Quarter3Own", q::kQuarter3Own, N},
                                          {"Quarter4Opp", q::kQuarter4Opp, N},  {"Quarter4Own", q::kQuarter4Own, N},
                                          {"QuarterTotalOpp", q::kTotalOpp, N}, {"QuarterTotalOwn", q::kTotalOwn, N}};
inline constexpr GameColumn kTeamStats[] = {{"teamStatsFirstDownsOpp", ts::kFirstDownsOpp, N},
                                            {"teamStatsRushingOpp", ts::kRushingOpp, N, kYards},
                                            {"teamStatsPassingOpp", ts::kPassingOpp, N},
                                            {"teamStatsPassingYrdsOpp", ts::kPassingYrdsOpp, N, kYards},
                                            {"teamStatsTotalOffenseOpp", ts::kTotalOffenseOpp, N, kYards},
                                            {"teamStatsFumblesLostOpp", ts::kFumblesLostOpp, N},
                                            {"teamStatsPenaltiesOpp", ts::kPenaltiesOpp, N},
                                            {"teamStatsPuntsOpp", ts::kPuntsOpp, N},
                                            {"teamStatsPlaysOpp", ts::kPlaysOpp, N},
                                            {"teamStatsPuntReturnsOpp", ts::kPuntReturnsOpp, N},
                                            {"teamStatsFirstDownsOwn", ts::kFirstDownsOwn, N},
                                            {"teamStatsRushingOwn", ts::kRushingOwn, N, kYards},
                                            {"teamStatsPassingOwn", ts::kPassingOwn, N},
                                            {"teamStatsPassingYrdsOwn", ts::kPassingYrdsOwn, N, kYards},
                                            {"teamStatsTotalOffenseOwn", ts::kTotalOffenseOwn, N, kYards},
                                            {"teamStatsFumblesLostOwn", ts::kFumblesLostOwn, N},
                                            {"teamStatsPenaltiesOwn", ts::kPenaltiesOwn, N},
                                            {"teamStatsPuntsOwn", ts::kPuntsOwn, N},
                                            {"teamStatsPlaysOwn", ts::kPlaysOwn, N},
                                            {"teamStatsPuntReturnsOwn", ts::kPuntReturnsOwn, N}};
inline constexpr GameColumn kRushing[] = {{"indRushATT", col::rushing::kAtt, N},
                                          {"indRushYDS", col::rushing::kYds, N, kYards},
                                          {"indRushTDS", col::rushing::kTds, N},
                                          {"indRush2PTS", col::rushing::k2Pts, N},
                                          {"indPlayerName", col::rushing::kPlayerName, T}};
inline constexpr GameColumn kPassing[] = {
    {"indPassCOMP", col::passing::kComp, N},       {"indPassATT", col::passing::kAtt, N},
    {"indPassYDS", col::passing::kYds, N, kYards}, {"indPassTDS", col::passing::kTds, N},
    {"indPassINT", col::passing::kInt, N},         {"indPlayerName", col::passing::kPlayerName, T}};
inline constexpr GameColumn kReceiving[] = {{"indRecREC", col::receiving::kRec, N},
                                            {"indRecYDS", col::receiving::kYds, N, kYards},
                                            {"indRecTDS", col::receiving::kTds, N},
                                            {"indRec2PTS", col::receiving::k2Pts, N},
                                            {"indPlayerName", col::receiving::kPlayerName, T}};
inline constexpr GameColumn kScoring[] = {
    {"indScoreTD", col::scoring::kTd, N},     {"indScorePAT", col::scoring::kPat, N},
    {"indScore2PTS", col::scoring::k2Pts, N}, {"indScoreFG", col::scoring::kFg, N},
    {"indScorePTS", col::scoring::kPts, N},   {"indPlayerName", col::scoring::kPlayerName, T}};
inline constexpr GameColumn kDefense[] = {{"defUnassisted", col::defense::kUnassisted, N},
                                          {"defAssists", col::defense::kAssists, N},
                                          {"defQBSacks", col::defense::kQBSacks, N, kSacks},
                                          {"defPassDeflects", col::defense::kPassDeflects, N},
                                          {"defFumbleRecoveries", col::defense::kFumbleRecoveries, N},
                                          {"defFumblesCaused", col::defense::kFumblesCaused, N},
                                          {"defINTS", col::defense::kInts, N},
                                          {"defBlockedKicks", col::defense::kBlockedKicks, N},
                                          {"defPlayerName", col::defense::kPlayerName, T}};

inline constexpr GameColumn kGameDetails[] = {{"GameDate", col::gameDetails::kGameDate, T},
                                              {"Site", col::gameDetails::kSite, T},
                                              {"Place", col::gameDetails::kPlace, T},
                                              {"OvertimeOwn", col::gameDetails::kOvertimeOwn, N},
                                              {"OvertimeOpp", col::gameDetails::kOvertimeOpp, N},
                                              {"Notes", col::gameDetails::kNotes, T}};

using M = MergeRule;
// The query texts as each use has always spelled them: the views and the merge in lower case,
// the header section's reopening and the report's row sets with a capital.
inline constexpr std::array<GameTableLayout, kGameTableCount> kTables{{
    {"header", "headerID", kHeader, M::NewRowPerGame, 0, "select * from header", "Select * from header",
     "Select * from header", "Game Information", 0, -1},
    {"quarter", "quarterID", kQuarter, M::RunningRow, 0, "select * from quarter", "select * from quarter",
     "Select * from quarter", "Quarter", 0, -1},
    {"teamStats", "teamStatsID", kTeamStats, M::RunningRow, 0, "select * from teamStats", "select * from teamStats",
     "Select * from TeamStats", "Team Stats", 1, -1},
    {"rushing", "rushingID", kRushing, M::RowPerPlayer, col::rushing::kPlayerName, "select * from rushing",
     "select * from rushing", "Select * from rushing", "Rushing", 2, 0},
    {"passing", "passingID", kPassing, M::RowPerPlayer, col::passing::kPlayerName, "select * from passing",
     "select * from passing", "Select * from passing", "Passing", 2, 1},
    {"receiving", "receivingID", kReceiving, M::RowPerPlayer, col::receiving::kPlayerName, "select * from receiving",
     "select * from receiving", "Select * from receiving", "Receiving", 2, 2},
    // Scoring sits beside the Offense page's tabs; the all-sections check shows Rushing with it.
    {"scoring", "scoringID", kScoring, M::RowPerPlayer, col::scoring::kPlayerName, "select * from scoring",
     "select * from scoring", "Select * from scoring", "Scoring", 2, 0},
    {"defense", "defenseID", kDefense, M::RowPerPlayer, col::defense::kPlayerName, "select * from defense",
     "select * from defense", "Select * from defense", "Defense", 3, -1},
}};

}  // namespace schema

// A game's date, site and overtime: one row, in a table older game files lack.
inline constexpr std::string_view kGameDetailsTable = "gameDetails";
inline constexpr std::string_view kGameDetailsKey = "gameDetailsID";
inline constexpr std::span<const GameColumn> kGameDetailsColumns = schema::kGameDetails;
inline constexpr const char* kGameDetailsQuery = "select * from gameDetails";

// Indexed by GameTable.
constexpr const std::array<GameTableLayout, kGameTableCount>& gameTables() { return schema::kTables; }
constexpr const GameTableLayout& gameTable(GameTable table) { return schema::kTables[table]; }

// The table's name in a game file ("teamStats").
constexpr std::string_view tableName(GameTable table) { return gameTable(table).name; }
// Its section as the entry form captions it ("Team Stats").
constexpr std::string_view sectionName(GameTable table) { return gameTable(table).caption; }
constexpr bool isPlayerTable(GameTable table) { return gameTable(table).nameColumn != 0; }
// The name column of a player table.
constexpr int playerNameColumn(GameTable table) { return gameTable(table).nameColumn; }
// The five player tables, in game order.
inline constexpr std::array<GameTable, 5> kPlayerTables{kRushing, kPassing, kReceiving, kScoring, kDefense};

// The ten team statistics, in the entry form's order: the label of its two boxes and the column
// of each side.
struct TeamStatistic {
  std::string_view label;
  int opp, own;
  constexpr BoxKeys keys() const { return schema::kTeamStats[own - 1].keys; }
};
inline constexpr std::array<TeamStatistic, 10> kTeamStatistics{{
    {"First Downs", col::teamStats::kFirstDownsOpp, col::teamStats::kFirstDownsOwn},
    {"Rushing Yards", col::teamStats::kRushingOpp, col::teamStats::kRushingOwn},
    {"Pass Completions", col::teamStats::kPassingOpp, col::teamStats::kPassingOwn},
    {"Passing Yards", col::teamStats::kPassingYrdsOpp, col::teamStats::kPassingYrdsOwn},
    {"Total Offense", col::teamStats::kTotalOffenseOpp, col::teamStats::kTotalOffenseOwn},
    {"Fumbles Lost", col::teamStats::kFumblesLostOpp, col::teamStats::kFumblesLostOwn},
    {"Stats Penalties", col::teamStats::kPenaltiesOpp, col::teamStats::kPenaltiesOwn},
    {"Punts", col::teamStats::kPuntsOpp, col::teamStats::kPuntsOwn},
    {"Plays", col::teamStats::kPlaysOpp, col::teamStats::kPlaysOwn},
    {"Punt Returns", col::teamStats::kPuntReturnsOpp, col::teamStats::kPuntReturnsOwn},
}};
// The query texts by the names their callers use, all from the one table above.
namespace queries {
inline constexpr const char* kSelectHeader = gameTable(kHeader).reportQuery;
inline constexpr const char* kSelectDefense = gameTable(kDefense).reportQuery;
inline constexpr const char* kSelectPassing = gameTable(kPassing).reportQuery;
inline constexpr const char* kSelectQuarter = gameTable(kQuarter).reportQuery;
inline constexpr const char* kSelectReceiving = gameTable(kReceiving).reportQuery;
inline constexpr const char* kSelectRushing = gameTable(kRushing).reportQuery;
inline constexpr const char* kSelectScoring = gameTable(kScoring).reportQuery;
inline constexpr const char* kSelectTeamStats = gameTable(kTeamStats).reportQuery;
// Games marked won, and games marked lost.
inline constexpr const char* kSelectWins = "Select * from header WHERE RecordWins=Yes";
inline constexpr const char* kSelectLosses = "Select * from header WHERE RecordLosses=Yes";
}  // namespace queries

}  // namespace yardmark
