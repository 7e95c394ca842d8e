#include "gui/entry/GameDetailsSection.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "core/db/Database.h"
#include "gui/entry/EntryWidgets.h"
#include "gui/shell/App.h"
#include "gui/shell/Prompter.h"
#include "gui/shell/TellFailure.h"

namespace yardmark {

namespace {

// A date box has no blank state: its lowest date stands for "not set" and shows as a blank.
const QDate kNoDate(1900, 1, 1);

// The calendar of a date not yet set opens on September of the game's year, not on 1900; Delete
// in the box takes the date away again.
class DateBoxKeys : public QObject {
 public:
  DateBoxKeys(QDateEdit* box, std::function<int()> year) : QObject(box), m_box(box), m_year(std::move(year)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != m_box && event->type() == QEvent::Show && m_box->date() == kNoDate) {
      const int year = m_year();
      static_cast<QCalendarWidget*>(watched)->setCurrentPage(year > kNoDate.year() ? year : QDate::currentDate().year(),
                                                             9);
    }
    if (watched == m_box && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
      m_box->setDate(kNoDate);
      return true;
    }
    return false;
  }

 private:
  QDateEdit* m_box;
  std::function<int()> m_year;
};

void setOption(QRadioButton* option, bool on) {
  option->setAutoExclusive(false);  // so that showing a game without a site clears all three
  option->setChecked(on);
  option->setAutoExclusive(true);
}

QString points(double n) { return n == 0 ? QString() : QString::fromStdString(textOfNumber(n)); }

}  // namespace

GameDetailsSection::GameDetailsSection(SectionHost& host, std::function<Database&()> database,
                                       std::function<int()> gameYear, QWidget* parent)
    : QGroupBox("Game Details", parent),
      m_host(host),
      m_database(std::move(database)),
      m_gameYear(std::move(gameYear)) {
  setObjectName("FrameDetails");
  build();
  connect(cmddAdd, &QPushButton::clicked, this, [this] { addClick(); });
  connect(cmddEdit, &QPushButton::clicked, this, [this] { editClick(); });
  connect(cmddSave, &QPushButton::clicked, this, [this] { saveClick(); });
  setMode(Mode::Empty);
}

void GameDetailsSection::build() {
  auto* grid = new QGridLayout(this);
  dtpGameDate = new QDateEdit(this);
  dtpGameDate->setObjectName("dtpGameDate");
  dtpGameDate->setCalendarPopup(true);
  dtpGameDate->setDisplayFormat("MMM d, yyyy");
  dtpGameDate->setMinimumDate(kNoDate);
  dtpGameDate->setSpecialValueText(" ");
  dtpGameDate->setDate(kNoDate);
  QCalendarWidget* calendar = dtpGameDate->calendarWidget();
  auto* keys = new DateBoxKeys(dtpGameDate, m_gameYear);
  calendar->installEventFilter(keys);
  dtpGameDate->installEventFilter(keys);
  // The month and year buttons show their text, not a picture.
  for (QToolButton* b : calendar->findChildren<QToolButton*>())
    if (b->icon().isNull()) b->setToolButtonStyle(Qt::ToolButtonTextOnly);
  auto* sites = new QHBoxLayout;
  optHome = new QRadioButton("Home", this);
  optAway = new QRadioButton("Away", this);
  optNeutral = new QRadioButton("Neutral", this);
  for (QRadioButton* site : {optHome, optAway, optNeutral}) {
    site->setObjectName("opt" + site->text());
    sites->addWidget(site);
  }
  sites->addStretch(1);
  txtPlace = new QLineEdit(this);
  txtPlace->setObjectName("txtPlace");
  txtOvertimeOwn = numberBox(this, "txtOvertimeOwn");
  txtOvertimeOpp = numberBox(this, "txtOvertimeOpp");
  txtNotes = new QLineEdit(this);
  txtNotes->setObjectName("txtNotes");

  grid->addWidget(buddyLabel(this, "lblGameDate", "Date", dtpGameDate), 0, 0);
  grid->addWidget(dtpGameDate, 0, 1);
  grid->addLayout(sites, 0, 2, 1, 2);
  grid->addWidget(buddyLabel(this, "lblPlace", "Place", txtPlace), 0, 4);
  grid->addWidget(txtPlace, 0, 5);
  grid->addWidget(buddyLabel(this, "lblOvertimeOwn", "Overtime Own", txtOvertimeOwn), 1, 0);
  grid->addWidget(txtOvertimeOwn, 1, 1);
  grid->addWidget(buddyLabel(this, "lblOvertimeOpp", "Overtime Opp.", txtOvertimeOpp), 1, 2);
  grid->addWidget(txtOvertimeOpp, 1, 3);
  grid->addWidget(buddyLabel(this, "lblNotes", "Notes", txtNotes), 1, 4);
  grid->addWidget(txtNotes, 1, 5);
  grid->setColumnStretch(5, 1);

  cmddAdd = namedButton(this, "cmddAdd", "Add");
  cmddEdit = namedButton(this, "cmddEdit", "Edit");
  cmddSave = saveButton(this, "cmddSave");
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  for (QPushButton* b : {cmddAdd, cmddEdit, cmddSave}) buttons->addWidget(b);
  grid->addLayout(buttons, 2, 0, 1, 6);
}

std::array<QWidget*, 8> GameDetailsSection::typedBoxes() const {
  return {dtpGameDate, optHome, optAway, optNeutral, txtPlace, txtOvertimeOwn, txtOvertimeOpp, txtNotes};
}

void GameDetailsSection::setMode(Mode mode) {
  m_mode = mode;
  const GameLevelSection::Controls c = GameLevelSection::controlsIn(mode);
  for (QWidget* box : typedBoxes()) box->setEnabled(c.typed);
  cmddAdd->setEnabled(addIn(mode));
  cmddEdit->setEnabled(c.edit);
  cmddSave->setEnabled(c.save);
}

GameDetails GameDetailsSection::shown() const {
  GameDetails d;
  if (dtpGameDate->date() != kNoDate) d.date = dtpGameDate->date().toString(Qt::ISODate).toStdString();
  d.site = optHome->isChecked()      ? Site::Home
           : optAway->isChecked()    ? Site::Away
           : optNeutral->isChecked() ? Site::Neutral
                                     : Site::Unset;
  d.place = trimmed(txtPlace->text().toStdString());
  d.overtimeOwn = numberFromText(txtOvertimeOwn->text().toStdString());
  d.overtimeOpp = numberFromText(txtOvertimeOpp->text().toStdString());
  d.notes = trimmed(txtNotes->text().toStdString());
  return d;
}

void GameDetailsSection::show(const GameDetails& d) {
  const QDate date = QDate::fromString(QString::fromStdString(d.date), Qt::ISODate);
  dtpGameDate->setDate(date.isValid() && date > kNoDate ? date : kNoDate);
  setOption(optHome, d.site == Site::Home);
  setOption(optAway, d.site == Site::Away);
  setOption(optNeutral, d.site == Site::Neutral);
  txtPlace->setText(QString::fromStdString(d.place));
  txtOvertimeOwn->setText(points(d.overtimeOwn));
  txtOvertimeOpp->setText(points(d.overtimeOpp));
  txtNotes->setText(QString::fromStdString(d.notes));
}

void GameDetailsSection::enable() {
  m_stored = readGameDetails(m_database());
  // Coming back from another window must not throw away what was typed.
  if (m_mode == Mode::Adding || m_mode == Mode::Editing) return;
  show(m_stored);
  setMode(m_stored.empty() ? Mode::Empty : Mode::Browsing);
}

void GameDetailsSection::reset() {
  m_stored = {};
  show(m_stored);
  setMode(Mode::Empty);
}

void GameDetailsSection::addClick() {
  show({});
  setMode(Mode::Adding);
  dtpGameDate->setFocus();
}

void GameDetailsSection::editClick() {
  if (m_stored.empty()) {
    m_host.app().prompter().tell("No records for editing.");
    return;
  }
  setMode(Mode::Editing);
  dtpGameDate->setFocus();
}

void GameDetailsSection::save(bool silent) {
  const GameDetails details = shown();
  if (silent && details == m_stored) return;
  if (!silent && details.empty() && m_stored.empty()) {
    m_host.app().prompter().tell("Empty values can not be saved/updated.");
    dtpGameDate->setFocus();
    return;
  }
  try {
    m_host.checkGameFile();
    writeGameDetails(m_database(), details);
  } catch (const DbError& e) {
    // Refused (read-only, disk full, file gone): the typing stays for another try.
    tellFailure(m_host.app().prompter(), e);
    m_host.noteSaveFailed();
    return;
  }
  m_stored = details;
  if (!silent) m_host.app().prompter().tell("Updated successfully");
  show(m_stored);
  setMode(m_stored.empty() ? Mode::Empty : Mode::Browsing);
}

}  // namespace yardmark
