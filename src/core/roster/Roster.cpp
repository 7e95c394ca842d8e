#include "core/roster/Roster.h"

namespace yardmark {

namespace {

constexpr const char* kByLastName = "SELECT * FROM roster ORDER BY rosterPlayerName_Last";
constexpr const char* kTableOrder = "select * from roster";

// A part never set (the import leaves a missing middle name so) reads as empty.
PersonName nameAt(const Recordset& rows) {
  return {textOf(rows.field(col::roster::kLast)), textOf(rows.field(col::roster::kFirst)),
          textOf(rows.field(col::roster::kMiddle))};
}

// A column an older file lacks reads as blank.
Value fieldOr(const Recordset& rows, int ordinal) {
  return ordinal < rows.fieldCount() ? rows.field(ordinal) : Value{};
}

RosterPlayer playerAt(const Recordset& rows) {
  const double grade = numberOf(fieldOr(rows, col::roster::kGrade));
  return {nameAt(rows), textOf(fieldOr(rows, col::roster::kNumber)), textOf(fieldOr(rows, col::roster::kPosition)),
          grade >= 9 && grade <= 12 ? static_cast<int>(grade) : 0};
}

std::vector<PersonName> readAll(Recordset& rows) {
  std::vector<PersonName> names;
  for (; !rows.isEOF(); rows.moveNext()) names.push_back(nameAt(rows));
  return names;
}

std::vector<RosterPlayer> readPlayers(Recordset& rows) {
  std::vector<RosterPlayer> players;
  for (; !rows.isEOF(); rows.moveNext()) players.push_back(playerAt(rows));
  return players;
}

std::vector<PersonName> namesOf(const std::vector<RosterPlayer>& players) {
  std::vector<PersonName> names;
  names.reserve(players.size());
  for (const RosterPlayer& p : players) names.push_back(p.name);
  return names;
}

// A blank number, position or grade is stored unset, as an older file reads it.
Value textOrBlank(const std::string& text) { return text.empty() ? Value{} : Value(text); }

// The number, position and grade, after the names.
void setDetails(Recordset& rows, const RosterPlayer& player) {
  rows.setField(col::roster::kNumber, textOrBlank(player.number));
  rows.setField(col::roster::kPosition, textOrBlank(player.position));
  rows.setField(col::roster::kGrade, player.grade ? Value(static_cast<double>(player.grade)) : Value{});
}

}  // namespace

Roster::Roster(const DataTree& tree)
    : m_db(ensureRosterDatabase(tree)),
      m_view(m_db.openRecordset(kByLastName)),
      m_players(readPlayers(m_view)),
      m_rows(namesOf(m_players)) {}

void Roster::moveTo(size_t index) {
  m_view.moveFirst();
  m_view.move(static_cast<long>(index));
}

bool Roster::addLaterColumns() {
  if (m_view.fieldCount() > col::roster::kGrade) return false;
  m_db.addLaterLayout(DatabaseKind::Roster);
  // The view opened before does not see the new columns.
  m_view = m_db.openRecordset(kByLastName);
  return true;
}

void Roster::write(const RosterPlayer& player) {
  try {
    m_view.setField(col::roster::kLast, player.name.last);
    m_view.setField(col::roster::kFirst, player.name.first);
    m_view.setField(col::roster::kMiddle, player.name.middle);
    setDetails(m_view, player);
    m_view.update();
  } catch (...) {
    m_view.cancelUpdate();
    throw;
  }
}

void Roster::add(const RosterPlayer& player) {
  addLaterColumns();
  m_view.addNew();
  write(player);
}

void Roster::edit(size_t index, const RosterPlayer& player) {
  moveTo(index);
  const std::int64_t row = m_view.bookmark();
  if (addLaterColumns()) m_view.moveToBookmark(row);
  m_view.edit();
  write(player);
}

void Roster::remove(size_t index) {
  moveTo(index);
  m_view.deleteRow();
  m_rows.erase(m_rows.begin() + static_cast<long>(index));
}

std::vector<PersonName> readRosterNames(const std::filesystem::path& rosterDatabase) {
  std::error_code ec;
  if (!std::filesystem::exists(rosterDatabase, ec)) return {};
  Database roster(rosterDatabase, Database::Mode::ReadOnly);
  Recordset rows = roster.openRecordset(kTableOrder);
  return readAll(rows);
}

std::vector<RosterPlayer> readRoster(const std::filesystem::path& rosterDatabase) {
  std::error_code ec;
  if (!std::filesystem::exists(rosterDatabase, ec)) return {};
  Database roster(rosterDatabase, Database::Mode::ReadOnly);
  Recordset rows = roster.openRecordset(kTableOrder);
  return readPlayers(rows);
}

std::vector<std::string> playerNameTexts(const DataTree& tree) {
  std::vector<std::string> texts;
  for (const PersonName& name : readRosterNames(ensureRosterDatabase(tree))) texts.push_back(playerNameText(name));
  return texts;
}

void importIntoRoster(const DataTree& tree, const std::vector<PersonName>& people) {
  std::vector<RosterPlayer> players;
  players.reserve(people.size());
  for (const PersonName& person : people) players.push_back({person, {}, {}, 0});
  importIntoRoster(ensureRosterDatabase(tree), players);
}

void importIntoRoster(const std::filesystem::path& rosterDatabase, const std::vector<RosterPlayer>& people) {
  Database roster(rosterDatabase);
  roster.addLaterLayout(DatabaseKind::Roster);
  Recordset rows = roster.openRecordset(kTableOrder);
  Database::Transaction writing(roster);
  for (const RosterPlayer& person : people) {
    const auto columns = importedColumns(person.name);
    rows.addNew();
    for (size_t c = 0; c < columns.size(); ++c)
      if (columns[c]) rows.setField(static_cast<int>(c) + 1, *columns[c]);
    setDetails(rows, person);
    rows.update();
  }
  writing.commit();
}

}  // namespace yardmark
