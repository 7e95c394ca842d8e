// What the CSV writer writes, the reader reads back field for field.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/text/Csv.h"

namespace yardmark::test {
namespace {

using Fields = std::vector<std::string>;

TEST(Csv, TheReaderReadsBackWhatTheWriterWrote) {
  // What a row is, its fields and their kind, and what is read back (none: the fields themselves).
  const std::tuple<const char*, Fields, csv::Field, Fields> cases[] = {
      {"plain and empty", {"Smith", "", "12"}, csv::Field::Text, {}},
      {"commas and quotes", {"a,b", "say \"hi\"", "\""}, csv::Field::Text, {}},
      {"line breaks of every kind", {"two\r\nlines", "lf\n", "cr\rx"}, csv::Field::Text, {}},
      {"blanks kept, a quote after them", {"  a ", " \"q\""}, csv::Field::Text, {}},
      {"UTF-8", {"M\xC3\xBCller", "\xF0\x9F\x8F\x88"}, csv::Field::Text, {}},
      // The apostrophe that keeps a spreadsheet from running the cell is part of the field.
      {"formulas guarded",
       {"=1+1", "@A1", "-3", "=HYPERLINK(\"h\",\"c\")", "\r=x"},
       csv::Field::Text,
       {"'=1+1", "'@A1", "'-3", "'=HYPERLINK(\"h\",\"c\")", "'\r=x"}},
      {"figures stay numbers", {"-3", "-2.5", "-1+2"}, csv::Field::Figure, {"-3", "-2.5", "'-1+2"}},
  };
  std::string text = "\xEF\xBB\xBF";
  for (const auto& [what, fields, kind, readBack] : cases) {
    for (size_t i = 0; i < fields.size(); ++i) csv::appendField(i == 0 ? text : text += ',', fields[i], kind);
    text += "\r\n";
  }
  const csv::Text decoded = csv::decode(text);
  EXPECT_EQ(decoded.encoding, csv::Encoding::Utf8Bom);
  EXPECT_EQ(csv::detectSeparator(decoded.utf8), ',');
  const std::vector<csv::Record> records = csv::parseRecords(decoded.utf8, ',');
  ASSERT_EQ(records.size(), std::size(cases));
  for (size_t k = 0; k < records.size(); ++k) {
    const auto& [what, fields, kind, readBack] = cases[k];
    EXPECT_EQ(records[k].fields, readBack.empty() ? fields : readBack) << what;
  }
}

}  // namespace
}  // namespace yardmark::test
