// The label texts of the grid lines: the formatted angle with the zero fields dropped.
#include "GridLabels.h"

#include "Cp1251.h"
#include "Language.h"

#include <gtest/gtest.h>

namespace {

using namespace velarion::catalogues;
using velplatform::Cp1251;

TEST(GridLabels, HourCircles) {
  const std::pair<int32_t, const char*> cases[] = {{900, "1ч "},     {2250, "2ч 30м"},
                                                   {1350, "1ч 30м"}, {0, "0ч "},
                                                   {6, "0ч 0.4м"},   {21585, "23ч 59м"}};
  for (auto [ra, text] : cases) EXPECT_EQ(HourCircleText(ra), Cp1251(text)) << text;
}

TEST(GridLabels, DeclinationAndHorizontalCircles) {
  EXPECT_EQ(DeclinationText(600), Cp1251("+10° "));
  EXPECT_EQ(DeclinationText(-2130), Cp1251("-35° 30'"));
  EXPECT_EQ(DeclinationText(0), Cp1251("0° "));
  EXPECT_EQ(HorizontalAngleText(150), Cp1251("2° 30'"));
  EXPECT_EQ(HorizontalAngleText(5400), Cp1251("90° "));
}

TEST(GridLabels, SmallNormalFont) { EXPECT_EQ(SmallLabel("x"), std::string("\x01\x07x\x08")); }

}  // namespace
