#include "core/db/Database.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <mutex>
#include <optional>
#include <regex>
#include <unordered_map>

namespace yardmark {

namespace {

std::string lower(std::string_view s) {
  std::string r(s);
  std::transform(r.begin(), r.end(), r.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return r;
}

std::string sqlName(std::string_view ident) {
  std::string r = "\"";
  for (char c : ident) {
    if (c == '"') r += '"';
    r += c;
  }
  return r + "\"";
}

enum class ColumnKind { Key, Number, Text, YesNo };

struct Column {
  std::string name;
  ColumnKind kind;
};

struct Table {
  std::string name;
  std::vector<Column> columns;
};

// The query texts the system uses: select * from T [WHERE col=Yes|No] [ORDER BY col]
struct Query {
  std::string table;
  std::optional<std::string> whereColumn;
  bool whereYes = true;
  std::optional<std::string> orderColumn;
};

std::optional<Query> parseQueryText(std::string_view text) {
  static const std::regex re(
      R"(^\s*select\s+\*\s+from\s+([A-Za-z_][A-Za-z0-9_]*)(\s+where\s+([A-Za-z_][A-Za-z0-9_]*)\s*=\s*(yes|no))?)"
      R"((\s+order\s+by\s+([A-Za-z_][A-Za-z0-9_]*))?\s*;?\s*$)",
      std::regex::icase);
  std::cmatch m;
  if (!std::regex_match(text.begin(), text.end(), m, re)) return std::nullopt;
  Query q;
  q.table = m[1].str();
  if (m[2].matched) {
    q.whereColumn = m[3].str();
    q.whereYes = lower(m[4].str()) == "yes";
  }
  if (m[5].matched) q.orderColumn = m[6].str();
  return q;
}

// The program uses a handful of query texts, each many times over.
std::optional<Query> parseQuery(std::string_view text) {
  static std::mutex guard;
  static std::unordered_map<std::string, std::optional<Query>> known;
  const std::lock_guard lock(guard);
  auto it = known.find(std::string(text));
  if (it == known.end()) it = known.emplace(std::string(text), parseQueryText(text)).first;
  return it->second;
}

// The tables of a database file and their columns. Every game file is a copy of one template,
// so layouts are kept by schema text: opening a file for a report then costs one statement
// instead of reading each table's columns again.
std::vector<Table> tableLayouts(SQLite::Database& db) {
  std::string schema;
  SQLite::Statement st(db, "SELECT sql FROM sqlite_master WHERE type = 'table' ORDER BY rowid");
  while (st.executeStep()) schema += st.getColumn(0).getString() + '\n';
  static std::mutex guard;
  static std::unordered_map<std::string, std::vector<Table>> known;
  {
    const std::lock_guard lock(guard);
    if (auto it = known.find(schema); it != known.end()) return it->second;
  }
  std::vector<Table> tables;
  SQLite::Statement info(db,
                         "SELECT m.name, p.name, p.type, p.pk FROM sqlite_master AS m, pragma_table_info(m.name) AS p "
                         "WHERE m.type = 'table' AND m.name NOT LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY m.rowid, p.cid");
  while (info.executeStep()) {
    const std::string table = info.getColumn(0).getString();
    if (tables.empty() || tables.back().name != table) tables.push_back({table, {}});
    const std::string type = lower(info.getColumn(2).getString());
    ColumnKind kind = ColumnKind::Number;
    if (info.getColumn(3).getInt() != 0) kind = ColumnKind::Key;
    else if (type.find("char") != std::string::npos || type.find("text") != std::string::npos) kind = ColumnKind::Text;
    else if (type.find("int") != std::string::npos || type.find("bool") != std::string::npos) kind = ColumnKind::YesNo;
    tables.back().columns.push_back({info.getColumn(1).getString(), kind});
  }
  const std::lock_guard lock(guard);
  known.emplace(std::move(schema), tables);
  return tables;
}

}  // namespace

struct Database::Impl {
  std::filesystem::path path;
  std::unique_ptr<SQLite::Database> db;
  std::vector<Table> tables;
  // Statements run once per row (insert, update, delete, read back) are prepared once per
  // connection; declared after db, so they are finalized before it closes.
  std::unordered_map<std::string, std::unique_ptr<SQLite::Statement>> statements;

  // A prepared statement, reset for its next use when the holder goes.
  class Prepared {
  public:
    Prepared(Impl& impl, const std::string& sql) {
      auto& st = impl.statements[sql];
      if (!st) st = std::make_unique<SQLite::Statement>(impl.conn(), sql);
      m_st = st.get();
    }
    ~Prepared() { m_st->tryReset(); }
    Prepared(const Prepared&) = delete;
    Prepared& operator=(const Prepared&) = delete;
    SQLite::Statement& operator*() const { return *m_st; }
    SQLite::Statement* operator->() const { return m_st; }

  private:
    SQLite::Statement* m_st;
  };

  std::string where() const { return "'" + path.string() + "'"; }

  const Table* findTable(std::string_view name) const {
    const std::string l = lower(name);
    for (const auto& t : tables)
      if (lower(t.name) == l) return &t;
    return nullptr;
  }

  SQLite::Database& conn() {
    if (!db) throw DbError(dberr::EngineFailure, "The database " + where() + " is closed.");
    return *db;
  }

  [[noreturn]] void fail(const std::exception& e, std::string_view doing) const {
    const auto* se = dynamic_cast<const SQLite::Exception*>(&e);
    const int code = se ? (se->getErrorCode() & 0xff) : 0;
    if (code == SQLITE_READONLY || code == SQLITE_PERM || code == SQLITE_AUTH)
      throw DbError(dberr::ReadOnly, "Cannot " + std::string(doing) + ": the database " + where() +
                                         " is read-only (" + e.what() + ").");
    if (code == SQLITE_FULL)
      throw DbError(dberr::EngineFailure,
                    "Cannot " + std::string(doing) + ": the disk holding " + where() + " is full.");
    throw DbError(dberr::EngineFailure, "Cannot " + std::string(doing) + " in " + where() + ": " + e.what());
  }
};

struct Recordset::State {
  std::shared_ptr<Database::Impl> db;
  Table table;
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
    const std::string l = lower(name);
    for (size_t i = 0; i < table.columns.size(); ++i)
      if (lower(table.columns[i].name) == l) return static_cast<int>(i);
    throw DbError(dberr::NoSuchField, "Item '" + std::string(name) + "' not found in table '" + table.name + "'.");
  }

  void checkOrdinal(int ordinal) const {
    if (ordinal < 0 || ordinal >= static_cast<int>(table.columns.size()))
      throw DbError(dberr::NoSuchField,
                    "Field " + std::to_string(ordinal) + " does not exist in table '" + table.name + "'.");
  }

  Value read(SQLite::Column c, ColumnKind kind) const {
    switch (c.getType()) {
      case SQLITE_NULL:
        return {};
      case SQLITE_INTEGER:
        if (kind == ColumnKind::YesNo) return Value(c.getInt64() != 0);
        return Value(static_cast<double>(c.getInt64()));
      case SQLITE_FLOAT:
        if (kind == ColumnKind::YesNo) return Value(c.getDouble() != 0.0);
        // An infinity has no figure; its text form has no digits, so it reads as 0.
        return Value(kind == ColumnKind::Number && !std::isfinite(c.getDouble()) ? 0.0 : c.getDouble());
      default:
        // Another program may have put text in a number column: it reads as typing it would.
        if (kind == ColumnKind::Number) return Value(numberFromText(c.getString()));
        return Value(c.getString());
    }
  }

  Row readRow(SQLite::Statement& st) const {
    Row r{st.getColumn(0).getInt64(), {}};
    r.values.reserve(table.columns.size());
    for (size_t i = 0; i < table.columns.size(); ++i)
      r.values.push_back(read(st.getColumn(static_cast<int>(i + 1)), table.columns[i].kind));
    return r;
  }

  Row reload(int64_t rowid) {
    Database::Impl::Prepared st(*db, "SELECT rowid, * FROM " + sqlName(table.name) + " WHERE rowid = ?");
    st->bind(1, static_cast<int64_t>(rowid));
    if (!st->executeStep()) throw DbError(dberr::EngineFailure, "The row just written to '" + table.name + "' vanished.");
    return readRow(*st);
  }

  void bindValue(SQLite::Statement& st, int index, const Value& v, ColumnKind kind) const {
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

// ---------------------------------------------------------------- Database

Database::Database(const std::filesystem::path& path, Mode mode) : m_impl(std::make_shared<Impl>()) {
  m_impl->path = path;
  std::error_code ec;
  if (!std::filesystem::exists(path, ec))
    throw DbError(dberr::FileNotFound, "Could not find file " + m_impl->where() + ".");
  if (!std::filesystem::is_regular_file(path, ec))
    throw DbError(dberr::NotADatabase, m_impl->where() + " is not a database file.");
  // A connection is only ever used by the thread that opened it: no locking per call.
  const auto connect = [&](int flags) {
    m_impl->db.reset();
    m_impl->db = std::make_unique<SQLite::Database>(path.string(), flags | SQLITE_OPEN_NOMUTEX);
    m_impl->db->setBusyTimeout(2000);
    m_impl->tables = tableLayouts(*m_impl->db);
  };
  try {
    try {
      connect(mode == Mode::ReadOnly ? SQLite::OPEN_READONLY : SQLite::OPEN_READWRITE);
    } catch (const SQLite::Exception& e) {
      if (e.getExtendedErrorCode() != SQLITE_READONLY_ROLLBACK) throw;
      // A save cut short (the program killed, the power lost) left its journal behind. Only a
      // connection that may write rolls it back; then the file reads as it was before that save.
      connect(SQLite::OPEN_READWRITE);
      connect(SQLite::OPEN_READONLY);
    }
  } catch (const SQLite::Exception& e) {
    m_impl->db.reset();
    if (e.getExtendedErrorCode() == SQLITE_READONLY_ROLLBACK)
      throw DbError(dberr::ReadOnly, "The last save of " + m_impl->where() +
                                         " was cut short and cannot be rolled back: the file or its folder is "
                                         "read-only (" + e.what() + ").");
    throw DbError(dberr::NotADatabase,
                  m_impl->where() + " is not a YardMark database or is damaged (" + e.what() + ").");
  }
  if (m_impl->tables.empty()) {
    m_impl->db.reset();
    throw DbError(dberr::NotADatabase, m_impl->where() + " is not a YardMark database: it holds no tables.");
  }
}

Database::~Database() = default;
Database::Database(Database&&) noexcept = default;
Database& Database::operator=(Database&&) noexcept = default;

const std::filesystem::path& Database::path() const { return m_impl->path; }
bool Database::isOpen() const { return m_impl && m_impl->db; }

void Database::close() {
  if (!m_impl) return;
  m_impl->statements.clear();
  m_impl->db.reset();
}

bool Database::hasTable(std::string_view table) const { return m_impl && m_impl->findTable(table) != nullptr; }

Recordset Database::openRecordset(std::string_view text) {
  if (!isOpen()) throw DbError(dberr::EngineFailure, "The database " + m_impl->where() + " is closed.");
  const auto q = parseQuery(text);
  if (!q) throw DbError(dberr::BadQuery, "Query text not understood: '" + std::string(text) + "'.");
  const Table* t = m_impl->findTable(q->table);
  if (!t)
    throw DbError(dberr::NoSuchTable,
                  "The table '" + q->table + "' does not exist in " + m_impl->where() + ": it is not a YardMark database.");
  auto s = std::make_unique<Recordset::State>();
  s->db = m_impl;
  s->table = *t;
  std::string sql = "SELECT rowid, * FROM " + sqlName(t->name);
  if (q->whereColumn) {
    const std::string col = s->table.columns[s->ordinalOf(*q->whereColumn)].name;
    sql += " WHERE " + (q->whereYes ? sqlName(col) + " <> 0" : sqlName(col) + " = 0");
  }
  if (q->orderColumn) {
    const std::string col = s->table.columns[s->ordinalOf(*q->orderColumn)].name;
    sql += " ORDER BY " + sqlName(col) + " COLLATE NOCASE, rowid";
  } else {
    sql += " ORDER BY rowid";
  }
  try {
    SQLite::Statement st(m_impl->conn(), sql);
    while (st.executeStep()) s->rows.push_back(s->readRow(st));
  } catch (const SQLite::Exception& e) {
    m_impl->fail(e, "read the table '" + t->name + "'");
  }
  s->setAt(0);                       // on the first row; an empty set is past its end...
  if (s->rows.empty()) s->bof = true;  // ...and before its start

  return Recordset(std::move(s));
}

Database::Transaction::Transaction(Database& db) : m_db(&db) {
  try {
    m_db->m_impl->conn().exec("BEGIN IMMEDIATE");
  } catch (const SQLite::Exception& e) {
    m_db->m_impl->fail(e, "start writing");
  }
}

Database::Transaction::~Transaction() {
  if (m_done || !m_db->m_impl->db) return;
  try {
    m_db->m_impl->db->exec("ROLLBACK");
  } catch (...) {  // nothing more can be done while unwinding
  }
}

void Database::Transaction::commit() {
  try {
    m_db->m_impl->conn().exec("COMMIT");
    m_done = true;
  } catch (const SQLite::Exception& e) {
    m_db->m_impl->fail(e, "write");
  }
}

// ---------------------------------------------------------------- Recordset

Recordset::Recordset(std::unique_ptr<State> s) : m_state(std::move(s)) {}
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
  const auto it =
      std::find_if(s.rows.begin(), s.rows.end(), [&](const State::Row& r) { return r.rowid == bookmark; });
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
  if (s.mode == State::Mode::None)
    throw DbError(dberr::UpdateWithoutEdit, "Update without AddNew or Edit.");
  const auto& cols = s.table.columns;
  try {
    if (s.mode == State::Mode::Add) {
      std::string names, marks;
      for (size_t i = 1; i < cols.size(); ++i) {
        names += (i > 1 ? ", " : "") + sqlName(cols[i].name);
        marks += i > 1 ? ", ?" : "?";
      }
      Database::Impl::Prepared st(*s.db, cols.size() > 1 ? "INSERT INTO " + sqlName(s.table.name) + " (" + names +
                                                               ") VALUES (" + marks + ")"
                                                         : "INSERT INTO " + sqlName(s.table.name) + " DEFAULT VALUES");
      for (size_t i = 1; i < cols.size(); ++i) s.bindValue(*st, static_cast<int>(i), s.buffer[i], cols[i].kind);
      st->exec();
      s.rows.push_back(s.reload(s.db->conn().getLastInsertRowid()));
      if (s.rows.size() == 1) s.setAt(0);  // the first row of an empty set becomes current
    } else {
      std::string sets;
      for (size_t i = 1; i < cols.size(); ++i) sets += (i > 1 ? ", " : "") + sqlName(cols[i].name) + " = ?";
      Database::Impl::Prepared st(*s.db, "UPDATE " + sqlName(s.table.name) + " SET " + sets + " WHERE rowid = ?");
      for (size_t i = 1; i < cols.size(); ++i) s.bindValue(*st, static_cast<int>(i), s.buffer[i], cols[i].kind);
      st->bind(static_cast<int>(cols.size()), static_cast<int64_t>(s.rows[s.pos].rowid));
      st->exec();
      s.rows[s.pos] = s.reload(s.rows[s.pos].rowid);
    }
  } catch (const SQLite::Exception& e) {
    s.db->fail(e, "save the row of '" + s.table.name + "'");
  }
  s.mode = State::Mode::None;
}

void Recordset::deleteRow() {
  auto& s = open(m_state);
  if (!s.hasCurrent()) State::noCurrent();
  try {
    Database::Impl::Prepared st(*s.db, "DELETE FROM " + sqlName(s.table.name) + " WHERE rowid = ?");
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

std::string Recordset::fieldName(int ordinal) const {
  const auto& s = open(m_state);
  s.checkOrdinal(ordinal);
  return s.table.columns[ordinal].name;
}

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
