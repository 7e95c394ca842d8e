#pragma once
// Roster maintenance: browse, find, add, edit and delete the players of the roster, in
// last-name order.
#include <algorithm>
#include <optional>
#include <vector>

#include "core/roster/Roster.h"
#include "core/roster/RosterSearch.h"
#include "gui/shell/Form.h"

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace yardmark {

class frmRoster : public Form {
  Q_OBJECT
 public:
  // Found is browsing after a search found a row: Find Next goes on from the shown row.
  enum class Mode { Browsing, Found, Adding, Editing, Finding };

  // What a mode offers: the name boxes, the number, position and grade boxes (not searched, so
  // not offered while finding) and the buttons enabled; Undo, Find, Go and Find Next shown; a
  // click in the list showing that player.
  struct Controls {
    bool boxes, details, addNew, undo, editDelete, navigation, save, find, go, findNext, pick;
    bool operator==(const Controls&) const = default;
  };
  // Edit, Delete and the navigation buttons also need a row to act on.
  static constexpr Controls controlsIn(Mode mode, bool hasRows);

  explicit frmRoster(App& app);
  ~frmRoster() override;

  Mode mode() const { return m_mode; }

  QGroupBox* fraRoster;
  QListWidget* importFrom;
  QLabel* lblLastName;
  QLabel* lblFirstName;
  QLabel* lblMiddleName;
  QLineEdit* txtLastName;
  QLineEdit* txtFirstName;
  QLineEdit* txtMiddleName;
  QLabel* lblNumber;
  QLabel* lblPosition;
  QLabel* lblGrade;
  QLineEdit* txtNumber;
  QLineEdit* txtPosition;
  QComboBox* cmbGrade;
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
  // clang-format off
  static constexpr Controls kModes[] = {
      // boxes details addNew undo   editDel navig. save   find   go     findNext pick
      {false, false, true,  false, true,  true,  false, true,  false, false, true},   // Browsing
      {false, false, true,  false, true,  true,  false, true,  false, true,  true},   // Found
      {true,  true,  false, true,  false, false, true,  true,  false, false, false},  // Adding
      {true,  true,  false, false, false, false, true,  true,  false, false, false},  // Editing
      {true,  false, false, false, false, true,  false, false, true,  false, true},   // Finding
  };
  // clang-format on

  void buildWidgets();
  void buildNameBoxes();
  // The number, position and grade (frmRosterDetails.cpp).
  void buildDetailBoxes();
  void layDetailBoxes(QGridLayout* grid, int firstRow);
  void enableDetails(bool enabled);
  void displayDetails(const RosterPlayer& player);
  RosterPlayer typedPlayer() const;
  // A number another player wears is saved only when the coach says so.
  bool numberMayBeWorn(const RosterPlayer& player);
  void buildButtons();
  void buildLayout();
  void setMode(Mode mode);
  // After a reload or a delete: the mode stays, the row count may have changed.
  void refreshControls() { setMode(m_mode); }
  Mode browsingMode() const { return m_searchFound ? Mode::Found : Mode::Browsing; }

  void loadRosterDB();
  void closeRosterDB();
  void displayRecords();
  void searchRecord();
  void tellFailure(const std::exception& e);
  void clearBoxes();
  PersonName typedName() const;

  const std::vector<PersonName>& rows() const;
  const std::vector<RosterPlayer>& players() const;
  long rowCount() const { return static_cast<long>(rows().size()); }
  bool hasRows() const { return rowCount() > 0; }
  // The shown row, in last-name order: -1 before the first, rowCount() past the last.
  void goTo(long index) { m_pos = std::clamp(index, -1L, rowCount()); }
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
  void cmdRefresh_Click() { searchRecord(); }
  void cmdImport_Click();
  void cmdOK_Click() { unload(); }
  void cmdCancel_Click() { unload(); }

  std::optional<Roster> m_roster;  // open while the roster is loaded
  long m_pos = 0;
  Mode m_mode = Mode::Browsing;
  bool m_searchFound = false;  // the last search found a row: Find Next is offered
  SearchTexts m_search;
};

constexpr frmRoster::Controls frmRoster::controlsIn(Mode mode, bool hasRows) {
  Controls c = kModes[static_cast<int>(mode)];
  c.editDelete = c.editDelete && hasRows;
  c.navigation = c.navigation && hasRows;
  c.pick = c.pick && hasRows;
  return c;
}

}  // namespace yardmark
