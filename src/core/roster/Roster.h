#pragma once
// The roster database: its players read, added, edited and deleted. Opening a missing roster
// makes it first (empty); a damaged one throws DbError, and a failed write writes nothing.
#include <filesystem>
#include <string>
#include <vector>

#include "core/db/Database.h"
#include "core/files/DataTree.h"
#include "core/roster/RosterNames.h"

namespace yardmark {

// The roster table's columns: the three names, then what was added after them (older files lack
// those until their first write, and read them as blank).
namespace col::roster {
enum : int { kLast = 1, kFirst, kMiddle, kNumber, kPosition, kGrade };
}

// A roster row whole: the names and the jersey number ("0" and "00" differ), the position and
// the grade (9 to 12; 0 when blank).
struct RosterPlayer {
  PersonName name;
  std::string number, position;
  int grade = 0;
  bool operator==(const RosterPlayer&) const = default;
};

// The roster as the roster form holds it while loaded: one database handle and one view of the
// rows in last-name order.
class Roster {
 public:
  explicit Roster(const DataTree& tree);

  // The rows as read, in last-name order: their names (what the search looks through) and the
  // players whole. add and edit leave them so: the form reloads.
  const std::vector<PersonName>& rows() const { return m_rows; }
  const std::vector<RosterPlayer>& players() const { return m_players; }

  // An older roster file gains the number, position and grade columns on its first write.
  void add(const RosterPlayer& player);
  void edit(size_t index, const RosterPlayer& player);
  void remove(size_t index);

 private:
  void moveTo(size_t index);
  void write(const RosterPlayer& player);
  // Adds the later columns to an older file; true when the view had to be opened again.
  bool addLaterColumns();

  Database m_db;
  Recordset m_view;
  std::vector<RosterPlayer> m_players;
  std::vector<PersonName> m_rows;
};

// Every roster row's names, in table order, read without making or changing the file: a missing
// roster holds nobody; a damaged one throws DbError.
std::vector<PersonName> readRosterNames(const std::filesystem::path& rosterDatabase);

// Every roster row whole, in table order, read as readRosterNames reads.
std::vector<RosterPlayer> readRoster(const std::filesystem::path& rosterDatabase);

// Every roster row's player name text, in table order, for the entry form's name lists.
std::vector<std::string> playerNameTexts(const DataTree& tree);

// Appends the people with the import's cleaning of their names, number, position and grade: all
// of them or, on a failure, none. A person without them leaves those columns blank.
void importIntoRoster(const std::filesystem::path& rosterDatabase, const std::vector<RosterPlayer>& people);
void importIntoRoster(const DataTree& tree, const std::vector<PersonName>& people);

}  // namespace yardmark
