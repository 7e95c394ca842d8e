#pragma once
// The season game by game, as the detail page and the CSV files show it: built from the games as
// read and from their merge, so that every season figure is the report page's own.
#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/season/Merge.h"

namespace yardmark {

inline constexpr size_t kPlayerTableCount = kGameTableCount - kFirstPlayerTable;

// The name of the one total tackles figure (unassisted + assisted + sacks) in our own outputs.
inline constexpr std::string_view kTotalTacklesName = "Total Tackles";

// A column of a player table: a stored figure, or one computed as the report page computes it.
struct StatColumn {
  enum class Kind { Field, Average, Percent, TackleSum };
  std::string_view name;  // as the page heads it
  Kind kind;
  int a = 0, b = 0;               // columns; Field: a; Average: a / b; Percent: a * 100 / b
  std::string_view meaning = {};  // for a short name the page explains, and the CSV files' heading
  std::string_view csvName() const { return meaning.empty() ? name : meaning; }
};

struct PlayerTableLayout {
  GameTable table;
  std::string_view title;
  std::vector<StatColumn> columns;
};

// The five player tables in page order (index 0 is GameTable Rushing).
const std::array<PlayerTableLayout, kPlayerTableCount>& playerTables();
// The plain text of a column for a row of its table.
std::string statText(const StatColumn& column, const DataRow& row);

// A team statistic as our own outputs label it, in the entry form's order.
struct TeamStat {
  std::string_view name;
  int opp, own;  // columns of the team statistics table
  bool inGameLog;
};
const std::vector<TeamStat>& teamStatList();

// The value at a column of a merged or first row; no value when the row is shorter.
inline Value valueAt(const DataRow& row, int column) {
  return column >= 1 && static_cast<size_t>(column) <= row.size() ? row[static_cast<size_t>(column - 1)] : Value{};
}

struct GameLine {
  DataRow header, quarter, teamStats;  // the game's first rows; empty when it has none
  GameDetails details;                 // blank for a game without them
  FinalScore score;                    // the quarter totals plus the overtime points
  std::string result() const;          // "W", "L" or nothing, as marked
};

// A player's figures of one table: its data fields as numbers, the name left out; column c at c - 1.
inline constexpr size_t kMaxFigures = 8;
using Figures = std::array<double, kMaxFigures>;
// The figure of a column for figures summed from game rows; the same as statText gives for
// stored numbers, without going through text.
double statFigure(const StatColumn& column, const Figures& figures);
// A figure as text, as a stored number is shown.
void appendFigure(std::string& out, double figure);
// A column's text for summed figures: averages with their one decimal, the rest as figures.
void appendStat(std::string& out, const StatColumn& column, const Figures& figures);

// What a player did in one game or in the season: each table's rows summed.
struct PlayerFigures {
  std::array<bool, kPlayerTableCount> in{};  // the player has rows in the table
  std::array<Figures, kPlayerTableCount> tables{};
};

struct PlayerGame {
  size_t game;  // index into SeasonDetail::games
  PlayerFigures figures;
};

struct PlayerLog {
  Value name;
  std::vector<PlayerGame> games;
  PlayerFigures totals;
};

struct Leader {
  long place;
  Value name;
  double figure;
  size_t games;  // games in which the player appears in any player table
};

struct LeaderBoard {
  std::string_view title;
  std::vector<Leader> leaders;
};

struct SeasonDetail {
  std::vector<GameLine> games;  // every chosen game, in the order chosen
  MergedTables merged;
  std::vector<PlayerLog> players;  // by first appearance; a row without a name is no player
  std::vector<LeaderBoard> leaders;
  long won = 0, lost = 0, unmarked = 0;  // over the games with a header row
  long withTeamStats = 0;                // games with a team statistics row: the per-game divisor
  std::string team = "OWN", year;        // of the first header row, as the report's title
};

// The season built game by game as each is read, so that no game is held longer than its turn:
// the merge always; the games, players and leaders when gameByGame.
class SeasonBuilder {
 public:
  explicit SeasonBuilder(bool gameByGame = true);
  ~SeasonBuilder();
  SeasonBuilder(const SeasonBuilder&) = delete;
  SeasonBuilder& operator=(const SeasonBuilder&) = delete;
  void add(const Game& game);
  SeasonDetail finish();

 private:
  struct State;
  std::unique_ptr<State> m;
};

SeasonDetail buildSeasonDetail(const std::vector<Game>& games);
// Reads and builds the season in list order. Throws MergeError.
SeasonDetail buildSeasonDetail(const std::vector<std::filesystem::path>& files, bool gameByGame = true);

// How many places a leader board has; players tied on a figure share a place.
inline constexpr long kLeaderPlaces = 5;

}  // namespace yardmark
