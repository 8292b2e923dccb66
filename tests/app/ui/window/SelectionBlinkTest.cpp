#include "SelectionBlink.h"

#include <gtest/gtest.h>

namespace velarion::ui {
namespace {

TEST(SelectionBlink, SixTogglesAfterThePaint) {
  TSelectionBlink blink;
  EXPECT_FALSE(blink.AfterPaint());  // idle: nothing to start
  blink.Request();
  EXPECT_FALSE(blink.Tick());  // not before the paint drew the marks
  EXPECT_TRUE(blink.AfterPaint());
  int toggles = 0;
  while (blink.Running()) {
    ASSERT_TRUE(blink.Tick());
    ASSERT_LE(++toggles, 6);
  }
  EXPECT_EQ(toggles, 6);
  EXPECT_FALSE(blink.Tick());
}

TEST(SelectionBlink, APaintInTheMiddleLeavesAtMostOneToggle) {
  for (const int before : {1, 2, 3, 4, 5}) {
    TSelectionBlink blink;
    blink.Request();
    blink.AfterPaint();
    for (int i = 0; i < before; ++i) blink.Tick();
    blink.AfterPaint();
    EXPECT_EQ(blink.Counter(), before % 2 == 1 ? 5 : 6) << before;
  }
}

}  // namespace
}  // namespace velarion::ui
