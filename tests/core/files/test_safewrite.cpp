// Replacing a file: the new one takes the name only once complete, and passing files do not pile up.
#include <gtest/gtest.h>

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
  // A killed writer's passing file goes; one still at work and another file's stay.
  const Names left{"Game1.mdb", ".Game1.mdb.Fresh1.part", ".Other.mdb.Stale1.part"};
  for (const bool fails : {false, true}) {
    TempRoot root;
    const fs::path target = root.writeFile("g/Game1.mdb", "old");
    aged(root.writeFile("g/.Game1.mdb.Stale1.part", "x"), 2);
    root.writeFile("g/.Game1.mdb.Fresh1.part", "x");
    aged(root.writeFile("g/.Other.mdb.Stale1.part", "x"), 2);
    fs::path seen;
    const auto write = [&](const fs::path& part) {
      seen = part;
      writeFileBytes(part, "new");
      if (fails) throw std::runtime_error("cut short");
    };
    if (fails)
      EXPECT_THROW(replaceFile(target, write), std::runtime_error);
    else
      replaceFile(target, write);
    EXPECT_TRUE(isPartOf(seen, target)) << seen;
    EXPECT_EQ(seen.parent_path(), target.parent_path());
    EXPECT_EQ(readBytes(target), fails ? "old" : "new");
    EXPECT_EQ(namesIn(target.parent_path()), left) << fails;
  }
}

}  // namespace
}  // namespace yardmark::test
