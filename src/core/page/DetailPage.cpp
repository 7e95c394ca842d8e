#include "core/page/DetailPage.h"

#include "core/files/DataTree.h"
#include "core/page/PageText.h"
#include "core/page/SafeWrite.h"
#include "core/page/SeasonTables.h"

namespace yardmark {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kHeading = R"(<td bgcolor="#FFFFFF" class="bg_table_sab">)";
constexpr std::string_view kText = R"(<td bgcolor="#FFFFFF" class="text_all">)";
constexpr std::string_view kNumber = R"(<td bgcolor="#FFFFFF" class="number_all">)";

std::string span(std::string_view attribute, size_t n) {
  return "<td " + std::string(attribute) + "=\"" + std::to_string(n) + "\" bgcolor=\"#FFFFFF\" class=\"bg_table_sab\">";
}

void documentHead(PageText& page, const SeasonDetail& d) {
  page.lines({
      {0, R"(<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN")"},
      {0, R"("http://www.w3.org/TR/html4/loose.dtd">)"},
      {0, "<html>"},
      {0, "<head>"},
      {0, R"(<meta http-equiv="Content-Type" content="text/html; charset=iso-8859-1">)"},
      {0, "<title>SEASON DETAIL</title>"},
      {0, R"(<link rel="stylesheet" type="text/css" href="../css/css.css">)"},
      {0, R"(<style type="text/css">)"},
      {0, "<!--"},
      // Each player's card prints on one sheet.
      {0, ".card { page-break-inside: avoid; }"},
      {0, "-->"},
      {0, "</style>"},
      {0, "</head>"},
      {0, "<body>"},
      {0, R"(<table width="100%" border="0" cellpadding="0" cellspacing="0">)"},
  });
  const std::string title = d.merged[Header].empty()
                                ? std::string("Season Detail")
                                : htmlText(d.team) + "&nbsp;" + htmlText(d.year) + "   Season Detail";
  page.line(2, R"(<tr><td class="head_title">)", title, "</td></tr>");
  page.line(2, R"(<tr><td class="header_line">&nbsp; </td></tr>)");
  page.line(0, "</table>");
}

void headline(PageText& page, std::string_view text) { page.line(0, R"(<p class="all_headline">)", text, "</p>"); }

void cells(PageText& page, std::string_view opening, const std::vector<std::string>& texts, size_t textColumns = 0) {
  for (size_t i = 0; i < texts.size(); ++i) page.line(4, i < textColumns ? kText : opening, htmlText(texts[i]), "</td>");
}

void textTable(PageText& page, const TextTable& t) {
  page.line(0, R"(<table width="990" align="center" class="table_all">)");
  page.line(2, "<tr>");
  cells(page, kHeading, t.headings);
  page.line(2, "</tr>");
  for (const auto& row : t.rows) {
    page.line(2, "<tr>");
    cells(page, kNumber, row, t.textColumns);
    page.line(2, "</tr>");
  }
  page.line(0, "</table>");
}

void record(PageText& page, const SeasonDetail& d) {
  std::string text = "Record: " + std::to_string(d.won) + " won, " + std::to_string(d.lost) + " lost";
  if (d.unmarked > 0) text += ", " + std::to_string(d.unmarked) + " without a result";
  page.line(0, R"(<p class="text_all">)", text, "</p>");
}

void leaders(PageText& page, const SeasonDetail& d) {
  headline(page, "LEADERS");
  for (const LeaderBoard& board : d.leaders) {
    TextTable t{{"Place", "Player", std::string(board.title), "Games"}, {}, 2};
    for (const Leader& l : board.leaders)
      t.rows.push_back({std::to_string(l.place), textOf(l.name), textOfNumber(l.figure), std::to_string(l.games)});
    textTable(page, t);
    page.line(0, "<br>");
  }
}

void playerCard(PageText& page, const SeasonDetail& d, const PlayerLog& p) {
  std::vector<size_t> tables;
  size_t columns = 3;
  for (size_t t = 0; t < kPlayerTableCount; ++t)
    if (p.totals[t]) tables.push_back(t), columns += playerTables()[t].columns.size();
  const std::string games = std::to_string(p.games.size()) + (p.games.size() == 1 ? " game" : " games");
  page.line(0, R"(<div class="card">)");
  page.line(0, R"(<table width="990" align="center" class="table_all">)");
  page.line(2, "<tr><td colspan=\"" + std::to_string(columns) + R"(" bgcolor="#FFFFFF" class="all_headline">)",
            fieldText(p.name), " (" + games + ")</td></tr>");
  page.line(2, "<tr>");
  for (const char* h : {"Year", "Game", "Opponent"}) page.line(4, span("rowspan", 2), h, "</td>");
  for (size_t t : tables) page.line(4, span("colspan", playerTables()[t].columns.size()), playerTables()[t].title, "</td>");
  page.line(2, "</tr>");
  page.line(2, "<tr>");
  for (size_t t : tables)
    for (const StatColumn& c : playerTables()[t].columns) page.line(4, kHeading, c.name, "</td>");
  page.line(2, "</tr>");
  const auto figures = [&](const std::array<std::optional<DataRow>, kPlayerTableCount>& rows) {
    for (size_t t : tables)
      cells(page, kNumber, rows[t] ? statTexts(t, *rows[t]) : std::vector<std::string>(playerTables()[t].columns.size()));
  };
  for (const PlayerGame& g : p.games) {
    page.line(2, "<tr>");
    cells(page, kText, gameLabel(d.games[g.game]));
    figures(g.tables);
    page.line(2, "</tr>");
  }
  page.line(2, "<tr>");
  page.line(4, R"(<td colspan="3" bgcolor="#FFFFFF" class="text_all"><strong>Total</strong></td>)");
  figures(p.totals);
  page.line(2, "</tr>");
  page.line(0, "</table>");
  page.line(0, "</div>");
}

}  // namespace

std::string detailPageText(const SeasonDetail& d) {
  PageText page;
  documentHead(page, d);
  headline(page, "RESULTS");
  textTable(page, resultsTable(d));
  record(page, d);
  headline(page, "TEAM GAME LOG");
  textTable(page, teamTable(d, false));
  leaders(page, d);
  headline(page, "PLAYER GAME LOGS");
  for (const PlayerLog& p : d.players) playerCard(page, d, p);
  page.lines({{0, "</body>"}, {0, "</html>"}});
  return page.take();
}

fs::path detailPagePath(const fs::path& reportsFolder, const std::string& reportName) {
  return findCaseInsensitive(reportsFolder, "detail", DataTree::Last::Folder) / reportName;
}

fs::path writeDetailPage(const fs::path& reportsFolder, const std::string& reportName, const SeasonDetail& d) {
  const fs::path target = detailPagePath(reportsFolder, reportName);
  makeFolder(target.parent_path());
  writeFilesSafely({{target, detailPageText(d)}});
  return target;
}

}  // namespace yardmark
