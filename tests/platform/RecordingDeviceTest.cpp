// TRecordingDevice: the log lines the tests of groups assert on, and its pixels.
#include "RecordingDevice.h"

#include "Cp1251.h"
#include "DeviceTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace velplatform;
using namespace veltest;

TEST(RecordingDevice, LogsOneLinePerCall) {
  TRecordingDevice device(16, 16);
  const TPoint three[] = {{1, 2}, {3, 4}, {5, 6}};
  const TPoint five[] = {{1, 2}, {3, 4}, {5, 6}, {7, 8}, {-9, 10}};
  const int32_t counts[] = {3, 2};
  TMonoImage image(2, 3);
  device.SetPen(255);
  device.SetPen(0x02000010, 3, TPenStyle::kDashDot);
  device.SetBrush(65280, TBrushStyle::kNull);
  device.SetTextColor(16777215);
  device.SetRasterOp(TRasterOp::kNotXor);
  device.SetClipRect({1, 2, 3, 4});
  device.ClearClip();
  device.MoveTo(-1, 2);
  device.LineTo(3, -4);
  device.Polyline(three);
  device.PolyPolyline(five, counts);
  device.Polygon(three);
  device.Ellipse({0, 1, 10, 11});
  device.Rectangle({2, 3, 4, 5});
  device.FillRect({0, 0, 16, 16}, 128);
  device.SetPixel(7, 8, 42);
  device.TextOut(10, 20, "Sirius", {"Arial", 12});
  device.TextOut(0, 0, Cp1251("Вега"), {"Symbol", 9, true, true});
  device.SetGreekFamily("Symbol");
  device.DrawMonoImage(image, 4, 5, 1, 2);
  device.DrawMonoImage(image, 4, 5, 1, 2, true);
  EXPECT_EQ(device.Log(), (std::vector<std::string>{
                              "pen 255 1 solid",
                              "pen 33554448 3 dashdot",
                              "brush 65280 null",
                              "textcolor 16777215",
                              "rop notxor",
                              "clip 1,2,3,4",
                              "noclip",
                              "moveto -1,2",
                              "lineto 3,-4",
                              "polyline 3: 1,2 3,4 5,6",
                              "polypolyline 3 2: 1,2 3,4 5,6 7,8 -9,10",
                              "polygon 3: 1,2 3,4 5,6",
                              "ellipse 0,1,10,11",
                              "rectangle 2,3,4,5",
                              "fillrect 0,0,16,16 128",
                              "pixel 7,8 42",
                              "text 10,20 'Sirius' Arial 12",
                              "text 0,0 '" + Cp1251("Вега") + "' Symbol 9 bold italic",
                              "greek Symbol",
                              "image 4,5 2x3 1 2",
                              "image 4,5 2x3 1 transparent",
                          }));
  EXPECT_EQ(device.PenColor(), 0x02000010u);
  EXPECT_EQ(device.BrushColor(), 65280u);
  EXPECT_EQ(device.TextColor(), 16777215u);
  device.ClearLog();
  (void)device.GetPixel(1, 1);
  (void)device.TextWidth("x", {"Arial", 10});
  (void)device.RenderText("x", {"Arial", 10});
  EXPECT_TRUE(device.Log().empty());
}

TEST(RecordingDevice, PixelsGoThroughTheRasterOperationAndTheClip) {
  TRecordingDevice device(6, 4);
  device.SetPixel(1, 1, RgbColor(1, 2, 3) | kPaletteBit);
  EXPECT_EQ(device.GetPixel(1, 1), RgbColor(1, 2, 3));
  device.SetRasterOp(TRasterOp::kXor);
  device.SetPixel(1, 1, kWhite);
  EXPECT_EQ(device.GetPixel(1, 1), RgbColor(254, 253, 252));
  device.SetRasterOp(TRasterOp::kNotXor);
  device.SetPixel(1, 1, kWhite);
  EXPECT_EQ(device.GetPixel(1, 1), RgbColor(254, 253, 252));  // ~(white ^ p) is p
  device.SetPixel(1, 1, 0);
  EXPECT_EQ(device.GetPixel(1, 1), RgbColor(1, 2, 3));
  device.SetRasterOp(TRasterOp::kCopy);
  device.SetClipRect({2, 0, 3, 3});
  TMonoImage image(3, 2);
  image.Set(0, 0, true);
  image.Set(2, 1, true);
  device.DrawMonoImage(image, 1, 2, 7, 9);
  device.SetPixel(4, 0, 5);
  EXPECT_EQ(device.GetPixel(1, 2), 0u);  // outside the clip
  EXPECT_EQ(device.GetPixel(2, 2), 9u);
  EXPECT_EQ(device.GetPixel(3, 3), 7u);
  EXPECT_EQ(device.GetPixel(4, 0), 0u);
  device.ClearClip();
  device.DrawMonoImage(image, 3, 0, 7, 9, true);
  EXPECT_EQ(device.GetPixel(3, 0), 7u);
  EXPECT_EQ(device.GetPixel(4, 0), 0u);  // transparent background
  EXPECT_EQ(device.GetPixel(5, 1), 7u);
  device.DrawMonoImage(image, -2, 3, 7, 9);  // partly off the device
  EXPECT_EQ(device.GetPixel(0, 3), 9u);
  EXPECT_EQ(device.GetPixel(6, 0), 0u);
  EXPECT_EQ(device.GetPixel(-1, 0), 0u);
}

TEST(RecordingDevice, FixedPitchTextAndItsBlocks) {
  const TRecordingDevice device(4, 4, 120, 144, 8);
  EXPECT_EQ(device.DpiX(), 120.0);
  EXPECT_EQ(device.DpiY(), 144.0);
  EXPECT_EQ(device.BitDepth(), 8);
  EXPECT_EQ(device.TextWidth("", {"Arial", 12}), 0);
  EXPECT_EQ(device.TextWidth("S", {"Arial", 12}), 7);        // 7.2
  EXPECT_EQ(device.TextWidth("Sirius", {"Arial", 12}), 43);  // 43.2
  EXPECT_EQ(device.TextWidth("ab", {"Arial", 10}), 12);
  const TMonoImage image = device.RenderText("a b", {"Arial", 5});  // 3 a character
  ASSERT_EQ(image.Width(), 9);
  ASSERT_EQ(image.Height(), 5);
  for (int32_t x = 0; x < 9; ++x) {
    for (int32_t y = 0; y < 5; ++y) EXPECT_EQ(image.Get(x, y), x < 3 || x >= 6) << x << "," << y;
  }
}

}  // namespace
