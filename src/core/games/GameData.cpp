#include "core/games/GameData.h"

#include <optional>

#include "core/db/Database.h"
#include "core/roster/Roster.h"

namespace yardmark {

namespace {

std::vector<StoredRow> readTable(Database& db, GameTable table) {
  Recordset rs = db.openRecordset(gameTable(table).query);
  std::vector<StoredRow> rows;
  rows.reserve(static_cast<size_t>(rs.recordCount()));
  if (rs.recordCount() == 0) return rows;
  for (rs.moveFirst(); !rs.isEOF(); rs.moveNext()) {
    StoredRow row{rs.bookmark(), {}};
    row.fields.reserve(static_cast<size_t>(rs.fieldCount()));
    for (int i = 1; i < rs.fieldCount(); ++i) row.fields.push_back(rs.field(i));
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace

Value StoredRow::at(int ordinal) const {
  if (ordinal < 1 || static_cast<size_t>(ordinal) > fields.size()) return {};
  return fields[static_cast<size_t>(ordinal - 1)];
}

GameData readGameData(const std::filesystem::path& gameFile) {
  Database db(gameFile, Database::Mode::ReadOnly);
  GameData game;
  for (int t = 0; t < kGameTableCount; ++t)
    game.tables[static_cast<size_t>(t)] = readTable(db, static_cast<GameTable>(t));
  return game;
}

std::vector<std::string> rosterPlayerNames(const std::filesystem::path& rosterFile) {
  std::vector<std::string> names;
  for (const PersonName& name : readRosterNames(rosterFile)) names.push_back(playerNameText(name));
  return names;
}

}  // namespace yardmark
