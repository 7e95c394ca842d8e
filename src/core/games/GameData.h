#pragma once
// A game file's rows as plain values, read once, so that checks over a game need no database.
// No widgets here.
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/db/Value.h"
#include "core/games/GameTables.h"

namespace yardmark {

struct StoredRow {
  std::int64_t bookmark = 0;  // the row's key: the entry form moves to it again
  std::vector<Value> fields;  // the data columns, fields[0] being ordinal 1

  // The value at a column ordinal (1 and up); no value when the row is shorter.
  Value at(int ordinal) const;
  double number(int ordinal) const { return numberOf(at(ordinal)); }
};

struct GameData {
  std::array<std::vector<StoredRow>, kGameTableCount> tables;

  const std::vector<StoredRow>& rows(GameTable t) const { return tables[static_cast<size_t>(t)]; }
  std::vector<StoredRow>& rows(GameTable t) { return tables[static_cast<size_t>(t)]; }
  // The first row of a game-level table, the only one the program reads; null when it has none.
  const StoredRow* first(GameTable t) const { return rows(t).empty() ? nullptr : &rows(t).front(); }
};

// Every row of the eight tables, in stored order, read without changing the file.
// Throws DbError when the file cannot be read as a game.
GameData readGameData(const std::filesystem::path& gameFile);

// The player name text of every roster row, in table order. A missing roster holds no names;
// a damaged one throws DbError. Never creates a file.
std::vector<std::string> rosterPlayerNames(const std::filesystem::path& rosterFile);

}  // namespace yardmark
