#pragma once
// What the two outputs sent from a game share: the game's players added up per name, and the
// stem of the files they are saved in.
#include <array>
#include <string>
#include <vector>

#include "core/games/Game.h"
#include "core/season/Season.h"

namespace yardmark {

// A game's player rows added up per stored name, as the merge adds them, in GameTable order.
struct GamePlayers {
  // One row per name (and per unnamed row) for each of the five player tables.
  std::array<std::vector<DataRow>, kPlayerTables.size()> tables;
  const std::vector<DataRow>& rows(GameTable t) const;
};
GamePlayers gamePlayers(const Game& game);

// The stored name text of a player row; empty when it has none.
std::string rowName(const DataRow& row);

// "2026_Game3": the header's year and game number, else the year folder and the file's stem. No
// quotes, parentheses or blanks, which some upload pages refuse.
std::string sentFileStem(const Game& game);

}  // namespace yardmark
