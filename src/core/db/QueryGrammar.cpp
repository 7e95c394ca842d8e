#include "core/db/QueryGrammar.h"

#include "core/db/DbError.h"
#include "core/text/CaseFold.h"

namespace yardmark {

namespace {

// Reads a query text from the left: blanks, the grammar's words in any letter case, names.
class Scan {
 public:
  explicit Scan(std::string_view text) : m_s(text) {}

  bool blanks() {
    const size_t from = m_i;
    while (m_i < m_s.size() && isBlank(m_s[m_i])) ++m_i;
    return m_i > from;
  }
  // A word of the grammar followed by at least one blank; nothing is taken when it is not there.
  bool word(std::string_view w) {
    const size_t from = m_i;
    if (m_s.size() - m_i >= w.size() && equalsIgnoringCase(m_s.substr(m_i, w.size()), w)) {
      m_i += w.size();
      if (blanks()) return true;
    }
    m_i = from;
    return false;
  }
  bool next(char c) {
    if (m_i == m_s.size() || m_s[m_i] != c) return false;
    ++m_i;
    return true;
  }
  // A table or column name: a letter or "_", then letters, digits and "_"; empty when none.
  std::string name() {
    const size_t from = m_i;
    if (m_i < m_s.size() && isStart(m_s[m_i]))
      while (m_i < m_s.size() && (isStart(m_s[m_i]) || (m_s[m_i] >= '0' && m_s[m_i] <= '9'))) ++m_i;
    return std::string(m_s.substr(from, m_i - from));
  }
  bool atEnd() const { return m_i == m_s.size(); }

 private:
  static bool isBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
  static bool isStart(char c) { return (lowerAscii(c) >= 'a' && lowerAscii(c) <= 'z') || c == '_'; }
  std::string_view m_s;
  size_t m_i = 0;
};

// select * from T [where C = yes|no] [order by C] [;]
bool parseWhere(Scan& in, Query& q) {
  q.whereColumn = in.name();
  in.blanks();
  if (q.whereColumn->empty() || !in.next('=')) return false;
  in.blanks();
  const std::string answer = in.name();
  q.whereYes = equalsIgnoringCase(answer, "yes");
  return q.whereYes || equalsIgnoringCase(answer, "no");
}

std::optional<Query> parseQueryText(std::string_view text) {
  Scan in(text);
  in.blanks();
  Query q;
  if (!in.word("select") || !in.next('*') || !in.blanks() || !in.word("from")) return std::nullopt;
  q.table = in.name();
  if (q.table.empty()) return std::nullopt;
  bool spaced = in.blanks();
  if (spaced && in.word("where")) {
    if (!parseWhere(in, q)) return std::nullopt;
    spaced = in.blanks();
  }
  if (spaced && in.word("order")) {
    if (!in.word("by") || (q.orderColumn = in.name())->empty()) return std::nullopt;
  }
  in.blanks();
  in.next(';');
  in.blanks();
  if (!in.atEnd()) return std::nullopt;
  return q;
}

// The table's spelling of a column the query names.
const std::string& columnName(const Table& table, const std::string& name) {
  const auto ordinal = columnOf(table, name);
  if (!ordinal) throw DbError(dberr::NoSuchField, "Item '" + name + "' not found in table '" + table.name + "'.");
  return table.columns[static_cast<size_t>(*ordinal)].name;
}

}  // namespace

std::optional<Query> parseQuery(std::string_view text) { return parseQueryText(text); }

namespace {

std::string whereSql(const Query& query, const Table& table) {
  if (!query.whereColumn) return {};
  const std::string col = sqlName(columnName(table, *query.whereColumn));
  return " WHERE " + (query.whereYes ? col + " <> 0" : col + " = 0");
}

}  // namespace

std::string selectSql(const Query& query, const Table& table) {
  // Unsorted, the rows come in the order they were added: a scan of the table itself, which
  // costs the engine less to plan than the same order asked for.
  const std::string select = "SELECT " + std::string(table.selectList()) + " FROM " + sqlName(table.name);
  if (!query.orderColumn) return select + " NOT INDEXED" + whereSql(query, table);
  return select + whereSql(query, table) + " ORDER BY " + sqlName(columnName(table, *query.orderColumn)) +
         " COLLATE NOCASE, rowid";
}

std::string deleteSql(const Query& query, const Table& table) {
  // Always with a condition, so the engine deletes row by row rather than clearing the table:
  // a table with no rows is then not written at all, and neither is a file with nothing to delete.
  const std::string where = whereSql(query, table);
  return "DELETE FROM " + sqlName(table.name) + (where.empty() ? " WHERE 1" : where);
}

}  // namespace yardmark
