#pragma once
// Import of players from a roster kept in a spreadsheet and saved as CSV.
#include <vector>

#include "core/roster/SpreadsheetRoster.h"
#include "gui/shell/FilePick.h"
#include "gui/shell/Form.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace yardmark {

class frmRosterImportSheet : public Form {
  Q_OBJECT
 public:
  explicit frmRosterImportSheet(App& app);

  // Roster > Import from Spreadsheet...: asks for the file, reads it and shows its players.
  // A file that gives no roster is named with its line and reason, and the form stays as it was.
  static void chooseFile(App& app, const PickFile& pick = pickFileToOpen);

  // Lists the players of a file, each with what the check found on it.
  void showSheet(const QString& file, const SheetRoster& sheet, const std::vector<SheetCheck>& checks);

  QLabel* Label4;
  QLabel* lblFile;
  QLabel* lblOtherColumns;
  QLabel* Label2;
  QListWidget* importFrom;
  QLabel* Label3;
  QListWidget* importTo;
  QPushButton* cmdAddAll;
  QPushButton* cmdAddDatabase;
  QPushButton* cmdRemoveDatabase;
  QPushButton* cmdRemoveAll;
  QPushButton* cmdImport;
  QPushButton* cmdClose;

 private:
  void buildLists();
  void buildLayout();
  void cmdImport_Click();
};

}  // namespace yardmark
