#include "core/db/Database.h"

#include <sqlite3.h>

#include "core/db/Connection.h"
#include "core/db/QueryGrammar.h"

namespace yardmark {

// ---------------------------------------------------------------- Connection

// Appended, not prefixed: GCC 12 at -O3 warns (-Wrestrict) on a text prefixed to a temporary.
std::string Connection::where() const {
  std::string quoted(1, '\'');
  return quoted.append(path.string()).append(1, '\'');
}

SQLite::Database& Connection::conn() {
  if (!db) throw DbError(dberr::EngineFailure, "The database " + where() + " is closed.");
  return *db;
}

void Connection::fail(const std::exception& e, std::string_view doing) const {
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

// ---------------------------------------------------------------- Database

namespace {

// A connection is only ever used by the thread that opened it: no locking per call.
void connect(Connection& c, int flags) {
  c.db.reset();
  c.db = std::make_unique<SQLite::Database>(c.path.string(), flags | SQLITE_OPEN_NOMUTEX);
  c.db->setBusyTimeout(2000);
  c.tables = tablesOf(*c.db);
}

}  // namespace

Database::Database(const std::filesystem::path& path, Mode mode) : m_impl(std::make_shared<Connection>()) {
  m_impl->path = path;
  std::error_code ec;
  if (!std::filesystem::exists(path, ec))
    throw DbError(dberr::FileNotFound, "Could not find file " + m_impl->where() + ".");
  if (!std::filesystem::is_regular_file(path, ec))
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

bool Database::hasTable(std::string_view table) const {
  return m_impl && findTable(m_impl->tables, table) != nullptr;
}

Recordset Database::openRecordset(std::string_view text) {
  if (!isOpen()) throw DbError(dberr::EngineFailure, "The database " + m_impl->where() + " is closed.");
  const auto q = parseQuery(text);
  if (!q) throw DbError(dberr::BadQuery, "Query text not understood: '" + std::string(text) + "'.");
  const Table* t = findTable(m_impl->tables, q->table);
  if (!t)
    throw DbError(dberr::NoSuchTable,
                  "The table '" + q->table + "' does not exist in " + m_impl->where() + ": it is not a YardMark database.");
  return Recordset(m_impl, *t, selectSql(*q, *t));
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

}  // namespace yardmark
