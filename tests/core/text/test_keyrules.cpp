// The key rules of the boxes, key by key; typed through a filter they are the forms' tests.
#include <gtest/gtest.h>

#include <functional>

#include "core/text/KeyRules.h"

namespace yardmark::test {
namespace {

TEST(KeyRules, KeepOrDropEachKey) {
  const auto capped3 = [](int k, int n) { return cappedKey(k, n, 3); };
  const std::tuple<const char*, std::function<int(int, int)>, int, int, bool> cases[] = {
      // key, length: kept
      {"number: blank", isItNumber, ' ', 0, false},
      {"number: fifth digit", isItNumber, '9', 4, true},
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
      {"capped: last character", capped3, 'x', 2, true},
      {"capped: Backspace when full", capped3, kBackspace, 3, false},
  };
  for (const auto& [rule, fn, key, length, kept] : cases) EXPECT_EQ(fn(key, length) != 0, kept) << rule;
}

}  // namespace
}  // namespace yardmark::test
