#pragma once
// The season at a glance over the game files of one year folder: games played, won and lost.
// No widgets here.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/games/Game.h"

namespace yardmark {

struct Synopsis {
  int gamesPlayed = 0;
  int wins = 0;
  int losses = 0;
  // The first game's two team names joined by " Vs ", when that game has a header row.
  std::string teams = "No Data In Database";
  // Files that are counted as played but could not be read, with the reason for each.
  struct Unreadable {
    std::filesystem::path file;
    std::string reason;
  };
  std::vector<Unreadable> unreadable;
};

// Counts over the files in the order given. A game counts as won or lost by the flags of its
// first header row; a game with neither flag, with no header row, or that cannot be read
// (damaged, not one of our databases) still counts as played.
Synopsis synopsisOf(const std::vector<std::filesystem::path>& gameFiles);
// Reads the file at `index` (read-only) and counts it as synopsisOf does; the game read, or none
// when the file is listed as unreadable.
std::optional<Game> countGameFile(Synopsis& s, const std::vector<std::filesystem::path>& gameFiles, size_t index);

}  // namespace yardmark
