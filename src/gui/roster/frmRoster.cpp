#include "gui/roster/frmRoster.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "gui/roster/RosterControls.h"
#include "gui/roster/frmRosterImport.h"
#include "gui/shell/App.h"
#include "gui/shell/FormHost.h"
#include "gui/shell/KeyFilter.h"
#include "gui/shell/Prompter.h"
#include "gui/shell/Twips.h"

namespace yardmark {

namespace {

constexpr const char* kRosterQuery = "SELECT * FROM roster ORDER BY rosterPlayerName_Last";
constexpr int kWidthTwips = 5000;
constexpr int kHeightTwips = 6000;

// A picture button: its tool tip is also the name a screen reader reads.
QPushButton* pictureButton(QWidget* parent, const char* name, QStyle::StandardPixmap picture, const QString& tip) {
  QPushButton* b = rosterButton(parent, name, {}, tip);
  b->setIcon(parent->style()->standardIcon(picture));
  return b;
}

QLineEdit* nameBox(QWidget* parent, const char* name) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(QString::fromLatin1(name));
  installKeyFilter(box, nameKey);
  return box;
}

QString textAt(const Recordset& view, int ordinal) { return QString::fromStdString(textOf(view.field(ordinal))); }

}  // namespace

frmRoster::frmRoster(App& app) : Form(app) {
  setObjectName("frmRoster");
  setWindowTitle("Roster Information");

  fraRoster = new QGroupBox("Current Roster", this);
  fraRoster->setObjectName("fraRoster");
  importFrom = new QListWidget(fraRoster);
  importFrom->setObjectName("importFrom");
  importFrom->setSelectionMode(QAbstractItemView::NoSelection);
  importFrom->setSortingEnabled(true);

  lblLastName = rosterLabel(this, "lblLastName", "Last Name");
  lblFirstName = rosterLabel(this, "lblFirstName", "First Name");
  lblMiddleName = rosterLabel(this, "lblMiddleName", "MI");
  txtLastName = nameBox(this, "txtLastName");
  txtFirstName = nameBox(this, "txtFirstName");
  txtMiddleName = nameBox(this, "txtMiddleName");
  lblLastName->setBuddy(txtLastName);
  lblFirstName->setBuddy(txtFirstName);
  lblMiddleName->setBuddy(txtMiddleName);

  cmdFirst = pictureButton(this, "cmdFirst", QStyle::SP_MediaSkipBackward, "First");
  cmdPrevious = pictureButton(this, "cmdPrevious", QStyle::SP_MediaSeekBackward, "Previous");
  cmdNext = pictureButton(this, "cmdNext", QStyle::SP_MediaSeekForward, "Next");
  cmdLast = pictureButton(this, "cmdLast", QStyle::SP_MediaSkipForward, "Last");
  cmdAddNew = rosterButton(this, "cmdAddNew", "Add", "Add New");
  cmdUndoNew = rosterButton(this, "cmdUndoNew", "Undo");
  cmdEdit = rosterButton(this, "cmdEdit", "Edit");
  cmdSave = rosterButton(this, "cmdSave", "Save");
  cmdDelete = rosterButton(this, "cmdDelete", "Delete");
  cmdFind = rosterButton(this, "cmdFind", "Find", "Find Record");
  cmdGoFind = rosterButton(this, "cmdGoFind", "Go", "Get Record");
  cmdFindNext = rosterButton(this, "cmdFindNext", " Find Next", "Get Record");
  cmdRefresh = rosterButton(this, "cmdRefresh", "Refresh");
  cmdImport = rosterButton(this, "cmdImport", "Import");
  cmdOK = rosterButton(this, "cmdOK", "OK");
  cmdCancel = rosterButton(this, "cmdCancel", "Cancel");
  buildLayout();

  // As designed: the boxes and Save off, Undo, Go and Find Next hidden.
  setBoxesEnabled(false);
  cmdSave->setEnabled(false);
  cmdUndoNew->hide();
  cmdGoFind->hide();
  cmdFindNext->hide();

  connect(cmdFirst, &QPushButton::clicked, this, &frmRoster::cmdFirst_Click);
  connect(cmdPrevious, &QPushButton::clicked, this, &frmRoster::cmdPrevious_Click);
  connect(cmdNext, &QPushButton::clicked, this, &frmRoster::cmdNext_Click);
  connect(cmdLast, &QPushButton::clicked, this, &frmRoster::cmdLast_Click);
  connect(cmdAddNew, &QPushButton::clicked, this, &frmRoster::cmdAddNew_Click);
  connect(cmdUndoNew, &QPushButton::clicked, this, &frmRoster::cmdUndoNew_Click);
  connect(cmdEdit, &QPushButton::clicked, this, &frmRoster::cmdEdit_Click);
  connect(cmdSave, &QPushButton::clicked, this, &frmRoster::cmdSave_Click);
  connect(cmdDelete, &QPushButton::clicked, this, &frmRoster::cmdDelete_Click);
  connect(cmdFind, &QPushButton::clicked, this, &frmRoster::cmdFind_Click);
  connect(cmdGoFind, &QPushButton::clicked, this, &frmRoster::cmdGoFind_Click);
  connect(cmdFindNext, &QPushButton::clicked, this, &frmRoster::cmdFindNext_Click);
  connect(cmdRefresh, &QPushButton::clicked, this, &frmRoster::searchRecord);
  connect(cmdImport, &QPushButton::clicked, this, &frmRoster::cmdImport_Click);
  connect(cmdOK, &QPushButton::clicked, this, [this] { unload(); });
  connect(cmdCancel, &QPushButton::clicked, this, [this] { unload(); });
}

frmRoster::~frmRoster() = default;

void frmRoster::buildLayout() {
  auto* listLayout = new QVBoxLayout(fraRoster);
  listLayout->setContentsMargins(6, 4, 6, 6);
  listLayout->addWidget(importFrom);

  auto* names = new QGridLayout;
  names->addWidget(lblLastName, 0, 0);
  names->addWidget(txtLastName, 0, 1);
  names->addWidget(lblFirstName, 1, 0);
  names->addWidget(txtFirstName, 1, 1);
  names->addWidget(lblMiddleName, 2, 0);
  names->addWidget(txtMiddleName, 2, 1);
  names->setVerticalSpacing(3);

  auto* navigation = new QHBoxLayout;
  for (QPushButton* b : {cmdFirst, cmdPrevious, cmdNext, cmdLast}) navigation->addWidget(b);

  auto row = [](std::initializer_list<QWidget*> widgets, bool stretchBeforeLastTwo = false) {
    auto* line = new QHBoxLayout;
    int i = 0;
    const int n = static_cast<int>(widgets.size());
    for (QWidget* w : widgets) {
      if (stretchBeforeLastTwo && i++ == n - 2) line->addStretch();
      line->addWidget(w);
    }
    return line;
  };

  auto* all = new QVBoxLayout(this);
  all->setContentsMargins(8, 6, 8, 8);
  all->setSpacing(5);
  all->addWidget(fraRoster, 1);
  all->addLayout(names);
  all->addLayout(navigation);
  all->addLayout(row({cmdAddNew, cmdUndoNew, cmdEdit, cmdSave, cmdDelete}));
  all->addLayout(row({cmdFind, cmdGoFind, cmdFindNext, cmdRefresh}));
  all->addLayout(row({cmdImport, cmdOK, cmdCancel}, true));

  // Reading order.
  QWidget* order[] = {importFrom, txtLastName, txtFirstName, txtMiddleName, cmdFirst, cmdPrevious, cmdNext,
                      cmdLast,    cmdAddNew,   cmdUndoNew,   cmdEdit,       cmdSave,  cmdDelete,   cmdFind,
                      cmdGoFind,  cmdFindNext, cmdRefresh,   cmdImport,     cmdOK,    cmdCancel};
  for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

// ------------------------------------------------------------------ activation and loading

void frmRoster::activate() {
  // The form's size is set before it is placed, so that it stays where it first appeared.
  FormHost& forms = app().forms();
  if (QMdiSubWindow* window = forms.subWindowOf(*this))
    window->resize(pixelsFromTwips(kWidthTwips), pixelsFromTwips(kHeightTwips));
  const QSize main = forms.mainWindowTwips(), me = forms.sizeTwips(*this);
  forms.place(*this, {main.width() / 2 - me.width() / 2 - 480, main.height() / 2 - me.height() / 2});

  // Back to browsing: an add or edit left half-done must not let Save overwrite the row that is
  // shown after the reload.
  m_adding = false;
  setBoxesEnabled(false);
  cmdSave->setEnabled(false);
  cmdUndoNew->hide();
  cmdAddNew->setEnabled(true);
  cmdGoFind->hide();
  cmdFind->show();
  loadRosterDB();
  if (hasRows()) {
    goTo(0);
    displayRecords();
  }
  disableControls();
}

void frmRoster::loadRosterDB() {
  closeRosterDB();
  importFrom->clear();
  try {
    m_db = std::make_unique<Database>(ensureRosterDatabase(app().tree()));
    m_view.emplace(m_db->openRecordset(kRosterQuery));
    // One sort after the fill, rather than one insertion in order per row.
    importFrom->setSortingEnabled(false);
    for (; !m_view->isEOF(); m_view->moveNext()) {
      PersonName name{textAt(*m_view, 1), textAt(*m_view, 2), textAt(*m_view, 3)};
      new RosterListItem(rosterListText(name), importFrom);
      m_names.push_back(std::move(name));
    }
    importFrom->setSortingEnabled(true);
  } catch (const std::exception& e) {
    importFrom->setSortingEnabled(true);
    closeRosterDB();
    tellFailure(e);
    return;
  }
  // The buttons behind the message already show that there is nothing to browse.
  disableControls();
  if (!hasRows()) {
    app().prompter().message(MessageBox("Select the Add Button to begin entering in your Roster information.",
                                        Buttons::Ok, Icon::Information));
    m_pos = 0;
    return;
  }
  goTo(0);
}

void frmRoster::tellFailure(const std::exception& e) {
  app().prompter().message(MessageBox("Error.  " + QString::fromStdString(e.what()), Buttons::Ok, Icon::Critical));
}

void frmRoster::closeRosterDB() {
  m_view.reset();
  if (m_db) m_db->close();
  m_db.reset();
  m_names.clear();
  m_pos = 0;
}

void frmRoster::formUnload(bool& /*cancel*/) { closeRosterDB(); }

void frmRoster::goTo(long index) {
  m_pos = std::clamp(index, -1L, rowCount());
  if (!hasRows() || !m_view) return;
  if (m_pos < 0) {
    m_view->moveFirst();
    m_view->movePrevious();
  } else if (m_pos == rowCount()) {
    m_view->moveLast();
    m_view->moveNext();
  } else {
    m_view->moveFirst();
    m_view->move(m_pos);
  }
}

void frmRoster::displayRecords() {
  if (m_pos < 0 || m_pos >= rowCount()) return;
  const PersonName& name = m_names[static_cast<size_t>(m_pos)];
  txtLastName->setText(name.last);
  txtFirstName->setText(name.first);
  txtMiddleName->setText(name.middle);
}

// ------------------------------------------------------------------ control states

void frmRoster::setBoxesEnabled(bool on) {
  for (QLineEdit* box : {txtLastName, txtFirstName, txtMiddleName}) box->setEnabled(on);
}

void frmRoster::clearBoxes() {
  for (QLineEdit* box : {txtLastName, txtFirstName, txtMiddleName}) box->clear();
}

void frmRoster::setNavigationEnabled(bool on) {
  for (QPushButton* b : {cmdEdit, cmdDelete, cmdNext, cmdPrevious, cmdLast, cmdFirst}) b->setEnabled(on);
}

void frmRoster::disableControls() { setNavigationEnabled(hasRows()); }

void frmRoster::enablecontrols() {
  setBoxesEnabled(true);
  cmdSave->setEnabled(true);
  txtLastName->setFocus();
  setNavigationEnabled(false);
}

// ------------------------------------------------------------------ navigation

void frmRoster::cmdFirst_Click() {
  if (!hasRows()) return;
  goTo(0);
  displayRecords();
}

void frmRoster::cmdLast_Click() {
  if (!hasRows()) return;
  goTo(rowCount() - 1);
  displayRecords();
}

void frmRoster::cmdNext_Click() {
  if (!hasRows() || m_pos >= rowCount()) return;
  goTo(m_pos + 1);
  if (m_pos >= rowCount()) {
    app().prompter().tell("You are on the LAST record...");
    goTo(m_pos - 1);
  } else {
    displayRecords();
  }
}

void frmRoster::cmdPrevious_Click() {
  if (!hasRows()) return;
  goTo(m_pos - 1);
  if (m_pos < 0) {
    goTo(0);
    app().prompter().tell("You are on the FIRST record");
  } else {
    displayRecords();
  }
}

// ------------------------------------------------------------------ adding, editing, deleting

void frmRoster::cmdAddNew_Click() {
  m_adding = true;
  enablecontrols();
  clearBoxes();
  cmdAddNew->setEnabled(false);
  cmdUndoNew->show();
}

void frmRoster::cmdUndoNew_Click() {
  m_adding = false;
  enablecontrols();
  clearBoxes();
  cmdAddNew->setEnabled(true);
  cmdUndoNew->hide();
  cmdSave->setEnabled(false);
  loadRosterDB();
  if (hasRows()) displayRecords();
  disableControls();
  setBoxesEnabled(false);
}

void frmRoster::cmdEdit_Click() {
  m_adding = false;
  enablecontrols();
  cmdAddNew->setEnabled(false);
}

void frmRoster::cmdSave_Click() {
  if (txtLastName->text().isEmpty() || txtFirstName->text().isEmpty() || txtMiddleName->text().isEmpty()) {
    app().prompter().tell("You must enter all the field names.");
    return;
  }
  try {
    if (!m_view) throw DbError(dberr::EngineFailure, "The roster database is not open.");
    if (m_adding)
      m_view->addNew();
    else
      m_view->edit();
    m_view->setField(1, txtLastName->text().toStdString());
    m_view->setField(2, txtFirstName->text().toStdString());
    m_view->setField(3, txtMiddleName->text().toStdString());
    m_view->update();
  } catch (const std::exception& e) {
    // Nothing was written: the boxes keep what was typed, so the user can try again.
    if (m_view) m_view->cancelUpdate();
    tellFailure(e);
    return;
  }
  setBoxesEnabled(false);
  cmdSave->setEnabled(false);
  setNavigationEnabled(true);
  cmdAddNew->setEnabled(true);
  cmdUndoNew->hide();
  searchRecord();
}

void frmRoster::searchRecord() {
  const PersonName wanted{txtLastName->text(), txtFirstName->text(), txtMiddleName->text()};
  activate();
  for (long i = 0; i < rowCount(); ++i)
    if (m_names[static_cast<size_t>(i)] == wanted) {
      goTo(i);
      displayRecords();
      return;
    }
  app().prompter().tell("There was an error while performing this function.");
}

void frmRoster::cmdDelete_Click() {
  if (!hasRows()) {
    app().prompter().tell("Roster table is empty.");
    return;
  }
  if (app().prompter().message(MessageBox("Are you sure you want to delete Roster", Buttons::YesNo)) == Answer::Yes) {
    try {
      m_view->deleteRow();
      m_names.erase(m_names.begin() + m_pos);
      clearBoxes();
      if (hasRows()) {
        goTo(m_pos);
        displayRecords();
      }
      app().prompter().tell("The record has been deleted");
    } catch (const std::exception& e) {
      tellFailure(e);
    }
  }
  disableControls();
  activate();
}

// ------------------------------------------------------------------ finding

void frmRoster::cmdFind_Click() {
  clearBoxes();
  setBoxesEnabled(true);
  for (QPushButton* b : {cmdAddNew, cmdSave, cmdEdit, cmdDelete}) b->setEnabled(false);
  cmdGoFind->show();
  cmdFind->hide();
  cmdFindNext->hide();
  txtLastName->setFocus();
}

void frmRoster::showFindButtons(bool found) {
  cmdFind->show();
  cmdGoFind->hide();
  cmdAddNew->setEnabled(true);
  setBoxesEnabled(false);
  cmdEdit->setEnabled(true);
  cmdDelete->setEnabled(true);
  if (found) cmdFindNext->show();
}

void frmRoster::showSearchResult(std::optional<long> found) {
  if (found) {
    goTo(*found);
    displayRecords();
    showFindButtons(true);
    return;
  }
  app().prompter().tell("No Record Found");
  goTo(0);
  displayRecords();
  showFindButtons(false);
}

void frmRoster::cmdGoFind_Click() {
  m_search = SearchTexts::typed(txtLastName->text(), txtFirstName->text(), txtMiddleName->text());
  if (m_pos >= rowCount()) {
    if (!hasRows()) {
      app().prompter().tell("There was an error when performing the search.");
      return;
    }
    goTo(0);
  }
  showSearchResult(findFrom(m_names, m_pos, m_search));
}

void frmRoster::cmdFindNext_Click() { showSearchResult(findNext(m_names, m_pos, m_search)); }

void frmRoster::cmdImport_Click() {
  app().forms().show<frmRosterImport>();
  unload();
}

}  // namespace yardmark
