// The player lists: filled from the roster on every activation of the form.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <filesystem>

#include "SectionFixture.h"
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

TEST(PlayerNameLists, EveryListHoldsTheRosterSortedWithDuplicatesAndEmptyParts) {
  SectionFixture f(kPlayerSections[0]);
  writeRoster(f.root, {{"smith", "Zed", "Q"},
                       {"Adams", "Amy", std::nullopt},  // a contact imported without a middle name
                       {"Smith", "John", "A"},
                       {"Adams", "Amy", ""},
                       {std::nullopt, "Solo", std::nullopt}});
  f.start();
  for (const auto& c : kPlayerSections) {
    auto* combo = f.host->findChild<QComboBox*>(c.combo);
    EXPECT_EQ(itemsOf(combo), (QStringList{" Solo ", "Adams Amy ", "Adams Amy ", "Smith John A", "smith Zed Q"}));
    EXPECT_EQ(combo->currentText(), "") << "a filled list shows no name of its own";
  }

  // On the next activation the lists follow the roster; what a box shows stays.
  f.click(f.addNew());
  QTest::keyClicks(f.combo()->lineEdit(), "Newman Ned");
  writeRoster(f.root, {{"Baker", "Bo", "B"}});
  f.host->activate();
  EXPECT_EQ(itemsOf(f.combo()).size(), 6);
  EXPECT_EQ(f.combo()->currentText(), "Newman Ned");
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
  auto* completer = f.host->findChild<NameCompleter*>(QString(f.config.combo) + "Completer");
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
  EXPECT_FALSE(completer->popup()->isVisible());
  QTest::keyClick(name, Qt::Key_Return);
  EXPECT_EQ(f.combo()->currentText(), "burt") << "a name outside the roster stays as typed";
}

TEST(PlayerNameLists, AnEmptyMissingOrDamagedRosterLeavesEmptyListsAndTypingWorks) {
  for (const char* roster : {"empty", "missing", "damaged"}) {
    SCOPED_TRACE(roster);
    SectionFixture f(kPlayerSections[4]);
    const auto file = f.root.databases() / "yardMark_roster.mdb";
    if (roster == std::string("missing")) std::filesystem::remove(file);
    if (roster == std::string("damaged")) {
      f.root.writeFile("YardMark/databases/yardMark_roster.mdb", "not a database at all");
      f.prompter.answer(Answer::Ok);
    }
    f.start();
    EXPECT_EQ(f.combo()->count(), 0);
    if (roster == std::string("damaged")) {
      ASSERT_EQ(f.prompter.texts().size(), 1);
      EXPECT_TRUE(f.prompter.texts()[0].startsWith("The roster could not be read, so the player lists are empty."));
      EXPECT_TRUE(f.prompter.texts()[0].contains("yardMark_roster.mdb"));
      EXPECT_EQ(readBytes(file), "not a database at all") << "left as it was";
    } else {
      EXPECT_TRUE(f.prompter.texts().isEmpty());
      EXPECT_EQ(Database(file).openRecordset("select * from roster").recordCount(), 0) << "a missing one is made";
    }
    f.addRow(rowFor(f.config, 1, "Walk On"));
    EXPECT_EQ(f.rows(), Rows{rowFor(f.config, 1, "Walk On")});
  }
}

}  // namespace
}  // namespace yardmark::test
