// File > Back Up Data... and Restore Data..., driven as the coach drives them, with the file
// dialogs answered by the test.

#include "core/backup/Backup.h"
#include "core/backup/RestorePlan.h"
#include "gui/backup/BackupCommands.h"
#include "support/GameFiles.h"
#include "support/RosterFixture.h"

namespace yardmark::test {
namespace {

namespace fs = std::filesystem;

class BackupCommandsTest : public RosterFixture {
 protected:
  // Answers the file dialog with `file` and keeps what it was asked.
  PickFile answer(const fs::path& file) {
    return [this, file](QWidget*, const FileQuestion& q) {
      asked = q;
      return QString::fromStdString(file.string());
    };
  }
  // Every path below YardMark/, to see that nothing was touched.
  std::vector<fs::path> listing() const {
    std::vector<fs::path> out(fs::recursive_directory_iterator(root.yardmark()), {});
    std::sort(out.begin(), out.end());
    return out;
  }
  FileQuestion asked;
};

TEST_F(BackupCommandsTest, BackUpThenRestorePutsEveryRowBackOnceTheFormsHaveClosed) {
  const fs::path game = writeGame(root, "YardMark/games/2007/Game1.mdb", Result::Won, "Eagles");
  const fs::path odd = writeDamaged(root, "YardMark/games/2007/Game2.mdb", Damage::ZeroBytes);
  seed({{"Ashdown", "Rose", "R"}});
  const fs::path zip = root.dir() / "season.zip";
  prompter.answer(Answer::Ok);
  backUpDataCommand(app, answer(zip));
  EXPECT_TRUE(asked.start.endsWith("/" + QString::fromStdString(defaultBackupName(std::chrono::system_clock::now()))));
  ASSERT_TRUE(fs::is_regular_file(zip));
  ASSERT_EQ(prompter.records().size(), 1u);
  EXPECT_TRUE(prompter.records()[0].text.contains("It holds 2 games, the roster and "))
      << prompter.texts()[0].toStdString();
  EXPECT_TRUE(prompter.texts()[0].endsWith("\n\n1 file was not read as YardMark games, so kept byte for byte:\n" +
                                           QString::fromStdString(odd.string())));

  // The game is lost and a player added; a form that will not close holds the restore back.
  fs::remove(game);
  seed({{"Stray", "Sam", "S"}});
  logA.cancelUnload = true;
  app.forms().show<FormA>();
  prompter.clear().answer(Answer::Yes);
  restoreDataCommand(app, answer(zip));
  ASSERT_EQ(prompter.records().size(), 1u);
  const auto& question = prompter.records()[0];
  EXPECT_EQ(question.defaultButton, Answer::No);
  for (const char* held : {"2007: 1 game", "the roster: 1 player", "report page"})
    EXPECT_TRUE(question.text.contains(held)) << held << " in " << question.text.toStdString();
  EXPECT_FALSE(fs::exists(game));

  logA.cancelUnload = false;
  prompter.clear().answer(Answer::Yes).answer(Answer::Ok);
  restoreDataCommand(app, answer(zip));
  EXPECT_EQ(app.forms().find<FormA>(), nullptr);
  EXPECT_EQ(textOf(Database(game).openRecordset("select * from header").field("OwnTeamName")), "Eagles");
  EXPECT_EQ(stored(), (std::vector<StoredRow>{{"Ashdown", "Rose", "R"}}));
  // The roster it replaced is where the message says.
  const QString told = prompter.texts().value(1);
  ASSERT_TRUE(told.contains("moved into")) << told.toStdString();
  EXPECT_TRUE(fs::exists(fs::path(told.section('\n', -1).toStdString()) / "databases" /
                         app.tree().rosterDatabase().filename()));
}

TEST_F(BackupCommandsTest, ARefusedFileIsToldWithItsReasonAndNothingIsTouched) {
  const fs::path junk = root.writeFile("junk.zip", "these bytes are no archive");
  const std::tuple<void (*)(App&, const PickFile&), fs::path, const char*> cases[] = {
      {restoreDataCommand, junk, "is not a YardMark backup"},
      {backUpDataCommand, root.yardmark() / "games" / "in.zip", "inside the folder it backs up"},
  };
  const auto before = listing();
  for (const auto& [command, file, reason] : cases) {
    prompter.clear().answer(Answer::Ok);
    command(app, answer(file));
    ASSERT_EQ(prompter.records().size(), 1u) << reason;
    EXPECT_EQ(prompter.records()[0].icon, Icon::Critical);
    EXPECT_TRUE(prompter.texts()[0].contains(reason)) << prompter.texts()[0].toStdString();
    EXPECT_EQ(listing(), before);
  }
  // A dialog closed with Cancel does nothing and says nothing.
  prompter.clear();
  for (auto* command : {backUpDataCommand, restoreDataCommand}) command(app, answer({}));
  EXPECT_EQ(std::pair(prompter.records().size(), listing()), std::pair(size_t{0}, before));
}

// At start-up a restore cut short is undone and said so; a plan that cannot be read is a failure told.
TEST_F(BackupCommandsTest, AStartFinishesOrUndoesARestoreCutShortAndSaysWhich) {
  const fs::path plan = backup::planFile(root.yardmark()), staging = root.games() / ".yardmark-restore-1";
  const std::tuple<std::string, Icon, const char*> cases[] = {
      {"YardMark restore plan 1\nstaging\t" + staging.string() + "\nend\n", Icon::Information, "has been undone"},
      {"YardMark restore plan 1\nstaging\t" + staging.string() + "\n", Icon::Critical, "cannot be read"},
  };
  for (const auto& [text, icon, said] : cases) {
    root.writeFile("YardMark/games/.yardmark-restore-1/0", "staged");
    root.writeFile("YardMark/restore-in-progress.txt", text);
    prompter.clear().answer(Answer::Ok);
    finishInterruptedRestore(app);
    ASSERT_EQ(prompter.records().size(), 1u) << said;
    EXPECT_EQ(prompter.records()[0].icon, icon);
    EXPECT_TRUE(prompter.texts()[0].contains(said)) << prompter.texts()[0].toStdString();
    EXPECT_EQ(fs::exists(staging), icon == Icon::Critical);  // an unreadable plan touches nothing
  }
}

}  // namespace
}  // namespace yardmark::test
