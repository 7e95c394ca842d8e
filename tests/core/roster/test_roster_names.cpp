// The roster's name rules and its search: plain functions, no window, no database.
#include <gtest/gtest.h>

#include "core/roster/NameCompletion.h"
#include "core/roster/RosterDetails.h"
#include "core/roster/RosterSearch.h"
#include "core/text/KeyRules.h"

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

TEST(NameCompletion, OffersThePlayersByAWordOfTheNameOrByTheirNumber) {
  const NameCompletion roster({{{"Van Buren", "Henry", "J"}, "3", "QB"},
                               {{"Burke", "Ann", "B"}, "12", "RB"},
                               {{"Abbot", "Bur", "C"}, "1", ""},
                               {{"Smith", "\xC3\x89lodie", "A"}, "", ""},
                               {{"Burke", "Ann", "B"}, "12", "RB"},
                               {{"Turnbury", "Al", "X"}, "00", "K"},
                               {{"Cole", "Al", "Y"}, "0", ""},
                               {{"Dale", "Rex", "Q"}, "3", "LB"}});
  struct Case {
    std::string typed;
    std::vector<std::string> shown;
    std::optional<std::string> wearer;  // the one player wearing exactly the number typed
  };
  const Case cases[] = {
      {"bur",
       {"#3 Van Buren Henry J (QB)", "#12 Burke Ann B (RB)", "#1 Abbot Bur C"},
       std::nullopt},  // any word, once each
      {"BURE", {"#3 Van Buren Henry J (QB)"}, std::nullopt},
      {"van b", {"#3 Van Buren Henry J (QB)"}, std::nullopt},   // on over the next word
      {"urn", {}, std::nullopt},                                // inside a word is no start
      {"\xC3\xA9lo", {"Smith \xC3\x89lodie A"}, std::nullopt},  // letter case beyond ASCII
      {"elo", {"Smith \xC3\x89lodie A"}, std::nullopt},         // accents aside
      {"", {}, std::nullopt},
      {"12", {"#12 Burke Ann B (RB)"}, "Burke Ann B"},
      {"#1", {"#1 Abbot Bur C", "#12 Burke Ann B (RB)"}, "Abbot Bur C"},  // the exact number first
      {"0", {"#0 Cole Al Y", "#00 Turnbury Al X (K)"}, "Cole Al Y"},      // "0" and "00" differ
      {"00", {"#00 Turnbury Al X (K)"}, "Turnbury Al X"},
      {"3", {"#3 Van Buren Henry J (QB)", "#3 Dale Rex Q (LB)"}, std::nullopt},  // two wear it
      {"4", {}, std::nullopt},
      {"123", {}, std::nullopt},  // no jersey number
  };
  for (const Case& c : cases) {
    std::vector<std::string> shown;
    for (const NameOffer& offer : roster.offered(c.typed)) shown.push_back(offer.shown);
    EXPECT_EQ(shown, c.shown) << c.typed;
    EXPECT_EQ(roster.wearer(c.typed), c.wearer) << c.typed;
  }
  EXPECT_EQ(roster.offered("12").at(0).name, "Burke Ann B") << "the box takes the name as the roster has it";
}

TEST(RosterDetails, NumbersAndGradesAsTypedOrReadFromACell) {
  const std::pair<std::string, std::optional<std::string>> numbers[] = {
      {"7", "7"},           {"00", "00"},        {" #12 ", "12"},     {"# 5", "5"}, {"", ""}, {"123", std::nullopt},
      {"1a", std::nullopt}, {"#", std::nullopt}, {"-1", std::nullopt}};
  for (const auto& [cell, number] : numbers) {
    EXPECT_EQ(jerseyNumberOf(cell), number) << cell;
    EXPECT_EQ(isJerseyNumber(cell), number && *number == cell && !cell.empty()) << cell;
  }
  const std::pair<std::string, std::optional<int>> grades[] = {{"9", 9},
                                                               {"12", 12},
                                                               {"Fr", 9},
                                                               {"so.", 10},
                                                               {"JUNIOR", 11},
                                                               {" Sr ", 12},
                                                               {"", 0},
                                                               {"8", std::nullopt},
                                                               {"13", std::nullopt},
                                                               {"2027", std::nullopt},
                                                               {"Grad", std::nullopt}};
  for (const auto& [cell, grade] : grades) EXPECT_EQ(gradeOf(cell), grade) << cell;
}

TEST(RosterDetails, ANumberWornByAnotherPlayer) {
  const std::vector<RosterPlayer> roster = {{{"Carter", "Marcus", "J"}, "12", "RB"},
                                            {{"N\xC3\xBA\xC3\xB1\x65z", "Jos\xC3\xA9", ""}, "0", ""},
                                            {{"Lee", "Bo", "K"}, "", ""}};
  struct Wear {
    std::string number;
    std::optional<size_t> self, wearer;
  };
  const Wear wears[] = {
      {"12", std::nullopt, 0}, {"12", 0, std::nullopt},         {"12", 2, 0}, {"00", std::nullopt, std::nullopt},
      {"0", std::nullopt, 1},  {"", std::nullopt, std::nullopt}};
  for (const Wear& w : wears) EXPECT_EQ(wearerOf(w.number, roster, w.self), w.wearer) << w.number;
}

TEST(RosterDetails, KeyRulesOfTheNumberBoxAndOfAPlayerNameBox) {
  const std::pair<int, int> number[] = {{'5', 1}, {'5', 2}, {'a', 0}, {kBackspace, 2}, {'#', 0}};
  const bool numberKept[] = {true, false, false, true, false};
  for (size_t i = 0; i < std::size(number); ++i)
    EXPECT_EQ(jerseyKey(number[i].first, number[i].second) != 0, numberKept[i]) << i;
  struct Key {
    int key;
    std::string text;
    int cursor;
    bool kept;
  };
  const Key keys[] = {{'1', "", 0, true},          {'2', "1", 1, true},    {'3', "12", 2, false},
                      {'1', "#", 1, true},         {'1', "#", 0, false},   {'1', "Smith", 5, false},
                      {'a', "12", 2, false},       {'a', "Smit", 4, true}, {'#', "", 0, true},
                      {kBackspace, "12", 2, true}, {0xF1, "Nu", 2, true},  {'1', "N\xC3\xBA", 2, false},
                      {0xF1, "1", 1, false}};
  for (const Key& k : keys) EXPECT_EQ(nameOrNumberKey(k.key, k.text, k.cursor) != 0, k.kept) << k.text << " " << k.key;
}

}  // namespace
}  // namespace yardmark::test
