#include "core/text/NameFold.h"

#include <locale.h>
#include <wctype.h>

#include <string_view>

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

// U+00C0 to U+017F: the plain letter, or '.' where the letter stays (AE, eth, thorn, sharp s,
// the signs for times and divide, IJ, kra, eng, OE).
constexpr char32_t kFirstAccented = 0xC0;
constexpr std::string_view kPlain =
    "AAAAAA.CEEEEIIII.NOOOOO.OUUUUY.."
    "AAAAAA.CEEEEIIII.NOOOOO.OUUUUY.Y"
    "AAAAAACCCCCCCCDDDDEEEEEEEEEEGGGG"
    "GGGGHHHHIIIIIIIIII..JJKK.LLLLLLL"
    "LLLNNNNNN...OOOOOO..RRRRRRSSSSSS"
    "SSTTTTTTUUUUUUUUUUUUWWYYYZZZZZZ.";

char32_t plainLetter(char32_t c) {
  if (c < kFirstAccented || c >= kFirstAccented + kPlain.size()) return c;
  const char plain = kPlain[c - kFirstAccented];
  return plain == '.' ? c : static_cast<char32_t>(plain);
}

}  // namespace

std::string nameFold(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    char32_t c = 0;
    const size_t length = decodeUtf8(text, i, c);
    if (length == 0) {
      out += text[i++];
      continue;
    }
    appendUtf8(out, plainLetter(upperLetter(c)));
    i += length;
  }
  return out;
}

}  // namespace yardmark
