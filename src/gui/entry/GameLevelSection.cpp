#include "gui/entry/GameLevelSection.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "core/db/Database.h"
#include "gui/shell/App.h"
#include "gui/shell/Prompter.h"
#include "gui/shell/TellFailure.h"

namespace yardmark {

namespace {

QString textIn(const QWidget* w) {
  if (const auto* box = qobject_cast<const QLineEdit*>(w)) return box->text();
  if (const auto* combo = qobject_cast<const QComboBox*>(w)) return combo->currentText();
  return {};
}

void setTextIn(QWidget* w, const QString& text) {
  if (auto* box = qobject_cast<QLineEdit*>(w))
    box->setText(text);
  else if (auto* combo = qobject_cast<QComboBox*>(w))
    combo->setEditText(text);
}

// Option buttons of one frame exclude each other; showing a row (or a new game) may clear both.
void setOption(QWidget* w, bool on) {
  auto* option = qobject_cast<QRadioButton*>(w);
  if (!option) return;
  option->setAutoExclusive(false);
  option->setChecked(on);
  option->setAutoExclusive(true);
}

bool optionOn(const QWidget* w) {
  const auto* option = qobject_cast<const QRadioButton*>(w);
  return option && option->isChecked();
}

}  // namespace

GameLevelSection::GameLevelSection(SectionHost& host, GameLevelConfig config) : m_host(host), m_c(std::move(config)) {
  setMode(Mode::Empty);
}

Recordset& GameLevelSection::view() { return m_host.view(m_c.table); }

void GameLevelSection::setMode(Mode mode) {
  m_mode = mode;
  const Controls c = controlsIn(mode);
  for (const GameField& f : m_c.fields)
    if (f.typed) f.widget->setEnabled(c.typed);
  m_c.edit->setEnabled(c.edit);
  m_c.save->setEnabled(c.save);
}

void GameLevelSection::enable() {
  m_enteredNew = false;
  m_host.reopenView(m_c.table, gameTable(m_c.table).sectionQuery);
  const bool hasRow = view().recordCount() > 0;
  // Coming back from the roster or another window must not throw away what was typed.
  m_keptTyping = (m_mode == Mode::Adding || m_mode == Mode::Editing) && (hasRow || anyTyped());
  if (m_keptTyping) return;
  if (hasRow) {
    setMode(Mode::Browsing);
    showStored();
    return;
  }
  clearTyped();
  setMode(Mode::Adding);
  if (m_c.startNew) m_c.startNew();
  m_host.newRowPending(m_c.table) = true;
  m_enteredNew = true;
}

void GameLevelSection::reset() {
  clearTyped();
  setMode(Mode::Empty);
  m_enteredNew = false;
  m_keptTyping = false;
}

void GameLevelSection::focusFirst() {
  for (const GameField& f : m_c.fields)
    if (f.typed) {
      f.widget->setFocus();
      return;
    }
}

void GameLevelSection::editClick() {
  if (view().recordCount() == 0) {
    m_host.app().prompter().tell("No records for editing.");
    return;
  }
  m_host.newRowPending(m_c.table) = false;
  setMode(Mode::Editing);
  focusFirst();
}

void GameLevelSection::save(bool silent) {
  App& app = m_host.app();
  const char* missing = nullptr;
  bool focus = false;
  if (optionMissing()) {
    missing = m_c.noOptionMessage;
  } else if (anyTypedBoxEmpty()) {
    missing = m_c.emptyMessage;
    focus = true;
  }
  if (missing) {
    if (silent) {
      app.vars().emptyFieldFound = true;
      return;
    }
    app.prompter().tell(QString::fromLatin1(missing));
    if (focus) focusFirst();
    return;
  }
  try {
    writeRow();
  } catch (const DbError& e) {
    // Refused (read-only, disk full, file gone): the typing stays for another try.
    tellFailure(app.prompter(), e);
    m_host.noteSaveFailed();
    return;
  }
  if (!silent) app.prompter().tell("Updated successfully");
  const bool stored = view().recordCount() > 0;
  setMode(stored ? Mode::Browsing : Mode::Empty);
  if (stored) showStored();
}

void GameLevelSection::writeRow() {
  m_host.checkGameFile();
  if (m_host.newRowPending(m_c.table)) m_host.loadGameDB();
  Recordset& v = view();
  // A game has one row per game-level table: once it is there, every later save edits it.
  if (v.recordCount() > 0) {
    v.moveFirst();
    v.edit();
  } else {
    v.addNew();
  }
  try {
    for (const GameField& f : m_c.fields) {
      const QString text = textIn(f.widget);
      switch (f.kind) {
        case GameField::Text:
          v.setField(f.column, Value(text.toStdString()));
          break;
        case GameField::Number:
          v.setField(f.column, Value(numberFromText(text.toStdString())));
          break;
        case GameField::Option:
          v.setField(f.column, Value(optionOn(f.widget)));
          break;
      }
    }
    v.update();
  } catch (...) {
    v.cancelUpdate();
    throw;
  }
}

void GameLevelSection::showStored() {
  view().moveFirst();
  display();
}

void GameLevelSection::display() {
  Recordset& v = view();
  for (const GameField& f : m_c.fields) {
    const Value value = v.field(f.column);
    if (f.kind == GameField::Option)
      setOption(f.widget, isYes(value));
    else
      setTextIn(f.widget, QString::fromStdString(textOf(value)));
  }
}

void GameLevelSection::clearTyped() {
  for (const GameField& f : m_c.fields) {
    if (!f.typed) continue;
    if (f.kind == GameField::Option)
      setOption(f.widget, false);
    else
      setTextIn(f.widget, {});
  }
}

bool GameLevelSection::anyTyped() const {
  for (const GameField& f : m_c.fields)
    if (f.typed && (f.kind == GameField::Option ? optionOn(f.widget) : !textIn(f.widget).isEmpty())) return true;
  return false;
}

bool GameLevelSection::anyTypedBoxEmpty() const {
  for (const GameField& f : m_c.fields)
    if (f.typed && f.kind != GameField::Option && textIn(f.widget).isEmpty()) return true;
  return false;
}

bool GameLevelSection::optionMissing() const {
  bool hasOptions = false;
  for (const GameField& f : m_c.fields) {
    if (f.kind != GameField::Option) continue;
    hasOptions = true;
    if (optionOn(f.widget)) return false;
  }
  return hasOptions;
}

}  // namespace yardmark
