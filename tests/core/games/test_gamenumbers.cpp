#include <gtest/gtest.h>

#include "core/games/GameNumbers.h"

namespace yardmark {
namespace {

TEST(GameNumbers, NextIsOneMoreThanTheHighestGameFile) {
  struct Case {
    std::vector<std::string> names;
    long next;
  };
  const Case cases[] = {
      {{"Game2.mdb", "game10.MDB", "Game7.mdb"}, 11},  // sparse, any letter case
      {{"Game007.mdb"}, 8},
      {{"notes.mdb", "Game.mdb", "Game3x.mdb", "Game-2.mdb", "Game4.mdb.bak", "Game 5.mdb"}, 1},
      {{"Game1234567890.mdb", "Game9.mdb"}, 10},  // too long to be a number the dialog made
  };
  for (const Case& c : cases) {
    std::string list;
    for (const auto& n : c.names) list += n + " ";
    EXPECT_EQ(nextGameNumber(c.names), c.next) << list;
  }
}

}  // namespace
}  // namespace yardmark
