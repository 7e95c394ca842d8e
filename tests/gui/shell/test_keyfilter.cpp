#include <gtest/gtest.h>

#include "gui/shell/KeyFilter.h"

using namespace yardmark;

// Letters, digits and the five-digit limit typed through a filter are the entry forms' tests.
TEST(KeyRules, KeepOrDropEachKey) {
  const struct {
    const char* rule;
    KeyRule fn;
    int key, length;
    bool kept;
  } cases[] = {
      {"number: blank", isItNumber, ' ', 0, false},
      {"number: Backspace when full", isItNumber, kBackspace, 5, true},
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
