#include "core/page/SeasonTables.h"

#include <algorithm>

#include "core/page/PageText.h"

namespace yardmark {

namespace {

using Cells = std::vector<std::string>;

namespace q = col::quarter;
// Own then opponent: four quarters and the final.
constexpr int kQuarterColumns[2][5] = {
    {q::kQuarter1Own, q::kQuarter2Own, q::kQuarter3Own, q::kQuarter4Own, q::kTotalOwn},
    {q::kQuarter1Opp, q::kQuarter2Opp, q::kQuarter3Opp, q::kQuarter4Opp, q::kTotalOpp}};

void append(Cells& to, const Cells& more) { to.insert(to.end(), more.begin(), more.end()); }

Cells statTexts(size_t table, const DataRow& row) {
  Cells out;
  for (const StatColumn& c : playerTables()[table].columns) out.push_back(statText(c, row));
  return out;
}

}  // namespace

std::vector<std::string> gameLabel(const GameLine& game) {
  if (game.header.empty()) return {"", "", ""};
  namespace h = col::header;
  return {textOf(valueAt(game.header, h::kYear)), textOf(valueAt(game.header, h::kGameNumber)),
          textOf(valueAt(game.header, h::kOppTeamName))};
}

TextTable resultsTable(const SeasonDetail& d, ResultsFor form) {
  const bool page = form == ResultsFor::Page;
  // Older games have no details: the page shows their columns only for a season that has some.
  const bool detailColumns =
      !page || std::any_of(d.games.begin(), d.games.end(), [](const GameLine& g) { return !g.details.empty(); });
  TextTable t{{"Year", "Game", "Team", "Opponent"}, {}, 4};
  if (page && detailColumns) t.headings.insert(t.headings.end(), {"Date", "Site", "Place"}), t.textColumns = 7;
  for (const char* side : {"Own", "Opp"}) {
    for (const char* q : {" Q1", " Q2", " Q3", " Q4", " Final"}) t.headings.push_back(side + std::string(q));
  }
  t.headings.push_back("Result");
  if (!page) t.headings.insert(t.headings.end(), {"Date", "Site", "Place", "Own OT", "Opp OT"});
  for (const GameLine& g : d.games) {
    Cells row = gameLabel(g);
    row.insert(row.begin() + 2, g.header.empty() ? "" : textOf(valueAt(g.header, col::header::kOwnTeamName)));
    const Cells details{g.details.date, std::string(siteText(g.details.site)), g.details.place};
    if (page && detailColumns) append(row, details);
    const double finals[] = {g.score.own, g.score.opp};
    for (size_t s = 0; s < 2; ++s) {
      for (int c : kQuarterColumns[s]) row.push_back(g.quarter.empty() ? "" : textOf(valueAt(g.quarter, c)));
      // A final with overtime points is the quarters' total plus them; otherwise as stored.
      if (g.score.overtime) row.back() = textOfNumber(finals[s]);
    }
    row.push_back(g.result());
    if (page && g.score.overtime && !row.back().empty())
      row.back()
          .append(" ")
          .append(textOfNumber(g.score.own))
          .append("\u2013")
          .append(textOfNumber(g.score.opp))
          .append(" (OT)");
    if (!page) {
      append(row, details);
      for (double ot : {g.details.overtimeOwn, g.details.overtimeOpp}) row.push_back(ot == 0 ? "" : textOfNumber(ot));
    }
    t.rows.push_back(std::move(row));
  }
  return t;
}

TextTable teamTable(const SeasonDetail& d, bool everyStat) {
  TextTable t{{"Year", "Game", "Opponent"}, {}, 3};
  std::vector<int> columns;  // own, opp, own, opp, ...
  for (const TeamStat& s : teamStatList()) {
    if (!everyStat && !s.inGameLog) continue;
    t.headings.push_back(std::string(s.name) + " Own");
    t.headings.push_back(std::string(s.name) + " Opp");
    columns.insert(columns.end(), {s.own, s.opp});
  }
  for (const GameLine& g : d.games) {
    Cells row = gameLabel(g);
    for (int c : columns) row.push_back(g.teamStats.empty() ? "" : wholeOf(valueAt(g.teamStats, c)));
    t.rows.push_back(std::move(row));
  }
  // Totals are the merged row, as the report page shows it.
  const DataRow* total = d.merged[kTeamStats].empty() ? nullptr : &d.merged[kTeamStats].front();
  Cells sums{"Total", "", ""}, averages{"Per game", "", ""};
  for (int c : columns) {
    const Value v = total ? valueAt(*total, c) : Value{};
    sums.push_back(wholeOf(v));
    averages.push_back(averageText(numberOf(v), static_cast<double>(d.withTeamStats)));
  }
  t.rows.push_back(std::move(sums));
  t.rows.push_back(std::move(averages));
  return t;
}

TextTable mergedPlayerTable(const SeasonDetail& d, size_t table) {
  TextTable t{{"Player"}, {}, 1};
  for (const StatColumn& c : playerTables()[table].columns) t.headings.emplace_back(c.csvName());
  for (const DataRow& row : d.merged[kFirstPlayerTable + table]) {
    Cells cells{textOf(row.back())};
    append(cells, statTexts(table, row));
    t.rows.push_back(std::move(cells));
  }
  return t;
}

}  // namespace yardmark
