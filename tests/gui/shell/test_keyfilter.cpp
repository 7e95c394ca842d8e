#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "gui/shell/KeyFilter.h"

using namespace yardmark;

// The keys typing below does not show.
TEST(KeyRules, KeepOrDropEachKey) {
  const struct {
    const char* rule;
    KeyRule fn;
    int key, length;
    bool kept;
  } cases[] = {
      {"number: blank", isItNumber, ' ', 0, false},
      {"number: Enter", isItNumber, kEnter, 0, true},
      {"number: Enter when full", isItNumber, kEnter, 5, false},
      {"name: apostrophe", nameKey, '\'', 3, true},
      {"name: 26th character", nameKey, 'x', 25, true},
      {"name: 27th character", nameKey, 'x', 26, false},
      {"name: Backspace at 26", nameKey, kBackspace, 26, true},
      {"digits: long text", digitKey, '9', 40, true},
      {"digits: letter", digitKey, 'q', 0, false},
      {"alpha: non-Latin", [](int k, int) { return isItAlphaNumber(k); }, 0x141, 0, true},
  };
  for (const auto& c : cases) EXPECT_EQ(c.fn(c.key, c.length) != 0, c.kept) << c.rule;
}

TEST(KeyRules, TypingThroughTheFilterOfABoxAndOfAComboBox) {
  QLineEdit box;
  installKeyFilter(&box, isItNumber);
  QTest::keyClicks(&box, "12a34567");
  EXPECT_EQ(box.text(), "12345");
  QTest::keyClick(&box, Qt::Key_Backspace);
  QTest::keyClicks(&box, "9");
  EXPECT_EQ(box.text(), "12349");
  QTest::keyClick(&box, Qt::Key_Home);
  QTest::keyClick(&box, Qt::Key_Delete);  // types no character: not filtered
  EXPECT_EQ(box.text(), "2349");

  QComboBox combo;
  combo.setEditable(true);
  installKeyFilter(combo.lineEdit(), nameKey);
  QTest::keyClicks(combo.lineEdit(), "Sm1th J0hn");
  EXPECT_EQ(combo.currentText(), "Smth Jhn");
}
