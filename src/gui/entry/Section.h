#pragma once
// A section of the entry form and what the form gives it. The form (frmNewGame) owns the game
// file and its eight table views (indexed by GameTable); each section shows and saves the rows
// of one of them.
#include <string>

#include "core/games/GameTables.h"
#include "gui/shell/GlobalVariables.h"

namespace yardmark {

class App;
class Recordset;

// The entry form as a section sees it.
class SectionHost {
 public:
  virtual ~SectionHost() = default;
  virtual App& app() = 0;
  // The open view of one table; valid while the game file is open.
  virtual Recordset& view(int table) = 0;
  // Reopens one view with a query text, such as "select * from quarter".
  virtual void reopenView(int table, const std::string& query) = 0;
  // Reopens the game file's eight views (a save that adds a row does this first).
  virtual void loadGameDB() = 0;
  // True: the section's next save adds a row; false: it edits the current row.
  virtual bool& newRowPending(int table) = 0;
  // Throws DbError when the game file is no longer where it was opened (a save into a removed
  // file would vanish with it). loadGameDB throws the same way.
  virtual void checkGameFile() {}
  // A save the database refused (the section told the user why): closing the form then asks
  // before the typing is given up.
  virtual void noteSaveFailed() {}
};

// What the form asks of every section; the all-sections check asks the rest (SilentSave).
class Section : public SilentSave {
 public:
  // Runs each time the form becomes active: show the stored row or get ready for typing, and
  // set the buttons.
  virtual void enable() = 0;
};

}  // namespace yardmark
