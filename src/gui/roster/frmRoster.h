#pragma once
// Roster maintenance: browse, find, add, edit and delete the players of the roster, in
// last-name order.
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "core/db/Database.h"
#include "gui/roster/RosterSearch.h"
#include "gui/shell/Form.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace yardmark {

class frmRoster : public Form {
  Q_OBJECT
 public:
  explicit frmRoster(App& app);
  ~frmRoster() override;

  QGroupBox* fraRoster;
  QListWidget* importFrom;
  QLabel* lblLastName;
  QLabel* lblFirstName;
  QLabel* lblMiddleName;
  QLineEdit* txtLastName;
  QLineEdit* txtFirstName;
  QLineEdit* txtMiddleName;
  QPushButton* cmdFirst;
  QPushButton* cmdPrevious;
  QPushButton* cmdNext;
  QPushButton* cmdLast;
  QPushButton* cmdAddNew;
  QPushButton* cmdUndoNew;
  QPushButton* cmdEdit;
  QPushButton* cmdSave;
  QPushButton* cmdDelete;
  QPushButton* cmdFind;
  QPushButton* cmdGoFind;
  QPushButton* cmdFindNext;
  QPushButton* cmdRefresh;
  QPushButton* cmdImport;
  QPushButton* cmdOK;
  QPushButton* cmdCancel;

  // Activation: places the form, reloads the roster and shows its first row. Runs when the
  // form becomes active, and after Save, Refresh and Delete.
  void activate();

 protected:
  void formActivate() override { activate(); }
  void formUnload(bool& cancel) override;

 private:
  void buildLayout();
  void loadRosterDB();
  void closeRosterDB();
  void displayRecords();
  void enablecontrols();
  void disableControls();
  void searchRecord();
  void tellFailure(const std::exception& e);
  void setBoxesEnabled(bool on);
  void clearBoxes();
  void setNavigationEnabled(bool on);
  void showFindButtons(bool found);

  long rowCount() const { return static_cast<long>(m_names.size()); }
  bool hasRows() const { return !m_names.empty(); }
  // Moves the view to row `index` (in last-name order); before the first or past the last
  // row leaves no current row.
  void goTo(long index);
  void showSearchResult(std::optional<long> found);

  void cmdFirst_Click();
  void cmdPrevious_Click();
  void cmdNext_Click();
  void cmdLast_Click();
  void cmdAddNew_Click();
  void cmdUndoNew_Click();
  void cmdEdit_Click();
  void cmdSave_Click();
  void cmdDelete_Click();
  void cmdFind_Click();
  void cmdGoFind_Click();
  void cmdFindNext_Click();
  void cmdImport_Click();

  std::unique_ptr<Database> m_db;
  std::optional<Recordset> m_view;  // open while the roster is loaded
  std::vector<PersonName> m_names;  // the view's rows, in its order
  long m_pos = 0;                   // the view's row: -1 before the first, rowCount() past the last
  bool m_adding = false;
  SearchTexts m_search;
};

}  // namespace yardmark
