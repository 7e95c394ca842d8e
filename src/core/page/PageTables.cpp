// The four individual offence tables.
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
void tableBody(PageText& page, GameTable table, const std::vector<GameRow>& rows, int rowClose,
               const std::function<void(const GameRow&)>& cells) {
  for (const GameRow& row : rows) {
    page.line(16, "<tr>");
    page.line(18, kTextCell, fieldText(row.at(playerNameColumn(table))), "</td>");
    cells(row);
    page.line(rowClose, "</tr>");
  }
}

void numberCell(PageText& page, const std::string& value) { page.line(18, kNumberCell, value, "</td>"); }
void fieldCell(PageText& page, const GameRow& row, int column) { numberCell(page, fieldText(row.at(column))); }

// Rushing and receiving: a count, yards, yards per count, touchdowns and two-point conversions.
struct AveragedColumns {
  int count, yards, tds, twoPts;
};

void averagedTable(PageText& page, GameTable table, const std::vector<GameRow>& rows, const TableLayout& t,
                   const AveragedColumns& c) {
  tableHead(page, t);
  tableBody(page, table, rows, t.rowClose, [&](const GameRow& row) {
    const std::string avg = quotientText(row.at(c.yards), row.at(c.count));
    fieldCell(page, row, c.count);
    fieldCell(page, row, c.yards);
    numberCell(page, avg);
    fieldCell(page, row, c.tds);
    fieldCell(page, row, c.twoPts);
  });
  page.line(14, "</table><br>");
}

}  // namespace

void rushingTable(PageText& page, const std::vector<GameRow>& rushing) {
  const TableLayout t{
      R"(<td colspan="6" bgcolor="#FFFFFF" class="all_headline"><div align="left">INDIVIDUAL RUSHING </div></td>)",
      {R"(<td width="173" bgcolor="#FFFFFF" class="bg_table_sab">PLAYER NAME </td>)",
       R"(<td width="153" bgcolor="#FFFFFF" class="bg_table_sab">ATT </td>)",
       R"(<td width="154" bgcolor="#FFFFFF" class="bg_table_sab">YDS </td>)",
       R"(<td width="154" bgcolor="#FFFFFF" class="bg_table_sab">AVG</td>)",
       R"(<td width="154" bgcolor="#FFFFFF" class="bg_table_sab">TDS</td>)",
       R"(<td width="174" bgcolor="#FFFFFF" class="bg_table_sab">2PTS</td>)"},
      16};
  namespace r = col::rushing;
  averagedTable(page, kRushing, rushing, t, {r::kAtt, r::kYds, r::kTds, r::k2Pts});
}

void passingTable(PageText& page, const std::vector<GameRow>& passing) {
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
  namespace p = col::passing;
  tableBody(page, kPassing, passing, t.rowClose, [&](const GameRow& row) {
    // The AVG column holds the completion percentage.
    const std::string pct = percentText(row.at(p::kComp), row.at(p::kAtt));
    fieldCell(page, row, p::kComp);
    fieldCell(page, row, p::kAtt);
    page.line(18, kNumberCell, pct, "%</td>");
    fieldCell(page, row, p::kYds);
    fieldCell(page, row, p::kTds);
    fieldCell(page, row, p::kInt);
  });
  page.line(14, "</table><br>");
}

void receivingTable(PageText& page, const std::vector<GameRow>& receiving) {
  const TableLayout t{
      R"(<td colspan="6" bgcolor="#FFFFFF" class="all_headline"><div align="left">INDIVIDUAL RECEIVING</div></td>)",
      {R"(<td width="173" bgcolor="#FFFFFF" class="bg_table_sab">PLAYER NAME </td>)",
       R"(<td width="153" bgcolor="#FFFFFF" class="bg_table_sab">REC </td>)",
       R"(<td width="154" bgcolor="#FFFFFF" class="bg_table_sab">YDS</td>)",
       R"(<td width="154" bgcolor="#FFFFFF" class="bg_table_sab">AVG</td>)",
       R"(<td width="154" bgcolor="#FFFFFF" class="bg_table_sab">TDS</td>)",
       R"(<td width="174" bgcolor="#FFFFFF" class="bg_table_sab">2PTS</td>)"},
      18};
  namespace r = col::receiving;
  averagedTable(page, kReceiving, receiving, t, {r::kRec, r::kYds, r::kTds, r::k2Pts});
}

void scoringTable(PageText& page, const std::vector<GameRow>& scoring) {
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
  namespace s = col::scoring;
  tableBody(page, kScoring, scoring, t.rowClose, [&](const GameRow& row) {
    for (int c : {s::kTd, s::kPat, s::k2Pts, s::kFg, s::kPts}) fieldCell(page, row, c);
  });
  page.line(14, "</table>");
  page.line(14, "<br>");
}

}  // namespace yardmark::page
