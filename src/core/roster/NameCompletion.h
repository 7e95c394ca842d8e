#pragma once
// The names offered while a player name is typed: those with a word that starts with the typed
// text, letter case and accents aside, so that "bur" offers "Van Buren Henry J". The typed text may run on
// over the following words ("van b"). A jersey number typed ("12", "#12") offers the players whose
// number starts with it, the one wearing exactly that number first.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/roster/Roster.h"

namespace yardmark {

// A name offered: the player name text the box takes, and the line shown for it.
struct NameOffer {
  std::string name, shown;
  bool operator==(const NameOffer&) const = default;
};

// How an offer shows a player: "#12 Carter Marcus J (RB)", without what the roster lacks.
std::string offeredText(const RosterPlayer& player);

class NameCompletion {
 public:
  // The players in the order they are offered; a line listed twice is offered once.
  explicit NameCompletion(const std::vector<RosterPlayer>& players = {});

  // Nothing for an empty text.
  std::vector<NameOffer> offered(std::string_view typed) const;
  // The name of the one player who wears exactly the number typed; nothing when the text is no
  // number, or no player or more than one wears it.
  std::optional<std::string> wearer(std::string_view typed) const;

 private:
  struct Entry {
    NameOffer offer;
    std::string folded;  // the name folded, computed once rather than on every keystroke
    std::string number;
  };
  std::vector<Entry> m_entries;
};

// Whether a folded name has a word starting with the folded typed text.
bool startsAWord(std::string_view foldedName, std::string_view foldedTyped);

}  // namespace yardmark
