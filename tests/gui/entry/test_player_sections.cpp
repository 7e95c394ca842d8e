// The five player sections driven by their buttons, each run through the same cases from the
// table the engine reads.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "SectionFixture.h"

namespace yardmark::test {
namespace {

TEST_P(Sections, AddNewTabsThroughTheBoxesAndSaveStoresThemInOrder) {
  f.start();
  EXPECT_EQ(f.mode(), Mode::Empty);
  f.click(f.addNew());
  EXPECT_EQ(focused(), f.box(0));
  for (std::size_t i = 1; i <= c.boxes.size(); ++i) {
    QTest::keyClick(focused(), Qt::Key_Tab);
    QWidget* expected = i < c.boxes.size() ? static_cast<QWidget*>(f.box(i)) : f.combo();
    EXPECT_TRUE(focused() == expected || focused()->parentWidget() == expected) << "after Tab " << i;
  }
  EXPECT_TRUE(f.rows().empty()) << "nothing is written before Save";
  f.type(row(101, "Smith John A"));
  f.prompter.answer(Answer::Ok);
  f.click(f.button("Save"));
  EXPECT_EQ(f.prompter.texts(), QStringList{"Updated successfully"});
  EXPECT_EQ(f.mode(), Mode::Browsing);
  EXPECT_EQ(f.shown(), row(101, "Smith John A"));
  EXPECT_EQ(f.rows(), Rows{row(101, "Smith John A")});
}

TEST_P(Sections, MovesStopAtBothEndsWithTheirMessages) {
  seedRows(3);
  f.start();
  EXPECT_EQ(f.mode(), Mode::Browsing);
  EXPECT_EQ(f.shown(), row(30, "Player C")) << "activation shows the last row";
  // Button, the row shown after it, the message told.
  const std::tuple<const char*, int, const char*> moves[] = {
      {"Next", 30, "Last Record..!"}, {"First", 10, nullptr}, {"Previous", 10, "First Record..!"},
      {"Next", 20, nullptr},          {"Last", 30, nullptr},  {"Previous", 20, nullptr}};
  for (const auto& [button, first, message] : moves) {
    SCOPED_TRACE(button);
    f.prompter.clear();
    if (message) f.prompter.answer(Answer::Ok);
    f.click(f.button(button));
    EXPECT_EQ(f.prompter.texts(), message ? QStringList{message} : QStringList{});
    EXPECT_EQ(f.shown(), row(first, std::string("Player ") + char('A' + first / 10 - 1)));
  }
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

TEST_P(Sections, EditTheSecondRowThenDeleteAskingFirstDownToNone) {
  seedRows(3);
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
  EXPECT_EQ(f.mode(), Mode::Browsing);
  EXPECT_EQ(f.shown(), row(30, "Player C")) << "a save shows the last row";
  auto second = row(20, "Player B");
  second[0] = "77";
  EXPECT_EQ(f.rows(), (Rows{row(10, "Player A"), second, row(30, "Player C")}));

  f.click(f.button("Previous"));
  f.prompter.clear();
  f.prompter.answer(Answer::No);
  f.click(f.button("Delete"));
  EXPECT_EQ(f.prompter.records().at(0).text, "Are you sure you want to delete");
  EXPECT_EQ(f.prompter.records().at(0).buttons, Buttons::YesNo);
  EXPECT_EQ(f.rows().size(), 3u) << "No changes nothing";
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
  for (std::size_t i = 1; i < c.boxes.size(); ++i) QTest::keyClicks(f.box(i), "0");
  f.box(c.boxes.size() - 1)->setText(" ");                    // pasted: a blank is not empty, and stores 0
  QTest::keyClicks(f.combo()->lineEdit(), "O'Neil 2nd Pat");  // not in the roster; no digits
  f.prompter.answer(Answer::Ok);
  f.click(f.button("Save"));
  auto expected = std::vector<std::string>(c.boxes.size(), "0");
  expected[0] = "12345";
  expected.push_back("O'Neil nd Pat");
  EXPECT_EQ(f.rows(), Rows{expected});
}

INSTANTIATE_TEST_SUITE_P(AllFive, Sections, kAllFive, sectionName);

}  // namespace
}  // namespace yardmark::test
