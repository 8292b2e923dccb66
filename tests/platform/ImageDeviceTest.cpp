// TImageDevice: the pixels its pens light, raster operations, clipping, shapes, colours and
// picture files.
#include "ImageDevice.h"

#include "DeviceTestSupport.h"
#include "Devices.h"
#include "RecordingDevice.h"

#include <gtest/gtest.h>

#include <QImage>

#include <unistd.h>
#include <climits>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

using namespace velplatform;
using namespace veltest;

constexpr TColor kGrey = RgbColor(128, 128, 128);

// The device as text: '#' white, 'o' grey, '.' black, '?' anything else.
std::vector<std::string> Rows(const TDrawDevice& device) {
  std::vector<std::string> rows;
  for (int32_t y = 0; y < device.Height(); ++y) {
    std::string row;
    for (int32_t x = 0; x < device.Width(); ++x) {
      const TColor c = device.GetPixel(x, y);
      row += c == kWhite ? '#' : c == kGrey ? 'o' : c == 0 ? '.' : '?';
    }
    rows.push_back(row);
  }
  return rows;
}

TPixelSet Diagonal(int32_t count) {
  TPixelSet set;
  for (int32_t i = 0; i < count; ++i) set.insert({i, i});
  return set;
}

TEST(ImageDeviceLines, OnePixelPenLightsTheClassicPixels) {
  struct TCase {
    const char* name;
    TPoint from;
    TPoint to;
    TPixelSet lit;
  };
  const TCase cases[] = {
      {"a tie goes to the upper pixel", {0, 0}, {4, 2}, PixelsOf({{0, 0}, {1, 0}, {2, 1}, {3, 1}})},
      {"reversed: the same ties, the ends swapped",
       {4, 2},
       {0, 0},
       PixelsOf({{4, 2}, {3, 1}, {2, 1}, {1, 0}})},
      {"steep: a tie goes to the left pixel",
       {0, 0},
       {1, 4},
       PixelsOf({{0, 0}, {0, 1}, {0, 2}, {1, 3}})},
      {"shallow: nearest pixel in every column",
       {0, 0},
       {10, 3},
       PixelsOf({{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 2}, {7, 2}, {8, 2}, {9, 3}})},
      {"diagonal upwards", {0, 4}, {4, 0}, PixelsOf({{0, 4}, {1, 3}, {2, 2}, {3, 1}})},
      {"horizontal leftwards", {6, 1}, {2, 1}, PixelsOf({{6, 1}, {5, 1}, {4, 1}, {3, 1}})},
      {"vertical upwards", {3, 5}, {3, 1}, PixelsOf({{3, 5}, {3, 4}, {3, 3}, {3, 2}})},
      {"a point lights nothing", {2, 2}, {2, 2}, {}},
      {"far off at both ends", {-1000000000, 3}, {1000000000, 3}, BoxPixels({0, 3, 11, 3})},
      {"far off diagonal, beyond 64-bit products",
       {-2000000000, -2000000000},
       {2000000000, 2000000000},
       Diagonal(8)},
      {"ending at the far corner of the coordinates",
       {0, 0},
       {INT_MAX, 0},
       BoxPixels({0, 0, 11, 0})},
  };
  for (const TCase& c : cases) {
    TImageDevice device(12, 8);
    device.SetPen(kWhite);
    device.MoveTo(c.from.x, c.from.y);
    device.LineTo(c.to.x, c.to.y);
    EXPECT_EQ(Lit(device), c.lit) << c.name;
  }
}

TEST(ImageDeviceLines, XorPolylineLightsEachCornerOnceAndNotItsEnd) {
  const TPoint points[] = {{0, 0}, {4, 0}, {4, 3}, {1, 3}};
  const TPixelSet expected =
      PixelsOf({{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {4, 1}, {4, 2}, {4, 3}, {3, 3}, {2, 3}});
  TImageDevice polyline(8, 5);
  polyline.SetPen(kWhite);
  polyline.SetRasterOp(TRasterOp::kXor);
  polyline.Polyline(points);
  EXPECT_EQ(Lit(polyline), expected);

  TImageDevice lines(8, 5);
  lines.SetPen(kWhite);
  lines.SetRasterOp(TRasterOp::kXor);
  lines.MoveTo(points[0].x, points[0].y);
  for (const TPoint& p : std::span(points).subspan(1)) lines.LineTo(p.x, p.y);
  EXPECT_EQ(Lit(lines), expected);

  TImageDevice parts(8, 5);
  parts.SetPen(kWhite);
  const TPoint joined[] = {{0, 0}, {4, 0}, {4, 3}, {1, 3}, {7, 4}, {7, 0}};
  const int32_t counts[] = {4, 2, 5};  // the last part runs past the points: not drawn
  parts.PolyPolyline(joined, counts);
  TPixelSet withSecond = expected;
  withSecond.insert({7, 4});
  withSecond.insert({7, 3});
  withSecond.insert({7, 2});
  withSecond.insert({7, 1});
  EXPECT_EQ(Lit(parts), withSecond);
}

TEST(ImageDeviceLines, StyledPensFollowTheirPatternAcrossCorners) {
  struct TCase {
    TPenStyle style;
    TPixelSet lit;  // of a line from (0, 0) to (12, 0)
  };
  const TCase cases[] = {
      {TPenStyle::kSolid, BoxPixels({0, 0, 11, 0})},
      {TPenStyle::kDash,
       PixelsOf({{0, 0}, {1, 0}, {2, 0}, {3, 0}, {8, 0}, {9, 0}, {10, 0}, {11, 0}})},
      {TPenStyle::kDot, PixelsOf({{0, 0}, {3, 0}, {6, 0}, {9, 0}})},
      {TPenStyle::kDashDot,
       PixelsOf({{0, 0}, {1, 0}, {2, 0}, {3, 0}, {6, 0}, {9, 0}, {10, 0}, {11, 0}})},
      {TPenStyle::kNull, {}},
  };
  for (const TCase& c : cases) {
    TImageDevice device(14, 3);
    device.SetPen(kWhite, 1, c.style);
    device.MoveTo(0, 0);
    device.LineTo(12, 0);
    EXPECT_EQ(Lit(device), c.lit) << static_cast<int>(c.style);
  }
  // Steps 0 .. 5 along the top, 6 .. 13 down: lit 0 .. 3 and 8 .. 11.
  TImageDevice corner(8, 9);
  corner.SetPen(kWhite, 1, TPenStyle::kDash);
  const TPoint points[] = {{0, 0}, {6, 0}, {6, 8}};
  corner.Polyline(points);
  EXPECT_EQ(Lit(corner),
            PixelsOf({{0, 0}, {1, 0}, {2, 0}, {3, 0}, {6, 2}, {6, 3}, {6, 4}, {6, 5}}));
}

TEST(ImageDeviceLines, WidePenIsAsWideAsItsWidth) {
  TImageDevice device(12, 9);
  device.SetPen(kWhite, 3);
  device.MoveTo(2, 4);
  device.LineTo(10, 4);
  for (int32_t y = 0; y < 9; ++y) {
    EXPECT_EQ(device.GetPixel(6, y) == kWhite, y >= 3 && y <= 5) << y;
  }
}

// Every pixel different, so that a raster operation shows wherever it acts.
void PaintGradient(TDrawDevice& device) {
  for (int32_t y = 0; y < device.Height(); ++y) {
    for (int32_t x = 0; x < device.Width(); ++x) {
      device.SetPixel(x, y, RgbColor(x * 11 % 256, y * 17 % 256, (x + y) * 5 % 256));
    }
  }
}

TEST(ImageDeviceRasterOps, DrawingTwiceRestoresThePicture) {
  const TPoint star[] = {{2, 2}, {16, 3}, {5, 11}, {9, 0}, {14, 10}};
  TMonoImage image(5, 4);
  image.Set(1, 1, true);
  image.Set(3, 2, true);
  struct TPrimitive {
    const char* name;
    std::function<void(TDrawDevice&)> draw;
  };
  const TPrimitive primitives[] = {
      {"line",
       [](TDrawDevice& d) {
         d.MoveTo(1, 1);
         d.LineTo(17, 9);
       }},
      {"dashed rectangle",
       [](TDrawDevice& d) {
         d.SetPen(0x3060F0, 1, TPenStyle::kDash);
         d.SetBrush(0, TBrushStyle::kNull);
         d.Rectangle({1, 1, 18, 11});
       }},
      {"filled rectangle",
       [](TDrawDevice& d) {
         d.Rectangle({2, 2, 12, 9});
       }},
      {"wide polyline",
       [&star](TDrawDevice& d) {
         d.SetPen(0x3060F0, 3);
         d.Polyline(star);
       }},
      {"polygon", [&star](TDrawDevice& d) { d.Polygon(star); }},
      {"ellipse",
       [](TDrawDevice& d) {
         d.Ellipse({1, 1, 19, 12});
       }},
      {"fill",
       [](TDrawDevice& d) {
         d.FillRect({3, 2, 15, 7}, 0x55AA11);
       }},
      {"pixel", [](TDrawDevice& d) { d.SetPixel(4, 4, 0x55AA11); }},
      {"text",
       [](TDrawDevice& d) {
         d.TextOut(1, 0, "Sirius", {"Arial", 12});
       }},
      {"image", [&image](TDrawDevice& d) { d.DrawMonoImage(image, 6, 5, 0x0000FF, 0xFF0000); }},
  };
  for (TRasterOp op : {TRasterOp::kXor, TRasterOp::kNotXor}) {
    for (const TPrimitive& primitive : primitives) {
      TImageDevice device(20, 12);
      PaintGradient(device);
      const std::vector<TColor> before = Pixels(device);
      device.SetPen(0x3060F0);
      device.SetBrush(0x22AA44);
      device.SetTextColor(0xC0FFEE);
      device.SetRasterOp(op);
      primitive.draw(device);
      EXPECT_NE(Pixels(device), before) << primitive.name << " draws nothing";
      primitive.draw(device);
      EXPECT_EQ(Pixels(device), before) << primitive.name << " op " << static_cast<int>(op);
    }
  }
}

TEST(ImageDeviceRasterOps, MarkInTheSkyColourShowsBlackByXorAndWhiteByNotXor) {
  const TColor sky = RgbColor(16, 32, 48);
  for (auto [op, expected] :
       {std::pair{TRasterOp::kXor, TColor{0}}, std::pair{TRasterOp::kNotXor, kWhite},
        std::pair{TRasterOp::kCopy, sky}}) {
    TImageDevice device(6, 3);
    device.FillRect({0, 0, 6, 3}, sky);
    device.SetPen(sky);
    device.SetRasterOp(op);
    device.MoveTo(0, 1);
    device.LineTo(6, 1);
    EXPECT_EQ(device.GetPixel(3, 1), expected) << static_cast<int>(op);
    EXPECT_EQ(device.GetPixel(3, 0), sky);
  }
}

TEST(ImageDeviceClip, EveryPrimitiveStaysInsideTheInclusiveClip) {
  TMonoImage full(12, 8);
  for (int32_t y = 0; y < 8; ++y) {
    for (int32_t x = 0; x < 12; ++x) full.Set(x, y, (x + y) % 2 == 0);
  }
  const TPoint cover[] = {{-3, -3}, {20, -3}, {20, 20}, {-3, 20}};
  struct TPrimitive {
    const char* name;
    std::function<void(TDrawDevice&)> draw;
  };
  const TPrimitive primitives[] = {
      {"fill",
       [](TDrawDevice& d) {
         d.FillRect({-5, -5, 20, 20}, kWhite);
       }},
      {"lines",
       [](TDrawDevice& d) {
         for (int32_t y = 0; y < 8; ++y) {
           d.MoveTo(-5, y);
           d.LineTo(20, y);
         }
       }},
      {"wide lines",
       [](TDrawDevice& d) {
         d.SetPen(kWhite, 4);
         for (int32_t y = 0; y < 8; y += 2) {
           d.MoveTo(-5, y);
           d.LineTo(20, y);
         }
       }},
      {"pixels",
       [](TDrawDevice& d) {
         for (int32_t y = -1; y <= 8; ++y) {
           for (int32_t x = -1; x <= 12; ++x) d.SetPixel(x, y, kWhite);
         }
       }},
      {"rectangle",
       [](TDrawDevice& d) {
         d.Rectangle({-1, -1, 14, 10});
       }},
      {"polygon", [&cover](TDrawDevice& d) { d.Polygon(cover); }},
      {"ellipse",
       [](TDrawDevice& d) {
         d.Ellipse({-20, -20, 32, 28});
       }},
      {"image", [&full](TDrawDevice& d) { d.DrawMonoImage(full, 0, 0, kWhite, kWhite); }},
  };
  const TRect clip{3, 2, 8, 5};
  for (const TPrimitive& primitive : primitives) {
    TImageDevice device(12, 8);
    device.SetPen(kWhite);
    device.SetBrush(kWhite);
    device.SetClipRect(clip);
    primitive.draw(device);
    EXPECT_EQ(Lit(device), BoxPixels(clip)) << primitive.name;
  }
  TImageDevice text(40, 20);
  text.SetTextColor(kWhite);
  text.SetClipRect(clip);
  text.TextOut(0, 0, "WWWWW", {"Arial", 18});
  const TPixelSet lit = Lit(text);
  EXPECT_FALSE(lit.empty());
  for (const auto& [x, y] : lit) EXPECT_TRUE(clip.Contains(TPoint{x, y})) << x << "," << y;
}

TEST(ImageDeviceClip, InvertedClipHidesAllAndClearingShowsAll) {
  TImageDevice device(6, 4);
  device.SetClipRect({4, 3, 1, 1});
  device.FillRect({0, 0, 6, 4}, kWhite);
  device.SetPixel(2, 2, kWhite);
  EXPECT_TRUE(Lit(device).empty());
  device.ClearClip();
  device.FillRect({0, 0, 6, 4}, kWhite);
  EXPECT_EQ(Lit(device), BoxPixels({0, 0, 5, 3}));
}

TEST(ImageDeviceShapes, EllipseFillsItsBoxFromSideToSide) {
  enum class TMode { kPenAndBrush, kPenOnly, kBrushOnly };
  for (TMode mode : {TMode::kPenAndBrush, TMode::kPenOnly, TMode::kBrushOnly}) {
    for (int32_t width = 1; width <= 9; ++width) {
      for (int32_t height = 1; height <= 9; ++height) {
        TImageDevice device(14, 14);
        device.SetPen(kWhite, 1, mode == TMode::kBrushOnly ? TPenStyle::kNull : TPenStyle::kSolid);
        device.SetBrush(kWhite, mode == TMode::kPenOnly ? TBrushStyle::kNull : TBrushStyle::kSolid);
        device.Ellipse({2, 3, 2 + width, 3 + height});
        EXPECT_EQ(Bounds(Lit(device)), (TRect{2, 3, 1 + width, 2 + height}))
            << width << "x" << height << " mode " << static_cast<int>(mode);
      }
    }
  }
}

TEST(ImageDeviceShapes, PolygonOutlineAndOddEvenFill) {
  TImageDevice device(10, 9);
  device.SetPen(kWhite);
  device.SetBrush(kGrey);
  const TPoint notched[] = {{1, 1}, {9, 1}, {9, 7}, {6, 7}, {6, 4}, {4, 4}, {4, 7}, {1, 7}};
  device.Polygon(notched);
  EXPECT_EQ(Rows(device), (std::vector<std::string>{
                              "..........",
                              ".#########",
                              ".#ooooooo#",
                              ".#ooooooo#",
                              ".#oo###oo#",
                              ".#oo#.#oo#",
                              ".#oo#.#oo#",
                              ".####.####",
                              "..........",
                          }));
  // A crossed outline leaves the part covered twice unfilled.
  TImageDevice crossed(7, 6);
  crossed.SetPen(0, 1, TPenStyle::kNull);
  crossed.SetBrush(kGrey);
  const TPoint twice[] = {{0, 0}, {4, 0}, {4, 4}, {2, 4}, {2, 2}, {6, 2}, {6, 6}, {0, 6}};
  crossed.Polygon(twice);
  EXPECT_EQ(crossed.GetPixel(1, 1), kGrey);
  EXPECT_EQ(crossed.GetPixel(3, 3), 0u);
  EXPECT_EQ(crossed.GetPixel(5, 5), kGrey);
}

TEST(ImageDeviceShapes, RectangleFrameInsideItsBox) {
  struct TCase {
    TRect box;
    bool filled;
    std::vector<std::string> rows;
  };
  const TCase cases[] = {
      {{1, 1, 7, 5},
       true,
       {"........", ".######.", ".#oooo#.", ".#oooo#.", ".######.", "........"}},
      {{1, 1, 7, 5},
       false,
       {"........", ".######.", ".#....#.", ".#....#.", ".######.", "........"}},
      {{2, 0, 3, 4},
       true,
       {"..#.....", "..#.....", "..#.....", "..#.....", "........", "........"}},
      {{0, 5, 8, 6},
       true,
       {"........", "........", "........", "........", "........", "########"}},
      {{5, 2, 5, 4},
       true,
       {"........", "........", "........", "........", "........", "........"}},
  };
  for (const TCase& c : cases) {
    TImageDevice device(8, 6);
    device.SetPen(kWhite);
    device.SetBrush(kGrey, c.filled ? TBrushStyle::kSolid : TBrushStyle::kNull);
    device.Rectangle(c.box);
    EXPECT_EQ(Rows(device), c.rows) << c.box.left << "," << c.box.top << " filled " << c.filled;
  }
}

TEST(ImageDeviceColours, PaletteRelativeColourDrawsAsItsRgb) {
  const TColor rgb = RgbColor(10, 200, 30);
  const TColor marked = rgb | kPaletteBit;
  TMonoImage image(3, 3);
  image.Set(1, 1, true);
  const TPoint line[] = {{0, 3}, {9, 7}};
  struct TPrimitive {
    const char* name;
    std::function<void(TDrawDevice&)> draw;
  };
  const TPrimitive primitives[] = {
      {"pixel", [&](TDrawDevice& d) { d.SetPixel(2, 2, marked); }},
      {"fill",
       [&](TDrawDevice& d) {
         d.FillRect({1, 1, 5, 5}, marked);
       }},
      {"pen",
       [&](TDrawDevice& d) {
         d.SetPen(marked);
         d.Polyline(line);
       }},
      {"wide pen",
       [&](TDrawDevice& d) {
         d.SetPen(marked, 2);
         d.Polyline(line);
       }},
      {"brush",
       [&](TDrawDevice& d) {
         d.SetPen(0, 1, TPenStyle::kNull);
         d.SetBrush(marked);
         d.Ellipse({1, 1, 9, 9});
       }},
      {"text",
       [&](TDrawDevice& d) {
         d.SetTextColor(marked);
         d.TextOut(0, 0, "W", {"Arial", 12});
       }},
      {"image", [&](TDrawDevice& d) { d.DrawMonoImage(image, 4, 4, marked, 0, true); }},
  };
  for (const TPrimitive& primitive : primitives) {
    TImageDevice device(12, 12);
    primitive.draw(device);
    const TPixelSet lit = Lit(device);
    EXPECT_FALSE(lit.empty()) << primitive.name;
    for (const auto& [x, y] : lit) EXPECT_EQ(device.GetPixel(x, y), rgb) << primitive.name;
  }
  TImageDevice device(2, 2);
  device.SetPen(marked);
  EXPECT_EQ(device.PenColor(), marked);  // given back as set, for SetDrawColor's answer
  EXPECT_EQ(device.GetPixel(2, 0), 0u);
  EXPECT_EQ(device.GetPixel(-1, 0), 0u);
}

TEST(ImageDeviceImages, MonoImageDrawsShapeAndBackgroundOrLeavesTheBackground) {
  TMonoImage image(3, 2);
  image.Set(0, 0, true);
  image.Set(2, 1, true);
  struct TCase {
    bool transparent;
    std::vector<std::string> rows;
  };
  const TCase cases[] = {
      {false, {"oooooo", "oo#..o", "oo..#o", "oooooo"}},
      {true, {"oooooo", "oo#ooo", "oooo#o", "oooooo"}},
  };
  for (const TCase& c : cases) {
    TImageDevice device(6, 4);
    device.FillRect({0, 0, 6, 4}, kGrey);
    device.DrawMonoImage(image, 2, 1, kWhite, 0, c.transparent);
    EXPECT_EQ(Rows(device), c.rows) << c.transparent;
  }
}

class ImageDeviceFiles : public testing::Test {
 protected:
  void TearDown() override { std::filesystem::remove_all(folder_); }
  std::filesystem::path folder_ =
      std::filesystem::temp_directory_path() / ("velimage-" + std::to_string(::getpid()));
};

TEST_F(ImageDeviceFiles, PngKeepsSizePixelsAndDpi) {
  std::filesystem::create_directories(folder_);
  const std::string path = (folder_ / "sky.png").string();
  const auto device = CreateImageDevice(17, 9, 150, 300);
  EXPECT_EQ(device->DpiX(), 150.0);
  EXPECT_EQ(device->DpiY(), 300.0);
  device->SetPixel(16, 8, RgbColor(1, 2, 3));
  ASSERT_TRUE(SaveDeviceAsPng(*device, path));
  const QImage read(QString::fromStdString(path));
  ASSERT_FALSE(read.isNull());
  EXPECT_EQ(read.width(), 17);
  EXPECT_EQ(read.height(), 9);
  EXPECT_EQ(read.pixel(16, 8) & 0xFFFFFF, 0x010203u);  // 0xRRGGBB in Qt
  EXPECT_EQ(read.pixel(0, 0) & 0xFFFFFF, 0u);
  EXPECT_NEAR(read.dotsPerMeterX() * 0.0254, 150, 0.1);
  EXPECT_NEAR(read.dotsPerMeterY() * 0.0254, 300, 0.1);
}

TEST_F(ImageDeviceFiles, PngRefusedForOtherDevicesAndUnwritablePaths) {
  const auto device = CreateImageDevice(4, 4);
  EXPECT_FALSE(SaveDeviceAsPng(*device, (folder_ / "missing-folder" / "sky.png").string()));
  const TRecordingDevice recording(4, 4);
  std::filesystem::create_directories(folder_);
  EXPECT_FALSE(SaveDeviceAsPng(recording, (folder_ / "sky.png").string()));
  EXPECT_FALSE(std::filesystem::exists(folder_ / "sky.png"));
}

TEST(ImageDeviceSize, ResizeGivesABlackPictureAndKeepsTheDrawingState) {
  TImageDevice device(4, 4);
  device.FillRect({0, 0, 4, 4}, kWhite);
  device.SetPen(kGrey);
  device.SetClipRect({0, 0, 2, 30});
  device.Resize(9, 7);
  EXPECT_EQ(device.Width(), 9);
  EXPECT_EQ(device.Height(), 7);
  EXPECT_TRUE(Lit(device).empty());
  device.MoveTo(0, 6);
  device.LineTo(9, 6);
  EXPECT_EQ(Lit(device), BoxPixels({0, 6, 2, 6}));
  EXPECT_EQ(device.GetPixel(1, 6), kGrey);
  const auto tiny = CreateImageDevice(0, -3);
  EXPECT_EQ(tiny->Width(), 1);
  EXPECT_EQ(tiny->Height(), 1);
  EXPECT_EQ(tiny->BitDepth(), 32);
}

}  // namespace
