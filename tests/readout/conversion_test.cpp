#include "readout/conversion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vorlix {
namespace {

TEST(RoundHalfUp, HalvesGoAwayFromZeroAndTheNudgeCatchesNearHalves) {
  struct Case {
    double in;
    double out;
  };
  const Case cases[] = {
      {0.5, 1.0},   {2.5, 3.0},    {-2.5, -3.0},       {0.49, 0.0},          {1.4999999999999, 2.0},
      {-0.4, -0.0}, {99.5, 100.0}, {0.5 - 2e-12, 0.0}, {0.5 - 0.5e-12, 1.0}, {7.0, 7.0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RoundHalfUp(c.in), c.out) << "in=" << c.in;
  }
  EXPECT_EQ(RoundHalfUp(0.0), 0.0);
  EXPECT_TRUE(std::isnan(RoundHalfUp(std::numeric_limits<double>::quiet_NaN())));
}

TEST(TruncateToInt, TowardZeroKeepingTheLow32Bits) {
  EXPECT_EQ(TruncateToInt(18.75), 18);
  EXPECT_EQ(TruncateToInt(-9.5), -9);
  EXPECT_EQ(TruncateToInt(-0.9), 0);
  EXPECT_EQ(TruncateToInt(4294967296.0 + 5.0), 5);    // 2^32 + 5 wraps to 5
  EXPECT_EQ(TruncateToInt(2147483648.0), INT32_MIN);  // 2^31 wraps negative
  EXPECT_EQ(TruncateToInt(16777215.0), 16777215);
  EXPECT_EQ(TruncateToInt(std::numeric_limits<double>::quiet_NaN()), 0);
  EXPECT_EQ(TruncateToInt(1e300), -1);  // clamped to INT64_MAX, whose low bits are all set
}

TEST(TextRules, IntegerRealAndHexForms) {
  EXPECT_EQ(IntegerText(0), "0");
  EXPECT_EQ(IntegerText(-1234), "-1234");
  EXPECT_EQ(IntegerText(INT32_MIN), "-2147483648");
  EXPECT_EQ(RealText(0.0), "0");
  EXPECT_EQ(RealText(47.0), "47");
  EXPECT_EQ(RealText(100.0), "100");
  EXPECT_EQ(RealText(1234567890123.0), "1234567890123");
  EXPECT_EQ(RealText(12345678901234.0), "1.234567890123e+13");
  EXPECT_EQ(HexField(0, 2), "00");
  EXPECT_EQ(HexField(10, 2), "0A");
  EXPECT_EQ(HexField(255, 2), "FF");
  EXPECT_EQ(HexField(0x3264C8, 6), "3264C8");
  EXPECT_EQ(HexField(0xFF, 6), "0000FF");
  EXPECT_EQ(HexField(0x1234567, 6), "234567");  // rightmost six remain
  EXPECT_EQ(HexField(0xABC, 8), "00000ABC");
}

}  // namespace
}  // namespace vorlix
