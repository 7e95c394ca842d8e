#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "core/files/DataTree.h"
#include "core/db/Database.h"
#include "support/TempRoot.h"

using namespace yardmark;
namespace fs = std::filesystem;

namespace {

struct Layout {
  const char* table;
  std::vector<std::string> columns;
};

void expectLayout(Database& db, const Layout& l) {
  auto rs = db.openRecordset(std::string("select * from ") + l.table);
  ASSERT_EQ(rs.fieldCount(), static_cast<int>(l.columns.size())) << l.table;
  for (int i = 0; i < rs.fieldCount(); ++i) EXPECT_EQ(rs.fieldName(i), l.columns[i]) << l.table << " ordinal " << i;
  EXPECT_EQ(rs.recordCount(), 0) << l.table;
}

// A game file with rushing rows named as given, ATT = 1, 2, 3, ...
Database gameWithRushers(const test::TempRoot& root, const std::vector<std::string>& names) {
  Database db(root.copyTemplate("g.mdb"));
  auto rs = db.openRecordset("select * from rushing");
  double n = 1;
  for (const auto& name : names) {
    rs.addNew();
    rs.setField(1, Value(n++));
    rs.setField("indPlayerName", Value(name));
    rs.update();
  }
  return db;
}

std::string nameAt(const Recordset& rs) { return textOf(rs.field(5)); }

}  // namespace

TEST(Template, RosterMatchesItsLayout) {
  test::TempRoot root;
  Database db(root.databases() / "yardMark_roster.mdb");
  expectLayout(db, {"roster", {"rosterID", "rosterPlayerName_Last", "rosterPlayerName_First", "rosterPlayerName_Middle"}});
  EXPECT_FALSE(db.hasTable("header"));
}

TEST(Recordset, MovesPastBothEnds) {
  test::TempRoot root;
  auto db = gameWithRushers(root, {"A", "B", "C"});
  auto rs = db.openRecordset("select * from rushing");
  EXPECT_EQ(rs.recordCount(), 3);  // full count straight after opening
  EXPECT_FALSE(rs.isBOF());
  EXPECT_EQ(nameAt(rs), "A");
  rs.movePrevious();
  EXPECT_TRUE(rs.isBOF());
  EXPECT_FALSE(rs.hasCurrent());
  EXPECT_THROW(rs.field(1), DbError);
  rs.moveNext();
  EXPECT_EQ(nameAt(rs), "A");
  rs.moveLast();
  EXPECT_EQ(nameAt(rs), "C");
  rs.moveNext();
  EXPECT_TRUE(rs.isEOF());
  try {
    rs.moveNext();
    FAIL() << "move past the end twice";
  } catch (const DbError& e) {
    EXPECT_EQ(e.number(), 3021);
  }
  rs.movePrevious();
  EXPECT_EQ(nameAt(rs), "C");
  rs.moveFirst();
  rs.move(2);
  EXPECT_EQ(nameAt(rs), "C");
  rs.move(0);
  EXPECT_EQ(nameAt(rs), "C");
  rs.move(-1);
  EXPECT_EQ(nameAt(rs), "B");
  rs.move(5);
  EXPECT_TRUE(rs.isEOF());
  EXPECT_EQ(rs.recordCount(), 3);
}

TEST(Recordset, EmptySetRefusesMovesWith3021) {
  test::TempRoot root;
  Database db(root.copyTemplate("g.mdb"));
  auto rs = db.openRecordset("select * from quarter");
  EXPECT_EQ(rs.recordCount(), 0);
  EXPECT_TRUE(rs.isEOF());
  EXPECT_TRUE(rs.isBOF());
  const std::vector<std::pair<const char*, std::function<void()>>> moves = {
      {"first", [&] { rs.moveFirst(); }}, {"last", [&] { rs.moveLast(); }}, {"by 0", [&] { rs.move(0); }},
      {"next", [&] { rs.moveNext(); }},   {"edit", [&] { rs.edit(); }},     {"delete", [&] { rs.deleteRow(); }}};
  for (const auto& [what, op] : moves) {
    try {
      op();
      ADD_FAILURE() << what << " did not fail";
    } catch (const DbError& e) {
      EXPECT_EQ(e.number(), 3021) << what;
    }
  }
}

TEST(Recordset, AppendedRowsCountAndStay) {
  test::TempRoot root;
  auto db = gameWithRushers(root, {"A"});
  auto rs = db.openRecordset("select * from rushing");
  rs.addNew();
  EXPECT_TRUE(rs.field(1).isNull());  // a new row starts with every column unset
  rs.setField("INDPLAYERNAME", Value("B"));
  rs.update();
  EXPECT_EQ(rs.recordCount(), 2);
  EXPECT_EQ(nameAt(rs), "A");  // appending does not move the current row
  rs.moveLast();
  EXPECT_EQ(nameAt(rs), "B");
  EXPECT_TRUE(rs.field("indRushATT").isNull());
  EXPECT_EQ(db.openRecordset("select * from rushing").recordCount(), 2);
}

TEST(Recordset, AddingToAnEmptySetMakesThatRowCurrent) {
  test::TempRoot root;
  Database db(root.copyTemplate("g.mdb"));
  auto rs = db.openRecordset("select * from header");
  rs.addNew();
  rs.setField(1, Value("Eagles"));
  rs.update();
  EXPECT_EQ(textOf(rs.field(1)), "Eagles");
}

TEST(Recordset, EditWritesOneRowAndOthersSeeIt) {
  test::TempRoot root;
  auto db = gameWithRushers(root, {"A", "B"});
  auto rs = db.openRecordset("select * from rushing");
  rs.moveNext();
  rs.edit();
  rs.setField(2, Value(55.0));
  EXPECT_EQ(textOf(rs.field(2)), "55");  // the edit buffer is what a read sees
  rs.update();
  auto again = db.openRecordset("SELECT * FROM RUSHING");
  EXPECT_TRUE(again.field(2).isNull());
  again.moveNext();
  EXPECT_EQ(textOf(again.field(2)), "55");
}

TEST(Recordset, CancelledEditLeavesTheRow) {
  test::TempRoot root;
  auto db = gameWithRushers(root, {"A"});
  auto rs = db.openRecordset("select * from rushing");
  rs.edit();
  rs.setField(5, Value("Z"));
  rs.cancelUpdate();
  EXPECT_EQ(nameAt(rs), "A");
  EXPECT_EQ(nameAt(db.openRecordset("select * from rushing")), "A");
}

TEST(Recordset, SetWithoutEditIsRefused) {
  test::TempRoot root;
  auto db = gameWithRushers(root, {"A"});
  auto rs = db.openRecordset("select * from rushing");
  EXPECT_THROW(rs.setField(1, Value(1.0)), DbError);
  EXPECT_THROW(rs.update(), DbError);
  EXPECT_THROW(rs.field(9), DbError);
  EXPECT_THROW(rs.field("noSuchField"), DbError);
}

TEST(Recordset, DeleteThenMove) {
  test::TempRoot root;
  auto db = gameWithRushers(root, {"A", "B", "C"});
  auto rs = db.openRecordset("select * from rushing");
  rs.moveNext();
  rs.deleteRow();
  EXPECT_FALSE(rs.hasCurrent());
  EXPECT_THROW(rs.field(5), DbError);
  EXPECT_EQ(rs.recordCount(), 2);
  rs.moveNext();
  EXPECT_EQ(nameAt(rs), "C");

  // Emptying a table the way the merge's cleanup does.
  auto all = db.openRecordset("select * from rushing");
  while (!all.isEOF()) {
    all.deleteRow();
    all.moveNext();
  }
  EXPECT_EQ(db.openRecordset("select * from rushing").recordCount(), 0);

  auto back = gameWithRushers(root, {"A", "B"});
  auto rs2 = back.openRecordset("select * from rushing");
  rs2.moveLast();
  rs2.deleteRow();
  rs2.movePrevious();
  EXPECT_EQ(nameAt(rs2), "A");
}

TEST(Recordset, BookmarkFindsTheRowInAReopenedSet) {
  test::TempRoot root;
  auto db = gameWithRushers(root, {"A", "B", "C"});
  auto rs = db.openRecordset("select * from rushing");
  rs.moveNext();
  const auto b = rs.bookmark();

  auto again = db.openRecordset("select * from rushing");  // as a reload leaves it: on the first row
  again.moveToBookmark(b);
  EXPECT_EQ(nameAt(again), "B");
  again.movePrevious();
  EXPECT_EQ(nameAt(again), "A");

  again.moveToBookmark(b);
  again.deleteRow();
  EXPECT_THROW(again.moveToBookmark(b), DbError);
  EXPECT_THROW(db.openRecordset("select * from rushing").moveToBookmark(b), DbError);
  auto none = db.openRecordset("select * from passing");
  EXPECT_THROW(none.bookmark(), DbError);
}

TEST(Recordset, YesNoNumbersAndTexts) {
  test::TempRoot root;
  Database db(root.copyTemplate("g.mdb"));
  auto rs = db.openRecordset("select * from header");
  rs.addNew();
  rs.setField("RecordWins", Value(true));
  rs.setField("RecordLosses", Value(false));
  rs.setField("Year", Value(2007.0));
  rs.setField("GameNumber", Value(3.0));
  rs.update();
  auto back = db.openRecordset("select * from header");
  EXPECT_EQ(back.field("RecordWins"), Value(true));
  EXPECT_EQ(back.field(6), Value(false));
  EXPECT_EQ(textOf(back.field("year")), "2007");
  EXPECT_TRUE(back.field(1).isNull());
}

TEST(Values, AwkwardTextsRoundTrip) {
  test::TempRoot root;
  Database db(root.databases() / "yardMark_roster.mdb");
  const std::vector<std::string> texts = {"O'Brien", "Robert'); DROP TABLE header;--", "\"quoted\"", "  lead",
                                          "trail  ", "José", "Łukasz", "", "a\tb", "%_*"};
  {
    auto rs = db.openRecordset("select * from roster");
    for (const auto& t : texts) {
      rs.addNew();
      rs.setField(1, Value(t));
      rs.update();
    }
  }
  auto rs = db.openRecordset("select * from roster");
  for (const auto& t : texts) {
    ASSERT_FALSE(rs.isEOF());
    EXPECT_EQ(rs.field(1), Value(t));
    rs.moveNext();
  }
  EXPECT_TRUE(rs.isEOF());
}

TEST(BadFiles, MissingFileIs3024AndNothingIsCreated) {
  test::TempRoot root;
  const fs::path p = root.dir() / "nope.mdb";
  try {
    Database db(p);
    FAIL();
  } catch (const DbError& e) {
    EXPECT_EQ(e.number(), 3024);
    EXPECT_NE(e.description().find("nope.mdb"), std::string::npos);
  }
  EXPECT_FALSE(fs::exists(p));
}

TEST(BadFiles, ForeignFilesAreNamedAndLeftAlone) {
  test::TempRoot root;
  std::string random(4096, '\0');
  for (size_t i = 0; i < random.size(); ++i) random[i] = static_cast<char>((i * 7919 + 13) % 251);
  struct Case {
    const char* what;
    fs::path file;
  } cases[] = {
      {"zero bytes", root.writeFile("empty.mdb", "")},
      {"random bytes", root.writeFile("random.mdb", random)},
      {"text", root.writeFile("text.mdb", "Standard Jet DB, honest\n")},
      {"Jet file", test::fixture("contacts.mdb")},
  };
  for (const auto& c : cases) {
    const std::string before = test::readBytes(c.file);
    try {
      Database db(c.file);
      ADD_FAILURE() << c.what;
    } catch (const DbError& e) {
      EXPECT_EQ(e.number(), 3343) << c.what;
      EXPECT_NE(e.description().find(c.file.filename().string()), std::string::npos) << e.description();
    }
    EXPECT_EQ(test::readBytes(c.file), before) << c.what << " was changed";
  }
}

TEST(BadFiles, SqliteFileWithoutOurTables) {
  test::TempRoot root;
  const fs::path p = root.dir() / "other.mdb";
  createDatabaseFile(p, DatabaseKind::Roster);
  Database db(p);
  EXPECT_THROW(db.openRecordset("select * from defense"), DbError);
}

TEST(BadFiles, ReadOnlyDatabaseRefusesWritesWholly) {
  test::TempRoot root;
  const fs::path p = gameWithRushers(root, {"A"}).path();
  Database ro(p, Database::Mode::ReadOnly);
  auto rs = ro.openRecordset("select * from rushing");
  rs.edit();
  rs.setField(1, Value(99.0));
  try {
    rs.update();
    FAIL();
  } catch (const DbError& e) {
    EXPECT_EQ(e.number(), 3027);
    EXPECT_NE(e.description().find("read-only"), std::string::npos) << e.description();
  }
  rs.cancelUpdate();
  EXPECT_THROW(rs.deleteRow(), DbError);
  rs.addNew();
  EXPECT_THROW(rs.update(), DbError);
  Database rw(p);
  auto check = rw.openRecordset("select * from rushing");
  EXPECT_EQ(check.recordCount(), 1);
  EXPECT_EQ(textOf(check.field(1)), "1");
}
