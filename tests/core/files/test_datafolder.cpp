// Where the data folder lies: beside a program the user can write to, else in the user's data folder.
// The facts read from the process are checked by the install test, which runs an installed copy.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/files/DataFolder.h"
#include "support/TempRoot.h"

using namespace yardmark;
namespace fs = std::filesystem;

TEST(DataFolder, TheProgramDirectoryFollowsWhereTheProgramSits) {
  struct Case {
    const char* what;
    bool writable, installed;
    const char* xdg;
    const char* home;
    fs::path want;
  };
  const Case cases[] = {
      {"build folder", true, false, "/xdg", "/home/coach", "/opt/ym/bin"},
      {"read-only folder", false, false, "", "/home/coach", "/home/coach/.local/share"},
      {"installed, written by root", true, true, "", "/root", "/root/.local/share"},
      {"installed, XDG set", false, true, "/xdg", "/home/coach", "/xdg"},
      {"relative XDG is ignored", false, true, "share", "/home/coach", "/home/coach/.local/share"},
  };
  for (const Case& c : cases) {
    const ProgramPlace place{"/opt/ym/bin", c.writable, c.installed, c.xdg, c.home};
    EXPECT_EQ(programDirectory(place), c.want) << c.what;
  }
  EXPECT_THROW(programDirectory(ProgramPlace{"/opt/ym/bin", false, false, "", ""}), DataFolderError);
  EXPECT_THROW(programDirectory(ProgramPlace{"/opt/ym/bin", false, false, "", "home"}), DataFolderError);
}

TEST(DataFolder, AFolderThatCannotBeMadeIsNamedWithTheReason) {
  test::TempRoot root;
  const fs::path xdg = root.dir() / "xdg";
  const fs::path shareFile = root.dir() / "share";
  root.writeFile("xdg/YardMark", "not a folder");
  root.writeFile("share", "not a folder");
  const struct {
    fs::path dataHome;
    std::string message;
  } cases[] = {
      {xdg, "Cannot make the data folder " + (xdg / "YardMark").string() + ": a file of that name is in the way."},
      {shareFile, "Cannot make the data folder " + (shareFile / "YardMark").string() + ": " +
                      (shareFile / "YardMark" / "databases").string() + ": Not a directory."},
  };
  for (const auto& c : cases) {
    try {
      openProgramDirectory(ProgramPlace{root.dir(), false, false, c.dataHome.string(), ""});
      ADD_FAILURE() << "no failure for " << c.dataHome;
    } catch (const DataFolderError& e) {
      EXPECT_EQ(e.what(), c.message);
    }
  }
  EXPECT_EQ(test::readBytes(xdg / "YardMark"), "not a folder");
}
