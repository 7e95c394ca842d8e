#pragma once
// A game file held as the box-score sheet shows it: every row of the eight tables and the game's
// details as cell texts, written back a row at a time, with every change since opening undoable.
// No widgets here; the sheet's grids are views over this.
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/db/Database.h"
#include "core/games/Game.h"
#include "core/roster/RosterNames.h"

namespace yardmark {

// The game's details stand beside the eight tables as a ninth.
inline constexpr int kDetailsTable = kGameTableCount;
inline constexpr int kSheetTableCount = kGameTableCount + 1;

struct SheetRow {
  std::int64_t key = 0;            // 0: not in the file
  std::vector<std::string> cells;  // by column ordinal - 1
  int serial = 0;                  // who the row is while the sheet is open, saved or not
  bool dirty = false;              // typed since last written
};

// Whether the text typed or pasted into a number cell is one the entry form's box would take
// by the same key rule, a character at a time.
bool numberCellTakes(BoxKeys keys, std::string_view text);
// The key rule of a column of a table (Digits for a text column).
BoxKeys keysOf(int table, int ordinal);
bool isNumberColumn(int table, int ordinal);
// A typed date as stored ("2026-09-12"): ISO, or month/day/year, or month/day of the game's
// year; "" for "", none when it is no date.
std::optional<std::string> isoDate(std::string_view typed, int gameYear);
// A typed player name split as the roster holds it: "Last, First Middle" or "Last First Middle".
PersonName personOfPlayerText(std::string_view text);

// Beside each own-team statistic (kTeamStatistics order), the sum of the players' rows that
// make it up; NaN where no player figure makes it up.
std::array<double, kTeamStatistics.size()> playersSums(const Game& game);

class BoxScore {
 public:
  // Opens the game file for writing; throws DbError when it cannot be read as a game.
  explicit BoxScore(const std::filesystem::path& gameFile);

  const std::filesystem::path& file() const { return m_file; }
  // A player table's rows in stored order; a game-level table and the details: exactly one.
  const std::vector<SheetRow>& rows(int table) const { return m_rows[static_cast<std::size_t>(table)]; }
  const std::string& cell(int table, std::size_t row, int ordinal) const;

  // Sets a cell; a row one past the last of a player table is added. Recorded for undo, as one
  // change with the set before it when withLast (the won and lost marks of one result).
  // False when the cell held that text already (nothing recorded).
  bool set(int table, std::size_t row, int ordinal, std::string text, bool withLast = false);
  // Writes the row if it was typed in, in one transaction; a row with every number empty is
  // not written (and leaves the file when it was there). Throws DbError; the typing stays.
  void save(int table, std::size_t row);
  // Every typed row, table by table; the first failure is thrown after trying them all.
  void saveAll();
  // Deletes a player row from the sheet and the file. Recorded for undo.
  void remove(int table, std::size_t row);
  // Takes back the last change still undoable and writes its row; false when none is left.
  // The table and row it touched are given.
  bool undo(int* table = nullptr, std::size_t* row = nullptr);
  bool canUndo() const { return !m_undo.empty(); }

  // Reads the file again (another form saved): rows typed and not yet written stay as typed.
  void reload();
  // The sheet as a game read from the file would hold it, unsaved typing included.
  Game asGame() const;

 private:
  struct Change {
    int table;
    int serial;
    int ordinal;  // 0: the row was deleted (whole row kept)
    std::string before;
    SheetRow removed;
    std::size_t position = 0;
    bool withLast = false;  // undone together with the change before it
  };
  SheetRow blankRow(int table);
  SheetRow& rowAt(int table, std::size_t row);
  std::optional<std::size_t> find(int table, int serial) const;
  void readAll();
  void write(int table, SheetRow& row);
  std::vector<Value> valuesOf(int table, const SheetRow& row) const;

  std::filesystem::path m_file;
  Database m_db;
  std::vector<std::vector<SheetRow>> m_rows;
  std::vector<Change> m_undo;
  int m_nextSerial = 1;
  double m_year = 0, m_number = 0;  // for a header row the sheet adds
};

}  // namespace yardmark
