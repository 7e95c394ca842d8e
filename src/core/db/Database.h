#pragma once
// The database layer every form and the report use: a database file, row sets opened
// from the system's own query texts, fields by ordinal or by name.
#include <filesystem>
#include <memory>
#include <string_view>
#include <vector>

#include "core/db/DbError.h"
#include "core/db/Recordset.h"
#include "core/db/Value.h"

namespace yardmark {

class Database {
public:
  enum class Mode { ReadWrite, ReadOnly };

  // Opens an existing database file; never creates one. Read-only never changes the rows, but a
  // save that was cut short is rolled back first, in either mode.
  explicit Database(const std::filesystem::path& path, Mode mode = Mode::ReadWrite);
  ~Database();
  Database(Database&&) noexcept;
  Database& operator=(Database&&) noexcept;

  Recordset openRecordset(std::string_view query);
  bool hasTable(std::string_view table) const;
  void close();
  bool isOpen() const;
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
