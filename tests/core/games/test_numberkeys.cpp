// The yards and sacks boxes' key rules: a leading minus, a half sack.
#include <gtest/gtest.h>

#include "core/games/NumberKeys.h"

namespace yardmark {
namespace {

TEST(NumberKeys, KeepOrDropEachKey) {
  using Rule = int (*)(int, std::string_view, int);
  const struct {
    const char* what;
    Rule rule;
    const char* text;
    int cursor, key;
    bool kept;
  } cases[] = {
      {"yards: digit", yardsKey, "12", 2, '7', true},
      {"yards: minus before digits", yardsKey, "12", 0, '-', true},
      {"yards: minus after a digit", yardsKey, "12", 1, '-', false},
      {"yards: digit before the minus", yardsKey, "-1", 0, '3', false},
      {"yards: point", yardsKey, "1", 1, '.', false},
      {"yards: fifth character", yardsKey, "-123", 4, '4', true},
      {"yards: sixth character", yardsKey, "-1234", 5, '5', false},
      {"yards: Backspace when full", yardsKey, "-1234", 5, kBackspace, true},
      {"sacks: point", sacksKey, "1", 1, '.', true},
      {"sacks: five after the point", sacksKey, "1.", 2, '5', true},
      {"sacks: other digit after the point", sacksKey, "1.", 2, '0', false},
      {"sacks: anything after the half", sacksKey, "1.5", 3, '5', false},
      {"sacks: second point", sacksKey, "1.5", 1, '.', false},
      {"sacks: minus", sacksKey, "", 0, '-', false},
      {"sacks: sixth character", sacksKey, "12345", 5, '6', false},
      {"sacks: cursor past the text", sacksKey, "1", 4, '2', false},
  };
  for (const auto& c : cases) EXPECT_EQ(c.rule(c.key, c.text, c.cursor) != 0, c.kept) << c.what;
}

}  // namespace
}  // namespace yardmark
