#pragma once
// The merge of the chosen games: game information rows collected, quarter scores and team
// statistics summed into one row each, player rows summed per name.
#include <array>
#include <vector>

#include "core/season/Season.h"

namespace yardmark {

// The merged rows of the eight tables, in GameTable order, as the temporary database gets them.
using MergedTables = std::array<std::vector<DataRow>, kGameTableCount>;

// The merge of games already read, in list order; pure, so every output of the season shows
// exactly the figures of the report page.
MergedTables mergeGames(const std::vector<Game>& games);

}  // namespace yardmark
