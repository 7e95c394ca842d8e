// File > Open with its season synopsis and File > Delete: the shared folder and file lists,
// the counts, the path handed over in lower case, the question, the failures, and the game
// that the entry form holds.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "GamesFixture.h"
#include "core/jet/JetFile.h"
#include "gui/entry/frmNewGame.h"
#include "core/files/DataTree.h"
#include "core/db/Database.h"
#include "core/db/Value.h"
#include "gui/games/DialogDeleteGame.h"
#include "gui/games/DialogOpenGame.h"
#include "core/games/GameFolder.h"

namespace yardmark::test {
namespace {

namespace fs = std::filesystem;

const QString kSure = "Are you sure you want to delete this file?";

QStringList synopsis(const DialogOpenGame& d) {
  return {d.lblGamesPlayed->text(), d.lblWins->text(), d.lblLosses->text(), d.lblTeams->text()};
}

class OpenDeleteTest : public GamesTest {
 protected:
  // Opens a game through File > Open as the user would: year, file, Ok.
  void openGame(const char* year, const char* file) {
    auto& d = app.forms().show<DialogOpenGame>();
    pick(d.Dir1, year);
    pick(d.File1, file);
    QTest::mouseClick(d.OkButton, Qt::LeftButton);
  }
  QString handedOver(const fs::path& file) const { return QString::fromStdString(handOverPath(file)); }
};

TEST_F(OpenDeleteTest, OpenShowsTheSeasonOfThePickedYearAndHandsTheChosenGameOver) {
  writeGame(root, "YardMark/games/2007/Game1.mdb", Result::Won, "Eagles", "Hawks");
  writeGame(root, "YardMark/games/2007/Game2.mdb", Result::Lost);
  writeGame(root, "YardMark/games/2007/Game10.mdb", Result::Won);
  fs::create_directories(root.games() / "2008");
  auto& d = app.forms().show<DialogOpenGame>();
  EXPECT_EQ(d.Frame1->title(), "YardMark Game Files");
  EXPECT_EQ(d.Frame2->title(), "Synopsis of File");
  EXPECT_EQ(d.OkButton->text(), "Ok");
  EXPECT_EQ(d.CancelButton->text(), "Cancel");
  EXPECT_EQ(tabOrderFrom(d.Dir1, 3), (QStringList{"File1", "OkButton", "CancelButton"}));
  EXPECT_EQ(rows(d.Dir1), (QStringList{"2007", "2008"}));
  EXPECT_EQ(d.File1->count(), 0);
  EXPECT_EQ(synopsis(d), (QStringList{"Games Played: 0", "Wins: 0", "Losses: 0", "Select Year"}));

  pick(d.Dir1, "2007");
  EXPECT_EQ(rows(d.File1), (QStringList{"Game1.mdb", "Game2.mdb", "Game10.mdb"}));
  EXPECT_EQ(selected(d.File1), "Game1.mdb");
  EXPECT_EQ(synopsis(d), (QStringList{"Games Played: 3", "Wins: 2", "Losses: 1", "Eagles Vs Hawks"}));
  EXPECT_FALSE(d.lblUnreadable->isVisibleTo(&d));
  EXPECT_EQ(rows(d.Dir1), (QStringList{"2007", "2008"})) << "the folder list stays on the games folder";

  // An empty year, picked with the keys: no files, the labels as they were, nothing to open.
  QTest::keyClick(d.Dir1, Qt::Key_Down);
  EXPECT_EQ(selected(d.Dir1), "2008");
  EXPECT_EQ(d.File1->count(), 0);
  EXPECT_EQ(synopsis(d), (QStringList{"Games Played: 3", "Wins: 2", "Losses: 1", "Eagles Vs Hawks"}));
  app.vars().currentGameYear = "2007";
  prompter.answer(Answer::Ok);
  QTest::mouseClick(d.OkButton, Qt::LeftButton);
  EXPECT_EQ(prompter.texts(), QStringList{"Please select the game."});
  EXPECT_EQ(app.vars().currentGameYear, "0");
  EXPECT_EQ(app.forms().find<DialogOpenGame>(), &d);
  EXPECT_EQ(app.forms().find<frmNewGame>(), nullptr);
  prompter.clear();

  pick(d.Dir1, "2007");
  pick(d.File1, "Game2.mdb");
  QTest::mouseClick(d.OkButton, Qt::LeftButton);
  EXPECT_TRUE(prompter.records().empty());
  EXPECT_EQ(app.vars().openGamePath, handedOver(root.games() / "2007" / "Game2.mdb"));
  EXPECT_TRUE(app.vars().gameOpenedFromFile);
  EXPECT_EQ(app.vars().currentGameYear, "0");
  EXPECT_EQ(app.vars().currentGameNumber, 0);
  EXPECT_EQ(app.forms().find<DialogOpenGame>(), nullptr);
  EXPECT_NE(app.forms().find<frmNewGame>(), nullptr);
}

TEST_F(OpenDeleteTest, TheSynopsisCountsTheGamesWithErrorsOnlyWhenThereAreAny) {
  // A scoreless game with nothing typed but its names: nothing in it can be wrong.
  for (const char* year : {"2008", "2009"}) {
    Database db(writeGame(root, std::string("YardMark/games/") + year + "/Game1.mdb", Result::Neither));
    for (const auto& [query, columns] : {std::pair{"select * from quarter", 10}, {"select * from teamStats", 20}}) {
      Recordset rs = db.openRecordset(query);
      rs.edit();
      for (int i = 1; i <= columns; ++i) rs.setField(i, Value(0));
      rs.update();
    }
  }
  // Quarters that do not add up to the totals, in two of the three games of 2009.
  writeGame(root, "YardMark/games/2009/Game2.mdb", Result::Won);
  writeGame(root, "YardMark/games/2009/Game3.mdb", Result::Lost);
  auto& d = app.forms().show<DialogOpenGame>();
  pick(d.Dir1, "2008");
  EXPECT_FALSE(d.lblErrors->isVisibleTo(&d));

  pick(d.Dir1, "2009");
  EXPECT_TRUE(d.lblErrors->isVisibleTo(&d));
  EXPECT_EQ(d.lblErrors->text(), "Games with errors: 2");
  EXPECT_EQ(d.lblErrors->toolTip(), "Game2.mdb\nGame3.mdb");
  EXPECT_EQ(synopsis(d), (QStringList{"Games Played: 3", "Wins: 1", "Losses: 1", "Eagles Vs Hawks"}));
}

TEST_F(OpenDeleteTest, APathWithCapitalsArrivesInLowerCaseAndIsFoundAgain) {
  const std::pair<const char*, const char*> cases[] = {{"2007", "GAME3.MDB"}, {"Saison Ö", "Game1.mdb"}};
  for (const auto& [year, name] : cases) {
    SCOPED_TRACE(name);
    const fs::path game = writeGame(root, "YardMark/games/" + std::string(year) + "/" + name, Result::Won);
    openGame(year, name);
    const std::string path = app.vars().openGamePath.toStdString();
    EXPECT_TRUE(std::none_of(path.begin(), path.end(), [](char c) { return c >= 'A' && c <= 'Z'; })) << path;
    const fs::path found = findPathCaseInsensitive(path);
    EXPECT_TRUE(fs::equivalent(found, game)) << found;
    EXPECT_EQ(Database(found).openRecordset("select * from header").recordCount(), 1);
  }
}

TEST_F(OpenDeleteTest, OpenCountsTheFilesItCannotReadAsPlayedAndSaysHowMany) {
  writeGame(root, "YardMark/games/2007/Game1.mdb", Result::Won);
  writeDamaged(root, "YardMark/games/2007/Game2.mdb", Damage::ZeroBytes);
  writeDamaged(root, "YardMark/games/2007/Game3.mdb", Damage::JetFile);
  writeGame(root, "YardMark/games/2007/Game4.mdb", Result::Lost);
  auto& d = app.forms().show<DialogOpenGame>();
  pick(d.Dir1, "2007");
  EXPECT_EQ(synopsis(d), (QStringList{"Games Played: 4", "Wins: 1", "Losses: 1", "Eagles Vs Hawks"}));
  EXPECT_TRUE(d.lblUnreadable->isVisibleTo(&d));
  EXPECT_EQ(d.lblUnreadable->text(), "Unreadable Files: 2");
  EXPECT_TRUE(d.lblUnreadable->toolTip().contains("Game2.mdb") && d.lblUnreadable->toolTip().contains("Game3.mdb"))
      << d.lblUnreadable->toolTip().toStdString();
  EXPECT_TRUE(d.lblUnreadable->toolTip().contains("Game3.mdb': it is a file of the earlier version of YardMark"));
}

// Every row of a table as texts, without the renumbered key.
std::vector<QStringList> rowsOf(const fs::path& file, const std::string& table) {
  Database db(file, Database::Mode::ReadOnly);
  Recordset rs = db.openRecordset("select * from " + table);
  std::vector<QStringList> rows;
  for (; rs.recordCount() > 0 && !rs.isEOF(); rs.moveNext()) {
    QStringList row;
    for (int i = 1; i < rs.fieldCount(); ++i) row << QString::fromStdString(textOf(rs.field(i)));
    rows.push_back(row);
  }
  return rows;
}

QString oldFileQuestion(const char* name) {
  return QString("The game file ") + name +
         " was kept by the earlier version of YardMark and must be converted before it can be opened. The original "
         "is kept beside the new file, under its name with .jet added.\n\nConvert it now?";
}

TEST_F(OpenDeleteTest, AnOldGameIsConvertedOnYesAndOpensInTheEntryForm) {
  const std::string legacy = readBytes(fixture("game_legacy.mdb"));
  const fs::path game = root.writeFile("YardMark/games/2007/Game3.mdb", legacy);
  prompter.answer(Answer::Yes);
  openGame("2007", "Game3.mdb");

  ASSERT_EQ(prompter.records().size(), 1u) << prompter.texts().join(" | ").toStdString();
  EXPECT_EQ(prompter.records()[0].text, oldFileQuestion("Game3.mdb"));
  EXPECT_EQ(prompter.records()[0].buttons, Buttons::YesNo);
  EXPECT_EQ(prompter.records()[0].icon, Icon::Question);
  EXPECT_FALSE(isJetFile(game));
  EXPECT_EQ(readBytes(game.string() + ".jet"), legacy);
  EXPECT_EQ(rowsOf(game, "header"), (std::vector<QStringList>{{"Eagles", "Hawks", "2007", "3", "True", "False"}}));
  EXPECT_EQ(rowsOf(game, "quarter"), (std::vector<QStringList>{{"3", "7", "3", "0", "0", "3", "7", "14", "13", "24"}}));
  EXPECT_EQ(rowsOf(game, "rushing"), (std::vector<QStringList>{{"18", "87", "1", "0", "Marcus Delaney"},
                                                               {"9", "41", "0", "1", "Tyrell Okafor"},
                                                               {"4", "12", "0", "0", "Ben Whitcombe"}}));
  EXPECT_TRUE(rowsOf(game, "teamStats").empty());

  const frmNewGame* entry = app.forms().find<frmNewGame>();
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(app.forms().find<DialogOpenGame>(), nullptr);
  EXPECT_EQ(app.vars().openGamePath, handedOver(game));
  EXPECT_EQ(entry->txtOwnTeamName->text(), "Eagles");
  EXPECT_EQ(entry->txtOppTeamName->text(), "Hawks");
  EXPECT_EQ(entry->cmbYear->currentText(), "2007");
  EXPECT_EQ(entry->txtGameNumber->text(), "3");
  EXPECT_TRUE(entry->optRecWins->isChecked());
  EXPECT_EQ(entry->txtQuarter1Own->text(), "7");
}

TEST_F(OpenDeleteTest, AnOldGameRefusedOrFailingStaysAsItWasAndTheDialogStays) {
  struct Case {
    const char* fixtureName;
    Answer answer;
    QString told;  // after the question; empty when nothing is told
  };
  const fs::path game = root.games() / "2007" / "Game4.mdb";
  const QString where = QString::fromStdString(game.string());
  const Case cases[] = {
      {"game_legacy.mdb", Answer::No, ""},
      {"contacts_crash_m58.mdb", Answer::Yes,
       "The game file " + where +
           " could not be converted: it is damaged (the reader stopped on it). It is left as it was."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fixtureName);
    const std::string bytes = readBytes(fixture(c.fixtureName));
    root.writeFile("YardMark/games/2007/Game4.mdb", bytes);
    prompter.clear();
    prompter.answer(c.answer);
    if (!c.told.isEmpty()) prompter.answer(Answer::Ok);
    openGame("2007", "Game4.mdb");

    QStringList expected{oldFileQuestion("Game4.mdb")};
    if (!c.told.isEmpty()) expected << c.told;
    EXPECT_EQ(prompter.texts(), expected);
    if (!c.told.isEmpty()) {
      EXPECT_EQ(prompter.records().back().icon, Icon::Exclamation);
    }
    EXPECT_EQ(readBytes(game), bytes);
    EXPECT_EQ(std::distance(fs::directory_iterator(game.parent_path()), fs::directory_iterator()), 1)
        << "no .jet copy and no half-written file";
    EXPECT_NE(app.forms().find<DialogOpenGame>(), nullptr);
    EXPECT_EQ(app.forms().find<frmNewGame>(), nullptr);
  }
}

TEST_F(OpenDeleteTest, OpeningAnotherGameClosesTheEntryFormOfTheFormerFirst) {
  writeGame(root, "YardMark/games/2007/Game1.mdb", Result::Won);
  writeGame(root, "YardMark/games/2007/Game2.mdb", Result::Lost);
  openGame("2007", "Game1.mdb");
  const QPointer<frmNewGame> first = app.forms().find<frmNewGame>();
  ASSERT_FALSE(first.isNull());
  openGame("2007", "Game2.mdb");
  flushDeletes();
  EXPECT_TRUE(first.isNull());
  EXPECT_NE(app.forms().find<frmNewGame>(), nullptr);
  EXPECT_EQ(app.vars().openGamePath, handedOver(root.games() / "2007" / "Game2.mdb"));
}

TEST_F(OpenDeleteTest, DeleteAsksFirstAndOnlyYesDeletes) {
  const fs::path game = writeGame(root, "YardMark/games/2007/Game1.mdb", Result::Won);
  const fs::path other = writeGame(root, "YardMark/games/2007/Game2.mdb", Result::Won);
  root.writeFile("YardMark/games/2007/Game1.mdb-journal", "left by a crash");
  auto& d = app.forms().show<DialogDeleteGame>();
  EXPECT_EQ(d.Frame1->title(), "YardMark Game Files");
  EXPECT_EQ(d.Label1->text(), "Once you delete, you cannot bring back the deleted game...");
  EXPECT_EQ(d.OkButton->text(), "Delete");
  EXPECT_EQ(d.CancelButton->text(), "Cancel");
  EXPECT_EQ(tabOrderFrom(d.Dir1, 3), (QStringList{"File1", "OkButton", "CancelButton"}));

  prompter.answer(Answer::Ok);
  QTest::mouseClick(d.OkButton, Qt::LeftButton);
  EXPECT_EQ(prompter.texts(), QStringList{"Please select the game to delete."});
  prompter.clear();

  pick(d.Dir1, "2007");
  EXPECT_EQ(selected(d.File1), "Game1.mdb");
  prompter.answer(Answer::No);
  QTest::mouseClick(d.OkButton, Qt::LeftButton);
  ASSERT_EQ(prompter.records().size(), 1u);
  const auto& question = prompter.records()[0];
  EXPECT_EQ(question.text, kSure);
  EXPECT_EQ(question.buttons, Buttons::YesNo);
  EXPECT_EQ(question.title, "YardMark");
  EXPECT_TRUE(fs::exists(game));
  EXPECT_EQ(app.forms().find<DialogDeleteGame>(), &d);
  prompter.clear();

  prompter.answer(Answer::Yes);
  QTest::mouseClick(d.OkButton, Qt::LeftButton);
  EXPECT_EQ(prompter.texts(), QStringList{kSure});
  EXPECT_FALSE(fs::exists(game));
  EXPECT_FALSE(fs::exists(game.string() + "-journal"));
  EXPECT_TRUE(fs::exists(other));
  EXPECT_EQ(app.vars().openGamePath, handedOver(game));
  EXPECT_EQ(app.vars().currentGameYear, "0");
  EXPECT_EQ(app.forms().find<DialogDeleteGame>(), nullptr);
}

TEST_F(OpenDeleteTest, AFailingDeleteGivesTheSystemsReasonAndTheDialogStays) {
  const fs::path game = root.games() / "2007" / "Game1.mdb";
  const struct {
    const char* name;
    std::function<void()> meanwhile;
    QString message;
  } cases[] = {
      {"the file is gone", [&] { fs::remove(game); }, "Error! No such file or directory.  Please try again"},
      {"a folder took its place",
       [&] {
         fs::remove(game);
         fs::create_directories(game);
       },
       "Error! Is a directory.  Please try again"},
  };
  writeGame(root, "YardMark/games/2007/Game1.mdb", Result::Won);
  auto& d = app.forms().show<DialogDeleteGame>();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    if (!fs::exists(game)) writeGame(root, "YardMark/games/2007/Game1.mdb", Result::Won);
    pick(d.Dir1, "2007");
    c.meanwhile();
    prompter.answer(Answer::Yes).answer(Answer::Ok);
    QTest::mouseClick(d.OkButton, Qt::LeftButton);
    EXPECT_EQ(prompter.texts(), (QStringList{kSure, c.message}));
    EXPECT_EQ(app.forms().find<DialogDeleteGame>(), &d);
    prompter.clear();
    fs::remove_all(game);
  }
}

TEST_F(OpenDeleteTest, DeletingAnotherGameLeavesTheEntryFormsSharedValuesAlone) {
  writeGame(root, "YardMark/games/2007/Game1.mdb", Result::Won);
  const fs::path other = writeGame(root, "YardMark/games/2007/Game2.mdb", Result::Won);
  openGame("2007", "Game1.mdb");
  const QPointer<frmNewGame> entry = app.forms().find<frmNewGame>();
  const QString opened = app.vars().openGamePath;
  auto& d = app.forms().show<DialogDeleteGame>();
  pick(d.Dir1, "2007");
  pick(d.File1, "Game2.mdb");
  prompter.answer(Answer::Yes);
  QTest::mouseClick(d.OkButton, Qt::LeftButton);
  EXPECT_FALSE(fs::exists(other));
  EXPECT_EQ(app.vars().openGamePath, opened);
  EXPECT_TRUE(app.vars().gameOpenedFromFile);
  EXPECT_EQ(app.forms().find<frmNewGame>(), entry.data());
}

TEST_F(OpenDeleteTest, TheGameInTheEntryFormIsNotDeletedAndOpeningItAgainKeepsTheForm) {
  const fs::path game = writeGame(root, "YardMark/games/2007/Game1.mdb", Result::Won);
  openGame("2007", "Game1.mdb");
  const QPointer<frmNewGame> entry = app.forms().find<frmNewGame>();
  ASSERT_FALSE(entry.isNull());
  ASSERT_FALSE(entry->gameFilePath().empty());

  openGame("2007", "Game1.mdb");
  flushDeletes();
  EXPECT_EQ(app.forms().find<frmNewGame>(), entry.data());

  auto& d = app.forms().show<DialogDeleteGame>();
  pick(d.Dir1, "2007");
  prompter.answer(Answer::Ok);
  QTest::mouseClick(d.OkButton, Qt::LeftButton);
  EXPECT_EQ(prompter.texts(),
            QStringList{"This game is open in the game entry form.  Close the entry form before you delete the game."});
  EXPECT_TRUE(fs::exists(game));
  EXPECT_EQ(app.forms().find<DialogDeleteGame>(), &d);
}

}  // namespace
}  // namespace yardmark::test
