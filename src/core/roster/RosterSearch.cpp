#include "core/roster/RosterSearch.h"

#include <locale.h>
#include <wctype.h>

#include <algorithm>

#include "core/text/Utf8.h"

namespace yardmark {

namespace {

// The C library's Unicode tables; without them only ASCII letters change case.
locale_t unicodeLocale() {
  static const locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{});
  return locale;
}

char32_t upperLetter(char32_t c) {
  if (c < 0x80) return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c;
  const locale_t locale = unicodeLocale();
  return locale ? static_cast<char32_t>(towupper_l(static_cast<wint_t>(c), locale)) : c;
}

}  // namespace

std::string upperCase(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    char32_t c = 0;
    const size_t length = decodeUtf8(text, i, c);
    if (length == 0) {
      out += text[i++];
      continue;
    }
    appendUtf8(out, upperLetter(c));
    i += length;
  }
  return out;
}

SearchTexts SearchTexts::typed(const PersonName& typed) {
  return {upperCase(typed.last), upperCase(typed.first), upperCase(typed.middle)};
}

bool matches(const PersonName& row, const SearchTexts& texts) {
  const auto same = [](const std::string& typed, const std::string& name) {
    return typed.empty() || upperCase(name) == typed;
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
