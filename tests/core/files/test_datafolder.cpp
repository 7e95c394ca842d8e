// Where the data folder lies: beside a program the user can write to, else in the user's data folder.
// The facts read from the process are checked by the install test, which runs an installed copy.
#include <gtest/gtest.h>

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
