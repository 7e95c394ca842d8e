// The three game-level sections: their modes, their checks and messages, what a save stores,
// Edit and a second save, one row per table, and saves the database refuses.
#include <QAction>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <filesystem>

#include "support/EntryFixture.h"
#include "gui/shell/MDIForm1.h"

namespace yardmark::test {
namespace {

using GameMode = GameLevelSection::Mode;
using S = EntrySection;

const char* const kUpdated = "Updated successfully";
const char* const kEmptyValues = "Empty values can not be saved/updated.";

double num(const Value& v) { return v.isNumber() ? v.number() : -1; }

TEST(GameLevelModes, EachModeOffersItsControls) {
  // Typed boxes, Edit, Save.
  const std::pair<GameMode, GameLevelSection::Controls> offered[] = {
      {GameMode::Empty, {false, false, false}},
      {GameMode::Browsing, {false, true, false}},
      {GameMode::Adding, {true, false, true}},
      {GameMode::Editing, {true, false, true}},
  };
  for (const auto& [mode, controls] : offered)
    EXPECT_EQ(GameLevelSection::controlsIn(mode), controls) << "mode " << static_cast<int>(mode);
}

// What a section's widgets offer, checked against its mode.
void expectWidgetsOf(frmNewGame& f, S which, GameMode mode) {
  SCOPED_TRACE(static_cast<int>(which));
  auto* section = dynamic_cast<GameLevelSection*>(f.section(which));
  ASSERT_NE(section, nullptr);
  EXPECT_EQ(section->mode(), mode);
  std::vector<QWidget*> typed;
  QPushButton *edit = f.cmdhEdit, *save = f.cmdhSave;
  if (which == S::Header) {
    typed = {f.txtOwnTeamName, f.txtOppTeamName, f.optRecWins, f.optRecLosses};
  } else if (which == S::Quarter) {
    typed = {f.txtQuarter1Opp, f.txtQuarter1Own, f.txtQuarter2Opp, f.txtQuarter2Own,
             f.txtQuarter3Opp, f.txtQuarter3Own, f.txtQuarter4Opp, f.txtQuarter4Own};
    edit = f.cmdqEdit, save = f.cmdqSave;
  } else {
    typed.assign(f.txtOT.begin(), f.txtOT.end());
    typed.insert(typed.end(), f.txtOwT.begin(), f.txtOwT.end());
    edit = f.cmdtsEdit, save = f.cmdtsSave;
  }
  const GameLevelSection::Controls c = GameLevelSection::controlsIn(mode);
  for (QWidget* w : typed) EXPECT_EQ(w->isEnabled(), c.typed) << w->objectName().toStdString();
  EXPECT_EQ(edit->isEnabled(), c.edit);
  EXPECT_EQ(save->isEnabled(), c.save);
}

TEST_F(EntryTest, TheGameLevelWidgetsFollowTheMode) {
  makeGame();
  {
    frmNewGame made(app);  // not yet active: nothing shown or offered
    for (S s : {S::Header, S::Quarter, S::TeamStats}) expectWidgetsOf(made, s, GameMode::Empty);
  }
  openGame();
  for (S s : {S::Header, S::Quarter, S::TeamStats}) expectWidgetsOf(*form, s, GameMode::Adding);
  fillHeader();
  prompter.answer(Answer::Ok);
  click("cmdhSave");
  expectWidgetsOf(*form, S::Header, GameMode::Browsing);
  click("cmdhEdit");
  expectWidgetsOf(*form, S::Header, GameMode::Editing);
}

struct HeaderCase {
  const char* name;
  const char* own;
  const char* opp;
  bool choose;  // pick Won
  const char* message;
};

void PrintTo(const HeaderCase& c, std::ostream* os) { *os << c.name; }

class HeaderCheckTest : public EntryTest, public testing::WithParamInterface<HeaderCase> {};

TEST_P(HeaderCheckTest, TheWinLossChoiceIsCheckedBeforeTheNames) {
  const HeaderCase& c = GetParam();
  const auto file = makeGame();
  openGame();
  type("txtOwnTeamName", c.own);
  type("txtOppTeamName", c.opp);
  if (c.choose) click("optRecWins");
  form->txtQuarter1Opp->setFocus();
  prompter.answer(Answer::Ok);
  click("cmdhSave");
  EXPECT_EQ(prompter.texts(), QStringList{c.message});
  EXPECT_TRUE(readRows(file, "header").empty());
  EXPECT_EQ(mode(S::Header), GameMode::Adding);
  EXPECT_EQ(text("txtOwnTeamName"), c.own);
  // Only the missing names move the focus to the first name.
  EXPECT_EQ(form->focusWidget() == form->txtOwnTeamName, c.choose);
}

INSTANTIATE_TEST_SUITE_P(
    Entry, HeaderCheckTest,
    testing::Values(HeaderCase{"no_choice_no_name", "", "", false, "Select Game Status (Wins/Losses)"},
                    HeaderCase{"no_choice", "Eagles", "Hawks", false, "Select Game Status (Wins/Losses)"},
                    HeaderCase{"no_opponent", "Eagles", "", true, "Team(s) name can not be left blank."},
                    HeaderCase{"no_own", "", "Hawks", true, "Team(s) name can not be left blank."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EntryTest, HeaderSavedThenEditedKeepsOneRowWithTheNewValues) {
  const auto file = makeGame();
  openGame();
  fillHeader("Eagles", "Hawks");
  prompter.answer(Answer::Ok);
  click("cmdhSave");
  EXPECT_EQ(prompter.texts(), QStringList{kUpdated});
  auto stored = readRows(file, "header");
  ASSERT_EQ(stored.size(), 1u);
  EXPECT_EQ(stored[0][0], Value("Eagles"));
  EXPECT_EQ(stored[0][1], Value("Hawks"));
  EXPECT_EQ(num(stored[0][2]), 2007);
  EXPECT_EQ(num(stored[0][3]), 3);
  EXPECT_EQ(stored[0][4], Value(true));
  EXPECT_EQ(stored[0][5], Value(false));
  EXPECT_EQ(mode(S::Header), GameMode::Browsing);
  EXPECT_EQ(text("txtOppTeamName"), "Hawks");
  EXPECT_TRUE(form->optRecWins->isChecked());

  // A silent save before Edit (File > Save) edits the row the first save added.
  prompter.clear();
  prompter.answer(Answer::Ok);
  window->fmSaveFileStat->trigger();
  EXPECT_EQ(prompter.texts(), QStringList{"Fields cannot be empty.  Please enter Game Information Score data."});
  EXPECT_EQ(readRows(file, "header").size(), 1u);

  click("cmdhEdit");
  EXPECT_EQ(form->focusWidget(), form->txtOwnTeamName);
  retype("txtOppTeamName", "Ravens");
  click("optRecLosses");
  prompter.answer(Answer::Ok);
  click("cmdhSave");
  stored = readRows(file, "header");
  ASSERT_EQ(stored.size(), 1u);
  EXPECT_EQ(stored[0][1], Value("Ravens"));
  EXPECT_EQ(num(stored[0][2]), 2007);
  EXPECT_EQ(num(stored[0][3]), 3);
  EXPECT_EQ(stored[0][4], Value(false));
  EXPECT_EQ(stored[0][5], Value(true));
}

TEST_F(EntryTest, QuarterTotalsFollowTheTypingAndAreStored) {
  const auto file = makeGame();
  openGame();
  type("txtQuarter1Own", "7");
  EXPECT_EQ(text("txtTotalOwn"), "7");
  EXPECT_EQ(text("txtTotalOpp"), "0");
  type("txtQuarter2Own", "3");
  EXPECT_EQ(text("txtTotalOwn"), "10");
  QTest::keyClick(box("txtQuarter1Own"), Qt::Key_Backspace);
  EXPECT_EQ(text("txtTotalOwn"), "3");

  // Seven boxes filled, one empty: nothing is written.
  for (QLineEdit* b : form->findChildren<QLineEdit*>(QRegularExpression("^txtQuarter"))) b->clear();
  EXPECT_EQ(text("txtTotalOwn"), "0");
  fillQuarter({"0", "7", "0", "", "0", "3", "0", "14"});
  prompter.answer(Answer::Ok);
  click("cmdqSave");
  EXPECT_EQ(prompter.texts(), QStringList{kEmptyValues});
  EXPECT_EQ(form->focusWidget(), form->txtQuarter1Opp);
  EXPECT_TRUE(readRows(file, "quarter").empty());

  retype("txtQuarter2Own", "0");
  prompter.answer(Answer::Ok);
  click("cmdqSave");
  const auto stored = readRows(file, "quarter");
  ASSERT_EQ(stored.size(), 1u);
  const double expected[] = {0, 0, 7, 0, 0, 0, 3, 0, 14, 0, 24};
  for (int i = 1; i <= 10; ++i) EXPECT_EQ(num(stored[0][i - 1]), expected[i]) << "column " << i;
  EXPECT_EQ(text("txtQuarter4Own"), "14");
  EXPECT_EQ(text("txtTotalOwn"), "24");
  EXPECT_EQ(mode(S::Quarter), GameMode::Browsing);
}

TEST_F(EntryTest, ZeroPointsInEveryQuarterAreSaved) {
  const auto file = makeGame();
  openGame();
  fillQuarter(QStringList(8, "0"));
  prompter.answer(Answer::Ok);
  click("cmdqSave");
  const auto stored = readRows(file, "quarter");
  ASSERT_EQ(stored.size(), 1u);
  for (int i = 1; i <= 10; ++i) EXPECT_EQ(num(stored[0][i - 1]), 0) << "column " << i;
}

TEST_F(EntryTest, TeamStatisticsGoToTheirColumnsOpponentFirst) {
  const auto file = makeGame();
  openGame();
  for (std::size_t k = 0; k < 10; ++k) {
    QTest::keyClicks(form->txtOT[k], QString::number(k + 1));
    if (k != 6) QTest::keyClicks(form->txtOwT[k], QString::number(k + 11));
  }
  prompter.answer(Answer::Ok);
  click("cmdtsSave");
  EXPECT_EQ(prompter.texts(), QStringList{kEmptyValues});
  EXPECT_TRUE(readRows(file, "teamStats").empty());
  EXPECT_EQ(form->focusWidget(), form->txtOT[0]);

  type("txtOwTStats", "17");
  retype("txtOwTTO", "412");
  prompter.answer(Answer::Ok);
  click("cmdtsSave");
  const auto stored = readRows(file, "teamStats");
  ASSERT_EQ(stored.size(), 1u);
  for (int c = 1; c <= 20; ++c) EXPECT_EQ(num(stored[0][c - 1]), c == 15 ? 412 : c) << "column " << c;
  comeBack();
  EXPECT_EQ(text("txtOwTTO"), "412");
  EXPECT_EQ(text("txtOTTO"), "5");
}

TEST_F(EntryTest, RepeatedSavesKeepOneRowInEachGameLevelTable) {
  const auto file = makeGame();
  openGame();
  fillHeader();
  fillQuarter(QStringList(8, "1"));
  fillTeamStats();
  for (const char* save : {"cmdhSave", "cmdqSave", "cmdtsSave"}) {
    prompter.answer(Answer::Ok);
    click(save);
  }
  // The save flags still say "add" until Edit; File > Save twice, then close.
  window->fmSaveFileStat->trigger();
  window->fmSaveFileStat->trigger();
  click("cmdqEdit");
  prompter.answer(Answer::Ok);
  click("cmdqSave");
  EXPECT_TRUE(form->unload());
  for (const char* table : {"header", "quarter", "teamStats"}) EXPECT_EQ(readRows(file, table).size(), 1u) << table;
}

TEST_F(EntryTest, ASaveIntoARemovedGameFileIsReportedTheTypingStaysAndClosingAsksFirst) {
  const auto file = makeGame();
  openGame();
  fillHeader();
  fillQuarter(QStringList(8, "2"));
  fillTeamStats();
  std::filesystem::remove(file);
  prompter.answer(Answer::Ok);
  click("cmdhSave");
  ASSERT_EQ(prompter.texts().size(), 1);
  EXPECT_TRUE(prompter.texts()[0].contains("Game3.mdb")) << prompter.texts()[0].toStdString();
  EXPECT_EQ(mode(S::Header), GameMode::Adding);
  EXPECT_EQ(text("txtOwnTeamName"), "Eagles");

  // Every silent save is refused too: no box is empty, but the user is asked before leaving.
  prompter.clear();
  prompter.answer(Answer::Ok).answer(Answer::Ok).answer(Answer::Ok).answer(Answer::Yes);
  EXPECT_FALSE(form->unload());
  ASSERT_EQ(prompter.texts().size(), 4);
  EXPECT_TRUE(prompter.texts()[2].contains("Game3.mdb"));
  EXPECT_TRUE(prompter.texts()[3].startsWith("Some data may have been lost"));
  EXPECT_FALSE(prompter.texts().contains(kUpdated));
  EXPECT_FALSE(std::filesystem::exists(file)) << "no new file was made";
}

TEST_F(EntryTest, ASaveRefusedByABusyDatabaseIsReportedAndCanBeRepeated) {
  const auto file = makeGame();
  openGame();
  fillHeader();
  {
    // Another program holds the file for writing.
    Database other(file);
    Database::Transaction lock(other);
    prompter.answer(Answer::Ok);
    click("cmdhSave");
    ASSERT_EQ(prompter.texts().size(), 1);
    EXPECT_TRUE(prompter.texts()[0].contains("locked")) << prompter.texts()[0].toStdString();
    EXPECT_EQ(mode(S::Header), GameMode::Adding);
    EXPECT_EQ(text("txtOwnTeamName"), "Eagles");
  }
  prompter.clear();
  prompter.answer(Answer::Ok);
  click("cmdhSave");
  EXPECT_EQ(prompter.texts(), QStringList{kUpdated});
  ASSERT_EQ(readRows(file, "header").size(), 1u);
}

}  // namespace
}  // namespace yardmark::test
