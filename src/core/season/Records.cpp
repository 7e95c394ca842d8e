#include "core/season/Records.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <functional>
#include <thread>

#include "core/files/GameWalk.h"
#include "core/season/Statistics.h"

namespace yardmark {

namespace {

// A player statistic of the records: a column of a player table as the pages compute it, and for
// a per-attempt figure the column of attempts its minimum counts.
struct IndividualStat {
  std::string_view title;
  GameTable table;
  std::string_view column;
  std::string_view attempts = {};
  std::string_view attemptsName = {};
};

const IndividualStat kIndividualStats[] = {
    {"Rushing Yards", kRushing, "YDS"},
    {"Rushing Touchdowns", kRushing, "TDS"},
    {"Passing Yards", kPassing, "YDS"},
    {"Passing Touchdowns", kPassing, "TDS"},
    {"Completions", kPassing, "COMP"},
    {"Receptions", kReceiving, "REC"},
    {"Receiving Yards", kReceiving, "YDS"},
    {"Receiving Touchdowns", kReceiving, "TDS"},
    {"Points", kScoring, "PTS"},
    {"Touchdowns", kScoring, "TD"},
    {kTotalTacklesName, kDefense, "TOT"},
    {"Sacks", kDefense, "SCK"},
    {"Interceptions", kDefense, "INT"},
    {"Yards per Carry", kRushing, "AVG", "ATT", "carries"},
    {"Completion Percentage", kPassing, "PCT", "ATT", "attempts"},
};

size_t tableIndex(GameTable t) { return static_cast<size_t>(t - kFirstPlayerTable); }

const StatColumn& columnOf(GameTable table, std::string_view name) {
  const auto& columns = playerTables()[tableIndex(table)].columns;
  return *std::find_if(columns.begin(), columns.end(), [&](const StatColumn& c) { return c.name == name; });
}

// A figure that may hold a record, by where it was made (indices of the level's own lists).
struct Candidate {
  double value;
  size_t season, who, game;
  const Figures* figures = nullptr;  // a player's, for the text of a computed figure
};

// Keeps the candidates that reach the first `places` places, best first, ties in the order met
// (year by year) sharing a place. Linear but for the few kept: a long archive has millions.
std::vector<std::pair<long, Candidate>> ranked(std::vector<Candidate> c, long places, bool fewest) {
  const auto better = [fewest](double a, double b) { return fewest ? a < b : a > b; };
  if (static_cast<long>(c.size()) > places) {
    std::vector<double> values;
    values.reserve(c.size());
    for (const Candidate& x : c) values.push_back(x.value);
    std::nth_element(values.begin(), values.begin() + (places - 1), values.end(), better);
    const double cut = values[static_cast<size_t>(places - 1)];
    c.erase(std::remove_if(c.begin(), c.end(), [&](const Candidate& x) { return better(cut, x.value); }), c.end());
  }
  std::stable_sort(c.begin(), c.end(),
                   [&](const Candidate& x, const Candidate& y) { return better(x.value, y.value); });
  std::vector<std::pair<long, Candidate>> out;
  for (size_t i = 0; i < c.size(); ++i) {
    const long place = i > 0 && c[i].value == c[i - 1].value ? out.back().first : static_cast<long>(i) + 1;
    if (place > places) break;
    out.emplace_back(place, c[i]);
  }
  return out;
}

std::string figureText(double figure) {
  std::string out;
  appendFigure(out, figure);
  return out;
}

std::string opponentOf(const GameLine& g) { return textOf(valueAt(g.header, col::header::kOppTeamName)); }

struct Sources {
  const std::vector<std::string>& years;
  const std::vector<SeasonDetail>& seasons;
  const std::vector<Career>& careers;
};

// The entry a candidate makes at its level.
RecordEntry entryOf(const Sources& s, RecordLevel level, long place, const Candidate& c) {
  RecordEntry e{place, {}, c.value, {}, {}, {}, {}};
  if (level == RecordLevel::Career) {
    const Career& career = s.careers[c.who];
    std::vector<std::string> years;
    for (const CareerSeason& cs : career.seasons) years.push_back(s.years[cs.season]);
    e.holder = career.name;
    e.years = yearsText(years);
    return e;
  }
  e.years = s.years[c.season];
  if (c.who != SIZE_MAX) e.holder = textOf(s.seasons[c.season].players[c.who].name);
  if (level == RecordLevel::Game) {
    const GameLine& game = s.seasons[c.season].games[c.game];
    e.opponent = opponentOf(game);
    e.date = game.details.date;
  }
  return e;
}

RecordList individualList(const Sources& s, const IndividualStat& stat, RecordLevel level,
                          const RecordsSettings& settings) {
  const size_t t = tableIndex(stat.table);
  const StatColumn& column = columnOf(stat.table, stat.column);
  const double minimum = level == RecordLevel::Season ? settings.seasonMinimum : settings.careerMinimum;
  const int attempts = stat.attempts.empty() ? 0 : columnOf(stat.table, stat.attempts).a;
  std::vector<Candidate> c;
  const auto consider = [&](const PlayerFigures& f, size_t season, size_t who, size_t game) {
    if (!f.in[t] || (attempts > 0 && f.tables[t][static_cast<size_t>(attempts - 1)] < minimum)) return;
    const double v = statFigure(column, f.tables[t]);
    if (v > 0) c.push_back({v, season, who, game, &f.tables[t]});  // nothing to hold a record with
  };
  if (level == RecordLevel::Career) {
    for (size_t k = 0; k < s.careers.size(); ++k) consider(s.careers[k].total, 0, k, 0);
  } else {
    for (size_t y = 0; y < s.seasons.size(); ++y)
      for (size_t p = 0; p < s.seasons[y].players.size(); ++p) {
        const PlayerLog& log = s.seasons[y].players[p];
        if (level == RecordLevel::Season)
          consider(log.totals, y, p, 0);
        else
          for (const PlayerGame& g : log.games) consider(g.figures, y, p, g.game);
      }
  }
  RecordList list{std::string(stat.title), level, {}, {}};
  if (attempts > 0) list.minimum = "at least " + figureText(minimum) + " " + std::string(stat.attemptsName);
  for (const auto& [place, x] : ranked(std::move(c), kRecordPlaces, false)) {
    list.entries.push_back(entryOf(s, level, place, x));
    appendStat(list.entries.back().text, column, *x.figures);
  }
  return list;
}

// A figure of a season's game (season, game) or of a season (game unused); false: it has none.
using TeamFigure = std::function<bool(size_t season, size_t game, double& value)>;

// A team record: the best game or season by one figure, ties all named.
RecordList teamList(const Sources& s, std::string title, RecordLevel level, bool fewest, const TeamFigure& figure) {
  std::vector<Candidate> c;
  double v = 0;
  for (size_t y = 0; y < s.seasons.size(); ++y) {
    if (level == RecordLevel::Season) {
      if (figure(y, 0, v)) c.push_back({v, y, SIZE_MAX, 0});
      continue;
    }
    for (size_t g = 0; g < s.seasons[y].games.size(); ++g)
      if (figure(y, g, v)) c.push_back({v, y, SIZE_MAX, g});
  }
  RecordList list{std::move(title), level, {}, {}};
  for (const auto& [place, x] : ranked(std::move(c), 1, fewest)) {
    list.entries.push_back(entryOf(s, level, place, x));
    list.entries.back().text = figureText(x.value);
  }
  return list;
}

// A column of a game's score (quarter) or team statistics row.
TeamFigure gameFigure(const Sources& s, bool teamStats, int column) {
  return [&s, teamStats, column](size_t y, size_t g, double& v) {
    const GameLine& game = s.seasons[y].games[g];
    const DataRow& row = teamStats ? game.teamStats : game.quarter;
    if (row.empty()) return false;
    v = numberOf(valueAt(row, column));
    return true;
  };
}

// A season's points, of those with a score.
TeamFigure seasonPoints(const std::vector<SeasonLine>& lines, double SeasonLine::*points) {
  return [&lines, points](size_t y, size_t, double& v) {
    v = lines[y].*points;
    return lines[y].scored > 0;
  };
}

std::vector<RecordList> teamRecords(const Sources& s, const std::vector<SeasonLine>& lines) {
  namespace q = col::quarter;
  namespace ts = col::teamStats;
  const auto wins = [&lines](size_t y, size_t, double& v) {
    v = static_cast<double>(lines[y].won);
    return lines[y].games > 0;
  };
  using L = RecordLevel;
  return {
      teamList(s, "Most Points", L::Game, false, gameFigure(s, false, q::kTotalOwn)),
      teamList(s, "Most Rushing Yards", L::Game, false, gameFigure(s, true, ts::kRushingOwn)),
      teamList(s, "Most Passing Yards", L::Game, false, gameFigure(s, true, ts::kPassingYrdsOwn)),
      teamList(s, "Most Total Yards", L::Game, false, gameFigure(s, true, ts::kTotalOffenseOwn)),
      teamList(s, "Fewest Points Allowed", L::Game, true, gameFigure(s, false, q::kTotalOpp)),
      teamList(s, "Most Wins", L::Season, false, wins),
      teamList(s, "Most Points", L::Season, false, seasonPoints(lines, &SeasonLine::pointsFor)),
      teamList(s, "Fewest Points Allowed", L::Season, true, seasonPoints(lines, &SeasonLine::pointsAgainst)),
  };
}

SeasonLine seasonLine(const std::string& year, const SeasonDetail& d) {
  namespace q = col::quarter;
  namespace ts = col::teamStats;
  SeasonLine l{year, static_cast<long>(d.games.size()), d.won, d.lost, d.unmarked};
  for (const GameLine& g : d.games) {
    if (!g.quarter.empty()) {
      l.pointsFor += numberOf(valueAt(g.quarter, q::kTotalOwn));
      l.pointsAgainst += numberOf(valueAt(g.quarter, q::kTotalOpp));
      ++l.scored;
    }
    if (!g.teamStats.empty()) {
      l.rushing += numberOf(valueAt(g.teamStats, ts::kRushingOwn));
      l.passing += numberOf(valueAt(g.teamStats, ts::kPassingYrdsOwn));
      l.total += numberOf(valueAt(g.teamStats, ts::kTotalOffenseOwn));
    }
  }
  l.withTeamStats = d.withTeamStats;
  return l;
}

struct YearRead {
  SeasonDetail detail;
  std::vector<SkippedGame> skipped;
};

YearRead readYear(const YearGames& y, Progress* progress, std::atomic<size_t>& done, size_t total) {
  YearRead r;
  SeasonBuilder season;
  for (const std::filesystem::path& file : y.files) {
    if (progress && progress->stopRequested()) throw RecordsCancelled();
    try {
      readSeason({file}, [&](const Game& game) { season.add(game); });
    } catch (const MergeError& e) {
      r.skipped.push_back({file, e.reason()});  // one damaged game keeps no record from the others
    }
    const size_t n = ++done;
    if (progress)
      progress->step(static_cast<double>(n) / static_cast<double>(total),
                     "Reading " + y.year + "/" + file.filename().string());
  }
  r.detail = season.finish();
  return r;
}

// Each year on a core of its own while cores are free; the first failure is rethrown.
std::vector<YearRead> readYears(const std::vector<YearGames>& years, Progress* progress) {
  std::vector<YearRead> out(years.size());
  size_t total = 0;
  for (const YearGames& y : years) total += y.files.size();
  std::atomic<size_t> next{0}, done{0};
  std::atomic<bool> failed{false};
  const size_t workers = std::clamp<size_t>(std::thread::hardware_concurrency(), 1, std::max<size_t>(years.size(), 1));
  std::vector<std::exception_ptr> errors(workers);
  const auto work = [&](size_t w) {
    try {
      for (size_t i = next++; !failed && i < years.size(); i = next++)
        out[i] = readYear(years[i], progress, done, total);
    } catch (...) {
      errors[w] = std::current_exception();
      failed = true;
    }
  };
  std::vector<std::thread> threads;
  for (size_t w = 1; w < workers; ++w) threads.emplace_back(work, w);
  work(0);
  for (std::thread& t : threads) t.join();
  for (const std::exception_ptr& e : errors)
    if (e) std::rethrow_exception(e);
  return out;
}

}  // namespace

std::vector<YearGames> yearsOfTree(const DataTree& tree) {
  std::vector<YearGames> years;
  for (TreeGame& g : gamesOfTree(tree)) {
    if (years.empty() || years.back().year != g.year) years.push_back({g.year, {}});
    years.back().files.push_back(std::move(g.file));
  }
  return years;
}

RecordsBook recordsOfSeasons(const std::vector<std::string>& years, const std::vector<SeasonDetail>& seasons,
                             const RecordsSettings& settings) {
  RecordsBook book;
  book.settings = settings;
  for (size_t y = 0; y < seasons.size(); ++y) {
    book.seasons.push_back(seasonLine(years[y], seasons[y]));
    if (!seasons[y].merged[kHeader].empty()) book.team = seasons[y].team;
  }
  book.careers = careersOf(seasons);
  const Sources s{years, seasons, book.careers};
  book.teamRecords = teamRecords(s, book.seasons);
  for (RecordLevel level : {RecordLevel::Game, RecordLevel::Season, RecordLevel::Career})
    for (const IndividualStat& stat : kIndividualStats)
      // A single game has no stated minimum, so no per-attempt record is kept for it.
      if (level != RecordLevel::Game || stat.attempts.empty())
        book.individualRecords.push_back(individualList(s, stat, level, settings));
  return book;
}

RecordsBook buildRecordsBook(const std::vector<YearGames>& years, const RecordsSettings& settings, Progress* progress) {
  std::vector<YearRead> read = readYears(years, progress);
  std::vector<std::string> names;
  std::vector<SeasonDetail> seasons;
  std::vector<SkippedGame> skipped;
  for (size_t y = 0; y < years.size(); ++y) {
    names.push_back(years[y].year);
    seasons.push_back(std::move(read[y].detail));
    skipped.insert(skipped.end(), read[y].skipped.begin(), read[y].skipped.end());
  }
  RecordsBook book = recordsOfSeasons(names, seasons, settings);
  book.skipped = std::move(skipped);
  return book;
}

}  // namespace yardmark
