// The one listing of a folder behind every folder and file list.
#include <gtest/gtest.h>

#include "core/games/GameFolder.h"
#include "support/TempRoot.h"

namespace yardmark::test {
namespace {

namespace fs = std::filesystem;
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
      {"game files in any letter case, Game2 before Game10",
       games / "2007",
       gameFiles(),
       {"game1.Mdb", "Game02.mdb", "Game2.mdb", "GAME3.MDB", "Game10.mdb"}},
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
