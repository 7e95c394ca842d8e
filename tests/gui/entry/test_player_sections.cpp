// The five player sections driven by their buttons, each run through the same cases from the
// table the engine reads.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <map>

#include "SectionFixture.h"

namespace yardmark::test {
namespace {

// Box and column names as the game file's layout spells them, written out apart from the
// section table so that a slip in either shows.
const std::map<std::string, std::vector<std::pair<const char*, const char*>>> kColumnOfBox = {
    {"Rushing",
     {{"txtRushATT", "indRushATT"},
      {"txtRushYDS", "indRushYDS"},
      {"txtRushTDS", "indRushTDS"},
      {"txtRush2PTS", "indRush2PTS"},
      {"cmbRushPlayerName", "indPlayerName"}}},
    {"Passing",
     {{"txtPassingComp", "indPassCOMP"},
      {"txtPassingATT", "indPassATT"},
      {"txtPassingYDS", "indPassYDS"},
      {"txtPassingTDS", "indPassTDS"},
      {"txtPassingINT", "indPassINT"},
      {"cmbPassingPlayerName", "indPlayerName"}}},
    {"Receiving",
     {{"txtReceivingREC", "indRecREC"},
      {"txtReceivingYDS", "indRecYDS"},
      {"txtReceivingTDS", "indRecTDS"},
      {"txtReceiving2PTS", "indRec2PTS"},
      {"cmbReceivingPlayerName", "indPlayerName"}}},
    {"Scoring",
     {{"txtScoringTD", "indScoreTD"},
      {"txtScoringPAT", "indScorePAT"},
      {"txtScoring2PTS", "indScore2PTS"},
      {"txtScoringFG", "indScoreFG"},
      {"txtScoringPTS", "indScorePTS"},
      {"cmbScoringPlayerName", "indPlayerName"}}},
    {"Defense",
     {{"txtUnassisted", "defUnassisted"},
      {"txtAssists", "defAssists"},
      {"txtQBSacks", "defQBSacks"},
      {"txtPassDeflects", "defPassDeflects"},
      {"txtFumble", "defFumbleRecoveries"},
      {"txtFumbleCaused", "defFumblesCaused"},
      {"txtINTS", "defINTS"},
      {"txtBlocked", "defBlockedKicks"},
      {"cmbDefensePlayerName", "defPlayerName"}}},
};

TEST_P(Sections, AFreshGameOffersOnlyAddNewAndEveryBoxHasItsLabel) {
  f.start();
  EXPECT_EQ(f.mode(), Mode::Empty);
  EXPECT_EQ(f.shown(), std::vector<std::string>(c.boxes.size() + 1));
  const auto labelOf = [&](QWidget* w) -> QString {
    for (QLabel* l : f.host->findChildren<QLabel*>())
      if (l->buddy() == w && l->isVisible()) return l->text();
    return "(none)";
  };
  for (std::size_t i = 0; i < c.boxes.size(); ++i) EXPECT_EQ(labelOf(f.box(i)), c.boxes[i].label);
  EXPECT_EQ(labelOf(f.combo()), "Player Name");
  // Caption, tool tip; the four moves show their picture only, the caption being for screen readers.
  const std::vector<std::array<std::string, 3>> buttons = {
      {c.button("First"), "First", "First"}, {c.button("Previous"), "Previous", "Previous"},
      {c.button("Next"), "Next", "Next"},    {c.button("Last"), "Last", "Last"},
      {c.addNew, "Add", "Add New"},          {c.undoNew, "Undo", "Undo Add New"},
      {c.button("Edit"), "Edit", "Edit"},    {c.button("Delete"), "Delete", "Delete"},
      {c.button("Save"), "Save", "Save"}};
  for (const auto& [name, caption, tip] : buttons) {
    EXPECT_EQ(f.button(name)->text().toStdString(), caption) << name;
    EXPECT_EQ(f.button(name)->toolTip().toStdString(), tip) << name;
  }
  for (const char* move : {"First", "Previous", "Next", "Last"}) {
    auto* b = qobject_cast<QToolButton*>(f.button(move));
    ASSERT_NE(b, nullptr) << move;
    EXPECT_EQ(b->toolButtonStyle(), Qt::ToolButtonIconOnly) << move;
    EXPECT_FALSE(b->icon().isNull()) << move;
  }

  // Tab runs through the boxes in column order, then to the name.
  f.click(f.addNew());
  EXPECT_EQ(focused(), f.box(0));
  for (std::size_t i = 1; i <= c.boxes.size(); ++i) {
    QTest::keyClick(focused(), Qt::Key_Tab);
    QWidget* expected = i < c.boxes.size() ? static_cast<QWidget*>(f.box(i)) : f.combo();
    EXPECT_TRUE(focused() == expected || focused()->parentWidget() == expected) << "after Tab " << i;
  }
}

TEST_P(Sections, AddNewAndSaveStoresEachBoxInItsColumn) {
  f.start();
  f.click(f.addNew());
  EXPECT_EQ(f.mode(), Mode::Adding);
  EXPECT_EQ(f.rows().size(), 0u) << "nothing is written before Save";
  const auto& columns = kColumnOfBox.at(c.name);
  std::vector<std::string> typed;
  for (std::size_t i = 0; i + 1 < columns.size(); ++i) typed.push_back(std::to_string(101 * (i + 1)));
  typed.push_back("Smith John A");
  f.type(typed);
  f.prompter.answer(Answer::Ok);
  f.click(f.button("Save"));
  EXPECT_EQ(f.prompter.texts(), QStringList{"Updated successfully"});
  EXPECT_EQ(f.mode(), Mode::Browsing);
  EXPECT_EQ(f.shown(), typed);

  Database db(f.game, Database::Mode::ReadOnly);
  Recordset rs = db.openRecordset("select * from " + f.table);
  ASSERT_EQ(rs.recordCount(), 1);
  for (std::size_t i = 0; i < columns.size(); ++i)
    EXPECT_EQ(textOf(rs.field(columns[i].second)), typed[i]) << columns[i].first;
  EXPECT_TRUE(rs.field(columns.back().second).isText());
}

TEST_P(Sections, MovesStopAtBothEndsWithTheirMessages) {
  seedRows(3);
  f.start();
  EXPECT_EQ(f.mode(), Mode::Browsing);
  EXPECT_EQ(f.shown(), row(30, "Player C")) << "activation shows the last row";

  f.prompter.answer(Answer::Ok);
  f.click(f.button("Next"));
  EXPECT_EQ(f.prompter.texts(), QStringList{"Last Record..!"});
  EXPECT_EQ(f.shown(), row(30, "Player C"));
  f.click(f.button("First"));
  EXPECT_EQ(f.shown(), row(10, "Player A"));
  f.prompter.answer(Answer::Ok);
  f.click(f.button("Previous"));
  EXPECT_EQ(f.prompter.texts().last(), "First Record..!");
  EXPECT_EQ(f.shown(), row(10, "Player A"));
  f.click(f.button("Next"));
  EXPECT_EQ(f.shown(), row(20, "Player B"));
  f.click(f.button("Last"));
  f.click(f.button("Previous"));
  EXPECT_EQ(f.shown(), row(20, "Player B"));
  EXPECT_EQ(f.prompter.records().size(), 2u);
}

TEST_P(Sections, SaveWithAnEmptyBoxKeepsAddingAndWritesNothing) {
  f.start();
  f.click(f.addNew());
  auto typed = row(1, "");
  f.type(typed);
  for (int attempt = 0; attempt < 2; ++attempt) {
    f.prompter.answer(Answer::Ok);
    f.click(f.button("Save"));
    EXPECT_EQ(f.prompter.texts().last(), c.emptyMessage);
    EXPECT_EQ(focused(), f.box(0));
    EXPECT_EQ(f.mode(), Mode::Adding);
    EXPECT_EQ(f.shown(), typed);
    EXPECT_TRUE(f.rows().empty());
    // Second round: a name but the last number box empty.
    QTest::keyClicks(f.combo()->lineEdit(), "Doe Jane");
    f.box(c.boxes.size() - 1)->clear();
    typed = f.shown();
  }
}

TEST_P(Sections, UndoAddNewWritesNothingAndShowsTheLastRowAgain) {
  f.start();
  f.click(f.addNew());
  f.type(row(5, "Doe Jane"));
  f.click(f.undoNew());
  EXPECT_EQ(f.mode(), Mode::Empty);
  EXPECT_EQ(f.shown(), std::vector<std::string>(c.boxes.size() + 1));
  EXPECT_TRUE(f.rows().empty());

  f.addRow(row(7, "Doe Jane"));
  f.click(f.addNew());
  f.type(row(9, "Roe Rick"));
  f.click(f.undoNew());
  EXPECT_EQ(f.mode(), Mode::Browsing);
  EXPECT_EQ(f.shown(), row(7, "Doe Jane"));
  EXPECT_EQ(f.rows(), Rows{row(7, "Doe Jane")});
  EXPECT_FALSE(f.host->newRowPending(c.table));
}

TEST_P(Sections, EditingTheSecondOfFiveWritesItAndThenShowsTheFifth) {
  seedRows(5);
  f.start();
  f.click(f.button("First"));
  f.click(f.button("Next"));
  f.click(f.button("Edit"));
  EXPECT_EQ(f.mode(), Mode::Editing);
  EXPECT_EQ(focused(), f.box(0));
  f.box(0)->clear();
  QTest::keyClicks(f.box(0), "77");
  f.prompter.answer(Answer::Ok);
  f.click(f.button("Save"));
  EXPECT_EQ(f.prompter.texts(), QStringList{"Updated successfully"});
  EXPECT_EQ(f.mode(), Mode::Browsing);
  EXPECT_EQ(f.shown(), row(50, "Player E"));
  auto second = row(20, "Player B");
  second[0] = "77";
  EXPECT_EQ(f.rows(),
            (Rows{row(10, "Player A"), second, row(30, "Player C"), row(40, "Player D"), row(50, "Player E")}));
}

TEST_P(Sections, DeleteAsksAndRemovesTheRowShown) {
  seedRows(3);
  f.start();
  f.click(f.button("Previous"));
  f.prompter.answer(Answer::No);
  f.click(f.button("Delete"));
  EXPECT_EQ(f.prompter.records().at(0).text, "Are you sure you want to delete");
  EXPECT_EQ(f.prompter.records().at(0).buttons, Buttons::YesNo);
  EXPECT_EQ(f.rows().size(), 3u) << "No changes nothing";
  EXPECT_EQ(f.shown(), row(20, "Player B"));
  EXPECT_EQ(f.mode(), Mode::Browsing);

  f.prompter.answer(Answer::Yes).answer(Answer::Ok);
  f.click(f.button("Delete"));
  EXPECT_EQ(f.prompter.texts().last(), "The record has been deleted");
  EXPECT_EQ(f.rows(), (Rows{row(10, "Player A"), row(30, "Player C")}));
  EXPECT_EQ(f.shown(), row(30, "Player C"));
  EXPECT_EQ(f.mode(), Mode::Browsing);

  for (int left = 1; left >= 0; --left) {
    f.prompter.answer(Answer::Yes).answer(Answer::Ok);
    f.click(f.button("Delete"));
  }
  EXPECT_TRUE(f.rows().empty());
  EXPECT_EQ(f.shown(), std::vector<std::string>(c.boxes.size() + 1));
  EXPECT_EQ(f.mode(), Mode::Empty) << "only Add New is left";
}

TEST_P(Sections, BoxesKeepTheirKeyRulesAndStoreWhatTheyHold) {
  f.start();
  f.click(f.addNew());
  QTest::keyClicks(f.box(0), "12a3456");  // no letters, at most five digits
  EXPECT_EQ(f.box(0)->text(), "12345");
  QTest::keyClick(f.box(0), Qt::Key_Backspace);
  EXPECT_EQ(f.box(0)->text(), "1234");
  for (std::size_t i = 1; i < c.boxes.size(); ++i) QTest::keyClicks(f.box(i), "0");
  f.box(c.boxes.size() - 1)->setText(" ");                    // pasted: a blank is not empty, and stores 0
  QTest::keyClicks(f.combo()->lineEdit(), "O'Neil 2nd Pat");  // not in the roster; no digits
  EXPECT_EQ(f.combo()->currentText(), "O'Neil nd Pat");
  f.prompter.answer(Answer::Ok);
  f.click(f.button("Save"));
  auto expected = std::vector<std::string>(c.boxes.size(), "0");
  expected[0] = "1234";
  expected.push_back("O'Neil nd Pat");
  EXPECT_EQ(f.rows(), Rows{expected});
}

INSTANTIATE_TEST_SUITE_P(AllFive, Sections, kAllFive, sectionName);

}  // namespace
}  // namespace yardmark::test
