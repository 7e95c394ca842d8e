#include "core/page/CsvExport.h"

#include <array>

#include "core/files/SafeWrite.h"
#include "core/page/SeasonTables.h"
#include "core/text/CaseFold.h"
#include "core/text/Csv.h"

namespace yardmark {

namespace fs = std::filesystem;

namespace {

void appendField(std::string& out, std::string_view text, Cell kind) {
  csv::appendField(out, text, kind == Cell::Figure ? csv::Field::Figure : csv::Field::Text);
}

// The first `textColumns` fields are texts, the rest figures.
void appendLine(std::string& out, const std::vector<std::string>& fields, size_t textColumns) {
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) out += ',';
    appendField(out, fields[i], i < textColumns ? Cell::Text : Cell::Figure);
  }
  out += "\r\n";
}

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string csvText(const TextTable& t) {
  std::string out(kByteOrderMark);
  appendLine(out, t.headings, t.headings.size());
  for (const auto& row : t.rows) appendLine(out, row, t.textColumns);
  return out;
}

// One row per player per game per table, every table's columns side by side. Written
// straight into the file's text: a long season has hundreds of thousands of these rows.
std::string playerGamesText(const SeasonDetail& d) {
  std::vector<std::string> headings{"Player", "Year", "Game", "Opponent", "Table"};
  std::array<size_t, kPlayerTableCount> before{};  // empty fields ahead of each table's columns
  for (size_t t = 0; t < kPlayerTableCount; ++t) {
    before[t] = headings.size() - 5;
    for (const StatColumn& c : playerTables()[t].columns)
      headings.push_back(std::string(playerTables()[t].title).append(" ").append(c.csvName()));
  }
  std::string out(kByteOrderMark);
  appendLine(out, headings, headings.size());
  std::vector<std::string> labels;  // ",year,game,opponent" of each game
  for (const GameLine& g : d.games) {
    labels.emplace_back();
    for (const std::string& text : gameLabel(g)) appendField(labels.back() += ',', text, Cell::Text);
  }
  for (const PlayerLog& p : d.players) {
    std::string name;
    appendField(name, textOf(p.name), Cell::Text);
    for (const PlayerGame& pg : p.games) {
      for (size_t t = 0; t < kPlayerTableCount; ++t) {
        if (!pg.figures.in[t]) continue;
        const auto& columns = playerTables()[t].columns;
        out.append(name).append(labels[pg.game]).append(",").append(playerTables()[t].title).append(before[t], ',');
        for (const StatColumn& c : columns) appendStat(out += ',', c, pg.figures.tables[t]);
        out.append(headings.size() - 5 - before[t] - columns.size(), ',').append("\r\n");
      }
    }
  }
  return out;
}

}  // namespace

const std::vector<std::string>& csvFileNames() {
  static const std::vector<std::string> names{"results.csv",   "team.csv",    "rushing.csv", "passing.csv",
                                              "receiving.csv", "scoring.csv", "defense.csv", "player_games.csv"};
  return names;
}

std::vector<std::string> existingCsvFiles(const fs::path& folder) {
  std::vector<std::string> found;
  std::error_code ec;
  for (const std::string& name : csvFileNames())
    if (fs::exists(folder / name, ec)) found.push_back(name);
  return found;
}

std::string csvField(std::string_view text, Cell kind) {
  std::string out;
  appendField(out, text, kind);
  return out;
}

fs::path csvSetFolder(const fs::path& dir, const std::string& reportName) {
  // "2007_GM1.htm" exports into "2007_GM1": a folder named like a page reads as a page.
  const std::string_view name = reportName;
  constexpr std::string_view kPage = ".htm";
  const bool page = name.size() > kPage.size() && lowerAscii(name.substr(name.size() - kPage.size())) == kPage;
  return dir / std::string(page ? name.substr(0, name.size() - kPage.size()) : name);
}

fs::path writeSeasonCsv(const fs::path& dir, const std::string& reportName, const SeasonDetail& d,
                        const std::function<void()>& afterStep) {
  std::vector<TextTable> tables{resultsTable(d, ResultsFor::Csv), teamTable(d, true)};
  for (size_t t = 0; t < kPlayerTableCount; ++t) tables.push_back(mergedPlayerTable(d, t));
  std::vector<FileContent> files;
  for (size_t i = 0; i < tables.size(); ++i) files.push_back({csvFileNames()[i], csvText(tables[i])});
  files.push_back({csvFileNames().back(), playerGamesText(d)});
  const fs::path folder = csvSetFolder(dir, reportName);
  replaceFolder(folder, files, afterStep);
  return folder;
}

}  // namespace yardmark
