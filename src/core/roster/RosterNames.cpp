#include "core/roster/RosterNames.h"

#include <algorithm>
#include <iterator>

namespace yardmark {

std::string rosterListText(const PersonName& name) { return name.last + ", " + name.first + " " + name.middle; }

std::string playerNameText(const PersonName& name) { return name.last + " " + name.first + " " + name.middle; }

bool isComplete(const PersonName& name) { return !name.last.empty() && !name.first.empty() && !name.middle.empty(); }

std::optional<std::string> importedName(std::string_view name) {
  std::string kept;
  std::copy_if(name.begin(), name.end(), std::back_inserter(kept),
               [](char c) { return c != '.' && c != ',' && c != ':'; });
  if (kept.empty()) return std::nullopt;
  return kept;
}

std::array<std::optional<std::string>, 3> importedColumns(const PersonName& name) {
  return {importedName(name.last), importedName(name.first), importedName(name.middle)};
}

}  // namespace yardmark
