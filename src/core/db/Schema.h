#pragma once
// Table layouts: those of an open database file, and those of the house schema (data/schema.sql)
// that every new game file, temporary database and roster is made from.
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace SQLite {
class Database;
}

namespace yardmark {

enum class ColumnKind { Key, Number, Text, YesNo };

struct Column {
  std::string name;
  ColumnKind kind;
};

struct Table {
  std::string name;
  std::vector<Column> columns;  // ordinal 0 is the key
  // Of the house schema's tables only: the columns every file of ours has, the key included. The
  // rest were added later, after the names, and a file written before lacks them until its first
  // write. A table added later whole may be missing from a file altogether.
  size_t required = 0;
  bool addedLater = false;
  // The key is the rowid itself (an INTEGER PRIMARY KEY AUTOINCREMENT, as the house schema has
  // it), so a row is read without asking for its rowid apart.
  bool keyIsRowid = false;

  // What a read selects: the row's rowid first, then every column.
  std::string_view selectList() const { return keyIsRowid ? "*" : "rowid, *"; }
  // The result column of a column ordinal when read by selectList; the rowid is result column 0.
  int resultColumn(size_t ordinal) const { return static_cast<int>(ordinal) + (keyIsRowid ? 0 : 1); }
};

// The ordinal of a column, found regardless of letter case.
std::optional<int> columnOf(const Table& table, std::string_view name);
// A table found regardless of letter case; nullptr when there is none.
const Table* findTable(const std::vector<Table>& tables, std::string_view name);
// A table or column name quoted for SQL text.
std::string sqlName(std::string_view ident);

// The tables of an open database file and their columns, in the order the file made them.
std::vector<Table> tablesOf(SQLite::Database& db);
// The same, shared by every file of the same layout: opening a game file copies no names.
std::shared_ptr<const std::vector<Table>> sharedTablesOf(SQLite::Database& db);

// A game file (and the temporary database) holds the game tables; the roster file the roster.
enum class DatabaseKind { Game, Roster };

// The house schema's tables for one kind of file, in schema order.
const std::vector<Table>& houseTables(DatabaseKind kind);
// What keeps the file's tables from being ours ("is not a YardMark game file: its table ..."): a
// table named as one of the house schema's whose columns are not the schema's, in its order.
// Nothing when every such table is as the schema has it.
std::optional<std::string> foreignLayout(const std::vector<Table>& tables);
// Creates the house schema's tables for one kind of file on an empty database.
void createHouseTables(SQLite::Database& db, DatabaseKind kind);
// Gives a file written before the tables and columns added later what it lacks of them, for its
// kind, without touching a row. True when it changed the file. The caller holds the transaction.
bool addLaterLayout(SQLite::Database& db, DatabaseKind kind);

}  // namespace yardmark
