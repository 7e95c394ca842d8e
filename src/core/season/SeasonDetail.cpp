#include "core/season/SeasonDetail.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <unordered_map>

#include "core/season/Statistics.h"

namespace yardmark {

namespace {

using Kind = StatColumn::Kind;

// A leader board's figure: a column of a player table, computed as every output computes it.
struct LeaderCategory {
  std::string_view title;
  size_t table;   // index into playerTables()
  size_t column;  // index into its columns
};

const std::array<LeaderCategory, 7> kLeaderCategories{{
    {"Rushing Yards", 0, 1},
    {"Passing Yards", 1, 3},
    {"Receiving Yards", 2, 1},
    {"Points", 3, 4},
    {kTotalTacklesName, 4, 4},
    {"Sacks", 4, 2},
    {"Interceptions", 4, 7},
}};

Figures figuresOf(const DataRow& row) {
  Figures f{};
  for (size_t k = 0; k + 1 < row.size() && k < kMaxFigures; ++k) f[k] = numberOf(row[k]);
  return f;
}

// Adds a player row's figures (the name is the last field) into a player's table.
void addFigures(PlayerFigures& into, size_t table, const DataRow& row) {
  into.in[table] = true;
  for (size_t k = 0; k + 1 < row.size(); ++k) into.tables[table][k] += numberOf(row[k]);
}

class PlayerIndex {
 public:
  explicit PlayerIndex(std::vector<PlayerLog>& players) : m_players(players) {}

  void add(size_t game, size_t table, const DataRow& row) {
    if (!playerKeyInto(row.back(), m_key)) return;
    auto it = m_byKey.find(m_key);
    if (it == m_byKey.end()) {
      it = m_byKey.emplace(m_key, m_players.size()).first;
      m_players.push_back({row.back(), {}, {}});
    }
    PlayerLog& p = m_players[it->second];
    if (p.games.empty() || p.games.back().game != game) p.games.push_back({game, {}});
    addFigures(p.games.back().figures, table, row);
    addFigures(p.totals, table, row);
  }
  const PlayerLog* find(const Value& name) const {
    const auto key = playerKey(name);
    const auto it = key ? m_byKey.find(*key) : m_byKey.end();
    return it == m_byKey.end() ? nullptr : &m_players[it->second];
  }

 private:
  std::vector<PlayerLog>& m_players;
  std::unordered_map<std::string, size_t> m_byKey;
  std::string m_key;
};

LeaderBoard leaderBoard(const LeaderCategory& c, const MergedTables& merged, const PlayerIndex& index) {
  LeaderBoard board{c.title, {}};
  for (const DataRow& row : merged[kFirstPlayerTable + c.table]) {
    const PlayerLog* player = index.find(row.back());
    const double figure = statFigure(playerTables()[c.table].columns[c.column], figuresOf(row));
    // Nothing to lead with: a board of everyone at 0 says nothing.
    if (player && figure > 0) board.leaders.push_back({0, row.back(), figure, player->games.size()});
  }
  auto& l = board.leaders;
  std::stable_sort(l.begin(), l.end(), [](const Leader& x, const Leader& y) { return x.figure > y.figure; });
  for (size_t i = 0; i < l.size(); ++i)
    l[i].place = i > 0 && l[i].figure == l[i - 1].figure ? l[i - 1].place : static_cast<long>(i) + 1;
  l.erase(std::find_if(l.begin(), l.end(), [](const Leader& x) { return x.place > kLeaderPlaces; }), l.end());
  return board;
}

}  // namespace

const std::array<PlayerTableLayout, kPlayerTableCount>& playerTables() {
  static const std::array<PlayerTableLayout, kPlayerTableCount> tables{{
      {kRushing,
       "Rushing",
       {{"ATT", Kind::Field, 0},
        {"YDS", Kind::Field, 1},
        {"AVG", Kind::Average, 1, 0},
        {"TDS", Kind::Field, 2},
        {"2PTS", Kind::Field, 3}}},
      {kPassing,
       "Passing",
       {{"COMP", Kind::Field, 0},
        {"ATT", Kind::Field, 1},
        {"PCT", Kind::Percent, 0, 1},
        {"YDS", Kind::Field, 2},
        {"TDS", Kind::Field, 3},
        {"INT", Kind::Field, 4}}},
      {kReceiving,
       "Receiving",
       {{"REC", Kind::Field, 0},
        {"YDS", Kind::Field, 1},
        {"AVG", Kind::Average, 1, 0},
        {"TDS", Kind::Field, 2},
        {"2PTS", Kind::Field, 3}}},
      {kScoring,
       "Scoring",
       {{"TD", Kind::Field, 0},
        {"PAT", Kind::Field, 1},
        {"2PTS", Kind::Field, 2},
        {"FG", Kind::Field, 3},
        {"PTS", Kind::Field, 4}}},
      {kDefense,
       "Defense",
       {{"UT", Kind::Field, 0, 0, "Tackles Unassisted"},
        {"AT", Kind::Field, 1, 0, "Tackles Assisted"},
        {"SCK", Kind::Field, 2, 0, "QB Sacks"},
        {"DFL", Kind::Field, 3, 0, "Pass Deflections"},
        {"TOT", Kind::TackleSum, 0, 0, kTotalTacklesName},
        {"FR", Kind::Field, 4, 0, "Fumble Recoveries"},
        {"FC", Kind::Field, 5, 0, "Fumbles Caused"},
        {"INT", Kind::Field, 6, 0, "Interceptions"},
        {"BLK", Kind::Field, 7, 0, "Blocked Kicks"}}},
  }};
  return tables;
}

std::string statText(const StatColumn& c, const DataRow& row) {
  if (c.kind == Kind::Field) return textOf(row[c.a]);  // as stored
  // Computed from the row's numbers as the cards compute them from the games', so both agree.
  std::string out;
  appendStat(out, c, figuresOf(row));
  return out;
}

double statFigure(const StatColumn& c, const Figures& f) {
  switch (c.kind) {
    case Kind::Field:
      return f[c.a];
    case Kind::Average:
      return averageOf(f[c.a], f[c.b]);
    case Kind::Percent:
      return f[c.b] == 0 ? 0 : roundHalfAway(f[c.a] * 100.0 / f[c.b]);
    case Kind::TackleSum:
      return totalTackles(f[0], f[1], f[2]);
  }
  return 0;
}

void appendStat(std::string& out, const StatColumn& c, const Figures& f) {
  if (c.kind == Kind::Average)
    out += averageText(f[c.a], f[c.b]);
  else
    appendFigure(out, statFigure(c, f));
}

void appendFigure(std::string& out, double figure) {
  // Whole numbers, nearly all figures, without the cost of printf.
  if (std::floor(figure) == figure && std::fabs(figure) < 1e15) {
    char buf[24];
    out.append(buf, std::to_chars(buf, buf + sizeof buf, static_cast<long long>(figure)).ptr);
  } else {
    out += textOfNumber(figure);
  }
}

const std::vector<TeamStat>& teamStatList() {
  static const std::vector<TeamStat> stats{
      {"First Downs", 0, true},   {"Rushing Yds", 1, true},   {"Pass Completions", 2, false}, {"Passing Yds", 3, true},
      {"Total Offense", 4, true}, {"Fumbles Lost", 5, true},  {"Penalties", 6, true},         {"Punts", 7, true},
      {"Plays", 8, false},        {"Punt Returns", 9, false},
  };
  return stats;
}

std::string GameLine::result() const {
  if (header.empty()) return {};
  switch (resultAsMarked(header[field::Won], header[field::Lost])) {
    case GameResult::Won:
      return "W";
    case GameResult::Lost:
      return "L";
    case GameResult::Unmarked:
      break;
  }
  return {};
}

struct SeasonBuilder::State {
  bool gameByGame = true;
  SeasonDetail d;
  SeasonMerge merge;
  PlayerIndex index{d.players};
};

SeasonBuilder::SeasonBuilder(bool gameByGame) : m(std::make_unique<State>()) { m->gameByGame = gameByGame; }
SeasonBuilder::~SeasonBuilder() = default;

void SeasonBuilder::add(const Game& game) {
  m->merge.add(game);
  if (!m->gameByGame) return;
  SeasonDetail& d = m->d;
  const size_t g = d.games.size();
  const auto firstOf = [&](GameTable t) { return game.first(t) ? game.first(t)->fields : DataRow{}; };
  d.games.push_back({firstOf(kHeader), firstOf(kQuarter), firstOf(kTeamStats)});
  for (size_t t = 0; t < kPlayerTableCount; ++t)
    for (const GameRow& row : game.tables[kFirstPlayerTable + t]) m->index.add(g, t, row.fields);
  const GameLine& line = d.games.back();
  if (line.header.empty()) return;
  const std::string r = line.result();
  ++(r == "W" ? d.won : r == "L" ? d.lost : d.unmarked);
}

SeasonDetail SeasonBuilder::finish() {
  SeasonDetail& d = m->d;
  d.merged = m->merge.take();
  if (!d.merged[kHeader].empty()) {
    d.team = textOf(d.merged[kHeader].front()[field::OwnTeam]);
    d.year = textOf(d.merged[kHeader].front()[field::Year]);
  }
  if (m->gameByGame)
    for (const LeaderCategory& c : kLeaderCategories) d.leaders.push_back(leaderBoard(c, d.merged, m->index));
  SeasonDetail done = std::move(d);
  const bool gameByGame = m->gameByGame;
  m = std::make_unique<State>();  // the index pointed into the season just handed over
  m->gameByGame = gameByGame;
  return done;
}

SeasonDetail buildSeasonDetail(const std::vector<Game>& games) {
  SeasonBuilder season;
  for (const Game& game : games) season.add(game);
  return season.finish();
}

SeasonDetail buildSeasonDetail(const std::vector<std::filesystem::path>& files, bool gameByGame) {
  SeasonBuilder season(gameByGame);
  readSeason(files, [&](const Game& game) { season.add(game); });
  return season.finish();
}

}  // namespace yardmark
