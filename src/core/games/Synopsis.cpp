#include "core/games/Synopsis.h"

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
  namespace h = col::header;
  if (first) s.teams = textOf(header->at(h::kOwnTeamName)).append(" Vs ").append(textOf(header->at(h::kOppTeamName)));
  switch (resultAsMarked(header->at(h::kRecordWins), header->at(h::kRecordLosses))) {
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

std::optional<Game> countGameFile(Synopsis& s, const std::vector<std::filesystem::path>& gameFiles, size_t index) {
  const std::filesystem::path& file = gameFiles[index];
  std::optional<Game> game;
  try {
    game = readGame(file);
  } catch (const DbError& e) {
    s.unreadable.push_back({file, unreadableReason(file, e)});
    return std::nullopt;
  }
  count(s, *game, index == 0);
  return game;
}

Synopsis synopsisOf(const std::vector<std::filesystem::path>& gameFiles) {
  Synopsis s;
  s.gamesPlayed = static_cast<int>(gameFiles.size());
  for (size_t i = 0; i < gameFiles.size(); ++i) countGameFile(s, gameFiles, i);
  return s;
}

}  // namespace yardmark
