#include "gui/entry/PlayerSection.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

#include "core/db/Database.h"
#include "gui/shell/App.h"
#include "gui/shell/Prompter.h"
#include "gui/shell/TellFailure.h"

namespace yardmark {

PlayerSection::PlayerSection(SectionHost& host, const PlayerSectionConfig& config, QWidget* parent)
    : QWidget(parent), m_host(host), m_config(config), m_w(buildPlayerSection(this, config)) {
  setObjectName(QString::fromLatin1(config.name));
  const std::pair<QAbstractButton*, std::function<void()>> handlers[] = {
      {m_w.first, [this] { jump(false); }}, {m_w.previous, [this] { step(false); }},
      {m_w.next, [this] { step(true); }},   {m_w.last, [this] { jump(true); }},
      {m_w.addNew, [this] { addNew(); }},   {m_w.undoNew, [this] { undoNew(); }},
      {m_w.edit, [this] { edit(); }},       {m_w.remove, [this] { remove(); }},
      {m_w.save, [this] { save(); }}};
  for (const auto& [button, handler] : handlers)
    connect(button, &QAbstractButton::clicked, this,
            [this, handler = handler] { guarded("The records could not be read.", handler); });
  connect(m_w.rows, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    const auto key = item->data(Qt::UserRole).toLongLong();
    guarded("The records could not be read.", [this, key] { moveTo(key); });
  });
  setMode(Mode::Empty);
}

void PlayerSection::setMode(Mode mode) {
  m_mode = mode;
  const Controls c = controlsIn(mode);
  m_w.addNew->setEnabled(c.addNew);
  m_w.undoNew->setVisible(c.undoVisible);
  for (QAbstractButton* b :
       std::initializer_list<QAbstractButton*>{m_w.edit, m_w.remove, m_w.first, m_w.previous, m_w.next, m_w.last})
    b->setEnabled(c.moves);
  m_w.save->setEnabled(c.save);
  for (QLineEdit* box : m_w.boxes) box->setEnabled(c.boxes);
  m_w.combo->setEnabled(c.boxes);
  m_w.rows->setEnabled(c.rowsList);
}

Recordset& PlayerSection::view() const { return m_host.view(m_config.table); }
bool& PlayerSection::adding() const { return m_host.newRowPending(m_config.table); }
bool PlayerSection::hasRows() const { return view().recordCount() > 0; }
// Add New closed: an add or an edit is under way, whether or not it was saved silently.
bool PlayerSection::needsSilentSave() const { return !controlsIn(m_mode).addNew; }

bool PlayerSection::anyBoxEmpty() const {
  for (const QLineEdit* box : m_w.boxes)
    if (box->text().isEmpty()) return true;
  return m_w.combo->currentText().isEmpty();
}

bool PlayerSection::guarded(const char* failure, const std::function<void()>& step) {
  try {
    step();
    return true;
  } catch (const std::exception& e) {
    tellFailure(m_host.app().prompter(), e, QString::fromLatin1(failure) + QStringLiteral("\n\n"));
    return false;
  }
}

void PlayerSection::clearBoxes() {
  for (QLineEdit* box : m_w.boxes) box->clear();
  m_w.combo->setEditText(QString());
  m_shown.reset();
}

void PlayerSection::listRows() {
  Recordset& v = view();
  const bool onRow = v.hasCurrent();
  const std::int64_t current = onRow ? v.bookmark() : 0;
  QSignalBlocker quiet(m_w.rows);
  m_w.rows->clear();
  if (v.recordCount() > 0) v.moveFirst();
  for (; v.hasCurrent(); v.moveNext()) {
    QString text = QString::fromStdString(textOf(v.field(m_config.nameColumn()))) + QLatin1Char(':');
    for (const NumberBox& box : m_config.boxes)
      text += QLatin1Char(' ') + QString::fromStdString(textOf(v.field(box.column)));
    auto* item = new QListWidgetItem(text, m_w.rows);
    item->setData(Qt::UserRole, QVariant::fromValue<qlonglong>(v.bookmark()));
    if (onRow && current == v.bookmark()) m_w.rows->setCurrentItem(item);
  }
  if (onRow) v.moveToBookmark(current);  // the view stands where it stood
  if (QListWidgetItem* item = m_w.rows->currentItem()) m_w.rows->scrollToItem(item);
}

void PlayerSection::display() {
  Recordset& v = view();
  listRows();
  if (v.recordCount() == 0 || !v.hasCurrent()) {
    clearBoxes();
    return;
  }
  for (std::size_t i = 0; i < m_w.boxes.size(); ++i)
    m_w.boxes[i]->setText(QString::fromStdString(textOf(v.field(m_config.boxes[i].column))));
  m_w.combo->setEditText(QString::fromStdString(textOf(v.field(m_config.nameColumn()))));
  m_shown = v.bookmark();
}

void PlayerSection::showLastRow() {
  if (hasRows()) view().moveLast();
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
  if (otherGame) {  // what was typed for the last game is dropped
    clearBoxes();
    adding() = false;
    setMode(Mode::Empty);
  } else if (m_mode == Mode::Adding || m_mode == Mode::Editing) {
    return;  // the typing stays
  }
  guarded("The records could not be read.", [this] {
    showLastRow();
    // A silent save stays open while its row is there; with no rows left there is nothing to keep.
    if (!hasRows())
      setMode(Mode::Empty);
    else if (m_mode == Mode::Empty)
      setMode(Mode::Browsing);
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

void PlayerSection::moveTo(std::int64_t key) {
  if (!hasRows()) return;
  view().moveToBookmark(key);
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

bool PlayerSection::showRow(std::int64_t bookmark) {
  if (!controlsIn(m_mode).moves) {
    m_host.app().prompter().tell(
        QStringLiteral("Save or undo the typing in this section before moving to another row."));
    return false;
  }
  return guarded("The records could not be read.", [this, bookmark] {
    view().moveToBookmark(bookmark);
    display();
  });
}

void PlayerSection::addNew() {
  clearBoxes();
  setMode(Mode::Adding);
  m_w.boxes.front()->setFocus();
  adding() = true;
}

void PlayerSection::undoNew() {
  clearBoxes();
  adding() = false;
  showLastRow();
  setMode(browsingOrEmpty());
}

void PlayerSection::edit() {
  if (!hasRows()) {
    m_host.app().prompter().tell(QStringLiteral("No records for editing."));
    return;
  }
  adding() = false;
  setMode(Mode::Editing);  // the way out of an edit is Save
  m_w.boxes.front()->setFocus();
}

void PlayerSection::remove() {
  Prompter& prompter = m_host.app().prompter();
  if (!hasRows()) {
    prompter.tell(QStringLiteral("No records for deleting."));
    return;
  }
  if (prompter.message(MessageBox(QStringLiteral("Are you sure you want to delete"), Buttons::YesNo)) != Answer::Yes)
    return;
  if (!guarded("The record could not be deleted.", [this] {
        backOnShownRow();
        view().deleteRow();
      }))
    return;
  m_host.reopenView(m_config.table, gameTable(m_config.table).query);
  showLastRow();
  prompter.tell(QStringLiteral("The record has been deleted"));
  setMode(browsingOrEmpty());
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
      for (std::size_t i = 0; i < m_w.boxes.size(); ++i)
        view().setField(m_config.boxes[i].column, Value(numberFromText(m_w.boxes[i]->text().toStdString())));
      view().setField(m_config.nameColumn(), Value(m_w.combo->currentText().toStdString()));
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
    m_w.boxes.front()->setFocus();
    return;
  }
  if (!writeRow()) return;
  prompter.tell(QStringLiteral("Updated successfully"));
  showLastRow();
  setMode(browsingOrEmpty());
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
  guarded("The records could not be read.", [this] { showLastRow(); });
  if (m_mode == Mode::Adding) setMode(Mode::AddSavedSilently);
  if (m_mode == Mode::Editing) setMode(Mode::EditSavedSilently);
  // The new row exists now: a further check edits it rather than adding it again.
  if (added) adding() = false;
}

}  // namespace yardmark
