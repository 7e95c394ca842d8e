#include "core/page/DetailPage.h"

#include <cstdio>
#include <fstream>
#include <optional>
#include <random>

#include "core/files/DataTree.h"
#include "core/files/SafeWrite.h"
#include "core/page/PageText.h"
#include "core/page/SeasonTables.h"

namespace yardmark {

namespace fs = std::filesystem;

namespace {

// Headings without a bgcolor: the viewer lets the attribute win over the class's colour.
constexpr std::string_view kHeading = R"(<td class="bg_table_sab">)";
constexpr std::string_view kText = R"(<td bgcolor="#FFFFFF" class="text_all">)";
constexpr std::string_view kNumber = R"(<td bgcolor="#FFFFFF" class="number_all">)";
// A card's figure cells take their look from the page's own rules (a long season's cards hold
// millions of cells), its headings and labels from the style sheet's classes.
constexpr std::string_view kCardLabel = R"(<td class="text_all">)";

// A table row on one line: a long season's player cards run to many thousand rows.
class Row {
 public:
  explicit Row(std::string& out) : m_out(out) { m_out += "  <tr>"; }
  ~Row() { m_out += "</tr>\r\n"; }
  Row(const Row&) = delete;
  Row& operator=(const Row&) = delete;
  void cell(std::string_view opening, std::string_view html) { m_out.append(opening).append(html).append("</td>"); }
  void text(std::string_view opening, std::string_view plain) { cell(opening, htmlText(plain)); }
  // In a card. The closing tag of a cell is optional in HTML 4 and left out here: a long
  // season's cards hold millions of figures.
  void figure(const StatColumn& c, const Figures& f) { appendStat(m_out += "<td>", c, f); }
  void noFigure() { m_out += "<td>"; }

 private:
  std::string& m_out;
};

constexpr std::string_view kRunMeta = R"(<meta name="yardmark-run" content=")";
constexpr std::string_view kRunLine = "#run ";  // the games list's first line

void documentHead(std::string& out, const SeasonDetail& d, std::string_view runId) {
  PageText page;
  htmlPrologue(page);
  page.line(0, kRunMeta, htmlText(runId), "\">");
  page.lines({
      {0, "<title>SEASON DETAIL</title>"},
      {0, R"(<link rel="stylesheet" type="text/css" href="../css/css.css">)"},
      // Not wrapped in an HTML comment, which keeps the viewer from reading some of the rules.
      {0, R"(<style type="text/css">)"},
      {0, ".card { page-break-inside: avoid; }"},  // each player's card prints on one sheet
      {0, ".card table { border-collapse: collapse; }"},
      {0, ".card td { border: 1px solid #c8d8c9; text-align: right; padding: 2px 4px; }"},
      {0, ".card td.text_all, .card td.bg_table_sab, .card td.all_headline { text-align: left; }"},
      {0, "</style>"},
      {0, "</head>"},
      {0, "<body>"},
      {0, R"(<table width="100%" border="0" cellpadding="0" cellspacing="0">)"},
  });
  const std::string title = d.merged[kHeader].empty()
                                ? std::string("Season Detail")
                                : htmlText(d.team) + "&nbsp;" + htmlText(d.year) + "   Season Detail";
  page.line(2, R"(<tr><td class="head_title">)", title, "</td></tr>");
  page.line(2, R"(<tr><td class="header_line">&nbsp; </td></tr>)");
  page.line(0, "</table>");
  out += page.take();
}

void headline(std::string& out, std::string_view text) {
  out.append(R"(<p class="all_headline">)").append(text).append("</p>\r\n");
}

constexpr std::string_view kTableOpening = "<table width=\"990\" align=\"center\" class=\"table_all\">\r\n";

// Headings spanning columns, over the table's own headings.
using Groups = std::vector<std::pair<std::string_view, size_t>>;

std::string span(std::string_view attribute, size_t n) {
  return "<td " + std::string(attribute) + "=\"" + std::to_string(n) + "\" class=\"bg_table_sab\">";
}

void textTable(std::string& out, const TextTable& t, const Groups& groups = {}) {
  out += kTableOpening;
  if (!groups.empty()) {
    Row row(out);
    for (const auto& [title, columns] : groups) row.text(span("colspan", columns), title);
  }
  {
    Row heading(out);
    for (const std::string& h : t.headings) heading.text(kHeading, h);
  }
  for (const auto& cells : t.rows) {
    Row row(out);
    for (size_t i = 0; i < cells.size(); ++i) row.text(i < t.textColumns ? kText : kNumber, cells[i]);
  }
  out += "</table>\r\n";
}

void record(std::string& out, const SeasonDetail& d) {
  std::string text = "Record: " + std::to_string(d.won) + " won, " + std::to_string(d.lost) + " lost";
  if (d.unmarked > 0) text += ", " + std::to_string(d.unmarked) + " without a result";
  out.append(R"(<p class="text_all">)").append(text).append("</p>\r\n");
}

void leaders(std::string& out, const SeasonDetail& d) {
  headline(out, "LEADERS");
  for (const LeaderBoard& board : d.leaders) {
    TextTable t{{"Place", "Player", std::string(board.title), "Games"}, {}, 2};
    for (const Leader& l : board.leaders)
      t.rows.push_back({std::to_string(l.place), textOf(l.name), textOfNumber(l.figure), std::to_string(l.games)});
    textTable(out, t);
    out += "<br>\r\n";
  }
}

// The game log's statistics over pairs of own and opponent columns.
void teamLog(std::string& out, const SeasonDetail& d) {
  TextTable t = teamTable(d, false);
  Groups groups{{"", t.textColumns}};
  for (const TeamStat& s : teamStatList())
    if (s.inGameLog) groups.emplace_back(s.name, 2);
  for (size_t i = t.textColumns; i < t.headings.size(); ++i) t.headings[i] = (i - t.textColumns) % 2 ? "Opp" : "Own";
  textTable(out, t, groups);
}

// What the short headings of the cards stand for.
void legend(std::string& out) {
  std::string text;
  for (const PlayerTableLayout& layout : playerTables())
    for (const StatColumn& c : layout.columns)
      if (!c.meaning.empty()) text.append(text.empty() ? "" : ", ").append(c.name).append(" = ").append(c.meaning);
  out.append(R"(<p class="text_all">)").append(text).append(".</p>\r\n");
}

void figures(Row& row, const std::vector<size_t>& tables, const PlayerFigures& f) {
  for (size_t t : tables)
    for (const StatColumn& c : playerTables()[t].columns) f.in[t] ? row.figure(c, f.tables[t]) : row.noFigure();
}

void playerCard(std::string& out, const std::vector<std::string>& labels, const PlayerLog& p) {
  std::vector<size_t> tables;
  size_t columns = 3;
  for (size_t t = 0; t < kPlayerTableCount; ++t)
    if (p.totals.in[t]) tables.push_back(t), columns += playerTables()[t].columns.size();
  const std::string games = std::to_string(p.games.size()) + (p.games.size() == 1 ? " game" : " games");
  out.append("<div class=\"card\">\r\n<table width=\"990\" align=\"center\" cellspacing=\"0\">\r\n");
  Row(out).cell("<td colspan=\"" + std::to_string(columns) + "\" class=\"all_headline\">",
                fieldText(p.name) + " (" + games + ")");
  {
    Row titles(out);
    for (const char* h : {"Year", "Game", "Opponent"}) titles.cell(span("rowspan", 2), h);
    for (size_t t : tables) titles.cell(span("colspan", playerTables()[t].columns.size()), playerTables()[t].title);
  }
  {
    Row names(out);
    for (size_t t : tables)
      for (const StatColumn& c : playerTables()[t].columns) names.cell(kHeading, c.name);
  }
  for (const PlayerGame& g : p.games) {
    Row row(out);
    out += labels[g.game];
    figures(row, tables, g.figures);
  }
  {
    Row total(out);
    total.cell(R"(<td colspan="3" class="text_all">)", "<strong>Total</strong>");
    figures(total, tables, p.totals);
  }
  out += "</table><br>\r\n</div>\r\n";
}

// The three label cells of each game, made once for every card.
std::vector<std::string> gameLabelCells(const SeasonDetail& d) {
  std::vector<std::string> cells;
  for (const GameLine& g : d.games) {
    std::string html;
    for (const std::string& text : gameLabel(g)) html.append(kCardLabel).append(htmlText(text)).append("</td>");
    cells.push_back(std::move(html));
  }
  return cells;
}

std::optional<std::string> pageRunId(const fs::path& page) {
  std::string head;
  try {
    head = readFileHead(page, 4096);
  } catch (const fs::filesystem_error&) {
    return std::nullopt;
  }
  const size_t at = head.find(kRunMeta);
  if (at == std::string::npos) return std::nullopt;
  const size_t from = at + kRunMeta.size(), to = head.find('"', from);
  return to == std::string::npos ? std::nullopt : std::optional(head.substr(from, to - from));
}

std::optional<std::string> listRunId(const fs::path& list) {
  std::ifstream in(list, std::ios::binary);
  std::string line;
  if (!std::getline(in, line) || !line.starts_with(kRunLine)) return std::nullopt;
  return line.substr(kRunLine.size());
}

}  // namespace

std::string detailPageText(const SeasonDetail& d, std::string_view runId) {
  std::string out;
  size_t cardRows = 0;  // room for the cards at once: growing a long season's page copies it over and over
  for (const PlayerLog& p : d.players) cardRows += p.games.size() + 4;
  out.reserve(40000 + 300 * d.games.size() + 300 * cardRows);
  documentHead(out, d, runId);
  headline(out, "RESULTS");
  textTable(out, resultsTable(d));
  record(out, d);
  headline(out, "TEAM GAME LOG");
  teamLog(out, d);
  leaders(out, d);
  headline(out, "PLAYER GAME LOGS");
  legend(out);
  const std::vector<std::string> labels = gameLabelCells(d);
  for (const PlayerLog& p : d.players) playerCard(out, labels, p);
  out += "</body>\r\n</html>\r\n";
  return out;
}

fs::path detailPagePath(const fs::path& reportsFolder, const std::string& reportName) {
  return detailFolderOf(reportsFolder) / reportName;
}

fs::path gamesListPath(const fs::path& reportsFolder, const std::string& reportName) {
  return detailPagePath(reportsFolder, reportName + ".games");
}

std::vector<fs::path> readGamesList(const fs::path& file) {
  std::vector<fs::path> games;
  std::ifstream in(file, std::ios::binary);
  for (std::string line; std::getline(in, line);)
    if (!line.empty() && !line.starts_with(kRunLine)) games.emplace_back(line);
  return games;
}

std::string newRunId() {
  std::random_device random;
  std::string id;
  for (int i = 0; i < 4; ++i) {
    char part[9];
    std::snprintf(part, sizeof part, "%08x", static_cast<unsigned>(random()));
    id += part;
  }
  return id;
}

DetailState detailState(const fs::path& reportsFolder, const std::string& reportName) {
  const fs::path page = detailPagePath(reportsFolder, reportName);
  std::error_code ec;
  if (!fs::is_regular_file(page, ec)) return DetailState::Missing;
  // A missing list has no id: whole beside a page from before runs had ids, torn beside a newer one.
  return pageRunId(page) == listRunId(gamesListPath(reportsFolder, reportName)) ? DetailState::Whole
                                                                                : DetailState::Torn;
}

fs::path writeDetailPage(const fs::path& reportsFolder, const std::string& reportName, const SeasonDetail& d,
                         const std::vector<fs::path>& games, const std::function<void()>& afterPage) {
  const fs::path target = detailPagePath(reportsFolder, reportName);
  makeFolder(target.parent_path());
  const std::string runId = newRunId();
  // By the path's own bytes: a name that is not valid UTF-8 still finds its file again.
  std::string list = std::string(kRunLine).append(runId).append("\n");
  for (const fs::path& game : games) list.append(game.string()).push_back('\n');
  writeFilesSafely({{target, detailPageText(d, runId)}}, Durability::Atomic);
  if (afterPage) afterPage();
  writeFilesSafely({{gamesListPath(reportsFolder, reportName), list}}, Durability::Atomic);
  return target;
}

}  // namespace yardmark
