#pragma once
// A game file read once into plain values: every row of the eight tables with its key, so that
// the season, the audit and the open dialog need no database of their own. No widgets here.
#include <array>
#include <cstdint>
#include <filesystem>
#include <vector>

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

struct Game {
  std::filesystem::path file;
  std::array<std::vector<GameRow>, kGameTableCount> tables;

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

// Every row of the eight tables, in stored order, read without changing the file (a save cut
// short is rolled back as opening does). Throws DbError when the file cannot be read as a game.
Game readGame(const std::filesystem::path& gameFile);

}  // namespace yardmark
