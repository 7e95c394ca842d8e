#include "core/db/QueryGrammar.h"

#include <cctype>
#include <mutex>
#include <regex>
#include <unordered_map>

#include "core/db/DbError.h"
#include "core/text/CaseFold.h"

namespace yardmark {

namespace {

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
    q.whereYes = lowerAscii(m[4].str().front()) == 'y';
  }
  if (m[5].matched) q.orderColumn = m[6].str();
  return q;
}

// The table's spelling of a column the query names.
const std::string& columnName(const Table& table, const std::string& name) {
  const auto ordinal = columnOf(table, name);
  if (!ordinal) throw DbError(dberr::NoSuchField, "Item '" + name + "' not found in table '" + table.name + "'.");
  return table.columns[static_cast<size_t>(*ordinal)].name;
}

}  // namespace

// The program uses a handful of query texts, each many times over.
std::optional<Query> parseQuery(std::string_view text) {
  static std::mutex guard;
  static std::unordered_map<std::string, std::optional<Query>> known;
  const std::lock_guard lock(guard);
  auto it = known.find(std::string(text));
  if (it == known.end()) it = known.emplace(std::string(text), parseQueryText(text)).first;
  return it->second;
}

namespace {

std::string whereSql(const Query& query, const Table& table) {
  if (!query.whereColumn) return {};
  const std::string col = sqlName(columnName(table, *query.whereColumn));
  return " WHERE " + (query.whereYes ? col + " <> 0" : col + " = 0");
}

}  // namespace

std::string selectSql(const Query& query, const Table& table) {
  std::string sql = "SELECT rowid, * FROM " + sqlName(table.name) + whereSql(query, table);
  if (query.orderColumn)
    sql += " ORDER BY " + sqlName(columnName(table, *query.orderColumn)) + " COLLATE NOCASE, rowid";
  else
    sql += " ORDER BY rowid";
  return sql;
}

std::string deleteSql(const Query& query, const Table& table) {
  return "DELETE FROM " + sqlName(table.name) + whereSql(query, table);
}

}  // namespace yardmark
