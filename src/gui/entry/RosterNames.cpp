#include "gui/entry/RosterNames.h"

#include <QComboBox>
#include <algorithm>
#include <optional>

#include "core/db/Database.h"
#include "gui/shell/Prompter.h"

namespace yardmark {

namespace {

// A name part never set (the import leaves a missing middle name so) counts as empty text.
std::optional<std::string> part(const Recordset& rs, int ordinal) {
  const Value v = rs.field(ordinal);
  if (v.isNull()) return std::nullopt;
  return textOf(v);
}

}  // namespace

QStringList rosterNames(const DataTree& tree) {
  Database roster(ensureRosterDatabase(tree), Database::Mode::ReadOnly);
  Recordset rs = roster.openRecordset("select * from roster");
  QStringList names;
  names.reserve(static_cast<qsizetype>(rs.recordCount()));
  if (rs.recordCount() > 0) {
    for (rs.moveFirst(); !rs.isEOF(); rs.moveNext())
      names.push_back(QString::fromStdString(playerNameText(part(rs, 1), part(rs, 2), part(rs, 3))));
  }
  std::stable_sort(names.begin(), names.end(),
                   [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
  return names;
}

void fillNameCombos(const QStringList& names, std::span<QComboBox* const> combos) {
  for (QComboBox* combo : combos) {
    const QString text = combo->currentText();
    combo->clear();
    combo->addItems(names);
    combo->setCurrentIndex(-1);  // a filled list would otherwise show its first name
    combo->setEditText(text);
  }
}

void loadRosterNames(const DataTree& tree, Prompter& prompter, std::span<QComboBox* const> combos) {
  QStringList names;
  try {
    names = rosterNames(tree);
  } catch (const std::exception& e) {
    prompter.tell(QStringLiteral("The roster could not be read, so the player lists are empty.\n\n") +
                  QString::fromStdString(e.what()));
  }
  fillNameCombos(names, combos);
}

}  // namespace yardmark
