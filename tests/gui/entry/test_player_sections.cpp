// The five player sections, each run through the same cases from the table the engine reads.
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

class Sections : public testing::TestWithParam<const PlayerSectionConfig*> {
 protected:
  const PlayerSectionConfig& c = *GetParam();
  SectionFixture f{c};
  // Another section of the same form.
  const PlayerSectionConfig& other = kPlayerSections[(c.table - kRushing + 1) % kPlayerSections.size()];

  std::vector<std::string> row(int first, const std::string& name) { return rowFor(c, first, name); }
  void seedRows(int n) {
    Rows rows;
    for (int i = 1; i <= n; ++i) rows.push_back(row(10 * i, "Player " + std::string(1, char('A' + i - 1))));
    seed(f.game, f.table, rows);
  }
  QWidget* focused() { return QApplication::focusWidget(); }
};

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

const std::map<std::string, QString> kCheckMessage = {
    {"Rushing", "Fields cannot be empty.  Please enter Offense Rushing data."},
    {"Passing", "Fields cannot be empty.  Please enter Offense Passing data."},
    {"Receiving", "Fields cannot be empty.  Please enter Offense Receiving data."},
    {"Scoring", "Fields cannot be empty.  Please enter Offense Scoring data."},
    {"Defense", "Fields cannot be empty.  Please enter Defense data."},
};

TEST_P(Sections, AFreshGameOffersOnlyAddNewAndEveryBoxHasItsLabel) {
  f.start();
  EXPECT_EQ(f.state(), kEmpty);
  EXPECT_EQ(f.shown(), std::vector<std::string>(c.boxes.size() + 1));
  const auto labelOf = [&](QWidget* w) -> QString {
    for (QLabel* l : f.host->findChildren<QLabel*>())
      if (l->buddy() == w && l->isVisible()) return l->text();
    return "(none)";
  };
  for (std::size_t i = 0; i < c.boxes.size(); ++i) EXPECT_EQ(labelOf(f.box(i)), c.boxes[i].label);
  EXPECT_EQ(labelOf(f.combo()), "Player Name");
  // Caption, tool tip; the four moves show their picture only, as designed.
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
  EXPECT_EQ(f.state(), kAdding);
  EXPECT_EQ(f.rows().size(), 0u) << "nothing is written before Save";
  const auto& columns = kColumnOfBox.at(c.name);
  std::vector<std::string> typed;
  for (std::size_t i = 0; i + 1 < columns.size(); ++i) typed.push_back(std::to_string(101 * (i + 1)));
  typed.push_back("Smith John A");
  f.type(typed);
  f.prompter.answer(Answer::Ok);
  f.click(f.button("Save"));
  EXPECT_EQ(f.prompter.texts(), QStringList{"Updated successfully"});
  EXPECT_EQ(f.state(), kBrowsing);
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
  EXPECT_EQ(f.state(), kBrowsing);
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
    EXPECT_EQ(f.state(), kAdding);
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
  EXPECT_EQ(f.state(), kEmpty);
  EXPECT_EQ(f.shown(), std::vector<std::string>(c.boxes.size() + 1));
  EXPECT_TRUE(f.rows().empty());

  f.addRow(row(7, "Doe Jane"));
  f.click(f.addNew());
  f.type(row(9, "Roe Rick"));
  f.click(f.undoNew());
  EXPECT_EQ(f.state(), kBrowsing);
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
  EXPECT_EQ(f.state(), kEditing);
  EXPECT_EQ(focused(), f.box(0));
  f.box(0)->clear();
  QTest::keyClicks(f.box(0), "77");
  f.prompter.answer(Answer::Ok);
  f.click(f.button("Save"));
  EXPECT_EQ(f.prompter.texts(), QStringList{"Updated successfully"});
  EXPECT_EQ(f.state(), kBrowsing);
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
  EXPECT_EQ(f.state(), kBrowsing);

  f.prompter.answer(Answer::Yes).answer(Answer::Ok);
  f.click(f.button("Delete"));
  EXPECT_EQ(f.prompter.texts().last(), "The record has been deleted");
  EXPECT_EQ(f.rows(), (Rows{row(10, "Player A"), row(30, "Player C")}));
  EXPECT_EQ(f.shown(), row(30, "Player C"));
  EXPECT_EQ(f.state(), kBrowsing);

  for (int left = 1; left >= 0; --left) {
    f.prompter.answer(Answer::Yes).answer(Answer::Ok);
    f.click(f.button("Delete"));
  }
  EXPECT_TRUE(f.rows().empty());
  EXPECT_EQ(f.shown(), std::vector<std::string>(c.boxes.size() + 1));
  EXPECT_EQ(f.state(), kEmpty) << "only Add New is left";
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

TEST_P(Sections, ActivationKeepsTypingWhileAddingOrEditing) {
  seedRows(2);
  f.start();
  f.click(f.addNew());
  QTest::keyClicks(f.box(0), "42");
  QTest::keyClicks(f.combo()->lineEdit(), "Half Typed");
  f.host->activate();
  EXPECT_EQ(f.state(), kAdding);
  EXPECT_EQ(f.box(0)->text(), "42");
  EXPECT_EQ(f.combo()->currentText(), "Half Typed");
  f.click(f.undoNew());

  f.click(f.button("Previous"));
  f.click(f.button("Edit"));
  f.box(0)->clear();
  QTest::keyClicks(f.box(0), "99");
  f.host->activate();
  EXPECT_EQ(f.state(), kEditing);
  EXPECT_EQ(f.box(0)->text(), "99");
  f.prompter.answer(Answer::Ok);
  f.click(f.button("Save"));
  auto first = row(10, "Player A");
  first[0] = "99";
  EXPECT_EQ(f.rows(), (Rows{first, row(20, "Player B")}));

  // Typing for one game is not kept when the form comes back for another.
  f.click(f.addNew());
  QTest::keyClicks(f.box(0), "13");
  f.app.vars().currentGameNumber = 4;
  f.host->activate();
  EXPECT_EQ(f.state(), kBrowsing);
  EXPECT_EQ(f.shown(), row(20, "Player B"));
  EXPECT_FALSE(f.host->newRowPending(c.table));

  // A section only showing rows shows the file as it now is.
  seed(f.game, f.table, {row(60, "Player F")});
  f.host->activate();
  EXPECT_EQ(f.state(), kBrowsing);
  EXPECT_EQ(f.shown(), row(60, "Player F"));
}

TEST_P(Sections, AnEditKeepsItsRowWhenAnotherSectionsSaveReopensEveryView) {
  seedRows(3);
  f.start();
  QWidget* otherSection = &f.host->section(other.table);
  auto otherSaves = [&] {  // Add New and Save in the other section: every view is reopened
    const int reloads = f.host->reloads;
    QTest::mouseClick(otherSection->findChild<QAbstractButton*>(other.addNew), Qt::LeftButton);
    for (const auto& nb : other.boxes) QTest::keyClicks(otherSection->findChild<QLineEdit*>(nb.name), "1");
    QTest::keyClicks(otherSection->findChild<QComboBox*>(other.combo)->lineEdit(), "Other Guy");
    f.prompter.answer(Answer::Ok);
    QTest::mouseClick(otherSection->findChild<QAbstractButton*>(QString::fromStdString(other.button("Save"))),
                      Qt::LeftButton);
    EXPECT_GT(f.host->reloads, reloads);
  };

  f.click(f.button("Previous"));
  f.click(f.button("Edit"));
  f.box(0)->clear();
  QTest::keyClicks(f.box(0), "55");
  otherSaves();
  f.prompter.answer(Answer::Ok);
  f.click(f.button("Save"));
  auto second = row(20, "Player B");
  second[0] = "55";
  EXPECT_EQ(f.rows(), (Rows{row(10, "Player A"), second, row(30, "Player C")}));

  // The same for a silent save, and for moves and a delete after the views were reopened.
  f.click(f.button("First"));
  f.click(f.button("Edit"));
  QTest::keyClicks(f.box(0), "1");
  otherSaves();
  f.host->app().vars().checkAllSections();
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

TEST_P(Sections, TheAllSectionsCheckSavesAnAddOnceHoweverOftenItRuns) {
  f.start();
  auto& vars = f.host->app().vars();
  f.click(f.addNew());
  f.prompter.answer(Answer::Ok);
  vars.checkAllSections();
  EXPECT_TRUE(vars.emptyFieldFound);
  EXPECT_EQ(f.prompter.texts(), QStringList{kCheckMessage.at(c.name)});
  EXPECT_EQ(f.state(), kAdding);
  f.prompter.clear();

  f.type(row(3, "Doe Jane"));
  vars.checkAllSections();
  vars.checkAllSections();
  EXPECT_FALSE(vars.emptyFieldFound);
  EXPECT_EQ(f.rows(), Rows{row(3, "Doe Jane")});
  EXPECT_EQ(f.state(), (SectionFixture::State{false, true, true, false, false})) << "saved silently";
  EXPECT_EQ(f.shown(), row(3, "Doe Jane"));

  f.click(f.button("Edit"));
  f.box(0)->clear();
  QTest::keyClicks(f.box(0), "8");
  vars.checkAllSections();
  vars.checkAllSections();
  auto edited = row(3, "Doe Jane");
  edited[0] = "8";
  EXPECT_EQ(f.rows(), Rows{edited});
  EXPECT_TRUE(f.prompter.texts().isEmpty());

  // A section whose Add New is offered is not visited, even with empty boxes.
  f.prompter.answer(Answer::Yes).answer(Answer::Ok);
  f.click(f.button("Delete"));
  EXPECT_EQ(f.state(), kEmpty);
  vars.checkAllSections();
  EXPECT_FALSE(vars.emptyFieldFound);
  EXPECT_EQ(f.prompter.records().size(), 2u);
}

TEST_P(Sections, AWriteTheEngineRefusesIsToldAndChangesNothing) {
  seedRows(1);
  f.start();
  f.host->mode = Database::Mode::ReadOnly;
  f.click(f.addNew());
  f.type(row(4, "Doe Jane"));
  f.prompter.answer(Answer::Ok);
  f.click(f.button("Save"));
  ASSERT_EQ(f.prompter.texts().size(), 1);
  EXPECT_TRUE(f.prompter.texts()[0].startsWith("The record could not be saved."))
      << f.prompter.texts()[0].toStdString();
  EXPECT_TRUE(f.prompter.texts()[0].contains("read-only"));
  EXPECT_EQ(f.state(), kAdding);
  EXPECT_EQ(f.shown(), row(4, "Doe Jane"));

  EXPECT_EQ(f.host->saveFailures, 0);
  f.prompter.answer(Answer::Ok);
  f.host->app().vars().checkAllSections();
  EXPECT_EQ(f.host->saveFailures, 1) << "so that closing the form asks first";
  EXPECT_EQ(f.prompter.texts().size(), 2);
  EXPECT_TRUE(f.prompter.texts()[1].startsWith("The record could not be saved."));
  EXPECT_EQ(f.state(), kAdding);

  f.click(f.undoNew());
  f.prompter.clear();
  f.prompter.answer(Answer::Yes).answer(Answer::Ok);
  f.click(f.button("Delete"));
  EXPECT_TRUE(f.prompter.texts().last().startsWith("The record could not be deleted."));
  EXPECT_EQ(f.state(), kBrowsing);
  EXPECT_EQ(f.shown(), row(10, "Player A"));

  f.click(f.button("Edit"));
  f.prompter.answer(Answer::Ok);
  f.click(f.button("Save"));
  EXPECT_EQ(f.state(), kEditing);
  EXPECT_FALSE(f.prompter.texts().contains("Updated successfully"));
  EXPECT_EQ(f.rows(), Rows{row(10, "Player A")});
}

INSTANTIATE_TEST_SUITE_P(AllFive, Sections,
                         testing::Values(&kPlayerSections[0], &kPlayerSections[1], &kPlayerSections[2],
                                         &kPlayerSections[3], &kPlayerSections[4]),
                         [](const auto& info) { return std::string(info.param->name); });

}  // namespace
}  // namespace yardmark::test
