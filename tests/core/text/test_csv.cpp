// What a spreadsheet's bytes are read as: the mark at their start, else UTF-8, else Windows-1252.
#include <gtest/gtest.h>

#include <string>

#include "core/text/Csv.h"

namespace yardmark::test {
namespace {

using namespace std::string_view_literals;

TEST(Csv, TheBytesAreReadInTheEncodingTheyMark) {
  const std::tuple<std::string_view, csv::Encoding, std::string> cases[] = {
      {"\xFF\xFE\x41\0\x3C\xD8\xC8\xDF"sv, csv::Encoding::Utf16, "A\xF0\x9F\x8F\x88"},  // a football: two units
      {"\xFE\xFF\0A"sv, csv::Encoding::Utf16, "A"},
      {"\xEF\xBB\xBF\x61,b"sv, csv::Encoding::Utf8Bom, "a,b"},
      {"M\xC3\xBCller"sv, csv::Encoding::Utf8, "M\xC3\xBCller"},
      {"\x80 M\xFCller"sv, csv::Encoding::Windows1252, "\xE2\x82\xAC M\xC3\xBCller"},
  };
  for (const auto& [bytes, encoding, text] : cases) {
    const csv::Text t = csv::decode(bytes);
    EXPECT_EQ(std::pair(t.encoding, t.utf8), std::pair(encoding, text)) << text;
  }
}

}  // namespace
}  // namespace yardmark::test
