#include <gtest/gtest.h>

#include "core/files/DataTree.h"
#include "support/ReportFixture.h"

using namespace yardmark;
namespace fs = std::filesystem;

// Every path the program spells, resolved beside the program file "yardmark": a folder part
// must land in the data folder, never below the executable; any spelling reaches the one file.
TEST(DataTree, PathsResolveIntoTheDataFolderBesideTheProgramFile) {
  test::TempRoot root;
  const DataTree tree(root.dir());
  fs::create_directories(tree.yearFolder("2007"));
  const fs::path ym = root.dir() / "YardMark", game3 = ym / "games" / "2007" / "Game3.mdb";
  fs::copy_file(tree.masterTemplate(), game3);
  const fs::path upperRoot = root.dir() / "Coach Files";
  fs::create_directories(upperRoot / "Season");
  const std::tuple<const char*, fs::path, fs::path> cases[] = {
      // what, the path resolved, the path wanted
      {"gameFile", tree.gameFile("2007", "3"), game3},
      {"gameFileAsOpened", tree.gameFileAsOpened(" 2007 ", " 3 "), game3},
      {"a game not there yet", tree.gameFile("2031 ", "12"), ym / "games" / "2031" / "Game12.mdb"},
      {"backslashes", tree.resolve("\\YARDMARK\\GAMES\\2007\\GAME3.MDB"), game3},
      {"new names keep their spelling", tree.resolve("\\NoSuch\\Folder"), root.dir() / "NoSuch" / "Folder"},
      {"an absolute lower-case path", findPathCaseInsensitive(root.dir() / "yardmark/games/2007/game3.mdb"), game3},
      {"a folder", findPathCaseInsensitive(root.dir() / "coach files" / "season"), upperRoot / "Season"},
      {"a new file", findPathCaseInsensitive(root.dir() / "coach files" / "new.mdb"), upperRoot / "new.mdb"},
      {"a back-up's entry", tree.inData("GAMES/2007/game3.mdb", DataTree::Last::File), game3},
      {"the style sheet", tree.styleSheet(), ym / "Reports" / "css" / "css.css"},
      {"the restore plan", tree.restorePlan(), ym / "restore-in-progress.txt"},
      {"the detail folder", detailFolderOf(ym / "Reports"), ym / "Reports" / "detail"},
  };
  for (const auto& [what, got, want] : cases) EXPECT_EQ(got, want) << what;
}

TEST(DataTree, AFolderIsPreferredAndAnExactSpellingOfTheRightKindComesFirst) {
  test::TempRoot root;
  const fs::path games = root.games();
  fs::create_directories(games / "Reports");
  root.writeFile("YardMark/games/reports", "a file");
  root.writeFile("YardMark/games/Notes", "a file");
  fs::create_directories(games / "NOTES");
  EXPECT_EQ(findCaseInsensitive(games, "reports", DataTree::Last::Folder), games / "Reports");
  EXPECT_EQ(findCaseInsensitive(games, "reports", DataTree::Last::File), games / "reports");
  EXPECT_EQ(findCaseInsensitive(games, "REPORTS", DataTree::Last::Any), games / "Reports");
  EXPECT_EQ(findCaseInsensitive(games, "Notes", DataTree::Last::Folder), games / "NOTES");
  EXPECT_EQ(findCaseInsensitive(games, "Notes", DataTree::Last::Any), games / "Notes");
  for (const char* s : {"memo", "Memo", "mEMO", "MEMO"}) root.writeFile("YardMark/games/" + std::string(s), "a file");
  EXPECT_EQ(findCaseInsensitive(games, "meMo", DataTree::Last::File), games / "MEMO");  // the smallest spelling
}
