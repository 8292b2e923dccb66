#include "ScrolledDevice.h"

#include "RecordingDevice.h"

#include <gtest/gtest.h>

namespace velplatform {
namespace {

TEST(ScrolledDevice, DrawsPicturePointsShiftedByTheScrollPosition) {
  velplatform::TRecordingDevice window(200, 100);
  velplatform::TScrolledDevice scrolled;
  scrolled.Show(window, 300, 50);
  EXPECT_EQ(scrolled.Width(), 500);
  EXPECT_EQ(scrolled.Height(), 150);
  scrolled.SetPixel(310, 60, 0x0000FF);
  EXPECT_EQ(window.GetPixel(10, 10), 0x0000FFu);
  EXPECT_EQ(scrolled.GetPixel(310, 60), 0x0000FFu);
  scrolled.SetClipRect({300, 50, 399, 99});
  ASSERT_TRUE(window.ClipRect().has_value());
  EXPECT_EQ(*window.ClipRect(), (velplatform::TRect{0, 0, 99, 49}));
  EXPECT_EQ(*scrolled.ClipRect(), (velplatform::TRect{300, 50, 399, 99}));
}

}  // namespace
}  // namespace velplatform
