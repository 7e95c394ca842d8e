#include "core/games/YearGlance.h"

#include <algorithm>

#include "core/db/DbError.h"
#include "core/files/FileKind.h"

namespace yardmark {

namespace {

// A file of the earlier version stays unreadable until the user converts it.
std::string unreadableReason(const std::filesystem::path& file, const DbError& e) {
  if (!isJetFile(file)) return e.description();
  std::string reason(1, '\'');  // appended: GCC 12 -O3 warns on a text prefixed (-Wrestrict)
  return reason.append(file.string()).append("': ").append(oldFileReason()).append(".");
}

void count(Synopsis& s, const Game& game, bool first) {
  const GameRow* header = game.first(kHeader);
  if (!header) return;
  if (first) s.teams = textOf(header->at(1)).append(" Vs ").append(textOf(header->at(2)));
  switch (resultAsMarked(header->at(5), header->at(6))) {
    case GameResult::Won:
      ++s.wins;
      break;
    case GameResult::Lost:
      ++s.losses;
      break;
    case GameResult::Unmarked:
      break;
  }
}

}  // namespace

YearGlance glanceAt(const std::vector<std::filesystem::path>& gameFiles) {
  YearGlance glance;
  glance.synopsis.gamesPlayed = static_cast<int>(gameFiles.size());
  const RosterIndex noRoster;  // names never make an error, so the roster is not read
  for (size_t i = 0; i < gameFiles.size(); ++i) {
    Game game;
    try {
      game = readGame(gameFiles[i]);
    } catch (const DbError& e) {
      glance.synopsis.unreadable.push_back({gameFiles[i], unreadableReason(gameFiles[i], e)});
      continue;
    }
    count(glance.synopsis, game, i == 0);
    const auto findings = auditGame(game, noRoster);
    if (std::none_of(findings.begin(), findings.end(), [](const Finding& f) { return f.severity == Severity::Error; }))
      continue;
    ++glance.errors.count;
    glance.errors.names.push_back(gameFiles[i].filename().string());
  }
  return glance;
}

}  // namespace yardmark
