#include "support/ReportFixture.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <sys/wait.h>

#include <cstdio>

#include "core/files/DataTree.h"
#include "core/games/GameTables.h"

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

namespace {
std::string quoted(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q += '\'';
}
}  // namespace

ProgramRun runIn(const fs::path& cwd, const fs::path& exe, const std::vector<std::string>& args) {
  const fs::path errFile = cwd / ".stderr.txt";
  std::string cmd = std::string("cd ").append(quoted(cwd.string())).append(" && ").append(quoted(exe.string()));
  for (const auto& a : args) cmd.append(" ").append(quoted(a));
  cmd.append(" 2>").append(quoted(errFile.string()));
  ProgramRun r{};
  FILE* p = popen(cmd.c_str(), "r");
  char buf[4096];
  while (size_t n = fread(buf, 1, sizeof buf, p)) r.out.append(buf, n);
  const int status = pclose(p);
  r.exit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  r.err = readBytes(errFile);
  fs::remove(errFile);
  return r;
}

}  // namespace yardmark::test
