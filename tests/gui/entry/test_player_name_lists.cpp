// The player lists: filled from the roster on every activation of the form.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <filesystem>

#include "support/EntryFixture.h"
#include "gui/entry/NameCompleter.h"

namespace yardmark::test {
namespace {

struct Person {
  std::optional<std::string> last, first, middle;
};

void writeRoster(const TempRoot& root, const std::vector<Person>& people) {
  Recordset rs = Database(root.databases() / "yardMark_roster.mdb").openRecordset("select * from roster");
  for (const Person& p : people) {
    rs.addNew();
    for (int i = 0; i < 3; ++i)
      if (const auto& part = i == 0 ? p.last : i == 1 ? p.first : p.middle) rs.setField(i + 1, Value(*part));
    rs.update();
  }
}

QStringList itemsOf(const QComboBox* combo) {
  QStringList items;
  for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
  return items;
}

using PlayerNameLists = Sections;

TEST_P(PlayerNameLists, EveryListHoldsTheRosterSortedAndTypingOffersItsNamesInAPopup) {
  writeRoster(root, {{"smith", "Zed", "Q"},
                     {"Adams", "Amy", std::nullopt},  // a contact imported without a middle name
                     {"Van Buren", "Henry", "J"},
                     {"Smith", "John", "A"},
                     {"Adams", "Amy", ""},
                     {"Burke", "Ann", "B"},
                     {std::nullopt, "Solo", std::nullopt}});
  start();
  for (const auto& s : kPlayerSections) {
    auto* list = w<QComboBox>(s.combo);
    EXPECT_EQ(itemsOf(list), (QStringList{" Solo ", "Adams Amy ", "Adams Amy ", "Burke Ann B", "Smith John A",
                                          "smith Zed Q", "Van Buren Henry J"}));
    EXPECT_EQ(list->currentText(), "") << "a filled list shows no name of its own";
  }

  // On the next activation the lists follow the roster; what a box shows stays.
  press(addNew());
  QLineEdit* name = combo()->lineEdit();
  QTest::keyClicks(name, "Newman Ned");
  writeRoster(root, {{"Baker", "Bo", "B"}});
  activate();
  EXPECT_EQ(itemsOf(combo()).size(), 8);
  EXPECT_EQ(combo()->currentText(), "Newman Ned");

  auto* completer = form->findChild<NameCompleter*>(QString(c.combo) + "Completer");
  ASSERT_NE(completer, nullptr);
  name->clear();
  name->setFocus();
  QTest::keyClicks(name, "bur");
  EXPECT_EQ(completer->offered(), (QStringList{"Burke Ann B", "Van Buren Henry J"}));
  EXPECT_TRUE(completer->popup()->isVisible());
  EXPECT_EQ(name->text(), "bur") << "nothing is filled in before a pick";
  QTest::keyClick(completer->popup(), Qt::Key_Down);
  QTest::keyClick(completer->popup(), Qt::Key_Down);
  QTest::keyClick(completer->popup(), Qt::Key_Return);
  EXPECT_EQ(combo()->currentText(), "Van Buren Henry J");

  name->clear();
  QTest::keyClicks(name, "burt");
  EXPECT_FALSE(completer->popup()->isVisible());
  QTest::keyClick(name, Qt::Key_Return);
  EXPECT_EQ(combo()->currentText(), "burt") << "a name outside the roster stays as typed";
}

TEST_P(PlayerNameLists, AnEmptyMissingOrDamagedRosterLeavesEmptyListsAndTypingWorks) {
  const auto file = root.databases() / "yardMark_roster.mdb";
  start();
  EXPECT_EQ(combo()->count(), 0);
  std::filesystem::remove(file);
  activate();
  EXPECT_EQ(Database(file).openRecordset("select * from roster").recordCount(), 0) << "a missing one is made";
  EXPECT_TRUE(prompter.texts().isEmpty());

  root.writeFile("YardMark/databases/yardMark_roster.mdb", "not a database at all");
  prompter.answer(Answer::Ok);
  activate();
  ASSERT_EQ(prompter.texts().size(), 1);
  EXPECT_TRUE(prompter.texts()[0].startsWith("The roster could not be read, so the player lists are empty."));
  EXPECT_TRUE(prompter.texts()[0].contains("yardMark_roster.mdb"));
  EXPECT_EQ(readBytes(file), "not a database at all") << "left as it was";
  EXPECT_EQ(combo()->count(), 0);
  addRow(row(1, "Walk On"));
  EXPECT_EQ(rows(), Rows{row(1, "Walk On")});
}

INSTANTIATE_TEST_SUITE_P(Rushing, PlayerNameLists, testing::Values(&kPlayerSections[0]), sectionName);

}  // namespace
}  // namespace yardmark::test
