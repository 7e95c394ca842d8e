#pragma once
// Find and Find Next of the roster form, over the rows in their shown order. Letter case and
// accents do not count: the typed texts and the names are compared folded.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/roster/RosterNames.h"

namespace yardmark {

// The texts typed into the three boxes, folded; an empty text is not a criterion.
struct SearchTexts {
  std::string last, first, middle;
  static SearchTexts typed(const PersonName& typed);
  bool isEmpty() const { return last.empty() && first.empty() && middle.empty(); }
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
