// The five player sections driven by their buttons, each run through the same cases from the
// table the engine reads; the rows list under each; and the all-sections check on closing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QTest>

#include "support/EntryFixture.h"

namespace yardmark::test {
namespace {

TEST_P(Sections, AddNewTabsThroughTheBoxesAndSaveStoresThemInOrder) {
  start();
  EXPECT_EQ(mode(), Mode::Empty);
  press(addNew());
  EXPECT_EQ(focused(), box(0));
  for (std::size_t i = 1; i <= c.boxes.size(); ++i) {
    QTest::keyClick(focused(), Qt::Key_Tab);
    QWidget* expected = i < c.boxes.size() ? static_cast<QWidget*>(box(i)) : combo();
    EXPECT_TRUE(focused() == expected || focused()->parentWidget() == expected) << "after Tab " << i;
  }
  EXPECT_TRUE(rows().empty()) << "nothing is written before Save";
  typeRow(row(101, "Smith John A"));
  prompter.answer(Answer::Ok);
  press(button("Save"));
  EXPECT_EQ(prompter.texts(), QStringList{"Updated successfully"});
  EXPECT_EQ(mode(), Mode::Browsing);
  EXPECT_EQ(shown(), row(101, "Smith John A"));
  EXPECT_EQ(rows(), Rows{row(101, "Smith John A")});
}

TEST_P(Sections, MovesStopAtBothEndsWithTheirMessages) {
  seedRows(3);
  start();
  EXPECT_EQ(mode(), Mode::Browsing);
  EXPECT_EQ(shown(), row(30, "Player C")) << "activation shows the last row";
  // Button, the row shown after it, the message told.
  const std::tuple<const char*, int, const char*> moves[] = {
      {"Next", 30, "Last Record..!"}, {"First", 10, nullptr}, {"Previous", 10, "First Record..!"},
      {"Next", 20, nullptr},          {"Last", 30, nullptr},  {"Previous", 20, nullptr}};
  for (const auto& [name, first, message] : moves) {
    SCOPED_TRACE(name);
    prompter.clear();
    if (message) prompter.answer(Answer::Ok);
    press(button(name));
    EXPECT_EQ(prompter.texts(), message ? QStringList{message} : QStringList{});
    EXPECT_EQ(shown(), row(first, std::string("Player ") + char('A' + first / 10 - 1)));
  }
}

TEST_P(Sections, SaveWithAnEmptyBoxKeepsAddingAndWritesNothing) {
  start();
  press(addNew());
  auto typed = row(1, "");
  typeRow(typed);
  for (int attempt = 0; attempt < 2; ++attempt) {
    prompter.answer(Answer::Ok);
    press(button("Save"));
    EXPECT_EQ(prompter.texts().last(), c.emptyMessage);
    EXPECT_EQ(focused(), box(0));
    EXPECT_EQ(mode(), Mode::Adding);
    EXPECT_EQ(shown(), typed);
    EXPECT_TRUE(rows().empty());
    // Second round: a name but the last number box empty.
    QTest::keyClicks(combo()->lineEdit(), "Doe Jane");
    box(c.boxes.size() - 1)->clear();
    typed = shown();
  }
}

TEST_P(Sections, UndoAddNewWritesNothingAndShowsTheLastRowAgain) {
  start();
  press(addNew());
  typeRow(row(5, "Doe Jane"));
  press(undoNew());
  EXPECT_EQ(mode(), Mode::Empty);
  EXPECT_EQ(shown(), std::vector<std::string>(c.boxes.size() + 1));
  EXPECT_TRUE(rows().empty());

  addRow(row(7, "Doe Jane"));
  press(addNew());
  typeRow(row(9, "Roe Rick"));
  press(undoNew());
  EXPECT_EQ(mode(), Mode::Browsing);
  EXPECT_EQ(shown(), row(7, "Doe Jane"));
  EXPECT_EQ(rows(), Rows{row(7, "Doe Jane")});
  EXPECT_FALSE(form->newRowPending(c.table));
}

TEST_P(Sections, EditTheSecondRowThenDeleteAskingFirstDownToNone) {
  seedRows(3);
  start();
  press(button("First"));
  press(button("Next"));
  press(button("Edit"));
  EXPECT_EQ(mode(), Mode::Editing);
  EXPECT_EQ(focused(), box(0));
  box(0)->clear();
  QTest::keyClicks(box(0), "77");
  prompter.answer(Answer::Ok);
  press(button("Save"));
  EXPECT_EQ(mode(), Mode::Browsing);
  EXPECT_EQ(shown(), row(30, "Player C")) << "a save shows the last row";
  auto second = row(20, "Player B");
  second[0] = "77";
  EXPECT_EQ(rows(), (Rows{row(10, "Player A"), second, row(30, "Player C")}));

  press(button("Previous"));
  prompter.clear();
  prompter.answer(Answer::No);
  press(button("Delete"));
  EXPECT_EQ(prompter.records().at(0).text, "Are you sure you want to delete");
  EXPECT_EQ(prompter.records().at(0).buttons, Buttons::YesNo);
  EXPECT_EQ(rows().size(), 3u) << "No changes nothing";
  prompter.answer(Answer::Yes).answer(Answer::Ok);
  press(button("Delete"));
  EXPECT_EQ(prompter.texts().last(), "The record has been deleted");
  EXPECT_EQ(rows(), (Rows{row(10, "Player A"), row(30, "Player C")}));
  EXPECT_EQ(shown(), row(30, "Player C"));
  EXPECT_EQ(mode(), Mode::Browsing);
  for (int left = 1; left >= 0; --left) {
    prompter.answer(Answer::Yes).answer(Answer::Ok);
    press(button("Delete"));
  }
  EXPECT_TRUE(rows().empty());
  EXPECT_EQ(shown(), std::vector<std::string>(c.boxes.size() + 1));
  EXPECT_EQ(mode(), Mode::Empty) << "only Add New is left";
}

TEST_P(Sections, BoxesKeepTheirKeyRulesAndStoreWhatTheyHold) {
  start();
  press(addNew());
  QTest::keyClicks(box(0), "12a3456");  // no letters, at most five digits
  EXPECT_EQ(box(0)->text(), "12345");
  for (std::size_t i = 1; i < c.boxes.size(); ++i) QTest::keyClicks(box(i), "0");
  box(c.boxes.size() - 1)->setText(" ");                    // pasted: a blank is not empty, and stores 0
  QTest::keyClicks(combo()->lineEdit(), "O'Neil 2nd Pat");  // not in the roster; no digits
  prompter.answer(Answer::Ok);
  press(button("Save"));
  auto expected = std::vector<std::string>(c.boxes.size(), "0");
  expected[0] = "12345";
  expected.push_back("O'Neil nd Pat");
  EXPECT_EQ(rows(), Rows{expected});
}

INSTANTIATE_TEST_SUITE_P(AllFive, Sections, kAllFive, sectionName);

using RowsList = Sections;

TEST_P(RowsList, ClickMovesRefusedWhileEditingAndFollowsSaveAndDelete) {
  // "Player B: 20 21 ..." as the list shows a row.
  const auto asListed = [](const std::vector<std::string>& r) {
    QString text = QString::fromStdString(r.back()) + QLatin1Char(':');
    for (std::size_t i = 0; i + 1 < r.size(); ++i) text += QLatin1Char(' ') + QString::fromStdString(r[i]);
    return text;
  };
  QListWidget* list = nullptr;
  const auto clickRow = [&](int index) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(index)).center());
  };
  seedRows(3);
  start();
  list = rowsList();
  EXPECT_EQ(listed(), (QStringList{asListed(row(10, "Player A")), asListed(row(20, "Player B")),
                                     asListed(row(30, "Player C"))}));
  EXPECT_EQ(list->currentRow(), 2);

  clickRow(0);
  EXPECT_EQ(shown(), row(10, "Player A"));
  clickRow(1);
  EXPECT_EQ(shown(), row(20, "Player B"));
  press(button("Next"));  // the moves go on from the clicked row
  EXPECT_EQ(shown(), row(30, "Player C"));
  EXPECT_EQ(list->currentRow(), 2);
  press(button("Previous"));

  press(button("Edit"));
  EXPECT_FALSE(list->isEnabled());
  clickRow(2);
  EXPECT_EQ(shown(), row(20, "Player B")) << "a click while editing is refused";
  QTest::keyClicks(box(0), "7");
  prompter.answer(Answer::Ok);
  press(button("Save"));
  auto edited = row(20, "Player B");
  edited[0] = "207";
  EXPECT_EQ(listed().at(1), asListed(edited));
  EXPECT_EQ(list->currentRow(), 2) << "the save shows the last row";

  clickRow(0);
  prompter.answer(Answer::Yes).answer(Answer::Ok);
  press(button("Delete"));
  EXPECT_EQ(listed(), (QStringList{asListed(edited), asListed(row(30, "Player C"))}));
  addRow(row(40, "Player D"));
  EXPECT_EQ(listed().size(), 3);
  EXPECT_EQ(list->currentRow(), 2);
  EXPECT_TRUE(prompter.texts().filter("Record..!").isEmpty()) << "no move message on the way";
}

INSTANTIATE_TEST_SUITE_P(All, RowsList, kAllFive, sectionName);

TEST_F(EntryTest, ClosingSavesCompleteAddsAndShowsThePageOfAnIncompleteOne) {
  const auto game = makeGame();
  addRows(game, "header", {headerRow("Eagles", "Hawks", 2007, 3, true)});
  addRows(game, "quarter", {Row{0, 7, 3, 0, 0, 7, 0, 0, 3, 14}});
  addRows(game, "teamStats", {Row(20, Value(1))});
  openGame();
  for (std::size_t i = 0; i < kPlayerSections.size(); ++i)
    EXPECT_TRUE(w<QGroupBox>(("Frame" + std::to_string(i + 4)).c_str())->isAncestorOf(w(kPlayerSections[i].combo)));

  // Closing with an add under way and its name missing: that page is shown and the user asked.
  const auto& rushing = kPlayerSections[0];
  const auto& defense = kPlayerSections[4];
  click(rushing.addNew);
  for (const auto& nb : rushing.boxes) type(nb.name, "5");
  QTest::keyClicks(w<QComboBox>(rushing.combo)->lineEdit(), "Walk On");
  click(defense.addNew);
  for (const auto& nb : defense.boxes) type(nb.name, "1");
  prompter.answer(Answer::Ok).answer(Answer::Yes);
  EXPECT_FALSE(form->unload());
  EXPECT_EQ(prompter.texts().at(0), "Fields cannot be empty.  Please enter Defense data.");
  EXPECT_EQ(form->SSTab1->currentIndex(), 3);
  QTest::keyClicks(w<QComboBox>(defense.combo)->lineEdit(), "Walk Off");
  EXPECT_TRUE(form->unload()) << "everything complete: no question";
  EXPECT_EQ(rowsOf(game, "rushing"), (Rows{{"5", "5", "5", "5", "Walk On"}}));
  EXPECT_EQ(rowsOf(game, "defense").at(0).back(), "Walk Off");
}

}  // namespace
}  // namespace yardmark::test
