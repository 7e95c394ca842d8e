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
  GameTable table;
  std::string_view column;  // the column's page heading
};

const std::array<LeaderCategory, 7> kLeaderCategories{{
    {"Rushing Yards", kRushing, "YDS"},
    {"Passing Yards", kPassing, "YDS"},
    {"Receiving Yards", kReceiving, "YDS"},
    {"Points", kScoring, "PTS"},
    {kTotalTacklesName, kDefense, "TOT"},
    {"Sacks", kDefense, "SCK"},
    {"Interceptions", kDefense, "INT"},
}};

double figureAt(const Figures& f, int column) { return f[static_cast<size_t>(column - 1)]; }

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
  const auto& columns = playerTables()[static_cast<size_t>(c.table - kFirstPlayerTable)].columns;
  const StatColumn& column =
      *std::find_if(columns.begin(), columns.end(), [&](const StatColumn& s) { return s.name == c.column; });
  for (const DataRow& row : merged[c.table]) {
    const PlayerLog* player = index.find(row.back());
    const double figure = statFigure(column, figuresOf(row));
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
  namespace r = col::rushing;
  namespace p = col::passing;
  namespace c = col::receiving;
  namespace s = col::scoring;
  namespace d = col::defense;
  static const std::array<PlayerTableLayout, kPlayerTableCount> tables{{
      {kRushing,
       "Rushing",
       {{"ATT", Kind::Field, r::kAtt},
        {"YDS", Kind::Field, r::kYds},
        {"AVG", Kind::Average, r::kYds, r::kAtt},
        {"TDS", Kind::Field, r::kTds},
        {"2PTS", Kind::Field, r::k2Pts}}},
      {kPassing,
       "Passing",
       {{"COMP", Kind::Field, p::kComp},
        {"ATT", Kind::Field, p::kAtt},
        {"PCT", Kind::Percent, p::kComp, p::kAtt},
        {"YDS", Kind::Field, p::kYds},
        {"TDS", Kind::Field, p::kTds},
        {"INT", Kind::Field, p::kInt}}},
      {kReceiving,
       "Receiving",
       {{"REC", Kind::Field, c::kRec},
        {"YDS", Kind::Field, c::kYds},
        {"AVG", Kind::Average, c::kYds, c::kRec},
        {"TDS", Kind::Field, c::kTds},
        {"2PTS", Kind::Field, c::k2Pts}}},
      {kScoring,
       "Scoring",
       {{"TD", Kind::Field, s::kTd},
        {"PAT", Kind::Field, s::kPat},
        {"2PTS", Kind::Field, s::k2Pts},
        {"FG", Kind::Field, s::kFg},
        {"PTS", Kind::Field, s::kPts}}},
      {kDefense,
       "Defense",
       {{"UT", Kind::Field, d::kUnassisted, 0, "Tackles Unassisted"},
        {"AT", Kind::Field, d::kAssists, 0, "Tackles Assisted"},
        {"SCK", Kind::Field, d::kQBSacks, 0, "QB Sacks"},
        {"DFL", Kind::Field, d::kPassDeflects, 0, "Pass Deflections"},
        {"TOT", Kind::TackleSum, 0, 0, kTotalTacklesName},
        {"FR", Kind::Field, d::kFumbleRecoveries, 0, "Fumble Recoveries"},
        {"FC", Kind::Field, d::kFumblesCaused, 0, "Fumbles Caused"},
        {"INT", Kind::Field, d::kInts, 0, "Interceptions"},
        {"BLK", Kind::Field, d::kBlockedKicks, 0, "Blocked Kicks"}}},
  }};
  return tables;
}

std::string statText(const StatColumn& c, const DataRow& row) {
  if (c.kind == Kind::Field) return textOf(valueAt(row, c.a));  // as stored
  // Computed from the row's numbers as the cards compute them from the games', so both agree.
  std::string out;
  appendStat(out, c, figuresOf(row));
  return out;
}

double statFigure(const StatColumn& c, const Figures& f) {
  namespace d = col::defense;
  switch (c.kind) {
    case Kind::Field:
      return figureAt(f, c.a);
    case Kind::Average:
      return averageOf(figureAt(f, c.a), figureAt(f, c.b));
    case Kind::Percent:
      return figureAt(f, c.b) == 0 ? 0 : roundHalfAway(figureAt(f, c.a) * 100.0 / figureAt(f, c.b));
    case Kind::TackleSum:
      return totalTackles(figureAt(f, d::kUnassisted), figureAt(f, d::kAssists), figureAt(f, d::kQBSacks));
  }
  return 0;
}

void appendStat(std::string& out, const StatColumn& c, const Figures& f) {
  if (c.kind == Kind::Average)
    out += averageText(figureAt(f, c.a), figureAt(f, c.b));
  else
    appendFigure(out, statFigure(c, f));
}

void appendFigure(std::string& out, double figure) {
  // Whole numbers, nearly all figures, without the cost of printf; a single digit most often.
  if (std::fabs(figure) < 1e15) {
    const auto whole = static_cast<long long>(figure);
    if (whole >= 0 && whole < 10 && static_cast<double>(whole) == figure) {
      out.push_back(static_cast<char>('0' + whole));
      return;
    }
    if (static_cast<double>(whole) == figure) {
      char buf[24];
      out.append(buf, std::to_chars(buf, buf + sizeof buf, whole).ptr);
      return;
    }
  }
  out += textOfNumber(figure);
}

const std::vector<TeamStat>& teamStatList() {
  // Our own outputs' labels, shorter than the entry form's, and whether the game log shows the statistic.
  struct Label {
    int own;
    std::string_view name;
    bool inGameLog;
  };
  namespace ts = col::teamStats;
  static constexpr Label kLabels[] = {
      {ts::kFirstDownsOwn, "First Downs", true},
      {ts::kRushingOwn, "Rushing Yds", true},
      {ts::kPassingOwn, "Pass Completions", false},
      {ts::kPassingYrdsOwn, "Passing Yds", true},
      {ts::kTotalOffenseOwn, "Total Offense", true},
      {ts::kFumblesLostOwn, "Fumbles Lost", true},
      {ts::kPenaltiesOwn, "Penalties", true},
      {ts::kPuntsOwn, "Punts", true},
      {ts::kPlaysOwn, "Plays", false},
      {ts::kPuntReturnsOwn, "Punt Returns", false},
  };
  static const std::vector<TeamStat> stats = [] {
    std::vector<TeamStat> out;
    for (const TeamStatistic& s : kTeamStatistics) {
      const Label& l =
          *std::find_if(std::begin(kLabels), std::end(kLabels), [&](const Label& x) { return x.own == s.own; });
      out.push_back({l.name, s.opp, s.own, l.inGameLog});
    }
    return out;
  }();
  return stats;
}

std::string GameLine::result() const {
  if (header.empty()) return {};
  switch (resultAsMarked(valueAt(header, col::header::kRecordWins), valueAt(header, col::header::kRecordLosses))) {
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
  d.games.push_back({firstOf(kHeader), firstOf(kQuarter), firstOf(kTeamStats), game.details, finalScore(game)});
  d.withTeamStats += d.games.back().teamStats.empty() ? 0 : 1;
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
    d.team = textOf(valueAt(d.merged[kHeader].front(), col::header::kOwnTeamName));
    d.year = textOf(valueAt(d.merged[kHeader].front(), col::header::kYear));
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
