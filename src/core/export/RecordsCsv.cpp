#include "core/export/RecordsCsv.h"

#include "core/season/Statistics.h"
#include "core/text/Csv.h"

namespace yardmark {

namespace {

using Cells = std::vector<std::string>;

// So that a spreadsheet reads the names as UTF-8, as the season's CSV files do.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

constexpr const char* kLevelNames[] = {"Game", "Season", "Career"};

// A CSV file: its heading row, then rows whose first `textColumns` fields are texts.
struct Sheet {
  std::string text{kByteOrderMark};
  size_t textColumns;

  Sheet(const Cells& headings, size_t texts) : textColumns(texts) { add(headings, headings.size()); }
  void add(const Cells& fields) { add(fields, textColumns); }
  void add(const Cells& fields, size_t texts) {
    for (size_t i = 0; i < fields.size(); ++i) {
      if (i > 0) text += ',';
      csv::appendField(text, fields[i], i < texts ? csv::Field::Text : csv::Field::Figure);
    }
    text += "\r\n";
  }
};

std::string seasonsText(const RecordsBook& book) {
  Sheet s({"Year", "Games", "Won", "Lost", "No Result", "Points For", "Points Against", "Points For per Game",
           "Points Against per Game", "Rushing Yards per Game", "Passing Yards per Game", "Total Offense per Game"},
          1);
  for (const SeasonLine& l : book.seasons) {
    const auto scored = static_cast<double>(l.scored), stats = static_cast<double>(l.withTeamStats);
    s.add({l.year, std::to_string(l.games), std::to_string(l.won), std::to_string(l.lost),
           std::to_string(l.games - l.won - l.lost), wholeText(l.pointsFor), wholeText(l.pointsAgainst),
           averageText(l.pointsFor, scored), averageText(l.pointsAgainst, scored), averageText(l.rushing, stats),
           averageText(l.passing, stats), averageText(l.total, stats)});
  }
  return s.text;
}

std::string teamText(const RecordsBook& book) {
  // The opponent comes before the figure, so that only the last column holds numbers.
  Sheet s({"Level", "Record", "Year", "Opponent", "Date", "Value"}, 5);
  for (const RecordList& list : book.teamRecords)
    for (const RecordEntry& e : list.entries)
      s.add({kLevelNames[static_cast<int>(list.level)], list.title, e.years, e.opponent, e.date, e.text});
  return s.text;
}

std::string individualText(const RecordsBook& book) {
  Sheet s({"Level", "Record", "Minimum", "Player", "Years", "Opponent", "Date", "Place", "Value"}, 7);
  for (const RecordList& list : book.individualRecords)
    for (const RecordEntry& e : list.entries)
      s.add({kLevelNames[static_cast<int>(list.level)], list.title, list.minimum, e.holder, e.years, e.opponent, e.date,
             std::to_string(e.place), e.text});
  return s.text;
}

void appendFigures(Cells& cells, const PlayerFigures& f) {
  for (size_t t = 0; t < kPlayerTableCount; ++t)
    for (const StatColumn& c : playerTables()[t].columns) {
      cells.emplace_back();
      if (f.in[t]) appendStat(cells.back(), c, f.tables[t]);
    }
}

std::string careersText(const RecordsBook& book) {
  Cells headings{"Player", "Also Appears As", "Year", "Games"};
  for (const PlayerTableLayout& layout : playerTables())
    for (const StatColumn& c : layout.columns)
      headings.push_back(std::string(layout.title).append(" ").append(c.csvName()));
  Sheet s(headings, 3);
  for (const Career& c : book.careers) {
    if (!c.listed()) continue;
    std::string also;
    for (const std::string& other : c.alsoAppearsAs) also.append(also.empty() ? "" : "; ").append(other);
    for (const CareerSeason& season : c.seasons) {
      Cells row{c.name, also, book.seasons[season.season].year, std::to_string(season.games)};
      appendFigures(row, season.figures);
      s.add(row);
    }
    Cells row{c.name, also, "Career", std::to_string(c.games)};
    appendFigures(row, c.total);
    s.add(row);
  }
  return s.text;
}

}  // namespace

const std::vector<std::string>& recordsCsvNames() {
  static const std::vector<std::string> names{"seasons.csv", "team_records.csv", "individual_records.csv",
                                              "careers.csv"};
  return names;
}

std::vector<FileContent> recordsCsvFiles(const std::filesystem::path& folder, const RecordsBook& book) {
  const auto& n = recordsCsvNames();
  return {{folder / n[0], seasonsText(book)},
          {folder / n[1], teamText(book)},
          {folder / n[2], individualText(book)},
          {folder / n[3], careersText(book)}};
}

}  // namespace yardmark
