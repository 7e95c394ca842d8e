#include "core/games/Game.h"

#include "core/db/Database.h"

namespace yardmark {

namespace {

std::vector<GameRow> readTable(Database& db, GameTable table) {
  std::vector<Database::Row> stored = db.readRows(gameTable(table).query);
  std::vector<GameRow> rows;
  rows.reserve(stored.size());
  for (Database::Row& row : stored) rows.push_back(GameRow{row.key, std::move(row.fields)});
  return rows;
}

}  // namespace

Value GameRow::at(int ordinal) const {
  if (ordinal < 1 || static_cast<size_t>(ordinal) > fields.size()) return {};
  return fields[static_cast<size_t>(ordinal - 1)];
}

Game readGame(const std::filesystem::path& gameFile) {
  Database db(gameFile, Database::Mode::ReadOnly);
  Game game;
  game.file = gameFile;
  for (int t = 0; t < kGameTableCount; ++t)
    game.tables[static_cast<size_t>(t)] = readTable(db, static_cast<GameTable>(t));
  return game;
}

}  // namespace yardmark
