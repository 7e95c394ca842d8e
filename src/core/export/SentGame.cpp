#include "core/export/SentGame.h"

#include "core/season/Merge.h"
#include "core/season/Statistics.h"

namespace yardmark {

const std::vector<DataRow>& GamePlayers::rows(GameTable t) const { return tables[t - kFirstPlayerTable]; }

GamePlayers gamePlayers(const Game& game) {
  SeasonMerge merge;
  merge.add(game);
  MergedTables merged = merge.take();
  GamePlayers players;
  for (const GameTable t : kPlayerTables) players.tables[t - kFirstPlayerTable] = std::move(merged[t]);
  return players;
}

std::string rowName(const DataRow& row) { return row.empty() ? std::string() : textOf(row.back()); }

std::string sentFileStem(const Game& game) {
  std::string stem;
  if (const GameRow* header = game.first(kHeader)) {
    stem =
        wholeText(header->number(col::header::kYear)) + "_Game" + wholeText(header->number(col::header::kGameNumber));
  } else {
    stem = game.file.parent_path().filename().string() + "_" + game.file.stem().string();
  }
  std::string kept;
  for (const char c : stem)
    if (c != '"' && c != '\'' && c != '(' && c != ')') kept += c == ' ' ? '_' : c;
  return kept;
}

}  // namespace yardmark
