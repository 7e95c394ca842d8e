#pragma once
// Writes the season's merge into the temporary database, which the report page is built from.
#include <filesystem>
#include <vector>

#include "core/season/Merge.h"

namespace yardmark {

class Consolidator {
 public:
  Consolidator(std::filesystem::path tmpDatabase, std::filesystem::path masterTemplate);

  // Makes the temporary database from the master template when it is missing.
  void ensureTmpDatabase() const;

  // Merges the games already read, in list order, into the temporary database, which the
  // caller has emptied.
  void createConsolidated(const std::vector<Game>& games) const;
  // Writes a season's merge.
  void writeConsolidated(const MergedTables& merged) const;

  // Empties all eight tables of the temporary database.
  void deletTmpDatabase() const;

  const std::filesystem::path& tmpDatabase() const { return m_tmp; }

 private:
  std::filesystem::path m_tmp;
  std::filesystem::path m_master;
};

}  // namespace yardmark
