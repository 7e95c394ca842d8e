#pragma once
// The names offered while a player name is typed: those with a word that starts with the typed
// text, letter case and accents aside, so that "bur" offers "Van Buren Henry J". The typed text may run on
// over the following words ("van b").
#include <string>
#include <string_view>
#include <vector>

namespace yardmark {

class NameCompletion {
 public:
  // The names in the order they are offered; a name listed twice is offered once.
  explicit NameCompletion(std::vector<std::string> names = {});

  // Nothing for an empty text.
  std::vector<std::string> offered(std::string_view typed) const;

 private:
  std::vector<std::string> m_names;
  std::vector<std::string> m_folded;  // folded, computed once rather than on every keystroke
};

// Whether a folded name has a word starting with the folded typed text.
bool startsAWord(std::string_view foldedName, std::string_view foldedTyped);

}  // namespace yardmark
