#include "core/season/ReportSeason.h"

namespace yardmark {

ReportSeason reportSeasonOf(Game merged) {
  ReportSeason s;
  s.merged = std::move(merged);
  for (const GameRow& row : s.merged.rows(kHeader)) {
    ++s.games;
    ++(resultNotWonIsLost(row.at(col::header::kRecordWins)) == GameResult::Won ? s.wins : s.losses);
  }
  return s;
}

ReportSeason readReportSeason(const std::filesystem::path& tmpDatabase) {
  return reportSeasonOf(readGame(tmpDatabase));
}

}  // namespace yardmark
