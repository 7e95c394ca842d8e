// The named columns against the tables every game file is made from: the house schema built into
// the program and the master template the build lays out.
#include <SQLiteCpp/SQLiteCpp.h>
#include <gtest/gtest.h>

#include "core/games/GameTables.h"
#include "core/text/CaseFold.h"
#include "support/TempRoot.h"

namespace yardmark::test {
namespace {

void expectSameLayout(const std::vector<Table>& stored, const char* source) {
  ASSERT_EQ(stored.size(), static_cast<size_t>(kGameTableCount)) << source;
  for (const GameTableLayout& t : gameTables()) {
    SCOPED_TRACE(std::string(source) + ": " + std::string(t.name));
    const Table& s = stored[static_cast<size_t>(&t - gameTables().data())];
    EXPECT_EQ(s.name, t.name);
    ASSERT_EQ(s.columns.size(), t.fields.size() + 1);
    EXPECT_EQ(s.columns[0].name, t.key);
    EXPECT_EQ(s.columns[0].kind, ColumnKind::Key);
    for (const GameColumn& c : t.fields) {
      EXPECT_EQ(s.columns[static_cast<size_t>(c.ordinal)].name, c.name);
      EXPECT_EQ(s.columns[static_cast<size_t>(c.ordinal)].kind, c.kind) << c.name;
    }
  }
}

TEST(GameSchema, EveryNamedColumnIsWhereTheSchemaAndTheTemplateHoldIt) {
  expectSameLayout(houseTables(DatabaseKind::Game), "schema.sql");
  TempRoot root;
  SQLite::Database master((root.databases() / "yardMark_master.mdb").string(), SQLite::OPEN_READONLY);
  std::vector<Table> stored = tablesOf(master);
  std::erase_if(stored, [](const Table& t) { return t.name == "roster"; });
  expectSameLayout(stored, "master template");
}

TEST(GameSchema, EachQueryTextOpensItsOwnTable) {
  for (const GameTableLayout& t : gameTables()) {
    const std::string table = lowerAscii(std::string(t.name));
    for (const char* query : {t.query, t.sectionQuery, t.reportQuery})
      EXPECT_EQ(lowerAscii(query), "select * from " + table) << query;
  }
}

}  // namespace
}  // namespace yardmark::test
