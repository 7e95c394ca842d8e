#include "core/roster/NameCompletion.h"

#include <unordered_set>

#include "core/text/NameFold.h"

namespace yardmark {

NameCompletion::NameCompletion(std::vector<std::string> names) {
  std::unordered_set<std::string> seen;
  for (std::string& name : names) {
    if (!seen.insert(name).second) continue;
    m_folded.push_back(nameFold(name));
    m_names.push_back(std::move(name));
  }
}

bool startsAWord(std::string_view foldedName, std::string_view foldedTyped) {
  if (foldedTyped.empty()) return false;
  for (std::size_t at = 0; at < foldedName.size(); ++at) {
    const bool wordStart = at == 0 || foldedName[at - 1] == ' ';
    if (wordStart && foldedName.substr(at).starts_with(foldedTyped)) return true;
  }
  return false;
}

std::vector<std::string> NameCompletion::offered(std::string_view typed) const {
  std::vector<std::string> names;
  const std::string folded = nameFold(typed);
  for (std::size_t i = 0; i < m_names.size(); ++i)
    if (startsAWord(m_folded[i], folded)) names.push_back(m_names[i]);
  return names;
}

}  // namespace yardmark
