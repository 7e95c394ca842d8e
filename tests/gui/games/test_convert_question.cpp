// The start-up question: asked only when old files are there, No changes nothing, Yes converts
// and tells the summary.
#include <gtest/gtest.h>

#include "gui/games/ConvertOldFiles.h"
#include "gui/shell/App.h"
#include "support/ScriptedPrompter.h"
#include "support/StopWhileHanging.h"
#include "support/TempRoot.h"

namespace fs = std::filesystem;

namespace yardmark::test {
namespace {

struct StartUp : testing::Test {
  TempRoot root;
  ScriptedPrompter prompter;
  App app{root.dir(), prompter};

  static ConvertOptions through(const StopWhileHanging& user) {
    ConvertOptions options;
    options.helper = user.program();
    options.timeLimitMs = 5000;
    return options;
  }
  static void expectUntouched(const fs::path& file, const std::string& bytes) {
    EXPECT_TRUE(readBytes(file) == bytes) << file << " was changed";
    EXPECT_FALSE(fs::exists(file.string() + ".jet")) << file;
    EXPECT_FALSE(fs::exists(file.string() + ".converting")) << file;
  }
};

TEST_F(StartUp, AskedOnlyWhenOldFilesAreThereNoChangesNothingAndYesConvertsAndTellsTheFailures) {
  root.copyTemplate("YardMark/games/2007/Game1.mdb");
  EXPECT_FALSE(offerConversion(app, nullptr));
  EXPECT_TRUE(prompter.records().empty());
  const std::string legacy = readBytes(fixture("game_legacy.mdb"));
  const fs::path game = root.writeFile("YardMark/games/2007/Game3.mdb", legacy);
  const fs::path crash = root.writeFile("YardMark/games/2007/Game4.mdb", readBytes(fixture("contacts_crash_m58.mdb")));
  prompter.answer(Answer::No);
  EXPECT_FALSE(offerConversion(app, nullptr));
  EXPECT_EQ(
      prompter.texts(),
      QStringList{"The data folder holds 2 files kept by the earlier version of YardMark, which must be converted "
                  "before they can be opened. Each original is kept beside its new file, under its name with .jet "
                  "added.\n\nConvert them now?"});
  EXPECT_EQ(prompter.records()[0].buttons, Buttons::YesNo);
  expectUntouched(game, legacy);

  prompter.clear();
  prompter.answer(Answer::Yes).answer(Answer::Ok);
  EXPECT_TRUE(offerConversion(app, nullptr));
  EXPECT_FALSE(isJetFile(game));
  ASSERT_EQ(prompter.records().size(), 2u);
  EXPECT_EQ(prompter.records()[1].text, "1 converted, 0 tables or columns left out, 1 failed.\n\nFailed: " +
                                            QString::fromStdString(crash.string()) +
                                            ": it is damaged (the reader stopped on it); the file is left as it was");
}

// When a game is opened and at start-up alike.
TEST_F(StartUp, StopKillsAReaderThatHangsAndLeavesThatFileAndTheRestAsTheyWere) {
  const std::string legacy = readBytes(fixture("game_legacy.mdb"));
  const fs::path done = root.writeFile("YardMark/games/2007/Game3.mdb", legacy);
  const fs::path hangs = root.writeFile("YardMark/games/2007/Game4.mdb", legacy);
  const fs::path after = root.writeFile("YardMark/games/2007/Game5.mdb", legacy);
  {
    StopWhileHanging user(root.dir() / "bin", "dlgConvertProgress", "Game4");
    prompter.answer(Answer::Yes);
    EXPECT_FALSE(offerConversionOf(app, hangs, through(user)));
    user.expectStoppedAtOnce();
    EXPECT_EQ(prompter.records().size(), 1u);  // the question only
  }
  expectUntouched(hangs, legacy);

  StopWhileHanging user(root.dir() / "bin2", "dlgConvertProgress", "Game4");
  prompter.answer(Answer::Yes).answer(Answer::Ok);
  offerConversion(app, nullptr, through(user));
  user.expectStoppedAtOnce();
  EXPECT_FALSE(isJetFile(done));
  expectUntouched(hangs, legacy);
  expectUntouched(after, legacy);
  ASSERT_EQ(prompter.records().size(), 3u);
  EXPECT_EQ(prompter.records()[2].text,
            "1 converted, 0 tables or columns left out, 0 failed. Stopped before 2 more, left as they were.");
}

}  // namespace
}  // namespace yardmark::test
