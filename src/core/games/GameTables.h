#pragma once
// The eight tables of a game file, in game order: the entry form's views, the merge into the
// temporary database, its emptying and the converter all read them from here.
#include <array>
#include <span>
#include <string_view>

namespace yardmark {

// Index of each table in game order (the entry form's views and its newRowPending flags).
enum GameTable { kHeader = 0, kQuarter, kTeamStats, kRushing, kPassing, kReceiving, kScoring, kDefense, kGameTableCount };

// How the merge of several games fills the table.
enum class MergeRule {
  NewRowPerGame,  // each game's first row, in list order
  RunningRow,     // one row: each game's first row added field by field
  RowPerPlayer,   // one row per player name (the last field), the other fields added
};

struct GameTableLayout {
  std::string_view name;                     // as the schema spells it
  std::string_view key;                      // ordinal 0
  std::span<const std::string_view> fields;  // ordinals 1 on, in order
  MergeRule merge;
  const char* query;  // opens the table's view: the entry form, the merge and the emptying

  int fieldCount() const { return static_cast<int>(fields.size()); }
};

// Indexed by GameTable.
const std::array<GameTableLayout, kGameTableCount>& gameTables();
inline const GameTableLayout& gameTable(GameTable table) { return gameTables()[table]; }

// The other query texts over these tables, spelled as the program has always written them.
namespace queries {
// The header section's view and the report's header set.
inline constexpr const char* kSelectHeader = "Select * from header";
// The report's other row sets.
inline constexpr const char* kSelectDefense = "Select * from defense";
inline constexpr const char* kSelectPassing = "Select * from passing";
inline constexpr const char* kSelectQuarter = "Select * from quarter";
inline constexpr const char* kSelectReceiving = "Select * from receiving";
inline constexpr const char* kSelectRushing = "Select * from rushing";
inline constexpr const char* kSelectScoring = "Select * from scoring";
inline constexpr const char* kSelectTeamStats = "Select * from TeamStats";
inline constexpr const char* kSelectWins = "Select * from header WHERE RecordWins=Yes";
inline constexpr const char* kSelectLosses = "Select * from header WHERE RecordLosses=Yes";
}  // namespace queries

}  // namespace yardmark
