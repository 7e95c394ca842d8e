// Where the data folder lies: beside a program the user can write to, else in the user's data folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "core/files/DataFolder.h"
#include "support/TempRoot.h"

using namespace yardmark;
namespace fs = std::filesystem;

namespace {

// Sets an environment variable for one test and puts the old value back.
class EnvVar {
 public:
  EnvVar(const char* name, const std::optional<std::string>& value) : m_name(name) {
    if (const char* old = std::getenv(name)) m_old = old;
    value ? ::setenv(name, value->c_str(), 1) : ::unsetenv(name);
  }
  ~EnvVar() { m_old ? ::setenv(m_name, m_old->c_str(), 1) : ::unsetenv(m_name); }
  EnvVar(const EnvVar&) = delete;
  EnvVar& operator=(const EnvVar&) = delete;

 private:
  const char* m_name;
  std::optional<std::string> m_old;
};

}  // namespace

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

// The facts gathered from this process, and a first start of an installed program in a fresh home.
TEST(DataFolder, AnInstalledProgramLaysOutTheTreeInTheUsersDataFolder) {
  const fs::path bin = installedBinDir();
  if (!fs::is_directory(bin)) GTEST_SKIP() << bin << " does not exist";
  test::TempRoot root;
  const fs::path home = root.dir() / "home";
  const EnvVar xdg("XDG_DATA_HOME", std::nullopt);
  const EnvVar homeVar("HOME", home.string());

  const ProgramPlace installed = placeOf(bin);
  EXPECT_TRUE(installed.installedBin);
  EXPECT_EQ(installed.home, home.string());
  const ProgramPlace copied = placeOf(root.dir());
  EXPECT_TRUE(copied.executableDirWritable);
  EXPECT_FALSE(copied.installedBin);

  const fs::path data = home / ".local" / "share";
  EXPECT_EQ(openProgramDirectory(installed), data);
  EXPECT_TRUE(fs::is_regular_file(data / "YardMark" / "databases" / "yardMark_master.mdb"));
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
