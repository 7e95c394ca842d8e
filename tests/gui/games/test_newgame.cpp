// File > New: the year list, the key filters, the checks in order, the year folder and the
// template copy (and their failures), and the hand-over to the entry form.
#include <sys/resource.h>

#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QLabel>
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

TEST_F(GamesTest, FileCommandsShowTheirDialogsLiftedAboveTheMainWindowsCentre) {
  const struct {
    QAction* item;
    const char* name;
    const char* caption;
  } cases[] = {{window->mfNew, "DialogNewGame", "Create New Game"},
               {window->fmEditGameStat, "DialogOpenGame", "Open Game"},
               {window->fmDeleteGameStat, "DialogDeleteGame", "Delete Game"}};
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(c.item->isEnabled());
    c.item->trigger();
    Form* form = app.forms().current();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->objectName(), c.name);
    EXPECT_EQ(form->windowTitle(), c.caption);
    const QMdiSubWindow* s = sub(*form);
    EXPECT_NEAR(s->x(), (window->width() - s->width()) / 2, 1);
    EXPECT_NEAR(s->y(), (window->height() - s->height()) / 2 - 32, 1);
    QTest::keyClick(form->focusWidget() ? form->focusWidget() : form, Qt::Key_Escape);
    EXPECT_EQ(app.forms().current(), nullptr) << "Escape cancels the dialog";
  }
}

TEST_F(GamesTest, NewGameStartsOnThisYearAndGameOneWithTheYearsFilledOnce) {
  auto& d = app.forms().show<DialogNewGame>();
  const int thisYear = QDate::currentDate().year();
  ASSERT_EQ(d.cmbYear->count(), thisYear - 1989);
  EXPECT_EQ(d.cmbYear->itemText(0), "1990");
  EXPECT_EQ(d.cmbYear->itemText(d.cmbYear->count() - 1), QString::number(thisYear));
  EXPECT_EQ(d.cmbYear->currentText(), QString::number(thisYear));
  EXPECT_EQ(d.txtGameNumber->text(), "1");

  EXPECT_EQ(d.Frame1->title(), "Game");
  EXPECT_EQ(d.Frame2->title(), "CURRENT YardMark Game Files");
  EXPECT_EQ(d.lable1->text(), "Be careful not to overwrite your game files");
  EXPECT_EQ(d.OKButton->text(), "OK");
  EXPECT_TRUE(d.OKButton->isDefault());
  EXPECT_EQ(d.CancelButton->text(), "Cancel");
  const std::pair<QLabel*, QWidget*> buddies[] = {
      {d.Label3, d.cmbYear}, {d.Label4, d.txtGameNumber}, {d.Label1, d.Dir1}};
  const char* captions[] = {"Year", "Number", "Path"};
  for (size_t i = 0; i < std::size(buddies); ++i) {
    EXPECT_EQ(buddies[i].first->text(), captions[i]);
    EXPECT_EQ(buddies[i].first->buddy(), buddies[i].second) << captions[i];
  }
  EXPECT_EQ(tabOrderFrom(d.cmbYear, 5), (QStringList{"txtGameNumber", "Dir1", "File1", "OKButton", "CancelButton"}));

  // Coming back to the dialog from another form does not add the years again.
  app.forms().show<FormA>();
  app.forms().show<DialogNewGame>();
  EXPECT_EQ(d.cmbYear->count(), thisYear - 1989);
}

TEST_F(GamesTest, NewGameBoxesTakeOnlyDigitsAsTyped) {
  auto& d = app.forms().show<DialogNewGame>();
  d.cmbYear->setCurrentText("");
  QTest::keyClicks(d.cmbYear, "2x0-0 7");
  EXPECT_EQ(d.cmbYear->currentText(), "2007");
  QTest::keyClick(d.cmbYear, Qt::Key_Backspace);
  EXPECT_EQ(d.cmbYear->currentText(), "200");
  d.txtGameNumber->clear();
  QTest::keyClicks(d.txtGameNumber, "1a2.345678");
  EXPECT_EQ(d.txtGameNumber->text(), "12345678") << "no length limit in this dialog";
  QTest::keyClick(d.txtGameNumber, Qt::Key_Backspace);
  EXPECT_EQ(d.txtGameNumber->text(), "1234567");
  EXPECT_EQ(d.cmbYear->count(), QDate::currentDate().year() - 1989) << "typing adds no year to the list";
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
  const fs::path master = root.databases() / "yardMark_master.mdb";
  const std::string masterBytes = readBytes(master);
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.year) + "/" + c.number);
    if (c.noTemplate) fs::remove(master);
    d.cmbYear->setCurrentText(c.year);
    d.txtGameNumber->setText(c.number);
    prompter.answer(Answer::Ok);
    QTest::mouseClick(d.OKButton, Qt::LeftButton);
    EXPECT_EQ(prompter.texts(), QStringList{c.message});
    ASSERT_EQ(prompter.records().size(), 1u);
    EXPECT_EQ(prompter.records()[0].title, "YardMark");
    EXPECT_EQ(app.forms().find<DialogNewGame>(), &d);
    EXPECT_EQ(d.cmbYear->currentText(), c.year);
    EXPECT_EQ(d.txtGameNumber->text(), c.number);
    EXPECT_FALSE(fs::exists(root.games() / "2007"));
    EXPECT_EQ(app.forms().find<frmNewGame>(), nullptr);
    EXPECT_TRUE(app.vars().currentGameYear.isEmpty());
    prompter.clear();
  }
  root.writeFile("YardMark/databases/yardMark_master.mdb", masterBytes);
}

struct Creation {
  const char* year;
  const char* number;
  const char* file;  // below the games folder
  double gameNumber;
  bool exists;  // a game of that name is there already
  enum Confirm { Click, EnterInYear, EnterInNumber } confirm;
};

void PrintTo(const Creation& c, std::ostream* os) { *os << c.year << "/" << c.number; }

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
  switch (c.confirm) {
    case Creation::Click:
      QTest::mouseClick(d.OKButton, Qt::LeftButton);
      break;
    case Creation::EnterInYear:
      QTest::keyClick(d.cmbYear, Qt::Key_Return);
      break;
    case Creation::EnterInNumber:
      QTest::keyClick(d.txtGameNumber, Qt::Key_Return);
      break;
  }

  const QString asked = QString("Game %1 of %2 already exists; it will be opened.").arg(c.gameNumber).arg(c.year);
  EXPECT_EQ(prompter.texts(), c.exists ? QStringList{asked} : QStringList{});
  if (c.exists) {
    EXPECT_EQ(prompter.records().at(0).buttons, Buttons::OkCancel);
  }
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
                         testing::Values(Creation{"2007", "3", "2007/Game3.mdb", 3, false, Creation::Click},
                                         Creation{"2007", "03", "2007/Game3.mdb", 3, false, Creation::EnterInNumber},
                                         Creation{"2007", "0", "2007/Game0.mdb", 0, false, Creation::EnterInYear},
                                         Creation{"20071", "2", "20071/Game2.mdb", 2, false, Creation::Click},
                                         Creation{"2007", "3", "2007/Game3.mdb", 3, true, Creation::Click}),
                         [](const testing::TestParamInfo<Creation>& info) {
                           const Creation& c = info.param;
                           return std::string("Year") + c.year + "Number" + c.number + (c.exists ? "Existing" : "") +
                                  (c.confirm == Creation::Click ? "" : "ByEnter");
                         });

TEST_F(GamesTest, NewGameSuggestsTheNextNumberOfTheYearAndAsksBeforeOpeningOneThere) {
  for (const char* file : {"2005/Game1.mdb", "2005/Game2.mdb", "2005/Game3.mdb", "2006/game4.MDB",
                           "2006/Game12.mdb", "2006/Notes.mdb", "2006/Game20.txt"})
    root.writeFile("YardMark/games/" + std::string(file), "x");
  auto& d = app.forms().show<DialogNewGame>();
  // An empty or missing year starts at 1; a sparse one goes past its highest; a full one after its last.
  const std::pair<const char*, const char*> cases[] = {{"2004", "1"}, {"2006", "13"}, {"2005", "4"}, {"1999", "1"}};
  for (const auto& [year, next] : cases) {
    d.cmbYear->setCurrentText(year);
    EXPECT_EQ(d.txtGameNumber->text(), next) << year;
  }

  d.cmbYear->setCurrentText("2005");
  d.txtGameNumber->setText("2");
  prompter.answer(Answer::Cancel);
  QTest::mouseClick(d.OKButton, Qt::LeftButton);
  EXPECT_EQ(prompter.texts(), QStringList{"Game 2 of 2005 already exists; it will be opened."});
  EXPECT_EQ(app.forms().find<DialogNewGame>(), &d) << "Cancel stays in the dialog";
  EXPECT_EQ(app.forms().find<frmNewGame>(), nullptr);
  EXPECT_EQ(readBytes(root.games() / "2005" / "Game2.mdb"), "x");
}

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
    EXPECT_TRUE(app.vars().currentGameYear.isEmpty());
    prompter.clear();
  }
  EXPECT_TRUE(fs::is_empty(game.parent_path())) << "no game and no part of one under any name";
}

}  // namespace
}  // namespace yardmark::test
