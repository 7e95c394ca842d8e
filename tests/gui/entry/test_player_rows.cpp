// The rows list under each player section: it shows every row, a click moves as the move
// buttons do, it is closed while typing, and it follows saves and deletes.
#include <gtest/gtest.h>

#include <QTest>

#include "support/EntryFixture.h"

namespace yardmark::test {
namespace {

using RowsList = Sections;

TEST_P(RowsList, ClickMovesRefusedWhileEditingAndFollowsSaveAndDelete) {
  // "Player B: 20 21 ..." as the list shows a row.
  const auto asListed = [](const std::vector<std::string>& r) {
    QString text = QString::fromStdString(r.back()) + QLatin1Char(':');
    for (std::size_t i = 0; i + 1 < r.size(); ++i) text += QLatin1Char(' ') + QString::fromStdString(r[i]);
    return text;
  };
  QListWidget* list = nullptr;
  const auto clickRow = [&](int index, Qt::KeyboardModifiers keys = {}) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, keys, list->visualItemRect(list->item(index)).center());
  };
  seedRows(3);
  start();
  list = rowsList();
  EXPECT_EQ(listed(), (QStringList{asListed(row(10, "Player A")), asListed(row(20, "Player B")),
                                     asListed(row(30, "Player C"))}));
  EXPECT_EQ(list->currentRow(), 2);

  clickRow(0);
  EXPECT_EQ(shown(), row(10, "Player A"));
  clickRow(1, Qt::ControlModifier);
  EXPECT_EQ(list->selectedItems().size(), 1) << "one row at a time";
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

}  // namespace
}  // namespace yardmark::test
