// Game files: what the game dialogs decide without a window (whether a handed-over path is the
// open game), the game tables' query texts, files from before the added tables and
// what makes a layout foreign, and the box-score sheet's rows against the game file: what each edit, save,
// deletion, undo and reload leaves stored, and the rules of its cells.
#include <SQLiteCpp/SQLiteCpp.h>
#include <gtest/gtest.h>

#include <variant>

#include "core/games/BoxScore.h"
#include "core/games/Game.h"
#include "core/games/GameFolder.h"
#include "core/games/GameNumbers.h"
#include "core/games/GameTables.h"
#include "core/roster/Roster.h"
#include "support/GameFiles.h"
#include "support/TempRoot.h"

namespace yardmark::test {
namespace {

namespace fs = std::filesystem;

TEST(GameFolder, AHandedOverPathIsTheOpenGameWhateverItsLetterCase) {
  TempRoot root;
  const fs::path game = writeGame(root, "YardMark/games/2007/Game3.mdb", Result::Won);
  const fs::path other = writeGame(root, "YardMark/games/2007/Game4.mdb", Result::Won);
  EXPECT_NE(handOverPath(game), game.string());
  EXPECT_TRUE(isSameGameFile(game, handOverPath(game)));
  EXPECT_FALSE(isSameGameFile(game, handOverPath(other)));
}

TEST(GameFolder, OnlyAGameFileNamedLikeTheDialogsNamesHasANumber) {
  const std::pair<const char*, std::optional<long>> names[] = {{"Game3.mdb", 3},
                                                               {"gAME12.MDB", 12},
                                                               {"Game9.txt", std::nullopt},
                                                               {"Save9.mdb", std::nullopt},
                                                               {"Game.mdb", std::nullopt},
                                                               {"Game1x.mdb", std::nullopt},
                                                               {"Game1234567890.mdb", std::nullopt}};
  for (const auto& [name, number] : names) EXPECT_EQ(gameNumberOf(name), number) << name;
  EXPECT_EQ(nextGameNumber({"Game3.mdb", "Game12.mdb", "Game7.mdb", "Game99.txt"}), 13);
}

TEST(GameFolder, AJournalThatCannotGoIsToldWhenTheGameIsDeleted) {
  TempRoot root;
  // A journal that cannot go would be played back into the next Game3: said, not passed over.
  const fs::path game = writeGame(root, "YardMark/games/2007/Game3.mdb", Result::Won);
  fs::create_directories(game.string() + "-journal/stuck");
  EXPECT_TRUE(deleteGameFile(game));
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
    const GameDetails first{"2026-09-11", Site::Away, "Park", 3, 3, "dry"};
    writeGameDetails(db, first);
    EXPECT_EQ(readGame(game).details, first);
    writeGameDetails(db, details);  // the one row edited, every field of it, not a second row
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

namespace r = col::rushing;

struct Set {
  std::size_t row;
  int ordinal;
  std::string text;
};
struct Save {
  std::size_t row;
};
struct Remove {
  std::size_t row;
};
struct Undo {};
struct OtherForm {  // another form adds a row (no name: deletes every row); the sheet may read the file again
  std::string adds;
  bool reload = true;
};
using Step = std::variant<Set, Save, Remove, Undo, OtherForm>;

// Rushing rows as stored: ATT YDS TDS 2PTS name.
using Stored = std::vector<std::string>;

struct Case {
  const char* what;
  std::vector<Step> steps;
  std::vector<Stored> stored;
};

// clang-format off
const Case kCases[] = {
    {"blank figures are stored as 0", {Set{0, r::kPlayerName, "Smith John A"}, Set{0, r::kAtt, "3"}, Save{0}}, {{"3", "0", "0", "0", "Smith John A"}}},
    {"a row without figures is not stored", {Set{0, r::kPlayerName, "Smith John A"}, Save{0}}, {}},
    {"an edit rewrites the row by its key",
     {Set{0, r::kPlayerName, "A"}, Set{0, r::kAtt, "3"}, Save{0}, Set{0, r::kYds, "-4"}, Save{0}},
     {{"3", "-4", "0", "0", "A"}}},
    {"clearing every figure takes the row out of the file", {Set{0, r::kPlayerName, "A"}, Set{0, r::kAtt, "3"}, Save{0}, Set{0, r::kAtt, ""}, Save{0}}, {}},
    {"a deletion leaves the other rows",
     {Set{0, r::kPlayerName, "A"}, Set{0, r::kAtt, "1"}, Save{0}, Set{1, r::kPlayerName, "B"}, Set{1, r::kAtt, "2"},
      Save{1}, Remove{0}},
     {{"2", "0", "0", "0", "B"}}},
    {"undo after saving takes back one change at a time",
     {Set{0, r::kPlayerName, "A"}, Set{0, r::kAtt, "3"}, Set{0, r::kYds, "10"}, Save{0}, Undo{}},
     {{"3", "0", "0", "0", "A"}}},
    {"undoing every change leaves nothing stored", {Set{0, r::kPlayerName, "A"}, Set{0, r::kAtt, "3"}, Save{0}, Undo{}, Undo{}, Undo{}}, {}},
    {"undo brings a deleted row back", {Set{0, r::kPlayerName, "A"}, Set{0, r::kAtt, "3"}, Save{0}, Remove{0}, Undo{}}, {{"3", "0", "0", "0", "A"}}},
    {"typing not yet saved outlives another form's save, and each row is stored once",
     {Set{0, r::kPlayerName, "A"}, Set{0, r::kAtt, "3"}, Save{0}, Set{0, r::kAtt, "4"}, OtherForm{"B"},
      Set{2, r::kPlayerName, "C"}, Set{2, r::kAtt, "5"}, Save{0}, Save{2}},
     {{"4", "0", "0", "0", "A"}, {"1", "", "", "", "B"}, {"5", "0", "0", "0", "C"}}},
    {"typing in a row another form deleted is stored again, read again or not",
     {Set{0, r::kPlayerName, "A"}, Set{0, r::kAtt, "3"}, Save{0}, Set{0, r::kAtt, "4"}, OtherForm{"", false}, Save{0},
      Set{0, r::kAtt, "5"}, OtherForm{}, Save{0}},
     {{"5", "0", "0", "0", "A"}}},
    {"removing a row another form deleted", {Set{0, r::kPlayerName, "A"}, Set{0, r::kAtt, "3"}, Save{0}, OtherForm{"", false}, Remove{0}}, {}},
};
// clang-format on

class BoxScoreRows : public testing::TestWithParam<Case> {};

TEST_P(BoxScoreRows, LeaveTheFileAsTheSheetShowsIt) {
  TempRoot root;
  const auto file = root.copyTemplate("YardMark/games/2007/Game3.mdb");
  BoxScore sheet(file);
  for (const Step& step : GetParam().steps) {
    if (const auto* s = std::get_if<Set>(&step)) sheet.set(kRushing, s->row, s->ordinal, s->text);
    if (const auto* s = std::get_if<Save>(&step)) sheet.save(kRushing, s->row);
    if (const auto* s = std::get_if<Remove>(&step)) sheet.remove(kRushing, s->row);
    if (std::holds_alternative<Undo>(step)) sheet.undo();
    if (const auto* s = std::get_if<OtherForm>(&step)) {
      if (s->adds.empty()) SQLite::Database(file.string(), SQLite::OPEN_READWRITE).exec("DELETE FROM rushing");
      if (!s->adds.empty()) {
        Database other(file);
        Recordset rows = other.openRecordset("select * from rushing");
        rows.addNew();
        rows.setField(r::kAtt, 1.0);
        rows.setField(r::kPlayerName, s->adds);
        rows.update();
      }
      if (s->reload) sheet.reload();
    }
  }
  std::vector<Stored> stored;
  const Game game = readGame(file);
  for (const GameRow& row : game.rows(kRushing)) {
    stored.emplace_back();
    for (const Value& v : row.fields) stored.back().push_back(textOf(v));
  }
  EXPECT_EQ(stored, GetParam().stored);
  // Every stored row is one the sheet holds by its key.
  std::size_t held = 0;
  for (const SheetRow& row : sheet.rows(kRushing)) held += row.key != 0 ? 1 : 0;
  EXPECT_EQ(held, stored.size());
}

INSTANTIATE_TEST_SUITE_P(Steps, BoxScoreRows, testing::ValuesIn(kCases),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

// Won and lost are two marks set by one typed result: one Ctrl+Z takes both back.
TEST(BoxScoreUndo, TakesBackBothMarksOfAResultAtOnce) {
  TempRoot root;
  const auto file = root.copyTemplate("YardMark/games/2007/Game3.mdb");
  BoxScore sheet(file);
  sheet.set(kHeader, 0, col::header::kOwnTeamName, "Eagles");
  ASSERT_TRUE(sheet.set(kHeader, 0, col::header::kRecordWins, "1"));
  sheet.set(kHeader, 0, col::header::kRecordLosses, "0", true);
  sheet.save(kHeader, 0);
  ASSERT_TRUE(isYes(readGame(file).first(kHeader)->at(col::header::kRecordWins)));
  ASSERT_TRUE(sheet.undo());
  EXPECT_FALSE(isYes(readGame(file).first(kHeader)->at(col::header::kRecordWins)));
  EXPECT_EQ(sheet.cell(kHeader, 0, col::header::kRecordLosses), "");
  EXPECT_EQ(textOf(readGame(file).first(kHeader)->at(col::header::kOwnTeamName)), "Eagles");
}

TEST(BoxScoreCells, TakeWhatTheEntryFormsBoxesTake) {
  const struct {
    BoxKeys keys;
    const char* text;
    bool taken;
  } figures[] = {
      {BoxKeys::Digits, "12345", true}, {BoxKeys::Digits, "123456", false}, {BoxKeys::Digits, "-3", false},
      {BoxKeys::Digits, "1.5", false},  {BoxKeys::Yards, "-9999", true},    {BoxKeys::Yards, "9-9", false},
      {BoxKeys::Sacks, "2.5", true},    {BoxKeys::Sacks, "2.4", false},     {BoxKeys::Sacks, ".5", true},
      {BoxKeys::Digits, "", true},      {BoxKeys::Sacks, "a.5", false},
  };
  for (const auto& f : figures) EXPECT_EQ(numberCellTakes(f.keys, f.text), f.taken) << f.text;

  const std::pair<const char*, std::optional<std::string>> dates[] = {{"2026-09-12", "2026-09-12"},
                                                                      {"9/12", "2007-09-12"},
                                                                      {"9/12/26", "2026-09-12"},
                                                                      {"2/29", std::nullopt},
                                                                      {"13/1", std::nullopt},
                                                                      {"Friday", std::nullopt},
                                                                      {"", ""},
                                                                      {"2/29/2008", "2008-02-29"}};
  for (const auto& [typed, iso] : dates) EXPECT_EQ(isoDate(typed, 2007), iso) << typed;

  const std::pair<const char*, PersonName> names[] = {{"Smith John A", {"Smith", "John", "A"}},
                                                      {"Van Buren, Henry J", {"Van Buren", "Henry", "J"}},
                                                      {"  Wil ", {"Wil", "", ""}}};
  for (const auto& [typed, name] : names) EXPECT_EQ(personOfPlayerText(typed), name) << typed;
}

}  // namespace
}  // namespace yardmark::test
