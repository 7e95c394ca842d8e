#include "core/export/NewspaperBox.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <span>

#include "core/export/SentGame.h"
#include "core/season/Statistics.h"
#include "core/text/NameFold.h"

namespace yardmark {

namespace {

// The team statistics as a newspaper labels them, in the entry form's order.
constexpr std::string_view kStatLabels[] = {"First downs",   "Rushing yards", "Completions", "Passing yards",
                                            "Total offense", "Fumbles lost",  "Penalties",   "Punts",
                                            "Plays",         "Punt returns"};
static_assert(std::size(kStatLabels) == kTeamStatistics.size());

double at(const DataRow& row, int ordinal) { return numberOf(row[static_cast<size_t>(ordinal - 1)]); }

// "TD", "2 TD"; "sack", "1.5 sacks".
std::string counted(double n, const std::string& one, const std::string& many) {
  return n == 1 ? one : textOfNumber(n) + " " + many;
}

// Players' names as the box shows them.
class BoxNames {
 public:
  explicit BoxNames(const std::vector<RosterPlayer>& roster) {
    for (const RosterPlayer& p : roster) {
      m_byText.try_emplace(playerNameText(p.name), &p);
      ++m_lastNames[nameFold(trimmed(p.name.last))];
    }
  }
  std::string operator()(const DataRow& row) const {
    const std::string stored = rowName(row);
    const auto found = m_byText.find(stored);
    if (found == m_byText.end()) return trimmed(stored);
    const PersonName& n = found->second->name;
    const std::string last = trimmed(n.last), first = trimmed(n.first);
    if (first.empty() || m_lastNames.at(nameFold(last)) == 1) return last;
    return first + " " + last;
  }

 private:
  std::map<std::string, const RosterPlayer*> m_byText;
  std::map<std::string, int> m_lastNames;
};

using RowTest = std::function<bool(const DataRow&)>;
using RowKey = std::function<double(const DataRow&)>;
using RowText = std::function<std::string(const DataRow&)>;

// The rows kept, the largest `key` first (ties in stored order), each as an entry.
std::vector<std::string> ranked(const std::vector<DataRow>& rows, const RowTest& keep, const RowKey& key,
                                const RowText& entry) {
  std::vector<const DataRow*> kept;
  for (const DataRow& row : rows)
    if (keep(row)) kept.push_back(&row);
  std::stable_sort(kept.begin(), kept.end(), [&](const DataRow* a, const DataRow* b) { return key(*a) > key(*b); });
  std::vector<std::string> entries;
  for (const DataRow* row : kept) entries.push_back(entry(*row));
  return entries;
}

// A row with any of the figures.
RowTest anyOf(std::initializer_list<int> columns) {
  return [cols = std::vector<int>(columns)](const DataRow& row) {
    return std::any_of(cols.begin(), cols.end(), [&](int c) { return at(row, c) != 0; });
  };
}
RowKey figure(int ordinal) {
  return [ordinal](const DataRow& row) { return at(row, ordinal); };
}

// A figure worth a word in the leaders: "INT", "2 INT".
struct Feat {
  int ordinal;
  const char* one;
  const char* many;
};
namespace d = col::defense;
namespace s = col::scoring;
constexpr Feat kDefenseFeats[] = {{d::kQBSacks, "sack", "sacks"},
                                  {d::kInts, "INT", "INT"},
                                  {d::kFumbleRecoveries, "fumble recovery", "fumble recoveries"},
                                  {d::kFumblesCaused, "forced fumble", "forced fumbles"},
                                  {d::kBlockedKicks, "blocked kick", "blocked kicks"}};
constexpr Feat kScoringFeats[] = {{s::kTd, "TD", "TD"},
                                  {s::k2Pts, "2-point conversion", "2-point conversions"},
                                  {s::kPat, "PAT", "PAT"},
                                  {s::kFg, "FG", "FG"}};

// The player's feats after `parts`: "6 tackles, 1.5 sacks, INT".
std::string featsOf(const DataRow& row, std::span<const Feat> feats, std::string parts = {}) {
  for (const Feat& f : feats)
    if (at(row, f.ordinal) != 0)
      parts.append(parts.empty() ? "" : ", ").append(counted(at(row, f.ordinal), f.one, f.many));
  return parts;
}

// The three leading tacklers (and any tied with the third), and everyone with another feat.
std::vector<std::string> defenseLeaders(const std::vector<DataRow>& rows, const BoxNames& name) {
  const RowKey tackles = [](const DataRow& r) {
    return totalTackles(at(r, d::kUnassisted), at(r, d::kAssists), at(r, d::kQBSacks));
  };
  std::vector<double> most;
  for (const DataRow& r : rows) most.push_back(tackles(r));
  std::sort(most.begin(), most.end(), std::greater<>());
  const double third = most.size() < 3 ? 0 : most[2];
  const RowTest kept = [&](const DataRow& r) {
    return (tackles(r) != 0 && tackles(r) >= third) || !featsOf(r, kDefenseFeats).empty();
  };
  return ranked(rows, kept, tackles, [&](const DataRow& r) {
    const double assists = at(r, d::kAssists);
    std::string tackled;
    if (tackles(r) != 0)
      tackled = counted(tackles(r), "1 tackle", "tackles") +
                (assists != 0 ? " (" + counted(assists, "1 assist", "assists") + ")" : "");
    return name(r) + " " + featsOf(r, kDefenseFeats, tackled);
  });
}

std::vector<BoxScore::Leaders> leadersOf(const Game& game, const BoxNames& name) {
  namespace r = col::rushing;
  namespace p = col::passing;
  namespace c = col::receiving;
  const GamePlayers players = gamePlayers(game);
  // "Carter 18-96": the name, then the figures joined by dashes.
  const auto figures = [&name](std::initializer_list<int> columns) {
    return [&name, cols = std::vector<int>(columns)](const DataRow& row) {
      std::string out = name(row);
      for (size_t i = 0; i < cols.size(); ++i) {
        const double n = at(row, cols[i]);
        out.append(i == 0 ? " " : "-").append(n < 0 ? "(minus " + wholeText(-n) + ")" : wholeText(n));
      }
      return out;
    };
  };
  std::vector<BoxScore::Leaders> all = {
      {"RUSHING",
       ranked(players.rows(kRushing), anyOf({r::kAtt, r::kYds}), figure(r::kYds), figures({r::kAtt, r::kYds}))},
      {"PASSING", ranked(players.rows(kPassing), anyOf({p::kComp, p::kAtt, p::kYds}), figure(p::kYds),
                         figures({p::kComp, p::kAtt, p::kInt, p::kYds}))},
      {"RECEIVING",
       ranked(players.rows(kReceiving), anyOf({c::kRec, c::kYds}), figure(c::kYds), figures({c::kRec, c::kYds}))},
      {"DEFENSE", defenseLeaders(players.rows(kDefense), name)},
      {"SCORING", ranked(players.rows(kScoring), anyOf({s::kTd, s::kPat, s::k2Pts, s::kFg}), figure(s::kPts),
                         [&](const DataRow& row) { return name(row) + " " + featsOf(row, kScoringFeats); })}};
  std::erase_if(all, [](const BoxScore::Leaders& l) { return l.entries.empty(); });
  return all;
}

}  // namespace

namespace {

constexpr const char* kApMonths[] = {"Jan.", "Feb.", "March", "April", "May",  "June",
                                     "July", "Aug.", "Sept.", "Oct.",  "Nov.", "Dec."};

std::string placeOf(const Game& game, const std::string& own, const std::string& opp) {
  switch (game.details.site) {
    case Site::Home:
      return own;
    case Site::Away:
      return opp;
    case Site::Neutral:
      return trimmed(game.details.place);
    default:
      return {};
  }
}

std::string dateLineOf(const Game& game, const std::string& own, const std::string& opp) {
  std::string line = apDate(game.details.date);
  if (const std::string where = placeOf(game, own, opp); !where.empty())
    line.append(line.empty() ? "" : ", ").append("at ").append(where);
  return line;
}

BoxScore::ScoreLine scoreLine(const GameRow* quarters, bool own, double overtime, bool withOvertime, double total) {
  namespace q = col::quarter;
  BoxScore::ScoreLine line{{}, wholeText(total)};
  if (!quarters) return line;
  for (const int opp : {q::kQuarter1Opp, q::kQuarter2Opp, q::kQuarter3Opp, q::kQuarter4Opp})
    line.periods.push_back(wholeText(quarters->number(own ? opp + 1 : opp)));
  if (withOvertime) line.periods.push_back(wholeText(overtime));
  return line;
}

std::vector<BoxScore::StatRow> statRows(const GameRow* stats, bool ownFirst) {
  std::vector<BoxScore::StatRow> rows;
  if (!stats) return rows;
  for (size_t i = 0; i < kTeamStatistics.size(); ++i) {
    const TeamStatistic& s = kTeamStatistics[i];
    if (stats->at(s.opp).isNull() && stats->at(s.own).isNull()) continue;
    const std::string own = wholeText(stats->number(s.own)), opp = wholeText(stats->number(s.opp));
    rows.push_back({std::string(kStatLabels[i]), ownFirst ? std::array{own, opp} : std::array{opp, own}});
  }
  return rows;
}

}  // namespace

std::string apDate(const std::string& isoDate) {
  int year = 0, month = 0, day = 0;
  char rest = 0;
  if (isoDate.size() != 10 || std::sscanf(isoDate.c_str(), "%4d-%2d-%2d%c", &year, &month, &day, &rest) != 3 ||
      month < 1 || month > 12 || day < 1 || day > 31)
    return {};
  return std::string(kApMonths[month - 1]) + " " + std::to_string(day);
}

BoxScore boxScore(const Game& game, const std::vector<RosterPlayer>& roster) {
  const GameRow* header = game.first(kHeader);
  const std::string own = header ? trimmed(textOf(header->at(col::header::kOwnTeamName))) : "Own team";
  const std::string opp = header ? trimmed(textOf(header->at(col::header::kOppTeamName))) : "Opponent";
  const FinalScore final = finalScore(game);
  // The visitor goes first; at home or on neutral ground that is the opponent.
  const bool ownFirst = game.details.site == Site::Away;
  BoxScore box;
  const bool ownLeads = final.own >= final.opp;
  box.heading = (ownLeads ? own : opp) + " " + wholeText(ownLeads ? final.own : final.opp) + ", " +
                (ownLeads ? opp : own) + " " + wholeText(ownLeads ? final.opp : final.own) +
                (final.overtime ? " (OT)" : "");
  box.teams = ownFirst ? std::array{own, opp} : std::array{opp, own};
  const GameRow* quarters = game.first(kQuarter);
  const BoxScore::ScoreLine ownLine = scoreLine(quarters, true, game.details.overtimeOwn, final.overtime, final.own);
  const BoxScore::ScoreLine oppLine = scoreLine(quarters, false, game.details.overtimeOpp, final.overtime, final.opp);
  box.score = ownFirst ? std::array{ownLine, oppLine} : std::array{oppLine, ownLine};
  box.dateLine = dateLineOf(game, own, opp);
  box.stats = statRows(game.first(kTeamStats), ownFirst);
  box.leadersTeam = own;
  box.leaders = leadersOf(game, BoxNames(roster));
  return box;
}

std::string boxFileName(const Game& game, bool html) { return sentFileStem(game) + (html ? "_Box.htm" : "_Box.txt"); }

}  // namespace yardmark
