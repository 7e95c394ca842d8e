#pragma once
// An open database file as the parts of the database layer share it: the connection, the file's
// table layouts and the statements prepared on it. Only core/db includes this.
#include <SQLiteCpp/SQLiteCpp.h>

#include <exception>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/db/QueryGrammar.h"
#include "core/db/Schema.h"
#include "core/db/Value.h"

namespace yardmark {

class Connection {
 public:
  std::filesystem::path path;
  std::unique_ptr<SQLite::Database> db;
  std::shared_ptr<const std::vector<Table>> tables;  // never null once opened
  // Statements run once per row (insert, update, delete, read back) are prepared once per
  // connection; declared after db, so they are finalized before it closes.
  std::unordered_map<std::string, std::unique_ptr<SQLite::Statement>> statements;

  // A prepared statement, reset for its next use when the holder goes.
  class Prepared {
   public:
    Prepared(Connection& c, const std::string& sql) {
      auto& st = c.statements[sql];
      if (!st) st = std::make_unique<SQLite::Statement>(c.conn(), sql);
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

  // The file's name as messages quote it.
  std::string where() const;
  // The open connection; DbError when the database was closed.
  SQLite::Database& conn();
  // The table and the SQL a query text reads; DbError when either is not in this file.
  std::pair<const Table*, std::string> select(std::string_view query) const;
  // The table a query text reads and the query; DbError as select.
  std::pair<const Table*, Query> parse(std::string_view query) const;
  // Turns an engine failure while `doing` something into the DbError the caller is shown.
  [[noreturn]] void fail(const std::exception& e, std::string_view doing) const;
};

// A stored value as the program reads it from a column of the given kind.
Value valueOf(const SQLite::Column& column, ColumnKind kind);
Value valueOf(sqlite3_stmt* statement, int column, ColumnKind kind);
// A value bound to a statement's parameter as a column of the given kind stores it.
void bindValue(SQLite::Statement& st, int index, const Value& v, ColumnKind kind);
// The statement that adds a row with every column after the key to a table.
std::string insertSql(const Table& table);

}  // namespace yardmark
