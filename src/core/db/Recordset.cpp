#include "core/db/Recordset.h"

#include <sqlite3.h>

#include <algorithm>
#include <cmath>

#include "core/db/Connection.h"

namespace yardmark {

namespace {

// A stored value of the given type, its number or text fetched only when needed.
template <class Integer, class Real, class Text>
Value storedValue(int type, ColumnKind kind, const Integer& integer, const Real& real, const Text& text) {
  switch (type) {
    case SQLITE_NULL:
      return {};
    case SQLITE_INTEGER:
      if (kind == ColumnKind::YesNo) return Value(integer() != 0);
      return Value(static_cast<double>(integer()));
    case SQLITE_FLOAT: {
      const double d = real();
      if (kind == ColumnKind::YesNo) return Value(d != 0.0);
      // An infinity has no figure; its text form has no digits, so it reads as 0.
      return Value(kind == ColumnKind::Number && !std::isfinite(d) ? 0.0 : d);
    }
    default:
      // Another program may have put text in a number column: it reads as typing it would.
      if (kind == ColumnKind::Number) return Value(numberFromText(text()));
      return Value(text());
  }
}

}  // namespace

Value valueOf(const SQLite::Column& c, ColumnKind kind) {
  return storedValue(
      c.getType(), kind, [&] { return c.getInt64(); }, [&] { return c.getDouble(); },
      [&] {
        const char* bytes = c.getText();
        return std::string_view(bytes, static_cast<size_t>(c.getBytes()));
      });
}

Value valueOf(sqlite3_stmt* st, int column, ColumnKind kind) {
  return storedValue(
      sqlite3_column_type(st, column), kind, [&] { return sqlite3_column_int64(st, column); },
      [&] { return sqlite3_column_double(st, column); },
      [&] {
        const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(st, column));
        return std::string_view(bytes ? bytes : "", static_cast<size_t>(sqlite3_column_bytes(st, column)));
      });
}

void bindValue(SQLite::Statement& st, int index, const Value& v, ColumnKind kind) {
  if (v.isNull()) {
    st.bind(index);
  } else if (kind == ColumnKind::YesNo) {
    st.bind(index, isYes(v) ? 1 : 0);
  } else if (v.isNumber()) {
    st.bind(index, v.number());
  } else if (v.isBool()) {
    st.bind(index, v.boolean() ? -1.0 : 0.0);
  } else {
    st.bind(index, v.text());
  }
}

std::string insertSql(const Table& table) {
  const auto& cols = table.columns;
  if (cols.size() <= 1) return "INSERT INTO " + sqlName(table.name) + " DEFAULT VALUES";
  std::string names, marks;
  for (size_t i = 1; i < cols.size(); ++i) {
    names += (i > 1 ? ", " : "") + sqlName(cols[i].name);
    marks += i > 1 ? ", ?" : "?";
  }
  return "INSERT INTO " + sqlName(table.name) + " (" + names + ") VALUES (" + marks + ")";
}

struct Recordset::State {
  State(std::shared_ptr<Connection> connection, const Table& t)
      : db(std::move(connection)), layouts(db->tables), table(t) {}
  std::shared_ptr<Connection> db;
  std::shared_ptr<const std::vector<Table>> layouts;  // holds `table`, shared and never copied
  const Table& table;
  struct Row {
    int64_t rowid;
    std::vector<Value> values;
  };
  std::vector<Row> rows;
  long pos = 0;
  bool bof = true, eof = true, deleted = false;
  enum class Mode { None, Add, Edit } mode = Mode::None;
  std::vector<Value> buffer;

  bool hasCurrent() const { return !bof && !eof && !deleted && pos >= 0 && pos < static_cast<long>(rows.size()); }

  [[noreturn]] static void noCurrent() { throw DbError(dberr::NoCurrentRecord, "No current record."); }

  int ordinalOf(std::string_view name) const {
    if (const auto ordinal = columnOf(table, name)) return *ordinal;
    throw DbError(dberr::NoSuchField, "Item '" + std::string(name) + "' not found in table '" + table.name + "'.");
  }

  void checkOrdinal(int ordinal) const {
    if (ordinal < 0 || ordinal >= static_cast<int>(table.columns.size()))
      throw DbError(dberr::NoSuchField,
                    "Field " + std::to_string(ordinal) + " does not exist in table '" + table.name + "'.");
  }

  Row readRow(SQLite::Statement& st) const {
    Row r{st.getColumn(0).getInt64(), {}};
    r.values.reserve(table.columns.size());
    for (size_t i = 0; i < table.columns.size(); ++i)
      r.values.push_back(valueOf(st.getColumn(table.resultColumn(i)), table.columns[i].kind));
    return r;
  }

  Row reload(int64_t rowid) {
    Connection::Prepared st(
        *db, "SELECT " + std::string(table.selectList()) + " FROM " + sqlName(table.name) + " WHERE rowid = ?");
    st->bind(1, static_cast<int64_t>(rowid));
    if (!st->executeStep())
      throw DbError(dberr::EngineFailure, "The row just written to '" + table.name + "' vanished.");
    return readRow(*st);
  }

  // Binds the buffer's fields after the key, from parameter 1 on.
  void bindBuffer(SQLite::Statement& st) const {
    for (size_t i = 1; i < table.columns.size(); ++i)
      bindValue(st, static_cast<int>(i), buffer[i], table.columns[i].kind);
  }

  void insertBuffer() {
    Connection::Prepared st(*db, insertSql(table));
    bindBuffer(*st);
    st->exec();
    rows.push_back(reload(db->conn().getLastInsertRowid()));
    if (rows.size() == 1) setAt(0);  // the first row of an empty set becomes current
  }

  void updateCurrent() {
    const auto& cols = table.columns;
    std::string sets;
    for (size_t i = 1; i < cols.size(); ++i) sets += (i > 1 ? ", " : "") + sqlName(cols[i].name) + " = ?";
    Connection::Prepared st(*db, "UPDATE " + sqlName(table.name) + " SET " + sets + " WHERE rowid = ?");
    bindBuffer(*st);
    st->bind(static_cast<int>(cols.size()), static_cast<int64_t>(rows[pos].rowid));
    st->exec();
    rows[pos] = reload(rows[pos].rowid);
  }

  void setAt(long p) {
    deleted = false;
    pos = p;
    const long n = static_cast<long>(rows.size());
    bof = pos < 0;
    eof = pos >= n;
    if (bof) pos = -1;
    if (eof) pos = n;
  }
};

Recordset::Recordset(std::shared_ptr<Connection> connection, const Table& table, const std::string& sql)
    : m_state(std::make_unique<State>(std::move(connection), table)) {
  State& s = *m_state;
  try {
    SQLite::Statement st(s.db->conn(), sql);
    while (st.executeStep()) s.rows.push_back(s.readRow(st));
  } catch (const SQLite::Exception& e) {
    s.db->fail(e, "read the table '" + table.name + "'");
  }
  s.setAt(0);                        // on the first row; an empty set is past its end...
  if (s.rows.empty()) s.bof = true;  // ...and before its start
}

Recordset::~Recordset() = default;
Recordset::Recordset(Recordset&&) noexcept = default;
Recordset& Recordset::operator=(Recordset&&) noexcept = default;

namespace {
Recordset::State& open(const std::unique_ptr<Recordset::State>& s) {
  if (!s) throw DbError(dberr::EngineFailure, "The row set is closed.");
  return *s;
}
}  // namespace

void Recordset::close() { m_state.reset(); }
long Recordset::recordCount() const { return static_cast<long>(open(m_state).rows.size()); }
bool Recordset::isEOF() const { return open(m_state).eof; }
bool Recordset::isBOF() const { return open(m_state).bof; }
bool Recordset::hasCurrent() const { return open(m_state).hasCurrent(); }

void Recordset::moveFirst() {
  auto& s = open(m_state);
  if (s.rows.empty()) State::noCurrent();
  s.mode = State::Mode::None;
  s.setAt(0);
}

void Recordset::moveLast() {
  auto& s = open(m_state);
  if (s.rows.empty()) State::noCurrent();
  s.mode = State::Mode::None;
  s.setAt(static_cast<long>(s.rows.size()) - 1);
}

void Recordset::moveNext() {
  auto& s = open(m_state);
  if (s.eof) State::noCurrent();
  s.mode = State::Mode::None;
  // After a delete the following row has slid into the deleted one's place.
  s.setAt(s.deleted ? s.pos : s.pos + 1);
}

void Recordset::movePrevious() {
  auto& s = open(m_state);
  if (s.bof) State::noCurrent();
  s.mode = State::Mode::None;
  s.setAt(s.pos - 1);
}

void Recordset::move(long n) {
  auto& s = open(m_state);
  if (s.rows.empty() || !s.hasCurrent()) State::noCurrent();
  s.mode = State::Mode::None;
  s.setAt(s.pos + n);
}

std::int64_t Recordset::bookmark() const {
  const auto& s = open(m_state);
  if (!s.hasCurrent()) State::noCurrent();
  return s.rows[s.pos].rowid;
}

void Recordset::moveToBookmark(std::int64_t bookmark) {
  auto& s = open(m_state);
  const auto it = std::find_if(s.rows.begin(), s.rows.end(), [&](const State::Row& r) { return r.rowid == bookmark; });
  if (it == s.rows.end())
    throw DbError(dberr::NoCurrentRecord, "The record is no longer in the table '" + s.table.name + "'.");
  s.mode = State::Mode::None;
  s.setAt(static_cast<long>(it - s.rows.begin()));
}

void Recordset::addNew() {
  auto& s = open(m_state);
  s.mode = State::Mode::Add;
  s.buffer.assign(s.table.columns.size(), Value{});
}

void Recordset::edit() {
  auto& s = open(m_state);
  if (!s.hasCurrent()) State::noCurrent();
  s.mode = State::Mode::Edit;
  s.buffer = s.rows[s.pos].values;
}

void Recordset::cancelUpdate() { open(m_state).mode = State::Mode::None; }

void Recordset::update() {
  auto& s = open(m_state);
  if (s.mode == State::Mode::None) throw DbError(dberr::UpdateWithoutEdit, "Update without AddNew or Edit.");
  try {
    if (s.mode == State::Mode::Add)
      s.insertBuffer();
    else
      s.updateCurrent();
  } catch (const SQLite::Exception& e) {
    s.db->fail(e, "save the row of '" + s.table.name + "'");
  }
  s.mode = State::Mode::None;
}

void Recordset::deleteRow() {
  auto& s = open(m_state);
  if (!s.hasCurrent()) State::noCurrent();
  try {
    Connection::Prepared st(*s.db, "DELETE FROM " + sqlName(s.table.name) + " WHERE rowid = ?");
    st->bind(1, static_cast<int64_t>(s.rows[s.pos].rowid));
    st->exec();
  } catch (const SQLite::Exception& e) {
    s.db->fail(e, "delete the row of '" + s.table.name + "'");
  }
  s.rows.erase(s.rows.begin() + s.pos);
  s.mode = State::Mode::None;
  s.deleted = true;
}

int Recordset::fieldCount() const { return static_cast<int>(open(m_state).table.columns.size()); }

Value Recordset::field(int ordinal) const {
  const auto& s = open(m_state);
  s.checkOrdinal(ordinal);
  if (s.mode != State::Mode::None) return s.buffer[ordinal];
  if (!s.hasCurrent()) State::noCurrent();
  return s.rows[s.pos].values[ordinal];
}

Value Recordset::field(std::string_view name) const { return field(open(m_state).ordinalOf(name)); }

void Recordset::setField(int ordinal, const Value& v) {
  auto& s = open(m_state);
  s.checkOrdinal(ordinal);
  if (s.mode == State::Mode::None)
    throw DbError(dberr::UpdateWithoutEdit, "A field can be set only after AddNew or Edit.");
  s.buffer[ordinal] = v;
}

void Recordset::setField(std::string_view name, const Value& v) { setField(open(m_state).ordinalOf(name), v); }

}  // namespace yardmark
