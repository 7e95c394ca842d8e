#include "gui/entry/PlayerSection.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

#include "gui/entry/EntryWidgets.h"
#include "core/db/Database.h"
#include "gui/shell/App.h"
#include "gui/shell/KeyFilter.h"
#include "gui/shell/Prompter.h"

namespace yardmark {

namespace {

QPushButton* makeButton(QWidget* parent, const std::string& name, const char* caption, const char* tip,
                        const QIcon& picture = {}) {
  auto* b = new QPushButton(picture, QString::fromLatin1(caption), parent);
  b->setObjectName(QString::fromStdString(name));
  b->setToolTip(QString::fromLatin1(tip));
  b->setAutoDefault(false);
  b->setMinimumWidth(b->fontMetrics().horizontalAdvance(QStringLiteral("Delete")) + 24);
  return b;
}

// A move button shows its picture only; its caption (the tool tip's text) is there for screen
// readers and keyboard users.
QToolButton* moveButton(QWidget* parent, const std::string& name, const char* caption, QStyle::StandardPixmap picture) {
  auto* b = new QToolButton(parent);
  b->setObjectName(QString::fromStdString(name));
  b->setText(QString::fromLatin1(caption));
  b->setToolTip(QString::fromLatin1(caption));
  b->setIcon(parent->style()->standardIcon(picture));
  b->setToolButtonStyle(Qt::ToolButtonIconOnly);
  b->setFocusPolicy(Qt::StrongFocus);
  return b;
}

QLabel* label(QWidget* parent, const char* text, QWidget* buddy) {
  const QString name = QStringLiteral("lbl") + buddy->objectName().mid(3);
  QLabel* l = buddyLabel(parent, name.toLatin1().constData(), QString::fromLatin1(text), buddy);
  l->setWordWrap(true);  // "Fumble Recoveries" over a five-digit box
  l->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
  return l;
}

}  // namespace

PlayerSection::PlayerSection(SectionHost& host, const PlayerSectionConfig& config, QWidget* parent)
    : QWidget(parent), m_host(host), m_config(config) {
  setObjectName(QString::fromLatin1(config.name));
  auto* grid = new QGridLayout;
  // Made in reading order, so the tab order runs through the boxes, the name, then the buttons.
  int column = 0;
  for (const NumberBox& nb : config.boxes) {
    QLineEdit* box = numberBox(this, QString::fromLatin1(nb.name));
    grid->addWidget(label(this, nb.label, box), 0, column);
    grid->addWidget(box, 1, column++);
    m_boxes.push_back(box);
  }
  grid->setColumnStretch(column, 1);  // the boxes stay together on the left
  m_combo = new QComboBox(this);
  m_combo->setObjectName(QString::fromLatin1(config.combo));
  m_combo->setEditable(true);
  m_combo->setInsertPolicy(QComboBox::NoInsert);  // a typed name is saved, not added to the list
  m_combo->setCompleter(nullptr);                 // and saved exactly as typed
  m_combo->setMinimumContentsLength(14);
  m_combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  m_combo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  installKeyFilter(m_combo->lineEdit(), [](int key, int) { return isItAlphaNumber(key); });
  QLabel* nameLabel = label(this, "Player Name", m_combo);

  // The moves sit beside the name and the other buttons below, so that two sections fit side
  // by side on the Offense page.
  auto* nameRow = new QHBoxLayout;
  nameRow->addWidget(m_combo, 1);
  m_first = moveButton(this, config.button("First"), "First", QStyle::SP_MediaSkipBackward);
  m_previous = moveButton(this, config.button("Previous"), "Previous", QStyle::SP_MediaSeekBackward);
  m_next = moveButton(this, config.button("Next"), "Next", QStyle::SP_MediaSeekForward);
  m_last = moveButton(this, config.button("Last"), "Last", QStyle::SP_MediaSkipForward);
  for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{m_first, m_previous, m_next, m_last})
    nameRow->addWidget(b);
  auto* buttons = new QHBoxLayout;
  m_addNew = makeButton(this, config.addNew, "Add", "Add New");
  m_undoNew = makeButton(this, config.undoNew, "Undo", "Undo Add New");
  m_edit = makeButton(this, config.button("Edit"), "Edit", "Edit");
  m_delete = makeButton(this, config.button("Delete"), "Delete", "Delete");
  m_save = makeButton(this, config.button("Save"), "Save", "Save", saveIcon());
  for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{m_addNew, m_undoNew, m_edit, m_delete, m_save})
    buttons->addWidget(b);
  buttons->addStretch(1);

  auto* outer = new QVBoxLayout(this);
  outer->addLayout(grid);
  outer->addWidget(nameLabel);
  outer->addLayout(nameRow);
  outer->addLayout(buttons);
  outer->addStretch(1);

  const std::pair<QAbstractButton*, std::function<void()>> handlers[] = {
      {m_first, [this] { jump(false); }}, {m_previous, [this] { step(false); }}, {m_next, [this] { step(true); }},
      {m_last, [this] { jump(true); }},   {m_addNew, [this] { addNew(); }},      {m_undoNew, [this] { undoNew(); }},
      {m_edit, [this] { edit(); }},       {m_delete, [this] { remove(); }},      {m_save, [this] { save(); }}};
  for (const auto& [button, handler] : handlers)
    connect(button, &QAbstractButton::clicked, this,
            [this, handler = handler] { guarded("The records could not be read.", handler); });

  // As designed: only Add New offered, the boxes empty and closed.
  setBoxesEnabled(false);
  setMovesEnabled(false);
  m_save->setEnabled(false);
  showAddNew(true);
}

Recordset& PlayerSection::view() const { return m_host.view(m_config.table); }
bool& PlayerSection::adding() const { return m_host.newRowPending(m_config.table); }
bool PlayerSection::hasRows() const { return view().recordCount() > 0; }
bool PlayerSection::addNewEnabled() const { return m_addNew->isEnabledTo(this); }

bool PlayerSection::anyBoxEmpty() const {
  for (const QLineEdit* box : m_boxes)
    if (box->text().isEmpty()) return true;
  return m_combo->currentText().isEmpty();
}

bool PlayerSection::guarded(const char* failure, const std::function<void()>& step) {
  try {
    step();
    return true;
  } catch (const std::exception& e) {
    m_host.app().prompter().tell(QString::fromLatin1(failure) + QStringLiteral("\n\n") +
                                 QString::fromStdString(e.what()));
    return false;
  }
}

void PlayerSection::setBoxesEnabled(bool on) {
  for (QLineEdit* box : m_boxes) box->setEnabled(on);
  m_combo->setEnabled(on);
}

void PlayerSection::clearBoxes() {
  for (QLineEdit* box : m_boxes) box->clear();
  m_combo->setEditText(QString());
  m_shown.reset();
}

void PlayerSection::setMovesEnabled(bool on) {
  for (QAbstractButton* b :
       std::initializer_list<QAbstractButton*>{m_edit, m_delete, m_first, m_next, m_previous, m_last})
    b->setEnabled(on);
}

void PlayerSection::showAddNew(bool on) {
  m_addNew->setEnabled(on);
  m_undoNew->setVisible(!on);
}

void PlayerSection::display() {
  Recordset& v = view();
  if (v.recordCount() == 0 || !v.hasCurrent()) {
    clearBoxes();
    return;
  }
  for (std::size_t i = 0; i < m_boxes.size(); ++i)
    m_boxes[i]->setText(QString::fromStdString(textOf(v.field(static_cast<int>(i) + 1))));
  m_combo->setEditText(QString::fromStdString(textOf(v.field(m_config.comboOrdinal()))));
  m_shown = v.bookmark();
}

void PlayerSection::enableRows() {
  if (!hasRows()) return;
  view().moveLast();
  setMovesEnabled(true);
  display();
}

QString PlayerSection::currentGame() const {
  const GlobalVariables& vars = m_host.app().vars();
  if (!vars.gameOpenedFromFile)
    return vars.currentGameYear + QLatin1Char('/') + QString::number(vars.currentGameNumber);
  // Two files whose names differ only in letter case are two games.
  const std::filesystem::path picked = vars.pickedGameFile();
  return picked.empty() ? vars.openGamePath : QString::fromStdString(picked.string());
}

void PlayerSection::enable() {
  const QString game = currentGame();
  const bool otherGame = game != m_game;
  m_game = game;
  if (otherGame) {  // start as designed
    clearBoxes();
    setBoxesEnabled(false);
    m_save->setEnabled(false);
    showAddNew(true);
    adding() = false;
  } else if (m_save->isEnabledTo(this)) {
    return;  // adding or editing: the typing stays
  }
  guarded("The records could not be read.", [this] {
    if (hasRows()) {
      enableRows();
    } else {  // the file holds no rows (any more): nothing to show or move through
      clearBoxes();
      setMovesEnabled(false);
    }
  });
}

void PlayerSection::backOnShownRow() {
  if (m_shown) view().moveToBookmark(*m_shown);
}

void PlayerSection::jump(bool toLast) {
  if (!hasRows()) return;
  toLast ? view().moveLast() : view().moveFirst();
  display();
}

void PlayerSection::step(bool forward) {
  if (!hasRows()) return;
  backOnShownRow();
  Recordset& v = view();
  forward ? v.moveNext() : v.movePrevious();
  if (forward ? v.isEOF() : v.isBOF()) {  // past the end: say so, and stay on the row shown
    m_host.app().prompter().tell(forward ? QStringLiteral("Last Record..!") : QStringLiteral("First Record..!"));
    forward ? v.movePrevious() : v.moveNext();
    return;
  }
  display();
}

void PlayerSection::addNew() {
  m_save->setEnabled(true);
  clearBoxes();
  setBoxesEnabled(true);
  m_boxes.front()->setFocus();
  setMovesEnabled(false);
  adding() = true;
  showAddNew(false);
}

void PlayerSection::undoNew() {
  m_save->setEnabled(false);
  clearBoxes();
  setBoxesEnabled(false);
  showAddNew(true);
  adding() = false;
  enableRows();
}

void PlayerSection::edit() {
  if (!hasRows()) {
    m_host.app().prompter().tell(QStringLiteral("No records for editing."));
    return;
  }
  adding() = false;
  setBoxesEnabled(true);
  m_boxes.front()->setFocus();
  m_save->setEnabled(true);
  setMovesEnabled(false);
  m_addNew->setEnabled(false);
  m_undoNew->hide();  // the way out of an edit is Save
}

void PlayerSection::remove() {
  Prompter& prompter = m_host.app().prompter();
  if (!hasRows()) {
    prompter.tell(QStringLiteral("No records for deleting."));
    return;
  }
  if (prompter.message(MessageBox(QStringLiteral("Are you sure you want to delete"), Buttons::YesNo)) == Answer::Yes) {
    if (!guarded("The record could not be deleted.", [this] {
          backOnShownRow();
          view().deleteRow();
        }))
      return;
    m_host.reopenView(m_config.table, m_config.query);
    if (hasRows()) view().moveLast();
    display();
    prompter.tell(QStringLiteral("The record has been deleted"));
    showAddNew(true);  // browsing, or empty when that was the last row
  }
  if (!hasRows()) setMovesEnabled(false);
}

bool PlayerSection::writeRow() {
  return guarded("The record could not be saved.", [this] {
    m_host.checkGameFile();
    if (adding()) {
      m_host.loadGameDB();
      view().addNew();
    } else {
      backOnShownRow();
      view().edit();
    }
    try {
      for (std::size_t i = 0; i < m_boxes.size(); ++i)
        view().setField(static_cast<int>(i) + 1, Value(numberFromText(m_boxes[i]->text().toStdString())));
      view().setField(m_config.comboOrdinal(), Value(m_combo->currentText().toStdString()));
      view().update();
    } catch (...) {
      try {
        view().cancelUpdate();
      } catch (...) {  // the view itself is gone; the first failure is the one to tell
      }
      throw;
    }
  });
}

void PlayerSection::save() {
  Prompter& prompter = m_host.app().prompter();
  if (anyBoxEmpty()) {
    prompter.tell(QString::fromLatin1(m_config.emptyMessage));
    m_boxes.front()->setFocus();
    return;
  }
  if (!writeRow()) return;
  prompter.tell(QStringLiteral("Updated successfully"));
  setBoxesEnabled(false);
  m_save->setEnabled(false);
  enableRows();
  showAddNew(true);
}

void PlayerSection::saveSilently() {
  if (anyBoxEmpty()) {
    m_host.app().vars().emptyFieldFound = true;
    return;
  }
  const bool added = adding();
  if (!writeRow()) {
    m_host.noteSaveFailed();  // closing the form asks before this typing is given up
    return;
  }
  setBoxesEnabled(false);
  m_save->setEnabled(false);
  guarded("The records could not be read.", [this] { enableRows(); });
  // The new row exists now: a further check edits it rather than adding it again.
  if (added) adding() = false;
}

}  // namespace yardmark
