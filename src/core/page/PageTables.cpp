// The four individual offence tables.
#include <array>
#include <functional>
#include <vector>

#include "core/page/PageBlocks.h"

namespace yardmark::page {

namespace {

constexpr std::string_view kTextCell = "<td bgcolor=\"#FFFFFF\" class=\"text_all\">";
constexpr std::string_view kNumberCell = "<td bgcolor=\"#FFFFFF\" class=\"number_all\">";

struct TableLayout {
  std::string_view title;
  std::vector<std::string_view> headings;
  int rowClose;  // blanks before the "</tr>" of the heading row and of every body row
};

void tableHead(PageText& page, const TableLayout& t) {
  page.line(14, R"(<table width="990" align="center" class="table_all">)");
  page.line(16, "<tr>");
  page.line(18, t.title);
  page.line(16, "</tr>");
  page.line(16, "<tr>");
  for (auto h : t.headings) page.line(18, h);
  page.line(t.rowClose, "</tr>");
}

// One body row per player row, in stored order; `cells` writes the cells after the name.
void tableBody(PageText& page, Recordset& rs, int rowClose, const std::function<void()>& cells) {
  if (!toFirst(rs)) return;
  do {
    page.line(16, "<tr>");
    page.line(18, kTextCell, fieldText(fieldOf(rs, "indPlayerName")), "</td>");
    cells();
    page.line(rowClose, "</tr>");
  } while (toNext(rs));
}

void numberCell(PageText& page, const std::string& value) { page.line(18, kNumberCell, value, "</td>"); }
void fieldCell(PageText& page, Recordset& rs, std::string_view name) { numberCell(page, fieldText(fieldOf(rs, name))); }

// Rushing and receiving: a count, yards, yards per count, then two more figures.
void averagedTable(PageText& page, Recordset& rs, const TableLayout& t, const std::array<const char*, 4>& fields) {
  tableHead(page, t);
  tableBody(page, rs, t.rowClose, [&] {
    const std::string avg = quotientText(fieldOf(rs, fields[1]), fieldOf(rs, fields[0]));
    fieldCell(page, rs, fields[0]);
    fieldCell(page, rs, fields[1]);
    numberCell(page, avg);
    fieldCell(page, rs, fields[2]);
    fieldCell(page, rs, fields[3]);
  });
  page.line(14, "</table><br>");
}

}  // namespace

void rushingTable(PageText& page, Recordset& rushing) {
  const TableLayout t{
      R"(<td colspan="6" bgcolor="#FFFFFF" class="all_headline"><div align="left">INDIVIDUAL RUSHING </div></td>)",
      {R"(<td width="173" bgcolor="#FFFFFF" class="bg_table_sab">PLAYER NAME </td>)",
       R"(<td width="153" bgcolor="#FFFFFF" class="bg_table_sab">ATT </td>)",
       R"(<td width="154" bgcolor="#FFFFFF" class="bg_table_sab">YDS </td>)",
       R"(<td width="154" bgcolor="#FFFFFF" class="bg_table_sab">AVG</td>)",
       R"(<td width="154" bgcolor="#FFFFFF" class="bg_table_sab">TDS</td>)",
       R"(<td width="174" bgcolor="#FFFFFF" class="bg_table_sab">2PTS</td>)"},
      16};
  averagedTable(page, rushing, t, {"indRushATT", "indRushYDS", "indRushTDS", "indRush2PTS"});
}

void passingTable(PageText& page, Recordset& passing) {
  const TableLayout t{
      R"(<td colspan="7" bgcolor="#FFFFFF" class="all_headline"><div align="left">INDIVIDUAL PASSING</div></td>)",
      {R"(<td width="153" bgcolor="#FFFFFF" class="bg_table_sab">PLAYER NAME </td>)",
       R"(<td width="134" bgcolor="#FFFFFF" class="bg_table_sab">COMP </td>)",
       R"(<td width="124" bgcolor="#FFFFFF" class="bg_table_sab">ATT</td>)",
       R"(<td width="124" bgcolor="#FFFFFF" class="bg_table_sab">AVG</td>)",
       R"(<td width="124" bgcolor="#FFFFFF" class="bg_table_sab">YDS</td>)",
       R"(<td width="125" bgcolor="#FFFFFF" class="bg_table_sab">TDS</td>)",
       R"(<td width="174" bgcolor="#FFFFFF" class="bg_table_sab">INT</td>)"},
      16};
  tableHead(page, t);
  tableBody(page, passing, t.rowClose, [&] {
    // The AVG column holds the completion percentage.
    const std::string pct = percentText(fieldOf(passing, "indPassCOMP"), fieldOf(passing, "indPassATT"));
    fieldCell(page, passing, "indPassCOMP");
    fieldCell(page, passing, "indPassATT");
    page.line(18, kNumberCell, pct, "%</td>");
    fieldCell(page, passing, "indPassYDS");
    fieldCell(page, passing, "indPassTDS");
    fieldCell(page, passing, "indPassINT");
  });
  page.line(14, "</table><br>");
}

void receivingTable(PageText& page, Recordset& receiving) {
  const TableLayout t{
      R"(<td colspan="6" bgcolor="#FFFFFF" class="all_headline"><div align="left">INDIVIDUAL RECEIVING</div></td>)",
      {R"(<td width="173" bgcolor="#FFFFFF" class="bg_table_sab">PLAYER NAME </td>)",
       R"(<td width="153" bgcolor="#FFFFFF" class="bg_table_sab">REC </td>)",
       R"(<td width="154" bgcolor="#FFFFFF" class="bg_table_sab">YDS</td>)",
       R"(<td width="154" bgcolor="#FFFFFF" class="bg_table_sab">AVG</td>)",
       R"(<td width="154" bgcolor="#FFFFFF" class="bg_table_sab">TDS</td>)",
       R"(<td width="174" bgcolor="#FFFFFF" class="bg_table_sab">2PTS</td>)"},
      18};
  averagedTable(page, receiving, t, {"indRecREC", "indRecYDS", "indRecTDS", "indRec2PTS"});
}

void scoringTable(PageText& page, Recordset& scoring) {
  const TableLayout t{
      R"(<td colspan="6" bgcolor="#FFFFFF" class="all_headline"><div align="left">INDIVIDUAL SCORING</div></td>)",
      {R"(<td width="173" bgcolor="#FFFFFF" class="bg_table_sab">PLAYER NAME </td>)",
       R"(<td width="143" bgcolor="#FFFFFF" class="bg_table_sab">TD</td>)",
       R"(<td width="154" bgcolor="#FFFFFF" class="bg_table_sab">PAT</td>)",
       R"(<td width="154" bgcolor="#FFFFFF" class="bg_table_sab">2PTS</td>)",
       R"(<td width="144" bgcolor="#FFFFFF" class="bg_table_sab">FG</td>)",
       R"(<td width="194" bgcolor="#FFFFFF" class="bg_table_sab">PTS</td>)"},
      16};
  tableHead(page, t);
  tableBody(page, scoring, t.rowClose, [&] {
    for (auto name : {"indScoreTD", "indScorePAT", "indScore2PTS", "indScoreFG", "indScorePTS"})
      fieldCell(page, scoring, name);
  });
  page.line(14, "</table>");
  page.line(14, "<br>");
}

}  // namespace yardmark::page
