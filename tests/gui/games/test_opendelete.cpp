// File > Open with its season synopsis and File > Delete: the shared folder and file lists,
// the counts, the path handed over in lower case, the question, the failures, and the game
// that the entry form holds.

#include "core/games/GameFolder.h"
#include "core/jet/JetFile.h"
#include "gui/entry/frmNewGame.h"
#include "gui/games/DialogDeleteGame.h"
#include "gui/games/DialogOpenGame.h"
#include "support/GameFiles.h"
#include "support/ReportFixture.h"
#include "support/ReportsTestKit.h"

namespace yardmark::test {
namespace {

namespace fs = std::filesystem;

const QString kSure = "Are you sure you want to delete this file?";

QStringList synopsis(const DialogOpenGame& d) {
  return {d.lblGamesPlayed->text(), d.lblWins->text(), d.lblLosses->text(), d.lblTeams->text()};
}

class OpenDeleteTest : public ShownShellTest {
 protected:
  // Picks year and file in File > Open or File > Delete as the user would, and clicks Ok.
  template <class Dialog>
  void confirmIn(const char* year, const char* file) {
    auto& d = app.forms().show<Dialog>();
    pick(d.Dir1, year);
    pick(d.File1, file);
    QTest::mouseClick(d.OkButton, Qt::LeftButton);
  }
  void openGame(const char* year, const char* file) { confirmIn<DialogOpenGame>(year, file); }
  void deleteGame(const char* year, const char* file, Answer answer) {
    prompter.answer(answer);
    confirmIn<DialogDeleteGame>(year, file);
  }
  QString handedOver(const fs::path& file) const { return QString::fromStdString(handOverPath(file)); }
};

TEST_F(OpenDeleteTest, OpenShowsTheSeasonOfThePickedYearAndHandsTheChosenGameOver) {
  writeGame(root, "YardMark/games/2007/Game1.mdb", Result::Won, "Eagles", "Hawks");
  writeGame(root, "YardMark/games/2007/Game2.mdb", Result::Lost);
  writeDamaged(root, "YardMark/games/2007/Game4.mdb", Damage::ZeroBytes);
  root.writeFile("YardMark/games/2007/notes.txt", "not a game");
  fs::create_directories(root.games() / "2008");
  auto& d = app.forms().show<DialogOpenGame>();
  EXPECT_EQ(itemTexts(d.Dir1), (QStringList{"2007", "2008"}));
  EXPECT_FALSE(d.lblErrors->isVisibleTo(&d) || d.lblUnreadable->isVisibleTo(&d));

  // The files no one can read count as played; the games whose quarters do not add up are named.
  pick(d.Dir1, "2007");
  EXPECT_EQ(itemTexts(d.File1), (QStringList{"Game1.mdb", "Game2.mdb", "Game4.mdb"}));
  const QStringList season{"Games Played: 3", "Wins: 1", "Losses: 1", "Eagles Vs Hawks"};
  EXPECT_EQ(synopsis(d), season);
  EXPECT_TRUE(d.lblErrors->isVisibleTo(&d) && d.lblUnreadable->isVisibleTo(&d));
  EXPECT_EQ(d.lblErrors->text(), "Games with errors: 2");
  EXPECT_EQ(d.lblErrors->toolTip(), "Game1.mdb\nGame2.mdb");
  EXPECT_EQ(d.lblUnreadable->text(), "Unreadable Files: 1");

  // An empty year, picked with the keys: no files, the labels as they were, nothing to open.
  QTest::keyClick(d.Dir1, Qt::Key_Down);
  EXPECT_EQ(d.File1->count(), 0);
  EXPECT_EQ(synopsis(d), season);
  prompter.answer(Answer::Ok);
  QTest::mouseClick(d.OkButton, Qt::LeftButton);
  EXPECT_EQ(prompter.texts(), QStringList{"Please select the game."});
  EXPECT_EQ(app.forms().find<frmNewGame>(), nullptr);

  openGame("2007", "Game2.mdb");
  EXPECT_EQ(prompter.records().size(), 1u);
  EXPECT_EQ(app.vars().openGamePath, handedOver(root.games() / "2007" / "Game2.mdb"));
  EXPECT_TRUE(app.vars().gameOpenedFromFile);
  EXPECT_EQ(app.vars().currentGameNumber, 0);
  EXPECT_EQ(app.forms().find<DialogOpenGame>(), nullptr);
  EXPECT_NE(app.forms().find<frmNewGame>(), nullptr);
}

QString oldFileQuestion(const char* name) {
  return QString("The game file ") + name +
         " was kept by the earlier version of YardMark and must be converted before it can be opened. The original "
         "is kept beside the new file, under its name with .jet added.\n\nConvert it now?";
}

// An old game is converted on Yes into a copy of the template and opens in the entry form;
// refused or failing, it stays as it was and so does the dialog.
TEST_F(OpenDeleteTest, AnOldGameIsConvertedOnYesOrLeftAsItWas) {
  {
    Recordset rushing = Database(root.databases() / "yardMark_master.mdb").openRecordset("select * from rushing");
    rushing.addNew();
    for (int i = 1; i <= 4; ++i) rushing.setField(i, Value(i == 2 ? 2 : i == 1 ? 1 : 0));
    rushing.setField(5, Value("From Template"));
    rushing.update();
  }
  const fs::path game = root.games() / "2007" / "Game4.mdb";
  const QString failed = "The game file " + QString::fromStdString(game.string()) +
                         " could not be converted: it is damaged (the reader stopped on it). It is left as it was.";
  const struct {
    const char* fixtureName;
    Answer answer;
    bool opens;
  } cases[] = {{"game_legacy.mdb", Answer::No, false},
               {"contacts_crash_m58.mdb", Answer::Yes, false},
               {"game_legacy.mdb", Answer::Yes, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fixtureName);
    const std::string bytes = readBytes(fixture(c.fixtureName));
    root.writeFile("YardMark/games/2007/Game4.mdb", bytes);
    prompter.clear();
    prompter.answer(c.answer);
    const bool fails = c.answer == Answer::Yes && !c.opens;
    if (fails) prompter.answer(Answer::Ok);
    openGame("2007", "Game4.mdb");

    EXPECT_EQ(prompter.texts(),
              QStringList{oldFileQuestion("Game4.mdb")} + (fails ? QStringList{failed} : QStringList{}));
    EXPECT_EQ(prompter.records()[0].buttons, Buttons::YesNo);
    EXPECT_EQ(prompter.records().back().icon, fails ? Icon::Exclamation : Icon::Question);
    EXPECT_EQ(readBytes(game.string() + (c.opens ? ".jet" : "")), bytes) << "the original is kept";
    EXPECT_EQ(std::distance(fs::directory_iterator(game.parent_path()), fs::directory_iterator()), c.opens ? 2 : 1)
        << "no .jet copy and no half-written file unless converted";
    EXPECT_EQ(app.forms().find<DialogOpenGame>() == nullptr, c.opens);
  }
  EXPECT_EQ(rowCount(game, "rushing"), 4) << "the template's row and the game's three";
  const frmNewGame* entry = app.forms().find<frmNewGame>();
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(app.vars().openGamePath, handedOver(game));
  EXPECT_EQ(entry->txtOppTeamName->text(), "Hawks") << "the converted game is shown";
}

// Files the screen cannot tell apart, a twin in letter case (copied from another computer) and a
// name that is not valid UTF-8, are deleted as picked, never the twin.
TEST_F(OpenDeleteTest, DeleteAsksFirstOnlyYesDeletesAndAFailureGivesTheSystemsReason) {
  const fs::path game = writeGame(root, "YardMark/games/2007/Game1.mdb", Result::Won);
  const fs::path twin = writeGame(root, "YardMark/games/2007/game1.mdb", Result::Won);
  const fs::path odd = writeGame(root, "YardMark/games/2007/Game\xff.mdb", Result::Won);
  auto& d = app.forms().show<DialogDeleteGame>();
  prompter.answer(Answer::Ok);
  QTest::mouseClick(d.OkButton, Qt::LeftButton);
  EXPECT_EQ(prompter.texts(), QStringList{"Please select the game to delete."});
  prompter.clear();

  deleteGame("2007", "Game1.mdb", Answer::No);
  EXPECT_EQ(prompter.records().at(0).buttons, Buttons::YesNo);
  EXPECT_TRUE(fs::exists(game));
  // A folder in its place by the time Yes is clicked: the system's reason, and the dialog stays.
  fs::remove(game);
  fs::create_directories(game);
  prompter.answer(Answer::Yes).answer(Answer::Ok);
  QTest::mouseClick(d.OkButton, Qt::LeftButton);
  EXPECT_EQ(prompter.texts(), (QStringList{kSure, kSure, "Error! Is a directory.  Please try again"}));
  EXPECT_EQ(app.forms().find<DialogDeleteGame>(), &d);
  fs::remove(game);
  writeGame(root, "YardMark/games/2007/Game1.mdb", Result::Won);
  prompter.clear();

  deleteGame("2007", "Game1.mdb", Answer::Yes);
  EXPECT_EQ(prompter.texts(), QStringList{kSure});
  EXPECT_FALSE(fs::exists(game));
  EXPECT_TRUE(fs::exists(twin));
  EXPECT_EQ(app.vars().openGamePath, handedOver(game));
  EXPECT_EQ(app.vars().currentGameYear, "0");
  EXPECT_EQ(app.forms().find<DialogDeleteGame>(), nullptr);
  deleteGame("2007", "Game\xff.mdb", Answer::Yes);
  EXPECT_FALSE(fs::exists(odd));
  EXPECT_TRUE(fs::exists(twin));
}

// The entry form holds one game: opening it again keeps the form, another replaces it, and the
// held game cannot be deleted.
TEST_F(OpenDeleteTest, TheGameInTheEntryFormIsKeptOnlyAnotherReplacesItAndItCannotBeDeleted) {
  writeGame(root, "YardMark/games/2007/Game1.mdb", Result::Won);
  const fs::path second = writeGame(root, "YardMark/games/2007/Game2.mdb", Result::Lost);
  writeGame(root, "YardMark/games/2007/game2.mdb", Result::Won);  // a twin in letter case, never opened
  openGame("2007", "Game1.mdb");
  const QPointer<frmNewGame> entry = app.forms().find<frmNewGame>();
  openGame("2007", "Game1.mdb");
  flushDeletes();
  EXPECT_EQ(app.forms().find<frmNewGame>(), entry.data());

  openGame("2007", "Game2.mdb");
  flushDeletes();
  EXPECT_TRUE(entry.isNull());
  const QPointer<frmNewGame> holder = app.forms().find<frmNewGame>();
  EXPECT_EQ(holder->gameFilePath(), second);
  EXPECT_EQ(app.vars().openGamePath, handedOver(second));

  deleteGame("2007", "Game2.mdb", Answer::Ok);
  EXPECT_EQ(prompter.texts(),
            QStringList{"This game is open in the game entry form.  Close the entry form before you delete the game."});
  EXPECT_TRUE(fs::exists(second));
  EXPECT_EQ(app.forms().find<frmNewGame>(), holder.data());
}

}  // namespace
}  // namespace yardmark::test
