// Replacing a file: the new one takes the name only once complete, and passing files do not pile up.
#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "core/files/SafeWrite.h"
#include "support/TempRoot.h"

namespace yardmark::test {
namespace {

namespace fs = std::filesystem;
using Names = std::set<std::string>;

Names namesIn(const fs::path& folder) {
  Names names;
  for (const auto& e : fs::directory_iterator(folder)) names.insert(e.path().filename().string());
  return names;
}

TEST(SafeWrite, ReplacesTheFileOnlyWhenWrittenAndClearsOnlyItsStalePassingFiles) {
  const auto aged = [](const fs::path& p, int minutes) {
    fs::last_write_time(p, fs::file_time_type::clock::now() - std::chrono::minutes(minutes));
  };
  const struct {
    const char* name;
    bool fails;
    const char* expected;
    Names left;
  } cases[] = {
      {"written", false, "new", {"Game1.mdb", ".Game1.mdb.Fresh1.part", ".Other.mdb.Stale1.part"}},
      {"writer fails", true, "old", {"Game1.mdb", ".Game1.mdb.Fresh1.part", ".Other.mdb.Stale1.part"}},
  };
  for (const auto& c : cases) {
    TempRoot root;
    const fs::path target = root.writeFile("g/Game1.mdb", "old");
    aged(root.writeFile("g/.Game1.mdb.Stale1.part", "x"), 2);  // a killed writer's
    root.writeFile("g/.Game1.mdb.Fresh1.part", "x");           // one still at work
    aged(root.writeFile("g/.Other.mdb.Stale1.part", "x"), 2);  // another file's
    fs::path seen;
    const auto write = [&](const fs::path& part) {
      seen = part;
      writeFileBytes(part, "new");
      if (c.fails) throw std::runtime_error("cut short");
    };
    if (c.fails)
      EXPECT_THROW(replaceFile(target, write), std::runtime_error) << c.name;
    else
      replaceFile(target, write);
    EXPECT_TRUE(isPartOf(seen, target)) << c.name << ' ' << seen;
    EXPECT_EQ(seen.parent_path(), target.parent_path()) << c.name;
    std::ifstream in(target);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), c.expected) << c.name;
    EXPECT_EQ(namesIn(target.parent_path()), c.left) << c.name;
  }
}

}  // namespace
}  // namespace yardmark::test
