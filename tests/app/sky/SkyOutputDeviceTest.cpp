// Marked-up text drawn and measured, symbols and colours, on the recording device (text is
// measured there at a fixed pitch: (3 x height x characters + 2) / 5 pixels).
#include "SkyOutputDevice.h"

#include "RecordingDevice.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace velarion::sky;
using velplatform::TRecordingDevice;

class OutputDevice : public testing::Test {
 protected:
  void SetUp() override {
    output.Bind(&device);
    output.SetFonts("Arial", "Symbol", 12, 12, 12);
    device.ClearLog();
  }
  bool Logged(const std::string& line) const {
    return std::find(device.Log().begin(), device.Log().end(), line) != device.Log().end();
  }
  TRecordingDevice device{200, 100};
  TSkyOutputDevice output;
};

TEST_F(OutputDevice, MeasuringDrawsNothingAndGivesTheDrawnWidth) {
  const std::string text =
      "a\x03"
      "b\x04"
      "c\x02"
      "d";
  const int32_t measured = output.DrawString(text, 10, 40, false);
  EXPECT_TRUE(device.Log().empty());
  EXPECT_EQ(output.DrawString(text, 10, 40, true), measured);
  // a, c, d at 12 pixels (7 each), the superscript b at 9 (5).
  EXPECT_EQ(measured, 7 + 5 + 7 + 7);
  EXPECT_EQ(output.DrawString("", 0, 0, true), 0);
  EXPECT_EQ(output.DrawString(std::string("\0x", 2), 0, 0, true), 0);
}

TEST_F(OutputDevice, RunsSitOnOneLineAndSuperscriptsRise) {
  output.DrawString(
      "a\x03"
      "b\x04"
      "c",
      10, 40, true);
  // Line 40 + 12 div 2 = 46; a 12-pixel run at 46 - 6 - 1, the 9-pixel superscript raised
  // by 12 x 18 div 50 = 4 to 46 - 4 - 4.
  EXPECT_TRUE(Logged("text 10,39 'a' Arial 12"));
  EXPECT_TRUE(Logged("text 17,38 'b' Arial 9"));
  EXPECT_TRUE(Logged("text 22,39 'c' Arial 12"));
}

TEST_F(OutputDevice, FontsAndStylesSwitchByCode) {
  output.DrawString(
      "\x02"
      "a\x01"
      "b\x05"
      "c\x06\x0A"
      "d\x0B\x07"
      "e\x08"
      "f",
      0, 20, true);
  EXPECT_TRUE(Logged("text 0,19 'a' Symbol 12"));
  EXPECT_TRUE(Logged("text 7,19 'b' Arial 12"));
  EXPECT_TRUE(Logged("text 14,19 'c' Arial 12 italic"));
  EXPECT_TRUE(Logged("text 21,19 'd' Arial 12 bold"));
  EXPECT_TRUE(Logged("text 28,22 'e' Arial 9"));  // small, on the same line
  EXPECT_TRUE(Logged("text 33,19 'f' Arial 12"));
}

TEST_F(OutputDevice, SymbolRunsInImageModeTakeTheTextColour) {
  TSymbolImages images;
  output.SetSymbolImages(&images);
  device.SetTextColor(0x00FF00);
  device.ClearLog();
  output.DrawString(
      "\x09"
      "S",
      5, 20, true);
  ASSERT_EQ(device.Log().size(), 1u);
  EXPECT_EQ(device.Log()[0].rfind("image 5,19", 0), 0u) << device.Log()[0];
  EXPECT_NE(device.Log()[0].find(" 65280 transparent"), std::string::npos) << device.Log()[0];
}

TEST_F(OutputDevice, SymbolsOutsideTheirRangeAreIgnored) {
  TSymbolImages images;
  images[3] = TMonoImage(3, 3);
  output.SetSymbolImages(&images);
  int32_t w = -1, h = -1;
  EXPECT_TRUE(output.GetSymbolSize(3, w, h));
  EXPECT_EQ(w, 3);
  w = -1;
  for (int32_t index : {0, 4, 101, -5}) EXPECT_FALSE(output.GetSymbolSize(index, w, h));
  EXPECT_EQ(w, -1);
  output.DrawSymbol(0, 1, 1, 5);
  output.DrawSymbol(101, 1, 1, 5);
  output.DrawSymbol(4, 1, 1, 5);  // no image: nothing
  EXPECT_TRUE(device.Log().empty());
  output.DrawSymbol(3, 1, 1, 5);
  EXPECT_EQ(device.Log().size(), 1u);
}

TEST_F(OutputDevice, ShapesAndTheDiamondWithoutTheSymbolFont) {
  output.DrawSymbolShape(device, 3, 10, 10, 3, 3, 7);  // a five-pixel cross
  for (const auto& [x, y] : {std::pair{11, 10}, {10, 11}, {11, 11}, {12, 11}, {11, 12}}) {
    EXPECT_EQ(device.GetPixel(x, y), 7u) << x << "," << y;
  }
  EXPECT_EQ(device.GetPixel(10, 10), 0u);
  output.SetSymbolFontInstalled(false);
  device.ClearLog();
  output.DrawSymbolShape(device, 25, 0, 0, 8, 8, 9);
  EXPECT_TRUE(Logged("polyline 5: 4,1 7,4 4,7 1,4 4,1"));
}

TEST_F(OutputDevice, SetDrawColorGivesThePreviousColour) {
  EXPECT_EQ(output.SetDrawColor(1, 100), 0u);  // the pen starts black
  EXPECT_EQ(output.SetDrawColor(1, 200), 100u);
  output.SetDrawColor(2, 300);
  EXPECT_EQ(output.SetDrawColor(2, 301), 300u);
  output.SetDrawColor(3, 400);
  EXPECT_EQ(output.SetDrawColor(3, 401), 400u);
  EXPECT_EQ(output.SetDrawColor(4, 500), 0u);
  EXPECT_EQ(device.PenColor(), 200u);
  EXPECT_EQ(output.BitDepth(), 32);
}

// A canvas is bound for one drawing pass only: the window may give its picture back at any
// time between passes, while groups still measure their labels.
TEST(OutputDeviceBinding, BetweenPassesTextIsMeasuredAndNothingReachesTheLastCanvas) {
  TSkyOutputDevice output;
  auto owned = std::make_unique<TRecordingDevice>(1, 1);
  TRecordingDevice& measuring = *owned;
  output.SetMeasuringDevice(std::move(owned));
  output.SetFonts("Arial", "Symbol", 12, 12, 12);
  TRecordingDevice canvas{200, 100};
  {
    const TCanvasBinding pass(output, canvas);
    EXPECT_EQ(output.Device(), &canvas);
    EXPECT_EQ(output.DrawString("ab", 0, 0, true), 7 + 7);
    EXPECT_FALSE(canvas.Log().empty());
  }
  EXPECT_EQ(output.Device(), nullptr);
  canvas.ClearLog();
  measuring.ClearLog();
  EXPECT_EQ(output.DrawString("ab", 0, 0, true), 7 + 7);
  output.DrawSymbol(30, 0, 0, 1);
  output.SetDrawColor(1, 2);
  EXPECT_TRUE(canvas.Log().empty());
  EXPECT_TRUE(measuring.Log().empty());  // measured, never drawn on
  EXPECT_EQ(output.BitDepth(), 32);
}

}  // namespace
