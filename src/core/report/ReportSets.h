#pragma once
// The ten row sets a report page is built from, open on the temporary database in the
// order the report writer takes them.
#include <filesystem>

#include "core/db/Database.h"

namespace yardmark {

struct ReportSets {
  explicit ReportSets(const std::filesystem::path& tmpDatabase);
  Database db;
  Recordset defense, header, passing, quarter, receiving, rushing, scoring, teamStats, wins, losses;
};

}  // namespace yardmark
