#include "core/db/Database.h"

#include <sqlite3.h>
#include <unistd.h>

#include <cerrno>
#include <mutex>
#include <optional>
#include <unordered_map>

#include "core/db/Connection.h"
#include "core/db/QueryGrammar.h"
#include "core/text/ShownText.h"

namespace yardmark {

// ---------------------------------------------------------------- Connection

// Appended, not prefixed: GCC 12 at -O3 warns (-Wrestrict) on a text prefixed to a temporary.
std::string Connection::where() const {
  std::string quoted(1, '\'');
  return quoted.append(path.string()).append(1, '\'');
}

SQLite::Database& Connection::conn() { return *db; }

namespace {

bool inUse(int code) { return code == SQLITE_BUSY || code == SQLITE_LOCKED; }

}  // namespace

void Connection::fail(const std::exception& e, std::string_view doing) const {
  const auto* se = dynamic_cast<const SQLite::Exception*>(&e);
  const int code = se ? (se->getErrorCode() & 0xff) : 0;
  if (inUse(code))
    throw DbError(dberr::InUse, "Cannot " + std::string(doing) + ": " + where() + " is in use by another program.");
  if (code == SQLITE_READONLY || code == SQLITE_PERM || code == SQLITE_AUTH)
    throw DbError(
        dberr::ReadOnly,
        withReason("Cannot " + std::string(doing) + ": the database " + where() + " is read-only", e.what()) + ".");
  if (code == SQLITE_FULL)
    throw DbError(dberr::EngineFailure, "Cannot " + std::string(doing) + ": the disk holding " + where() + " is full.");
  const std::string reason = e.what();
  throw DbError(dberr::EngineFailure,
                "Cannot " + std::string(doing) + " in " + where() + (reason.empty() ? "." : ": " + reason));
}

// ---------------------------------------------------------------- Database

namespace {

// Without the engine's memory statistics, which nothing reads: they take one lock for the whole
// program on every allocation, so threads reading files of their own would wait on each other.
// Only possible before the engine's first use; later it is refused and changes nothing.
void configureEngine() {
  static const int once = sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0);
  static_cast<void>(once);
}

// A connection is only ever used by the thread that opened it: no locking per call.
void connect(Connection& c, int flags) {
  configureEngine();
  c.db.reset();
  c.db = std::make_unique<SQLite::Database>(c.path.string(), flags | SQLITE_OPEN_NOMUTEX);
  c.db->setBusyTimeout(2000);
  c.tables = sharedTablesOf(*c.db);
}

// Why a file that may well be there cannot be opened, in the one wording every caller shows;
// nothing when it is simply missing.
std::optional<DbError> unreachable(const Connection& c, const std::filesystem::file_status& status,
                                   const std::error_code& ec) {
  namespace fs = std::filesystem;
  if (ec == std::errc::permission_denied ||
      (!ec && fs::is_regular_file(status) && access(c.path.c_str(), R_OK) != 0 && (errno == EACCES || errno == EPERM)))
    return DbError(dberr::CannotOpen, c.where() + " cannot be read: permission denied.");
  if (!ec || ec == std::errc::no_such_file_or_directory || ec == std::errc::not_a_directory) return std::nullopt;
  std::string why = ec.message();
  if (!why.empty() && why[0] >= 'A' && why[0] <= 'Z') why[0] = static_cast<char>(why[0] - 'A' + 'a');
  // Numbered as missing, since callers tell a missing file apart from one that is not ours.
  return DbError(dberr::FileNotFound, c.where() + " cannot be reached: " + why + ".");
}

// What keeps a layout from being ours, found once for every file that shares the layout.
const std::optional<std::string>& foreignLayoutOf(const std::shared_ptr<const std::vector<Table>>& tables) {
  static std::mutex guard;
  static std::unordered_map<const std::vector<Table>*, std::optional<std::string>> known;
  const std::lock_guard lock(guard);
  auto it = known.find(tables.get());
  if (it == known.end()) it = known.emplace(tables.get(), foreignLayout(*tables)).first;
  return it->second;
}

}  // namespace

Database::Database(const std::filesystem::path& path, Mode mode) : m_impl(std::make_shared<Connection>()) {
  m_impl->path = path;
  std::error_code ec;
  const std::filesystem::file_status status = std::filesystem::status(path, ec);  // one look for every check
  if (auto failure = unreachable(*m_impl, status, ec)) throw *failure;
  if (!std::filesystem::exists(status))
    throw DbError(dberr::FileNotFound, "Could not find file " + m_impl->where() + ".");
  if (!std::filesystem::is_regular_file(status))
    throw DbError(dberr::NotADatabase, m_impl->where() + " is not a database file.");
  try {
    try {
      connect(*m_impl, mode == Mode::ReadOnly ? SQLite::OPEN_READONLY : SQLite::OPEN_READWRITE);
    } catch (const SQLite::Exception& e) {
      if (e.getExtendedErrorCode() != SQLITE_READONLY_ROLLBACK) throw;
      // A save cut short (the program killed, the power lost) left its journal behind. Only a
      // connection that may write rolls it back; then the file reads as it was before that save.
      connect(*m_impl, SQLite::OPEN_READWRITE);
      connect(*m_impl, SQLite::OPEN_READONLY);
    }
  } catch (const SQLite::Exception& e) {
    m_impl->db.reset();
    if (e.getExtendedErrorCode() == SQLITE_READONLY_ROLLBACK)
      throw DbError(dberr::ReadOnly, "The last save of " + m_impl->where() +
                                         " was cut short and cannot be rolled back: the file or its folder is "
                                         "read-only (" +
                                         e.what() + ").");
    if (inUse(e.getErrorCode() & 0xff)) throw DbError(dberr::InUse, m_impl->where() + " is in use by another program.");
    throw DbError(dberr::NotADatabase,
                  withReason(m_impl->where() + " is not a YardMark database or is damaged", e.what()) + ".");
  }
  if (m_impl->tables->empty()) {
    m_impl->db.reset();
    throw DbError(dberr::NotADatabase, m_impl->where() + " is not a YardMark database: it holds no tables.");
  }
  // Read by ordinal, a foreign table of the same name would yield other figures without a word.
  if (const auto& foreign = foreignLayoutOf(m_impl->tables)) {
    m_impl->db.reset();
    throw DbError(dberr::NotADatabase, m_impl->where() + " " + *foreign + ".");
  }
  if (mode == Mode::Scratch) m_impl->db->exec("PRAGMA synchronous = OFF");
}

Database::~Database() = default;
Database::Database(Database&&) noexcept = default;
Database& Database::operator=(Database&&) noexcept = default;

const std::filesystem::path& Database::path() const { return m_impl->path; }

bool Database::hasTable(std::string_view table) const {
  return m_impl && m_impl->tables && findTable(*m_impl->tables, table) != nullptr;
}

void Database::addLaterLayout(DatabaseKind kind) {
  try {
    SQLite::Transaction adding(*m_impl->db);
    if (!yardmark::addLaterLayout(*m_impl->db, kind)) return;
    adding.commit();
  } catch (const SQLite::Exception& e) {
    throw DbError(dberr::EngineFailure, "Cannot add the newer tables to " + m_impl->where() + ": " + e.what() + ".");
  }
  m_impl->statements.clear();
  m_impl->tables = sharedTablesOf(*m_impl->db);
}

std::pair<const Table*, Query> Connection::parse(std::string_view text) const {
  auto q = parseQuery(text);
  if (!q) throw DbError(dberr::BadQuery, "Query text not understood: '" + std::string(text) + "'.");
  const Table* t = findTable(*tables, q->table);
  if (!t)
    throw DbError(dberr::NoSuchTable,
                  "The table '" + q->table + "' does not exist in " + where() + ": it is not a YardMark database.");
  return {t, std::move(*q)};
}

std::pair<const Table*, std::string> Connection::select(std::string_view text) const {
  const auto [table, query] = parse(text);
  return {table, selectSql(query, *table)};
}

Recordset Database::openRecordset(std::string_view text) {
  auto [table, sql] = m_impl->select(text);
  return Recordset(m_impl, *table, sql);
}

// Straight on the engine: a row set's statement wrapper costs more per cell than the cell itself.
std::vector<Database::Row> Database::readRows(std::string_view text) {
  const auto [table, sql] = m_impl->select(text);
  const std::vector<Column>& columns = table->columns;
  sqlite3* handle = m_impl->conn().getHandle();
  std::vector<Row> rows;
  try {
    sqlite3_stmt* raw = nullptr;
    int rc = sqlite3_prepare_v2(handle, sql.c_str(), static_cast<int>(sql.size() + 1), &raw, nullptr);
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> st(raw, sqlite3_finalize);
    if (rc != SQLITE_OK) throw SQLite::Exception(handle, rc);
    while ((rc = sqlite3_step(raw)) == SQLITE_ROW) {
      Row& row = rows.emplace_back(Row{sqlite3_column_int64(raw, 0), {}});
      row.fields.reserve(columns.size() - 1);
      for (size_t i = 1; i < columns.size(); ++i)
        row.fields.push_back(valueOf(raw, table->resultColumn(i), columns[i].kind));
    }
    if (rc != SQLITE_DONE) throw SQLite::Exception(handle, rc);
  } catch (const SQLite::Exception& e) {
    m_impl->fail(e, "read the table '" + table->name + "'");
  }
  return rows;
}

void Database::appendRows(std::string_view text, const std::vector<std::vector<Value>>& rows) {
  const Table& table = *m_impl->parse(text).first;
  const std::vector<Column>& columns = table.columns;
  try {
    Connection::Prepared st(*m_impl, insertSql(table));
    for (const std::vector<Value>& row : rows) {
      for (size_t i = 1; i < columns.size(); ++i)
        bindValue(*st, static_cast<int>(i), i <= row.size() ? row[i - 1] : Value{}, columns[i].kind);
      st->exec();
      st->reset();
    }
  } catch (const SQLite::Exception& e) {
    m_impl->fail(e, "save the row of '" + table.name + "'");
  }
}

void Database::deleteRows(std::string_view text) {
  const auto [table, query] = m_impl->parse(text);
  try {
    m_impl->conn().exec(deleteSql(query, *table));
  } catch (const SQLite::Exception& e) {
    m_impl->fail(e, "delete the row of '" + table->name + "'");
  }
}

Database::Transaction::Transaction(Database& db) : m_db(&db) {
  try {
    m_db->m_impl->conn().exec("BEGIN IMMEDIATE");
  } catch (const SQLite::Exception& e) {
    m_db->m_impl->fail(e, "start writing");
  }
}

Database::Transaction::~Transaction() {
  if (m_done) return;
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

}  // namespace yardmark
