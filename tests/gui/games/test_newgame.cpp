// File > New: the year list, the number suggested, the checks in order and the failures of the
// year folder and the template copy, and the hand-over to the entry form.
#include <sys/resource.h>

#include <QComboBox>
#include <QDate>
#include <algorithm>
#include <csignal>

#include "gui/entry/frmNewGame.h"
#include "gui/games/DialogNewGame.h"
#include "gui/games/DialogOpenGame.h"
#include "support/GameFiles.h"
#include "support/ReportsTestKit.h"

namespace yardmark::test {
namespace {

namespace fs = std::filesystem;

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

TEST_F(ShownShellTest, NewGameListsTheYearsOnceAndSuggestsTheNextNumberOfTheYear) {
  for (const char* file : {"2005/Game2.mdb", "2006/game4.MDB", "2006/Game19.mdb", "2006/Game20.txt", "Game7.mdb"})
    root.writeFile("YardMark/games/" + std::string(file), "x");
  auto& d = app.forms().show<DialogNewGame>();
  EXPECT_EQ(itemTexts(d.File1), QStringList{"Game7.mdb"});  // the games folder's own, no year picked
  const int years = QDate::currentDate().year() - 1989;
  EXPECT_EQ(d.cmbYear->count(), years);
  EXPECT_EQ(d.cmbYear->currentText(), QString::number(QDate::currentDate().year()));
  EXPECT_EQ(d.txtGameNumber->text(), "1");

  // The number follows the year's game files.
  d.cmbYear->setCurrentText("2006");
  EXPECT_EQ(d.txtGameNumber->text(), "20");
  d.cmbYear->setCurrentText("2005");
  d.txtGameNumber->setText("2");
  prompter.answer(Answer::Cancel);
  QTest::mouseClick(d.OKButton, Qt::LeftButton);
  EXPECT_EQ(prompter.texts(), QStringList{"Game 2 of 2005 already exists; it will be opened."});
  EXPECT_EQ(app.forms().find<DialogNewGame>(), &d) << "Cancel stays in the dialog";
  EXPECT_EQ(app.forms().find<frmNewGame>(), nullptr);
}

// Refusals come before any file is touched; a year folder or copy that fails is named with
// the system's reason and leaves no part of a game.
TEST_F(ShownShellTest, NewGameRefusesOrFailsWithItsMessageAndTheDialogStays) {
  root.writeFile("YardMark/games/2008", "a file where the year folder belongs");
  const fs::path game = root.games() / "2007" / "Game3.mdb";
  const struct {
    const char* year;
    const char* number;
    rlim_t sizeLimit;
    std::string message;
  } cases[] = {
      {"", "3", RLIM_INFINITY, kEnterBoth.toStdString()},
      {"2007", "", RLIM_INFINITY, kEnterBoth.toStdString()},
      {"207", "", RLIM_INFINITY, kEnterBoth.toStdString()},
      {"207", "3", RLIM_INFINITY, "Illegal Game Year"},
      {"2008", "3", RLIM_INFINITY,
       "The year folder \"" + (root.games() / "2008").string() + "\" cannot be made: Not a directory."},
      {"2007", "3", 512, "The game file \"" + game.string() + "\" cannot be made: File too large."},
      {"2007", "3", 0, "The master database is not found. System is unable to create new game stats."},
  };
  auto& d = app.forms().show<DialogNewGame>();
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
    EXPECT_EQ(app.forms().find<DialogNewGame>(), &d);
    EXPECT_EQ(d.txtGameNumber->text(), c.number);
    EXPECT_EQ(app.forms().find<frmNewGame>(), nullptr);
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

INSTANTIATE_TEST_SUITE_P(Games, NewGameCreation,
                         testing::Values(Creation{"2007", "3", "2007/Game3.mdb", 3, false, Qt::Key(0)},
                                         Creation{"2007", "03", "2007/Game3.mdb", 3, false, Qt::Key_Return},
                                         Creation{"20071", "0", "20071/Game0.mdb", 0, false, Qt::Key_Enter},
                                         Creation{"2007", "3", "2007/Game3.mdb", 3, true, Qt::Key(0)},
                                         Creation{"2007", "3", "2007/Game3.mdb", 3, true, Qt::Key(0),
                                                  "2007/game3.mdb"}));

}  // namespace
}  // namespace yardmark::test
