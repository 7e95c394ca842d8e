#pragma once
// The records book: every game of every year folder read once, then the seasons side by side,
// the team's and the players' records at game, season and career level, and every career.
// Figures come from the season model, so a record shows what the pages of its season show.
#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "core/files/DataTree.h"
#include "core/jet/Progress.h"
#include "core/season/SeasonDetail.h"
#include "core/text/Failure.h"

namespace yardmark {

// The least carries (yards per carry) or attempts (completion percentage) a record needs.
struct RecordsSettings {
  double seasonMinimum = 100;
  double careerMinimum = 200;
};

// The games of one year folder, in the folder's order.
struct YearGames {
  std::string year;
  std::vector<std::filesystem::path> files;
};
std::vector<YearGames> yearsOfTree(const DataTree& tree);

struct SeasonLine {
  std::string year;
  long games = 0, won = 0, lost = 0, unmarked = 0;  // won and lost as the coach marked them
  double pointsFor = 0, pointsAgainst = 0;
  long scored = 0;  // games with a score: the divisor of the points per game
  double rushing = 0, passing = 0, total = 0;
  long withTeamStats = 0;  // games with team statistics: the divisor of the offense per game
};

enum class RecordLevel { Game, Season, Career };

struct RecordEntry {
  long place = 0;
  std::string holder;  // the player's name as stored; empty for the team
  double value = 0;
  std::string text;      // the value as the pages show it
  std::string years;     // "2007", or a career's "2004-2007"
  std::string opponent;  // a game's
  std::string date;      // a game's, ISO, when the game has it
};

struct RecordList {
  std::string title;
  RecordLevel level;
  std::string minimum;  // "at least 100 carries" where the record is per attempt
  std::vector<RecordEntry> entries;
};

struct CareerSeason {
  size_t season;  // index into RecordsBook::seasons
  size_t games;
  PlayerFigures figures;
};

struct Career {
  std::string name;
  std::vector<CareerSeason> seasons;
  PlayerFigures total;
  size_t games = 0;
  std::vector<std::string> alsoAppearsAs;  // names equal but for letter case and blanks
  // Listed among the careers: more than one season, or another spelling to look at.
  bool listed() const { return seasons.size() > 1 || !alsoAppearsAs.empty(); }
};

struct SkippedGame {
  std::filesystem::path file;
  std::string reason;
};

struct RecordsBook {
  RecordsSettings settings;
  std::string team;  // of the latest season with a game information row
  std::vector<SeasonLine> seasons;
  std::vector<RecordList> teamRecords, individualRecords;
  std::vector<Career> careers;  // every player, by name
  std::vector<SkippedGame> skipped;
};

// How many places an individual record list has; ties share a place.
inline constexpr long kRecordPlaces = 10;

// The text of a season's or a career's years: runs of following years as "2004-2007".
std::string yearsText(const std::vector<std::string>& years);

// Stopped through the progress.
class RecordsCancelled : public Failure {
 public:
  RecordsCancelled() : Failure(FailureKind::Cancelled, "Cancelled.") {}
};

// Reads every game once, the year folders side by side on the machine's cores. A game that
// cannot be read is left out and named in `skipped`. Throws RecordsCancelled when stopped.
RecordsBook buildRecordsBook(const std::vector<YearGames>& years, const RecordsSettings& settings = {},
                             Progress* progress = nullptr);

// The book from the seasons already built, in year order (the second half of the above).
RecordsBook recordsOfSeasons(const std::vector<std::string>& years, const std::vector<SeasonDetail>& seasons,
                             const RecordsSettings& settings = {});

// The careers of the seasons' players: grouped by the exact name, every other spelling noted.
std::vector<Career> careersOf(const std::vector<SeasonDetail>& seasons);

}  // namespace yardmark
