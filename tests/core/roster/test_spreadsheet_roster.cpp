// A roster read from a spreadsheet saved as CSV: header kinds, separators, quoting, encodings,
// bad files and the duplicate rule (the write and the message's form are in the import form's test).
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>

#include "core/roster/SpreadsheetRoster.h"
#include "support/ReportFixture.h"

namespace yardmark::test {
namespace {

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
