#include "core/page/SeasonTables.h"

#include "core/page/PageText.h"

namespace yardmark {

namespace {

using Cells = std::vector<std::string>;

void append(Cells& to, const Cells& more) { to.insert(to.end(), more.begin(), more.end()); }

Cells statTexts(size_t table, const DataRow& row) {
  Cells out;
  for (const StatColumn& c : playerTables()[table].columns) out.push_back(statText(c, row));
  return out;
}

}  // namespace

std::vector<std::string> gameLabel(const GameLine& game) {
  if (game.header.empty()) return {"", "", ""};
  return {textOf(game.header[field::Year]), textOf(game.header[field::GameNumber]),
          textOf(game.header[field::OppTeam])};
}

TextTable resultsTable(const SeasonDetail& d) {
  TextTable t{{"Year", "Game", "Team", "Opponent"}, {}, 4};
  for (const char* side : {"Own", "Opp"}) {
    for (const char* q : {" Q1", " Q2", " Q3", " Q4", " Final"}) t.headings.push_back(side + std::string(q));
  }
  t.headings.push_back("Result");
  for (const GameLine& g : d.games) {
    Cells row = gameLabel(g);
    row.insert(row.begin() + 2, g.header.empty() ? "" : textOf(g.header[field::OwnTeam]));
    // kQuarter fields alternate opponent, own; the two totals follow.
    for (const size_t side : {size_t{1}, size_t{0}}) {
      for (size_t k = side; k < field::TotalOpp; k += 2) row.push_back(g.quarter.empty() ? "" : textOf(g.quarter[k]));
      row.push_back(g.quarter.empty() ? "" : textOf(g.quarter[field::TotalOpp + side]));
    }
    row.push_back(g.result());
    t.rows.push_back(std::move(row));
  }
  return t;
}

TextTable teamTable(const SeasonDetail& d, bool everyStat) {
  TextTable t{{"Year", "Game", "Opponent"}, {}, 3};
  std::vector<size_t> fields;  // own, opp, own, opp, ...
  for (const TeamStat& s : teamStatList()) {
    if (!everyStat && !s.inGameLog) continue;
    t.headings.push_back(std::string(s.name) + " Own");
    t.headings.push_back(std::string(s.name) + " Opp");
    fields.insert(fields.end(), {s.opp + kOwnOffset, s.opp});
  }
  long withStats = 0;
  for (const GameLine& g : d.games) {
    Cells row = gameLabel(g);
    for (size_t f : fields) row.push_back(g.teamStats.empty() ? "" : wholeOf(g.teamStats[f]));
    withStats += g.teamStats.empty() ? 0 : 1;
    t.rows.push_back(std::move(row));
  }
  // Totals are the merged row, as the report page shows it.
  const DataRow* total = d.merged[kTeamStats].empty() ? nullptr : &d.merged[kTeamStats].front();
  Cells sums{"Total", "", ""}, averages{"Per game", "", ""};
  for (size_t f : fields) {
    const Value v = total ? (*total)[f] : Value{};
    sums.push_back(wholeOf(v));
    averages.push_back(averageText(numberOf(v), static_cast<double>(withStats)));
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
