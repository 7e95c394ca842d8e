#include "core/report/Consolidator.h"

#include "core/db/Database.h"
#include "core/files/SafeWrite.h"
#include "core/games/GameTables.h"

namespace yardmark {

namespace fs = std::filesystem;

Consolidator::Consolidator(fs::path tmpDatabase, fs::path masterTemplate)
    : m_tmp(std::move(tmpDatabase)), m_master(std::move(masterTemplate)) {}

void Consolidator::ensureTmpDatabase() const {
  std::error_code ec;
  if (fs::exists(m_tmp, ec)) return;
  try {
    replaceFile(m_tmp, [&](const fs::path& part) { copyFileBytes(m_master, part); });
  } catch (const fs::filesystem_error& e) {
    throw MergeError(m_tmp, "The temporary database is missing and could not be made from the master template '" +
                                m_master.string() + "': " + e.code().message() + ".");
  }
}

void Consolidator::createConsolidated(const std::vector<Game>& games) const { writeConsolidated(mergeGames(games)); }

void Consolidator::writeConsolidated(const MergedTables& merged) const {
  try {
    Database tmp(m_tmp, Database::Mode::Scratch);
    Database::Transaction tx(tmp);
    for (size_t t = 0; t < kGameTableCount; ++t) tmp.appendRows(gameTables()[t].query, merged[t]);
    tx.commit();
  } catch (const DbError& e) {
    throw MergeError(m_tmp, "Cannot write the temporary database: " + e.description());
  }
}

void Consolidator::deletTmpDatabase() const {
  try {
    Database tmp(m_tmp, Database::Mode::Scratch);
    Database::Transaction tx(tmp);
    for (const GameTableLayout& table : gameTables()) tmp.deleteRows(table.query);
    tx.commit();
  } catch (const DbError& e) {
    throw MergeError(m_tmp, "Cannot empty the temporary database: " + e.description());
  }
}

}  // namespace yardmark
