#include "core/games/Game.h"

#include "core/db/Database.h"

namespace yardmark {

namespace {

std::vector<GameRow> readTable(Database& db, GameTable table) {
  Recordset rs = db.openRecordset(gameTable(table).query);
  std::vector<GameRow> rows;
  rows.reserve(static_cast<size_t>(rs.recordCount()));
  if (rs.recordCount() == 0) return rows;
  const int fields = rs.fieldCount();
  for (rs.moveFirst(); !rs.isEOF(); rs.moveNext()) {
    GameRow& row = rows.emplace_back(GameRow{rs.bookmark(), {}});
    row.fields.reserve(static_cast<size_t>(fields - 1));
    for (int i = 1; i < fields; ++i) row.fields.push_back(rs.field(i));
  }
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
