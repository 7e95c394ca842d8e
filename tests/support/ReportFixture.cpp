#include "support/ReportFixture.h"

#include <SQLiteCpp/SQLiteCpp.h>

#include "core/files/DataTree.h"
#include "core/games/GameTables.h"
#include "core/jet/HelperProcess.h"

namespace fs = std::filesystem;

namespace yardmark {
void PrintTo(const Value& v, std::ostream* os) {
  if (v.isNull())
    *os << "Null";
  else if (v.isText())
    *os << '"' << v.text() << '"';
  else
    *os << textOf(v);
}
}  // namespace yardmark

namespace yardmark::test {

void addRows(const fs::path& db, std::string_view table, const std::vector<Row>& rows) {
  if (rows.empty()) return;
  Database d(db);
  Database::Transaction tx(d);
  Recordset rs = d.openRecordset("select * from " + std::string(table));
  for (const Row& r : rows) {
    rs.addNew();
    for (size_t k = 0; k < r.size(); ++k) rs.setField(static_cast<int>(k + 1), r[k]);
    rs.update();
  }
  tx.commit();
}

void addGameRows(const fs::path& db, const GameRows& g) {
  addRows(db, "header", g.header);
  addRows(db, "quarter", g.quarter);
  addRows(db, "teamStats", g.teamStats);
  addRows(db, "rushing", g.rushing);
  addRows(db, "passing", g.passing);
  addRows(db, "receiving", g.receiving);
  addRows(db, "scoring", g.scoring);
  addRows(db, "defense", g.defense);
}

fs::path makeGame(const TempRoot& root, const std::string& relative, const GameRows& rows) {
  const fs::path p = root.copyTemplate(relative);
  addGameRows(p, rows);
  return p;
}

std::vector<Row> readRows(const fs::path& db, std::string_view table) {
  Database d(db, Database::Mode::ReadOnly);
  Recordset rs = d.openRecordset("select * from " + std::string(table));
  std::vector<Row> out;
  for (; !rs.isEOF(); rs.moveNext()) {
    Row r;
    for (int k = 1; k < rs.fieldCount(); ++k) r.push_back(rs.field(k));
    out.push_back(r);
  }
  return out;
}

long rowCount(const fs::path& db, std::string_view table) {
  Database d(db, Database::Mode::ReadOnly);
  return d.openRecordset("select * from " + std::string(table)).recordCount();
}

long totalRows(const fs::path& db) {
  long n = 0;
  for (const GameTableLayout& t : gameTables()) n += rowCount(db, t.name);
  return n;
}

void refuseHeaderDeletes(const fs::path& db) {
  SQLite::Database(db.string(), SQLite::OPEN_READWRITE)
      .exec("CREATE TRIGGER refuse BEFORE DELETE ON header BEGIN SELECT RAISE(ABORT, 'refused'); END");
}

Row headerRow(std::string own, std::string opp, double year, double number, bool won) {
  return {Value(std::move(own)), Value(std::move(opp)), year, number, won, !won};
}

FilledTmp::FilledTmp(const GameRows& rows) { addGameRows(DataTree(root.dir()).tmpDatabase(), rows); }

// Through the program's own runner of helpers: the shell only changes the folder.
ProgramRun runIn(const fs::path& cwd, const fs::path& exe, const std::vector<std::string>& args) {
  std::vector<std::string> all{"-c", "cd \"$0\" && exec \"$@\"", cwd.string(), exe.string()};
  all.insert(all.end(), args.begin(), args.end());
  const HelperRun run = runHelper("/bin/sh", all, 120000);
  return {run.end == HelperRun::End::Exited ? run.exitCode : -1, run.output, run.errors};
}

}  // namespace yardmark::test
