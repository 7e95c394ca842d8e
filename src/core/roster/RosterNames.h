#pragma once
// A person's three names and every way the program shows, stores and compares them.
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace yardmark {

// Last, first and middle name, as UTF-8. A name part without a value is empty: every reader of
// the roster treats the two alike.
struct PersonName {
  std::string last, first, middle;
  bool operator==(const PersonName&) const = default;
};

// How both roster lists show a person: "Smith, John A".
std::string rosterListText(const PersonName& name);

// The player name text the entry form offers and a player row stores: "Smith John A". Player rows
// are matched on it character for character, so its form must never change.
std::string playerNameText(const PersonName& name);

// Save refuses a person with an empty name part, the middle name included.
bool isComplete(const PersonName& name);

// A name as the import writes it: ".", "," and ":" removed; nothing left leaves the column unset.
std::optional<std::string> importedName(std::string_view name);

// The roster columns 1, 2 and 3 (last, first, middle) the import writes for a person. The parts
// are kept as read, so a last name of two words stays in the last-name column.
std::array<std::optional<std::string>, 3> importedColumns(const PersonName& name);

}  // namespace yardmark
