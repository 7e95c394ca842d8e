#include "core/roster/RosterSearch.h"

#include <algorithm>

#include "core/text/NameFold.h"

namespace yardmark {

SearchTexts SearchTexts::typed(const PersonName& typed) {
  return {nameFold(typed.last), nameFold(typed.first), nameFold(typed.middle)};
}

bool matches(const PersonName& row, const SearchTexts& texts) {
  const auto same = [](const std::string& typed, const std::string& name) {
    return typed.empty() || nameFold(name) == typed;
  };
  return same(texts.last, row.last) && same(texts.first, row.first) && same(texts.middle, row.middle);
}

std::optional<long> findFrom(const std::vector<PersonName>& rows, long from, const SearchTexts& texts) {
  if (texts.isEmpty()) return std::nullopt;
  for (long i = std::max(from, 0L); i < static_cast<long>(rows.size()); ++i)
    if (matches(rows[static_cast<size_t>(i)], texts)) return i;
  return std::nullopt;
}

std::optional<long> findNext(const std::vector<PersonName>& rows, long shown, const SearchTexts& texts) {
  const long next = shown + 1 < static_cast<long>(rows.size()) ? shown + 1 : 0;
  return findFrom(rows, next, texts);
}

}  // namespace yardmark
