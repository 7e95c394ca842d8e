// The first part of the page: head, title, games headline, record box, quarters, team statistics.
#include "core/games/Game.h"
#include "core/page/PageBlocks.h"

namespace yardmark::page {

namespace {

constexpr std::string_view kTextCell = "<td bgcolor=\"#FFFFFF\" class=\"text_all\">";
constexpr std::string_view kNumberCell = "<td bgcolor=\"#FFFFFF\" class=\"number_all\">";

}  // namespace

bool toFirst(Recordset& rs) {
  try {
    if (!rs.isOpen() || rs.recordCount() == 0) return false;
    rs.moveFirst();
    return true;
  } catch (const DbError&) {
    return false;
  }
}

bool toNext(Recordset& rs) {
  try {
    rs.moveNext();
    return !rs.isEOF();
  } catch (const DbError&) {
    return false;
  }
}

Facts recordPass(Recordset& header) {
  Facts f;
  if (!toFirst(header)) return f;
  do {
    ++f.games;
    Value won;
    try {
      won = header.field(5);  // RecordWins
    } catch (const DbError&) {
    }
    ++(resultNotWonIsLost(won) == GameResult::Won ? f.wins : f.losses);
  } while (toNext(header));
  toFirst(header);
  f.team = fieldText(fieldOf(header, "OwnTeamName"));
  f.year = fieldText(fieldOf(header, "Year"));
  if (f.games == 1) f.oppTeam = fieldText(fieldOf(header, "OppTeamName"));
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

void quarterTable(PageText& page, const Facts& facts, Recordset& quarter) {
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
  const bool hasRow = toFirst(quarter);
  const auto numbers = [&](std::initializer_list<std::string_view> names) {
    for (auto name : names) page.line(18, kNumberCell, hasRow ? fieldText(fieldOf(quarter, name)) : "0", "</td>");
  };
  page.line(16, "<tr>");
  page.line(18, kTextCell, facts.team, "</td>");
  numbers({"Quarter1Own", "Quarter2Own", "Quarter3Own", "Quarter4Own", "QuarterTotalOwn"});
  page.line(16, "</tr>");
  page.line(16, "<tr>");
  page.line(18, kTextCell, hasRow && facts.games == 1 ? facts.oppTeam : "OPP", "</td>");
  numbers({"Quarter1Opp", "Quarter2Opp", "Quarter3Opp", "Quarter4Opp", "QuarterTotalOpp"});
  page.line(16, "</tr>");
  page.line(14, "</table><br>");
}

void teamStatsTable(PageText& page, const Facts& facts, Recordset& teamStats, Recordset& quarter) {
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

  const bool hasStats = toFirst(teamStats);
  const bool hasQuarter = toFirst(quarter);
  const auto stat = [&](std::string_view name) { return hasStats ? fieldOf(teamStats, name) : Value{}; };
  const auto row = [&](std::string_view label, const std::string& own, const std::string& opp, int closing) {
    page.line(16, "<tr>");
    page.line(18, kTextCell, label, "</td>");
    page.line(18, kNumberCell, own, "</td>");
    page.line(18, kNumberCell, opp, "</td>");
    page.line(closing, "</tr>");
  };
  const auto statRow = [&](std::string_view label, std::string_view field, int closing) {
    const std::string f(field);
    row(label, wholeOf(stat(f + "Own")), wholeOf(stat(f + "Opp")), closing);
  };
  // The per-game rows stand only in a report over other than exactly one game.
  const bool perGame = facts.games != 1;
  statRow(" First Downs", "teamStatsFirstDowns", 18);
  statRow("Rushing", "teamStatsRushing", 18);
  statRow("Passing ", "teamStatsPassing", 16);
  statRow("Passing Yds", "teamStatsPassingYrds", 16);
  statRow("Total Offense", "teamStatsTotalOffense", 16);
  statRow("Fumbles Lost", "teamStatsFumblesLost", 16);
  if (perGame)
    row("Off/avg/game", quotientText(stat("teamStatsTotalOffenseOwn"), facts.games),
        quotientText(stat("teamStatsTotalOffenseOpp"), facts.games), 16);
  statRow("Penalties", "teamStatsPenalties", 16);
  statRow("Punts", "teamStatsPunts", 16);
  statRow("Plays", "teamStatsPlays", 16);
  if (perGame) {
    const auto points = [&](std::string_view name) { return hasQuarter ? fieldOf(quarter, name) : Value{}; };
    row("Avg Points", quotientText(points("QuarterTotalOwn"), facts.games),
        quotientText(points("QuarterTotalOpp"), facts.games), 16);
  }
  statRow("Punt Returns", "teamStatsPuntReturns", 16);
  page.line(14, "</table><br>");
}

}  // namespace yardmark::page
