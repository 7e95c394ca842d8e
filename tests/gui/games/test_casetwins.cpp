// Game files whose names the screen cannot tell apart: two that differ only in letter case
// (copied from another computer), and one whose name is not valid UTF-8. The synopsis,
// File > Open and File > Delete act on the file picked, never on its twin.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "GamesFixture.h"
#include "gui/entry/frmNewGame.h"
#include "core/db/Database.h"
#include "core/db/Value.h"
#include "gui/games/DialogDeleteGame.h"
#include "gui/games/DialogOpenGame.h"
#include "core/games/GameFolder.h"

namespace yardmark::test {
namespace {

namespace fs = std::filesystem;

struct Twin {
  const char* name;
  const char* own;  // its home team, to tell the files apart by their rows
};
const Twin kUpper{"Game1.mdb", "Eagles"}, kLower{"game1.mdb", "Lions"};

class CaseTwinsTest : public GamesTest {
 protected:
  void writeTwins() {
    writeGame(root, std::string("YardMark/games/2007/") + kUpper.name, Result::Won, kUpper.own, "Hawks");
    writeGame(root, std::string("YardMark/games/2007/") + kLower.name, Result::Lost, kLower.own, "Bears");
  }
  fs::path file(const Twin& t) const { return root.games() / "2007" / t.name; }
  static std::string ownTeamIn(const fs::path& game) {
    Recordset header = Database(game, Database::Mode::ReadOnly).openRecordset("select * from header");
    header.moveFirst();
    return textOf(header.field(1));
  }
  template <class Dialog>
  Dialog& pickIn(const Twin& t) {
    auto& d = app.forms().show<Dialog>();
    pick(d.Dir1, "2007");
    pick(d.File1, t.name);
    return d;
  }
  void closeEntryForm() {
    if (frmNewGame* entry = app.forms().find<frmNewGame>()) entry->unload();
    flushDeletes();
  }
};

TEST_F(CaseTwinsTest, TheSynopsisCountsBothFiles) {
  writeTwins();
  auto& d = app.forms().show<DialogOpenGame>();
  pick(d.Dir1, "2007");
  EXPECT_EQ(rows(d.File1), (QStringList{kUpper.name, kLower.name}));
  EXPECT_EQ((QStringList{d.lblGamesPlayed->text(), d.lblWins->text(), d.lblLosses->text(), d.lblTeams->text()}),
            (QStringList{"Games Played: 2", "Wins: 1", "Losses: 1", "Eagles Vs Hawks"}));
}

TEST_F(CaseTwinsTest, OpenOpensThePickedFile) {
  writeTwins();
  for (const Twin& t : {kUpper, kLower, kUpper}) {
    SCOPED_TRACE(t.name);
    QTest::mouseClick(pickIn<DialogOpenGame>(t).OkButton, Qt::LeftButton);
    flushDeletes();
    const frmNewGame* entry = app.forms().find<frmNewGame>();
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->gameFilePath(), file(t));
    EXPECT_EQ(entry->txtOwnTeamName->text(), t.own);
    // The shared value stays the path in lower case.
    EXPECT_EQ(app.vars().openGamePath.toStdString(), handOverPath(file(t)));
  }
}

TEST_F(CaseTwinsTest, DeleteRemovesThePickedFileOnly) {
  struct Case {
    const Twin* inEntryForm;  // the twin the entry form holds, if any
    const Twin& picked;
    const Twin& kept;
  };
  const Case cases[] = {{nullptr, kUpper, kLower}, {nullptr, kLower, kUpper}, {&kLower, kUpper, kLower}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.picked.name);
    writeTwins();
    if (c.inEntryForm) QTest::mouseClick(pickIn<DialogOpenGame>(*c.inEntryForm).OkButton, Qt::LeftButton);
    prompter.answer(Answer::Yes);
    QTest::mouseClick(pickIn<DialogDeleteGame>(c.picked).OkButton, Qt::LeftButton);
    EXPECT_EQ(prompter.texts(), QStringList{"Are you sure you want to delete this file?"});
    EXPECT_FALSE(fs::exists(file(c.picked)));
    ASSERT_TRUE(fs::exists(file(c.kept)));
    EXPECT_EQ(ownTeamIn(file(c.kept)), c.kept.own);
    prompter.clear();
    closeEntryForm();
  }
}

TEST_F(CaseTwinsTest, AGameWhoseNameIsNotTextOpensAndIsDeleted) {
  const std::string name = "Game\xff.mdb";
  const fs::path game = writeGame(root, "YardMark/games/2007/" + name, Result::Won, "Owls", "Hawks");
  auto& open = app.forms().show<DialogOpenGame>();
  pick(open.Dir1, "2007");
  EXPECT_EQ(open.lblGamesPlayed->text(), "Games Played: 1");
  QTest::mouseClick(open.OkButton, Qt::LeftButton);
  const frmNewGame* entry = app.forms().find<frmNewGame>();
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(entry->gameFilePath(), game);
  EXPECT_EQ(entry->txtOwnTeamName->text(), "Owls");
  closeEntryForm();

  auto& del = app.forms().show<DialogDeleteGame>();
  pick(del.Dir1, "2007");
  prompter.answer(Answer::Yes);
  QTest::mouseClick(del.OkButton, Qt::LeftButton);
  EXPECT_EQ(prompter.texts(), QStringList{"Are you sure you want to delete this file?"});
  EXPECT_FALSE(fs::exists(game));
}

}  // namespace
}  // namespace yardmark::test
