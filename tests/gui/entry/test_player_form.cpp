// The five player sections on the entry form itself: their frames, the roster's names, the
// all-sections check on closing, and a game's rows seen again when it is opened again.
#include <QGroupBox>
#include <QTabWidget>

#include "support/EntryFixture.h"

namespace yardmark::test {
namespace {

void addPlayers(const std::filesystem::path& roster, std::initializer_list<const char*> lastNames) {
  Recordset rs = Database(roster).openRecordset("select * from roster");
  for (const char* last : lastNames) {
    rs.addNew();
    rs.setField(1, Value(last));
    rs.setField(2, Value("Sam"));
    rs.setField(3, Value("T"));
    rs.update();
  }
}

TEST_F(EntryTest, PlayerSectionsRecordEveryTableAndTheGameOpensWithThemAgain) {
  addPlayers(root.databases() / "yardMark_roster.mdb", {"Young", "Adams"});
  const auto game = makeGame();
  addRows(game, "header", {headerRow("Eagles", "Hawks", 2007, 3, true)});
  addRows(game, "quarter", {Row{0, 7, 3, 0, 0, 7, 0, 0, 3, 14}});
  addRows(game, "teamStats", {Row(20, Value(1))});
  openGame();

  for (std::size_t i = 0; i < kPlayerSections.size(); ++i) {
    const auto& c = kPlayerSections[i];
    auto* combo = w<QComboBox>(c.combo);
    EXPECT_TRUE(w<QGroupBox>(("Frame" + std::to_string(i + 4)).c_str())->isAncestorOf(combo)) << c.name;
    EXPECT_EQ(combo->count(), 2) << c.name;
    EXPECT_EQ(combo->itemText(0), "Adams Sam T");
    click(c.addNew);
    for (const auto& nb : c.boxes) type(nb.name, "2");
    combo->setCurrentIndex(static_cast<int>(i % 2));
    prompter.answer(Answer::Ok);
    click(c.button("Save").c_str());
  }
  EXPECT_EQ(prompter.texts(), QStringList(5, "Updated successfully"));

  // Closing with an add under way and its name missing: that page is shown and the user asked.
  const auto& rushing = kPlayerSections[0];
  const auto& defense = kPlayerSections[4];
  click(rushing.addNew);
  for (const auto& nb : rushing.boxes) type(nb.name, "5");
  QTest::keyClicks(w<QComboBox>(rushing.combo)->lineEdit(), "Walk On");
  click(defense.addNew);
  for (const auto& nb : defense.boxes) type(nb.name, "1");
  prompter.clear();
  prompter.answer(Answer::Ok).answer(Answer::Yes);
  EXPECT_FALSE(form->unload());
  EXPECT_EQ(prompter.texts().at(0), "Fields cannot be empty.  Please enter Defense data.");
  EXPECT_EQ(form->SSTab1->currentIndex(), 3);
  QTest::keyClicks(w<QComboBox>(defense.combo)->lineEdit(), "Walk Off");
  EXPECT_TRUE(form->unload()) << "everything complete: no question";

  EXPECT_EQ(rowsOf(game, "rushing"), (Rows{{"2", "2", "2", "2", "Adams Sam T"}, {"5", "5", "5", "5", "Walk On"}}));
  const auto defenseRows = rowsOf(game, "defense");
  ASSERT_EQ(defenseRows.size(), 2u);
  EXPECT_EQ(defenseRows[1].back(), "Walk Off");

  openGame();
  for (std::size_t i = 0; i < kPlayerSections.size(); ++i) {
    const auto& c = kPlayerSections[i];
    const bool twoRows = i == 0 || i == 4;
    EXPECT_EQ(w<QComboBox>(c.combo)->currentText(),
              twoRows ? (i == 0 ? "Walk On" : "Walk Off") : (i % 2 ? "Young Sam T" : "Adams Sam T"))
        << c.name;
    EXPECT_EQ(mode<PlayerSection>(c.section), PlayerSection::Mode::Browsing) << c.name;
  }
}

}  // namespace
}  // namespace yardmark::test
