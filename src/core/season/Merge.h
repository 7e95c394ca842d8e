#pragma once
// The merge of the chosen games: game information rows collected, quarter scores and team
// statistics summed into one row each, player rows summed per name.
#include <array>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/season/Season.h"

namespace yardmark {

// The merged rows of the eight tables, in GameTable order, as the temporary database gets them.
using MergedTables = std::array<std::vector<DataRow>, kGameTableCount>;

// The merge so far, game by game in list order; pure, so every output of the season shows
// exactly the figures of the report page. Names map to the first row that carries them, which
// is the row a search from the top would find; a name without a value matches nothing.
class SeasonMerge {
 public:
  void add(const Game& game);
  MergedTables take() { return std::move(m_tables); }

 private:
  void addPlayer(size_t t, const DataRow& row);
  MergedTables m_tables;
  std::array<std::unordered_map<std::string, size_t>, kGameTableCount> m_byName;
  std::string m_key;
};

// The merge of games already read, in list order.
MergedTables mergeGames(const std::vector<Game>& games);

}  // namespace yardmark
