// yardmark-convert on a data folder: one line a file, a summary, exit 0 only when nothing failed.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/jet/JetFile.h"
#include "support/TempRoot.h"

namespace fs = std::filesystem;

namespace yardmark::test {
namespace {

HelperRun convertCommand(const std::vector<std::string>& args) { return runHelper(YARDMARK_CONVERT_EXE, args, 20000); }

// A named pipe where the roster should be is no file of the earlier version: it is never
// opened (that would block the command, and the program at start-up, for ever).
TEST(ConvertCommand, ConvertsTheFolderAndExitsNonZeroOnlyOnAFailure) {
  TempRoot root;
  const std::string legacy = readBytes(fixture("game_legacy.mdb"));
  const fs::path game = root.writeFile("YardMark/games/2007/Game3.mdb", legacy);
  const std::string dir = root.dir().string();
  const fs::path roster = root.databases() / "yardMark_roster.mdb";
  fs::remove(roster);
  ASSERT_EQ(mkfifo(roster.c_str(), 0644), 0);

  const HelperRun dry = convertCommand({"--root", dir, "--dry-run"});
  ASSERT_EQ(dry.end, HelperRun::End::Exited) << "it must not hang";
  EXPECT_EQ(dry.exitCode, 0) << dry.errors;
  EXPECT_EQ(dry.output, "To convert: " + game.string() + "\n1 to convert, 0 tables or columns left out, 0 failed.\n");
  // A full disk, as a file size limit: the game stays as it was, nothing is left beside it.
  const HelperRun full = runHelper(
      "/bin/sh", {"-c", "trap '' XFSZ; ulimit -f 16; exec \"$0\" --root \"$1\"", YARDMARK_CONVERT_EXE, dir}, 20000);
  EXPECT_EQ(full.exitCode, 1) << full.errors;
  EXPECT_EQ(full.output.rfind("Failed: " + game.string() + ": the new file cannot be written (", 0), 0u) << full.output;
  EXPECT_TRUE(
      full.output.ends_with("the file is left as it was\n0 converted, 0 tables or columns left out, 1 failed.\n"))
      << full.output;
  EXPECT_EQ(readBytes(game), legacy);
  EXPECT_EQ(std::distance(fs::directory_iterator(game.parent_path()), fs::directory_iterator()), 1);

  const fs::path crash = root.writeFile("YardMark/games/2007/Game4.mdb", readBytes(fixture("contacts_crash_m58.mdb")));
  const HelperRun run = convertCommand({"--root", dir});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.output, "Converted: " + game.string() + " (5 rows; the original is kept as Game3.mdb.jet)\n" +
                            "Failed: " + crash.string() +
                            ": it is damaged (the reader stopped on it); the file is left as it was\n" +
                            "1 converted, 0 tables or columns left out, 1 failed.\n");
  EXPECT_FALSE(isJetFile(game));
  // Beside it only the original: no half-written file is left.
  EXPECT_EQ(std::distance(fs::directory_iterator(game.parent_path()), fs::directory_iterator()), 3);

  fs::remove(crash);
  const HelperRun again = convertCommand({"--root", dir});
  EXPECT_EQ(again.exitCode, 0);
  EXPECT_EQ(again.output, "No files of the earlier version were found.\n");
  EXPECT_TRUE(fs::is_fifo(roster));

  const std::tuple<std::vector<std::string>, int, std::string> wrong[] = {
      {{"--root", root.games().string()}, 1, "there is no YardMark folder in"},
      {{"--root"}, 2, "--root needs a directory"}};
  for (const auto& [args, exit, said] : wrong) {
    const HelperRun r = convertCommand(args);
    EXPECT_EQ(std::pair(r.exitCode, r.errors.find(said) != std::string::npos), std::pair(exit, true)) << r.errors;
  }
}

}  // namespace
}  // namespace yardmark::test
