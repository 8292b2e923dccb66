// The twilight class by the Sun's altitude and the sky colour by class and colour mode.
#include "Twilight.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace velarion::solar;
namespace kit = velarion::kit;

TEST(Twilight, EachBoundBelongsToTheDarkerClass) {
  const struct {
    double altitude;
    TTwilightClass expected;
  } cases[] = {
      {45.0, kDay},
      {-0.8499, kDay},
      {-0.85, kCivilTwilight},
      {-0.9, kCivilTwilight},
      {-5.9999, kCivilTwilight},
      {-6.0, kNauticalTwilight},
      {-11.9999, kNauticalTwilight},
      {-12.0, kAstronomicalTwilight},
      {-17.9999, kAstronomicalTwilight},
      {-18.0, kNight},
      {-90.0, kNight},
      {std::nan(""), kNight},
  };
  for (const auto& c : cases) EXPECT_EQ(TwilightClass(c.altitude), c.expected) << c.altitude;
}

TEST(Twilight, TheSkyColourFollowsTheClassAsFarAsTheModeAllows) {
  velarion::kit::TColourTable colours{};
  for (int i = 0; i < velarion::kit::kColourTableEntries; ++i) colours[i] = 0x100u + i;
  constexpr int N = kit::kNightBackgroundColour, D = kit::kDayBackgroundColour;
  constexpr int C = kit::kCivilTwilightBackgroundColour,
                A = kit::kAstronomicalTwilightBackgroundColour;
  // Rows: class 0..4; columns: mode 0..3.
  const int expected[5][4] = {
      {N, N, N, N},  // night
      {N, N, N, A},  // astronomical twilight
      {N, N, N, A},  // nautical twilight
      {N, N, C, C},  // civil twilight
      {N, D, D, D},  // day
  };
  for (int twilight = 0; twilight <= 4; ++twilight) {
    for (uint8_t mode = 0; mode <= 3; ++mode) {
      EXPECT_EQ(SkyColour(static_cast<TTwilightClass>(twilight), mode, colours),
                colours[expected[twilight][mode]])
          << twilight << " " << int(mode);
    }
  }
  EXPECT_EQ(kit::kNightBackgroundColour, 0);
  EXPECT_EQ(kit::kDayBackgroundColour, 1);
  EXPECT_EQ(kit::kCivilTwilightBackgroundColour, 12);
  EXPECT_EQ(kit::kAstronomicalTwilightBackgroundColour, 13);
}

}  // namespace
