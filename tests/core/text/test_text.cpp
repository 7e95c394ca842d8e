// The text layer: what a spreadsheet's bytes are read as (the mark at their start, else UTF-8, else
// Windows-1252), the name fold (letter case over all of Unicode, the accents of Latin letters, other bytes kept)
// and the key rules of the boxes, key by key (typed through a filter they are the forms' tests).
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

#include "core/text/Csv.h"
#include "core/text/KeyRules.h"
#include "core/text/NameFold.h"

namespace yardmark::test {
namespace {

using namespace std::string_view_literals;

TEST(Csv, TheBytesAreReadInTheEncodingTheyMark) {
  const std::tuple<std::string_view, csv::Encoding, std::string> cases[] = {
      // U+10000 and U+10FFFF: the first and the last pair of units
      {"\xFF\xFE\x41\0\0\xD8\0\xDC\xFF\xDB\xFF\xDF"sv, csv::Encoding::Utf16, "A\xF0\x90\x80\x80\xF4\x8F\xBF\xBF"},
      {"\xFE\xFF\0A"sv, csv::Encoding::Utf16, "A"},
      {"\xEF\xBB\xBF\x61,b"sv, csv::Encoding::Utf8Bom, "a,b"},
      {"M\xC3\xBCller"sv, csv::Encoding::Utf8, "M\xC3\xBCller"},
      {"\x80 M\xFCller"sv, csv::Encoding::Windows1252, "\xE2\x82\xAC M\xC3\xBCller"},
  };
  for (const auto& [bytes, encoding, text] : cases) {
    const csv::Text t = csv::decode(bytes);
    EXPECT_EQ(std::pair(t.encoding, t.utf8), std::pair(encoding, text)) << text;
  }
  EXPECT_EQ(csv::detectSeparator(" \n\"a;b\",c\nx;y;z;w\n"), ',');  // the first line with text decides
}

TEST(NameFold, UpperCasesEveryLetterDropsLatinAccentsAndKeepsOtherBytes) {
  const std::pair<std::string, std::string> cases[] = {
      {"Jos\xc3\xa9 M\xc3\xbcller", "JOSE MULLER"},                  // é and ü, two bytes
      {"\xc5\x81ukasz \xc3\xb8y", "LUKASZ OY"},                      // strokes: Ł, ø
      {"\xc3\xa6 \xc3\x9f \xc5\x93", "\xc3\x86 \xc3\x9f \xc5\x92"},  // æ, ß and œ stay letters of their own
      {"\xc3\x97\xc3\xb7", "\xc3\x97\xc3\xb7"},                      // times and divide are no letters
      {"\xe0\xa0\x80 \xe8\xaa\x9e", "\xe0\xa0\x80 \xe8\xaa\x9e"},    // the first three-byte letter; a lead above 0xE7
      {"\xf0\x9f\x8f\x88x", "\xf0\x9f\x8f\x88X"},                    // a football, four bytes
      {"a\xe9z \x80 \xd0\xb4", "A\xe9Z \x80 \xd0\x94"},  // Latin-1 and a lone continuation byte kept; a lead above 0xC7
      {"\xc0\xaf", "\xc0\xaf"},                          // over-long
  };
  for (const auto& [text, folded] : cases) EXPECT_EQ(nameFold(text), folded) << text;
}

TEST(KeyRules, KeepOrDropEachKey) {
  const auto capped3 = [](int k, int n) { return cappedKey(k, n, 3); };
  const std::tuple<const char*, std::function<int(int, int)>, int, int, bool> cases[] = {
      // key, length: kept
      {"number: blank", isItNumber, ' ', 0, false},
      {"number: fifth digit", isItNumber, '9', 4, true},
      {"number: Backspace when full", isItNumber, kBackspace, 5, true},
      {"number: Enter", isItNumber, kEnter, 0, true},
      {"number: Enter when full", isItNumber, kEnter, 5, false},
      {"name: apostrophe", nameKey, '\'', 3, true},
      {"name: 26th character", nameKey, 'x', 25, true},
      {"name: 27th character", nameKey, 'x', 26, false},
      {"name: Backspace at 26", nameKey, kBackspace, 26, true},
      {"digits: long text", digitKey, '9', 40, true},
      {"digits: letter", digitKey, 'q', 0, false},
      {"alpha: non-Latin", [](int k, int) { return isItAlphaNumber(k); }, 0x141, 0, true},
      {"capped: last character", capped3, 'x', 2, true},
      {"capped: Backspace when full", capped3, kBackspace, 3, false},
  };
  for (const auto& [rule, fn, key, length, kept] : cases) EXPECT_EQ(fn(key, length) != 0, kept) << rule;
}

}  // namespace
}  // namespace yardmark::test
