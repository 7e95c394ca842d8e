#include "core/roster/RosterSearch.h"

#include <locale.h>
#include <wctype.h>

#include <algorithm>

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

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// The letter starting at text[i] and its length in bytes; 0 when no well-formed UTF-8 starts there.
size_t decodeUtf8(std::string_view text, size_t i, char32_t& c) {
  const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  const size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
  if (length == 0 || i + length > text.size()) return 0;
  c = length == 1 ? lead : length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
  for (size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    c = (c << 6) | (byte(i + k) & 0x3F);
  }
  static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (c < kSmallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
  return length;
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
