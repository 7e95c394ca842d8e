#pragma once
// The audit's view of a game file: its tables named, its roster names. No widgets here.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/games/Game.h"

namespace yardmark {

// The audit's names for the one reader's values.
using StoredRow = GameRow;
using GameData = Game;
inline GameData readGameData(const std::filesystem::path& gameFile) { return readGame(gameFile); }

// The player name text of every roster row, in table order. A missing roster holds no names;
// a damaged one throws DbError. Never creates a file.
std::vector<std::string> rosterPlayerNames(const std::filesystem::path& rosterFile);

}  // namespace yardmark
