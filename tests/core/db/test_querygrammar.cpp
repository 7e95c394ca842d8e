// The query texts the database layer accepts, and what they select.
#include <gtest/gtest.h>

#include "core/db/Database.h"
#include "support/TempRoot.h"

using namespace yardmark;

TEST(Grammar, LetterCaseAndFilters) {
  test::TempRoot root;
  Database db(root.copyTemplate("g.mdb"));
  {
    auto h = db.openRecordset("select * from header");
    for (bool won : {true, false, true}) {
      h.addNew();
      h.setField(5, Value(won));
      h.setField(6, Value(!won));
      h.update();
    }
  }
  struct Case {
    const char* query;
    long rows;
  } cases[] = {
      {"SELECT * FROM HEADER", 3},
      {"  select   *   from   Header  ", 3},
      {"Select * from header WHERE RecordWins=Yes", 2},
      {"select * from header where recordwins = yes", 2},
      {"select * from header WHERE RecordWins=No", 1},
      {"select * from header ;", 3},
      {"\tSELECT * FROM header\nWHERE RecordLosses = NO ORDER BY OppTeamName;\r\n", 2},
      {"select * from header order by OwnTeamName", 3},
  };
  for (const auto& c : cases) EXPECT_EQ(db.openRecordset(c.query).recordCount(), c.rows) << c.query;

  // Outside the grammar (3131), inside it but naming a column (3265) or a table (3078) the file lacks.
  const std::pair<const char*, int> refused[] = {
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
  for (const auto& [q, number] : refused) {
    try {
      db.openRecordset(q);
      ADD_FAILURE() << q;
    } catch (const DbError& e) {
      EXPECT_EQ(e.number(), number) << q;
    }
  }
  EXPECT_EQ(db.openRecordset("select * from header").recordCount(), 3);
}
