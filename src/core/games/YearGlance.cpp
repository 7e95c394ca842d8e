#include "core/games/YearGlance.h"

#include <algorithm>

namespace yardmark {

YearGlance glanceAt(const std::vector<std::filesystem::path>& gameFiles) {
  YearGlance glance;
  glance.synopsis.gamesPlayed = static_cast<int>(gameFiles.size());
  const RosterIndex noRoster;  // names never make an error, so the roster is not read
  for (size_t i = 0; i < gameFiles.size(); ++i) {
    const std::optional<Game> game = countGameFile(glance.synopsis, gameFiles, i);
    if (!game) continue;
    const auto findings = auditGame(*game, noRoster);
    if (std::none_of(findings.begin(), findings.end(), [](const Finding& f) { return f.severity == Severity::Error; }))
      continue;
    ++glance.errors.count;
    glance.errors.names.push_back(gameFiles[i].filename().string());
  }
  return glance;
}

}  // namespace yardmark
