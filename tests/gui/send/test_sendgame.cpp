// File > Send Game..., driven as the coach drives it: a game picked, the stat file refused until
// every player has his number, then saved, and the box score copied for the newspaper.
#include <SQLiteCpp/SQLiteCpp.h>

#include <QClipboard>
#include <QGroupBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSettings>
#include <QTabWidget>

#include "core/export/MaxPreps.h"
#include "core/export/NewspaperBox.h"
#include "gui/entry/frmNewGame.h"
#include "gui/roster/frmRoster.h"
#include "gui/send/DialogSendGame.h"
#include "support/GameFiles.h"
#include "support/ReportsTestKit.h"
#include "support/RosterFixture.h"

namespace yardmark::test {
namespace {

namespace fs = std::filesystem;

class SendGameTest : public RosterFixture {
 protected:
  void SetUp() override {
    RosterFixture::SetUp();
    // The supplier ID is kept in the settings: the test's own, not the user's.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString((root.dir() / "config").string()));
  }
};

TEST_F(SendGameTest, APickedGameIsRefusedUntilNumberedThenSavedAndCopied) {
  addRows(app.tree().rosterDatabase(), "roster", {{"Carter", "Ray", "J", ""}});
  const fs::path file = makeGame(root, "YardMark/games/2026/Game1.mdb",
                                 {.header = {headerRow("Eagles", "Hawks", 2026, 1, true)},
                                  .quarter = {{0, 7, 0, 7, 0, 0, 0, 0, 0, 14}},
                                  .rushing = {{18, 96, 2, 0, "Carter Ray J"}}});
  window->findChild<QAction*>("fmSendGame")->trigger();
  auto* d = app.forms().find<DialogSendGame>();
  ASSERT_NE(d, nullptr);
  expectReference(formState(d, root.dir()), "send/opened.txt");
  root.writeFile("YardMark/games/2026/Game2.mdb", "not a game");
  pick(d->Dir1, "2026");
  prompter.answer(Answer::Ok);
  pick(d->File1, "Game2.mdb");
  EXPECT_TRUE(prompter.texts().value(0).startsWith("The game could not be read."))
      << prompter.texts().value(0).toStdString();
  EXPECT_FALSE(d->cmdCopy->isEnabled() || d->cmdSaveMaxPreps->isEnabled());
  prompter.clear();
  pick(d->File1, "Game1.mdb");

  expectReference(formState(d, root.dir()), "send/unnumbered.txt");
  test::click(d->cmdOpenRoster);
  ASSERT_NE(app.forms().find<frmRoster>(), nullptr);
  EXPECT_TRUE(app.forms().find<frmRoster>()->isVisible());
  SQLite::Database(app.tree().rosterDatabase().string(), SQLite::OPEN_READWRITE)
      .exec("update roster set rosterNumber = '22'");
  app.forms().showForm(*d);  // back from the roster
  expectReference(formState(d, root.dir()), "send/numbered.txt");

  const std::string id(32, 'A');
  QTest::keyClicks(d->txtSupplierID, QString::fromStdString(id));
  const fs::path saved = root.dir() / "sent.txt";
  d->pickFile = [](QWidget*, const FileQuestion&) { return QString(); };  // Cancel in the file dialog: nothing
  test::click(d->cmdSaveMaxPreps);
  QString suggested;
  d->pickFile = [&](QWidget*, const FileQuestion& q) {
    suggested = q.start;
    return QString::fromStdString(saved.string());
  };
  test::click(d->cmdSaveMaxPreps);
  const std::vector<RosterPlayer> roster = readRoster(app.tree().rosterDatabase());
  EXPECT_EQ(readBytes(saved), maxPrepsFile(readGame(file), roster, id));
  EXPECT_TRUE(suggested.endsWith("/2026_Game1_MaxPreps.txt")) << suggested.toStdString();
  EXPECT_EQ(QSettings().value("MaxPreps/StatSupplierID").toString().toStdString(), id);

  d->tabSend->setCurrentIndex(1);
  test::click(d->cmdCopy);
  const BoxScore box = boxScore(readGame(file), roster);
  const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
  EXPECT_EQ(std::tuple(copied->text().toStdString(), copied->html().toStdString(), prompter.records().size()),
            std::tuple(boxText(box), boxHtml(box), 0u));
  test::click(d->cmdClose);
  EXPECT_EQ(app.forms().find<DialogSendGame>(), nullptr);
}

// With the entry form in front, its game is the one sent: no list to pick from.
TEST_F(SendGameTest, TheEntryFormsGameIsSentWithoutAPick) {
  writeGame(root, "YardMark/games/2007/Game3.mdb", Result::Won);
  writeGame(root, "YardMark/games/2007/Game4.mdb", Result::Lost);
  app.vars().currentGameYear = "2007";
  app.vars().currentGameNumber = 3;
  app.forms().show<frmNewGame>();
  ASSERT_TRUE(app.vars().gameFormActive());
  window->findChild<QAction*>("fmSendGame")->trigger();
  auto* d = app.forms().find<DialogSendGame>();
  ASSERT_NE(d, nullptr);
  expectReference(formState(d, root.dir()), "send/entry_game.txt");
  EXPECT_TRUE(prompter.records().empty());
}

}  // namespace
}  // namespace yardmark::test
