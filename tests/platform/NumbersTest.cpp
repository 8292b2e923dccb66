// Numbers read and written with "." whatever the locale says.
#include "Numbers.h"

#include <gtest/gtest.h>

#include <locale>

namespace {

using namespace velplatform;

// A global locale with a decimal comma, as a user's might be, must change nothing.
struct TCommaDecimals : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
};

class Numbers : public testing::Test {
 protected:
  void SetUp() override {
    previous_ = std::locale::global(std::locale(std::locale::classic(), new TCommaDecimals));
  }
  void TearDown() override { std::locale::global(previous_); }
  std::locale previous_;
};

TEST_F(Numbers, ParsesWithAPointOnly) {
  EXPECT_EQ(ParseDouble("  12.5 "), 12.5);
  EXPECT_EQ(ParseDouble("+3"), 3.0);
  EXPECT_EQ(ParseDouble("-0.25e2"), -25.0);
  EXPECT_EQ(ParseDouble(".5"), 0.5);
  for (const char* bad : {"", "  ", "12,5", "1.2.3", "abc", "5x", "inf", "nan", "--1"}) {
    EXPECT_FALSE(ParseDouble(bad).has_value()) << bad;
  }
  EXPECT_EQ(ParseInteger(" -42 "), -42);
  EXPECT_FALSE(ParseInteger("4.2").has_value());
  EXPECT_FALSE(ParseInteger("99999999999999999999").has_value());
}

TEST_F(Numbers, PrintsWithAPoint) {
  EXPECT_EQ(FixedToText(3.14159, 2), "3.14");
  EXPECT_EQ(FixedToText(-2.675, 1), "-2.7");
  EXPECT_EQ(FixedToText(1e6, 1), "1000000.0");
  EXPECT_EQ(DoubleToText(0.1), "0.1");
  EXPECT_EQ(IntegerToText(-12345), "-12345");
}

}  // namespace
