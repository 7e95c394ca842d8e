// The report page for a few small seasons, byte for byte against the reference pages.
#include <gtest/gtest.h>

#include "core/files/DataTree.h"
#include "core/page/ReportHTML.h"
#include "support/ReportFixture.h"

using namespace yardmark;
using namespace yardmark::test;

namespace {

// Opp fields 1-10 then own fields 11-20: halves, an empty field and a text with a number.
Row statsRow(double offenseOpp, double offenseOwn) {
  return {11, 120, 6, 85, offenseOpp, 2, 5, 4, 50, 3, 12.5, 13.5, 7, 99, offenseOwn, 1, Value{}, 6, 61, "2 yds"};
}

// One game: the opponent named, every table with rows that round, are empty or must be escaped.
GameRows oneGame() {
  return {.header = {headerRow("A&B \"<\xC5\x81\xC3\xBC>\"", "Hawks", 2007, 1, true)},  // Ł, ü
          .quarter = {{Value{}, 7, 0, 14, 10, 0, 7, 3, 20, 24}},
          .teamStats = {statsRow(303, 301)},
          .rushing = {{7, 24, 1, 0, "Smith John A"},  // 3.43, 2.5 and 3.5 round half to even
                      {4, 10, 0, 2, "Jones Al "},
                      {2, 7, Value{}, 0, "O'Neil & Sons"},
                      {0, 15, 0, 0, "Zero Att"},
                      {Value{}, 15, 0, 0, "Empty Att"},
                      {3, Value{}, 0, 0, "Empty Yds"}},
          .passing = {{5, 8, 60, 1, 0, "Ames"},  // 62.5 % rounds half away from zero
                      {1, 3, 9, 0, 1, "Baker"},
                      {0, 4, 0, 0, 0, "Cole"},
                      {2, 0, 0, 0, 0, "Dunn"}},
          .receiving = {{4, 50, 1, 0, "Ames"}, {3, 10, 0, 0, "Baker"}, {Value{}, Value{}, Value{}, Value{}, Value{}}},
          .scoring = {{2, 1, 0, 1, 16, "Ames"}, {0, 0, 1, 0, 2.5, "Baker"}},
          .defense = {{3, 2, 1, 4, 5, 6, 7, 8, "Ames"},
                      {1, Value{}, 1, 0, 0, 0, 0, 0, "Baker"},
                      {1.5, 1, 0, 0, 0, 0, 0, 0, "Cole <3>"}}};
}

// Two games, the second marked neither won nor lost: per-game rows, 150.5 and 2.5 to even.
GameRows twoGames() {
  Row unmarked = headerRow("Eagles", "Owls", 2007, 2, false);
  unmarked[5] = false;
  return {.header = {headerRow("Eagles", "Hawks", 2007, 1, true), unmarked},
          .quarter = {{0, 0, 0, 0, 0, 0, 0, 0, 5, 7}},
          .teamStats = {statsRow(303, 301)},
          .rushing = {{7, 24, 1, 0, "Smith"}}};
}

}  // namespace

TEST(ReportPage, MatchesTheReferencePages) {
  const struct {
    const char* file;
    GameRows rows;
  } cases[] = {{"no_games.htm", {}}, {"one_game.htm", oneGame()}, {"two_games.htm", twoGames()}};
  for (const auto& c : cases) {
    FilledTmp t(c.rows);
    ReportHTML html;
    const std::string page = html.CreateReport(readReportSeason(DataTree(t.root.dir()).tmpDatabase()));
    expectReference(page, "page/" + std::string(c.file));
    EXPECT_EQ(html.pageText(), page);
  }
}
