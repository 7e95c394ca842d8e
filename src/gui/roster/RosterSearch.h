#pragma once
// Find and Find Next of the roster form, as plain functions over the rows in their shown
// order. Letter case does not count: the typed texts and the names are compared upper-cased.
#include <optional>
#include <vector>

#include "gui/roster/RosterNames.h"

namespace yardmark {

// The texts typed into the three boxes, upper-cased; an empty text is not a criterion.
struct SearchTexts {
  QString last, first, middle;
  static SearchTexts typed(const QString& last, const QString& first, const QString& middle);
  bool isEmpty() const { return last.isEmpty() && first.isEmpty() && middle.isEmpty(); }
};

// Whether every typed text equals the row's name in its column.
bool matches(const PersonName& row, const SearchTexts& texts);

// Go: the first matching row from the shown one (index `from`) to the end; rows before it are
// not searched. Nothing when no text was typed or no row matches.
std::optional<long> findFrom(const std::vector<PersonName>& rows, long from, const SearchTexts& texts);

// Find Next: the search starts at the row after the shown one, or at the first row when the
// shown one is the last.
std::optional<long> findNext(const std::vector<PersonName>& rows, long shown, const SearchTexts& texts);

}  // namespace yardmark
