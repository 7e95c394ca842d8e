// The database layer: its row sets and bad files, the query texts it accepts and what they select, the
// values' conversions, and every thrown type as one Failure (a caller that catches Failure gets the kind,
// the file and the very message the type has always given).
#include <SQLiteCpp/SQLiteCpp.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

#include "core/backup/Backup.h"
#include "core/db/Database.h"
#include "core/db/DbError.h"
#include "core/db/Value.h"
#include "core/files/DataFolder.h"
#include "core/files/SafeWrite.h"
#include "core/jet/JetFile.h"
#include "core/roster/SpreadsheetRoster.h"
#include "core/season/Season.h"
#include "core/text/Csv.h"
#include "core/text/ShownText.h"
#include "support/ReportFixture.h"
#include "support/TempRoot.h"

namespace yardmark::test {
namespace {

namespace fs = std::filesystem;

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

// The DbError an open throws, as "number: description"; "" when the file opens.
std::string openFailure(const fs::path& file, Database::Mode mode = Database::Mode::ReadOnly) {
  try {
    Database db(file, mode);
  } catch (const DbError& e) {
    return std::to_string(e.number()) + ": " + e.description();
  }
  return "";
}

// The DbError number an operation throws, 0 when it throws none.
int errorOf(const std::function<void()>& op) {
  try {
    op();
  } catch (const DbError& e) {
    return e.number();
  }
  return 0;
}

TEST(Recordset, MovesEditsDeletesAndBookmarks) {
  test::TempRoot root;
  auto db = gameWithRushers(root, {"A", "B", "C", "D"});
  auto rs = db.openRecordset("select * from rushing");
  EXPECT_EQ(rs.recordCount(), 4);                     // full count straight after opening
  EXPECT_THROW(rs.setField(1, Value(1.0)), DbError);  // no edit begun
  EXPECT_THROW(rs.field(6), DbError);                 // one past the last column
  EXPECT_THROW(rs.field("noSuchField"), DbError);
  rs.movePrevious();
  EXPECT_TRUE(rs.isBOF());
  EXPECT_THROW(rs.field(1), DbError);
  rs.moveLast();
  rs.moveNext();
  EXPECT_TRUE(rs.isEOF());
  EXPECT_EQ(errorOf([&] { rs.moveNext(); }), 3021);
  EXPECT_EQ(errorOf([&] { rs.move(0); }), 3021);
  rs.movePrevious();
  rs.addNew();
  EXPECT_TRUE(rs.field(0).isNull());  // a new row starts with every column unset
  rs.setField("INDPLAYERNAME", Value("E"));
  rs.setField(2, Value(true));  // a yes in a number column is stored as the earlier version stored it
  rs.update();
  EXPECT_EQ(nameAt(rs), "D");  // appending does not move the current row
  rs.edit();
  rs.setField(2, Value(55.0));
  EXPECT_EQ(textOf(rs.field(2)), "55");  // the edit buffer is what a read sees
  rs.update();
  rs.edit();
  rs.setField(5, Value("Z"));
  rs.cancelUpdate();
  rs.moveFirst();
  rs.move(2);
  rs.move(-1);
  EXPECT_EQ(nameAt(rs), "B");
  const auto b = rs.bookmark();
  rs.deleteRow();
  EXPECT_THROW(rs.field(5), DbError);
  EXPECT_EQ(rs.recordCount(), 4);
  rs.moveNext();
  EXPECT_EQ(nameAt(rs), "C");
  EXPECT_THROW(rs.moveToBookmark(b), DbError);
  const auto c = rs.bookmark();
  auto again = db.openRecordset("SELECT * FROM RUSHING");  // as a reload leaves it: on the first row
  again.moveToBookmark(c);
  again.movePrevious();
  EXPECT_EQ(nameAt(again), "A");
  // The edit wrote one row, the cancelled edit none; emptied the way the merge's cleanup does it.
  std::string stored;
  for (auto all = db.openRecordset("select * from rushing"); !all.isEOF(); all.moveNext()) {
    stored += nameAt(all) + textOf(all.field(2)) + ";";
    all.deleteRow();
  }
  EXPECT_EQ(stored, "A;C;D55;E-1;");
  auto none = db.openRecordset("select * from rushing");  // an empty set refuses every move
  EXPECT_TRUE(none.isEOF() && none.isBOF());
  EXPECT_THROW(none.bookmark(), DbError);
  const std::vector<std::pair<const char*, std::function<void()>>> moves = {
      {"first", [&] { none.moveFirst(); }}, {"last", [&] { none.moveLast(); }}, {"by 0", [&] { none.move(0); }},
      {"next", [&] { none.moveNext(); }},   {"edit", [&] { none.edit(); }},     {"delete", [&] { none.deleteRow(); }}};
  for (const auto& [what, op] : moves) EXPECT_EQ(errorOf(op), 3021) << what;
}

TEST(BadFiles, ReadOnlyDatabaseRefusesWritesWholly) {
  test::TempRoot root;
  const fs::path p = gameWithRushers(root, {"A"}).path();
  Database ro(p, Database::Mode::ReadOnly);
  auto rs = ro.openRecordset("select * from rushing");
  rs.edit();
  rs.setField(1, Value(99.0));
  EXPECT_EQ(errorOf([&] { rs.update(); }), 3027);
  rs.cancelUpdate();
  EXPECT_EQ(errorOf([&] { rs.deleteRow(); }), 3027);
  EXPECT_EQ(textOf(Database(p).openRecordset("select * from rushing").field(1)), "1");
}

// Missing, foreign, short-columned and held files are told why, by name, and left as they were.
TEST(BadFiles, ForeignLayoutsAndLockedFilesAreToldWhyAndLeftAlone) {
  test::TempRoot root;
  const auto made = [&](const char* name, const char* sql) {
    SQLite::Database((root.dir() / name).string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE).exec(sql);
    return root.dir() / name;
  };
  const fs::path locked = root.copyTemplate("locked.mdb");
  SQLite::Database holder(locked.string(), SQLite::OPEN_READWRITE);
  holder.exec("BEGIN EXCLUSIVE");
  const std::tuple<fs::path, std::string> cases[] = {
      {root.dir() / "nope.mdb", "3024"},
      {root.writeFile("empty.mdb", ""), "3343"},
      {root.writeFile("bytes.mdb", std::string(4096, '\x9c')), "3343"},
      {root.writeFile("text.mdb", "Standard Jet DB, honest\n"), "3343"},
      {test::fixture("contacts.mdb"), "3343"},
      {made("short.mdb", "CREATE TABLE Rushing (rushingID INTEGER PRIMARY KEY, indRushATT REAL)"),
       "3343: '' is not a YardMark game file: its table 'Rushing' lacks the column 'indRushYDS'."},
      {made("roster.mdb", "CREATE TABLE roster (rosterID INTEGER PRIMARY KEY, Name TEXT)"),
       "3343: '' is not a YardMark roster file: its table 'roster' has 'Name' where the column "
       "'rosterPlayerName_Last' belongs."},
      {made("other.mdb", "CREATE TABLE notes (id INTEGER PRIMARY KEY, body TEXT)"), ""},
      {locked, "3045: '' is in use by another program."},
  };
  for (auto [file, told] : cases) {
    const bool existed = fs::exists(file);
    const std::string before = existed ? test::readBytes(file) : "";
    const std::string got = openFailure(file, Database::Mode::ReadWrite);
    if (told.size() == 4) {  // the number, and the file named in quotes
      EXPECT_TRUE(got.starts_with(told + ": ") && got.find("'" + file.string() + "'") != told.npos) << got;
    } else {  // the whole message, with the file's path between the quotes after the number
      EXPECT_EQ(got, told.empty() ? told : told.insert(7, file.string()));
    }
    EXPECT_EQ(existed ? test::readBytes(file) : "", before);  // opening never creates or changes a file
  }
}

// Root reads every file, so a child that has given root up does the reading.
TEST(BadFiles, AnUnreadableFileIsToldAsSuch) {
  test::TempRoot root;
  const fs::path dir = fs::temp_directory_path() / ("ym-" + std::to_string(getpid())), file = dir / "g.mdb";
  fs::create_directory(dir);
  fs::copy_file(root.copyTemplate("g.mdb"), file);
  fs::permissions(file, fs::perms::none);
  const std::string want = "3051: '" + file.string() + "' cannot be read: permission denied.";
  const pid_t child = fork();
  if (child == 0) _exit((geteuid() == 0 && setuid(65534) != 0) || openFailure(file) != want);
  int status = -1;
  waitpid(child, &status, 0);
  fs::remove_all(dir);
  EXPECT_EQ(status, 0) << "the child was not told: " << want;
}

// A library's "nothing went wrong" is no reason: the message ends without it.
TEST(BadFiles, AnEmptyReasonIsLeftOut) {
  const std::pair<const char*, const char*> cases[] = {
      {"", "x is damaged"}, {"No error", "x is damaged"}, {"Success", "x is damaged"}, {"I/O", "x is damaged (I/O)"}};
  for (const auto& [reason, told] : cases) EXPECT_EQ(withReason("x is damaged", reason), told);
}

// A row's key is its rowid however the file declares its first column; only where that column is
// the rowid itself is the row read without asking for the rowid apart. The plain reader gives each
// query text's rows as a row set holds them: same order, same keys, same fields after the key.
TEST(ReadRows, TheKeyIsTheRowidWhateverTheFirstColumnIs) {
  test::TempRoot root;
  const char* const keys[] = {
      "headerID INTEGER PRIMARY KEY AUTOINCREMENT",  // as the house schema has it: the rowid itself
      "headerID INT PRIMARY KEY",                    // a key of its own beside the rowid
      "headerID INTEGER PRIMARY KEY DESC",           // the same, by an old rule of the engine
      "headerID REAL",                               // no key at all
  };
  int n = 0;
  for (const char* key : keys) {
    SCOPED_TRACE(key);
    const fs::path file = root.dir() / ("h" + std::to_string(++n) + ".mdb");
    std::vector<std::tuple<std::int64_t, Value, Value>> stored;  // rowid, name and won, in rowid order
    {
      SQLite::Database made(file.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
      made.exec(
          std::string("CREATE TABLE header (")
              .append(key)
              .append(
                  ", OwnTeamName TEXT, OppTeamName TEXT, Year REAL, GameNumber REAL, RecordWins INTEGER, RecordLosses "
                  "INTEGER)"));
      // A yes/no column holding a fraction, as another program may leave it.
      made.exec(
          "INSERT INTO header (rowid, OwnTeamName, RecordWins) VALUES (7, 'Cole', .5), (3, 'abel', 0), (5, 'Bree', 2)");
      made.exec("UPDATE header SET headerID = rowid * 10 + 1");
      SQLite::Statement st(made, "SELECT rowid, OwnTeamName, RecordWins != 0 FROM header ORDER BY rowid");
      while (st.executeStep())
        stored.push_back(
            {st.getColumn(0).getInt64(), Value(st.getColumn(1).getString()), Value(st.getColumn(2).getInt() != 0)});
    }
    Database db(file);
    for (const char* query : {"select * from header", "SELECT * FROM Header ORDER BY OwnTeamName"}) {
      const std::vector<Database::Row> rows = db.readRows(query);
      auto rs = db.openRecordset(query);
      ASSERT_EQ(rows.size(), stored.size());
      for (size_t i = 0; i < rows.size(); ++i, rs.moveNext()) {
        std::vector<Value> fields;
        for (int f = 1; f < rs.fieldCount(); ++f) fields.push_back(rs.field(f));
        EXPECT_EQ(std::pair(rows[i].key, rows[i].fields), std::pair(rs.bookmark(), fields)) << query;
        if (query[0] == 's') {
          EXPECT_EQ(std::tuple(rows[i].key, rows[i].fields.at(0), rows[i].fields.at(4)), stored[i]);
        }
      }
    }
    EXPECT_EQ(errorOf([&] { db.readRows("select * from nowhere"); }),
              errorOf([&] { db.openRecordset("select * from nowhere"); }));
  }
}

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
      {"select * from header WHERE RecordWins", 3131},
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

TEST(Conversions, NumbersFromTextAndTheTextNumberAndYesOfValues) {
  using namespace std::string_view_literals;
  const std::pair<std::string_view, double> cases[] = {
      {"7 yds", 7},
      {"abc", 0},
      {"", 0},
      {"   12", 12},
      {"-3", -3},
      {"+4", 4},
      {".5", 0.5},
      {"12abc34", 12},
      {"- 3", 0},
      {"3.", 3},
      {"\t8", 8},
      {"x7", 0},
      {"125"sv.substr(0, 2), 12},
      {"1.25"sv.substr(0, 3), 1.2}};  // the digits after the text are not its own
  for (const auto& [text, expected] : cases) EXPECT_DOUBLE_EQ(numberFromText(text), expected) << '"' << text << '"';
  const std::pair<Value, std::string> texts[] = {{Value(7.0), "7"},
                                                 {Value(-0.0), "0"},
                                                 {Value(-12.0), "-12"},
                                                 {Value(2.5), "2.5"},
                                                 {Value(), ""},
                                                 {Value(true), "True"},
                                                 {Value(false), "False"},
                                                 {Value(1e15), "1e+15"},
                                                 {Value(1.0 / 3.0), "0.333333333333333"},
                                                 {Value(-999999999999999.0), "-999999999999999"}};
  for (const auto& [v, text] : texts) EXPECT_EQ(textOf(v), text);
  // A value's number goes through its text; yes is anything but nought.
  EXPECT_DOUBLE_EQ(numberOf(Value("7 yds")), 7);
  EXPECT_DOUBLE_EQ(numberOf(Value()), 0);
  EXPECT_EQ(trimmed("  a b "), "a b");
  const std::pair<Value, bool> yes[] = {{Value("True"), true}, {Value("False"), false}, {Value("0"), false},
                                        {Value("-1"), true},   {Value(2.0), true},      {Value(), false}};
  for (const auto& [v, want] : yes) EXPECT_EQ(isYes(v), want) << textOf(v);
}

// Seen only as the Failure it is.
void expectFailure(const Failure& f, FailureKind kind, const std::string& file, const std::string& what) {
  EXPECT_EQ(std::tuple(f.kind(), f.file().string(), std::string(f.what())), std::tuple(kind, file, what));
}

TEST(Failure, EachTypeIsCaughtAsOneFailureWithItsMessage) {
  expectFailure(DbError(dberr::FileNotFound, "Could not find file 'g.mdb'."), FailureKind::Database, "",
                "Could not find file 'g.mdb'.");
  expectFailure(WriteError("r/a.htm", "Disk full"), FailureKind::Write, "r/a.htm", "'r/a.htm': Disk full");
  expectFailure(DataFolderError("no home"), FailureKind::DataFolder, "", "no home");
  expectFailure(JetError("helper gone", JetError::Cause::Crashed), FailureKind::Jet, "", "helper gone");
  expectFailure(csv::TooLarge(3, "too many"), FailureKind::Csv, "", "too many");
  expectFailure(SpreadsheetError("t.csv", 4, "no name"), FailureKind::Spreadsheet, "t.csv", "t.csv, line 4: no name.");
  expectFailure(SpreadsheetError("t.csv", 0, "empty"), FailureKind::Spreadsheet, "t.csv", "t.csv: empty.");
  expectFailure(BackupError("no room"), FailureKind::Backup, "", "no room");
  expectFailure(BackupCancelled(), FailureKind::Cancelled, "", "Cancelled.");
  expectFailure(MergeError("g.mdb", "not a game"), FailureKind::Merge, "g.mdb", "not a game");
}

}  // namespace
}  // namespace yardmark::test
