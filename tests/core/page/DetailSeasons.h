#pragma once
// The seasons the detail page and CSV tests share: game files below a temporary root.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <vector>

#include "support/GameFiles.h"

namespace yardmark::test {

inline std::vector<GameRows> oneGameSeason() { return {hawksGame()}; }

// A loss, then a tie on the scoreboard marked neither won nor lost; Smith John in every table,
// Jones Al twice in one game, and two defenders level on interceptions.
inline std::vector<GameRows> threeGameSeason() {
  GameRows owls{.header = {headerRow("Eagles", "Owls", 2007, 2, false)},
                .quarter = {quarterRow({0, 7, 0, 0}, {3, 0, 7, 0})},
                .teamStats = {teamRow(7)},
                .rushing = {{15, 50, 0, 0, "Jones Al "}, {3, -2, 0, 0, "Smith John "}},
                .passing = {{6, 15, 70, 0, 2, "Brown Tom "}},
                .defense = {{4, 2, 2, 0, 1, 0, 1, 0, "Lee Max "}, {4, 2, 0, 0, 0, 0, 0, 0, "Smith John "}}};
  GameRows ravens{.header = {{"Eagles", "Ravens", 2007, 3, false, false}},
                  .quarter = {quarterRow({3, 3, 0, 7}, {7, 0, 6, 0})},
                  .teamStats = {teamRow(12)},
                  .rushing = {{10, 40, 1, 0, "Jones Al "}, {9, 73, 1, 0, "Smith John "}, {2, 5, 0, 0, "Jones Al "}},
                  .passing = {{1, 1, 12, 0, 0, "Smith John "}},
                  .receiving = {{2, 20, 0, 0, "Smith John "}, {3, 31, 1, 0, "Jones Al "}},
                  .scoring = {{1, 0, 0, 0, 6, "Smith John "}, {1, 0, 0, 0, 6, "Jones Al "}},
                  .defense = {{2, 1, 0, 1, 0, 0, 1, 0, "Smith John "}}};
  return {hawksGame(), owls, ravens};
}

// Names the page must escape and the CSV files must quote; a row without a name.
inline std::vector<GameRows> escapeSeason() {
  return {{.header = {headerRow("A&B <Eagles>", "Hawks \"Red\"", 2008, 4, false)},
           .quarter = {quarterRow({0, 0, 3, 0}, {7, 7, 0, 0})},
           .rushing = {{3, 9, 0, 0, "O'Neil & \"Bo\" <Jr>"}, {2, 4, 0, 0, Value{}}},
           .receiving = {{4, 44, 0, 0, "\xC5\x81ukasz \xC5\xBB\xC3\xB3\xC5\x82w"}},  // Łukasz Żółw
           .defense = {{5, 0, 0, 0, 0, 0, 0, 0, "M\xC3\xBCller, J\xC3\xBCrgen"}}}};  // Müller, Jürgen
}

// The run id the reference detail pages carry; a written page is compared with its own replaced.
inline constexpr std::string_view kReferenceRun = "reference";
inline std::string asReference(std::string page) {
  constexpr std::string_view meta = R"(<meta name="yardmark-run" content=")";
  const size_t from = page.find(meta);
  if (from == std::string::npos) return page;
  const size_t start = from + meta.size();
  return page.replace(start, page.find('"', start) - start, kReferenceRun);
}

// Runs `work` in a child process stopped at its step-th step as kill -9 stops it: no unwinding,
// no clean-up.
inline void stopAtStep(size_t step, const std::function<void(const std::function<void()>&)>& work) {
  if (const pid_t child = fork(); child == 0) {
    size_t n = 0;
    work([&] {
      if (n++ == step) _exit(0);
    });
    _exit(1);
  } else {
    int status = -1;
    waitpid(child, &status, 0);
    EXPECT_EQ(status, 0) << "not stopped at step " << step;
  }
}

// The season's game files below the root, in order.
inline std::vector<std::filesystem::path> writeSeason(const TempRoot& root, const std::vector<GameRows>& games) {
  std::vector<std::filesystem::path> files;
  for (size_t i = 0; i < games.size(); ++i)
    files.push_back(makeGame(root, "YardMark/games/2007/Game" + std::to_string(i + 1) + ".mdb", games[i]));
  return files;
}

}  // namespace yardmark::test
