// The roster's name rules and its search (plain functions, no window, no database), and the contacts
// file read for the roster import: every way the helper fails told as one sentence that names the file
// (the names read and the failures of real files are in the import form's tests).
#include <gtest/gtest.h>

#include <array>
#include <tuple>

#include "core/roster/Contacts.h"
#include "core/roster/NameCompletion.h"
#include "core/roster/RosterDetails.h"
#include "core/roster/RosterSearch.h"
#include "core/text/KeyRules.h"
#include "support/TempRoot.h"

namespace yardmark::test {
namespace {

namespace fs = std::filesystem;

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
  // Typed text, the lines offered ("; " between), the one player wearing exactly the number typed.
  const std::array<std::string, 3> cases[] = {
      {"bur", "#3 Van Buren Henry J (QB); #12 Burke Ann B (RB); #1 Abbot Bur C", ""},  // any word, once each
      {"van b", "#3 Van Buren Henry J (QB)", ""},                                      // on over the next word
      {"urn", "", ""},                                                                 // inside a word is no start
      {"elo", "Smith \xC3\x89lodie A", ""},                                            // accents aside
      {"", "", ""},
      {"12", "#12 Burke Ann B (RB)", "Burke Ann B"},
      {"#1", "#1 Abbot Bur C; #12 Burke Ann B (RB)", "Abbot Bur C"},  // the exact number first
      {"0", "#0 Cole Al Y; #00 Turnbury Al X (K)", "Cole Al Y"},      // "0" and "00" differ
      {"3", "#3 Van Buren Henry J (QB); #3 Dale Rex Q (LB)", ""},     // two wear it
      {"123", "", ""},                                                // no jersey number
  };
  for (const auto& [typed, shown, wearer] : cases) {
    std::string offered;
    for (const NameOffer& offer : roster.offered(typed)) offered += (offered.empty() ? "" : "; ") + offer.shown;
    EXPECT_EQ(offered, shown) << typed;
    EXPECT_EQ(roster.wearer(typed).value_or(""), wearer) << typed;
  }
  EXPECT_EQ(roster.offered("12").at(0).name, "Burke Ann B") << "the box takes the name as the roster has it";
}

TEST(RosterDetails, ANumberWornByAnotherPlayerAndTheKeysANumberMayBeTypedWith) {
  const std::vector<RosterPlayer> roster = {{{"Carter", "Marcus", "J"}, "12", "RB"}, {{"Lee", "Bo", "K"}, "0", ""}};
  const std::tuple<std::string, std::optional<size_t>, std::optional<size_t>> wears[] = {
      {"12", std::nullopt, 0}, {"12", 0, std::nullopt}, {"00", std::nullopt, std::nullopt}, {"", 1, std::nullopt}};
  for (const auto& [number, self, wearer] : wears) EXPECT_EQ(wearerOf(number, roster, self), wearer) << number;

  // The number box: key, length, kept.
  const std::array<int, 3> numberKeys[] = {{'5', 1, 1}, {'5', 2, 0}, {'a', 0, 0}, {kBackspace, 2, 1}};
  for (const auto& [key, length, kept] : numberKeys) EXPECT_EQ(jerseyKey(key, length) != 0, kept != 0) << key;
  // A player-name box: the key typed at the end of the text, kept or not.
  const std::tuple<int, std::string, bool> nameKeys[] = {
      {'1', "", true},       {'2', "1", true},   {'3', "12", false},       {'1', "#", true},
      {'1', "Smith", false}, {'a', "12", false}, {'a', "Smit", true},      {kBackspace, "12", true},
      {0xF1, "Nu", true},    {0xF1, "1", false}, {'1', "N\xC3\xBA", false}};
  for (const auto& [key, text, kept] : nameKeys)
    EXPECT_EQ(nameOrNumberKey(key, text, static_cast<int>(text.size())) != 0, kept) << text << " " << key;
}

TEST(Contacts, EveryFailureIsOneSentenceNamingTheFile) {
  TempRoot root;
  const auto helper = [&](const std::string& name, const std::string& script) {
    const fs::path program = root.writeFile("bin/" + name, "#!/bin/sh\n" + script + "\n");
    fs::permissions(program, fs::perms::owner_all);
    return program.string();
  };
  const std::string file = fixture("contacts.mdb").string(), missing = (root.dir() / "nothing.mdb").string();
  struct Case {
    std::string file, helper;  // no helper: the real one
    std::string message;
  };
  const Case cases[] = {
      {missing, "", "Could not find file '" + missing + "'."},
      {file, helper("silent", "exit 1"), "The file '" + file + "' could not be read."},
      {file, helper("short", "printf '1\\tAnn\\tB\\n'"),
       "The table 'tblContactDetails' in '" + file + "' lacks the name columns: it is not a contacts database."},
      {file, (root.dir() / "bin/missing").string(),
       "The reader of contacts files (" + (root.dir() / "bin/missing").string() +
           ") could not be started: No such file or directory."},
  };
  for (const Case& c : cases) {
    JetHelper reader;
    if (!c.helper.empty()) reader.program = c.helper;
    try {
      readContacts(c.file, reader);
      ADD_FAILURE() << c.message;
    } catch (const JetError& e) {
      EXPECT_EQ(std::string(e.what()), c.message);
    }
  }
}

}  // namespace
}  // namespace yardmark::test
