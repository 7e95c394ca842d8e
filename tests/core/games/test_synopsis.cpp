// What the game dialogs count, without a window: the season synopsis, and whether a
// handed-over path is the open game.
#include <gtest/gtest.h>

#include "core/games/GameFolder.h"
#include "core/games/GameNumbers.h"
#include "core/games/Synopsis.h"
#include "support/GameFiles.h"

namespace yardmark::test {
namespace {

namespace fs = std::filesystem;

struct SynopsisCase {
  int wins, losses;
  const char* teams;
  std::vector<Result> games;
  std::vector<Damage> damaged = {};  // placed after the games, or before them when damagedFirst
  bool damagedFirst = false;
};

TEST(Synopsis, CountsGamesWinsAndLossesAndSkipsWhatCannotBeRead) {
  const std::vector<Damage> all = {Damage::ZeroBytes, Damage::RandomBytes, Damage::JetFile, Damage::Text};
  const SynopsisCase cases[] = {
      {0, 1, "Eagles1 Vs Hawks1", {Result::Neither, Result::NoHeader, Result::Lost}},  // no flag, no header row
      {1, 0, "No Data In Database", {Result::NoHeader, Result::Won}},                  // a first game without one
      {1, 1, "Eagles1 Vs Hawks1", {Result::Won, Result::Lost}, all},  // damaged and foreign files among good ones
      {1, 0, "No Data In Database", {Result::Won}, {Damage::ZeroBytes}, true},  // a damaged first file
  };
  for (const SynopsisCase& c : cases) {
    SCOPED_TRACE(&c - cases);
    TempRoot root;
    std::vector<fs::path> files, bad;
    int n = 0;
    for (Damage d : c.damaged) bad.push_back(writeDamaged(root, "g/Bad" + std::to_string(++n) + ".mdb", d));
    if (c.damagedFirst) files = bad;
    for (Result r : c.games) {
      const std::string i = std::to_string(++n - static_cast<int>(c.damaged.size()));
      files.push_back(writeGame(root, "g/Game" + i + ".mdb", r, "Eagles" + i, "Hawks" + i));
    }
    if (!c.damagedFirst) files.insert(files.end(), bad.begin(), bad.end());

    const Synopsis s = synopsisOf(files);
    EXPECT_EQ(s.gamesPlayed, static_cast<int>(files.size()));
    EXPECT_EQ(s.wins, c.wins);
    EXPECT_EQ(s.losses, c.losses);
    EXPECT_EQ(s.teams, c.teams);
    ASSERT_EQ(s.unreadable.size(), bad.size());
    for (size_t i = 0; i < bad.size(); ++i) {
      EXPECT_EQ(s.unreadable[i].file, bad[i]);
      EXPECT_NE(s.unreadable[i].reason.find(bad[i].filename().string()), std::string::npos) << s.unreadable[i].reason;
      // Only a file of the earlier version is told apart, with the way to convert it.
      const bool advised = s.unreadable[i].reason.ends_with(
          ": it is a file of the earlier version of YardMark; convert it by opening it in File > Open, or with "
          "yardmark-convert.");
      EXPECT_EQ(advised, c.damaged[i] == Damage::JetFile) << s.unreadable[i].reason;
    }
  }
}

TEST(GameFolder, AHandedOverPathIsTheOpenGameWhateverItsLetterCase) {
  TempRoot root;
  const fs::path game = writeGame(root, "YardMark/games/2007/Game3.mdb", Result::Won);
  const fs::path other = writeGame(root, "YardMark/games/2007/Game4.mdb", Result::Won);
  EXPECT_NE(handOverPath(game), game.string());
  EXPECT_TRUE(isSameGameFile(game, handOverPath(game)));
  EXPECT_FALSE(isSameGameFile(game, handOverPath(other)));
}

TEST(GameFolder, OnlyAGameFileNamedLikeTheDialogsNamesHasANumber) {
  const std::pair<const char*, std::optional<long>> names[] = {{"Game3.mdb", 3},
                                                               {"gAME12.MDB", 12},
                                                               {"Game9.txt", std::nullopt},
                                                               {"Save9.mdb", std::nullopt},
                                                               {"Game.mdb", std::nullopt},
                                                               {"Game1x.mdb", std::nullopt},
                                                               {"Game1234567890.mdb", std::nullopt}};
  for (const auto& [name, number] : names) EXPECT_EQ(gameNumberOf(name), number) << name;
  EXPECT_EQ(nextGameNumber({"Game3.mdb", "Game12.mdb", "Game7.mdb", "Game99.txt"}), 13);
}

TEST(GameFolder, AJournalThatCannotGoIsToldWhenTheGameIsDeleted) {
  TempRoot root;
  // A journal that cannot go would be played back into the next Game3: said, not passed over.
  const fs::path game = writeGame(root, "YardMark/games/2007/Game3.mdb", Result::Won);
  fs::create_directories(game.string() + "-journal/stuck");
  EXPECT_TRUE(deleteGameFile(game));
}

}  // namespace
}  // namespace yardmark::test
