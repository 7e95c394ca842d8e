// The five player sections driven by their buttons, each run through the same cases from the
// table the engine reads: adding into an empty table, then moves, the rows list, an edit and
// deletes over three rows.

#include <QTest>

#include "support/EntryFixture.h"

namespace yardmark::test {
namespace {

TEST_P(Sections, AddNewTabsThroughTheBoxesRefusesAnEmptyOneAndSavesWhatTheyHold) {
  start();
  EXPECT_EQ(mode(), Mode::Empty);
  press(addNew());
  EXPECT_EQ(focused(), box(0));
  for (std::size_t i = 1; i <= c.boxes.size(); ++i) {
    QTest::keyClick(focused(), Qt::Key_Tab);
    QWidget* expected = i < c.boxes.size() ? static_cast<QWidget*>(box(i)) : combo();
    EXPECT_TRUE(focused() == expected || focused()->parentWidget() == expected) << "after Tab " << i;
  }
  // The name missing, then a name but the last number box empty: refused, the typing stays.
  typeRow(row(1, ""));
  for (int attempt = 0; attempt < 2; ++attempt) {
    const auto typed = shown();
    prompter.answer(Answer::Ok);
    press(button("Save"));
    EXPECT_EQ(std::tuple(prompter.texts().last(), focused(), mode(), shown()),
              std::tuple(QString(c.emptyMessage), static_cast<QWidget*>(box(0)), Mode::Adding, typed));
    QTest::keyClicks(combo()->lineEdit(), "Doe Jane");
    box(c.boxes.size() - 1)->clear();
  }
  press(undoNew());
  EXPECT_EQ(std::tuple(mode(), shown(), rows()),
            std::tuple(Mode::Empty, std::vector<std::string>(c.boxes.size() + 1), Rows{}));

  press(addNew());
  QTest::keyClicks(box(0), "12a3456");  // no letters, at most five digits
  for (std::size_t i = 1; i < c.boxes.size(); ++i) QTest::keyClicks(box(i), "0");
  box(c.boxes.size() - 1)->setText(" ");                    // pasted: a blank is not empty, and stores 0
  QTest::keyClicks(combo()->lineEdit(), "O'Neil 2nd Pat");  // not in the roster; no digits
  prompter.clear();
  prompter.answer(Answer::Ok);
  press(button("Save"));
  auto saved = std::vector<std::string>(c.boxes.size(), "0");
  saved[0] = "12345";
  saved.push_back("O'Neil nd Pat");
  EXPECT_EQ(std::tuple(prompter.texts(), mode(), rows()),
            std::tuple(QStringList{"Updated successfully"}, Mode::Browsing, Rows{saved}));

  press(addNew());
  typeRow(row(9, "Roe Rick"));
  press(undoNew());
  EXPECT_EQ(std::tuple(mode(), shown(), rows(), form->newRowPending(c.table)),
            std::tuple(Mode::Browsing, saved, Rows{saved}, false));
}

TEST_P(Sections, ThreeRowsAreMovedListedEditedAndDeletedDownToNone) {
  seedRows(3);
  start();
  EXPECT_EQ(shown(), row(30, "Player C")) << "activation shows the last row";
  EXPECT_EQ(listed(),
            (QStringList{asListed(row(10, "Player A")), asListed(row(20, "Player B")), asListed(row(30, "Player C"))}));
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
  clickListed(0);
  EXPECT_EQ(shown(), row(10, "Player A"));
  press(button("Next"));  // the moves go on from the clicked row
  EXPECT_EQ(rowsList()->currentRow(), 1);

  // An edit keeps its row while another section's save reopens every view; a click is refused.
  press(button("Edit"));
  EXPECT_EQ(focused(), box(0));
  clickListed(2);
  EXPECT_EQ(shown(), row(20, "Player B"));
  box(0)->clear();
  QTest::keyClicks(box(0), "77");
  otherSectionSaves();
  activate();  // and so does coming back to the form
  prompter.answer(Answer::Ok);
  press(button("Save"));
  EXPECT_EQ(shown(), row(30, "Player C")) << "a save shows the last row";
  auto edited = row(20, "Player B");
  edited[0] = "77";
  EXPECT_EQ(rows(), (Rows{row(10, "Player A"), edited, row(30, "Player C")}));
  EXPECT_EQ(rowsList()->currentRow(), 2);

  clickListed(0);
  prompter.answer(Answer::No);
  press(button("Delete"));
  EXPECT_EQ(std::tuple(prompter.records().back().text, prompter.records().back().buttons, rows().size()),
            std::tuple(QString("Are you sure you want to delete"), Buttons::YesNo, 3u))
      << "No changes nothing";
  prompter.answer(Answer::Yes).answer(Answer::Ok);
  press(button("Delete"));
  EXPECT_EQ(prompter.texts().last(), "The record has been deleted");
  EXPECT_EQ(listed(), (QStringList{asListed(edited), asListed(row(30, "Player C"))}));
  addRow(row(40, "Player D"));
  EXPECT_EQ(rowsList()->currentRow(), 2);
  for (int left = 3; left > 0; --left) {
    prompter.answer(Answer::Yes).answer(Answer::Ok);
    press(button("Delete"));
  }
  EXPECT_EQ(std::tuple(rows(), shown(), mode()),
            std::tuple(Rows{}, std::vector<std::string>(c.boxes.size() + 1), Mode::Empty))
      << "only Add New is left";
}

INSTANTIATE_TEST_SUITE_P(AllFive, Sections, kAllFive, sectionName);

}  // namespace
}  // namespace yardmark::test
