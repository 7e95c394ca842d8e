// The roster's name rules and its search (plain functions, no window, no database); the contacts file
// read for the roster import: every way the helper fails told as one sentence that names the file; and a
// roster read from a spreadsheet saved as CSV: header kinds, separators, quoting, encodings, bad files and
// the duplicate rule (the names read, the write and the messages' form are in the import form's tests).
#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <chrono>
#include <tuple>

#include "core/roster/Contacts.h"
#include "core/roster/NameCompletion.h"
#include "core/roster/RosterDetails.h"
#include "core/roster/RosterSearch.h"
#include "core/roster/SpreadsheetRoster.h"
#include "core/text/KeyRules.h"
#include "support/ReportFixture.h"
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
      {"12", std::nullopt, 0},
      {"12", 0, std::nullopt},
      {"00", std::nullopt, std::nullopt},
      {"", 1, std::nullopt},
      {"0", std::nullopt, 1}};
  for (const auto& [number, self, wearer] : wears) EXPECT_EQ(wearerOf(number, roster, self), wearer) << number;
  EXPECT_TRUE(readRoster(TempRoot().dir() / "no roster.mdb").empty());  // none yet: nobody, and no file made

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
      // clang-format off
      {file, helper("short", "printf '1\\tAnn\\tB\\n'"), "The table 'tblContactDetails' in '" + file + "' lacks the name columns: it is not a contacts database."},
      // clang-format on
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

using csv::Encoding;

// Players as "last|first|middle@line", then "#number", "/position", "gGrade" and "?" with a cell
// left blank, when present; joined by "; ".
std::string shown(const SheetRoster& r) {
  std::string out;
  for (const SheetPlayer& p : r.players) {
    out += (out.empty() ? "" : "; ") + p.name.last + "|" + p.name.first + "|" + p.name.middle + "@" +
           std::to_string(p.line);
    if (!p.number.empty()) out += "#" + p.number;
    if (!p.position.empty()) out += "/" + p.position;
    if (p.grade) out += "g" + std::to_string(p.grade);
    if (!(p.unreadNumber + p.unreadGrade).empty()) out += "?" + p.unreadNumber + p.unreadGrade;
  }
  return out;
}

std::string utf16le(std::string_view ascii) {
  std::string out = "\xFF\xFE";
  for (char c : ascii) out += std::string{c, '\0'};
  return out;
}

TEST(SpreadsheetRoster, ReadsTheColumnsTheWaySpreadsheetsWriteThem) {
  struct Case {
    std::string bytes, players;
    std::vector<std::string> others = {};
    char separator = ',';
    Encoding encoding = Encoding::Utf8;
  };
  using enum Encoding;
  // clang-format off
  const Case cases[] = {
      {"Last,First,Middle\r\nSmith,John,A\r\nDoe,Jane,\r\n", "Smith|John|A@2; Doe|Jane|@3"},  // CR LF
      // Other spellings, other order, extra columns.
      {"Jersey;SURNAME ; first name;MI;Grade;Phone\n12;O'Brien;Pat;J.;11;555\n", "O'Brien|Pat|J@2#12g11", {"Phone"}, ';'},
      {"#,Player\n1,\"Smith, John A\"\n2,\"Jones, Mary Ann Lee\"\n", "Smith|John|A@2#1; Jones|Mary|Ann Lee@3#2"},
      {"Name\nJohn A Smith\nCher\nBob Lee\n", "Smith|John|A@2; Cher||@3; Lee|Bob|@4"},
      {"Last,Name\nSmith,John Smith\n", "Smith||@2", {"Name"}},                      // separate columns win over Name
      {"Smith,John,A,12\nDoe,Jane\n", "Smith|John|A@1; Doe|Jane|@2", {"column 4"}},  // no header
      // Quotes: commas, doubled quotes, line breaks, blanks before.
      {"Last,First\n\"Smith, Jr.\", \"J\"\"R\"\"\"\n\"Multi\r\nLine\",Bo\nAfter,It", "Smith Jr|J\"R\"|@2; Multi Line|Bo|@3; After|It|@5"},
      {"Last,First,Phone\n,,\n\n,,7\nKim,Lee,\n", "Kim|Lee|@5", {"Phone"}},  // blank rows, rows without a name
      {"\xEF\xBB\xBFLast;First\nM\xC3\xBCller;J\xC3\xB6rg\n", "M\xC3\xBCller|J\xC3\xB6rg|@2", {}, ';', Utf8Bom},
      // Windows-1252, a UTF-8 lead byte first; UTF-16, U+0080 the first of two bytes.
      {"Last,First\nRen\xE9\x65\x92s,M\xFCller\n", "Ren\xC3\xA9\x65\xE2\x80\x99s|M\xC3\xBCller|@2", {}, ',', Windows1252},
      {utf16le("Last\tFirst\r\nNg\tAl\x80\r\n"), "Ng|Al\xC2\x80|@2", {}, '\t', Utf16},
      {"Last,First\rA,B\rC,D", "A|B|@2; C|D|@3"},  // lone CR line ends
      // Each header of a number, a position or a grade, in any letter case, and the cells it reads.
      {"Last,Number,Position,Grade\nSmith,12,RB/LB,11\n", "Smith||@2#12/RB/LBg11"},
      {"LAST,no,pos,Class\nSmith,00,K,Sr.\n", "Smith||@2#00/Kg12"},
      {"Last,No.,Yr\nSmith,#7,fr\n", "Smith||@2#7g9"},
      {"Last,#,Year\nSmith,0,2027\n", "Smith||@2#0?2027"},  // no grade of ours
      {"Last,JERSEY\nSmith, 5 \n", "Smith||@2#5"},
      {"Last,Jersey Number\nSmith,123\n", "Smith||@2?123"},  // no jersey number
  };
  // clang-format on
  for (const Case& c : cases) {
    const SheetRoster r = parseSpreadsheetRoster(c.bytes, "roster.csv");
    EXPECT_EQ(shown(r), c.players);
    EXPECT_EQ(r.otherColumns, c.others) << c.players;
    EXPECT_EQ(r.separator, c.separator) << c.players;
    EXPECT_EQ(r.encoding, c.encoding) << c.players;
  }
}

TEST(SpreadsheetRoster, BadFilesNameTheFileAndTheLine) {
  struct Case {
    std::string bytes;
    long line;
    std::string reason;
  };
  const Case cases[] = {
      {std::string("PK\x03\x04\x14\0\0\0", 8), 1, "the file is not text"},
      {"Last,First\r\nA,B\r\n\x01", 3, "the file is not text"},
      {std::string("\xFF\xFEL\0\n\0\0\xD8", 8), 2, "the file is not text"},
      {"", 0, "it holds no rows"},
      {"Last,First,Jersey\n,,12\n", 0, "no row names a player"},
      {"Jersey,MI\n1,A\n", 1, "the header names no Last, First or Name column"},
  };
  for (const Case& c : cases) {
    try {
      parseSpreadsheetRoster(c.bytes, "/home/coach/roster.csv");
      ADD_FAILURE() << c.reason;
    } catch (const SpreadsheetError& e) {
      EXPECT_EQ(e.line(), c.line) << c.reason;
      EXPECT_EQ(e.file(), "/home/coach/roster.csv");
      EXPECT_NE(std::string(e.what()).find(c.reason), std::string::npos) << e.what();
    }
  }
  EXPECT_THROW(readSpreadsheetRoster("/nonexistent/roster.csv"), SpreadsheetError);
}

// What no roster needs is refused as soon as it is seen, in a time that grows with the file, not
// with its square; empty cells far to the right are no columns; a set stop ends the reading.
TEST(SpreadsheetRoster, HugeFilesAreRefusedQuicklyAndAStopEndsTheReading) {
  std::string wide, tall = "Last,First\n", ragged = "Last,First" + std::string(200, ',') + "\nDoe,Jane,,,\n";
  for (int i = 0; i < 100000; ++i) wide.append(1, 'c').append(std::to_string(i)).append(1, ',');
  for (int i = 0; i < 1000000; ++i) tall += "Smith,John\n";
  const std::pair<const std::string&, std::string> cases[] = {
      {wide, "r.csv, line 1: it has more than 100 columns, more than a roster needs, so it is not read."},
      {tall, "r.csv, line 10001: it has more than 10000 rows, more than a roster needs, so it is not read."},
      {ragged, "Doe|Jane|@2"}};
  for (const auto& [bytes, told] : cases) {
    const auto start = std::chrono::steady_clock::now();
    try {
      EXPECT_EQ(shown(parseSpreadsheetRoster(bytes, "r.csv")), told);
    } catch (const SpreadsheetError& e) {
      EXPECT_EQ(e.what(), told);
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2)) << told;
  }
  const std::atomic<bool> stop{true};
  EXPECT_THROW(parseSpreadsheetRoster(ragged, "r.csv", &stop), SpreadsheetError);
}

TEST(SpreadsheetRoster, DuplicatesMaybeDuplicatesAndNumberClashes) {
  const std::vector<RosterPlayer> roster = {{{"Smith", "John", "A"}, "12", ""},
                                            {{"Doe", "Jane", ""}, "", ""},
                                            {{"M\xC3\xBCller", "Jo", ""}, "", ""},
                                            {{"Carter", "Marcus", "J"}, "7", "RB"}};
  using D = Duplicate;
  const std::tuple<RosterName, std::string, SheetCheck> cases[] = {
      {{" smith ", "JOHN", "a"}, "12", {D::InRoster, "", "", false}},  // his own number
      {{"Smith", "John", ""}, "", {D::MaybeInRoster, "Smith John A", "", false}},
      {{"Doe", "Jane", " "}, "", {D::InRoster, "", "", false}},
      {{"Doe", "Jane", "B"}, "", {D::MaybeInRoster, "Doe Jane", "", false}},
      {{"doe", "jane", "b"}, "", {D::EarlierInFile, "", "", false}},
      {{"muller", "jo", "K"}, "", {D::MaybeInRoster, "M\xC3\xBCller Jo", "", false}},
      {{"Kim", "Lee", ""}, "7", {D::No, "", "Carter Marcus J", false}},
      {{"Park", "Al", ""}, "30", {D::No, "", "", false}},
      {{"Ray", "Bo", ""}, "30", {D::No, "", "Park Al", true}},
      {{"Ray", "Cy", ""}, "3", {D::No, "", "", false}},  // "3" is not "30"
  };
  std::vector<SheetPlayer> players;
  for (const auto& [name, number, check] : cases) {
    players.emplace_back();
    players.back().name = name;
    players.back().number = number;
  }
  const std::vector<SheetCheck> found = checkSheet(players, roster);
  for (size_t i = 0; i < std::size(cases); ++i) EXPECT_EQ(found.at(i), std::get<2>(cases[i])) << i;
}

}  // namespace
}  // namespace yardmark::test
