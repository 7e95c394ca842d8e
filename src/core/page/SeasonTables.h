#pragma once
// The season's tables as plain text, shared by the detail page and the CSV files so that both
// show the same headings and the same figures.
#include <string>
#include <vector>

#include "core/season/SeasonDetail.h"

namespace yardmark {

struct TextTable {
  std::vector<std::string> headings;
  std::vector<std::vector<std::string>> rows;
  size_t textColumns = 0;  // the first columns hold names; the rest figures
};

// One row per chosen game: year, game, both teams, both sides' quarters and final (with any
// overtime points), W or L. The page adds date, site and place after the teams when a game has
// them, and the score to the result of a game decided in overtime ("W 28–21 (OT)"); the CSV
// file keeps its columns and appends date, site, place and both sides' overtime points.
enum class ResultsFor { Page, Csv };
TextTable resultsTable(const SeasonDetail& d, ResultsFor form = ResultsFor::Page);
// One row per game, own and opponent per statistic, then the season's totals and averages.
// The detail page shows the game log's statistics; the CSV file every one.
TextTable teamTable(const SeasonDetail& d, bool everyStat);
// A merged player table as the report page shows it, with its computed columns.
TextTable mergedPlayerTable(const SeasonDetail& d, size_t table);

// Year, game number and opponent of a game; empty texts when it has no header row.
std::vector<std::string> gameLabel(const GameLine& game);

}  // namespace yardmark
