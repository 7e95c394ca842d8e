// The game tables' query texts, files from before the added tables, and what makes a layout foreign.
#include <SQLiteCpp/SQLiteCpp.h>
#include <gtest/gtest.h>

#include "core/games/BoxScore.h"
#include "core/games/Game.h"
#include "core/games/GameTables.h"
#include "core/roster/Roster.h"
#include "core/text/CaseFold.h"
#include "support/TempRoot.h"

namespace yardmark::test {
namespace {

namespace fs = std::filesystem;

TEST(GameSchema, EachQueryTextOpensItsOwnTable) {
  for (const GameTableLayout& t : gameTables()) {
    const std::string table = lowerAscii(std::string(t.name));
    for (const char* query : {t.query, t.sectionQuery, t.reportQuery})
      EXPECT_EQ(lowerAscii(query), "select * from " + table) << query;
  }
}

// Files written before the details table and the roster's number, position and grade: they
// open and read as blank, read-only too, and gain what they lack on their first write, rows kept.
TEST(GameSchema, FilesFromBeforeTheAddedTablesReadBlankAndGainThemOnTheirFirstWrite) {
  TempRoot root;
  const fs::path game = root.copyTemplate("old/Game1.mdb");
  const fs::path roster = root.writeFile("old/roster.mdb", "");
  {
    SQLite::Database g(game.string(), SQLite::OPEN_READWRITE);
    g.exec("DROP TABLE gameDetails; INSERT INTO quarter (QuarterTotalOwn, QuarterTotalOpp) VALUES (21, 21)");
    SQLite::Database r(roster.string(), SQLite::OPEN_READWRITE);
    r.exec(
        "CREATE TABLE roster (rosterID INTEGER PRIMARY KEY AUTOINCREMENT, rosterPlayerName_Last TEXT, "
        "rosterPlayerName_First TEXT, rosterPlayerName_Middle TEXT);"
        "INSERT INTO roster VALUES (1, 'Carter', 'Marcus', 'J')");
  }
  fs::permissions(game, fs::perms::owner_write, fs::perm_options::remove);
  EXPECT_TRUE(readGame(game).details.empty());
  EXPECT_EQ(finalScore(readGame(game)).own, 21);
  EXPECT_EQ(readRoster(roster), (std::vector<RosterPlayer>{{{"Carter", "Marcus", "J"}, "", "", 0}}));
  fs::permissions(game, fs::perms::owner_write, fs::perm_options::add);

  const GameDetails details{"2026-09-12", Site::Home, "Eagle Field", 7, 0, "rain"};
  {
    Database db(game);
    writeGameDetails(db, details);
    writeGameDetails(db, details);  // the one row edited again, not a second row
  }
  const Game read = readGame(game);
  EXPECT_EQ(read.details, details);
  // The sheet shows a side's overtime points only where there are some.
  EXPECT_EQ(BoxScore(game).rows(kDetailsTable).at(0).cells,
            (std::vector<std::string>{"2026-09-12", "Home", "Eagle Field", "7", "", "rain"}));
  EXPECT_EQ(Database(game).readRows(kGameDetailsQuery).size(), 1u);
  const FinalScore score = finalScore(read);
  EXPECT_EQ((std::tuple{score.own, score.opp, score.overtime}), (std::tuple{28.0, 21.0, true}));

  Database r(roster);
  r.addLaterLayout(DatabaseKind::Roster);
  Recordset rows = r.openRecordset("select * from roster");
  rows.edit();
  rows.setField(col::roster::kNumber, std::string("00"));
  rows.setField(col::roster::kGrade, 13.0);  // no grade of ours: read as blank
  rows.update();
  EXPECT_EQ(readRoster(roster), (std::vector<RosterPlayer>{{{"Carter", "Marcus", "J"}, "00", "", 0}}));
}

// A table or column that was never ours still makes the file foreign, added later or not.
TEST(GameSchema, AddedLaterColumnsAreOptionalOnlyAtTheEnd) {
  const auto layout = [](std::vector<std::string> names) {
    Table t{"roster", {{"rosterID", ColumnKind::Key}}};
    for (std::string& n : names) t.columns.push_back({std::move(n), ColumnKind::Text});
    return std::vector<Table>{t};
  };
  const std::vector<std::string> names{"rosterPlayerName_Last", "rosterPlayerName_First", "rosterPlayerName_Middle"};
  EXPECT_FALSE(foreignLayout(layout(names)));
  auto longer = names;
  longer.push_back("rosterNumber");
  EXPECT_FALSE(foreignLayout(layout(longer)));
  longer.back() = "rosterJersey";
  EXPECT_TRUE(foreignLayout(layout(longer)));
  EXPECT_TRUE(foreignLayout(layout({names[0], names[1]})));
}

}  // namespace
}  // namespace yardmark::test
