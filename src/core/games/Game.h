#pragma once
// A game file read once into plain values: every row of the eight tables with its key, so that
// the season, the audit and the open dialog need no database of their own. No widgets here.
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/db/Database.h"
#include "core/db/Value.h"
#include "core/games/GameTables.h"

namespace yardmark {

struct GameRow {
  std::int64_t bookmark = 0;  // the row's key: the entry form moves to it again
  std::vector<Value> fields;  // the data columns, fields[0] being ordinal 1

  // The value at a column ordinal (1 and up); no value when the row is shorter.
  Value at(int ordinal) const;
  double number(int ordinal) const { return numberOf(at(ordinal)); }
};

// Where a game was played. Stored as its name; anything else reads as not set.
enum class Site { Unset, Home, Away, Neutral };
std::string_view siteText(Site site);  // "Home", "Away", "Neutral"; "" when unset
Site siteOf(std::string_view text);    // any letter case

// What the eight tables do not hold: the date, the site and the overtime points. A game file
// without them (older files, or none entered yet) reads as all blank.
struct GameDetails {
  std::string date;  // ISO, "2026-09-12"; empty until set
  Site site = Site::Unset;
  std::string place;
  double overtimeOwn = 0, overtimeOpp = 0;
  std::string notes;

  bool empty() const { return *this == GameDetails{}; }
  bool operator==(const GameDetails&) const = default;
};

struct Game {
  std::filesystem::path file;
  std::array<std::vector<GameRow>, kGameTableCount> tables;
  GameDetails details;

  const std::vector<GameRow>& rows(GameTable t) const { return tables[static_cast<size_t>(t)]; }
  std::vector<GameRow>& rows(GameTable t) { return tables[static_cast<size_t>(t)]; }
  // The first row of a game-level table, the only one the program reads; null when it has none.
  const GameRow* first(GameTable t) const { return rows(t).empty() ? nullptr : &rows(t).front(); }
};

// A game's result, by one of the two rules the outputs use.
enum class GameResult { Won, Lost, Unmarked };
// The report page's rule: a game not marked as won counts as lost.
inline GameResult resultNotWonIsLost(const Value& won) { return isYes(won) ? GameResult::Won : GameResult::Lost; }
// As the coach marked it (the synopsis, the detail page): won, else lost, else neither.
inline GameResult resultAsMarked(const Value& won, const Value& lost) {
  return isYes(won) ? GameResult::Won : isYes(lost) ? GameResult::Lost : GameResult::Unmarked;
}

// The final score: the stored quarter totals plus the overtime points. The page and the entry
// form keep the regulation totals; the detail page, the exports and the audit use this.
struct FinalScore {
  double own = 0, opp = 0;
  bool overtime = false;  // overtime points were scored
};
FinalScore finalScore(const Game& game);

// Every row of the eight tables, in stored order, read without changing the file (a save cut
// short is rolled back as opening does). Throws DbError when the file cannot be read as a game.
Game readGame(const std::filesystem::path& gameFile);

// The details of an open game file; blank when it has none.
GameDetails readGameDetails(Database& db);
// Stores the details in the game file's one details row, giving an older file the table first;
// in one transaction.
void writeGameDetails(Database& db, const GameDetails& details);

}  // namespace yardmark
