#pragma once
// A statistician's checks over one game: figures that cannot both be right, figures that are
// unusual, and names the roster does not know. Plain functions over a game's rows; no widgets.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "core/games/GameData.h"

namespace yardmark {

enum class Severity { Error, Warning, Note };
// "error", "warning", "note".
std::string_view severityName(Severity s);

struct Finding {
  std::string_view rule;  // the rule's id, e.g. "team-rushing"
  Severity severity = Severity::Error;
  std::string message;  // names the section and the figures
  // Where the entry form goes: the section's table, for a player row its position in stored
  // order (0-based) and its bookmark, and the column most to blame (0: none in particular).
  GameTable table = kHeader;
  int row = -1;
  std::int64_t bookmark = 0;
  int field = 0;

  bool operator==(const Finding&) const = default;
};

// The roster's player name texts, for telling a typing slip from a player the roster lacks.
class RosterIndex {
 public:
  RosterIndex() = default;
  explicit RosterIndex(std::vector<std::string> names);

  bool empty() const { return m_sorted.empty(); }
  bool contains(std::string_view name) const;
  // The roster name fewest edits away, at most two; on a tie the first in alphabetical order.
  std::optional<std::string> closest(std::string_view name) const;

 private:
  std::vector<std::string> m_sorted;
  std::unordered_set<std::string> m_set;
};

// Edits (insert, delete, replace, swap of neighbours) between two texts, counted up to
// limit + 1: anything beyond the limit reads as limit + 1.
int nameDistance(std::string_view a, std::string_view b, int limit);

// Every finding over the game, rule by rule in the rules' order, rows in stored order.
// An empty roster checks no names.
std::vector<Finding> auditGame(const GameData& game, const RosterIndex& roster);

// One game file checked: its findings, or why it could not be read.
struct FileAudit {
  std::filesystem::path file;
  std::vector<Finding> findings;
  std::optional<std::string> unreadable;
  int count(Severity s) const;
};
FileAudit auditGameFile(const std::filesystem::path& file, const RosterIndex& roster);
// The rule over several files: two games of one folder given the same date, each warned of.
inline constexpr std::string_view kSameDateRule = "same-date";
// Every file checked, in the order given, then kSameDateRule over them; the files are read on as
// many threads as there are cores.
std::vector<FileAudit> auditGameFiles(const std::vector<std::filesystem::path>& files, const RosterIndex& roster);

// The games among the files that have at least one error, for the open dialog's synopsis.
// Files that cannot be read are not counted here: the synopsis lists them already.
struct GamesWithErrors {
  int count = 0;
  std::vector<std::string> names;  // file names, in the order given
};

}  // namespace yardmark
