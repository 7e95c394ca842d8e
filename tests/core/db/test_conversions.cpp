#include <gtest/gtest.h>

#include "core/db/Value.h"

using namespace yardmark;

TEST(Conversions, NumbersFromTextAndTheTextNumberAndYesOfValues) {
  using namespace std::string_view_literals;
  const std::pair<std::string_view, double> cases[] = {
      {"7 yds", 7},
      {"abc", 0},
      {"", 0},
      {"   12", 12},
      {"-3", -3},
      {"+4", 4},
      {".5", 0.5},
      {"12abc34", 12},
      {"- 3", 0},
      {"3.", 3},
      {"\t8", 8},
      {"x7", 0},
      {"125"sv.substr(0, 2), 12},
      {"1.25"sv.substr(0, 3), 1.2}};  // the digits after the text are not its own
  for (const auto& [text, expected] : cases) EXPECT_DOUBLE_EQ(numberFromText(text), expected) << '"' << text << '"';
  const std::pair<Value, std::string> texts[] = {{Value(7.0), "7"},
                                                 {Value(-0.0), "0"},
                                                 {Value(-12.0), "-12"},
                                                 {Value(2.5), "2.5"},
                                                 {Value(), ""},
                                                 {Value(true), "True"},
                                                 {Value(false), "False"},
                                                 {Value(1e15), "1e+15"},
                                                 {Value(1.0 / 3.0), "0.333333333333333"},
                                                 {Value(-999999999999999.0), "-999999999999999"}};
  for (const auto& [v, text] : texts) EXPECT_EQ(textOf(v), text);
  // A value's number goes through its text; yes is anything but nought.
  EXPECT_DOUBLE_EQ(numberOf(Value("7 yds")), 7);
  EXPECT_DOUBLE_EQ(numberOf(Value()), 0);
  EXPECT_EQ(trimmed("  a b "), "a b");
  const std::pair<Value, bool> yes[] = {{Value("True"), true}, {Value("False"), false}, {Value("0"), false},
                                        {Value("-1"), true},   {Value(2.0), true},      {Value(), false}};
  for (const auto& [v, want] : yes) EXPECT_EQ(isYes(v), want) << textOf(v);
}
