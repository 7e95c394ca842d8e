// The player lists: filled from the roster on every activation of the form.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <filesystem>

#include "SectionFixture.h"
#include "gui/entry/NameCompleter.h"
#include "gui/entry/PlayerNameLists.h"
#include <QAbstractItemView>

namespace yardmark::test {
namespace {

struct Person {
  std::optional<std::string> last, first, middle;
};

void writeRoster(const TempRoot& root, const std::vector<Person>& people) {
  Database db(root.databases() / "yardMark_roster.mdb");
  Recordset rs = db.openRecordset("select * from roster");
  for (const Person& p : people) {
    rs.addNew();
    if (p.last) rs.setField(1, Value(*p.last));
    if (p.first) rs.setField(2, Value(*p.first));
    if (p.middle) rs.setField(3, Value(*p.middle));
    rs.update();
  }
}

QStringList itemsOf(const QComboBox* combo) {
  QStringList items;
  for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
  return items;
}

TEST(PlayerNameLists, EveryListHoldsTheRosterSortedWithDuplicatesAndEmptyParts) {
  SectionFixture f(kPlayerSections[0]);
  writeRoster(f.root, {{"smith", "Zed", "Q"},
                       {"Adams", "Amy", std::nullopt},  // a contact imported without a middle name
                       {"Smith", "John", "A"},
                       {"Adams", "Amy", ""},
                       {std::nullopt, "Solo", std::nullopt}});
  f.start();
  const QStringList expected{" Solo ", "Adams Amy ", "Adams Amy ", "Smith John A", "smith Zed Q"};
  for (const auto& c : kPlayerSections) {
    auto* combo = f.host->findChild<QComboBox*>(c.combo);
    EXPECT_EQ(itemsOf(combo), expected) << c.combo;
    EXPECT_EQ(combo->currentText(), "") << "a filled list shows no name of its own";
  }

  // On the next activation the lists follow the roster; what a box shows stays.
  f.click(f.addNew());
  QTest::keyClicks(f.combo()->lineEdit(), "Newman Ned");
  writeRoster(f.root, {{"Baker", "Bo", "B"}});
  f.host->activate();
  EXPECT_EQ(itemsOf(f.combo()).size(), 6);
  EXPECT_EQ(itemsOf(f.combo())[1], "Adams Amy ");
  EXPECT_EQ(itemsOf(f.combo())[3], "Baker Bo B");
  EXPECT_EQ(f.combo()->currentText(), "Newman Ned");
  EXPECT_EQ(f.mode(), Mode::Adding);

  // Picking a name from the list saves its text.
  f.combo()->setCurrentIndex(3);
  for (std::size_t i = 0; i < f.config.boxes.size(); ++i) QTest::keyClicks(f.box(i), "1");
  f.prompter.answer(Answer::Ok);
  f.click(f.button("Save"));
  EXPECT_EQ(f.rows().at(0).back(), "Baker Bo B");
}

TEST(PlayerNameLists, TypingOffersTheRosterInAPopupTheKeysWalkAndKeepsOtherNames) {
  SectionFixture f(kPlayerSections[0]);
  writeRoster(f.root, {{"Van Buren", "Henry", "J"}, {"Burke", "Ann", "B"}, {"Smith", "John", "A"}});
  f.start();
  f.click(f.addNew());
  QLineEdit* name = f.combo()->lineEdit();
  auto* completer = qobject_cast<NameCompleter*>(f.combo()->completer());
  ASSERT_NE(completer, nullptr);
  name->setFocus();
  QTest::keyClicks(name, "bur");
  EXPECT_EQ(completer->offered(), (QStringList{"Burke Ann B", "Van Buren Henry J"}));
  EXPECT_TRUE(completer->popup()->isVisible());
  EXPECT_EQ(name->text(), "bur") << "nothing is filled in before a pick";
  QTest::keyClick(completer->popup(), Qt::Key_Down);
  QTest::keyClick(completer->popup(), Qt::Key_Down);
  QTest::keyClick(completer->popup(), Qt::Key_Return);
  EXPECT_EQ(f.combo()->currentText(), "Van Buren Henry J");

  name->clear();
  QTest::keyClicks(name, "burt");
  EXPECT_TRUE(completer->offered().isEmpty());
  EXPECT_FALSE(completer->popup()->isVisible());
  QTest::keyClick(name, Qt::Key_Return);
  EXPECT_EQ(f.combo()->currentText(), "burt") << "a name outside the roster stays as typed";
}

TEST(PlayerNameLists, AnEmptyOrMissingRosterLeavesEmptyListsAndTypingWorks) {
  for (const bool missing : {false, true}) {
    SectionFixture f(kPlayerSections[4]);
    const auto roster = f.root.databases() / "yardMark_roster.mdb";
    if (missing) std::filesystem::remove(roster);
    f.start();
    EXPECT_TRUE(f.prompter.texts().isEmpty());
    EXPECT_EQ(f.combo()->count(), 0);
    EXPECT_TRUE(std::filesystem::exists(roster)) << "a missing roster is made, empty";
    EXPECT_EQ(Database(roster).openRecordset("select * from roster").recordCount(), 0);
    f.click(f.addNew());
    f.type(rowFor(f.config, 1, "Walk On"));
    f.prompter.answer(Answer::Ok);
    f.click(f.button("Save"));
    EXPECT_EQ(f.rows(), Rows{rowFor(f.config, 1, "Walk On")});
  }
}

TEST(PlayerNameLists, ADamagedRosterIsToldAndTheFormGoesOn) {
  SectionFixture f(kPlayerSections[1]);
  f.root.writeFile("YardMark/databases/yardMark_roster.mdb", "not a database at all");
  f.prompter.answer(Answer::Ok);
  f.start();
  ASSERT_EQ(f.prompter.texts().size(), 1);
  EXPECT_TRUE(f.prompter.texts()[0].startsWith("The roster could not be read, so the player lists are empty."));
  EXPECT_TRUE(f.prompter.texts()[0].contains("yardMark_roster.mdb"));
  EXPECT_EQ(f.combo()->count(), 0);
  EXPECT_EQ(f.mode(), Mode::Empty);
  EXPECT_EQ(readBytes(f.root.databases() / "yardMark_roster.mdb"), "not a database at all") << "left as it was";
}

}  // namespace
}  // namespace yardmark::test
