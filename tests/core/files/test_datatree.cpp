#include <gtest/gtest.h>

#include <unistd.h>

#include <cctype>
#include <filesystem>
#include <fstream>

#include "core/files/DataTree.h"
#include "core/db/Database.h"
#include "support/TempRoot.h"

using namespace yardmark;
namespace fs = std::filesystem;

TEST(DataTree, MixedSpellingsReachOneFile) {
  test::TempRoot root;
  const DataTree tree(root.dir());
  fs::create_directories(tree.yearFolder("2007"));
  fs::copy_file(tree.masterTemplate(), tree.gameFile("2007", "3"));
  EXPECT_EQ(tree.gameFile("2007", "3"), root.dir() / "YardMark" / "games" / "2007" / "Game3.mdb");
  // The entry form spells it "game3.mdb" below "YardMark": the same file.
  EXPECT_EQ(tree.gameFileAsOpened(" 2007 ", " 3 "), tree.gameFile("2007", "3"));
  EXPECT_EQ(tree.resolve("\\YARDMARK\\GAMES\\2007\\GAME3.MDB"), tree.gameFile("2007", "3"));
  EXPECT_EQ(tree.resolve("/yardmark/games/2007/game3.mdb"), tree.gameFile("2007", "3"));
}

TEST(DataTree, ALowerCasePathIsFoundAgain) {
  test::TempRoot root;
  const DataTree tree(root.dir());
  fs::create_directories(root.games() / "2007");
  const fs::path game = root.copyTemplate("YardMark/games/2007/Game3.mdb");
  const fs::path upperRoot = root.dir() / "Coach Files";
  fs::create_directories(upperRoot / "Season");
  std::string lower = game.string();
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  EXPECT_EQ(findPathCaseInsensitive(lower), game);
  EXPECT_EQ(findPathCaseInsensitive(root.dir() / "coach files" / "season"), upperRoot / "Season");
  EXPECT_EQ(findPathCaseInsensitive(root.dir() / "coach files" / "new.mdb"), upperRoot / "new.mdb");
}

TEST(DataTree, NewNamesKeepTheGivenSpelling) {
  test::TempRoot root;
  const DataTree tree(root.dir());
  EXPECT_EQ(tree.yearFolder("  2031"), root.dir() / "YardMark" / "games" / "2031");
  EXPECT_EQ(tree.gameFile("2031 ", "12"), root.dir() / "YardMark" / "games" / "2031" / "Game12.mdb");
  EXPECT_EQ(tree.resolve("\\NoSuch\\Folder"), root.dir() / "NoSuch" / "Folder");
}

// Every path the program spells, resolved beside the program file "yardmark": a folder part
// must land in the data folder, never below the executable.
TEST(DataTree, PathsResolveIntoTheDataFolderBesideTheProgramFile) {
  test::TempRoot root;
  ASSERT_TRUE(fs::is_regular_file(root.dir() / "yardmark"));
  fs::create_directories(root.games() / "2007");
  const DataTree tree(root.dir());
  const fs::path ym = root.dir() / "YardMark";
  const struct {
    const char* name;
    fs::path got, want;
  } cases[] = {
      {"gameFile", tree.gameFile("2007", "3"), ym / "games" / "2007" / "Game3.mdb"},
      {"gameFileAsOpened", tree.gameFileAsOpened("2007", "3"), ym / "games" / "2007" / "game3.mdb"},
      {"yearFolder", tree.yearFolder("2007"), ym / "games" / "2007"},
      {"new yearFolder", tree.yearFolder("2010"), ym / "games" / "2010"},
      {"gamesRoot", tree.gamesRoot(), ym / "games"},
      {"masterTemplate", tree.masterTemplate(), ym / "databases" / "yardMark_master.mdb"},
      {"rosterDatabase", tree.rosterDatabase(), ym / "databases" / "yardMark_roster.mdb"},
      {"tmpDatabase", tree.tmpDatabase(), ym / "databases" / "tmpDB.mdb"},
      {"reportsFolder", tree.reportsFolder(), ym / "Reports"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.got, c.want) << c.name;
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
  EXPECT_EQ(findCaseInsensitive(games, "none", DataTree::Last::Folder), games / "none");
}

TEST(DataTree, AFolderHoldingOnlyTheProgramIsLaidOut) {
  const fs::path dir = fs::temp_directory_path() / ("yardmark-bare-" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  std::ofstream(dir / "yardmark") << "program";
  layOutTree(dir);
  const DataTree tree(dir);
  EXPECT_TRUE(fs::is_directory(dir / "YardMark" / "games"));
  EXPECT_TRUE(fs::is_regular_file(dir / "YardMark" / "databases" / "yardMark_master.mdb"));
  fs::create_directories(tree.yearFolder("2007"));
  EXPECT_EQ(tree.gameFile("2007", "3"), dir / "YardMark" / "games" / "2007" / "Game3.mdb");
  EXPECT_EQ(test::readBytes(dir / "yardmark"), "program");
  fs::remove_all(dir);
}

TEST(DataTree, FixedPlaces) {
  test::TempRoot root;
  const DataTree tree(root.dir());
  const fs::path ym = root.dir() / "YardMark";
  EXPECT_EQ(tree.masterTemplate(), ym / "databases" / "yardMark_master.mdb");
  EXPECT_EQ(tree.rosterDatabase(), ym / "databases" / "yardMark_roster.mdb");
  EXPECT_EQ(tree.tmpDatabase(), ym / "databases" / "tmpDB.mdb");
  EXPECT_EQ(tree.reportsFolder(), ym / "Reports");
  EXPECT_EQ(tree.gamesRoot(), ym / "games");
  for (const fs::path& p : {tree.masterTemplate(), tree.rosterDatabase(), tree.tmpDatabase(),
                            ym / "Reports" / "css" / "css.css"})
    EXPECT_TRUE(fs::is_regular_file(p)) << p;
}

TEST(DataTree, LayingOutAgainKeepsUserData) {
  test::TempRoot root;
  const DataTree tree(root.dir());
  {
    Database roster(tree.rosterDatabase());
    auto rs = roster.openRecordset("select * from roster");
    rs.addNew();
    rs.setField(1, Value("Smith"));
    rs.update();
  }
  root.writeFile("YardMark/Reports/css/css.css", "/* mine */");
  layOutTree(root.dir());
  Database roster(tree.rosterDatabase());
  EXPECT_EQ(roster.openRecordset("select * from roster").recordCount(), 1);
  EXPECT_EQ(test::readBytes(root.dir() / "YardMark/Reports/css/css.css"), "/* mine */");
}

TEST(DataTree, AMissingRosterIsMadeFromTheSchema) {
  test::TempRoot root;
  const DataTree tree(root.dir());
  fs::remove(tree.rosterDatabase());
  const fs::path roster = ensureRosterDatabase(tree);
  EXPECT_EQ(roster, tree.rosterDatabase());
  Database db(roster);
  EXPECT_EQ(db.openRecordset("SELECT * FROM roster ORDER BY rosterPlayerName_Last").recordCount(), 0);
}

TEST(DataTree, StyleSheetDefinesEveryClassThePageUses) {
  test::TempRoot root;
  const std::string css = test::readBytes(root.dir() / "YardMark/Reports/css/css.css");
  for (const char* cls : {"head_title", "header_line", "all_headline", "top_menu", "bg_table_sab", "text_all",
                          "number_all", "table_all", "footer"})
    EXPECT_NE(css.find(std::string(".") + cls + " {"), std::string::npos) << cls;
}
