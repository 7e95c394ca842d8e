// The modes of the player-section engine: what each offers, the widgets following the mode,
// and the modes across the form's life: activation, the all-sections check, another section's
// save and writes the database refuses.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "SectionFixture.h"

namespace yardmark::test {
namespace {

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
  f.start();
  auto& vars = f.app.vars();
  const auto expectMode = [&](Mode mode) {
    EXPECT_EQ(f.mode(), mode);
    EXPECT_EQ(f.controlsShown(), PlayerSection::controlsIn(mode)) << "mode " << static_cast<int>(mode);
  };
  expectMode(Mode::Empty);
  f.click(f.addNew());
  expectMode(Mode::Adding);
  f.prompter.answer(Answer::Ok);
  vars.checkAllSections();
  EXPECT_TRUE(vars.emptyFieldFound);
  EXPECT_EQ(f.prompter.texts().at(0).toStdString(), "Fields cannot be empty.  Please enter " +
                                                         std::string(c.section == EntrySection::Defense ? "" : "Offense ") +
                                                         c.name + " data.");
  f.prompter.clear();

  f.type(row(3, "Doe Jane"));
  vars.checkAllSections();
  vars.checkAllSections();
  EXPECT_FALSE(vars.emptyFieldFound);
  EXPECT_EQ(f.rows(), Rows{row(3, "Doe Jane")});
  expectMode(Mode::AddSavedSilently);
  f.click(f.undoNew());
  expectMode(Mode::Browsing);

  f.click(f.button("Edit"));
  expectMode(Mode::Editing);
  f.box(0)->clear();
  QTest::keyClicks(f.box(0), "8");
  vars.checkAllSections();
  vars.checkAllSections();
  expectMode(Mode::EditSavedSilently);
  auto edited = row(3, "Doe Jane");
  edited[0] = "8";
  EXPECT_EQ(f.rows(), Rows{edited});
  EXPECT_TRUE(f.prompter.texts().isEmpty());

  // A section whose Add New is offered is not visited, even with empty boxes.
  f.prompter.answer(Answer::Yes).answer(Answer::Ok);
  f.click(f.button("Delete"));
  expectMode(Mode::Empty);
  vars.checkAllSections();
  EXPECT_FALSE(vars.emptyFieldFound);
}

TEST_P(SectionModes, ActivationKeepsTypingWhileAddingOrEditing) {
  seedRows(2);
  f.start();
  f.click(f.addNew());
  QTest::keyClicks(f.box(0), "42");
  QTest::keyClicks(f.combo()->lineEdit(), "Half Typed");
  f.host->activate();
  EXPECT_EQ(f.mode(), Mode::Adding);
  EXPECT_EQ(f.box(0)->text(), "42");
  EXPECT_EQ(f.combo()->currentText(), "Half Typed");
  f.click(f.undoNew());

  f.click(f.button("Previous"));
  f.click(f.button("Edit"));
  QTest::keyClicks(f.box(0), "9");
  f.host->activate();
  EXPECT_EQ(f.mode(), Mode::Editing);
  f.prompter.answer(Answer::Ok);
  f.click(f.button("Save"));
  EXPECT_EQ(f.rows().at(0).at(0), "109") << "the edited row, not the one last shown";

  // Typing for one game is not kept when the form comes back for another.
  f.click(f.addNew());
  QTest::keyClicks(f.box(0), "13");
  f.app.vars().currentGameNumber = 4;
  f.host->activate();
  EXPECT_EQ(f.mode(), Mode::Browsing);
  EXPECT_EQ(f.shown(), row(20, "Player B"));
  EXPECT_FALSE(f.host->newRowPending(c.table));

  // A section only showing rows shows the file as it now is; a row removed elsewhere leaves none.
  seed(f.game, f.table, {row(60, "Player F")});
  f.host->activate();
  EXPECT_EQ(f.shown(), row(60, "Player F"));
  {
    Database db(f.game);
    while (db.openRecordset("select * from " + f.table).recordCount() > 0)
      db.openRecordset("select * from " + f.table).deleteRow();
  }
  f.host->activate();
  EXPECT_EQ(f.mode(), Mode::Empty);
}

TEST_P(SectionModes, AnEditKeepsItsRowWhenAnotherSectionsSaveReopensEveryView) {
  seedRows(3);
  f.start();
  QWidget* otherSection = &f.host->section(other.table);
  auto otherSaves = [&] {  // Add New and Save in the other section: every view is reopened
    QTest::mouseClick(otherSection->findChild<QAbstractButton*>(other.addNew), Qt::LeftButton);
    for (const auto& nb : other.boxes) QTest::keyClicks(otherSection->findChild<QLineEdit*>(nb.name), "1");
    QTest::keyClicks(otherSection->findChild<QComboBox*>(other.combo)->lineEdit(), "Other Guy");
    f.prompter.answer(Answer::Ok);
    QTest::mouseClick(otherSection->findChild<QAbstractButton*>(QString::fromStdString(other.button("Save"))),
                      Qt::LeftButton);
  };

  f.click(f.button("Previous"));
  f.click(f.button("Edit"));
  QTest::keyClicks(f.box(0), "5");
  otherSaves();
  f.prompter.answer(Answer::Ok);
  f.click(f.button("Save"));
  auto second = row(20, "Player B");
  second[0] = "205";
  EXPECT_EQ(f.rows(), (Rows{row(10, "Player A"), second, row(30, "Player C")}));

  // The same for a silent save, and for moves and a delete after the views were reopened.
  f.click(f.button("First"));
  f.click(f.button("Edit"));
  QTest::keyClicks(f.box(0), "1");
  otherSaves();
  f.app.vars().checkAllSections();
  EXPECT_EQ(f.rows().at(0).at(0), "101");
  f.click(f.button("Previous"));  // from the last row, shown after the save
  otherSaves();
  f.click(f.button("Next"));
  EXPECT_EQ(f.shown(), row(30, "Player C"));
  f.click(f.button("Previous"));
  otherSaves();
  f.prompter.answer(Answer::Yes).answer(Answer::Ok);
  f.click(f.button("Delete"));
  EXPECT_EQ(f.rows().size(), 2u);
  EXPECT_EQ(f.rows().at(0).at(0), "101");
  EXPECT_EQ(f.rows().at(1), row(30, "Player C"));
}

TEST_P(SectionModes, AWriteTheEngineRefusesIsToldAndChangesNothing) {
  seedRows(1);
  f.start();
  f.host->mode = Database::Mode::ReadOnly;
  f.click(f.addNew());
  f.type(row(4, "Doe Jane"));
  f.prompter.answer(Answer::Ok);
  f.click(f.button("Save"));
  ASSERT_EQ(f.prompter.texts().size(), 1);
  EXPECT_TRUE(f.prompter.texts()[0].startsWith("The record could not be saved.")) << f.prompter.texts()[0].toStdString();
  EXPECT_TRUE(f.prompter.texts()[0].contains("read-only"));
  EXPECT_EQ(f.mode(), Mode::Adding);
  EXPECT_EQ(f.shown(), row(4, "Doe Jane"));

  f.prompter.answer(Answer::Ok);
  f.app.vars().checkAllSections();
  EXPECT_EQ(f.host->saveFailures, 1) << "so that closing the form asks first";
  EXPECT_EQ(f.mode(), Mode::Adding);

  f.click(f.undoNew());
  f.prompter.clear();
  f.prompter.answer(Answer::Yes).answer(Answer::Ok);
  f.click(f.button("Delete"));
  EXPECT_TRUE(f.prompter.texts().last().startsWith("The record could not be deleted."));
  EXPECT_EQ(f.mode(), Mode::Browsing);
  EXPECT_EQ(f.rows(), Rows{row(10, "Player A")});
}

INSTANTIATE_TEST_SUITE_P(AllFive, SectionModes, kAllFive, sectionName);

}  // namespace
}  // namespace yardmark::test
