#include "gui/entry/PlayerNameLists.h"

#include <QComboBox>
#include <algorithm>

#include "gui/entry/NameCompleter.h"
#include "gui/shell/Prompter.h"
#include "gui/shell/TellFailure.h"

namespace yardmark {

namespace {

QString nameText(const RosterPlayer& player) { return QString::fromStdString(playerNameText(player.name)); }

}  // namespace

std::vector<RosterPlayer> sortedPlayers(const DataTree& tree) {
  std::vector<RosterPlayer> players = readRoster(ensureRosterDatabase(tree));
  std::stable_sort(players.begin(), players.end(), [](const RosterPlayer& a, const RosterPlayer& b) {
    return nameText(a).compare(nameText(b), Qt::CaseInsensitive) < 0;
  });
  return players;
}

void fillNameCombos(const std::vector<RosterPlayer>& players, std::span<QComboBox* const> combos) {
  QStringList names;
  for (const RosterPlayer& player : players) names << nameText(player);
  for (QComboBox* combo : combos) {
    const QString text = combo->currentText();
    combo->clear();
    combo->addItems(names);
    combo->setCurrentIndex(-1);  // a filled list would otherwise show its first name
    combo->setEditText(text);
    if (auto* completer = qobject_cast<NameCompleter*>(combo->completer())) completer->setPlayers(players);
  }
}

void loadPlayerNames(const DataTree& tree, Prompter& prompter, std::span<QComboBox* const> combos) {
  std::vector<RosterPlayer> players;
  try {
    players = sortedPlayers(tree);
  } catch (const std::exception& e) {
    tellFailure(prompter, e, QStringLiteral("The roster could not be read, so the player lists are empty.\n\n"));
  }
  fillNameCombos(players, combos);
}

}  // namespace yardmark
