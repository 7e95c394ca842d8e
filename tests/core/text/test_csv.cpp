// What the CSV writer writes, the reader reads back field for field.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/text/Csv.h"

namespace yardmark::test {
namespace {

using Fields = std::vector<std::string>;

TEST(Csv, TheReaderReadsBackWhatTheWriterWrote) {
  struct Case {
    const char* what;
    Fields fields;
    csv::Field kind;
    Fields readBack;
  };
  const Case cases[] = {
      {"plain and empty", {"Smith", "", "12"}, csv::Field::Text, {"Smith", "", "12"}},
      {"commas and quotes", {"a,b", "say \"hi\"", "\""}, csv::Field::Text, {"a,b", "say \"hi\"", "\""}},
      {"line breaks of every kind",
       {"two\r\nlines", "lf\n", "cr\rx"},
       csv::Field::Text,
       {"two\r\nlines", "lf\n", "cr\rx"}},
      {"blanks kept, a quote after them", {"  a ", " \"q\""}, csv::Field::Text, {"  a ", " \"q\""}},
      {"UTF-8", {"M\xC3\xBCller", "\xF0\x9F\x8F\x88"}, csv::Field::Text, {"M\xC3\xBCller", "\xF0\x9F\x8F\x88"}},
      // The apostrophe that keeps a spreadsheet from running the cell is part of the field.
      {"formulas guarded",
       {"=1+1", "@A1", "-3", "=HYPERLINK(\"h\",\"c\")", "\r=x"},
       csv::Field::Text,
       {"'=1+1", "'@A1", "'-3", "'=HYPERLINK(\"h\",\"c\")", "'\r=x"}},
      {"figures stay numbers", {"-3", "-2.5", "-1+2"}, csv::Field::Figure, {"-3", "-2.5", "'-1+2"}},
  };
  std::string text = "\xEF\xBB\xBF";
  for (const Case& c : cases) {
    for (size_t i = 0; i < c.fields.size(); ++i) csv::appendField(i == 0 ? text : text += ',', c.fields[i], c.kind);
    text += "\r\n";
  }
  const csv::Text decoded = csv::decode(text);
  EXPECT_EQ(decoded.encoding, csv::Encoding::Utf8Bom);
  EXPECT_EQ(csv::detectSeparator(decoded.utf8), ',');
  const std::vector<csv::Record> records = csv::parseRecords(decoded.utf8, ',');
  ASSERT_EQ(records.size(), std::size(cases));
  for (size_t k = 0; k < records.size(); ++k) EXPECT_EQ(records[k].fields, cases[k].readBack) << cases[k].what;
}

}  // namespace
}  // namespace yardmark::test
