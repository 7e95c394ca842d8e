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

}  // namespace

Roster::Roster(const DataTree& tree)
    : m_db(ensureRosterDatabase(tree)), m_view(m_db.openRecordset(kByLastName)), m_rows(readAll(m_view)) {}

void Roster::moveTo(size_t index) {
  m_view.moveFirst();
  m_view.move(static_cast<long>(index));
}

void Roster::write(const PersonName& name) {
  try {
    m_view.setField(col::roster::kLast, name.last);
    m_view.setField(col::roster::kFirst, name.first);
    m_view.setField(col::roster::kMiddle, name.middle);
    m_view.update();
  } catch (...) {
    m_view.cancelUpdate();
    throw;
  }
}

void Roster::add(const PersonName& name) {
  m_view.addNew();
  write(name);
}

void Roster::edit(size_t index, const PersonName& name) {
  moveTo(index);
  m_view.edit();
  write(name);
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
  std::vector<RosterPlayer> players;
  for (; !rows.isEOF(); rows.moveNext()) players.push_back(playerAt(rows));
  return players;
}

std::vector<std::string> playerNameTexts(const DataTree& tree) {
  std::vector<std::string> texts;
  for (const PersonName& name : readRosterNames(ensureRosterDatabase(tree))) texts.push_back(playerNameText(name));
  return texts;
}

void importIntoRoster(const DataTree& tree, const std::vector<PersonName>& people) {
  importIntoRoster(ensureRosterDatabase(tree), people);
}

void importIntoRoster(const std::filesystem::path& rosterDatabase, const std::vector<PersonName>& people) {
  Database roster(rosterDatabase);
  Recordset rows = roster.openRecordset(kTableOrder);
  Database::Transaction writing(roster);
  for (const PersonName& person : people) {
    const auto columns = importedColumns(person);
    rows.addNew();
    for (size_t c = 0; c < columns.size(); ++c)
      if (columns[c]) rows.setField(static_cast<int>(c) + 1, *columns[c]);
    rows.update();
  }
  writing.commit();
}

}  // namespace yardmark
