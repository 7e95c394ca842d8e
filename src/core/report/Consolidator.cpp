#include "core/report/Consolidator.h"

#include <array>
#include <string_view>
#include <unordered_map>

#include "core/db/Database.h"
#include "core/files/SafeWrite.h"
#include "core/games/GameTables.h"

namespace yardmark {

namespace fs = std::filesystem;

namespace {

// Empty fields count as 0 when added; the first `fields` fields are added.
void addInto(DataRow& into, const DataRow& row, size_t fields) {
  for (size_t k = 0; k < fields; ++k) into[k] = Value(numberOf(into[k]) + numberOf(row[k]));
}

// The merged rows of every table so far. Names map to the first row that carries them, which
// is the row a search from the top would find; a name without a value matches nothing.
class Merger {
public:
  void add(const GameRecord& game) {
    for (size_t t = 0; t < kGameTableCount; ++t) {
      const auto& rows = game.tables[t];
      if (rows.empty()) continue;
      auto& into = m_tables[t];
      const MergeRule rule = gameTables()[t].merge;
      if (rule == MergeRule::NewRowPerGame) {
        into.push_back(rows.front());  // further rows of a game are ignored
      } else if (rule == MergeRule::RunningRow) {
        if (into.empty()) into.push_back(rows.front());
        else addInto(into.front(), rows.front(), rows.front().size());
      } else {
        for (const DataRow& row : rows) addPlayer(t, row);
      }
    }
  }
  MergedTables take() { return std::move(m_tables); }

private:
  void addPlayer(size_t t, const DataRow& row) {
    const bool named = playerKeyInto(row.back(), m_key);
    const auto found = named ? m_byName[t].find(m_key) : m_byName[t].end();
    if (found != m_byName[t].end()) {
      addInto(m_tables[t][found->second], row, row.size() - 1);  // the name is not written
    } else {
      if (named) m_byName[t].emplace(m_key, m_tables[t].size());
      m_tables[t].push_back(row);
    }
  }
  MergedTables m_tables;
  std::array<std::unordered_map<std::string, size_t>, kGameTableCount> m_byName;
  std::string m_key;
};

}  // namespace

Consolidator::Consolidator(fs::path tmpDatabase, fs::path masterTemplate)
    : m_tmp(std::move(tmpDatabase)), m_master(std::move(masterTemplate)) {}

void Consolidator::ensureTmpDatabase() const {
  std::error_code ec;
  if (fs::exists(m_tmp, ec)) return;
  try {
    replaceFile(m_tmp, [&](const fs::path& part) {
      copyFileBytes(m_master, part);
    });
  } catch (const fs::filesystem_error& e) {
    throw MergeError(m_tmp, "The temporary database is missing and could not be made from the master template '" +
                                m_master.string() + "': " + e.code().message() + ".");
  }
}

MergedTables mergeGames(const std::vector<GameRecord>& games) {
  Merger merger;
  for (const GameRecord& game : games) merger.add(game);
  return merger.take();
}

void Consolidator::createConsolidated(const std::vector<fs::path>& games) const {
  createConsolidated(readSeason(games));
}

MergedTables Consolidator::createConsolidated(const std::vector<GameRecord>& games) const {
  MergedTables merged = mergeGames(games);
  try {
    Database tmp(m_tmp);
    Database::Transaction tx(tmp);
    for (size_t t = 0; t < kGameTableCount; ++t) {
      Recordset out = tmp.openRecordset(gameTables()[t].query);
      for (const DataRow& row : merged[t]) {
        out.addNew();
        for (size_t k = 0; k < row.size(); ++k) out.setField(static_cast<int>(k + 1), row[k]);
        out.update();
      }
    }
    tx.commit();
  } catch (const DbError& e) {
    throw MergeError(m_tmp, "Cannot write the temporary database: " + e.description());
  }
  return merged;
}

void Consolidator::deletTmpDatabase() const {
  try {
    Database tmp(m_tmp);
    Database::Transaction tx(tmp);
    for (const GameTableLayout& table : gameTables()) {
      Recordset rs = tmp.openRecordset(table.query);
      while (!rs.isEOF()) {
        rs.deleteRow();
        rs.moveNext();
      }
    }
    tx.commit();
  } catch (const DbError& e) {
    throw MergeError(m_tmp, "Cannot empty the temporary database: " + e.description());
  }
}

}  // namespace yardmark
