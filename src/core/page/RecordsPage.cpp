#include "core/page/RecordsPage.h"

#include <utility>

#include "core/files/DataTree.h"
#include "core/page/PageText.h"
#include "core/text/CaseFold.h"

namespace yardmark {

namespace fs = std::filesystem;

namespace {

using Cells = std::vector<std::string>;

constexpr std::string_view kHeading = R"(<td class="bg_table_sab">)";
constexpr std::string_view kText = R"(<td bgcolor="#FFFFFF" class="text_all">)";
constexpr std::string_view kNumber = R"(<td bgcolor="#FFFFFF" class="number_all">)";

std::string whole(long n) { return std::to_string(n); }

void headline(std::string& out, std::string_view text) {
  out.append(R"(<p class="all_headline">)").append(text).append("</p>\r\n");
}

void paragraph(std::string& out, const std::string& plain) {
  out.append(R"(<p class="text_all">)").append(htmlText(plain)).append("</p>\r\n");
}

// A table whose title is its own first row, so that no sheet break can part them.
struct PageTable {
  std::string title, note;  // the note follows the title in the same cell
  Cells headings;
  std::vector<Cells> rows;
  size_t textColumns = 1;
  int width = 990;
  std::vector<bool> strong = {};  // rows in bold, by index; none when empty
  int firstWidth = 0;             // of the first column, so that names do not wrap; 0: as it falls
  // Cells taking their look from the page's own rules, without a closing tag: the careers of a
  // long archive run to many thousand rows, and a page of many megabytes is slow to show.
  bool compact = false;
};

// A name as typed: a browser would show "Lee  Max" as "Lee Max", hiding what "also appears as" is
// about, so each blank but the last of a run is a fixed one.
std::string cellHtml(const std::string& text) {
  std::string html = htmlText(text);
  for (size_t at = 0; (at = html.find("  ", at)) != std::string::npos;) html.replace(at, 1, "&nbsp;");
  return html;
}

void row(std::string& out, const Cells& cells, size_t textColumns, bool strong, bool compact) {
  out += "  <tr>";
  for (size_t i = 0; i < cells.size(); ++i) {
    const std::string html = cellHtml(cells[i]);
    if (compact)
      out += i < textColumns ? R"(<td class="text_all">)" : "<td>";
    else
      out.append(i < textColumns ? kText : kNumber);
    out.append(strong && !html.empty() ? "<strong>" + html + "</strong>" : html);
    if (!compact) out += "</td>";
  }
  out += "</tr>\r\n";
}

void table(std::string& out, const PageTable& t) {
  out += "<table width=\"" + std::to_string(t.width) + "\" align=\"center\"" +
         (t.compact ? " cellspacing=\"0\">\r\n" : " class=\"table_all\">\r\n");
  if (!t.title.empty()) {
    std::string title = "<strong>" + htmlText(t.title) + "</strong>";
    if (!t.note.empty()) title += " (" + htmlText(t.note) + ")";
    out += "  <tr><td colspan=\"" + std::to_string(t.headings.size()) + "\"" +
           (t.compact ? "" : " bgcolor=\"#FFFFFF\"") + " class=\"text_all\">" + title + "</td></tr>\r\n";
  }
  out += "  <tr>";
  for (const std::string& h : t.headings) {
    if (t.firstWidth > 0 && &h == &t.headings.front())
      out += "<td class=\"bg_table_sab\" width=\"" + std::to_string(t.firstWidth) + "\">" + htmlText(h) + "</td>";
    else
      out.append(kHeading).append(htmlText(h)).append("</td>");
  }
  out += "</tr>\r\n";
  for (size_t i = 0; i < t.rows.size(); ++i)
    row(out, t.rows[i], t.textColumns, i < t.strong.size() && t.strong[i], t.compact);
  if (t.rows.empty()) row(out, {"No record yet."}, 1, false, t.compact);
  out += "</table><br>\r\n";
}

void documentHead(std::string& out, const RecordsBook& book) {
  PageText page;
  htmlPrologue(page);
  page.lines({
      {0, "<title>RECORDS BOOK</title>"},
      {0, R"(<link rel="stylesheet" type="text/css" href="../css/css.css">)"},
      // Not wrapped in an HTML comment, which keeps the viewer from reading some of the rules.
      {0, R"(<style type="text/css">)"},
      {0, ".careers table { border-collapse: collapse; }"},
      {0, ".careers td { border: 1px solid #c8d8c9; text-align: right; padding: 2px 4px; }"},
      {0, ".careers td.text_all, .careers td.bg_table_sab { text-align: left; }"},
      {0, "</style>"},
      {0, "</head>"},
      {0, "<body>"},
      {0, R"(<table width="100%" border="0" cellpadding="0" cellspacing="0">)"},
  });
  const std::string title = book.team.empty() ? std::string("Records Book") : htmlText(book.team) + "   Records Book";
  page.line(2, R"(<tr><td class="head_title">)", title, "</td></tr>");
  page.line(2, R"(<tr><td class="header_line">&nbsp; </td></tr>)");
  page.line(0, "</table>");
  out += page.take();
}

void seasons(std::string& out, const RecordsBook& book, const std::vector<NamedChart>& charts) {
  headline(out, "SEASONS");
  PageTable t{{},
              {},
              {"Year", "Games", "Won", "Lost", "No Result", "Points For", "Points Against", "For per Game",
               "Against per Game", "Rushing per Game", "Passing per Game", "Offense per Game"},
              {}};
  for (const SeasonLine& s : book.seasons)
    t.rows.push_back({s.year, whole(s.games), whole(s.won), whole(s.lost), whole(s.games - s.won - s.lost),
                      wholeText(s.pointsFor), wholeText(s.pointsAgainst),
                      averageText(s.pointsFor, static_cast<double>(s.scored)),
                      averageText(s.pointsAgainst, static_cast<double>(s.scored)),
                      averageText(s.rushing, static_cast<double>(s.withTeamStats)),
                      averageText(s.passing, static_cast<double>(s.withTeamStats)),
                      averageText(s.total, static_cast<double>(s.withTeamStats))});
  table(out, t);
  paragraph(out,
            "Won and lost as marked on each game (a tie is marked neither); per game: over the games with a score, or "
            "with team statistics.");
  for (const NamedChart& c : charts)
    out += "<p align=\"center\"><img src=\"" + htmlText(c.file) + "\" width=\"" + std::to_string(kChartWidth) +
           "\" height=\"" + std::to_string(kChartHeight) + "\" alt=\"" + htmlText(c.alt) + "\"></p>\r\n";
}

constexpr const char* kLevelNames[] = {"Single Game", "Season", "Career"};

void teamRecords(std::string& out, const RecordsBook& book) {
  headline(out, "TEAM RECORDS");
  for (RecordLevel level : {RecordLevel::Game, RecordLevel::Season}) {
    const bool game = level == RecordLevel::Game;
    PageTable t{kLevelNames[static_cast<int>(level)], {}, {"Record", "Year"}, {}, game ? 4u : 2u, 720};
    if (game) t.headings.insert(t.headings.end(), {"Opponent", "Date"});
    t.headings.push_back("Value");
    for (const RecordList& list : book.teamRecords) {
      if (list.level != level) continue;
      for (const RecordEntry& e : list.entries)
        t.rows.push_back(game ? Cells{list.title, e.years, e.opponent, e.date, e.text}
                              : Cells{list.title, e.years, e.text});
    }
    table(out, t);
  }
}

void individualRecords(std::string& out, const RecordsBook& book) {
  headline(out, "INDIVIDUAL RECORDS");
  for (RecordLevel level : {RecordLevel::Game, RecordLevel::Season, RecordLevel::Career}) {
    headline(out, kLevelNames[static_cast<int>(level)]);
    for (const RecordList& list : book.individualRecords) {
      if (list.level != level) continue;
      const bool game = level == RecordLevel::Game;
      PageTable t{list.title, list.minimum,   {"Place", "Player", level == RecordLevel::Career ? "Years" : "Year"},
                  {},         game ? 5u : 3u, 720};
      if (game) t.headings.insert(t.headings.end(), {"Opponent", "Date"});
      t.headings.push_back(list.title);
      for (const RecordEntry& e : list.entries) {
        t.rows.push_back({std::to_string(e.place), e.holder, e.years});
        if (game) t.rows.back().insert(t.rows.back().end(), {e.opponent, e.date});
        t.rows.back().push_back(e.text);
      }
      table(out, t);
    }
  }
}

// One table per player table: each listed player's seasons in it, then the career row.
void careers(std::string& out, const RecordsBook& book) {
  headline(out, "CAREERS");
  paragraph(out,
            "Every player with more than one season, and every name also typed in another letter case or "
            "spacing. A player's seasons are grouped by the name exactly as typed.");
  out += "<div class=\"careers\">\r\n";
  for (size_t k = 0; k < kPlayerTableCount; ++k) {
    const PlayerTableLayout& layout = playerTables()[k];
    PageTable t{std::string(layout.title), {}, {"Player", "Year", "Games"}, {}, 2};
    t.firstWidth = 240;
    t.compact = true;
    for (const StatColumn& column : layout.columns) t.headings.emplace_back(column.csvName());
    const auto add = [&](std::string name, std::string year, size_t games, const Figures& f, bool career) {
      t.rows.push_back({std::move(name), std::move(year), std::to_string(games)});
      for (const StatColumn& column : layout.columns) appendStat(t.rows.back().emplace_back(), column, f);
      t.strong.push_back(career);
    };
    for (const Career& c : book.careers) {
      if (!c.listed() || !c.total.in[k]) continue;
      std::string name = c.name;
      for (size_t i = 0; i < c.alsoAppearsAs.size(); ++i)
        name.append(i == 0 ? " (also appears as " : ", ").append("\"" + c.alsoAppearsAs[i] + "\"");
      if (!c.alsoAppearsAs.empty()) name += ")";
      for (const CareerSeason& s : c.seasons)
        if (s.figures.in[k])
          add(std::exchange(name, ""), book.seasons[s.season].year, s.games, s.figures.tables[k], false);
      add("", "Career", c.games, c.total.tables[k], true);
    }
    if (!t.rows.empty()) table(out, t);
  }
  out += "</div>\r\n";
}

void skipped(std::string& out, const RecordsBook& book) {
  if (book.skipped.empty()) return;
  headline(out, "GAMES NOT READ");
  // By year folder and file, as the coach finds the game in File > Open.
  for (const SkippedGame& g : book.skipped)
    paragraph(out, g.file.parent_path().filename().string() + "/" + g.file.filename().string() + ": " + g.reason);
}

}  // namespace

fs::path recordsFolderOf(const fs::path& reportsFolder) {
  return findCaseInsensitive(reportsFolder, kRecordsFolder, DataTree::Last::Folder);
}

std::vector<NamedChart> recordsCharts(const RecordsBook& book, const std::string& pageName) {
  std::string stem = pageName;
  if (const size_t dot = stem.rfind('.'); dot != std::string::npos && lowerAscii(stem.substr(dot)).starts_with(".htm"))
    stem.resize(dot);
  std::vector<std::string> years;
  std::vector<double> won, lost, pointsFor, pointsAgainst, rushing, passing, total;
  for (const SeasonLine& s : book.seasons) {
    years.push_back(s.year);
    won.push_back(static_cast<double>(s.won));
    lost.push_back(static_cast<double>(s.lost));
    const auto scored = static_cast<double>(s.scored), stats = static_cast<double>(s.withTeamStats);
    pointsFor.push_back(averageOf(s.pointsFor, scored));
    pointsAgainst.push_back(averageOf(s.pointsAgainst, scored));
    rushing.push_back(averageOf(s.rushing, stats));
    passing.push_back(averageOf(s.passing, stats));
    total.push_back(averageOf(s.total, stats));
  }
  using K = Chart::Kind;
  return {
      {stem + "-won-lost.svg",
       "Won and lost by year",
       {K::Bars, "Won and lost", years, {{"Won", "#2f5d31", won}, {"Lost", "#b03a2e", lost}}}},
      {stem + "-points.svg",
       "Points for and against per game by year",
       {K::Lines, "Points per game", years, {{"For", "#2f5d31", pointsFor}, {"Against", "#b03a2e", pointsAgainst}}}},
      {stem + "-offense.svg",
       "Offense per game by year",
       {K::Lines,
        "Offense per game (yards)",
        years,
        {{"Rushing", "#1f5f8b", rushing}, {"Passing", "#c77c02", passing}, {"Total", "#2f5d31", total}}}},
  };
}

std::string recordsPageText(const RecordsBook& book, const std::vector<NamedChart>& charts) {
  std::string out;
  documentHead(out, book);
  seasons(out, book, charts);
  teamRecords(out, book);
  individualRecords(out, book);
  careers(out, book);
  skipped(out, book);
  out += "</body>\r\n</html>\r\n";
  return out;
}

std::vector<FileContent> recordsPageFiles(const fs::path& page, const RecordsBook& book) {
  const std::vector<NamedChart> charts = recordsCharts(book, page.filename().string());
  std::vector<FileContent> files{{page, recordsPageText(book, charts)}};
  for (const NamedChart& c : charts) files.push_back({page.parent_path() / c.file, svgChart(c.chart)});
  return files;
}

}  // namespace yardmark
