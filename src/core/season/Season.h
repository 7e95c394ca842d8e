#pragma once
// The chosen games as read from their files, in the order chosen, kept per game so that the
// season can be shown game by game as well as in total.
#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/games/Game.h"
#include "core/text/Failure.h"

namespace yardmark {

// The first player table; the player tables follow it in GameTable order.
inline constexpr size_t kFirstPlayerTable = kRushing;

using DataRow = std::vector<Value>;  // data fields 1..n at 0..n-1

// A game that cannot be used, or a merge step that failed: the file concerned and why.
class MergeError : public Failure {
 public:
  MergeError(std::filesystem::path file, std::string reason)
      : Failure(FailureKind::Merge, std::move(reason), std::move(file)) {}
};

// Reads the games in list order; only reads them. The first that cannot be read stops it
// (MergeError naming the file and why it cannot be used).
std::vector<Game> readSeason(const std::vector<std::filesystem::path>& files);
// The same, handing each game to `take` as it is read, so that no game is held longer than its turn.
void readSeason(const std::vector<std::filesystem::path>& files, const std::function<void(const Game&)>& take);

// What groups player rows into one player: the exact stored value, letter case and blanks
// counting. A name without a value groups with nothing.
std::optional<std::string> playerKey(const Value& name);
// The same into a buffer kept by the caller (no allocation per row); false for no name.
bool playerKeyInto(const Value& name, std::string& key);

}  // namespace yardmark
