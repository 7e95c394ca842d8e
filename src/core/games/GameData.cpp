#include "core/games/GameData.h"

#include "core/roster/Roster.h"

namespace yardmark {

std::vector<std::string> rosterPlayerNames(const std::filesystem::path& rosterFile) {
  std::vector<std::string> names;
  for (const PersonName& name : readRosterNames(rosterFile)) names.push_back(playerNameText(name));
  return names;
}

}  // namespace yardmark
