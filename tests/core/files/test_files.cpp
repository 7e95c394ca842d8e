// The folder tree, the data folder and the folder listing: where the data folder lies (beside a program
// the user can write to, else in the user's data folder; the facts read from the process are checked by the
// install test, which runs an installed copy), every path resolved into it, and the one listing of a folder
// behind every folder and file list.
#include <gtest/gtest.h>

#include "core/files/DataFolder.h"
#include "core/files/DataTree.h"
#include "core/games/GameFolder.h"
#include "support/ReportFixture.h"
#include "support/TempRoot.h"

namespace yardmark::test {
namespace {

namespace fs = std::filesystem;

TEST(DataFolder, TheProgramDirectoryFollowsWhereTheProgramSits) {
  // Where the program sits (writable, installed), the XDG and home folders, and the folder chosen.
  const std::tuple<bool, bool, const char*, const char*, fs::path> cases[] = {
      {true, false, "/xdg", "/home/coach", "/opt/ym/bin"},                // a build folder
      {false, false, "", "/home/coach", "/home/coach/.local/share"},      // a read-only folder
      {true, true, "", "/root", "/root/.local/share"},                    // installed, written by root
      {false, true, "/xdg", "/home/coach", "/xdg"},                       // installed, XDG set
      {false, true, "share", "/home/coach", "/home/coach/.local/share"},  // a relative XDG is ignored
  };
  for (const auto& [writable, installed, xdg, home, want] : cases)
    EXPECT_EQ(programDirectory(ProgramPlace{"/opt/ym/bin", writable, installed, xdg, home}), want) << xdg << home;
  for (const char* home : {"", "home"})
    EXPECT_THROW(programDirectory(ProgramPlace{"/opt/ym/bin", false, false, "", home}), DataFolderError) << home;
  ::setenv("XDG_DATA_HOME", "/xdg", 1);  // what the place is read from
  EXPECT_EQ(placeOf("/opt/ym/bin").xdgDataHome, "/xdg");
  ::unsetenv("XDG_DATA_HOME");
}

// A file in the way of the folder itself is told by the install test, which runs an installed copy.
TEST(DataFolder, AFolderThatCannotBeMadeIsNamedWithTheReason) {
  test::TempRoot root;
  const fs::path share = root.writeFile("share", "not a folder");
  try {
    openProgramDirectory(ProgramPlace{root.dir(), false, false, share.string(), ""});
    ADD_FAILURE() << "no failure";
  } catch (const DataFolderError& e) {
    EXPECT_EQ(e.what(), "Cannot make the data folder " + (share / "YardMark").string() + ": " +
                            (share / "YardMark" / "databases").string() + ": Not a directory.");
  }
  EXPECT_EQ(test::readBytes(share), "not a folder");
}

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

using Names = std::vector<std::string>;

// A name that is not valid UTF-8: Qt's text would make another name of it.
const std::string kRawName = "Week\xff.htm";

TEST(FolderListing, ListsTheVisibleEntriesOfAKindInTheOrderAReaderExpects) {
  TempRoot root;
  const fs::path games = root.games();
  for (const char* year : {"2010", "1999", "2007", ".cache"}) fs::create_directories(games / year);
  root.writeFile("YardMark/games/2008", "a file, not a year folder");
  for (const std::string name :
       {"Game10.mdb", "Game2.mdb", "GAME3.MDB", "game1.Mdb", "Game02.mdb", "notes.txt", "Game4.mdb.new", ".Game5.mdb",
        "game3", "mdb", "old.html", "Week3.HTML", kRawName.c_str()})
    root.writeFile("YardMark/games/2007/" + name, "x");
  fs::create_directories(games / "2007" / "Game6.mdb");  // a folder, not a game
  // Eight names each starting another in other letter case: whatever order the disk gives,
  // the shorter comes first.
  Names prefixes;
  for (char c = 'b'; c < 'j'; ++c) {
    prefixes.insert(prefixes.end(), {std::string(1, c), std::string(1, char(c - 'a' + 'A')) + "1"});
    for (const std::string& name : {prefixes.end()[-1], prefixes.end()[-2]}) root.writeFile("p/" + name, "x");
  }

  const std::tuple<const char*, fs::path, Listing, Names> cases[] = {
      {"year folders", games, Listing::folders(), {"1999", "2007", "2010"}},
      // clang-format off
      {"game files in any letter case, Game2 before Game10", games / "2007", gameFiles(), {"game1.Mdb", "Game02.mdb", "Game2.mdb", "GAME3.MDB", "Game10.mdb"}},
      // clang-format on
      {"report pages", games / "2007", reportPages(), {"old.html", "Week3.HTML", kRawName}},
      {"every visible file",
       games / "2007",
       Listing::files({}),
       {"game1.Mdb", "Game02.mdb", "Game2.mdb", "game3", "GAME3.MDB", "Game4.mdb.new", "Game10.mdb", "mdb", "notes.txt",
        "old.html", "Week3.HTML", kRawName}},  // the shorter first, in any letter case
      {"a name before the longer names it starts", root.dir() / "p", Listing::files({}), prefixes},
      {"a folder that is gone", games / "gone", Listing::folders(), {}},
  };
  for (const auto& [what, folder, listing, expected] : cases) {
    Names names;
    for (const fs::path& e : listFolder(folder, listing)) names.push_back(e.filename().string());
    EXPECT_EQ(names, expected) << what;
  }
}

}  // namespace
}  // namespace yardmark::test
