#include "drill.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

// The result as the dialogue prints it; any NaN as "nan", since its sign is the FPU's choice.
std::string Shown(double value) {
  if (std::isnan(value)) {
    return "nan";
  }
  char text[64];
  std::snprintf(text, sizeof text, "%.3f", value);
  return text;
}

TEST(EvaluateFormula, GivesThePrintedResult) {
  const struct {
    double a, b, c, d;
    const char* expected;
  } cases[] = {
      {1, 2, 3, 4, "-3.750"},
      {2, 1, 2, 0, "4.250"},
      {5, 3, 4, 2, "6.278"},  // 6.2777...: rounded, not cut
      {4, 0, 0, 2, "-1.500"},
      {1, 2, 3, 3, "inf"},                                // c = d
      {2, 2, 1, 0, "inf"},                                // a = b with a + c > 0
      {-5, 1, 1, 0, "nan"},                               // a + c < 0
      {1, 2, -1, 0, "inf"},                               // a + c = 0: the last term divides by zero
      {-2, 1, 3, 3, "-inf"},                              // c = d with a + b < 0
      {0.5, 1e16, 0.25, -1e16, "13333333333333334.000"},  // only (X + Y) + Z gives this
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Shown(EvaluateFormula(c.a, c.b, c.c, c.d)), c.expected)
        << c.a << ", " << c.b << ", " << c.c << ", " << c.d;
  }
}

TEST(ReverseDigits, ReversesTheLastThreeDigits) {
  const struct {
    int x;
    int expected;
  } cases[] = {
      {123, 321},  {907, 709},   {999, 999}, {101, 101},          {100, 1},
      {910, 19},   {120, 21},    {5, 500},   {45, 540},           {0, 0},
      {1234, 442}, {-123, -321}, {-5, -500}, {INT_MAX, 21475576}, {INT_MIN, -21475676},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReverseDigits(c.x), c.expected) << c.x;
  }
}

}  // namespace
