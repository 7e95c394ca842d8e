#pragma once
// Small game files and temporary databases for the report tests.
#include <memory>
#include <ostream>
#include <string_view>
#include <vector>

#include "core/db/Database.h"
#include "support/TempRoot.h"

namespace yardmark {
// Readable values in test failure messages.
void PrintTo(const Value& v, std::ostream* os);
}  // namespace yardmark

namespace yardmark::test {

using Row = std::vector<Value>;  // data fields from ordinal 1

struct GameRows {
  std::vector<Row> header = {}, quarter = {}, teamStats = {}, rushing = {}, passing = {}, receiving = {}, scoring = {},
                   defense = {};
};

// Appends rows to a table of an existing database file.
void addRows(const std::filesystem::path& db, std::string_view table, const std::vector<Row>& rows);
void addGameRows(const std::filesystem::path& db, const GameRows& rows);
// A game file below the root (a copy of the template) holding the rows.
std::filesystem::path makeGame(const TempRoot& root, const std::string& relative, const GameRows& rows);
// All rows of a table, data fields only, in stored order.
std::vector<Row> readRows(const std::filesystem::path& db, std::string_view table);
long rowCount(const std::filesystem::path& db, std::string_view table);
long totalRows(const std::filesystem::path& db);

// From now on no header row of the database can be deleted, as when another program holds it.
void refuseHeaderDeletes(const std::filesystem::path& db);

// A header row: own, opp, year, number, won, lost.
Row headerRow(std::string own, std::string opp, double year, double number, bool won);

// A temporary database filled with the given rows.
struct FilledTmp {
  explicit FilledTmp(const GameRows& rows);
  TempRoot root;
};

// Runs a program in a folder with its arguments as they are; standard output and error apart.
struct ProgramRun {
  int exit;
  std::string out, err;
};
ProgramRun runIn(const std::filesystem::path& cwd, const std::filesystem::path& exe,
                 const std::vector<std::string>& args);

}  // namespace yardmark::test
