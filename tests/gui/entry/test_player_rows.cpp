// The rows list under each player section: it shows every row, a click moves as the move
// buttons do, it is closed while typing, and it follows saves and deletes.
#include <gtest/gtest.h>

#include <QTest>

#include "SectionFixture.h"

namespace yardmark::test {
namespace {

class RowsList : public Sections {
 protected:
  // "Player B: 20 21 ..." as the list shows a row.
  QString listedText(const std::vector<std::string>& r) {
    QString text = QString::fromStdString(r.back()) + QLatin1Char(':');
    for (std::size_t i = 0; i + 1 < r.size(); ++i) text += QLatin1Char(' ') + QString::fromStdString(r[i]);
    return text;
  }
  void clickRow(int index) {
    QListWidget* list = f.rowsList();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(index)).center());
  }
  int highlighted() { return f.rowsList()->currentRow(); }
};

TEST_P(RowsList, ClickMovesRefusedWhileEditingAndFollowsSaveAndDelete) {
  seedRows(3);
  f.start();
  EXPECT_EQ(f.listed(), (QStringList{listedText(row(10, "Player A")), listedText(row(20, "Player B")),
                                     listedText(row(30, "Player C"))}));
  EXPECT_EQ(highlighted(), 2);

  clickRow(0);
  EXPECT_EQ(f.shown(), row(10, "Player A"));
  EXPECT_EQ(highlighted(), 0);
  f.click(f.button("Next"));  // the moves go on from the clicked row
  EXPECT_EQ(f.shown(), row(20, "Player B"));
  EXPECT_EQ(highlighted(), 1);

  f.click(f.button("Edit"));
  EXPECT_FALSE(f.rowsList()->isEnabled());
  clickRow(2);
  EXPECT_EQ(f.shown(), row(20, "Player B")) << "a click while editing is refused";
  f.box(0)->clear();
  QTest::keyClicks(f.box(0), "77");
  f.prompter.answer(Answer::Ok);
  f.click(f.button("Save"));
  auto edited = row(20, "Player B");
  edited[0] = "77";
  EXPECT_EQ(f.listed().at(1), listedText(edited));
  EXPECT_EQ(highlighted(), 2) << "the save shows the last row";

  clickRow(0);
  f.prompter.answer(Answer::Yes).answer(Answer::Ok);
  f.click(f.button("Delete"));
  EXPECT_EQ(f.listed(), (QStringList{listedText(edited), listedText(row(30, "Player C"))}));

  f.addRow(row(40, "Player D"));
  EXPECT_EQ(f.listed().size(), 3);
  EXPECT_EQ(highlighted(), 2);
  EXPECT_TRUE(f.prompter.texts().filter("Record..!").isEmpty()) << "no move message on the way";
}

INSTANTIATE_TEST_SUITE_P(All, RowsList, kAllFive, sectionName);

}  // namespace
}  // namespace yardmark::test
