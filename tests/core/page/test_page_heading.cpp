// The page from its first line to the team statistics table, block by block, byte for byte.
#include <gtest/gtest.h>

#include "core/files/DataTree.h"
#include "core/page/PageBlocks.h"
#include "support/ReportFixture.h"

using namespace yardmark;
using namespace yardmark::test;

namespace {

const char* kHeadTop = R"(<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN"
"http://www.w3.org/TR/html4/loose.dtd">
<html>
<head>
<meta http-equiv="Content-Type" content="text/html; charset=iso-8859-1">
<title>TOTAL TEAM STATS</title>
<style type="text/css">
<!--
@import url("css/css.css");
body {
    margin-left: 0px;
    margin-top: 0px;
    margin-right: 0px;
    margin-bottom: 0px;
}
a:link {
    text-decoration: none;
}
a:visited {
    text-decoration: none;
}
a:hover {
    text-decoration: underline;
}
a:active {
    text-decoration: none;
}
-->
</style>
</head>

<body>
<table width="100%"  border="0" cellpadding="0" cellspacing="0">
  <tr>
)";

const char* kHeadBottom = R"(  </tr>
  <tr>
    <td class="header_line">&nbsp; </td>
  </tr>
  <tr>
    <td bgcolor="#FFFFFF"><table width="100%"  border="0" cellpadding="0" cellspacing="1" bgcolor="#6B9A6D">
      <tr>
        <td valign="top" bgcolor="#FFFFFF"><table width="100%"  border="0" cellspacing="0" cellpadding="0">
          <tr>
            <td valign="top">
              
                <div align="left">                  
)";

std::string headOf(const page::Facts& f) {
  PageText p;
  page::documentHead(p, f);
  return p.take();
}

}  // namespace

TEST(PageHead, TitleCarriesTeamAndYear) {
  FilledTmp t({.header = {headerRow("Eagles", "Hawks", 2007, 1, true), headerRow("Ravens", "Owls", 2008, 2, false)}});
  EXPECT_EQ(headOf(t.facts),
            crlf(kHeadTop) + crlf("    <td class=\"head_title\">Eagles&nbsp;2007   Football Stats </td>\n") +
                crlf(kHeadBottom));
}

TEST(PageHead, NoGamesLeavesOutTheTitleLine) {
  FilledTmp t({});
  EXPECT_EQ(headOf(t.facts), crlf(kHeadTop) + crlf(kHeadBottom));
  EXPECT_NE(headOf(t.facts).find("  <tr>\r\n  </tr>\r\n"), std::string::npos);
}

TEST(PageHead, TextIsEscapedAndLatin1) {
  FilledTmp t({.header = {headerRow("A&B \"<\xC5\x81\xC3\xBC>\"", "x", 2007, 1, true)}});  // Ł, ü
  EXPECT_EQ(t.facts.team, "A&amp;B &quot;&lt;&#321;\xFC&gt;&quot;");
  EXPECT_NE(headOf(t.facts).find("A&amp;B &quot;&lt;&#321;\xFC&gt;&quot;&nbsp;2007   Football"), std::string::npos);
}

TEST(PageRecord, CountsGamesWinsAndLosses) {
  // A game marked neither way counts as lost.
  Row unmarked = headerRow("Eagles", "C", 2007, 3, false);
  unmarked[5] = false;
  FilledTmp t({.header = {headerRow("Eagles", "A", 2007, 1, true), headerRow("Eagles", "B", 2007, 2, true), unmarked}});
  EXPECT_EQ(t.facts.games, 3);
  EXPECT_EQ(t.facts.wins, 2);
  EXPECT_EQ(t.facts.losses, 1);
  EXPECT_EQ(t.sets->header.field("OppTeamName"), Value("A"));  // moved back to the first row

  PageText p;
  page::gamesHeadline(p, t.facts);
  page::recordBox(p, t.facts);
  EXPECT_EQ(p.text(), crlf(R"(                  <table width="100%"  border="0" cellpadding="0" cellspacing="0" class="all_headline">
                    <tr>
                      <td width="1%">&nbsp;</td>
                      <td width="14%">GAMES PLAYED:</td>
                      <td width="7%">3</td>
                      <td width="68%">     <div align="center" class="all_headline">
                        <div align="center">TOTAL TEAM STATS </div>
                      </div></td>
                      <td width="10%" ></td>
                    </tr>
                  </table>        
                  </div></td></tr>
          <tr>
            <td><table>
              <tr>
                <td width="121"><table width="106"  border="0" align="left" cellpadding="0" cellspacing="1" bgcolor="#4A4A4A">
                  <tr>
                    <td colspan="3" class="top_menu" ><div align="left" class="bg_table_sab"><strong>RECORD </strong></div></td>
                  </tr>
                  <tr bgcolor="#FFFFFF" class="text_all">
                    <td width="55"><strong> WINS:</strong> </td>
                    <td width="48" ><div align="center">2</div></td>
                  </tr>
                  <tr bgcolor="#FFFFFF" class="text_all">
                    <td><strong>LOSSES:</strong></td>
                    <td ><div align="center">1</div></td>
                  </tr>
                </table></td>
                </tr>
            </table><hr>
              </td>
          </tr>
)"));
}

namespace {

const char* kQuarterHead = R"(          <tr>
            <td height="300" valign="top">   <br>           
              <table width="990" align="center" class="table_all">
                <tr>
                  <td colspan="6" bgcolor="#FFFFFF" class="all_headline"><div align="left" class="all_headline">BY QUARTER</div></td>
                  </tr>
                <tr>
                  <td width="183" bgcolor="#FFFFFF" class="bg_table_sab">TEAM </td>
                  <td width="143" bgcolor="#FFFFFF" class="bg_table_sab">1</td>
                  <td width="144" bgcolor="#FFFFFF" class="bg_table_sab">2</td>
                  <td width="144" bgcolor="#FFFFFF" class="bg_table_sab">3</td>
                  <td width="144" bgcolor="#FFFFFF" class="bg_table_sab">4</td>
                  <td width="204" bgcolor="#FFFFFF" class="bg_table_sab">Total Points</td>
                </tr>
)";

std::string quarterRows(const std::string& own, const std::vector<std::string>& ownCells, const std::string& opp,
                        const std::vector<std::string>& oppCells) {
  std::string s = "                <tr>\n                  <td bgcolor=\"#FFFFFF\" class=\"text_all\">" + own + "</td>\n";
  for (const auto& c : ownCells) s += "                  <td bgcolor=\"#FFFFFF\" class=\"number_all\">" + c + "</td>\n";
  s += "                </tr>\n                <tr>\n                  <td bgcolor=\"#FFFFFF\" class=\"text_all\">" + opp +
       "</td>\n";
  for (const auto& c : oppCells) s += "                  <td bgcolor=\"#FFFFFF\" class=\"number_all\">" + c + "</td>\n";
  return crlf(s + "                </tr>\n              </table><br>\n");
}

std::string quarterOf(FilledTmp& t) {
  PageText p;
  page::quarterTable(p, t.facts, t.sets->quarter);
  return p.take();
}

// Opp1, Own1, ..., TotalOpp, TotalOwn as stored.
Row quarterRow() { return {3, 7, 0, 14, 10, 0, 7, 3, 20, 24}; }

}  // namespace

TEST(PageQuarters, OneGameShowsTheOpponentsName) {
  FilledTmp t({.header = {headerRow("Eagles", "Hawks", 2007, 1, true)}, .quarter = {quarterRow()}});
  EXPECT_EQ(quarterOf(t), crlf(kQuarterHead) + quarterRows("Eagles", {"7", "14", "0", "3", "24"}, "Hawks",
                                                           {"3", "0", "10", "7", "20"}));
}

TEST(PageQuarters, ManyGamesShowOpp) {
  FilledTmp t({.header = {headerRow("Eagles", "Hawks", 2007, 1, true), headerRow("Eagles", "Owls", 2007, 2, true)},
         .quarter = {quarterRow()}});
  EXPECT_EQ(quarterOf(t), crlf(kQuarterHead) + quarterRows("Eagles", {"7", "14", "0", "3", "24"}, "OPP",
                                                           {"3", "0", "10", "7", "20"}));
}

TEST(PageQuarters, EmptyFieldGivesEmptyCell) {
  Row q = quarterRow();
  q[0] = Value{};
  FilledTmp t({.header = {headerRow("Eagles", "Hawks", 2007, 1, true)}, .quarter = {q}});
  EXPECT_EQ(quarterOf(t), crlf(kQuarterHead) + quarterRows("Eagles", {"7", "14", "0", "3", "24"}, "Hawks",
                                                           {"", "0", "10", "7", "20"}));
}

TEST(PageQuarters, NoQuarterRowGivesZeros) {
  const std::vector<std::string> zeros(5, "0");
  FilledTmp one({.header = {headerRow("Eagles", "Hawks", 2007, 1, true)}});
  EXPECT_EQ(quarterOf(one), crlf(kQuarterHead) + quarterRows("Eagles", zeros, "OPP", zeros));
  FilledTmp none({});
  EXPECT_EQ(quarterOf(none), crlf(kQuarterHead) + quarterRows("OWN", zeros, "OPP", zeros));
}

namespace {

const char* kStatsHead = R"(              <table width="990" align="center" class="table_all">
                <tr>
                  <td colspan="3" bgcolor="#FFFFFF" class="all_headline"><div align="left">TEAM STATISTICS</div></td>
                </tr>
                <tr>
                  <td width="331" bgcolor="#FFFFFF" class="bg_table_sab"> CATEGORY</strong> </td>
)";

struct StatLine {
  const char* label;
  std::string own, opp;
  int closing;
};

std::string statsExpected(const std::string& team, const std::vector<StatLine>& rows) {
  std::string s = kStatsHead;
  s += "                  <td width=\"321\" bgcolor=\"#FFFFFF\" class=\"bg_table_sab\">" + team + "</td>\n";
  s += "                  <td width=\"322\" bgcolor=\"#FFFFFF\" class=\"bg_table_sab\">OPP</td>\n";
  s += "                  </tr>\n";
  for (const auto& r : rows) {
    s += "                <tr>\n";
    s += std::string("                  <td bgcolor=\"#FFFFFF\" class=\"text_all\">") + r.label + "</td>\n";
    s += "                  <td bgcolor=\"#FFFFFF\" class=\"number_all\">" + r.own + "</td>\n";
    s += "                  <td bgcolor=\"#FFFFFF\" class=\"number_all\">" + r.opp + "</td>\n";
    s += std::string(static_cast<size_t>(r.closing), ' ') + "</tr>\n";
  }
  return crlf(s + "              </table><br>\n");
}

std::string statsOf(FilledTmp& t) {
  PageText p;
  page::teamStatsTable(p, t.facts, t.sets->teamStats, t.sets->quarter);
  return p.take();
}

// Opp fields 1-10 then own fields 11-20: FirstDowns, Rushing, Passing, PassingYrds, TotalOffense,
// FumblesLost, Penalties, Punts, Plays, PuntReturns.
Row statsRow(double offenseOpp, double offenseOwn) {
  return {11, 120, 6, 85, offenseOpp, 2, 5, 4, 50, 3, 12.5, 13.5, 7, 99, offenseOwn, 1, Value{}, 6, 61, "2 yds"};
}

Row quarterTotals(double opp, double own) { return {0, 0, 0, 0, 0, 0, 0, 0, opp, own}; }

}  // namespace

TEST(PageTeamStats, OneGameHasNoPerGameRows) {
  FilledTmp t({.header = {headerRow("Eagles", "Hawks", 2007, 1, true)},
         .quarter = {quarterTotals(5, 7)},
         .teamStats = {statsRow(303, 301)}});
  // Whole numbers: 12.5 gives 12, 13.5 gives 14 (halves to even); an empty field 0; "2 yds" 2.
  EXPECT_EQ(statsOf(t), statsExpected("Eagles", {{" First Downs", "12", "11", 18},
                                                 {"Rushing", "14", "120", 18},
                                                 {"Passing ", "7", "6", 16},
                                                 {"Passing Yds", "99", "85", 16},
                                                 {"Total Offense", "301", "303", 16},
                                                 {"Fumbles Lost", "1", "2", 16},
                                                 {"Penalties", "0", "5", 16},
                                                 {"Punts", "6", "4", 16},
                                                 {"Plays", "61", "50", 16},
                                                 {"Punt Returns", "2", "3", 16}}));
}

TEST(PageTeamStats, ManyGamesAddPerGameRows) {
  // 301 / 2 = 150.5 gives 150 and 303 / 2 = 151.5 gives 152; points 7 / 2 gives 4 and 5 / 2 gives 2.
  FilledTmp t({.header = {headerRow("Eagles", "Hawks", 2007, 1, true), headerRow("Eagles", "Owls", 2007, 2, false)},
         .quarter = {quarterTotals(5, 7)},
         .teamStats = {statsRow(303, 301)}});
  EXPECT_EQ(statsOf(t), statsExpected("Eagles", {{" First Downs", "12", "11", 18},
                                                 {"Rushing", "14", "120", 18},
                                                 {"Passing ", "7", "6", 16},
                                                 {"Passing Yds", "99", "85", 16},
                                                 {"Total Offense", "301", "303", 16},
                                                 {"Fumbles Lost", "1", "2", 16},
                                                 {"Off/avg/game", "150", "152", 16},
                                                 {"Penalties", "0", "5", 16},
                                                 {"Punts", "6", "4", 16},
                                                 {"Plays", "61", "50", 16},
                                                 {"Avg Points", "4", "2", 16},
                                                 {"Punt Returns", "2", "3", 16}}));
}

TEST(PageTeamStats, PointsPerGameOverThreeGames) {
  FilledTmp t({.header = {headerRow("E", "A", 2007, 1, true), headerRow("E", "B", 2007, 2, true),
                    headerRow("E", "C", 2007, 3, true)},
         .quarter = {quarterTotals(0, 17)}});
  const std::string s = statsOf(t);
  // 17 / 3 = 5.67 gives 6.
  EXPECT_NE(s.find(crlf(R"(<td bgcolor="#FFFFFF" class="text_all">Avg Points</td>
                  <td bgcolor="#FFFFFF" class="number_all">6</td>
                  <td bgcolor="#FFFFFF" class="number_all">0</td>
)")),
            std::string::npos);
}

TEST(PageTeamStats, NothingStoredGivesZeros) {
  FilledTmp t({});
  const std::string z = "0";
  EXPECT_EQ(statsOf(t), statsExpected("OWN", {{" First Downs", z, z, 18},
                                              {"Rushing", z, z, 18},
                                              {"Passing ", z, z, 16},
                                              {"Passing Yds", z, z, 16},
                                              {"Total Offense", z, z, 16},
                                              {"Fumbles Lost", z, z, 16},
                                              {"Off/avg/game", z, z, 16},
                                              {"Penalties", z, z, 16},
                                              {"Punts", z, z, 16},
                                              {"Plays", z, z, 16},
                                              {"Avg Points", z, z, 16},
                                              {"Punt Returns", z, z, 16}}));
}
