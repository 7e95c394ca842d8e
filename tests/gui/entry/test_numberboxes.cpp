// What the key filters let into the boxes: yards that can be lost and sacks that can be shared,
// other boxes digits only, team names letters only.
#include "support/EntryFixture.h"

namespace yardmark::test {
namespace {

TEST_F(EntryTest, YardsTakeALeadingMinusAndSacksAHalfWhileOtherBoxesKeepToDigits) {
  const auto file = makeGame();
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

  // A lost yardage and a half sack are stored as figures.
  retype("txtQBSacks", "0.5");
  for (const PlayerSectionConfig* s : {&kPlayerSections[0], &kPlayerSections[4]}) {
    for (const auto& nb : s->boxes)
      if (text(nb.name).isEmpty()) type(nb.name, "1");
    QTest::keyClicks(w<QComboBox>(s->combo)->lineEdit(), "Smith John");
    prompter.answer(Answer::Ok);
    click(s->button("Save").c_str());
  }
  EXPECT_EQ(rowsOf(file, "rushing"), (Rows{{"7", "-8", "1", "1", "Smith John"}}));
  EXPECT_EQ(rowsOf(file, "defense").at(0).at(2), "0.5");
}

}  // namespace
}  // namespace yardmark::test
