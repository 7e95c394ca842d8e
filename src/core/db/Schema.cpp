#include "core/db/Schema.h"

#include <SQLiteCpp/SQLiteCpp.h>

#include <algorithm>
#include <cctype>
#include <mutex>
#include <unordered_map>

#include "core/text/CaseFold.h"

namespace yardmark {

namespace embedded {
extern const std::string_view schema_sql;
}

namespace {

bool sameNoCase(std::string_view a, std::string_view b) { return equalsIgnoringCase(a, b); }

std::string lower(const std::string& s) { return lowerAscii(s); }

ColumnKind kindOf(const std::string& declared, bool key) {
  const std::string type = lower(declared);
  if (key) return ColumnKind::Key;
  if (type.find("char") != std::string::npos || type.find("text") != std::string::npos) return ColumnKind::Text;
  if (type.find("int") != std::string::npos || type.find("bool") != std::string::npos) return ColumnKind::YesNo;
  return ColumnKind::Number;
}

// Only an INTEGER PRIMARY KEY is the rowid, and AUTOINCREMENT is refused on any other key, so a
// lone key first, declared INTEGER, in a table made with AUTOINCREMENT is the rowid.
bool keyIsRowid(const Table& t, const std::string& keyType, const std::string& createSql) {
  const auto keys =
      std::count_if(t.columns.begin(), t.columns.end(), [](const Column& c) { return c.kind == ColumnKind::Key; });
  return keys == 1 && t.columns.front().kind == ColumnKind::Key && lower(keyType) == "integer" &&
         lower(createSql).find("autoincrement") != std::string::npos;
}

std::vector<Table> readLayouts(SQLite::Database& db) {
  std::vector<Table> tables;
  std::vector<std::pair<std::string, std::string>> keyTypeAndSql;
  SQLite::Statement info(
      db,
      "SELECT m.name, p.name, p.type, p.pk, m.sql FROM sqlite_master AS m, pragma_table_info(m.name) AS p "
      "WHERE m.type = 'table' AND m.name NOT LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY m.rowid, p.cid");
  while (info.executeStep()) {
    const std::string table = info.getColumn(0).getString();
    if (tables.empty() || tables.back().name != table) {
      tables.push_back({table, {}});
      keyTypeAndSql.emplace_back(info.getColumn(2).getString(), info.getColumn(4).getString());
    }
    tables.back().columns.push_back(
        {info.getColumn(1).getString(), kindOf(info.getColumn(2).getString(), info.getColumn(3).getInt() != 0)});
  }
  for (size_t i = 0; i < tables.size(); ++i)
    tables[i].keyIsRowid = keyIsRowid(tables[i], keyTypeAndSql[i].first, keyTypeAndSql[i].second);
  return tables;
}

bool isRosterTable(std::string_view name) { return name == "roster"; }

// What the house schema gained after the first files were written: the first column added to
// a table, or 0 where the whole table came later.
struct AddedLater {
  std::string_view table;
  size_t firstColumn;
};
constexpr AddedLater kAddedLater[] = {{"roster", 4}, {"gameDetails", 0}};

void markAddedLater(Table& t) {
  t.required = t.columns.size();
  for (const AddedLater& later : kAddedLater)
    if (t.name == later.table) {
      t.required = later.firstColumn;
      t.addedLater = later.firstColumn == 0;
    }
}

const char* declaredType(ColumnKind kind) {
  switch (kind) {
    case ColumnKind::Text:
      return "TEXT";
    case ColumnKind::YesNo:
      return "INTEGER";
    default:
      return "REAL";
  }
}

// The house schema, read once from the text built into the program.
struct House {
  std::vector<Table> game, roster;
  std::vector<std::string> gameSql, rosterSql;  // each table's CREATE statement
};

const House& house() {
  static const House h = [] {
    House out;
    SQLite::Database db(":memory:", SQLite::OPEN_READWRITE);
    db.exec(std::string(embedded::schema_sql));
    for (Table& t : readLayouts(db)) {
      SQLite::Statement sql(db, "SELECT sql FROM sqlite_master WHERE type = 'table' AND name = ?");
      sql.bind(1, t.name);
      sql.executeStep();
      const bool roster = isRosterTable(t.name);
      markAddedLater(t);
      (roster ? out.rosterSql : out.gameSql).push_back(sql.getColumn(0).getString());
      (roster ? out.roster : out.game).push_back(std::move(t));
    }
    return out;
  }();
  return h;
}

}  // namespace

std::optional<int> columnOf(const Table& table, std::string_view name) {
  for (size_t i = 0; i < table.columns.size(); ++i)
    if (sameNoCase(table.columns[i].name, name)) return static_cast<int>(i);
  return std::nullopt;
}

const Table* findTable(const std::vector<Table>& tables, std::string_view name) {
  for (const auto& t : tables)
    if (sameNoCase(t.name, name)) return &t;
  return nullptr;
}

std::string sqlName(std::string_view ident) {
  std::string r = "\"";
  for (char c : ident) {
    if (c == '"') r += '"';
    r += c;
  }
  return r + "\"";
}

// Every game file is a copy of one template, so layouts are kept by schema text: opening a file
// for a report then costs one statement instead of reading each table's columns again.
std::shared_ptr<const std::vector<Table>> sharedTablesOf(SQLite::Database& db) {
  std::string schema;
  SQLite::Statement st(db, "SELECT sql FROM sqlite_master WHERE type = 'table' ORDER BY rowid");
  while (st.executeStep()) schema += st.getColumn(0).getString() + '\n';
  static std::mutex guard;
  static std::unordered_map<std::string, std::shared_ptr<const std::vector<Table>>> known;
  {
    const std::lock_guard lock(guard);
    if (auto it = known.find(schema); it != known.end()) return it->second;
  }
  auto tables = std::make_shared<const std::vector<Table>>(readLayouts(db));
  const std::lock_guard lock(guard);
  return known.emplace(std::move(schema), std::move(tables)).first->second;
}

std::vector<Table> tablesOf(SQLite::Database& db) { return *sharedTablesOf(db); }

const std::vector<Table>& houseTables(DatabaseKind kind) {
  return kind == DatabaseKind::Roster ? house().roster : house().game;
}

namespace {

std::optional<std::string> differs(const Table& file, const Table& house) {
  for (size_t i = 0; i < house.columns.size(); ++i) {
    const std::string& wanted = house.columns[i].name;
    if (i >= file.columns.size() && i >= house.required) break;  // written before the column was added
    if (i >= file.columns.size()) return "lacks the column '" + wanted + "'";
    if (!sameNoCase(file.columns[i].name, wanted))
      return "has '" + file.columns[i].name + "' where the column '" + wanted + "' belongs";
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> foreignLayout(const std::vector<Table>& tables) {
  for (const DatabaseKind kind : {DatabaseKind::Game, DatabaseKind::Roster})
    for (const Table& ours : houseTables(kind)) {
      const Table* theirs = findTable(tables, ours.name);
      if (!theirs) continue;  // a missing table is told when it is asked for
      if (const auto problem = differs(*theirs, ours))
        return std::string("is not a YardMark ") + (kind == DatabaseKind::Game ? "game" : "roster") +
               " file: its table '" + theirs->name + "' " + *problem;
    }
  return std::nullopt;
}

void createHouseTables(SQLite::Database& db, DatabaseKind kind) {
  for (const std::string& sql : kind == DatabaseKind::Roster ? house().rosterSql : house().gameSql) db.exec(sql);
}

bool addLaterLayout(SQLite::Database& db, DatabaseKind kind) {
  const std::vector<Table> present = readLayouts(db);
  const std::vector<Table>& ours = houseTables(kind);
  const std::vector<std::string>& creates = kind == DatabaseKind::Roster ? house().rosterSql : house().gameSql;
  bool changed = false;
  for (size_t t = 0; t < ours.size(); ++t) {
    const Table* theirs = findTable(present, ours[t].name);
    if (!theirs) {
      if (!ours[t].addedLater) continue;  // not ours to make: opening tells what is missing
      db.exec(creates[t]);
      changed = true;
      continue;
    }
    for (size_t c = theirs->columns.size(); c < ours[t].columns.size(); ++c) {
      const Column& column = ours[t].columns[c];
      db.exec("ALTER TABLE " + sqlName(theirs->name) + " ADD COLUMN " + sqlName(column.name) + " " +
              declaredType(column.kind));
      changed = true;
    }
  }
  return changed;
}

}  // namespace yardmark
