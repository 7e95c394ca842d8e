// File > Back Up Data... and Restore Data..., driven as the coach drives them, with the file
// dialogs answered by the test.
#include <QFileInfo>
#include <chrono>
#include <filesystem>

#include "core/backup/Backup.h"
#include "core/db/Database.h"
#include "gui/backup/BackupCommands.h"
#include "support/GameFiles.h"
#include "support/GuiFixture.h"

namespace yardmark::test {
namespace {

namespace fs = std::filesystem;

class BackupCommandsTest : public ShellTest {
 protected:
  // Answers the file dialog with `file` and keeps what it was asked.
  PickFile answer(const fs::path& file) {
    return [this, file](QWidget*, const FileQuestion& q) {
      asked = q;
      return QString::fromStdString(file.string());
    };
  }
  void addPlayer(const std::string& last) {
    Database db(ensureRosterDatabase(app.tree()));
    Recordset rows = db.openRecordset("select * from roster");
    rows.addNew();
    rows.setField(1, last);
    rows.update();
  }
  static std::vector<std::string> players(const fs::path& roster) {
    Database db(roster, Database::Mode::ReadOnly);
    std::vector<std::string> out;
    for (Recordset rows = db.openRecordset("select * from roster"); !rows.isEOF(); rows.moveNext())
      out.push_back(textOf(rows.field(1)));
    return out;
  }
  static std::string ownTeam(const fs::path& game) {
    Database db(game, Database::Mode::ReadOnly);
    return textOf(db.openRecordset("select * from header").field("OwnTeamName"));
  }
  // Every path below YardMark/, to see that nothing was touched.
  std::vector<fs::path> listing() const {
    std::vector<fs::path> out;
    for (const auto& e : fs::recursive_directory_iterator(root.yardmark())) out.push_back(e.path());
    std::sort(out.begin(), out.end());
    return out;
  }

  FileQuestion asked;
};

TEST_F(BackupCommandsTest, BackUpThenRestorePutsEveryRowBackOnceTheFormsHaveClosed) {
  const fs::path game = writeGame(root, "YardMark/games/2007/Game1.mdb", Result::Won, "Eagles");
  addPlayer("Ashdown");
  const fs::path zip = root.dir() / "season.zip";

  prompter.answer(Answer::Ok);
  backUpDataCommand(app, answer(zip));
  EXPECT_TRUE(asked.start.endsWith("/" + QString::fromStdString(defaultBackupName(std::chrono::system_clock::now()))));
  EXPECT_EQ(asked.suffix, "zip");
  ASSERT_TRUE(fs::is_regular_file(zip));
  ASSERT_EQ(prompter.records().size(), 1u);
  EXPECT_TRUE(prompter.records()[0].text.contains("It holds 1 game, the roster and "))
      << prompter.records()[0].text.toStdString();
  EXPECT_TRUE(prompter.records()[0].text.contains(QString::fromStdString(zip.string())));

  // The game is lost and a player added; a form that will not close holds the restore back.
  fs::remove(game);
  addPlayer("Stray");
  logA.cancelUnload = true;
  app.forms().show<FormA>();
  prompter.clear();
  prompter.answer(Answer::Yes);
  restoreDataCommand(app, answer(zip));
  ASSERT_EQ(prompter.records().size(), 1u);
  const auto& question = prompter.records()[0];
  EXPECT_EQ(question.buttons, Buttons::YesNo);
  EXPECT_EQ(question.defaultButton, Answer::No);
  for (const char* held : {"2007: 1 game", "the roster: 1 player", "report page"})
    EXPECT_TRUE(question.text.contains(held)) << held << " in " << question.text.toStdString();
  EXPECT_FALSE(fs::exists(game));

  logA.cancelUnload = false;
  prompter.clear();
  prompter.answer(Answer::Yes).answer(Answer::Ok);
  restoreDataCommand(app, answer(zip));
  EXPECT_EQ(app.forms().find<FormA>(), nullptr);
  EXPECT_EQ(ownTeam(game), "Eagles");
  EXPECT_EQ(players(app.tree().rosterDatabase()), std::vector<std::string>{"Ashdown"});
  // The roster it replaced is kept where the message says.
  ASSERT_EQ(prompter.records().size(), 2u);
  const QString told = prompter.records()[1].text;
  const fs::path replaced = told.section('\n', -1).toStdString();
  ASSERT_TRUE(told.contains("moved into")) << told.toStdString();
  EXPECT_EQ(players(replaced / "databases" / app.tree().rosterDatabase().filename()),
            (std::vector<std::string>{"Ashdown", "Stray"}));
}

TEST_F(BackupCommandsTest, ARefusedFileIsToldWithItsReasonAndNothingIsTouched) {
  const fs::path junk = root.writeFile("junk.zip", "these bytes are no archive");
  struct Case {
    const char* name;
    void (*command)(App&, const PickFile&);
    fs::path file;
    const char* reason;
  };
  const Case cases[] = {
      {"restore of no archive", restoreDataCommand, junk, "is not a YardMark backup"},
      {"back-up inside the data", backUpDataCommand, root.yardmark() / "games" / "in.zip",
       "inside the folder it backs up"},
      {"back-up to a missing folder", backUpDataCommand, root.dir() / "gone" / "b.zip", "does not exist"},
  };
  const auto before = listing();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    prompter.clear();
    prompter.answer(Answer::Ok);
    c.command(app, answer(c.file));
    ASSERT_EQ(prompter.records().size(), 1u);
    EXPECT_EQ(prompter.records()[0].icon, Icon::Critical);
    EXPECT_TRUE(prompter.records()[0].text.contains(c.reason)) << prompter.records()[0].text.toStdString();
    EXPECT_EQ(listing(), before);
  }
  // A dialog closed with Cancel does nothing and says nothing.
  prompter.clear();
  for (auto* command : {backUpDataCommand, restoreDataCommand}) command(app, answer({}));
  EXPECT_TRUE(prompter.records().empty());
  EXPECT_EQ(listing(), before);
}

}  // namespace
}  // namespace yardmark::test
