// Check Game: the saved game's findings beside the form, the jump to a finding's page, section
// and row, the refusal while a section is being edited, and the list brought up to date.
#include <QPushButton>
#include <QTreeWidget>
#include <algorithm>

#include "gui/entry/frmGameCheck.h"
#include "support/EntryFixture.h"

namespace yardmark::test {
namespace {

class GameCheckTest : public EntryTest {
 protected:
  // Picks the finding of this section's row and double-clicks it, as the user does.
  void goTo(GameTable table, int row) {
    frmGameCheck* check = form->checkWindow();
    const auto& findings = check->findings();
    const auto it = std::find_if(findings.begin(), findings.end(),
                                 [&](const Finding& f) { return f.table == table && f.row == row; });
    ASSERT_NE(it, findings.end()) << "no finding on row " << row << " of table " << table;
    QTreeWidgetItem* item = check->lstFindings->topLevelItem(static_cast<int>(it - findings.begin()));
    const QPoint at = check->lstFindings->visualItemRect(item).center();
    QTest::mouseClick(check->lstFindings->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(check->lstFindings->viewport(), Qt::LeftButton, {}, at);
  }
  bool hasFinding(GameTable table, int row) const {
    const auto& f = form->checkWindow()->findings();
    return std::any_of(f.begin(), f.end(), [&](const Finding& x) { return x.table == table && x.row == row; });
  }
};

TEST_F(GameCheckTest, FindingsListTheSavedGameAndLeadToTheirSectionAndRow) {
  const auto file = makeGame();
  addGameRows(file, {.header = {headerRow("Eagles", "Hawks", 2007, 3, true)},
                     .quarter = {{0, 7, 0, 7, 0, 0, 0, 0, 0, 14}},
                     .rushing = {{0, 5, 1, 0, "Jones Bob"}, {10, 50, 1, 0, "Smith John"}},
                     .passing = {{21, 19, 120, 0, 1, "Brown Tom"}}});
  openGame();
  QTest::keyClick(box("txtOwnTeamName"), Qt::Key_F7);
  frmGameCheck* check = form->checkWindow();
  ASSERT_NE(check, nullptr);
  EXPECT_TRUE(check->isVisible());
  EXPECT_FALSE(check->isModal());
  EXPECT_EQ(check->lstFindings->topLevelItemCount(), static_cast<int>(check->findings().size()));

  // Completions over attempts: the Offense page, the Passing tab.
  goTo(kPassing, 0);
  EXPECT_EQ(form->SSTab1->currentIndex(), 2);
  EXPECT_EQ(form->SSTab2->currentIndex(), 1);
  // A touchdown without an attempt on the first rusher, while the section shows the last one.
  EXPECT_EQ(text("txtRushATT"), "10");
  goTo(kRushing, 0);
  EXPECT_EQ(form->SSTab2->currentIndex(), 0);
  EXPECT_EQ(text("txtRushATT"), "0");
  EXPECT_EQ(w<QComboBox>("cmbRushPlayerName")->currentText(), "Jones Bob");

  // While a row is being edited the section stays on it.
  click("cmdpasEdit");
  retype("txtPassingComp", "15");
  goTo(kRushing, 0);  // the rushing section is free to move
  prompter.answer(Answer::Ok);
  goTo(kPassing, 0);
  EXPECT_EQ(prompter.texts().back(), "Save or undo the typing in this section before moving to another row.");
  EXPECT_EQ(text("txtPassingComp"), "15");

  // Saved and checked again: the passer's finding is gone, the rusher's stays.
  EXPECT_TRUE(hasFinding(kPassing, 0));
  prompter.answer(Answer::Ok);  // "Updated successfully"
  click("cmdpasSave");
  QTest::mouseClick(form->cmdCheckGame[2], Qt::LeftButton);
  EXPECT_FALSE(hasFinding(kPassing, 0));
  EXPECT_TRUE(hasFinding(kRushing, 0));
  EXPECT_EQ(check->lstFindings->topLevelItemCount(), static_cast<int>(check->findings().size()));
}

}  // namespace
}  // namespace yardmark::test
