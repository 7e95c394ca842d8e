// The three game-level sections: their modes, their checks and messages, what a save stores,
// Edit and a second save, and one row per table. What the key filters let into the boxes:
// yards that can be lost and sacks that can be shared, other boxes digits only.
#include <SQLiteCpp/SQLiteCpp.h>

#include <QAction>
#include <QCompleter>
#include <QDateEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStringListModel>
#include <tuple>

#include "gui/entry/GameDetailsSection.h"
#include "support/EntryFixture.h"

namespace yardmark::test {
namespace {

using GameMode = GameLevelSection::Mode;
using S = EntrySection;

const char* const kEmptyValues = "Empty values can not be saved/updated.";

TEST_F(EntryTest, TheHeaderChecksTheWinLossChoiceBeforeTheNamesThenSavesAndEdits) {
  const auto file = makeGame();
  openGame();  // the forms' sweep shows it ready for typing
  // Own and opponent's names, Won picked, the message.
  const std::tuple<const char*, const char*, bool, const char*> cases[] = {
      {"", "", false, "Select Game Status (Wins/Losses)"},
      {"Eagles", "Hawks", false, "Select Game Status (Wins/Losses)"},
      {"", "Hawks", true, "Team(s) name can not be left blank."}};
  for (const auto& [own, opp, choose, message] : cases) {
    SCOPED_TRACE(std::string(own) + "/" + opp);
    retype("txtOwnTeamName", own);
    retype("txtOppTeamName", opp);
    if (choose) click("optRecWins");
    form->txtQuarter1Opp->setFocus();
    prompter.clear().answer(Answer::Ok);
    click("cmdhSave");
    // Nothing stored; only the missing names move the focus to the first name.
    EXPECT_EQ(std::tuple(prompter.texts(), readRows(file, "header").size(), mode(S::Header),
                         form->focusWidget() == form->txtOwnTeamName),
              std::tuple(QStringList{message}, 0u, GameMode::Adding, choose));
  }

  retype("txtOwnTeamName", "Eagles");
  prompter.clear().answer(Answer::Ok);
  click("cmdhSave");
  EXPECT_EQ(
      std::pair(prompter.texts(), readRows(file, "header")),
      std::pair(QStringList{"Updated successfully"}, std::vector<Row>{headerRow("Eagles", "Hawks", 2007, 3, true)}));
  expectReference(formState(form, root.dir()), "entry/header_saved.txt");
  click("cmdhEdit");
  expectReference(formState(form, root.dir()), "entry/header_editing.txt");  // the focus on the own team's name
  retype("txtOppTeamName", "Ravens");
  click("optRecLosses");
  prompter.answer(Answer::Ok);
  click("cmdhSave");
  EXPECT_EQ(readRows(file, "header"), std::vector<Row>{headerRow("Eagles", "Ravens", 2007, 3, false)});
}

// Also: coming back to the form keeps what is typed and edited, shows a stored row as the file
// now holds it, and for another game shows that game's rows with their stored totals.
TEST_F(EntryTest, QuarterTotalsFollowTheTypingAndRepeatedSavesOrComingBackKeepOneRowEach) {
  const auto file = makeGame();
  openGame();
  type("txtQuarter1Own", "7");
  type("txtQuarter2Opp", "3");  // each side's boxes move its total
  form->txtQuarter2Opp->setFocus();
  comeBack();
  EXPECT_EQ(QStringList({text("txtTotalOwn"), text("txtTotalOpp")}), (QStringList{"7", "3"}));
  EXPECT_EQ(form->focusWidget(), form->txtQuarter2Opp) << "the focus stays where the user left it";
  QTest::keyClick(box("txtQuarter1Own"), Qt::Key_Backspace);
  EXPECT_EQ(text("txtTotalOwn"), "0");
  // Seven boxes filled, one empty: nothing is written.
  for (QLineEdit* b : form->findChildren<QLineEdit*>(QRegularExpression("^txtQuarter"))) b->clear();
  fillQuarter({"0", "7", "0", "", "0", "3", "0", "14"});
  prompter.answer(Answer::Ok);
  click("cmdqSave");
  EXPECT_EQ(prompter.texts(), QStringList{kEmptyValues});
  EXPECT_EQ(form->focusWidget(), form->txtQuarter1Opp);
  EXPECT_TRUE(readRows(file, "quarter").empty());
  retype("txtQuarter2Own", "0");
  fillHeader();
  for (std::size_t k = 0; k < 10; ++k) {
    QTest::keyClicks(form->txtOT[k], QString::number(k + 1));
    QTest::keyClicks(form->txtOwT[k], QString::number(k + 11));
  }
  for (const char* save : {"cmdhSave", "cmdqSave", "cmdtsSave"}) {
    prompter.answer(Answer::Ok);
    click(save);
  }
  EXPECT_EQ(std::pair(text("txtTotalOwn"), mode(S::Quarter)), std::pair(QString("24"), GameMode::Browsing));
  // The save flags still say "add" until Edit; File > Save twice; an edit kept while away, then saved.
  window->fmSaveFileStat->trigger();
  window->fmSaveFileStat->trigger();
  click("cmdqEdit");
  retype("txtQuarter4Own", "21");
  comeBack();
  EXPECT_EQ(mode(S::Quarter), GameMode::Editing);
  prompter.answer(Answer::Ok);
  click("cmdqSave");
  EXPECT_EQ(readRows(file, "header").size(), 1u);
  EXPECT_EQ(rowsOf(file, "quarter"), (Rows{{"0", "7", "0", "0", "0", "3", "0", "21", "0", "31"}}));
  Rows columns(1);
  for (int k = 1; k <= 20; ++k) columns[0].push_back(std::to_string(k));
  EXPECT_EQ(rowsOf(file, "teamStats"), columns);
  SQLite::Database(file.string(), SQLite::OPEN_READWRITE).exec("UPDATE quarter SET Quarter1Opp = 6");
  comeBack();
  EXPECT_EQ(text("txtQuarter1Opp"), "6");
  click("cmdtsEdit");  // left behind: the other game's rows show, its totals as stored
  retype("txtOTPunts", "9");
  addGameRows(makeGame("2007", 4), {.header = {headerRow("Owls", "Hawks", 2007, 4, false)},
                                    .quarter = {{1, 2, 3, 4, 5, 6, 7, 8, 99, 98}},
                                    .teamStats = {Row(20, Value(150.0))}});
  app.vars().currentGameNumber = 4;
  comeBack();
  expectReference(formState(form, root.dir()), "entry/other_game.txt");  // Owls, 99 to 98, all sections browsing
}

TEST_F(EntryTest, YardsTakeALeadingMinusAndSacksAHalfWhileOtherBoxesKeepToDigits) {
  makeGame();
  openGame();
  for (const char* add : {"cmdruAddNew", "cmdpasAddNew", "cmdrecAddnew", "cmddefAddNew"}) click(add);
  const std::tuple<const char*, const char*, const char*> cases[] = {
      // box, keys, what it shows
      {"txtRushYDS", "-12", "-12"},
      {"txtPassingYDS", "-12345", "-1234"},
      {"txtReceivingYDS", "-3", "-3"},
      {"txtOwTRushing", "-40", "-40"},
      {"txtOTYrds", "-5", "-5"},
      {"txtOwTTO", "-45", "-45"},
      {"txtOTTO", "4a-2", "42"},
      {"txtOwTPassing", "-7", "7"},
      {"txtRushATT", "-7", "7"},
      {"txtQBSacks", "1.5", "1.5"},
      {"txtUnassisted", "0.5", "05"},
      {"txtQuarter1Opp", "12a34567", "12345"},
      {"txtOwnTeamName", "Eagles 7th", "Eagles th"},
  };
  for (const auto& [name, keys, shown] : cases) {
    retype(name, keys);
    EXPECT_EQ(text(name), shown) << name << " typed " << keys;
  }
  retype("txtOppTeamName", QString(30, 'x'));
  EXPECT_EQ(text("txtOppTeamName"), QString(26, 'x')) << "a team name holds 26 letters";
}

// The details frame over a file from before its table: untouched by leaving without details;
// typed through the key filters, kept by the silent save on leaving, and shown again.
TEST_F(EntryTest, GameDetailsAreAddedTypedAndSavedSilentlyOnLeaving) {
  const auto file = makeGame();
  SQLite::Database(file.string(), SQLite::OPEN_READWRITE).exec("DROP TABLE gameDetails");
  // Team names of this year and the year before complete the boxes; older years' do not.
  test::makeGame(root, "YardMark/games/2006/Game1.mdb", {.header = {headerRow("EAGLES", "Hawks", 2006, 1, true)}});
  test::makeGame(root, "YardMark/games/2007/Game2.mdb", {.header = {headerRow("Eagles", "Owls", 2007, 2, false)}});
  test::makeGame(root, "YardMark/games/2005/Game1.mdb", {.header = {headerRow("Eagles", "Crows", 2005, 1, true)}});
  const auto offered = [](QLineEdit* box) {
    return qobject_cast<QStringListModel*>(box->completer()->model())->stringList();
  };
  const auto leave = [&] {
    prompter.clear();
    EXPECT_TRUE(form->unload());
    EXPECT_TRUE(prompter.texts().isEmpty());
  };
  openGame();
  EXPECT_EQ(offered(form->txtOwnTeamName) + QStringList{"|"} + offered(form->txtOppTeamName),
            (QStringList{"Eagles", "|", "Hawks", "Owls"}));
  // The section as the coach sees it; the form is made again each time it is opened.
  const auto expectShown = [&](const char* name) { expectReference(formState(form->details(), {}), name); };
  expectShown("entry/details_empty.txt");  // the date box reads as not set
  fillHeader();
  fillQuarter(QStringList(8, "0"));
  fillTeamStats();
  leave();
  // Nothing typed: the older file is left as it was.
  EXPECT_FALSE(Database(file, Database::Mode::ReadOnly).hasTable(kGameDetailsTable));

  openGame();
  click("cmddAdd");
  expectShown("entry/details_adding.txt");
  GameDetailsSection* d = form->details();
  prompter.answer(Answer::Ok);
  click("cmddSave");  // nothing typed: refused
  EXPECT_EQ(prompter.texts(), QStringList{kEmptyValues});
  d->dtpGameDate->setDate(QDate(2007, 9, 7));
  QTest::keyClick(d->dtpGameDate, Qt::Key_Delete);  // a date given by mistake taken away
  EXPECT_EQ(d->shown(), GameDetails{});
  d->dtpGameDate->setDate(QDate(2007, 9, 14));
  click("optAway");
  type("txtPlace", "Hawk Field");
  type("txtOvertimeOwn", "7x-");
  type("txtNotes", "rain");
  comeBack();  // what is typed stays while the coach is away
  leave();
  const GameDetails typed{"2007-09-14", Site::Away, "Hawk Field", 7, 0, "rain"};
  EXPECT_EQ(readGame(file).details, typed);

  openGame();
  expectShown("entry/details_browsing.txt");
  click("cmddEdit");
  expectShown("entry/details_editing.txt");  // the date box has the focus
}

}  // namespace
}  // namespace yardmark::test
