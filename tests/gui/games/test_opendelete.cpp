// File > New, File > Open with its season synopsis and File > Delete: the year list and the
// number suggested, the checks in order, the failures of the year folder and the template copy;
// the shared folder and file lists, the counts, the path handed over in lower case, the
// question, the failures, and the game that the entry form holds. And the start-up question
// about the earlier version's files: asked only when old files are there, No changes nothing,
// Yes converts and tells the summary.
#include <sys/resource.h>

#include <QComboBox>
#include <QDate>
#include <algorithm>
#include <csignal>

#include "core/games/GameFolder.h"
#include "core/jet/JetFile.h"
#include "gui/entry/frmNewGame.h"
#include "gui/games/ConvertOldFiles.h"
#include "gui/games/DialogDeleteGame.h"
#include "gui/games/DialogNewGame.h"
#include "gui/games/DialogOpenGame.h"
#include "support/GameFiles.h"
#include "support/ReportsTestKit.h"
#include "support/StopWhileHanging.h"

namespace yardmark::test {
namespace {

namespace fs = std::filesystem;

const QString kSure = "Are you sure you want to delete this file?";

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
  writeGame(root, "YardMark/games/2007/Game3.mdb", Result::NoHeader);  // played, neither won nor lost
  writeDamaged(root, "YardMark/games/2007/Game4.mdb", Damage::ZeroBytes);
  writeDamaged(root, "YardMark/games/2007/Game5.mdb", Damage::JetFile);  // told how to convert it
  root.writeFile("YardMark/games/2007/notes.txt", "not a game");
  fs::create_directories(root.games() / "2008");
  auto& d = app.forms().show<DialogOpenGame>();
  expectReference(formState(&d, root.dir()), "games/open.txt");

  // The files no one can read count as played; the games whose quarters do not add up are named.
  pick(d.Dir1, "2007");
  expectReference(formState(&d, root.dir()), "games/open_2007.txt");

  // An empty year, picked with the keys: no files, the labels as they were, nothing to open.
  QTest::keyClick(d.Dir1, Qt::Key_Down);
  expectReference(formState(&d, root.dir()), "games/open_2008.txt");
  prompter.answer(Answer::Ok);
  QTest::mouseClick(d.OkButton, Qt::LeftButton);
  EXPECT_EQ(prompter.texts(), QStringList{"Please select the game."});
  EXPECT_EQ(app.forms().find<frmNewGame>(), nullptr);

  openGame("2007", "Game2.mdb");
  EXPECT_EQ(prompter.records().size(), 1u);
  EXPECT_EQ(app.vars().openGamePath, handedOver(root.games() / "2007" / "Game2.mdb"));
  EXPECT_EQ(std::pair(app.vars().gameOpenedFromFile, app.vars().currentGameNumber), std::pair(true, 0.0));
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
    prompter.clear().answer(c.answer);
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
  EXPECT_EQ(std::pair(prompter.records().at(0).buttons, fs::exists(game)), std::pair(Buttons::YesNo, true));
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
  EXPECT_EQ(std::pair(fs::exists(game), fs::exists(twin)), std::pair(false, true));
  EXPECT_EQ(std::tuple(app.vars().openGamePath, app.vars().currentGameYear, app.forms().find<DialogDeleteGame>()),
            std::tuple(handedOver(game), "0", nullptr));
  deleteGame("2007", "Game\xff.mdb", Answer::Yes);
  EXPECT_EQ(std::pair(fs::exists(odd), fs::exists(twin)), std::pair(false, true));
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
  EXPECT_EQ(std::pair(holder->gameFilePath(), app.vars().openGamePath), std::pair(second, handedOver(second)));

  deleteGame("2007", "Game2.mdb", Answer::Ok);
  EXPECT_EQ(prompter.texts(),
            QStringList{"This game is open in the game entry form.  Close the entry form before you delete the game."});
  EXPECT_EQ(std::pair(fs::exists(second), app.forms().find<frmNewGame>()), std::pair(true, holder.data()));
}

const QString kEnterBoth = "Please enter the Game Year & Game Number";

// Writes beyond a few bytes fail as on a full disk (EFBIG instead of the signal).
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &m_old);
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, m_old.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &m_old);
    std::signal(SIGXFSZ, SIG_DFL);
  }

 private:
  rlimit m_old{};
};

// The game dialogs share their Escape: it cancels the dialog, but not from another form.
TEST_F(ShownShellTest, EscapeCancelsAGameDialogButNotWhenPressedInAnotherForm) {
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  window->fmDeleteGameStat->trigger();
  Form* form = app.forms().current();
  ASSERT_NE(form, nullptr);
  QTest::keyClick(&app.forms().show<FormA>(), Qt::Key_Escape);
  ASSERT_EQ(std::ranges::count(app.forms().loaded(), form), 1);
  app.forms().showForm(*form);
  QTest::keyClick(form->focusWidget() ? form->focusWidget() : form, Qt::Key_Escape);
  EXPECT_EQ(std::ranges::count(app.forms().loaded(), form), 0);
  auto& open = app.forms().show<DialogOpenGame>();
  QTest::mouseClick(open.CancelButton, Qt::LeftButton);  // and Cancel as the mouse gives it
  EXPECT_EQ(app.forms().find<DialogOpenGame>(), nullptr);
}

// The years listed once and the next number of the year suggested; refusals come before any file
// is touched; a year folder or copy that fails is named with the system's reason and leaves no
// part of a game.
TEST_F(ShownShellTest, NewGameSuggestsTheNextNumberAndRefusesOrFailsWithItsMessageAndTheDialogStays) {
  for (const char* file : {"2005/Game2.mdb", "2006/game4.MDB", "2006/Game19.mdb", "2006/Game20.txt", "Game7.mdb"})
    root.writeFile("YardMark/games/" + std::string(file), "x");
  auto& d = app.forms().show<DialogNewGame>();
  EXPECT_EQ(itemTexts(d.File1), QStringList{"Game7.mdb"});  // the games folder's own, no year picked
  EXPECT_EQ(d.cmbYear->count(), QDate::currentDate().year() - 1989);
  EXPECT_EQ(d.cmbYear->currentText(), QString::number(QDate::currentDate().year()));
  EXPECT_EQ(d.txtGameNumber->text(), "1");
  d.cmbYear->setCurrentText("2006");
  EXPECT_EQ(d.txtGameNumber->text(), "20");
  d.cmbYear->setCurrentText("20");
  QTest::keyClicks(d.cmbYear->lineEdit(), "x05");  // no letters in a year
  d.txtGameNumber->setText("2");
  prompter.answer(Answer::Cancel);
  QTest::mouseClick(d.OKButton, Qt::LeftButton);
  EXPECT_EQ(prompter.texts(), QStringList{"Game 2 of 2005 already exists; it will be opened."});
  prompter.clear();  // Cancel stays in the dialog, checked below

  root.writeFile("YardMark/games/2008", "a file where the year folder belongs");
  const fs::path game = root.games() / "2007" / "Game3.mdb";
  const struct {
    const char* year;
    const char* number;
    rlim_t sizeLimit;
    std::string message;
  } cases[] = {
      // clang-format off
      {"", "3", RLIM_INFINITY, kEnterBoth.toStdString()},
      {"2007", "", RLIM_INFINITY, kEnterBoth.toStdString()},
      {"207", "", RLIM_INFINITY, kEnterBoth.toStdString()},
      {"207", "3", RLIM_INFINITY, "Illegal Game Year"},
      {"2008", "3", RLIM_INFINITY, "The year folder \"" + (root.games() / "2008").string() + "\" cannot be made: Not a directory."},
      {"2007", "3", 512, "The game file \"" + game.string() + "\" cannot be made: File too large."},
      {"2007", "3", 0, "The master database is not found. System is unable to create new game stats."},
      // clang-format on
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.year) + "/" + c.number);
    if (c.sizeLimit == 0) fs::remove(root.databases() / "yardMark_master.mdb");
    d.cmbYear->setCurrentText(c.year);
    d.txtGameNumber->setText(c.number);
    prompter.answer(Answer::Ok);
    {
      FileSizeLimit limit(c.sizeLimit == 0 ? RLIM_INFINITY : c.sizeLimit);
      QTest::mouseClick(d.OKButton, Qt::LeftButton);
    }
    EXPECT_EQ(prompter.texts(), QStringList{QString::fromStdString(c.message)});
    EXPECT_EQ(std::tuple(app.forms().find<DialogNewGame>(), d.txtGameNumber->text(), app.forms().find<frmNewGame>()),
              std::tuple(&d, c.number, nullptr));
    prompter.clear();
  }
  EXPECT_TRUE(fs::is_empty(game.parent_path())) << "no game and no part of one under any name";
}

struct Creation {
  const char* year;
  const char* number;
  const char* file;  // below the games folder
  double gameNumber;
  bool exists;                 // a game of that name is there already
  Qt::Key confirm;             // pressed in the number box; 0: OK clicked
  const char* twin = nullptr;  // another game whose name differs only in letter case
};

class NewGameCreation : public ShownShellTest, public testing::WithParamInterface<Creation> {};

TEST_P(NewGameCreation, MakesTheGameFileOrOpensTheOneThereAndHandsItToTheEntryForm) {
  const Creation& c = GetParam();
  const fs::path game = root.games() / c.file;
  const std::string before =
      c.exists ? readBytes(writeGame(root, "YardMark/games/" + std::string(c.file), Result::Won)) : std::string();
  if (!c.exists) {  // left by a copy cut short
    const fs::path part =
        game.parent_path() / std::string(1, '.').append(game.filename().string()).append(".Ab12Cd.part");
    root.writeFile(part.lexically_relative(root.dir()).string(), "left by a copy cut short");
    fs::last_write_time(part, fs::file_time_type::clock::now() - std::chrono::minutes(2));
  }
  if (c.twin) writeGame(root, "YardMark/games/" + std::string(c.twin), Result::Lost);
  auto& d = app.forms().show<DialogNewGame>();
  d.cmbYear->setCurrentText(c.year);
  d.txtGameNumber->setText(c.number);
  if (c.exists) prompter.answer(Answer::Ok);
  if (c.confirm)
    QTest::keyClick(d.txtGameNumber, c.confirm);
  else
    QTest::mouseClick(d.OKButton, Qt::LeftButton);

  EXPECT_EQ(prompter.records().size(), c.exists ? 1u : 0u);
  EXPECT_EQ(readBytes(game), c.exists ? before : readBytes(root.databases() / "yardMark_master.mdb"));
  EXPECT_EQ(std::distance(fs::directory_iterator(game.parent_path()), fs::directory_iterator()), c.twin ? 2 : 1)
      << "nothing but the game";
  EXPECT_EQ(app.vars().currentGameYear, QString::fromStdString(fs::path(c.file).parent_path().string()));
  EXPECT_EQ(app.vars().currentGameNumber, c.gameNumber);
  ASSERT_NE(app.forms().find<frmNewGame>(), nullptr);
  EXPECT_EQ(app.forms().find<frmNewGame>()->gameFilePath(), game) << "the file the dialog named, not its twin";
  EXPECT_EQ(app.forms().current(), app.forms().find<frmNewGame>());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Games, NewGameCreation,
                         testing::Values(Creation{"2007", "3", "2007/Game3.mdb", 3, false, Qt::Key(0)},
                                         Creation{"2007", "03", "2007/Game3.mdb", 3, false, Qt::Key_Return},
                                         Creation{"20071", "0", "20071/Game0.mdb", 0, false, Qt::Key_Enter},
                                         Creation{"2007", "3", "2007/Game3.mdb", 3, true, Qt::Key(0)},
                                         Creation{"2007", "3", "2007/Game3.mdb", 3, true, Qt::Key(0), "2007/game3.mdb"}));
// clang-format on

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

  prompter.clear().answer(Answer::Yes).answer(Answer::Ok);
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
