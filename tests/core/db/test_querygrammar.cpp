// The query texts the database layer accepts, and what they select.
#include <gtest/gtest.h>

#include "core/db/Database.h"
#include "support/ReportFixture.h"

using namespace yardmark;

TEST(Grammar, LetterCaseAndFilters) {
  test::TempRoot root;
  const auto file = root.copyTemplate("g.mdb");
  test::addRows(file, "header",
                {test::headerRow("A", "B", 2007, 1, true), test::headerRow("A", "C", 2007, 2, false),
                 test::headerRow("A", "D", 2007, 3, true)});
  Database db(file);
  // Rows selected; outside the grammar (3131), inside it but naming a column (3265) or a table (3078) the file lacks.
  const std::pair<const char*, long> cases[] = {
      {"SELECT * FROM HEADER", 3},
      {"  select   *   from   Header  ", 3},
      {"Select * from header WHERE RecordWins=Yes", 2},
      {"select * from header where recordwins = yes", 2},
      {"select * from header WHERE RecordWins=No", 1},
      {"select * from header ;", 3},
      {"\tSELECT * FROM header\nWHERE RecordLosses = NO ORDER BY OppTeamName;\r\n", 2},
      {"select * from header order by OwnTeamName", 3},
      {"select OwnTeamName from header", 3131},
      {"select * from header; DROP TABLE header", 3131},
      {"select * from header WHERE OwnTeamName='x' OR 1=1", 3131},
      {"select*from header", 3131},
      {"select * fromheader", 3131},
      {"select * from header;;", 3131},
      {"select * from header WHERE RecordWins=Yesno", 3131},
      {"select * from header WHERE=Yes", 3131},
      {"select * from header ORDER OwnTeamName", 3131},
      {"select * from header ORDER BY OwnTeamName WHERE RecordWins=Yes", 3131},
      {"select * from 1header", 3131},
      {"select * from header WHERE Won=Yes", 3265},
      {"select * from header ORDER BY Nickname", 3265},
      {"select * from roster", 3078},  // a game file has no roster
  };
  for (const auto& [query, told] : cases) {
    try {
      EXPECT_EQ(db.openRecordset(query).recordCount(), told) << query;
    } catch (const DbError& e) {
      EXPECT_EQ(e.number(), told) << query;
    }
  }
  EXPECT_EQ(db.openRecordset("select * from header").recordCount(), 3);
}
