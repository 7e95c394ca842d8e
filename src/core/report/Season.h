#pragma once
// The chosen games as read from their files, in the order chosen: the rows the merge takes
// (each game's first header, quarter and team statistics row; every player row) kept per
// game, so that the season can be shown game by game as well as in total.
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/db/Value.h"
#include "core/games/GameTables.h"

namespace yardmark {

// The first player table; the player tables follow it in GameTable order.
inline constexpr size_t kFirstPlayerTable = kRushing;

using DataRow = std::vector<Value>;  // data fields 1..n at 0..n-1

struct GameRecord {
  std::filesystem::path file;
  std::array<std::vector<DataRow>, kGameTableCount> tables;
  // The game's first row of a game-level table, or nothing when it has none.
  const DataRow* first(GameTable t) const { return tables[t].empty() ? nullptr : &tables[t].front(); }
};

// Reads one game file; only reads it. Throws MergeError naming the file and why it cannot be used.
GameRecord readGame(const std::filesystem::path& file);
// Reads the games in list order; the first that cannot be read stops it (MergeError).
std::vector<GameRecord> readSeason(const std::vector<std::filesystem::path>& files);

// What groups player rows into one player: the exact stored value, letter case and blanks
// counting. A name without a value groups with nothing.
std::optional<std::string> playerKey(const Value& name);
// The same into a buffer kept by the caller (no allocation per row); false for no name.
bool playerKeyInto(const Value& name, std::string& key);

}  // namespace yardmark
