#pragma once
// A roster kept in a spreadsheet and saved as CSV: the players it names, which of them the
// roster already holds, and writing the chosen ones. No widgets here.
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/roster/Roster.h"
#include "core/roster/RosterNames.h"
#include "core/text/Csv.h"

namespace yardmark {

// A roster row's three names; empty text is a name left unset.
using RosterName = PersonName;

struct SheetPlayer {
  RosterName name;
  long line = 0;  // the file's line the player's row starts on
  std::string number, position;
  int grade = 0;
  // A number or grade cell that reads as none (a number of three digits, a year): left blank.
  std::string unreadNumber, unreadGrade;
  RosterPlayer rosterPlayer() const { return {name, number, position, grade}; }
};

struct SheetRoster {
  std::vector<SheetPlayer> players;
  // The columns that are not imported (a phone, a parent's name): the header's text, or "column N".
  std::vector<std::string> otherColumns;
  bool hasHeader = false;
  char separator = ',';
  csv::Encoding encoding = csv::Encoding::Utf8;
};

// Why a file gives no roster: the file, the line to blame (0: the file as a whole), the reason.
class SpreadsheetError : public Failure {
 public:
  SpreadsheetError(std::filesystem::path file, long line, const std::string& reason);
  long line() const { return m_line; }

 private:
  long m_line;
};

// More than any roster needs: a file beyond these is refused as soon as they are passed.
inline constexpr size_t kMostSheetRows = 10000;
inline constexpr size_t kMostSheetColumns = 100;

// The players of a CSV file. The first row is a header when a cell names a column ("Last",
// "Last Name", "Surname", "First", "First Name", "Middle", "MI", "Middle Name", or one "Name" or
// "Player" column; "Number", "No", "No.", "#", "Jersey", "Jersey Number"; "Position", "Pos";
// "Grade", "Class", "Yr", "Year"); without one the columns are last, first, middle. Each name is
// cleaned as the contacts import cleans it; rows without a name are left out. Throws
// SpreadsheetError, also when `stop` is set while it reads.
SheetRoster readSpreadsheetRoster(const std::filesystem::path& file, const std::atomic<bool>* stop = nullptr);
// The same over bytes already read; `file` only names them in an error.
SheetRoster parseSpreadsheetRoster(std::string_view bytes, const std::filesystem::path& file,
                                   const std::atomic<bool>* stop = nullptr);

// A name as the import writes it: ".", "," and ":" removed, blanks trimmed; empty leaves the column unset.
std::string cleanedName(std::string_view name);

// One cell holding a whole name: "Last, First Middle" or "First Middle Last" (a single word is
// the last name). Not cleaned.
RosterName splitPlayerName(std::string_view cell);

// Whether the roster or the file may hold a player already.
enum class Duplicate { No, InRoster, EarlierInFile, MaybeInRoster };

// What the check finds on a player of the file; anything found keeps it out of ">>".
struct SheetCheck {
  Duplicate duplicate = Duplicate::No;
  std::string maybe;      // MaybeInRoster: the roster player's name text
  std::string clashWith;  // the name text of the player who wears the same number already
  bool clashInFile = false;
  bool anything() const { return duplicate != Duplicate::No || !clashWith.empty(); }
  bool operator==(const SheetCheck&) const = default;
};

// For each player of the file: two players are one when their three names agree, letter case,
// accents and surrounding blanks aside; a roster player with the same last and first names and
// another middle name may be the same one. A number is a clash when another player of the roster,
// or an earlier row naming another player, wears it.
std::vector<SheetCheck> checkSheet(const std::vector<SheetPlayer>& players, const std::vector<RosterPlayer>& roster);

// Adds the players in one transaction (all or none); returns how many. Throws DbError.
size_t addRosterPlayers(const std::filesystem::path& rosterDatabase, const std::vector<RosterPlayer>& players);

}  // namespace yardmark
