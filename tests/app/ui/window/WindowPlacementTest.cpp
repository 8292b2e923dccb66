#include "WindowPlacement.h"

#include <gtest/gtest.h>

namespace velarion::ui {
namespace {

TEST(WindowPlacement, ARememberedRectangleComesBackWhollyOnTheScreenAndUsable) {
  const velplatform::TRect screen{0, 0, 1920, 1080};
  struct TCase {
    velplatform::TRect remembered;
    velplatform::TRect expected;
  };
  const TCase cases[] = {
      {{100, 100, 500, 400}, {100, 100, 500, 400}},         // fits: unchanged
      {{1800, 1000, 2200, 1300}, {1520, 780, 1920, 1080}},  // beyond the right and bottom
      {{-3000, -50, -2600, 250}, {0, 0, 400, 300}},         // beyond the left and top
      {{10, 10, 12, 11}, {10, 10, 360, 160}},               // too small to use
      {{0, 0, 5000, 4000}, {0, 0, 1920, 1080}},             // larger than the screen
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(KeepOnScreen(c.remembered, screen, 350, 150), c.expected)
        << c.remembered.left << "," << c.remembered.top;
  }
}

}  // namespace
}  // namespace velarion::ui
