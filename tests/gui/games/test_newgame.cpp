// File > New: the year list, the key filters, the checks in order, the year folder and the
// template copy (and their failures), and the hand-over to the entry form.
#include <sys/resource.h>

#include <QComboBox>
#include <QDate>
#include <QLineEdit>
#include <QPushButton>
#include <csignal>

#include "GamesFixture.h"
#include "gui/entry/frmNewGame.h"
#include "gui/games/DialogDeleteGame.h"
#include "gui/games/DialogNewGame.h"
#include "gui/games/DialogOpenGame.h"

namespace yardmark::test {
namespace {

namespace fs = std::filesystem;

const QString kEnterBoth = "Please enter the Game Year & Game Number";
const int kYears = QDate::currentDate().year() - 1989;

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

Form* loadedNamed(App& app, const QString& name) {
  for (Form* f : app.forms().loaded())
    if (f->objectName() == name) return f;
  return nullptr;
}

TEST_F(GamesTest, FileCommandsShowTheirDialogsLiftedAboveTheCentreAndEscapeCancelsOnlyThere) {
  const std::pair<QAction*, const char*> cases[] = {{window->mfNew, "DialogNewGame"},
                                                    {window->fmEditGameStat, "DialogOpenGame"},
                                                    {window->fmDeleteGameStat, "DialogDeleteGame"}};
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  for (const auto& [item, name] : cases) {
    SCOPED_TRACE(name);
    item->trigger();
    Form* form = app.forms().current();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->objectName(), name);
    const QMdiSubWindow* s = sub(*form);
    EXPECT_NEAR(s->x(), (window->width() - s->width()) / 2, 1);
    EXPECT_NEAR(s->y(), (window->height() - s->height()) / 2 - 32, 1);
    // Escape in another form of the window leaves the dialog alone.
    QTest::keyClick(&app.forms().show<FormA>(), Qt::Key_Escape);
    ASSERT_EQ(loadedNamed(app, name), form);
    app.forms().showForm(*form);
    QTest::keyClick(form->focusWidget() ? form->focusWidget() : form, Qt::Key_Escape);
    EXPECT_EQ(loadedNamed(app, name), nullptr) << "Escape cancels the dialog";
    flushDeletes();
  }
}

TEST_F(GamesTest, NewGameListsTheYearsOnceAndSuggestsTheNextNumberOfTheYear) {
  for (const char* file : {"2005/Game1.mdb", "2005/Game2.mdb", "2005/Game3.mdb", "2006/game4.MDB",
                           "2006/Game12.mdb", "2006/Notes.mdb", "2006/Game20.txt"})
    root.writeFile("YardMark/games/" + std::string(file), "x");
  auto& d = app.forms().show<DialogNewGame>();
  ASSERT_EQ(d.cmbYear->count(), kYears);
  EXPECT_EQ(d.cmbYear->itemText(0), "1990");
  EXPECT_EQ(d.cmbYear->currentText(), QString::number(QDate::currentDate().year()));
  EXPECT_EQ(d.cmbYear->itemText(kYears - 1), d.cmbYear->currentText());
  EXPECT_EQ(d.txtGameNumber->text(), "1");
  EXPECT_TRUE(d.OKButton->isDefault());
  QTest::keyClick(d.txtGameNumber, Qt::Key_Down);  // a key the box does not take confirms nothing
  EXPECT_EQ(app.forms().current(), &d);
  // Coming back to the dialog from another form does not add the years again.
  app.forms().show<FormA>();
  app.forms().show<DialogNewGame>();
  EXPECT_EQ(d.cmbYear->count(), kYears);

  // An empty or missing year starts at 1; a sparse one goes past its highest; a full one after its last.
  const std::pair<const char*, const char*> cases[] = {{"2004", "1"}, {"2006", "13"}, {"2005", "4"}, {"1999", "1"}};
  for (const auto& [year, next] : cases) {
    d.cmbYear->setCurrentText(year);
    EXPECT_EQ(d.txtGameNumber->text(), next) << year;
  }
  d.cmbYear->setCurrentText("");
  QTest::keyClicks(d.cmbYear, "2x0-0 5");
  EXPECT_EQ(d.cmbYear->currentText(), "2005") << "digits only";
  EXPECT_EQ(d.cmbYear->count(), kYears) << "typing adds no year to the list";

  d.txtGameNumber->setText("2");
  prompter.answer(Answer::Cancel);
  QTest::mouseClick(d.OKButton, Qt::LeftButton);
  EXPECT_EQ(prompter.texts(), QStringList{"Game 2 of 2005 already exists; it will be opened."});
  EXPECT_EQ(prompter.records().at(0).buttons, Buttons::OkCancel);
  EXPECT_EQ(app.forms().find<DialogNewGame>(), &d) << "Cancel stays in the dialog";
  EXPECT_EQ(app.forms().find<frmNewGame>(), nullptr);
  EXPECT_EQ(readBytes(root.games() / "2005" / "Game2.mdb"), "x");
}

TEST_F(GamesTest, NewGameChecksInOrderAndWritesNothingOnARefusal) {
  const struct {
    const char* year;
    const char* number;
    bool noTemplate;
    QString message;
  } cases[] = {
      {"", "3", false, kEnterBoth},
      {"2007", "", false, kEnterBoth},
      {"207", "", false, kEnterBoth},
      {"207", "3", false, "Illegal Game Year"},
      {"2007", "3", true, "The master database is not found. System is unable to create new game stats."},
  };
  auto& d = app.forms().show<DialogNewGame>();
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.year) + "/" + c.number);
    if (c.noTemplate) fs::remove(root.databases() / "yardMark_master.mdb");
    d.cmbYear->setCurrentText(c.year);
    d.txtGameNumber->setText(c.number);
    prompter.answer(Answer::Ok);
    QTest::mouseClick(d.OKButton, Qt::LeftButton);
    EXPECT_EQ(prompter.texts(), QStringList{c.message});
    EXPECT_EQ(app.forms().find<DialogNewGame>(), &d);
    EXPECT_EQ(d.cmbYear->currentText(), c.year);
    EXPECT_EQ(d.txtGameNumber->text(), c.number);
    EXPECT_FALSE(fs::exists(root.games() / "2007"));
    EXPECT_EQ(app.forms().find<frmNewGame>(), nullptr);
    EXPECT_TRUE(app.vars().currentGameYear.isEmpty());
    prompter.clear();
  }
}

struct Creation {
  const char* year;
  const char* number;
  const char* file;  // below the games folder
  double gameNumber;
  bool exists;  // a game of that name is there already
  Qt::Key confirm;  // pressed in the number box; 0: OK clicked
};

class NewGameCreation : public GamesTest, public testing::WithParamInterface<Creation> {};

TEST_P(NewGameCreation, MakesTheGameFileOrOpensTheOneThereAndHandsItToTheEntryForm) {
  const Creation& c = GetParam();
  const fs::path game = root.games() / c.file;
  const std::string before =
      c.exists ? readBytes(writeGame(root, "YardMark/games/" + std::string(c.file), Result::Won)) : std::string();
  auto& d = app.forms().show<DialogNewGame>();
  d.cmbYear->setCurrentText(c.year);
  d.txtGameNumber->setText(c.number);
  if (c.exists) prompter.answer(Answer::Ok);
  if (c.confirm)
    QTest::keyClick(d.txtGameNumber, c.confirm);
  else
    QTest::mouseClick(d.OKButton, Qt::LeftButton);

  EXPECT_EQ(prompter.records().size(), c.exists ? 1u : 0u);
  ASSERT_TRUE(fs::is_regular_file(game));
  EXPECT_EQ(readBytes(game), c.exists ? before : readBytes(root.databases() / "yardMark_master.mdb"));
  EXPECT_EQ(std::distance(fs::directory_iterator(game.parent_path()), fs::directory_iterator()), 1)
      << "nothing but the game";
  EXPECT_EQ(app.vars().currentGameYear, QString::fromStdString(fs::path(c.file).parent_path().string()));
  EXPECT_EQ(app.vars().currentGameNumber, c.gameNumber);
  EXPECT_FALSE(app.vars().gameOpenedFromFile);
  EXPECT_EQ(app.forms().find<DialogNewGame>(), nullptr);
  ASSERT_NE(app.forms().find<frmNewGame>(), nullptr);
  EXPECT_EQ(app.forms().current(), app.forms().find<frmNewGame>());
}

INSTANTIATE_TEST_SUITE_P(Games, NewGameCreation,
                         testing::Values(Creation{"2007", "3", "2007/Game3.mdb", 3, false, Qt::Key(0)},
                                         Creation{"2007", "03", "2007/Game3.mdb", 3, false, Qt::Key_Return},
                                         Creation{"20071", "0", "20071/Game0.mdb", 0, false, Qt::Key_Enter},
                                         Creation{"2007", "3", "2007/Game3.mdb", 3, true, Qt::Key(0)}));

TEST_F(GamesTest, AYearFolderOrCopyThatFailsIsNamedWithTheReasonAndTheDialogStays) {
  root.writeFile("YardMark/games/2008", "a file where the year folder belongs");
  const fs::path game = root.games() / "2007" / "Game3.mdb";
  const struct {
    const char* year;
    rlim_t sizeLimit;
    std::string message;
  } cases[] = {
      {"2008", RLIM_INFINITY,
       "The year folder \"" + (root.games() / "2008").string() + "\" cannot be made: Not a directory."},
      {"2007", 512, "The game file \"" + game.string() + "\" cannot be made: File too large."},
  };
  auto& d = app.forms().show<DialogNewGame>();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.year);
    d.cmbYear->setCurrentText(c.year);
    d.txtGameNumber->setText("3");
    prompter.answer(Answer::Ok);
    {
      FileSizeLimit limit(c.sizeLimit);
      QTest::mouseClick(d.OKButton, Qt::LeftButton);
    }
    EXPECT_EQ(prompter.texts(), QStringList{QString::fromStdString(c.message)});
    EXPECT_EQ(app.forms().find<DialogNewGame>(), &d);
    EXPECT_EQ(app.forms().find<frmNewGame>(), nullptr);
    prompter.clear();
  }
  EXPECT_TRUE(fs::is_empty(game.parent_path())) << "no game and no part of one under any name";
}

}  // namespace
}  // namespace yardmark::test
