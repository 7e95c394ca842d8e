// The first part of the page: head, title, games headline, record box, quarters, team statistics.
#include <algorithm>
#include <array>

#include "core/games/Game.h"
#include "core/page/PageBlocks.h"

namespace yardmark::page {

namespace {

constexpr std::string_view kTextCell = "<td bgcolor=\"#FFFFFF\" class=\"text_all\">";
constexpr std::string_view kNumberCell = "<td bgcolor=\"#FFFFFF\" class=\"number_all\">";

// The page's own label of each team statistic, and the blanks before its row's "</tr>".
struct PageStatRow {
  int own;  // the statistic's own-team column
  std::string_view label;
  int closing;
};
namespace ts = col::teamStats;
constexpr std::array<PageStatRow, kTeamStatistics.size()> kPageStatRows{{
    {ts::kFirstDownsOwn, " First Downs", 18},
    {ts::kRushingOwn, "Rushing", 18},
    {ts::kPassingOwn, "Passing ", 16},
    {ts::kPassingYrdsOwn, "Passing Yds", 16},
    {ts::kTotalOffenseOwn, "Total Offense", 16},
    {ts::kFumblesLostOwn, "Fumbles Lost", 16},
    {ts::kPenaltiesOwn, "Penalties", 16},
    {ts::kPuntsOwn, "Punts", 16},
    {ts::kPlaysOwn, "Plays", 16},
    {ts::kPuntReturnsOwn, "Punt Returns", 16},
}};

const PageStatRow& pageLabel(const TeamStatistic& s) {
  return *std::find_if(kPageStatRows.begin(), kPageStatRows.end(),
                       [&](const PageStatRow& r) { return r.own == s.own; });
}

}  // namespace

Facts factsOf(const ReportSeason& season) {
  Facts f;
  f.games = season.games;
  f.wins = season.wins;
  f.losses = season.losses;
  const GameRow* first = season.firstGame();
  if (!first) return f;
  f.team = fieldText(first->at(col::header::kOwnTeamName));
  f.year = fieldText(first->at(col::header::kYear));
  if (f.games == 1) f.oppTeam = fieldText(first->at(col::header::kOppTeamName));
  return f;
}

void documentHead(PageText& page, const Facts& facts) {
  htmlPrologue(page);
  page.lines({
      {0, "<title>TOTAL TEAM STATS</title>"},
      {0, R"(<style type="text/css">)"},
      {0, "<!--"},
      {0, R"(@import url("css/css.css");)"},
      {0, "body {"},
      {4, "margin-left: 0px;"},
      {4, "margin-top: 0px;"},
      {4, "margin-right: 0px;"},
      {4, "margin-bottom: 0px;"},
      {0, "}"},
      {0, "a:link {"},
      {4, "text-decoration: none;"},
      {0, "}"},
      {0, "a:visited {"},
      {4, "text-decoration: none;"},
      {0, "}"},
      {0, "a:hover {"},
      {4, "text-decoration: underline;"},
      {0, "}"},
      {0, "a:active {"},
      {4, "text-decoration: none;"},
      {0, "}"},
      {0, "-->"},
      {0, "</style>"},
      {0, "</head>"},
      {0, ""},
      {0, "<body>"},
      {0, R"(<table width="100%"  border="0" cellpadding="0" cellspacing="0">)"},
      {2, "<tr>"},
  });
  // Without any game there is no year to show: the title line is left out.
  if (facts.games > 0)
    page.line(4, R"(<td class="head_title">)", facts.team + "&nbsp;" + facts.year, "   Football Stats </td>");
  page.lines({
      {2, "</tr>"},
      {2, "<tr>"},
      {4, R"(<td class="header_line">&nbsp; </td>)"},
      {2, "</tr>"},
      {2, "<tr>"},
      {4,
       R"(<td bgcolor="#FFFFFF"><table width="100%"  border="0" cellpadding="0" cellspacing="1" bgcolor="#6B9A6D">)"},
      {6, "<tr>"},
      {8, R"(<td valign="top" bgcolor="#FFFFFF"><table width="100%"  border="0" cellspacing="0" cellpadding="0">)"},
      {10, "<tr>"},
      {12, R"(<td valign="top">)"},
      {14, ""},
      {16, R"(<div align="left">                  )"},
  });
}

void gamesHeadline(PageText& page, const Facts& facts) {
  page.lines({
      {18, R"(<table width="100%"  border="0" cellpadding="0" cellspacing="0" class="all_headline">)"},
      {20, "<tr>"},
      {22, R"(<td width="1%">&nbsp;</td>)"},
      {22, R"(<td width="14%">GAMES PLAYED:</td>)"},
  });
  page.line(22, R"(<td width="7%">)", std::to_string(facts.games), "</td>");
  page.lines({
      {22, R"(<td width="68%">     <div align="center" class="all_headline">)"},
      {24, R"(<div align="center">TOTAL TEAM STATS </div>)"},
      {22, "</div></td>"},
      {22, R"(<td width="10%" ></td>)"},
      {20, "</tr>"},
      {18, "</table>        "},
      {18, "</div></td></tr>"},
  });
}

// The RECORD, WINS and LOSSES rows and the box's closing lines; both record boxes share them.
void recordRows(PageText& page, const Facts& facts) {
  page.lines({
      {18, "<tr>"},
      {20,
       R"(<td colspan="3" class="top_menu" ><div align="left" class="bg_table_sab"><strong>RECORD </strong></div></td>)"},
      {18, "</tr>"},
      {18, R"(<tr bgcolor="#FFFFFF" class="text_all">)"},
      {20, R"(<td width="55"><strong> WINS:</strong> </td>)"},
  });
  page.line(20, R"(<td width="48" ><div align="center">)", std::to_string(facts.wins), "</div></td>");
  page.lines({
      {18, "</tr>"},
      {18, R"(<tr bgcolor="#FFFFFF" class="text_all">)"},
      {20, "<td><strong>LOSSES:</strong></td>"},
  });
  page.line(20, R"(<td ><div align="center">)", std::to_string(facts.losses), "</div></td>");
  page.lines({
      {18, "</tr>"},
      {16, "</table></td>"},
      {16, "</tr>"},
  });
}

void recordBox(PageText& page, const Facts& facts) {
  page.lines({
      {10, "<tr>"},
      {12, "<td><table>"},
      {14, "<tr>"},
      {16,
       R"(<td width="121"><table width="106"  border="0" align="left" cellpadding="0" cellspacing="1" bgcolor="#4A4A4A">)"},
  });
  recordRows(page, facts);
  page.lines({
      {12, "</table><hr>"},
      {14, "</td>"},
      {10, "</tr>"},
  });
}

void quarterTable(PageText& page, const Facts& facts, const GameRow* quarter) {
  page.lines({
      {10, "<tr>"},
      {12, R"(<td height="300" valign="top">   <br>           )"},
      {14, R"(<table width="990" align="center" class="table_all">)"},
      {16, "<tr>"},
      {18,
       R"(<td colspan="6" bgcolor="#FFFFFF" class="all_headline"><div align="left" class="all_headline">BY QUARTER</div></td>)"},
      {18, "</tr>"},
      {16, "<tr>"},
      {18, R"(<td width="183" bgcolor="#FFFFFF" class="bg_table_sab">TEAM </td>)"},
      {18, R"(<td width="143" bgcolor="#FFFFFF" class="bg_table_sab">1</td>)"},
      {18, R"(<td width="144" bgcolor="#FFFFFF" class="bg_table_sab">2</td>)"},
      {18, R"(<td width="144" bgcolor="#FFFFFF" class="bg_table_sab">3</td>)"},
      {18, R"(<td width="144" bgcolor="#FFFFFF" class="bg_table_sab">4</td>)"},
      {18, R"(<td width="204" bgcolor="#FFFFFF" class="bg_table_sab">Total Points</td>)"},
      {16, "</tr>"},
  });
  namespace q = col::quarter;
  const auto numbers = [&](std::initializer_list<int> columns) {
    for (int c : columns) page.line(18, kNumberCell, quarter ? fieldText(quarter->at(c)) : "0", "</td>");
  };
  page.line(16, "<tr>");
  page.line(18, kTextCell, facts.team, "</td>");
  numbers({q::kQuarter1Own, q::kQuarter2Own, q::kQuarter3Own, q::kQuarter4Own, q::kTotalOwn});
  page.line(16, "</tr>");
  page.line(16, "<tr>");
  page.line(18, kTextCell, quarter && facts.games == 1 ? facts.oppTeam : "OPP", "</td>");
  numbers({q::kQuarter1Opp, q::kQuarter2Opp, q::kQuarter3Opp, q::kQuarter4Opp, q::kTotalOpp});
  page.line(16, "</tr>");
  page.line(14, "</table><br>");
}

void teamStatsTable(PageText& page, const Facts& facts, const GameRow* teamStats, const GameRow* quarter) {
  page.lines({
      {14, R"(<table width="990" align="center" class="table_all">)"},
      {16, "<tr>"},
      {18, R"(<td colspan="3" bgcolor="#FFFFFF" class="all_headline"><div align="left">TEAM STATISTICS</div></td>)"},
      {16, "</tr>"},
      {16, "<tr>"},
      {18, R"(<td width="331" bgcolor="#FFFFFF" class="bg_table_sab"> CATEGORY</strong> </td>)"},
  });
  page.line(18, R"(<td width="321" bgcolor="#FFFFFF" class="bg_table_sab">)", facts.team, "</td>");
  page.line(18, R"(<td width="322" bgcolor="#FFFFFF" class="bg_table_sab">OPP</td>)");
  page.line(18, "</tr>");

  const auto row = [&](std::string_view label, const std::string& own, const std::string& opp, int closing) {
    page.line(16, "<tr>");
    page.line(18, kTextCell, label, "</td>");
    page.line(18, kNumberCell, own, "</td>");
    page.line(18, kNumberCell, opp, "</td>");
    page.line(closing, "</tr>");
  };
  // The per-game rows stand only in a report over other than exactly one game.
  const bool perGame = facts.games != 1;
  for (const TeamStatistic& s : kTeamStatistics) {
    const PageStatRow& label = pageLabel(s);
    row(label.label, wholeOf(fieldAt(teamStats, s.own)), wholeOf(fieldAt(teamStats, s.opp)), label.closing);
    if (!perGame) continue;
    if (s.own == ts::kFumblesLostOwn) {
      row("Off/avg/game", quotientText(fieldAt(teamStats, ts::kTotalOffenseOwn), facts.games),
          quotientText(fieldAt(teamStats, ts::kTotalOffenseOpp), facts.games), 16);
    } else if (s.own == ts::kPlaysOwn) {
      row("Avg Points", quotientText(fieldAt(quarter, col::quarter::kTotalOwn), facts.games),
          quotientText(fieldAt(quarter, col::quarter::kTotalOpp), facts.games), 16);
    }
  }
  page.line(14, "</table><br>");
}

}  // namespace yardmark::page
