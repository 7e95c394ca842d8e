// The box-score sheet's rows against the game file: what each edit, save, deletion, undo and
// reload leaves stored, and the rules of its cells.
#include <SQLiteCpp/SQLiteCpp.h>
#include <gtest/gtest.h>

#include <variant>

#include "core/games/BoxScore.h"
#include "support/TempRoot.h"

namespace yardmark::test {
namespace {

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

const Case kCases[] = {
    {"blank figures are stored as 0",
     {Set{0, r::kPlayerName, "Smith John A"}, Set{0, r::kAtt, "3"}, Save{0}},
     {{"3", "0", "0", "0", "Smith John A"}}},
    {"a row without figures is not stored", {Set{0, r::kPlayerName, "Smith John A"}, Save{0}}, {}},
    {"an edit rewrites the row by its key",
     {Set{0, r::kPlayerName, "A"}, Set{0, r::kAtt, "3"}, Save{0}, Set{0, r::kYds, "-4"}, Save{0}},
     {{"3", "-4", "0", "0", "A"}}},
    {"clearing every figure takes the row out of the file",
     {Set{0, r::kPlayerName, "A"}, Set{0, r::kAtt, "3"}, Save{0}, Set{0, r::kAtt, ""}, Save{0}},
     {}},
    {"a deletion leaves the other rows",
     {Set{0, r::kPlayerName, "A"}, Set{0, r::kAtt, "1"}, Save{0}, Set{1, r::kPlayerName, "B"}, Set{1, r::kAtt, "2"},
      Save{1}, Remove{0}},
     {{"2", "0", "0", "0", "B"}}},
    {"undo after saving takes back one change at a time",
     {Set{0, r::kPlayerName, "A"}, Set{0, r::kAtt, "3"}, Set{0, r::kYds, "10"}, Save{0}, Undo{}},
     {{"3", "0", "0", "0", "A"}}},
    {"undoing every change leaves nothing stored",
     {Set{0, r::kPlayerName, "A"}, Set{0, r::kAtt, "3"}, Save{0}, Undo{}, Undo{}, Undo{}},
     {}},
    {"undo brings a deleted row back",
     {Set{0, r::kPlayerName, "A"}, Set{0, r::kAtt, "3"}, Save{0}, Remove{0}, Undo{}},
     {{"3", "0", "0", "0", "A"}}},
    {"typing not yet saved outlives another form's save, and each row is stored once",
     {Set{0, r::kPlayerName, "A"}, Set{0, r::kAtt, "3"}, Save{0}, Set{0, r::kAtt, "4"}, OtherForm{"B"},
      Set{2, r::kPlayerName, "C"}, Set{2, r::kAtt, "5"}, Save{0}, Save{2}},
     {{"4", "0", "0", "0", "A"}, {"1", "", "", "", "B"}, {"5", "0", "0", "0", "C"}}},
    {"typing in a row another form deleted is stored again, read again or not",
     {Set{0, r::kPlayerName, "A"}, Set{0, r::kAtt, "3"}, Save{0}, Set{0, r::kAtt, "4"}, OtherForm{"", false}, Save{0},
      Set{0, r::kAtt, "5"}, OtherForm{}, Save{0}},
     {{"5", "0", "0", "0", "A"}}},
    {"removing a row another form deleted",
     {Set{0, r::kPlayerName, "A"}, Set{0, r::kAtt, "3"}, Save{0}, OtherForm{"", false}, Remove{0}},
     {}},
};

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
      {BoxKeys::Digits, "", true},
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
