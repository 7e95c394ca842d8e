// Where the data folder lies: beside a program the user can write to, else in the user's data folder.
// The facts read from the process are checked by the install test, which runs an installed copy.
#include <gtest/gtest.h>

#include "core/files/DataFolder.h"
#include "support/TempRoot.h"

using namespace yardmark;
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
