#pragma once
// The player names the entry form offers, read from the roster on every activation.
#include <QStringList>
#include <span>

#include "core/files/DataTree.h"
#include "core/roster/Roster.h"

class QComboBox;

namespace yardmark {

class Prompter;

// The roster's players sorted by their player name text, alphabetically without regard to
// letter case; duplicates are kept. A missing roster is made first (empty); a damaged one
// throws DbError.
std::vector<RosterPlayer> sortedPlayers(const DataTree& tree);

// Replaces each combo's list by the players' name texts, and what its completer offers by the
// players; the text in each box stays as it was.
void fillNameCombos(const std::vector<RosterPlayer>& players, std::span<QComboBox* const> combos);

// The form's loadPlayerName: both of the above. A roster that cannot be read is told with its reason and
// leaves the lists empty; names can still be typed.
void loadPlayerNames(const DataTree& tree, Prompter& prompter, std::span<QComboBox* const> combos);

}  // namespace yardmark
