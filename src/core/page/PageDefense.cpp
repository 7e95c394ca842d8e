// The defensive block (headline, second record box, allowed per game, individual defence)
// and the closing lines of the page.
#include "core/page/PageBlocks.h"

namespace yardmark::page {

void defensiveHeadline(PageText& page) {
  page.lines({
      {14, R"(<table width="100%"  border="0" cellspacing="0" cellpadding="0">)"},
      {16, "<tr>"},
      {18, R"(<td valign="top"><div align="left">)"},
      {22, R"(<table width="100%"  border="0" cellpadding="0" cellspacing="0" class="all_headline">)"},
      {24, "<tr>"},
      {26, R"(<td width="1%">&nbsp;</td>)"},
      {26, R"(<td width="14%">&nbsp;</td>)"},
      {26, R"(<td width="7%">&nbsp;</td>)"},
      {26, R"(<td width="68%"><div align="center" class="all_headline">)"},
      {30, R"(<div align="center">DEFENSIVE TEAM STATS </div>)"},
      {26, "</div></td>"},
      {26, R"(<td width="10%"></td>)"},
      {24, "</tr>"},
      {22, "</table>"},
      {18, "</div></td>"},
      {16, "</tr>"},
  });
}

void defensiveRecordBox(PageText& page, const Facts& facts) {
  page.lines({
      {16, "<tr>"},
      {18, R"(<td><table width="106"  border="0" align="left" cellpadding="0" cellspacing="1" bgcolor="#4A4A4A">)"},
  });
  recordRows(page, facts);
  page.lines({
      {12, "</table><hr></td>"},
      {16, "</tr>"},
  });
}

void allowedPerGame(PageText& page, const Facts& facts, const GameRow* teamStats, const GameRow* quarter) {
  const bool oneGame = facts.games == 1;
  const Value offense = fieldAt(teamStats, col::teamStats::kTotalOffenseOpp);
  const Value points = fieldAt(quarter, col::quarter::kTotalOpp);
  constexpr std::string_view valueCell = R"(<td width="247" bgcolor="#FFFFFF" class="number_all">)";
  page.lines({
      {16, "<tr>"},
      {18, R"(<td height="261" valign="top"><br>)"},
      {22, R"(<table width="100%">)"},
      {24, "<tr>"},
      {26, R"(<td><table width="373" align="left" class="table_all">)"},
      {30, "<tr>"},
  });
  page.line(
      32,
      oneGame
          ? R"(<td width="114" bgcolor="#FFFFFF" class="bg_table_sab"><div align="left">Total Offense </div></td>)"
          : R"(<td width="114" bgcolor="#FFFFFF" class="bg_table_sab"><div align="left">Average Offense </div></td>)");
  page.line(32, valueCell, quotientText(offense, facts.games), "</td>");
  page.line(30, "</tr>");
  page.line(30, "<tr>");
  page.line(32, oneGame ? R"(<td bgcolor="#FFFFFF" class="bg_table_sab"><div align="left">Total Points</div></td>)"
                        : R"(<td bgcolor="#FFFFFF" class="bg_table_sab"><div align="left">Average Points</div></td>)");
  page.line(32, valueCell, quotientText(points, facts.games), "</td>");
  page.lines({
      {30, "</tr>"},
      {26, "</table></td>"},
      {24, "</tr>"},
  });
}

void defenseTable(PageText& page, const std::vector<GameRow>& defense) {
  page.lines({
      {24, "<tr>"},
      {26, "<td><br>"},
      {30, R"(<table width="100%" align="left" class="table_all">)"},
      {32, "<tr>"},
      {34, R"(<td width="120" bgcolor="#FFFFFF" class="bg_table_sab"> PLAYER NAME </td>)"},
      {34, R"(<td  bgcolor="#FFFFFF" class="bg_table_sab" > Tackles<BR>Unassisted</td>)"},
      {34, R"(<td  bgcolor="#FFFFFF" class="bg_table_sab" > Tackles<BR>Assisted</td>)"},
      {34, R"(<td  bgcolor="#FFFFFF" class="bg_table_sab">QB<BR>Sacks</td>)"},
      {34, R"(<td width="81" bgcolor="#FFFFFF" class="bg_table_sab">QB Deflects</td>)"},
      {34, R"(<td width="139" bgcolor="#FFFFFF" class="bg_table_sab">TOTAL Tackles</td>)"},
      {34, R"(<td width="90" bgcolor="#FFFFFF" class="bg_table_sab">Fumble Recoveries</td>)"},
      {34, R"(<td width="90" bgcolor="#FFFFFF" class="bg_table_sab">Fumbles Caused</td>)"},
      {34, R"(<td width="31" bgcolor="#FFFFFF" class="bg_table_sab">INTS</td>)"},
      {34, R"(<td width="109" bgcolor="#FFFFFF" class="bg_table_sab">Blocked</td>)"},
      {32, "</tr>"},
  });
  namespace d = col::defense;
  constexpr std::string_view plain = R"(<td bgcolor="#FFFFFF" class="number_all">)";
  for (const GameRow& row : defense) {
    const auto cell = [&](std::string_view opening, const std::string& value) {
      page.line(34, opening, value, "</td>");
    };
    const auto field = [&](int column) { return fieldText(row.at(column)); };
    const std::string total = tackleSumText(row.at(d::kUnassisted), row.at(d::kAssists), row.at(d::kQBSacks));
    page.line(32, "<tr>");
    cell(R"(<td bgcolor="#FFFFFF" class="text_all">)", field(d::kPlayerName));
    cell(R"(<td width="41" bgcolor="#FFFFFF" class="number_all">)", field(d::kUnassisted));
    cell(R"(<td width="66" bgcolor="#FFFFFF" class="number_all">)", field(d::kAssists));
    cell(R"(<td width="32" bgcolor="#FFFFFF" class="number_all">)", field(d::kQBSacks));
    cell(plain, field(d::kPassDeflects));
    cell(R"(<td width="61" bgcolor="#FFFFFF" class="number_all">)", total);
    cell(plain, field(d::kFumbleRecoveries));
    cell(plain, field(d::kFumblesCaused));
    cell(plain, field(d::kInts));
    cell(plain, field(d::kBlockedKicks));
    page.line(32, "</tr>");
  }
}

void closingLines(PageText& page) {
  page.lines({
      {28, "</table>"},
      {30, "<br></td>"},
      {24, "</tr>"},
      {20, "</table></td>"},
      {16, "</tr>"},
      {14, "</table></td>"},
      {10, "</tr>"},
      {10, "<tr>"},
      {12, R"(<td class="footer">&nbsp;</td>)"},
      {10, "</tr>"},
      {8, "</table></td>"},
      {6, "</tr>"},
      {4, "</table></td>"},
      {2, "</tr></table>"},
      {0, "</body>"},
      {0, "</html>"},
  });
}

}  // namespace yardmark::page
