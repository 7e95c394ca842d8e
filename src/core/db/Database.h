#pragma once
// The database layer every form and the report use: a database file, row sets opened
// from the system's own query texts, fields by ordinal or by name.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string_view>
#include <vector>

#include "core/db/DbError.h"
#include "core/db/Recordset.h"
#include "core/db/Schema.h"
#include "core/db/Value.h"

namespace yardmark {

class Database {
 public:
  // Scratch writes as ReadWrite but never waits for the disk: for a file that holds nothing worth
  // keeping. A killed program still leaves it whole; only a crash of the machine may not.
  enum class Mode { ReadWrite, ReadOnly, Scratch };

  // Opens an existing database file; never creates one. Read-only never changes the rows, but a
  // save that was cut short is rolled back first, in either mode.
  explicit Database(const std::filesystem::path& path, Mode mode = Mode::ReadWrite);
  ~Database();
  Database(Database&&) noexcept;
  Database& operator=(Database&&) noexcept;

  Recordset openRecordset(std::string_view query);

  // A row as a reader that never moves, edits or writes gets it: the key and the fields after it.
  struct Row {
    std::int64_t key = 0;
    std::vector<Value> fields;  // fields[0] is ordinal 1
  };
  // Every row the query text selects, in the order a row set would hold them, read straight off
  // the file without a row set's buffers.
  std::vector<Row> readRows(std::string_view query);
  // Appends rows to the query's table, each holding the fields after the key (missing ones left
  // without a value), stored as a row set's addNew and update would store them.
  void appendRows(std::string_view query, const std::vector<std::vector<Value>>& rows);
  // Deletes every row the query text selects.
  void deleteRows(std::string_view query);
  bool hasTable(std::string_view table) const;
  // Adds what a file written before lacks of the tables and columns added later (see Schema.h),
  // in one transaction; row sets opened before do not see the new columns.
  void addLaterLayout(DatabaseKind kind);
  const std::filesystem::path& path() const;

  // Groups many row writes into one commit; rolled back unless commit() is called.
  class Transaction {
   public:
    explicit Transaction(Database& db);
    ~Transaction();
    void commit();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

   private:
    Database* m_db;
    bool m_done = false;
  };

 private:
  std::shared_ptr<Connection> m_impl;
};

}  // namespace yardmark
