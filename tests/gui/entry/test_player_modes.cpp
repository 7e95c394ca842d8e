// The modes of the player-section engine: what each offers, the widgets following the mode,
// and the modes across the form's life: activation, the all-sections check and writes the
// database refuses.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QTest>
#include <filesystem>

#include "support/EntryFixture.h"

namespace yardmark::test {
namespace {

using Mode = PlayerSection::Mode;

TEST(PlayerSectionModes, EachModeOffersItsControls) {
  // Add New, Undo Add New shown, Edit / Delete / moves, Save, boxes, rows list.
  const std::pair<Mode, PlayerSection::Controls> offered[] = {
      {Mode::Empty, {true, false, false, false, false, false}},
      {Mode::Browsing, {true, false, true, false, false, true}},
      {Mode::Adding, {false, true, false, true, true, false}},
      {Mode::Editing, {false, false, false, true, true, false}},
      {Mode::AddSavedSilently, {false, true, true, false, false, true}},
      {Mode::EditSavedSilently, {false, false, true, false, false, true}},
  };
  for (const auto& [mode, controls] : offered)
    EXPECT_EQ(PlayerSection::controlsIn(mode), controls) << "mode " << static_cast<int>(mode);
}

using SectionModes = Sections;

TEST_P(SectionModes, TheAllSectionsCheckSavesOnceAndTheWidgetsFollowTheMode) {
  start();
  auto& vars = app.vars();
  const auto expectMode = [&](Mode m) {
    EXPECT_EQ(mode(), m);
    EXPECT_EQ(controlsShown(), PlayerSection::controlsIn(m)) << "mode " << static_cast<int>(m);
  };
  const int frame = c.table - kRushing + 4, tab2 = form->SSTab2->currentIndex();
  EXPECT_TRUE(w<QGroupBox>(("Frame" + std::to_string(frame)).c_str())->isAncestorOf(combo()));
  expectMode(Mode::Empty);
  press(addNew());
  expectMode(Mode::Adding);
  // The check tells what is missing and shows the page of the section.
  form->selectTabs(0, (tab2 + 1) % 3);
  prompter.answer(Answer::Ok);
  vars.checkAllSections();
  EXPECT_TRUE(vars.emptyFieldFound);
  EXPECT_EQ(prompter.texts().at(0).toStdString(), "Fields cannot be empty.  Please enter " +
                                                         std::string(c.section == EntrySection::Defense ? "" : "Offense ") +
                                                         c.name + " data.");
  EXPECT_EQ(form->SSTab1->currentIndex(), c.section == EntrySection::Defense ? 3 : 2);
  if (frame < 7) {
    EXPECT_EQ(form->SSTab2->currentIndex(), tab2);
  }
  prompter.clear();

  typeRow(row(3, "Doe Jane"));
  vars.checkAllSections();
  vars.checkAllSections();
  EXPECT_FALSE(vars.emptyFieldFound);
  EXPECT_EQ(rows(), Rows{row(3, "Doe Jane")});
  expectMode(Mode::AddSavedSilently);
  press(undoNew());
  expectMode(Mode::Browsing);

  press(button("Edit"));
  expectMode(Mode::Editing);
  box(0)->clear();
  QTest::keyClicks(box(0), "8");
  vars.checkAllSections();
  vars.checkAllSections();
  expectMode(Mode::EditSavedSilently);
  auto edited = row(3, "Doe Jane");
  edited[0] = "8";
  EXPECT_EQ(rows(), Rows{edited});
  EXPECT_TRUE(prompter.texts().isEmpty());

  // A section whose Add New is offered is not visited, even with empty boxes.
  prompter.answer(Answer::Yes).answer(Answer::Ok);
  press(button("Delete"));
  expectMode(Mode::Empty);
  vars.checkAllSections();
  EXPECT_FALSE(vars.emptyFieldFound);
}

TEST_P(SectionModes, ActivationKeepsTypingWhileAddingOrEditing) {
  seedRows(2);
  start();
  press(addNew());
  QTest::keyClicks(box(0), "42");
  QTest::keyClicks(combo()->lineEdit(), "Half Typed");
  activate();
  EXPECT_EQ(mode(), Mode::Adding);
  EXPECT_EQ(box(0)->text(), "42");
  EXPECT_EQ(combo()->currentText(), "Half Typed");
  press(undoNew());

  press(button("Previous"));
  press(button("Edit"));
  QTest::keyClicks(box(0), "9");
  activate();
  EXPECT_EQ(mode(), Mode::Editing);
  prompter.answer(Answer::Ok);
  press(button("Save"));
  EXPECT_EQ(rows().at(0).at(0), "109") << "the edited row, not the one last shown";

  // Typing for one game is not kept when the form comes back for another.
  press(addNew());
  QTest::keyClicks(box(0), "13");
  makeGame("2007", 4);
  app.vars().currentGameNumber = 4;
  activate();
  EXPECT_EQ(mode(), Mode::Empty);
  EXPECT_EQ(shown(), std::vector<std::string>(c.boxes.size() + 1));
  EXPECT_FALSE(form->newRowPending(c.table));

  // A section only showing rows shows the file as it now is; a row removed elsewhere leaves none.
  seed(game, table, {row(60, "Player F")});
  app.vars().currentGameNumber = 3;
  activate();
  EXPECT_EQ(shown(), row(60, "Player F"));
  {
    Database db(game);
    while (db.openRecordset("select * from " + table).recordCount() > 0)
      db.openRecordset("select * from " + table).deleteRow();
  }
  activate();
  EXPECT_EQ(mode(), Mode::Empty);
}

TEST_P(SectionModes, ASaveIntoARemovedGameFileIsToldAndClosingAsksFirst) {
  seedRows(1);
  start();
  std::filesystem::remove(game);
  press(addNew());
  typeRow(row(4, "Doe Jane"));
  prompter.answer(Answer::Ok);
  press(button("Save"));
  ASSERT_EQ(prompter.texts().size(), 1);
  EXPECT_TRUE(prompter.texts()[0].startsWith("The record could not be saved.")) << prompter.texts()[0].toStdString();
  EXPECT_EQ(mode(), Mode::Adding);
  EXPECT_EQ(shown(), row(4, "Doe Jane"));
  // Closing tries the saves again (the game's three rows, then this one) and asks before leaving.
  prompter.clear();
  for (int told = 0; told < 4; ++told) prompter.answer(Answer::Ok);
  prompter.answer(Answer::Yes);
  EXPECT_FALSE(form->unload());
  EXPECT_TRUE(prompter.texts().value(3).startsWith("The record could not be saved."));
  EXPECT_TRUE(prompter.texts().last().startsWith("Some data may have been lost"));
  EXPECT_EQ(mode(), Mode::Adding);
  EXPECT_FALSE(std::filesystem::exists(game)) << "no new file was made";
}

INSTANTIATE_TEST_SUITE_P(AllFive, SectionModes, kAllFive, sectionName);

}  // namespace
}  // namespace yardmark::test
