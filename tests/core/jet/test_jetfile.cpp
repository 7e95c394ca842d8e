// Reading old files through the yardmark-jetread helper, and every way the helper can fail, on real Jet files.
#include <gtest/gtest.h>

#include "core/jet/JetFile.h"
#include "support/TempRoot.h"

namespace yardmark::test {
namespace {

TEST(JetFile, ParsesEscapesAndNoValue) {
  const std::pair<std::string, std::vector<JetFields>> cases[] = {
      {"a\\tb\t\\N\t\t\\\\N\na\\nb\n", {{"a\tb", std::nullopt, "", "\\N"}, {"a\nb"}}},
      {"\n\\N\n", {{""}, {std::nullopt}}},  // a row of one empty text is still a row
  };
  for (const auto& [output, rows] : cases) EXPECT_EQ(parseJetOutput(output), rows) << output;
}

TEST(JetFile, EveryFailureOfTheHelperComesBackWithAReason) {
  TempRoot root;
  const auto hangs = root.writeFile("bin/hangs", "#!/bin/sh\nexec sleep 30\n");
  std::filesystem::permissions(hangs, std::filesystem::perms::owner_all);
  using Cause = JetError::Cause;
  // The file, the helper (empty: the real one), and how and why it fails.
  const std::tuple<std::filesystem::path, std::string, Cause, std::string> cases[] = {
      {root.writeFile("empty.mdb", ""), "", Cause::Refused, "is damaged: its list of tables cannot be read."},
      {fixture("contacts_crash_m58.mdb"), "", Cause::Crashed, "it is damaged (the reader stopped on it)"},
      {fixture("game_legacy.mdb"), hangs.string(), Cause::TimedOut, "gave no answer within 0.5 seconds"},
      {fixture("game_legacy.mdb"), (root.dir() / "bin/missing").string(), Cause::NotStarted, "could not be started"},
  };
  for (const auto& [file, helper, cause, reason] : cases) {
    try {
      JetFile(file, {helper.empty() ? defaultJetreadPath() : helper, 500}).readAll();
      ADD_FAILURE() << file << " was read";
    } catch (const JetError& e) {
      EXPECT_PRED_FORMAT2(::testing::IsSubstring, reason, e.what());
      EXPECT_EQ(std::pair(std::string(e.what()).find('\n'), e.cause()), std::pair(std::string::npos, cause))
          << e.what();
    }
  }
}

TEST(JetFile, RecognisesOnlyTheJetSignature) {
  TempRoot root;
  const std::string jet4 = readBytes(fixture("game_legacy.mdb"));
  std::string jet3 = jet4, ace = jet4;
  jet3[0x14] = 0;
  ace[0x14] = 2;
  const std::pair<std::string, bool> cases[] = {
      {jet4, true}, {jet3, true},
      {ace, false}, {jet4.substr(0, 0x14), false},
      {"", false},  {readBytes(root.databases() / "yardMark_master.mdb"), false},
  };
  int n = 0;
  for (const auto& [bytes, old] : cases) EXPECT_EQ(isJetFile(root.writeFile(std::to_string(++n), bytes)), old) << n;
}

// The helper's modes given too few or too many arguments print its usage and read nothing.
TEST(JetFile, TheHelperRefusesAModeWithoutItsArguments) {
  const std::string game = fixture("game_legacy.mdb").string();
  for (const std::vector<std::string>& args : {std::vector<std::string>{"--all", game, "Header"}, {"--all"}, {game}}) {
    const HelperRun r = runHelper(defaultJetreadPath(), args, 5000);
    EXPECT_EQ(std::tuple(r.end, r.exitCode, r.output), std::tuple(HelperRun::End::Exited, 2, std::string())) << args[0];
  }
}

TEST(HelperProcess, ReadsAnAnswerLongerThanAPipeHoldsWhileTheHelperRuns) {
  const HelperRun big = runHelper("/bin/sh", {"-c", "head -c 300000 /dev/zero; echo err >&2"}, 5000);
  EXPECT_EQ(std::pair(big.output.size(), big.errors), std::pair(size_t{300000}, std::string("err\n")));
}

}  // namespace
}  // namespace yardmark::test
