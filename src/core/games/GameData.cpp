#include "core/games/GameData.h"

#include "core/roster/Roster.h"

namespace yardmark {

namespace {

// Each table's section as the entry form captions it.
constexpr std::array<std::string_view, kGameTableCount> kSections = {
    "Game Information", "Quarter", "Team Stats", "Rushing", "Passing", "Receiving", "Scoring", "Defense"};

}  // namespace

std::string_view tableName(GameTable table) { return gameTable(table).name; }
std::string_view sectionName(GameTable table) { return kSections[static_cast<size_t>(table)]; }
bool isPlayerTable(GameTable table) { return table >= kRushing; }

std::vector<std::string> rosterPlayerNames(const std::filesystem::path& rosterFile) {
  std::vector<std::string> names;
  for (const PersonName& name : readRosterNames(rosterFile)) names.push_back(playerNameText(name));
  return names;
}

}  // namespace yardmark
