// The entry form's frame: state of a fresh and of a stored game, "Next Tab", key filters, the
// check on close, activation that keeps typing, and a game file that cannot be opened.
#include <QAction>
#include <QApplication>
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <set>

#include "support/EntryFixture.h"
#include "gui/shell/MDIForm1.h"

namespace yardmark::test {
namespace {

const char* const kEmptyHeader = "Fields cannot be empty.  Please enter Game Information Header data.";
const char* const kEmptyScore = "Fields cannot be empty.  Please enter Game Information Score data.";
const char* const kReverify =
    "Some data may have been lost due to closing the game file prior to saving.  You may want to re-verify your "
    "data.  Do you want to re-verify your data ?";

const EntrySection kGameLevel[] = {EntrySection::Header, EntrySection::Quarter, EntrySection::TeamStats};
const char* const kQuarterBoxes[] = {"txtQuarter1Opp", "txtQuarter1Own", "txtQuarter2Opp", "txtQuarter2Own",
                                     "txtQuarter3Opp", "txtQuarter3Own", "txtQuarter4Opp", "txtQuarter4Own"};

TEST_F(EntryTest, AFreshGameIsReadyForTypingWithTheFocusInTheOwnTeamName) {
  makeGame();
  openGame();
  EXPECT_EQ(form->windowTitle(), "New Game Stats");
  EXPECT_TRUE(app.vars().gameFormActive());
  EXPECT_TRUE(window->fmSaveFileStat->isEnabled());
  EXPECT_EQ(form->SSTab1->currentIndex(), 0);
  for (EntrySection s : kGameLevel) EXPECT_EQ(mode(s), GameLevelSection::Mode::Adding) << static_cast<int>(s);
  for (const char* name : kQuarterBoxes) EXPECT_TRUE(text(name).isEmpty()) << name;
  for (const char* name : {"cmbYear", "txtGameNumber", "txtTotalOpp", "txtTotalOwn"}) EXPECT_FALSE(enabled(name));
  EXPECT_TRUE(text("txtTotalOpp").isEmpty());
  EXPECT_EQ(form->cmbYear->currentText(), "2007");
  EXPECT_EQ(text("txtGameNumber"), "3");
  EXPECT_EQ(form->focusWidget(), form->txtOwnTeamName);
  EXPECT_EQ(form->gameFilePath(), root.games() / "2007" / "Game3.mdb");
  EXPECT_EQ(w<QLabel>("Label5")->text(),
            "Be sure to save your data prior to exiting.  The button with this icon         is the save button.  "
            "Each section has its own save button.");

  // The year list holds 1990 to this year, once, however often the form becomes active.
  const int years = QDate::currentDate().year() - 1990 + 1;
  comeBack();
  comeBack();
  ASSERT_EQ(form->cmbYear->count(), years);
  EXPECT_EQ(form->cmbYear->itemText(0), "1990");
  EXPECT_EQ(form->cmbYear->itemText(years - 1), QString::number(QDate::currentDate().year()));
}

TEST_F(EntryTest, StoredRowsAreShownWithEditOffered) {
  const auto file = makeGame();
  addRows(file, "header", std::vector<Row>(1, headerRow("Eagles", "Hawks", 2007, 3, false)));
  addRows(file, "quarter", {Row{1.0, 2.0, 3.0, 4.0, 5.0, 6.0, 7.0, 8.0, 99.0, 98.0}});
  Row stats;
  stats.reserve(20);
  for (int k = 1; k <= 20; ++k) stats.emplace_back(k * 10.0);
  addRows(file, "teamStats", {stats});
  openGame();

  EXPECT_EQ(text("txtOwnTeamName"), "Eagles");
  EXPECT_EQ(text("txtOppTeamName"), "Hawks");
  EXPECT_FALSE(form->optRecWins->isChecked());
  EXPECT_TRUE(form->optRecLosses->isChecked());
  for (int i = 0; i < 8; ++i) EXPECT_EQ(text(kQuarterBoxes[i]), QString::number(i + 1));
  // The stored totals are what is shown, not the sum of the boxes.
  EXPECT_EQ(text("txtTotalOpp"), "99");
  EXPECT_EQ(text("txtTotalOwn"), "98");
  EXPECT_EQ(text("txtOTFirstDowns"), "10");
  EXPECT_EQ(text("txtOwTTO"), "150");
  for (EntrySection s : kGameLevel) EXPECT_EQ(mode(s), GameLevelSection::Mode::Browsing) << static_cast<int>(s);
}

TEST_F(EntryTest, NextTabCyclesThroughTheFourPagesFromThePageShown) {
  makeGame();
  openGame();
  auto next = [&] {
    QPushButton* b = nullptr;
    for (auto* candidate : form->SSTab1->currentWidget()->findChildren<QPushButton*>("cmdNext"))
      if (candidate->isVisible()) b = candidate;
    EXPECT_NE(b, nullptr);
    EXPECT_EQ(b->text(), "Next Tab");
    QTest::mouseClick(b, Qt::LeftButton);
    return form->SSTab1->currentIndex();
  };
  EXPECT_EQ(next(), 1);
  EXPECT_EQ(next(), 2);
  EXPECT_EQ(next(), 3);
  EXPECT_EQ(next(), 0);
  form->SSTab1->tabBar()->setCurrentIndex(2);  // the user picks page 2
  EXPECT_EQ(next(), 3);
  EXPECT_EQ(form->SSTab1->tabText(2), "Offense");
  EXPECT_EQ(form->SSTab2->tabText(0), "Rushing");
  EXPECT_EQ(form->SSTab2->widget(2), form->Frame6);
  EXPECT_EQ(form->Frame7->title(), "Scoring");
}

TEST_F(EntryTest, CtrlTabTurnsThePagesRatherThanTheWindows) {
  makeGame();
  app.forms().show<FormA>();  // a second window the area would cycle to
  openGame();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  QMdiSubWindow* entry = window->findChild<QMdiArea*>()->activeSubWindow();
  ASSERT_NE(entry, nullptr);
  ASSERT_NE(form->focusWidget(), nullptr);
  const std::pair<Qt::KeyboardModifiers, std::vector<int>> cases[] = {
      {Qt::ControlModifier, {1, 2, 3, 0}},
      {Qt::ControlModifier | Qt::ShiftModifier, {3, 2, 1, 0}},
  };
  for (const auto& [modifiers, pages] : cases)
    for (int page : pages) {
      const int key = modifiers & Qt::ShiftModifier ? Qt::Key_Backtab : Qt::Key_Tab;
      QTest::keyClick(form->focusWidget(), Qt::Key(key), modifiers);
      EXPECT_EQ(form->SSTab1->currentIndex(), page);
      EXPECT_EQ(window->findChild<QMdiArea*>()->activeSubWindow(), entry) << "the window stays";
    }
}

TEST_F(EntryTest, KeyFiltersKeepNumberBoxesToFiveDigitsAndNamesFreeOfDigits) {
  makeGame();
  openGame();
  type("txtQuarter1Opp", "1234567");
  EXPECT_EQ(text("txtQuarter1Opp"), "12345");
  QTest::keyClick(box("txtQuarter1Opp"), Qt::Key_Backspace);
  EXPECT_EQ(text("txtQuarter1Opp"), "1234");
  type("txtOwnTeamName", "Eagles 7th");
  EXPECT_EQ(text("txtOwnTeamName"), "Eagles th");
  type("txtOppTeamName", QString(30, 'x'));
  EXPECT_EQ(text("txtOppTeamName").size(), 26);
  QTest::keyClick(box("txtOppTeamName"), Qt::Key_Backspace);
  EXPECT_EQ(text("txtOppTeamName").size(), 25);
}

TEST_F(EntryTest, EveryBoxIsTheBuddyOfItsLabelAndEveryButtonHasItsCaption) {
  makeGame();
  openGame();
  std::set<QWidget*> buddies;
  for (QLabel* l : form->findChildren<QLabel*>())
    if (l->buddy()) buddies.insert(l->buddy());
  for (QWidget* box : form->findChildren<QLineEdit*>()) {
    if (qobject_cast<QComboBox*>(box->parentWidget())) continue;  // the year box's own line edit
    // A box inside the quarter grid is named by its row and column headings together.
    EXPECT_TRUE(buddies.count(box) || !box->accessibleName().isEmpty()) << box->objectName().toStdString();
  }
  // Every combo, the year and the five player names, is found by the label the user reads.
  for (QComboBox* combo : form->findChildren<QComboBox*>())
    EXPECT_TRUE(buddies.count(combo)) << combo->objectName().toStdString();
  EXPECT_EQ(w<QLabel>("lblOwTTO")->text(), "Total Offense");
  EXPECT_EQ(w<QLabel>("lblOwTTO")->buddy(), box("txtOwTTO"));
  for (QPushButton* b : form->findChildren<QPushButton*>())
    EXPECT_FALSE(b->text().isEmpty()) << b->objectName().toStdString();
  EXPECT_EQ(w<QPushButton>("cmdhSave")->text(), "Save");
}

struct CloseCase {
  const char* name;
  bool header, quarter;        // filled before closing
  std::vector<QString> texts;  // what the user is shown
  Answer answer;               // to the re-verify question, when asked
  bool stays;
};

void PrintTo(const CloseCase& c, std::ostream* os) { *os << c.name; }

class CloseTest : public EntryTest, public testing::WithParamInterface<CloseCase> {};

TEST_P(CloseTest, ClosingRunsTheCheckAndAsksBeforeLeavingMissingData) {
  const CloseCase& c = GetParam();
  const auto file = makeGame();
  openGame();
  if (c.header) fillHeader();
  if (c.quarter) fillQuarter({"7", "0", "3", "14", "0", "0", "0", "0"});
  fillTeamStats();
  for (std::size_t i = 0; i < c.texts.size(); ++i)
    prompter.answer(i + 1 == c.texts.size() && c.texts[i] == kReverify ? c.answer : Answer::Ok);
  form->SSTab1->setCurrentIndex(1);

  EXPECT_EQ(form->unload(), !c.stays);
  EXPECT_EQ(prompter.texts(), QStringList(c.texts.begin(), c.texts.end()));
  if (!prompter.records().empty() && prompter.records().back().text == kReverify) {
    const auto& q = prompter.records().back();
    EXPECT_EQ(q.buttons, Buttons::YesNo);
    EXPECT_EQ(q.icon, Icon::Critical);
    EXPECT_EQ(q.title, "MsgBox Demonstration");
    EXPECT_EQ(q.defaultButton, Answer::No);
  }
  EXPECT_EQ(app.forms().find<frmNewGame>() != nullptr, c.stays);
  EXPECT_EQ(app.vars().gameFormActive(), c.stays);
  EXPECT_EQ(window->fmSaveFileStat->isEnabled(), c.stays);
  EXPECT_EQ(app.vars().entrySections() != nullptr, c.stays);
  if (c.stays) {
    EXPECT_EQ(form->SSTab1->currentIndex(), 0);
  }
  EXPECT_EQ(readRows(file, "header").size(), c.header ? 1u : 0u);
  EXPECT_EQ(readRows(file, "teamStats").size(), c.header && c.quarter ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Entry, CloseTest,
    testing::Values(CloseCase{"fresh_yes", false, false, {kEmptyHeader, kReverify}, Answer::Yes, true},
                    CloseCase{"fresh_no", false, false, {kEmptyHeader, kReverify}, Answer::No, false},
                    CloseCase{"quarter_missing_yes", true, false, {kEmptyScore, kReverify}, Answer::Yes, true},
                    CloseCase{"complete", true, true, {}, Answer::No, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EntryTest, ClosingTheMainWindowAsksTheEntryFormFirst) {
  makeGame();
  openGame();
  prompter.answer(Answer::Ok).answer(Answer::Yes);
  EXPECT_FALSE(window->close());
  EXPECT_EQ(prompter.texts(), (QStringList{kEmptyHeader, kReverify}));
  EXPECT_TRUE(window->isVisible());
  EXPECT_NE(app.forms().find<frmNewGame>(), nullptr);

  prompter.clear();
  prompter.answer(Answer::Ok).answer(Answer::No);
  EXPECT_TRUE(window->close());
  EXPECT_EQ(prompter.texts(), (QStringList{kEmptyHeader, kReverify}));
  EXPECT_FALSE(app.vars().gameFormActive());
}

TEST_F(EntryTest, TabOrderFollowsTheReadingOrderOfEachPage) {
  makeGame();
  openGame();
  const auto order = [&](QWidget* page) {
    QStringList names;
    for (QWidget* w = page->nextInFocusChain(); w != page; w = w->nextInFocusChain())
      if (page->isAncestorOf(w) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) &&
          !qobject_cast<QComboBox*>(w->parentWidget()))
        names << w->objectName();
    return names;
  };
  EXPECT_EQ(order(form->SSTab1->widget(0)),
            (QStringList{"txtOwnTeamName", "txtOppTeamName", "optRecWins", "optRecLosses", "cmdhSave", "txtQuarter1Opp",
                         "txtQuarter2Opp", "txtQuarter3Opp", "txtQuarter4Opp", "txtQuarter1Own", "txtQuarter2Own",
                         "txtQuarter3Own", "txtQuarter4Own", "cmdqSave", "cmdNext", "cmdCheckGame"}));
  const QStringList stats = order(form->SSTab1->widget(1));
  ASSERT_EQ(stats.size(), 23);
  EXPECT_EQ(stats[0], "txtOTFirstDowns");
  EXPECT_EQ(stats[9], "txtOTPuntsR");
  EXPECT_EQ(stats[10], "txtOwTFirstDowns");
  EXPECT_EQ(stats[19], "txtOwTPuntsR");
  EXPECT_EQ(stats.mid(20), (QStringList{"cmdtsSave", "cmdNext", "cmdCheckGame"}));
}

TEST_F(EntryTest, ComingBackKeepsTypingAndEditsButRefreshesSectionsShowingTheirRow) {
  const auto file = makeGame();
  openGame();
  // Header: typed, not saved. Team statistics: saved, then opened for editing and changed.
  type("txtOwnTeamName", "Eag");
  fillTeamStats();
  prompter.answer(Answer::Ok);
  click("cmdtsSave");
  click("cmdtsEdit");
  retype("txtOTPunts", "9");
  form->SSTab1->setCurrentIndex(0);
  form->txtOwnTeamName->setFocus();

  comeBack();
  EXPECT_EQ(form->focusWidget(), form->txtOwnTeamName) << "the focus stays where the user left it";
  EXPECT_EQ(text("txtOwnTeamName"), "Eag");
  EXPECT_EQ(mode(EntrySection::Header), GameLevelSection::Mode::Adding);
  EXPECT_EQ(text("txtOTPunts"), "9");
  EXPECT_EQ(mode(EntrySection::TeamStats), GameLevelSection::Mode::Editing);

  // The quarter row, saved and showing, follows the file.
  fillQuarter({"1", "1", "1", "1", "1", "1", "1", "1"});
  prompter.answer(Answer::Ok);
  click("cmdqSave");
  {
    Database db(file);
    Recordset rs = db.openRecordset("select * from quarter");
    rs.edit();
    rs.setField(1, 6.0);
    rs.update();
  }
  comeBack();
  EXPECT_EQ(text("txtQuarter1Opp"), "6");
  EXPECT_EQ(mode(EntrySection::Quarter), GameLevelSection::Mode::Browsing);
}

struct UnopenableCase {
  const char* name;
  const char* contents;  // nullptr: no file at all
  const char* reason;    // part of the message
};

void PrintTo(const UnopenableCase& c, std::ostream* os) { *os << c.name; }

class UnopenableTest : public EntryTest, public testing::WithParamInterface<UnopenableCase> {};

TEST_P(UnopenableTest, AGameFileThatCannotBeOpenedIsNamedAndTheFormCloses) {
  const UnopenableCase& c = GetParam();
  if (c.contents) root.writeFile("YardMark/games/2007/Game3.mdb", c.contents);
  prompter.answer(Answer::Ok);
  openGame();
  ASSERT_EQ(prompter.texts().size(), 1);
  const QString message = prompter.texts()[0];
  EXPECT_TRUE(message.contains("2007/game3.mdb", Qt::CaseInsensitive)) << message.toStdString();
  EXPECT_TRUE(message.contains(c.reason)) << message.toStdString();
  QCoreApplication::processEvents();
  EXPECT_EQ(app.forms().find<frmNewGame>(), nullptr);
  EXPECT_FALSE(app.vars().gameFormActive());
  EXPECT_EQ(app.vars().entrySections(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Entry, UnopenableTest,
                         testing::Values(UnopenableCase{"missing", nullptr, "Could not find file"},
                                         UnopenableCase{"foreign", "just some text, not a database",
                                                        "is not a YardMark database"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(EntryTest, AGameChosenInTheOpenDialogIsFoundWhateverItsLetterCase) {
  const auto file = makeGame("2008", 5);
  addRows(file, "header", std::vector<Row>(1, headerRow("Lions", "Bears", 2008, 5, true)));
  app.vars().gameOpenedFromFile = true;
  app.vars().openGamePath = QString::fromStdString("  " + file.string()).toLower();
  app.vars().currentGameYear = "2008";
  app.vars().currentGameNumber = 5;
  window->show();
  form = &app.forms().show<frmNewGame>();
  EXPECT_EQ(form->gameFilePath(), file);
  EXPECT_EQ(text("txtOwnTeamName"), "Lions");
}

}  // namespace
}  // namespace yardmark::test
