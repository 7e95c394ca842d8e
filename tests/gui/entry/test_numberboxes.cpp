// What the key filters let into the boxes: yards that can be lost and sacks that can be shared,
// typed through the key filters, saved, and printed by the report page.
#include <QPushButton>
#include <regex>

#include "core/page/PageBlocks.h"
#include "core/page/PageText.h"
#include "support/EntryFixture.h"

namespace yardmark::test {
namespace {

// The figures of a page table's body cells, in order.
std::vector<std::string> numberCells(const std::string& html) {
  static const std::regex cell(R"re(class="number_all">([^<]*)</td>)re");
  std::vector<std::string> figures;
  for (auto it = std::sregex_iterator(html.begin(), html.end(), cell); it != std::sregex_iterator(); ++it)
    figures.push_back((*it)[1]);
  return figures;
}

TEST_F(EntryTest, YardsTakeALeadingMinusAndSacksAHalfWhileOtherBoxesKeepToDigits) {
  makeGame();
  openGame();
  click("cmdruAddNew");
  click("cmdpasAddNew");
  click("cmdrecAddnew");
  click("cmddefAddNew");
  const struct {
    const char* box;
    const char* keys;
    const char* shown;
  } cases[] = {
      {"txtRushYDS", "-12", "-12"},        {"txtRushYDS", "1-2", "12"},       {"txtRushYDS", "--123456", "-1234"},
      {"txtPassingYDS", "-3", "-3"},       {"txtReceivingYDS", "-3", "-3"},   {"txtOwTRushing", "-40", "-40"},
      {"txtOTYrds", "-5", "-5"},           {"txtOwTTO", "-45", "-45"},        {"txtOTTO", "4a-2", "42"},
      {"txtOwTPassing", "-7", "7"},        {"txtRushATT", "-7", "7"},         {"txtQBSacks", "1.5", "1.5"},
      {"txtQBSacks", "0.5.5", "0.5"},      {"txtQBSacks", "1.7", "1."},       {"txtQBSacks", "-1", "1"},
      {"txtUnassisted", "0.5", "05"},      {"txtQuarter1Opp", "12a34567", "12345"},
      {"txtOwnTeamName", "Eagles 7th", "Eagles th"},
  };
  for (const auto& c : cases) {
    retype(c.box, c.keys);
    EXPECT_EQ(text(c.box), c.shown) << c.box << " typed " << c.keys;
  }
  retype("txtOppTeamName", QString(30, 'x'));
  EXPECT_EQ(text("txtOppTeamName"), QString(26, 'x')) << "a team name holds 26 letters";
  // A selection typed over leaves room for the minus in front.
  retype("txtRushYDS", "12");
  box("txtRushYDS")->selectAll();
  type("txtRushYDS", "-8");
  EXPECT_EQ(text("txtRushYDS"), "-8");
}

TEST_F(EntryTest, ALostYardageAndAHalfSackAreSavedAndPrintedAsFigures) {
  const auto file = makeGame();
  openGame();
  click("cmdruAddNew");
  for (const auto& [name, keys] : {std::pair{"txtRushATT", "3"}, {"txtRushYDS", "-12"}, {"txtRushTDS", "0"},
                                   {"txtRush2PTS", "0"}})
    type(name, keys);
  QTest::keyClicks(w<QComboBox>("cmbRushPlayerName"), "Smith John");
  prompter.answer(Answer::Ok);
  click("cmdruSave");
  click("cmddefAddNew");
  for (QLineEdit* b : form->findChild<QWidget*>("Defense")->findChildren<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly))
    type(b->objectName().toLatin1().constData(), b->objectName() == "txtQBSacks" ? "0.5" : "1");
  QTest::keyClicks(w<QComboBox>("cmbDefensePlayerName"), "Jones Bob");
  prompter.answer(Answer::Ok);
  click("cmddefSave");
  EXPECT_EQ(text("txtRushYDS"), "-12");
  EXPECT_EQ(text("txtQBSacks"), "0.5");

  FilledTmp t({.rushing = readRows(file, "rushing"), .defense = readRows(file, "defense")});
  PageText rushing, defense;
  page::rushingTable(rushing, t.sets->rushing);
  page::defenseTable(defense, t.sets->defense);
  // Attempts, yards, average (-12 / 3), touchdowns, two-point plays.
  EXPECT_EQ(numberCells(rushing.take()), (std::vector<std::string>{"3", "-12", "-4", "0", "0"}));
  // Unassisted, assisted, sacks, deflections, total tackles (2.5 rounded half to even, as every
  // total on the page is), recoveries, fumbles caused, interceptions, blocked kicks.
  EXPECT_EQ(numberCells(defense.take()),
            (std::vector<std::string>{"1", "1", "0.5", "1", "2", "1", "1", "1", "1"}));
}

}  // namespace
}  // namespace yardmark::test
