#pragma once
// A row set: the rows a query text selects, kept with their rowids, a current row, and one row
// at a time added, edited or deleted. Fields by ordinal (column order) or by name (any case).
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "core/db/DbError.h"
#include "core/db/Value.h"

namespace yardmark {

class Connection;
struct Table;

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
  Value field(int ordinal) const;
  Value field(std::string_view name) const;
  void setField(int ordinal, const Value& v);
  void setField(std::string_view name, const Value& v);

  bool isOpen() const { return m_state != nullptr; }
  void close();

  struct State;

 private:
  friend class Database;
  // Reads the rows `sql` selects (each led by its rowid) from one table of the connection.
  Recordset(std::shared_ptr<Connection> connection, const Table& table, const std::string& sql);
  std::unique_ptr<State> m_state;
};

}  // namespace yardmark
