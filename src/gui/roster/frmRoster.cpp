#include "gui/roster/frmRoster.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSignalBlocker>
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

constexpr int kWidthTwips = 5000;
constexpr int kHeightTwips = 6000;
// A button that shows its caption rather than a picture.
constexpr QStyle::StandardPixmap kNoPicture = QStyle::SP_CustomBase;

}  // namespace

frmRoster::frmRoster(App& app) : Form(app) {
  setObjectName("frmRoster");
  setWindowTitle("Roster Information");
  buildWidgets();
  buildLayout();
  // Until the first activation loads the roster there is nothing to browse.
  setMode(Mode::Browsing);
}

frmRoster::~frmRoster() = default;

void frmRoster::buildWidgets() {
  fraRoster = new QGroupBox("Current Roster", this);
  fraRoster->setObjectName("fraRoster");
  importFrom = new QListWidget(fraRoster);
  importFrom->setObjectName("importFrom");
  importFrom->setSelectionMode(QAbstractItemView::NoSelection);
  importFrom->setSortingEnabled(true);
  // A click or an arrow key shows that player, as moving to it does; each item knows its row,
  // the list being sorted apart.
  const auto pick = [this](QListWidgetItem* item) {
    if (!item || !controlsIn(m_mode, hasRows()).pick) return;
    goTo(item->data(Qt::UserRole).toLongLong());
    displayRecords();
  };
  connect(importFrom, &QListWidget::itemClicked, this, pick);
  connect(importFrom, &QListWidget::currentItemChanged, this, pick);
  buildNameBoxes();
  buildDetailBoxes();
  buildButtons();
}

void frmRoster::buildNameBoxes() {
  struct NameBox {
    QLabel* frmRoster::*label;
    const char *labelName, *caption;
    QLineEdit* frmRoster::*box;
    const char* boxName;
  };
  const NameBox boxes[] = {
      {&frmRoster::lblLastName, "lblLastName", "Last Name", &frmRoster::txtLastName, "txtLastName"},
      {&frmRoster::lblFirstName, "lblFirstName", "First Name", &frmRoster::txtFirstName, "txtFirstName"},
      {&frmRoster::lblMiddleName, "lblMiddleName", "MI", &frmRoster::txtMiddleName, "txtMiddleName"}};
  for (const NameBox& b : boxes) {
    this->*b.label = rosterLabel(this, b.labelName, b.caption);
    this->*b.box = nameBox(this, b.boxName);
    (this->*b.label)->setBuddy(this->*b.box);
  }
}

void frmRoster::buildButtons() {
  // A picture button's tool tip is also the name a screen reader reads.
  struct Button {
    QPushButton* frmRoster::*member;
    const char *name, *caption, *tip;
    QStyle::StandardPixmap picture;
    void (frmRoster::*click)();
  };
  const Button buttons[] = {
      {&frmRoster::cmdFirst, "cmdFirst", "", "First", QStyle::SP_MediaSkipBackward, &frmRoster::cmdFirst_Click},
      {&frmRoster::cmdPrevious, "cmdPrevious", "", "Previous", QStyle::SP_MediaSeekBackward,
       &frmRoster::cmdPrevious_Click},
      {&frmRoster::cmdNext, "cmdNext", "", "Next", QStyle::SP_MediaSeekForward, &frmRoster::cmdNext_Click},
      {&frmRoster::cmdLast, "cmdLast", "", "Last", QStyle::SP_MediaSkipForward, &frmRoster::cmdLast_Click},
      {&frmRoster::cmdAddNew, "cmdAddNew", "Add", "Add New", kNoPicture, &frmRoster::cmdAddNew_Click},
      {&frmRoster::cmdUndoNew, "cmdUndoNew", "Undo", "", kNoPicture, &frmRoster::cmdUndoNew_Click},
      {&frmRoster::cmdEdit, "cmdEdit", "Edit", "", kNoPicture, &frmRoster::cmdEdit_Click},
      {&frmRoster::cmdSave, "cmdSave", "Save", "", kNoPicture, &frmRoster::cmdSave_Click},
      {&frmRoster::cmdDelete, "cmdDelete", "Delete", "", kNoPicture, &frmRoster::cmdDelete_Click},
      {&frmRoster::cmdFind, "cmdFind", "Find", "Find Record", kNoPicture, &frmRoster::cmdFind_Click},
      {&frmRoster::cmdGoFind, "cmdGoFind", "Go", "Get Record", kNoPicture, &frmRoster::cmdGoFind_Click},
      {&frmRoster::cmdFindNext, "cmdFindNext", " Find Next", "Get Record", kNoPicture, &frmRoster::cmdFindNext_Click},
      {&frmRoster::cmdRefresh, "cmdRefresh", "Refresh", "", kNoPicture, &frmRoster::cmdRefresh_Click},
      {&frmRoster::cmdImport, "cmdImport", "Import", "", kNoPicture, &frmRoster::cmdImport_Click},
      {&frmRoster::cmdOK, "cmdOK", "OK", "", kNoPicture, &frmRoster::cmdOK_Click},
      {&frmRoster::cmdCancel, "cmdCancel", "Cancel", "", kNoPicture, &frmRoster::cmdCancel_Click},
  };
  for (const Button& b : buttons) {
    QPushButton* button = rosterButton(this, b.name, b.caption, b.tip);
    if (b.picture != kNoPicture) button->setIcon(style()->standardIcon(b.picture));
    connect(button, &QPushButton::clicked, this, b.click);
    this->*b.member = button;
  }
}

void frmRoster::buildLayout() {
  auto* listLayout = new QVBoxLayout(fraRoster);
  listLayout->setContentsMargins(6, 4, 6, 6);
  listLayout->addWidget(importFrom);

  auto* names = new QGridLayout;
  const std::pair<QLabel*, QLineEdit*> lines[] = {
      {lblLastName, txtLastName}, {lblFirstName, txtFirstName}, {lblMiddleName, txtMiddleName}};
  for (int row = 0; row < 3; ++row) {
    names->addWidget(lines[row].first, row, 0);
    names->addWidget(lines[row].second, row, 1);
  }
  layDetailBoxes(names, 3);
  names->setVerticalSpacing(3);

  // A line of buttons; the last two of the bottom line stand at the right.
  auto line = [](std::initializer_list<QWidget*> widgets, bool lastTwoRight = false) {
    auto* layout = new QHBoxLayout;
    int i = 0;
    for (QWidget* w : widgets) {
      if (lastTwoRight && i++ == static_cast<int>(widgets.size()) - 2) layout->addStretch();
      layout->addWidget(w);
    }
    return layout;
  };

  auto* all = new QVBoxLayout(this);
  all->setContentsMargins(8, 6, 8, 8);
  all->setSpacing(5);
  all->addWidget(fraRoster, 1);
  all->addLayout(names);
  all->addLayout(line({cmdFirst, cmdPrevious, cmdNext, cmdLast}));
  all->addLayout(line({cmdAddNew, cmdUndoNew, cmdEdit, cmdSave, cmdDelete}));
  all->addLayout(line({cmdFind, cmdGoFind, cmdFindNext, cmdRefresh}));
  all->addLayout(line({cmdImport, cmdOK, cmdCancel}, true));

  // Reading order.
  QWidget* order[] = {importFrom,  txtLastName, txtFirstName, txtMiddleName, txtNumber, txtPosition,
                      cmbGrade,    cmdFirst,    cmdPrevious,  cmdNext,       cmdLast,   cmdAddNew,
                      cmdUndoNew,  cmdEdit,     cmdSave,      cmdDelete,     cmdFind,   cmdGoFind,
                      cmdFindNext, cmdRefresh,  cmdImport,    cmdOK,         cmdCancel};
  for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

void frmRoster::setMode(Mode mode) {
  m_mode = mode;
  const Controls c = controlsIn(mode, hasRows());
  for (QLineEdit* box : {txtLastName, txtFirstName, txtMiddleName}) box->setEnabled(c.boxes);
  enableDetails(c.details);
  cmdAddNew->setEnabled(c.addNew);
  cmdUndoNew->setVisible(c.undo);
  for (QPushButton* b : {cmdEdit, cmdDelete}) b->setEnabled(c.editDelete);
  for (QPushButton* b : {cmdFirst, cmdPrevious, cmdNext, cmdLast}) b->setEnabled(c.navigation);
  importFrom->setEnabled(c.pick);
  cmdSave->setEnabled(c.save);
  cmdFind->setVisible(c.find);
  cmdGoFind->setVisible(c.go);
  cmdFindNext->setVisible(c.findNext);
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
  m_mode = browsingMode();
  loadRosterDB();
  if (hasRows()) displayRecords();
}

void frmRoster::loadRosterDB() {
  closeRosterDB();
  importFrom->clear();
  try {
    m_roster.emplace(app().tree());
  } catch (const std::exception& e) {
    refreshControls();
    tellFailure(e);
    return;
  }
  // One sort after the fill, rather than one insertion in order per row; the current name is set
  // by the row shown, not by the fill.
  const QSignalBlocker quiet(importFrom);
  importFrom->setSortingEnabled(false);
  for (std::size_t i = 0; i < rows().size(); ++i)
    (new RosterListItem(QString::fromStdString(rosterListText(rows()[i])), importFrom))
        ->setData(Qt::UserRole, QVariant::fromValue<qlonglong>(static_cast<qlonglong>(i)));
  importFrom->setSortingEnabled(true);
  // The buttons behind the message already show that there is nothing to browse.
  refreshControls();
  if (!hasRows())
    app().prompter().message(MessageBox("Select the Add Button to begin entering in your Roster information.",
                                        Buttons::Ok, Icon::Information));
  goTo(0);
}

void frmRoster::tellFailure(const std::exception& e) {
  app().prompter().message(MessageBox("Error.  " + QString::fromStdString(e.what()), Buttons::Ok, Icon::Critical));
}

void frmRoster::closeRosterDB() {
  m_roster.reset();
  m_pos = 0;
}

void frmRoster::formUnload(bool& /*cancel*/) { closeRosterDB(); }

const std::vector<PersonName>& frmRoster::rows() const {
  static const std::vector<PersonName> none;
  return m_roster ? m_roster->rows() : none;
}

void frmRoster::displayRecords() {
  if (m_pos < 0 || m_pos >= rowCount()) return;
  const PersonName& name = rows()[static_cast<size_t>(m_pos)];
  txtLastName->setText(QString::fromStdString(name.last));
  txtFirstName->setText(QString::fromStdString(name.first));
  txtMiddleName->setText(QString::fromStdString(name.middle));
  displayDetails(players()[static_cast<size_t>(m_pos)]);
  // The list's current name follows, so that the arrow keys go on from the player shown.
  const QSignalBlocker quiet(importFrom);
  for (int i = 0; i < importFrom->count(); ++i)
    if (importFrom->item(i)->data(Qt::UserRole).toLongLong() == m_pos) importFrom->setCurrentRow(i);
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
  clearBoxes();
  setMode(Mode::Adding);
  txtLastName->setFocus();
}

void frmRoster::cmdUndoNew_Click() {
  clearBoxes();
  m_mode = browsingMode();
  loadRosterDB();
  if (hasRows()) displayRecords();
}

void frmRoster::cmdEdit_Click() {
  setMode(Mode::Editing);
  txtLastName->setFocus();
}

void frmRoster::cmdSave_Click() {
  const RosterPlayer typed = typedPlayer();
  if (!isComplete(typed.name)) {
    app().prompter().tell("You must enter all the field names.");
    return;
  }
  if (!numberMayBeWorn(typed)) return;
  try {
    if (!m_roster) throw DbError(dberr::EngineFailure, "The roster database is not open.");
    if (m_mode == Mode::Adding)
      m_roster->add(typed);
    else
      m_roster->edit(static_cast<size_t>(m_pos), typed);
  } catch (const std::exception& e) {
    // Nothing was written: the boxes keep what was typed, so the user can try again.
    tellFailure(e);
    return;
  }
  searchRecord();
}

void frmRoster::searchRecord() {
  const PersonName wanted = typedName();
  activate();
  const auto found = std::find(rows().begin(), rows().end(), wanted);
  if (found == rows().end()) {
    app().prompter().tell("There was an error while performing this function.");
    return;
  }
  goTo(found - rows().begin());
  displayRecords();
}

void frmRoster::cmdDelete_Click() {
  if (!hasRows()) {
    app().prompter().tell("Roster table is empty.");
    return;
  }
  if (app().prompter().message(MessageBox("Are you sure you want to delete Roster", Buttons::YesNo)) == Answer::Yes) {
    try {
      m_roster->remove(static_cast<size_t>(m_pos));
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
  activate();
}

// ------------------------------------------------------------------ finding

void frmRoster::cmdFind_Click() {
  clearBoxes();
  m_searchFound = false;
  setMode(Mode::Finding);
  txtLastName->setFocus();
}

void frmRoster::showSearchResult(std::optional<long> found) {
  if (found) {
    m_searchFound = true;
    goTo(*found);
  } else {
    app().prompter().tell("No Record Found");
    goTo(0);
  }
  displayRecords();
  setMode(browsingMode());
}

void frmRoster::cmdGoFind_Click() {
  m_search = SearchTexts::typed(typedName());
  if (m_pos >= rowCount()) {
    if (!hasRows()) {
      app().prompter().tell("There was an error when performing the search.");
      return;
    }
    goTo(0);
  }
  showSearchResult(findFrom(rows(), m_pos, m_search));
}

void frmRoster::cmdFindNext_Click() { showSearchResult(findNext(rows(), m_pos, m_search)); }

void frmRoster::cmdImport_Click() {
  app().forms().show<frmRosterImport>();
  unload();
}

}  // namespace yardmark
