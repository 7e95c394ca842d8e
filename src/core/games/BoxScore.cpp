#include "core/games/BoxScore.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/games/GameNumbers.h"
#include "core/text/KeyRules.h"

namespace yardmark {

namespace {

std::span<const GameColumn> columnsOf(int table) {
  return table == kDetailsTable ? kGameDetailsColumns : gameTable(static_cast<GameTable>(table)).fields;
}

const GameColumn& columnOf(int table, int ordinal) { return columnsOf(table)[static_cast<std::size_t>(ordinal - 1)]; }

bool isPlayer(int table) { return table != kDetailsTable && isPlayerTable(static_cast<GameTable>(table)); }

std::string cellText(const Value& v, ColumnKind kind) {
  if (v.isNull()) return {};
  if (kind == ColumnKind::YesNo) return isYes(v) ? "1" : "0";
  if (kind == ColumnKind::Number) return textOfNumber(numberOf(v));
  return textOf(v);
}

// Header rows carry the game's year and number, which the sheet never shows.
bool shownColumn(int table, int ordinal) {
  return table != kHeader || (ordinal != col::header::kYear && ordinal != col::header::kGameNumber);
}

// Nothing typed that the file should keep: a player row without figures, any other row blank.
bool blank(int table, const SheetRow& row) {
  for (int o = 1; o <= static_cast<int>(row.cells.size()); ++o) {
    if (!shownColumn(table, o)) continue;
    if (isPlayer(table) && !isNumberColumn(table, o)) continue;
    if (!row.cells[static_cast<std::size_t>(o - 1)].empty()) return false;
  }
  return true;
}

}  // namespace

BoxKeys keysOf(int table, int ordinal) { return columnOf(table, ordinal).keys; }

bool isNumberColumn(int table, int ordinal) { return columnOf(table, ordinal).kind == ColumnKind::Number; }

bool numberCellTakes(BoxKeys keys, std::string_view text) {
  std::string typed;
  for (const char c : text) {
    const int key = static_cast<unsigned char>(c);
    const int length = static_cast<int>(typed.size());
    const int kept = keys == BoxKeys::Digits  ? isItNumber(key, length)
                     : keys == BoxKeys::Yards ? yardsKey(key, typed, length)
                                              : sacksKey(key, typed, length);
    if (kept != key || key == kEnter || key == kBackspace) return false;
    typed += c;
  }
  return true;
}

std::optional<std::string> isoDate(std::string_view typed, int gameYear) {
  const std::string text = trimmed(typed);
  if (text.empty()) return std::string();
  int y = 0, m = 0, d = 0;
  char rest = 0;
  if (std::sscanf(text.c_str(), "%4d-%2d-%2d%c", &y, &m, &d, &rest) != 3 &&
      std::sscanf(text.c_str(), "%2d/%2d/%4d%c", &m, &d, &y, &rest) != 3) {
    y = gameYear;
    if (std::sscanf(text.c_str(), "%2d/%2d%c", &m, &d, &rest) != 2) return std::nullopt;
  }
  if (y < 100) y += 2000;
  static constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
  if (y < 1900 || y > 2999 || m < 1 || m > 12 || d < 1 || d > kDays[m - 1] || (m == 2 && d == 29 && !leap))
    return std::nullopt;
  char iso[40];
  std::snprintf(iso, sizeof iso, "%04d-%02d-%02d", y, m, d);
  return std::string(iso);
}

PersonName personOfPlayerText(std::string_view text) {
  const auto words = [](std::string_view s) {
    std::vector<std::string> out(1);
    for (const char c : s)
      if (c != ' ' && c != '\t')
        out.back() += c;
      else if (!out.back().empty())
        out.emplace_back();
    if (out.back().empty()) out.pop_back();
    return out;
  };
  const auto joined = [](const std::vector<std::string>& w, std::size_t from) {
    std::string out;
    for (std::size_t i = from; i < w.size(); ++i) out += (i > from ? " " : "") + w[i];
    return out;
  };
  PersonName name;
  std::vector<std::string> rest;
  const std::size_t comma = text.find(',');
  if (comma != std::string_view::npos) {  // "Van Buren, Henry J": the last name is all before the comma
    name.last = joined(words(text.substr(0, comma)), 0);
    rest = words(text.substr(comma + 1));
  } else {
    rest = words(text);
    if (!rest.empty()) name.last = rest.front();
    if (!rest.empty()) rest.erase(rest.begin());
  }
  if (!rest.empty()) name.first = rest.front();
  name.middle = joined(rest, 1);
  return name;
}

std::array<double, kTeamStatistics.size()> playersSums(const Game& game) {
  const auto sum = [&game](GameTable t, int ordinal) {
    double total = 0;
    for (const GameRow& r : game.rows(t)) total += r.number(ordinal);
    return total;
  };
  std::array<double, kTeamStatistics.size()> sums;
  sums.fill(std::nan(""));
  const double rushing = sum(kRushing, col::rushing::kYds), passing = sum(kPassing, col::passing::kYds);
  sums[1] = rushing;  // in kTeamStatistics order: Rushing Yards, Pass Completions, Passing Yards, Total Offense
  sums[2] = sum(kPassing, col::passing::kComp);
  sums[3] = passing;
  sums[4] = rushing + passing;
  return sums;
}

BoxScore::BoxScore(const std::filesystem::path& gameFile) : m_file(gameFile), m_db(gameFile) {
  m_year = numberFromText(gameFile.parent_path().filename().string());
  m_number = static_cast<double>(gameNumberOf(gameFile.filename().string()).value_or(0));
  readAll();
}

SheetRow BoxScore::blankRow(int table) {
  SheetRow row;
  row.cells.assign(columnsOf(table).size(), std::string());
  row.serial = m_nextSerial++;
  return row;
}

void BoxScore::readAll() {
  m_rows.assign(kSheetTableCount, {});
  for (int t = 0; t < kGameTableCount; ++t) {
    const auto cols = columnsOf(t);
    for (const Database::Row& stored : m_db.readRows(gameTable(static_cast<GameTable>(t)).query)) {
      SheetRow row = blankRow(t);
      row.key = stored.key;
      for (std::size_t i = 0; i < cols.size() && i < stored.fields.size(); ++i)
        row.cells[i] = cellText(stored.fields[i], cols[i].kind);
      m_rows[static_cast<std::size_t>(t)].push_back(std::move(row));
      if (!isPlayer(t)) break;  // the program reads a game-level table's first row only
    }
    if (!isPlayer(t) && m_rows[static_cast<std::size_t>(t)].empty())
      m_rows[static_cast<std::size_t>(t)].push_back(blankRow(t));
  }
  const GameDetails d = readGameDetails(m_db);
  SheetRow details = blankRow(kDetailsTable);
  details.cells = {d.date,
                   std::string(siteText(d.site)),
                   d.place,
                   d.overtimeOwn != 0 ? textOfNumber(d.overtimeOwn) : "",
                   d.overtimeOpp != 0 ? textOfNumber(d.overtimeOpp) : "",
                   d.notes};
  m_rows[kDetailsTable].push_back(std::move(details));
}

const std::string& BoxScore::cell(int table, std::size_t row, int ordinal) const {
  return rows(table).at(row).cells.at(static_cast<std::size_t>(ordinal - 1));
}

SheetRow& BoxScore::rowAt(int table, std::size_t row) {
  auto& rows = m_rows.at(static_cast<std::size_t>(table));
  if (row == rows.size() && isPlayer(table)) rows.push_back(blankRow(table));
  return rows.at(row);
}

std::optional<std::size_t> BoxScore::find(int table, int serial) const {
  const auto& rows = m_rows[static_cast<std::size_t>(table)];
  for (std::size_t i = 0; i < rows.size(); ++i)
    if (rows[i].serial == serial) return i;
  return std::nullopt;
}

bool BoxScore::set(int table, std::size_t row, int ordinal, std::string text, bool withLast) {
  SheetRow& r = rowAt(table, row);
  std::string& cell = r.cells.at(static_cast<std::size_t>(ordinal - 1));
  if (cell == text) return false;
  m_undo.push_back({table, r.serial, ordinal, cell, {}, 0, withLast && !m_undo.empty()});
  cell = std::move(text);
  r.dirty = true;
  return true;
}

std::vector<Value> BoxScore::valuesOf(int table, const SheetRow& row) const {
  const auto cols = columnsOf(table);
  std::vector<Value> values;
  for (std::size_t i = 0; i < cols.size(); ++i) {
    const std::string& text = row.cells[i];
    if (cols[i].kind == ColumnKind::YesNo)
      values.emplace_back(text == "1");
    else if (cols[i].kind == ColumnKind::Number)
      values.emplace_back(numberFromText(text));
    else
      values.emplace_back(text);
  }
  if (table == kQuarter) {  // the totals are the quarters' sums, as the entry form stores them
    namespace q = col::quarter;
    double opp = 0, own = 0;
    for (int o = q::kQuarter1Opp; o <= q::kQuarter4Own; o += 2) {
      opp += values[static_cast<std::size_t>(o - 1)].number();
      own += values[static_cast<std::size_t>(o)].number();
    }
    values[q::kTotalOpp - 1] = opp;
    values[q::kTotalOwn - 1] = own;
  }
  if (table == kHeader) {
    if (row.cells[col::header::kYear - 1].empty()) values[col::header::kYear - 1] = m_year;
    if (row.cells[col::header::kGameNumber - 1].empty()) values[col::header::kGameNumber - 1] = m_number;
  }
  return values;
}

void BoxScore::write(int table, SheetRow& row) {
  if (table == kDetailsTable) {
    const auto& c = row.cells;
    writeGameDetails(m_db, {c[0], siteOf(c[1]), c[2], numberFromText(c[3]), numberFromText(c[4]), c[5]});
    row.dirty = false;
    return;
  }
  // A player row without figures leaves the file; a game-level row once stored is rewritten
  // even when cleared, so that the file never keeps what the sheet no longer shows.
  const bool nothing = blank(table, row) && (row.key == 0 || isPlayer(table));
  if (nothing && row.key == 0) {
    row.dirty = false;
    return;
  }
  // One statement writes the row (an insert, an update or a delete), which the engine commits
  // whole; an explicit transaction around it only cost a second sync of the file.
  Recordset rs = m_db.openRecordset(gameTable(static_cast<GameTable>(table)).query);
  bool stored = row.key != 0;
  if (stored) {
    try {
      rs.moveToBookmark(row.key);
    } catch (const DbError& e) {  // another form deleted it: the typing comes back as a new row
      if (e.number() != dberr::NoCurrentRecord) throw;
      stored = false;
    }
  }
  if (nothing) {
    if (stored) rs.deleteRow();
  } else {
    stored ? rs.edit() : rs.addNew();
    const std::vector<Value> values = valuesOf(table, row);
    try {
      for (std::size_t i = 0; i < values.size(); ++i) rs.setField(static_cast<int>(i + 1), values[i]);
      rs.update();
    } catch (...) {
      rs.cancelUpdate();
      throw;
    }
    if (!stored) rs.moveLast();
  }
  const std::int64_t key = nothing ? 0 : rs.bookmark();
  row.key = key;
  row.dirty = false;
}

void BoxScore::save(int table, std::size_t row) {
  SheetRow& r = m_rows.at(static_cast<std::size_t>(table)).at(row);
  if (r.dirty) write(table, r);
}

void BoxScore::saveAll() {
  std::optional<DbError> first;
  for (int t = 0; t < kSheetTableCount; ++t)
    for (SheetRow& r : m_rows[static_cast<std::size_t>(t)]) try {
        if (r.dirty) write(t, r);
      } catch (const DbError& e) {
        if (!first) first = e;
      }
  if (first) throw *first;
}

void BoxScore::remove(int table, std::size_t row) {
  auto& rows = m_rows.at(static_cast<std::size_t>(table));
  SheetRow gone = rows.at(row);
  if (gone.key != 0) {
    Recordset rs = m_db.openRecordset(gameTable(static_cast<GameTable>(table)).query);
    try {
      rs.moveToBookmark(gone.key);
      rs.deleteRow();
    } catch (const DbError& e) {  // already gone from the file
      if (e.number() != dberr::NoCurrentRecord) throw;
    }
  }
  rows.erase(rows.begin() + static_cast<long>(row));
  m_undo.push_back({table, gone.serial, 0, {}, std::move(gone), row, false});
}

bool BoxScore::undo(int* table, std::size_t* row) {
  while (!m_undo.empty()) {
    Change change = std::move(m_undo.back());
    m_undo.pop_back();
    auto& rows = m_rows[static_cast<std::size_t>(change.table)];
    std::size_t at = 0;
    if (change.ordinal == 0) {
      at = std::min(change.position, rows.size());
      change.removed.key = 0;
      change.removed.dirty = true;
      rows.insert(rows.begin() + static_cast<long>(at), std::move(change.removed));
    } else if (const auto found = find(change.table, change.serial)) {
      at = *found;
      rows[at].cells[static_cast<std::size_t>(change.ordinal - 1)] = change.before;
      rows[at].dirty = true;
      if (change.withLast && !m_undo.empty()) {  // its partner goes with it, in the same write
        const Change& partner = m_undo.back();
        if (const auto same = find(partner.table, partner.serial); same && partner.ordinal != 0)
          rows[*same].cells[static_cast<std::size_t>(partner.ordinal - 1)] = partner.before;
        m_undo.pop_back();
      }
    } else {
      continue;  // another form deleted the row since
    }
    if (table) *table = change.table;
    if (row) *row = at;
    write(change.table, rows[at]);
    return true;
  }
  return false;
}

void BoxScore::reload() {
  std::vector<std::vector<SheetRow>> typed = std::move(m_rows);
  readAll();
  for (int t = 0; t < kSheetTableCount; ++t) {
    auto& fresh = m_rows[static_cast<std::size_t>(t)];
    for (SheetRow& old : typed[static_cast<std::size_t>(t)]) {
      auto same = std::find_if(fresh.begin(), fresh.end(),
                               [&](const SheetRow& r) { return !isPlayer(t) || (old.key != 0 && r.key == old.key); });
      if (same != fresh.end()) {
        same->serial = old.serial;  // undo still finds it
        if (old.dirty) {
          same->cells = old.cells;
          same->dirty = true;
        }
      } else if (old.dirty || old.key == 0) {  // typing the file never had: kept
        old.key = 0;
        fresh.push_back(std::move(old));
      }
    }
  }
}

Game BoxScore::asGame() const {
  Game game;
  game.file = m_file;
  for (int t = 0; t < kGameTableCount; ++t)
    for (const SheetRow& r : rows(t)) {
      if (!isPlayer(t) && r.key == 0 && blank(t, r)) continue;
      std::vector<Value> values = valuesOf(t, r);
      game.tables[static_cast<std::size_t>(t)].push_back(GameRow{r.key, std::move(values)});
    }
  const auto& c = rows(kDetailsTable).front().cells;
  game.details = {c[0], siteOf(c[1]), c[2], numberFromText(c[3]), numberFromText(c[4]), c[5]};
  return game;
}

}  // namespace yardmark
