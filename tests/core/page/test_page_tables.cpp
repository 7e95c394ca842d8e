// The individual tables, the defensive block and the closing lines, byte for byte.
#include <gtest/gtest.h>

#include "core/files/DataTree.h"
#include "core/page/PageBlocks.h"
#include "core/page/ReportHTML.h"
#include "support/ReportFixture.h"

using namespace yardmark;
using namespace yardmark::test;

namespace {

// Body rows of an individual table: name cell, then number cells (a cell ending in "%" is the
// percentage cell), then the closing line with its blanks.
std::string bodyRows(const std::vector<std::vector<std::string>>& rows, int closing) {
  std::string s;
  for (const auto& r : rows) {
    s += "                <tr>\n                  <td bgcolor=\"#FFFFFF\" class=\"text_all\">" + r[0] + "</td>\n";
    for (size_t i = 1; i < r.size(); ++i)
      s += "                  <td bgcolor=\"#FFFFFF\" class=\"number_all\">" + r[i] + "</td>\n";
    s += std::string(static_cast<size_t>(closing), ' ') + "</tr>\n";
  }
  return s;
}

const char* kRushingHead = R"(              <table width="990" align="center" class="table_all">
                <tr>
                  <td colspan="6" bgcolor="#FFFFFF" class="all_headline"><div align="left">INDIVIDUAL RUSHING </div></td>
                </tr>
                <tr>
                  <td width="173" bgcolor="#FFFFFF" class="bg_table_sab">PLAYER NAME </td>
                  <td width="153" bgcolor="#FFFFFF" class="bg_table_sab">ATT </td>
                  <td width="154" bgcolor="#FFFFFF" class="bg_table_sab">YDS </td>
                  <td width="154" bgcolor="#FFFFFF" class="bg_table_sab">AVG</td>
                  <td width="154" bgcolor="#FFFFFF" class="bg_table_sab">TDS</td>
                  <td width="174" bgcolor="#FFFFFF" class="bg_table_sab">2PTS</td>
                </tr>
)";

const char* kPassingHead = R"(              <table width="990" align="center" class="table_all">
                <tr>
                  <td colspan="7" bgcolor="#FFFFFF" class="all_headline"><div align="left">INDIVIDUAL PASSING</div></td>
                </tr>
                <tr>
                  <td width="153" bgcolor="#FFFFFF" class="bg_table_sab">PLAYER NAME </td>
                  <td width="134" bgcolor="#FFFFFF" class="bg_table_sab">COMP </td>
                  <td width="124" bgcolor="#FFFFFF" class="bg_table_sab">ATT</td>
                  <td width="124" bgcolor="#FFFFFF" class="bg_table_sab">AVG</td>
                  <td width="124" bgcolor="#FFFFFF" class="bg_table_sab">YDS</td>
                  <td width="125" bgcolor="#FFFFFF" class="bg_table_sab">TDS</td>
                  <td width="174" bgcolor="#FFFFFF" class="bg_table_sab">INT</td>
                </tr>
)";

const char* kReceivingHead = R"(              <table width="990" align="center" class="table_all">
                <tr>
                  <td colspan="6" bgcolor="#FFFFFF" class="all_headline"><div align="left">INDIVIDUAL RECEIVING</div></td>
                </tr>
                <tr>
                  <td width="173" bgcolor="#FFFFFF" class="bg_table_sab">PLAYER NAME </td>
                  <td width="153" bgcolor="#FFFFFF" class="bg_table_sab">REC </td>
                  <td width="154" bgcolor="#FFFFFF" class="bg_table_sab">YDS</td>
                  <td width="154" bgcolor="#FFFFFF" class="bg_table_sab">AVG</td>
                  <td width="154" bgcolor="#FFFFFF" class="bg_table_sab">TDS</td>
                  <td width="174" bgcolor="#FFFFFF" class="bg_table_sab">2PTS</td>
                  </tr>
)";

const char* kScoringHead = R"(              <table width="990" align="center" class="table_all">
                <tr>
                  <td colspan="6" bgcolor="#FFFFFF" class="all_headline"><div align="left">INDIVIDUAL SCORING</div></td>
                </tr>
                <tr>
                  <td width="173" bgcolor="#FFFFFF" class="bg_table_sab">PLAYER NAME </td>
                  <td width="143" bgcolor="#FFFFFF" class="bg_table_sab">TD</td>
                  <td width="154" bgcolor="#FFFFFF" class="bg_table_sab">PAT</td>
                  <td width="154" bgcolor="#FFFFFF" class="bg_table_sab">2PTS</td>
                  <td width="144" bgcolor="#FFFFFF" class="bg_table_sab">FG</td>
                  <td width="194" bgcolor="#FFFFFF" class="bg_table_sab">PTS</td>
                </tr>
)";

template <typename Block>
std::string blockOf(Block block) {
  PageText p;
  block(p);
  return p.take();
}

}  // namespace

TEST(PageRushing, AverageRoundsHalvesToEven) {
  // 24/7 = 3.43 gives 3, 10/4 = 2.5 gives 2, 7/2 = 3.5 gives 4; no attempts or yards give 0.
  FilledTmp t({.rushing = {{7, 24, 1, 0, "Smith John A"},
                     {4, 10, 0, 2, "Jones Al "},
                     {2, 7, Value{}, 0, "O'Neil & Sons"},
                     {0, 15, 0, 0, "Zero Att"},
                     {Value{}, 15, 0, 0, "Empty Att"},
                     {3, Value{}, 0, 0, "Empty Yds"}}});
  const std::string s = blockOf([&](PageText& p) { page::rushingTable(p, t.sets->rushing); });
  EXPECT_EQ(s, crlf(std::string(kRushingHead) + bodyRows({{"Smith John A", "7", "24", "3", "1", "0"},
                                                          {"Jones Al ", "4", "10", "2", "0", "2"},
                                                          {"O'Neil &amp; Sons", "2", "7", "4", "", "0"},
                                                          {"Zero Att", "0", "15", "0", "0", "0"},
                                                          {"Empty Att", "", "15", "0", "0", "0"},
                                                          {"Empty Yds", "3", "", "0", "0", "0"}},
                                                         16) +
                    "              </table><br>\n"));
}

TEST(PagePassing, PercentageRoundsHalvesAwayFromZero) {
  // 5 of 8 = 62.5 % gives 63, 1 of 3 gives 33, 0 of 4 gives 0; no attempts give 0.
  FilledTmp t({.passing = {{5, 8, 60, 1, 0, "Ames"}, {1, 3, 9, 0, 1, "Baker"}, {0, 4, 0, 0, 0, "Cole"},
                     {2, 0, 0, 0, 0, "Dunn"}}});
  const std::string s = blockOf([&](PageText& p) { page::passingTable(p, t.sets->passing); });
  EXPECT_EQ(s, crlf(std::string(kPassingHead) + bodyRows({{"Ames", "5", "8", "63%", "60", "1", "0"},
                                                          {"Baker", "1", "3", "33%", "9", "0", "1"},
                                                          {"Cole", "0", "4", "0%", "0", "0", "0"},
                                                          {"Dunn", "2", "0", "0%", "0", "0", "0"}},
                                                         16) +
                    "              </table><br>\n"));
}

TEST(PageReceiving, ClosesRowsWithEighteenBlanks) {
  FilledTmp t({.receiving = {{4, 50, 1, 0, "Ames"}, {3, 10, 0, 0, "Baker"}, {Value{}, Value{}, Value{}, Value{}, Value{}}}});
  const std::string s = blockOf([&](PageText& p) { page::receivingTable(p, t.sets->receiving); });
  // 50/4 = 12.5 gives 12; 10/3 gives 3; a row of empty fields still gives a row.
  EXPECT_EQ(s, crlf(std::string(kReceivingHead) + bodyRows({{"Ames", "4", "50", "12", "1", "0"},
                                                            {"Baker", "3", "10", "3", "0", "0"},
                                                            {"", "", "", "0", "", ""}},
                                                           18) +
                    "              </table><br>\n"));
}

TEST(PageScoring, CopiesFieldsAndClosesWithBreakLine) {
  FilledTmp rows({.scoring = {{2, 1, 0, 1, 16, "Ames"}, {0, 0, 1, 0, 2.5, "Baker"}}});
  EXPECT_EQ(blockOf([&](PageText& p) { page::scoringTable(p, rows.sets->scoring); }),
            crlf(std::string(kScoringHead) +
                 bodyRows({{"Ames", "2", "1", "0", "1", "16"}, {"Baker", "0", "0", "1", "0", "2.5"}}, 16) +
                 "              </table>\n              <br>\n"));
  FilledTmp empty({});
  EXPECT_EQ(blockOf([&](PageText& p) { page::scoringTable(p, empty.sets->scoring); }),
            crlf(std::string(kScoringHead) + "              </table>\n              <br>\n"));
}

namespace {

const char* kDefensiveHeadline = R"(              <table width="100%"  border="0" cellspacing="0" cellpadding="0">
                <tr>
                  <td valign="top"><div align="left">
                      <table width="100%"  border="0" cellpadding="0" cellspacing="0" class="all_headline">
                        <tr>
                          <td width="1%">&nbsp;</td>
                          <td width="14%">&nbsp;</td>
                          <td width="7%">&nbsp;</td>
                          <td width="68%"><div align="center" class="all_headline">
                              <div align="center">DEFENSIVE TEAM STATS </div>
                          </div></td>
                          <td width="10%"></td>
                        </tr>
                      </table>
                  </div></td>
                </tr>
                <tr>
                  <td><table width="106"  border="0" align="left" cellpadding="0" cellspacing="1" bgcolor="#4A4A4A">
                  <tr>
                    <td colspan="3" class="top_menu" ><div align="left" class="bg_table_sab"><strong>RECORD </strong></div></td>
                  </tr>
                  <tr bgcolor="#FFFFFF" class="text_all">
                    <td width="55"><strong> WINS:</strong> </td>
                    <td width="48" ><div align="center">1</div></td>
                  </tr>
                  <tr bgcolor="#FFFFFF" class="text_all">
                    <td><strong>LOSSES:</strong></td>
                    <td ><div align="center">1</div></td>
                  </tr>
                </table></td>
                </tr>
            </table><hr></td>
                </tr>
)";

std::string allowedExpected(bool oneGame, const std::string& offense, const std::string& points) {
  std::string s = R"(                <tr>
                  <td height="261" valign="top"><br>
                      <table width="100%">
                        <tr>
                          <td><table width="373" align="left" class="table_all">
                              <tr>
)";
  s += oneGame
           ? R"(                                <td width="114" bgcolor="#FFFFFF" class="bg_table_sab"><div align="left">Total Offense </div></td>)"
           : R"(                                <td width="114" bgcolor="#FFFFFF" class="bg_table_sab"><div align="left">Average Offense </div></td>)";
  s += "\n                                <td width=\"247\" bgcolor=\"#FFFFFF\" class=\"number_all\">" + offense +
       "</td>\n                              </tr>\n                              <tr>\n";
  s += oneGame ? R"(                                <td bgcolor="#FFFFFF" class="bg_table_sab"><div align="left">Total Points</div></td>)"
               : R"(                                <td bgcolor="#FFFFFF" class="bg_table_sab"><div align="left">Average Points</div></td>)";
  s += "\n                                <td width=\"247\" bgcolor=\"#FFFFFF\" class=\"number_all\">" + points +
       "</td>\n                              </tr>\n                          </table></td>\n                        </tr>\n";
  return crlf(s);
}

const char* kDefenseHead = R"(                        <tr>
                          <td><br>
                              <table width="100%" align="left" class="table_all">
                                <tr>
                                  <td width="120" bgcolor="#FFFFFF" class="bg_table_sab"> PLAYER NAME </td>
                                  <td  bgcolor="#FFFFFF" class="bg_table_sab" > Tackles<BR>Unassisted</td>
                                  <td  bgcolor="#FFFFFF" class="bg_table_sab" > Tackles<BR>Assisted</td>
                                  <td  bgcolor="#FFFFFF" class="bg_table_sab">QB<BR>Sacks</td>
                                  <td width="81" bgcolor="#FFFFFF" class="bg_table_sab">QB Deflects</td>
                                  <td width="139" bgcolor="#FFFFFF" class="bg_table_sab">TOTAL Tackles</td>
                                  <td width="90" bgcolor="#FFFFFF" class="bg_table_sab">Fumble Recoveries</td>
                                  <td width="90" bgcolor="#FFFFFF" class="bg_table_sab">Fumbles Caused</td>
                                  <td width="31" bgcolor="#FFFFFF" class="bg_table_sab">INTS</td>
                                  <td width="109" bgcolor="#FFFFFF" class="bg_table_sab">Blocked</td>
                                </tr>
)";

// name, unassisted, assisted, sacks, deflects, T, recoveries, caused, ints, blocked
std::string defenseRow(const std::vector<std::string>& c) {
  const std::string b(34, ' ');
  std::string s = "                                <tr>\n";
  s += b + R"(<td bgcolor="#FFFFFF" class="text_all">)" + c[0] + "</td>\n";
  s += b + R"(<td width="41" bgcolor="#FFFFFF" class="number_all">)" + c[1] + "</td>\n";
  s += b + R"(<td width="66" bgcolor="#FFFFFF" class="number_all">)" + c[2] + "</td>\n";
  s += b + R"(<td width="32" bgcolor="#FFFFFF" class="number_all">)" + c[3] + "</td>\n";
  s += b + R"(<td bgcolor="#FFFFFF" class="number_all">)" + c[4] + "</td>\n";
  s += b + R"(<td width="61" bgcolor="#FFFFFF" class="number_all">)" + c[5] + "</td>\n";
  for (size_t i = 6; i < 10; ++i) s += b + R"(<td bgcolor="#FFFFFF" class="number_all">)" + c[i] + "</td>\n";
  return s + "                                </tr>\n";
}

const char* kClosing = R"(                            </table>
                              <br></td>
                        </tr>
                    </table></td>
                </tr>
              </table></td>
          </tr>
          <tr>
            <td class="footer">&nbsp;</td>
          </tr>
        </table></td>
      </tr>
    </table></td>
  </tr></table>
</body>
</html>
)";

}  // namespace

TEST(PageDefense, HeadlineAndSecondRecordBox) {
  FilledTmp t({.header = {headerRow("E", "A", 2007, 1, true), headerRow("E", "B", 2007, 2, false)}});
  EXPECT_EQ(blockOf([&](PageText& p) {
              page::defensiveHeadline(p);
              page::defensiveRecordBox(p, t.facts);
            }),
            crlf(kDefensiveHeadline));
}

TEST(PageDefense, AllowedPerGame) {
  const Row stats = {0, 0, 0, 0, 301, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  const Row quarter = {0, 0, 0, 0, 0, 0, 0, 0, 5, 0};
  // One game: the opponent's totals as they are.
  FilledTmp one({.header = {headerRow("E", "A", 2007, 1, true)}, .quarter = {quarter}, .teamStats = {stats}});
  EXPECT_EQ(blockOf([&](PageText& p) { page::allowedPerGame(p, one.facts, one.sets->teamStats, one.sets->quarter); }),
            allowedExpected(true, "301", "5"));
  // Two games: 301/2 gives 150, 5/2 gives 2.
  FilledTmp two({.header = {headerRow("E", "A", 2007, 1, true), headerRow("E", "B", 2007, 2, true)},
           .quarter = {quarter},
           .teamStats = {stats}});
  EXPECT_EQ(blockOf([&](PageText& p) { page::allowedPerGame(p, two.facts, two.sets->teamStats, two.sets->quarter); }),
            allowedExpected(false, "150", "2"));
  // No games: nothing to divide by.
  FilledTmp none({.quarter = {quarter}, .teamStats = {stats}});
  EXPECT_EQ(
      blockOf([&](PageText& p) { page::allowedPerGame(p, none.facts, none.sets->teamStats, none.sets->quarter); }),
      allowedExpected(false, "0", "0"));
}

TEST(PageDefense, RowsWithTackleSum) {
  // 3 + 2 + 1 gives 6; an empty field in the sum gives 0 and an empty cell.
  FilledTmp t({.defense = {{3, 2, 1, 4, 5, 6, 7, 8, "Ames"}, {1, Value{}, 1, 0, 0, 0, 0, 0, "Baker"},
                     {1.5, 1, 0, 0, 0, 0, 0, 0, "Cole <3>"}}});
  EXPECT_EQ(blockOf([&](PageText& p) { page::defenseTable(p, t.sets->defense); }),
            crlf(std::string(kDefenseHead) + defenseRow({"Ames", "3", "2", "1", "4", "6", "5", "6", "7", "8"}) +
                 defenseRow({"Baker", "1", "", "1", "0", "0", "0", "0", "0", "0"}) +
                 defenseRow({"Cole &lt;3&gt;", "1.5", "1", "0", "0", "2", "0", "0", "0", "0"})));
}

TEST(PageClosing, LastLines) {
  EXPECT_EQ(blockOf([](PageText& p) { page::closingLines(p); }), crlf(kClosing));
}

TEST(PageWhole, BlocksInPageOrder) {
  FilledTmp t({.header = {headerRow("Eagles", "Hawks", 2007, 1, true)},
         .quarter = {{3, 7, 0, 14, 10, 0, 7, 3, 20, 24}},
         .rushing = {{7, 24, 1, 0, "Smith"}},
         .passing = {{5, 8, 60, 1, 0, "Ames"}},
         .receiving = {{4, 50, 1, 0, "Baker"}},
         .scoring = {{1, 0, 0, 0, 6, "Smith"}},
         .defense = {{3, 2, 1, 0, 0, 0, 0, 0, "Cole"}}});
  ReportHTML html;
  auto& s = *t.sets;
  const std::string page = html.CreateReport(s.defense, s.header, s.passing, s.quarter, s.receiving, s.rushing,
                                             s.scoring, s.teamStats, s.wins, s.losses);
  EXPECT_EQ(page, html.pageText());

  PageText expected;
  const page::Facts f = page::recordPass(s.header);
  page::documentHead(expected, f);
  page::gamesHeadline(expected, f);
  page::recordBox(expected, f);
  page::quarterTable(expected, f, s.quarter);
  page::teamStatsTable(expected, f, s.teamStats, s.quarter);
  page::rushingTable(expected, s.rushing);
  page::passingTable(expected, s.passing);
  page::receivingTable(expected, s.receiving);
  page::scoringTable(expected, s.scoring);
  page::defensiveHeadline(expected);
  page::defensiveRecordBox(expected, f);
  page::allowedPerGame(expected, f, s.teamStats, s.quarter);
  page::defenseTable(expected, s.defense);
  page::closingLines(expected);
  EXPECT_EQ(page, expected.text());

  // Every line ends in CR LF, the last one too, and no bare LF or CR is left.
  EXPECT_EQ(page.substr(page.size() - 9), "</html>\r\n");
  for (size_t i = 0; i < page.size(); ++i) {
    if (page[i] == '\n') {
      ASSERT_TRUE(i > 0 && page[i - 1] == '\r') << "bare LF at " << i;
    }
    if (page[i] == '\r') {
      ASSERT_TRUE(i + 1 < page.size() && page[i + 1] == '\n') << "bare CR at " << i;
    }
  }
  EXPECT_EQ(page.rfind("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\"\r\n"
                       "\"http://www.w3.org/TR/html4/loose.dtd\">\r\n<html>\r\n",
                       0),
            0u);
}
