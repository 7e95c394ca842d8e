#include "core/roster/NameCompletion.h"

#include <unordered_set>

#include "core/roster/RosterDetails.h"
#include "core/text/NameFold.h"

namespace yardmark {

namespace {

// The jersey number a typed text asks for, or empty when it names a player by letters.
std::string numberTyped(std::string_view typed) {
  std::string text = trimmed(typed);
  if (!text.empty() && text.front() == '#') text = trimmed(text.substr(1));
  return isJerseyNumber(text) ? text : std::string();
}

}  // namespace

std::string offeredText(const RosterPlayer& player) {
  std::string shown = playerNameText(player.name);
  if (!player.number.empty()) shown = "#" + player.number + " " + shown;
  if (!player.position.empty()) shown += " (" + player.position + ")";
  return shown;
}

NameCompletion::NameCompletion(const std::vector<RosterPlayer>& players) {
  std::unordered_set<std::string> seen;
  for (const RosterPlayer& player : players) {
    NameOffer offer{playerNameText(player.name), offeredText(player)};
    if (!seen.insert(offer.shown).second) continue;
    std::string folded = nameFold(offer.name);
    m_entries.push_back({std::move(offer), std::move(folded), player.number});
  }
}

std::optional<std::string> NameCompletion::wearer(std::string_view typed) const {
  const std::string number = numberTyped(typed);
  if (number.empty()) return std::nullopt;
  std::optional<std::string> name;
  for (const Entry& e : m_entries) {
    if (e.number != number || e.offer.name == name) continue;
    if (name) return std::nullopt;
    name = e.offer.name;
  }
  return name;
}

bool startsAWord(std::string_view foldedName, std::string_view foldedTyped) {
  if (foldedTyped.empty()) return false;
  for (std::size_t at = 0; at < foldedName.size(); ++at) {
    const bool wordStart = at == 0 || foldedName[at - 1] == ' ';
    if (wordStart && foldedName.substr(at).starts_with(foldedTyped)) return true;
  }
  return false;
}

std::vector<NameOffer> NameCompletion::offered(std::string_view typed) const {
  std::vector<NameOffer> offers;
  if (const std::string number = numberTyped(typed); !number.empty()) {
    for (const Entry& e : m_entries)
      if (e.number == number) offers.push_back(e.offer);
    for (const Entry& e : m_entries)
      if (e.number != number && e.number.starts_with(number)) offers.push_back(e.offer);
    return offers;
  }
  const std::string folded = nameFold(typed);
  for (const Entry& e : m_entries)
    if (startsAWord(e.folded, folded)) offers.push_back(e.offer);
  return offers;
}

}  // namespace yardmark
