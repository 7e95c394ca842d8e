#include "gui/entry/PlayerNameLists.h"

#include <QComboBox>
#include <algorithm>

#include "core/roster/Roster.h"
#include "gui/entry/NameCompleter.h"
#include "gui/shell/Prompter.h"
#include "gui/shell/TellFailure.h"

namespace yardmark {

QStringList playerNames(const DataTree& tree) {
  QStringList names;
  for (const std::string& text : playerNameTexts(tree)) names.push_back(QString::fromStdString(text));
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
    if (auto* completer = qobject_cast<NameCompleter*>(combo->completer())) completer->setNames(names);
  }
}

void loadPlayerNames(const DataTree& tree, Prompter& prompter, std::span<QComboBox* const> combos) {
  QStringList names;
  try {
    names = playerNames(tree);
  } catch (const std::exception& e) {
    tellFailure(prompter, e, QStringLiteral("The roster could not be read, so the player lists are empty.\n\n"));
  }
  fillNameCombos(names, combos);
}

}  // namespace yardmark
