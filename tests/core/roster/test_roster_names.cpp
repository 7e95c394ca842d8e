// The roster's name rules and its search: plain functions, no window, no database.
#include <gtest/gtest.h>

#include "core/roster/NameCompletion.h"
#include "core/roster/RosterSearch.h"

namespace yardmark::test {
namespace {

using Column = std::optional<std::string>;

TEST(RosterNames, EveryFormOfAName) {
  struct Case {
    PersonName name;
    std::string listed, player;
    Column last, first, middle;  // as the import writes them
    bool complete;
  };
  const Case cases[] = {
      {{"Grennan", "Tobias", ""}, "Grennan, Tobias ", "Grennan Tobias ", "Grennan", "Tobias", std::nullopt, false},
      {{"Van Buren", "Pieter", "J"}, "Van Buren, Pieter J", "Van Buren Pieter J", "Van Buren", "Pieter", "J", true},
      {{"O'Neil:", ",", "..."}, "O'Neil:, , ...", "O'Neil: , ...", "O'Neil", std::nullopt, std::nullopt, true},
      {{"", "Rose", "St. Clair"}, ", Rose St. Clair", " Rose St. Clair", std::nullopt, "Rose", "St Clair", false},
      {{"", "", ""}, ",  ", "  ", std::nullopt, std::nullopt, std::nullopt, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(rosterListText(c.name), c.listed);
    EXPECT_EQ(playerNameText(c.name), c.player) << c.listed;
    const auto columns = importedColumns(c.name);
    EXPECT_EQ(columns[0], c.last) << c.listed;
    EXPECT_EQ(columns[1], c.first) << c.listed;
    EXPECT_EQ(columns[2], c.middle) << c.listed;
    EXPECT_EQ(isComplete(c.name), c.complete) << c.listed;
  }
}

std::string show(const std::optional<long>& v) { return v ? std::to_string(*v) : "none"; }

TEST(RosterSearch, StopsAtTheFirstRowWhereEveryTypedNameMatches) {
  const std::vector<PersonName> rows = {
      {"Smith", "Anna", "B"}, {"Taylor", "John", "C"}, {"Smith", "John", "D"}, {"Ferreira", "Jos\xc3\xa9", "M"}};
  struct Case {
    const char* what;
    bool findNext;
    long shown;
    PersonName typed;
    std::optional<long> found;
  };
  const Case cases[] = {
      {"last name from a later row, any letter case", false, 1, {"sMITH", "", ""}, 2},
      {"accents aside", false, 0, {"FERREIRA", "Jose", ""}, 3},
      {"last and first name", false, 0, {"Smith", "John", ""}, 2},
      {"rows before the shown one are not searched", false, 1, {"", "Anna", ""}, std::nullopt},
      {"nothing typed", false, 0, {"", "", ""}, std::nullopt},
      {"no such name", false, 0, {"Smith", "Anna", "Z"}, std::nullopt},
      {"Find Next: the row after the shown one", true, 0, {"Smith", "", ""}, 2},
      {"Find Next on the last row starts again at the first", true, 3, {"Smith", "", ""}, 0},
      {"Find Next searches to the end only", true, 1, {"", "Anna", ""}, std::nullopt},
  };
  for (const Case& c : cases) {
    const SearchTexts texts = SearchTexts::typed(c.typed);
    const auto found = c.findNext ? findNext(rows, c.shown, texts) : findFrom(rows, c.shown, texts);
    EXPECT_EQ(show(found), show(c.found)) << c.what;
  }
}

TEST(NameCompletion, OffersTheNamesWithAWordStartingWithTheTypedText) {
  const NameCompletion roster(
      {"Van Buren Henry J", "Burke Ann B", "Abbot Bur C", "Smith Élodie A", "Burke Ann B", "Turnbury Al X"});
  const std::pair<std::string, std::vector<std::string>> cases[] = {
      {"bur", {"Van Buren Henry J", "Burke Ann B", "Abbot Bur C"}},  // any word, any case, once each
      {"BURE", {"Van Buren Henry J"}},
      {"van b", {"Van Buren Henry J"}},  // on over the next word
      {"urn", {}},                       // inside a word is no start
      {"élo", {"Smith Élodie A"}},       // letter case beyond ASCII
      {"elo", {"Smith Élodie A"}},       // accents aside
      {"", {}},
  };
  for (const auto& [typed, names] : cases) EXPECT_EQ(roster.offered(typed), names) << typed;
}

}  // namespace
}  // namespace yardmark::test
