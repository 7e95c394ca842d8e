// Searching, name handling and the helper's output format: plain functions, no window.
#include <gtest/gtest.h>

#include "gui/roster/JetReader.h"
#include "gui/roster/RosterSearch.h"

namespace yardmark::test {
namespace {

std::string show(const std::optional<long>& v) { return v ? std::to_string(*v) : "none"; }

TEST(RosterSearch, StopsAtTheFirstRowWhereEveryTypedNameMatches) {
  const std::vector<PersonName> rows = {{"Smith", "Anna", "B"}, {"Taylor", "John", "C"}, {"Smith", "John", "D"}};
  struct Case {
    const char* what;
    bool findNext;
    long shown;
    const char *last, *first, *middle;
    std::optional<long> found;
  };
  const Case cases[] = {
      {"last name, any letter case", false, 0, "smith", "", "", 0},
      {"last name from a later row", false, 1, "SMITH", "", "", 2},
      {"last and first name", false, 0, "Smith", "John", "", 2},
      {"first name only", false, 0, "", "john", "", 1},
      {"middle name only", false, 0, "", "", "d", 2},
      {"rows before the shown one are not searched", false, 1, "", "Anna", "", std::nullopt},
      {"nothing typed", false, 0, "", "", "", std::nullopt},
      {"no such name", false, 0, "Smith", "Anna", "Z", std::nullopt},
      {"Find Next: the row after the shown one", true, 0, "Smith", "", "", 2},
      {"Find Next: two names", true, 0, "smith", "JOHN", "", 2},
      {"Find Next on the last row starts again at the first", true, 2, "Smith", "", "", 0},
      {"Find Next searches to the end only", true, 1, "", "Anna", "", std::nullopt},
  };
  for (const Case& c : cases) {
    const SearchTexts texts = SearchTexts::typed(c.last, c.first, c.middle);
    const auto found = c.findNext ? findNext(rows, c.shown, texts) : findFrom(rows, c.shown, texts);
    EXPECT_EQ(show(found), show(c.found)) << c.what;
  }
}

TEST(RosterNames, ListTextAndTheColumnsTheImportWrites) {
  using Col = std::optional<QString>;
  struct Case {
    PersonName name;
    QString listed;
    Col last, first, middle;
  };
  const Case cases[] = {
      {{"Thornbury", "Margaret", "A."}, "Thornbury, Margaret A.", "Thornbury", "Margaret", "A"},
      {{"Grennan", "Tobias", QString()}, "Grennan, Tobias ", "Grennan", "Tobias", std::nullopt},
      {{"Van Buren", "Pieter", ""}, "Van Buren, Pieter ", "Van Buren", "Pieter", std::nullopt},
      {{"Quinn", "Mary Ann", "J"}, "Quinn, Mary Ann J", "Quinn", "Mary Ann", "J"},
      {{"O'Neil:", ",", "..."}, "O'Neil:, , ...", "O'Neil", std::nullopt, std::nullopt},
      {{QString(), "Rose", "St. Clair"}, ", Rose St. Clair", std::nullopt, "Rose", "St Clair"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(rosterListText(c.name), c.listed);
    const auto columns = importedColumns(c.name);
    EXPECT_EQ(columns[0], c.last) << c.listed.toStdString();
    EXPECT_EQ(columns[1], c.first) << c.listed.toStdString();
    EXPECT_EQ(columns[2], c.middle) << c.listed.toStdString();
  }
}

TEST(JetRows, UnescapesTheHelpersOutputAndKeepsNoValueApartFromEmptyText) {
  const auto rows = parseJetRows("1\tA\\tB\t\\N\t\n2\tback\\\\slash\\nnext\tJos\xc3\xa9\t\\\\N\n");
  ASSERT_EQ(rows.size(), 2u);
  ASSERT_EQ(rows[0].size(), 4u);
  EXPECT_EQ(rows[0][1], "A\tB");
  EXPECT_TRUE(rows[0][2].isNull());
  EXPECT_TRUE(rows[0][3].isEmpty());
  EXPECT_FALSE(rows[0][3].isNull());
  EXPECT_EQ(rows[1], (JetRow{"2", "back\\slash\nnext", QString::fromUtf8("Jos\xc3\xa9"), "\\N"}));
  EXPECT_TRUE(parseJetRows("").empty());
  // A row whose only column is an empty text is still a row.
  EXPECT_EQ(parseJetRows("\n\\N\n"), (std::vector<JetRow>{{""}, {QString()}}));
}

}  // namespace
}  // namespace yardmark::test
