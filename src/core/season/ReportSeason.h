#pragma once
// The season as the report page shows it: the merged rows as the temporary database holds them
// (so the page shows what SQLite stored, not the merge's own values), and the record by the
// page's rule.
#include <filesystem>

#include "core/games/Game.h"

namespace yardmark {

struct ReportSeason {
  Game merged;  // the eight merged tables, read back once
  long games = 0, wins = 0, losses = 0;

  // The first game's header row; null without any game.
  const GameRow* firstGame() const { return merged.first(kHeader); }
};

// Counts the record over the merged header rows: a game not marked won counts as lost.
ReportSeason reportSeasonOf(Game merged);
// Reads the temporary database once. Throws DbError when it cannot be read.
ReportSeason readReportSeason(const std::filesystem::path& tmpDatabase);

}  // namespace yardmark
