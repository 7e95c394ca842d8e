#pragma once
// The query texts the program uses, and nothing else:
//   select * from T [WHERE column=Yes|No] [ORDER BY column]
// in any letter case. Values are never part of a query, so nothing typed can reach the SQL.
#include <optional>
#include <string>
#include <string_view>

#include "core/db/Schema.h"

namespace yardmark {

struct Query {
  std::string table;
  std::optional<std::string> whereColumn;
  bool whereYes = true;
  std::optional<std::string> orderColumn;
};

// The query a text asks for; nullopt when the text is outside the grammar.
std::optional<Query> parseQuery(std::string_view text);

// The SQL that reads the query's rows from its table, each row led by its rowid (result column 0,
// then the columns as Table::resultColumn gives them). Throws
// DbError NoSuchField when a column the query names is not in the table.
std::string selectSql(const Query& query, const Table& table);
// The SQL that deletes the query's rows.
std::string deleteSql(const Query& query, const Table& table);

}  // namespace yardmark
