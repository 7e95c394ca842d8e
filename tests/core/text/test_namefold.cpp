// The name fold: letter case over all of Unicode, the accents of Latin letters, other bytes kept.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "core/text/NameFold.h"

namespace yardmark::test {
namespace {

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

}  // namespace
}  // namespace yardmark::test
