// The table of the game's tables against the house schema and the files made from it: the
// entry form, the merge and the report reach every field by ordinal, so any drift between
// them shows here first.
#include <gtest/gtest.h>

#include "core/db/Database.h"
#include "core/db/Schema.h"
#include "core/games/GameTables.h"
#include "support/TempRoot.h"

namespace yardmark::test {
namespace {

using Names = std::vector<std::string>;

Names columnsOf(const GameTableLayout& t) {
  Names out{std::string(t.key)};
  for (std::string_view f : t.fields) out.emplace_back(f);
  return out;
}

TEST(GameTables, MatchTheSchemaAndTheTemplates) {
  const std::vector<Table>& schema = houseTables(DatabaseKind::Game);
  ASSERT_EQ(schema.size(), gameTables().size());
  TempRoot root;
  Database master(root.databases() / "yardMark_master.mdb"), tmp(root.databases() / "tmpDB.mdb");
  for (size_t t = 0; t < schema.size(); ++t) {
    const GameTableLayout& ours = gameTables()[t];
    SCOPED_TRACE(std::string(ours.name));
    EXPECT_EQ(schema[t].name, ours.name);
    Names inSchema;
    for (const Column& c : schema[t].columns) inSchema.push_back(c.name);
    EXPECT_EQ(inSchema, columnsOf(ours));
    // The merge finds a player's row by the name, which is text.
    if (ours.merge == MergeRule::RowPerPlayer) {
      EXPECT_EQ(schema[t].columns.back().kind, ColumnKind::Text);
    }
    for (Database* file : {&master, &tmp}) {
      Recordset rs = file->openRecordset(ours.query);
      Names inFile;
      for (int i = 0; i < rs.fieldCount(); ++i) inFile.push_back(rs.fieldName(i));
      EXPECT_EQ(inFile, columnsOf(ours)) << file->path();
    }
  }
  EXPECT_FALSE(master.hasTable("roster"));
  EXPECT_FALSE(tmp.hasTable("roster"));
}

}  // namespace
}  // namespace yardmark::test
