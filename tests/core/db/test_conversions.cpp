#include <gtest/gtest.h>

#include "core/db/Value.h"

using namespace yardmark;

TEST(Conversions, NumberFromText) {
  struct Case {
    const char* text;
    double expected;
  } cases[] = {
      {"7 yds", 7},    {"abc", 0}, {"", 0},    {"   12", 12}, {"-3", -3}, {"+4", 4},  {".5", 0.5},
      {"12abc34", 12}, {"1 2", 1}, {"- 3", 0}, {"0007", 7},   {"3.", 3},  {"\t8", 8}, {"x7", 0},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(numberFromText(c.text), c.expected) << '"' << c.text << '"';
}

TEST(Conversions, TextOfValues) {
  struct Case {
    Value v;
    std::string expected;
  } cases[] = {
      {Value(7.0), "7"},
      {Value(-0.0), "0"},
      {Value(-12.0), "-12"},
      {Value(2.5), "2.5"},
      {Value(1.0 / 3.0), "0.333333333333333"},
      {Value(123456789.0), "123456789"},
      {Value(), ""},
      {Value(true), "True"},
      {Value(false), "False"},
      {Value(1e15), "1e+15"},
      {Value(-999999999999999.0), "-999999999999999"},
      {Value(-7.5), "-7.5"},
  };
  for (const auto& c : cases) EXPECT_EQ(textOf(c.v), c.expected);
}

TEST(Conversions, NumberOfValueGoesThroughText) {
  EXPECT_DOUBLE_EQ(numberOf(Value("7 yds")), 7);
  EXPECT_DOUBLE_EQ(numberOf(Value()), 0);
  EXPECT_EQ(trimmed("  a b "), "a b");
}
