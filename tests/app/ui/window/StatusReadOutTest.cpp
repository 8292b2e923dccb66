#include "StatusReadOut.h"

#include "Cp1251.h"

#include <gtest/gtest.h>

namespace velarion::ui {
namespace {

TEST(StatusReadOut, RightAscensionAndHourAngleInHoursDeclinationInDegrees) {
  struct TCase {
    double raDeg, decDeg, siderealHours;
    bool hourAngle;
    const char* expected;
  };
  const TCase cases[] = {
      {150.0, 20.0, 0.0, false, "Ra:10ч 0м 0.0с Dec:+20° 0' 0\""},
      {359.99, -5.5, 0.0, false, "Ra:23ч 59м 57.6с Dec:-5° 30' 0\""},
      {150.0, 20.0, 12.0, true, " t:2ч 0м 0.0с Dec:+20° 0' 0\""},
      {150.0, 0.0, 8.0, true, " t:22ч 0м 0.0с Dec:0° 0' 0\""},  // west of the meridian wraps
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(velplatform::Cp1251ToUtf8(
                  EquatorialReadOut(c.raDeg, c.decDeg, c.siderealHours, c.hourAngle)),
              c.expected);
  }
  EXPECT_EQ(velplatform::Cp1251ToUtf8(HorizontalReadOut(123.456, -1.5)), "Аз.:123.46° Выс.:-1.50°");
}

TEST(StatusReadOut, TheAngleToolsAngleInDegreesMinutesAndSeconds) {
  struct TCase {
    double degrees;
    const char* dragged;
    const char* message;
  };
  const TCase cases[] = {
      {12.5, "Угол:  12° 30' 0\"", "Угловое расстояние: 12° 30' 0\" (12.5000°)"},
      {90.0, "Угол:  90° 0' 0\"", "Угловое расстояние: 90° 0' 0\" (90.0000°)"},
      {0.0125, "Угол:  0° 0' 45\"", "Угловое расстояние: 0° 0' 45\" (0.0125°)"},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(velplatform::Cp1251ToUtf8(DraggedAngleReadOut(c.degrees)), c.dragged);
    EXPECT_EQ(velplatform::Cp1251ToUtf8(AngleMessage(c.degrees)), c.message);
  }
}

}  // namespace
}  // namespace velarion::ui
