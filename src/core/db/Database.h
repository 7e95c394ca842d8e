#pragma once
// The database layer every form and the report use: a database file, row sets opened
// from the system's own query texts, fields by ordinal or by name.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/db/Value.h"

namespace SQLite {
class Database;
}

namespace yardmark {

// Error numbers callers tell apart.
namespace dberr {
inline constexpr int NoCurrentRecord = 3021;   // a move or field access with no current row
inline constexpr int FileNotFound = 3024;      // opening a missing database file
inline constexpr int UpdateWithoutEdit = 3020; // Update or a field write without AddNew/Edit
inline constexpr int ReadOnly = 3027;          // the file or row set cannot be written
inline constexpr int NoSuchTable = 3078;       // the query names a table the file lacks
inline constexpr int NoSuchField = 3265;       // a field name or ordinal the row set lacks
inline constexpr int BadQuery = 3131;          // a query text outside the accepted grammar
inline constexpr int NotADatabase = 3343;      // a file that is not one of our databases
inline constexpr int EngineFailure = 3197;     // anything else the engine reports
}  // namespace dberr

class DbError : public std::runtime_error {
public:
  DbError(int number, std::string description)
      : std::runtime_error(description), m_number(number), m_description(std::move(description)) {}
  int number() const { return m_number; }
  const std::string& description() const { return m_description; }

private:
  int m_number;
  std::string m_description;
};

class Recordset;

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

  struct Impl;

private:
  std::shared_ptr<Impl> m_impl;
};

class Recordset {
public:
  Recordset() = default;
  ~Recordset();
  Recordset(Recordset&&) noexcept;
  Recordset& operator=(Recordset&&) noexcept;

  long recordCount() const;
  bool isEOF() const;
  bool isBOF() const;
  bool hasCurrent() const;

  void moveFirst();
  void moveLast();
  void moveNext();
  void movePrevious();
  void move(long rows);

  // The current row's key; it stays valid when the row set is opened again, so a form can
  // find the row it shows after another form's save reopened every view.
  std::int64_t bookmark() const;
  // Makes the row with that key current; DbError 3021 when the row set no longer holds it.
  void moveToBookmark(std::int64_t bookmark);

  void addNew();
  void edit();
  void update();
  void cancelUpdate();
  void deleteRow();

  int fieldCount() const;
  std::string fieldName(int ordinal) const;
  Value field(int ordinal) const;
  Value field(std::string_view name) const;
  void setField(int ordinal, const Value& v);
  void setField(std::string_view name, const Value& v);

  bool isOpen() const { return m_state != nullptr; }
  void close();

  struct State;

private:
  friend class Database;
  explicit Recordset(std::unique_ptr<State> s);
  std::unique_ptr<State> m_state;
};

}  // namespace yardmark
