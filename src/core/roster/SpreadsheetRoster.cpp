#include "core/roster/SpreadsheetRoster.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <unordered_map>
#include <unordered_set>

#include "core/db/Database.h"
#include "core/roster/RosterDetails.h"
#include "core/text/NameFold.h"
#include "core/text/ShownText.h"

namespace yardmark {

namespace fs = std::filesystem;

namespace {

// A roster is a few kilobytes; anything this large was picked by mistake.
constexpr std::uintmax_t kLargestFile = 16u << 20;

// Words of a text split at blanks, a no-break space (pasted from web pages) counting as one.
std::vector<std::string_view> words(std::string_view s) {
  std::vector<std::string_view> out;
  size_t i = 0, start = std::string_view::npos;
  while (i <= s.size()) {
    size_t blank = 0;
    if (i == s.size())
      blank = 1;
    else if (s[i] == ' ' || s[i] == '\t' || s[i] == '\r' || s[i] == '\n')
      blank = 1;
    else if (s.substr(i, 2) == "\xC2\xA0")
      blank = 2;
    if (blank && start != std::string_view::npos) {
      out.push_back(s.substr(start, i - start));
      start = std::string_view::npos;
    } else if (!blank && start == std::string_view::npos) {
      start = i;
    }
    i += blank ? blank : 1;
  }
  return out;
}

std::string joined(const std::vector<std::string_view>& w, size_t from, size_t to) {
  std::string out;
  for (size_t i = from; i < to && i < w.size(); ++i) {
    if (!out.empty()) out += ' ';
    out += w[i];
  }
  return out;
}

std::string blanksTrimmed(std::string_view s) {
  const auto w = words(s);
  if (w.empty()) return {};
  return std::string(w.front().data(), w.back().data() + w.back().size());
}

enum class Kind { Last, First, Middle, Name, Number, Position, Grade, Other };

Kind kindOf(std::string_view header) {
  static constexpr std::pair<std::string_view, Kind> kNames[] = {
      {"last", Kind::Last},         {"last name", Kind::Last},
      {"surname", Kind::Last},      {"first", Kind::First},
      {"first name", Kind::First},  {"middle", Kind::Middle},
      {"mi", Kind::Middle},         {"middle name", Kind::Middle},
      {"name", Kind::Name},         {"player", Kind::Name},
      {"number", Kind::Number},     {"no", Kind::Number},
      {"no.", Kind::Number},        {"#", Kind::Number},
      {"jersey", Kind::Number},     {"jersey number", Kind::Number},
      {"position", Kind::Position}, {"pos", Kind::Position},
      {"grade", Kind::Grade},       {"class", Kind::Grade},
      {"yr", Kind::Grade},          {"year", Kind::Grade}};
  const std::string h = nameFold(joined(words(header), 0, std::string::npos));
  for (const auto& [name, kind] : kNames)
    if (h == nameFold(name)) return kind;
  return Kind::Other;
}

// Which column holds which name or detail; -1 for none.
struct Layout {
  int last = 0, first = 1, middle = 2, name = -1, number = -1, position = -1, grade = -1;
  bool header = false;
  bool uses(int i) const {
    return i == last || i == first || i == middle || i == name || i == number || i == position || i == grade;
  }
};

Layout layoutOf(const csv::Record& firstRow) {
  Layout l{-1, -1, -1, -1, -1, -1, -1, false};
  for (size_t i = 0; i < firstRow.fields.size(); ++i) {
    int* slot = nullptr;
    switch (kindOf(firstRow.fields[i])) {
      case Kind::Last:
        slot = &l.last;
        break;
      case Kind::First:
        slot = &l.first;
        break;
      case Kind::Middle:
        slot = &l.middle;
        break;
      case Kind::Name:
        slot = &l.name;
        break;
      case Kind::Number:
        slot = &l.number;
        break;
      case Kind::Position:
        slot = &l.position;
        break;
      case Kind::Grade:
        slot = &l.grade;
        break;
      case Kind::Other:
        break;
    }
    if (slot && *slot < 0) *slot = static_cast<int>(i), l.header = true;
  }
  if (!l.header) return Layout{};
  // Separate name columns win over a combined one, which then counts as another column.
  if (l.last >= 0 || l.first >= 0) l.name = -1;
  return l;
}

std::string_view cell(const csv::Record& r, int i) {
  return i >= 0 && static_cast<size_t>(i) < r.fields.size() ? std::string_view(r.fields[i]) : std::string_view();
}

bool isBlankRecord(const csv::Record& r) {
  return std::all_of(r.fields.begin(), r.fields.end(), [](const std::string& f) { return words(f).empty(); });
}

RosterName namesOf(const csv::Record& r, const Layout& l) {
  RosterName n;
  if (l.name >= 0) {
    n = splitPlayerName(cell(r, l.name));
    if (n.middle.empty()) n.middle = cell(r, l.middle);
  } else {
    n = {std::string(cell(r, l.last)), std::string(cell(r, l.first)), std::string(cell(r, l.middle))};
  }
  return {cleanedName(n.last), cleanedName(n.first), cleanedName(n.middle)};
}

// The number, position and grade of a row; a cell that reads as none is kept to be shown.
void readDetails(SheetPlayer& p, const csv::Record& r, const Layout& l) {
  const std::string number = blanksTrimmed(cell(r, l.number)), grade = blanksTrimmed(cell(r, l.grade));
  if (const auto n = jerseyNumberOf(number))
    p.number = *n;
  else
    p.unreadNumber = number;
  if (const auto g = gradeOf(grade))
    p.grade = *g;
  else
    p.unreadGrade = grade;
  p.position = blanksTrimmed(cell(r, l.position));
}

std::vector<std::string> otherColumns(const std::vector<csv::Record>& records, const Layout& l) {
  size_t width = 0;
  for (const csv::Record& r : records) width = std::max(width, r.fields.size());
  std::vector<std::string> out;
  for (size_t i = 0; i < width; ++i) {
    const int col = static_cast<int>(i);
    if (l.uses(col)) continue;
    const std::string title = l.header ? blanksTrimmed(cell(records.front(), col)) : std::string();
    const bool hasData = std::any_of(records.begin() + (l.header ? 1 : 0), records.end(),
                                     [&](const csv::Record& r) { return !words(cell(r, col)).empty(); });
    if (!title.empty())
      out.push_back(title);
    else if (hasData)
      out.push_back("column " + std::to_string(i + 1));
  }
  return out;
}

std::string lastFirstKey(const RosterName& n) {
  return nameFold(blanksTrimmed(n.last)) + '\n' + nameFold(blanksTrimmed(n.first));
}

std::string keyOf(const RosterName& n) { return lastFirstKey(n) + '\n' + nameFold(blanksTrimmed(n.middle)); }

}  // namespace

SpreadsheetError::SpreadsheetError(fs::path file, long line, const std::string& reason)
    : Failure(FailureKind::Spreadsheet, reason, file,
              file.string() + (line > 0 ? ", line " + std::to_string(line) : std::string()) + ": " + reason + "."),
      m_line(line) {}

std::string cleanedName(std::string_view name) {
  // The contacts import's cleaning, then the blanks a spreadsheet cell gathers.
  return joined(words(importedName(name).value_or(std::string())), 0, std::string::npos);
}

RosterName splitPlayerName(std::string_view cellText) {
  RosterName n;
  const size_t comma = cellText.find(',');
  if (comma != std::string_view::npos) {
    const auto rest = words(cellText.substr(comma + 1));
    n.last = joined(words(cellText.substr(0, comma)), 0, std::string::npos);
    if (!rest.empty()) n.first = rest[0];
    n.middle = joined(rest, 1, rest.size());
    return n;
  }
  const auto w = words(cellText);
  if (w.size() == 1) n.last = w[0];
  if (w.size() >= 2) {
    n.first = w.front();
    n.last = w.back();
    n.middle = joined(w, 1, w.size() - 1);
  }
  return n;
}

SheetRoster parseSpreadsheetRoster(std::string_view bytes, const fs::path& file, const std::atomic<bool>* stop) {
  SheetRoster out;
  std::vector<csv::Record> records;
  try {
    csv::Text text = csv::decode(bytes);
    out.encoding = text.encoding;
    out.separator = csv::detectSeparator(text.utf8);
    records = csv::parseRecords(text.utf8, out.separator, {kMostSheetRows, kMostSheetColumns, stop});
  } catch (const csv::TooLarge& e) {
    throw SpreadsheetError(file, e.line(), std::string(e.what()) + ", more than a roster needs, so it is not read");
  } catch (const csv::CsvError& e) {
    throw SpreadsheetError(file, e.line(), e.what());
  }
  std::erase_if(records, isBlankRecord);
  if (records.empty()) throw SpreadsheetError(file, 0, "it holds no rows");
  const Layout layout = layoutOf(records.front());
  out.hasHeader = layout.header;
  if (layout.header && layout.last < 0 && layout.first < 0 && layout.name < 0)
    throw SpreadsheetError(file, records.front().line, "the header names no Last, First or Name column");
  for (size_t i = layout.header ? 1 : 0; i < records.size(); ++i) {
    RosterName n = namesOf(records[i], layout);
    if (n.last.empty() && n.first.empty() && n.middle.empty()) continue;
    SheetPlayer p;
    p.name = std::move(n);
    p.line = records[i].line;
    readDetails(p, records[i], layout);
    out.players.push_back(std::move(p));
  }
  if (out.players.empty()) throw SpreadsheetError(file, 0, "no row names a player");
  out.otherColumns = otherColumns(records, layout);
  return out;
}

SheetRoster readSpreadsheetRoster(const fs::path& file, const std::atomic<bool>* stop) {
  std::error_code ec;
  const std::uintmax_t size = fs::file_size(file, ec);
  if (ec) throw SpreadsheetError(file, 0, withReason("it cannot be read", ec.message()));
  if (size > kLargestFile) throw SpreadsheetError(file, 0, "it is too large to be a roster");
  std::ifstream in(file, std::ios::binary);
  std::string bytes(size, '\0');
  if (!in.read(bytes.data(), static_cast<std::streamsize>(size))) throw SpreadsheetError(file, 0, "it cannot be read");
  return parseSpreadsheetRoster(bytes, file, stop);
}

std::vector<SheetCheck> checkSheet(const std::vector<SheetPlayer>& players, const std::vector<RosterPlayer>& roster) {
  std::unordered_set<std::string> inRoster, seen;
  // The first roster player of each last and first name: one the file names with another middle
  // name may be the same person.
  std::unordered_map<std::string, size_t> byLastFirst;
  for (size_t i = 0; i < roster.size(); ++i) {
    inRoster.insert(keyOf(roster[i].name));
    byLastFirst.emplace(lastFirstKey(roster[i].name), i);
  }
  std::vector<SheetCheck> out(players.size());
  for (size_t i = 0; i < players.size(); ++i) {
    const SheetPlayer& p = players[i];
    SheetCheck& c = out[i];
    std::string key = keyOf(p.name);
    if (inRoster.contains(key))
      c.duplicate = Duplicate::InRoster;
    else if (!seen.insert(key).second)
      c.duplicate = Duplicate::EarlierInFile;
    else if (const auto maybe = byLastFirst.find(lastFirstKey(p.name)); maybe != byLastFirst.end())
      c.duplicate = Duplicate::MaybeInRoster, c.maybe = trimmed(playerNameText(roster[maybe->second].name));
    if (p.number.empty()) continue;
    // The same player wearing his own number is no clash.
    for (const RosterPlayer& r : roster)
      if (r.number == p.number && keyOf(r.name) != key) {
        c.clashWith = trimmed(playerNameText(r.name));
        break;
      }
    for (size_t j = 0; j < i && c.clashWith.empty(); ++j)
      if (players[j].number == p.number && keyOf(players[j].name) != key)
        c.clashWith = trimmed(playerNameText(players[j].name)), c.clashInFile = true;
  }
  return out;
}

size_t addRosterPlayers(const fs::path& rosterDatabase, const std::vector<RosterPlayer>& players) {
  importIntoRoster(rosterDatabase, players);
  return players.size();
}

}  // namespace yardmark
