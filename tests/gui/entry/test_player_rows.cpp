// The rows list under each player section: it shows every row, a click moves as the move
// buttons do, it is closed while typing, and it follows saves and deletes.
#include <gtest/gtest.h>

#include <QTest>

#include "SectionFixture.h"

namespace yardmark::test {
namespace {

using RowsList = Sections;

TEST_P(RowsList, ClickMovesRefusedWhileEditingAndFollowsSaveAndDelete) {
  // "Player B: 20 21 ..." as the list shows a row.
  const auto listed = [](const std::vector<std::string>& r) {
    QString text = QString::fromStdString(r.back()) + QLatin1Char(':');
    for (std::size_t i = 0; i + 1 < r.size(); ++i) text += QLatin1Char(' ') + QString::fromStdString(r[i]);
    return text;
  };
  QListWidget* list = nullptr;
  const auto clickRow = [&](int index, Qt::KeyboardModifiers keys = {}) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, keys, list->visualItemRect(list->item(index)).center());
  };
  seedRows(3);
  f.start();
  list = f.rowsList();
  EXPECT_EQ(f.listed(), (QStringList{listed(row(10, "Player A")), listed(row(20, "Player B")),
                                     listed(row(30, "Player C"))}));
  EXPECT_EQ(list->currentRow(), 2);

  clickRow(0);
  EXPECT_EQ(f.shown(), row(10, "Player A"));
  clickRow(1, Qt::ControlModifier);
  EXPECT_EQ(list->selectedItems().size(), 1) << "one row at a time";
  EXPECT_EQ(f.shown(), row(20, "Player B"));
  f.click(f.button("Next"));  // the moves go on from the clicked row
  EXPECT_EQ(f.shown(), row(30, "Player C"));
  EXPECT_EQ(list->currentRow(), 2);
  f.click(f.button("Previous"));

  f.click(f.button("Edit"));
  EXPECT_FALSE(list->isEnabled());
  clickRow(2);
  EXPECT_EQ(f.shown(), row(20, "Player B")) << "a click while editing is refused";
  QTest::keyClicks(f.box(0), "7");
  f.prompter.answer(Answer::Ok);
  f.click(f.button("Save"));
  auto edited = row(20, "Player B");
  edited[0] = "207";
  EXPECT_EQ(f.listed().at(1), listed(edited));
  EXPECT_EQ(list->currentRow(), 2) << "the save shows the last row";

  clickRow(0);
  f.prompter.answer(Answer::Yes).answer(Answer::Ok);
  f.click(f.button("Delete"));
  EXPECT_EQ(f.listed(), (QStringList{listed(edited), listed(row(30, "Player C"))}));
  f.addRow(row(40, "Player D"));
  EXPECT_EQ(f.listed().size(), 3);
  EXPECT_EQ(list->currentRow(), 2);
  EXPECT_TRUE(f.prompter.texts().filter("Record..!").isEmpty()) << "no move message on the way";
}

INSTANTIATE_TEST_SUITE_P(All, RowsList, kAllFive, sectionName);

}  // namespace
}  // namespace yardmark::test
