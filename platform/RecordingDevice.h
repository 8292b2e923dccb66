// TRecordingDevice: a drawing device for tests that writes down what is drawn on it, one
// line per call, and keeps pixels only for SetPixel and DrawMonoImage.
//
// The log lines (numbers in decimal, colours as the 0x00BBGGRR value given, palette bit
// included; points "x,y"; boxes "left,top,right,bottom"):
//   pen <colour> <width> solid|dash|dot|dashdot|null
//   brush <colour> solid|null
//   textcolor <colour>
//   rop copy|xor|notxor
//   clip <box>                                   noclip
//   moveto <point>                               lineto <point>
//   polyline <n>: <point> <point> ...
//   polypolyline <count> <count> ...: <point> <point> ...   (all points, as given)
//   polygon <n>: <point> <point> ...
//   ellipse <box>     rectangle <box>     fillrect <box> <colour>
//   pixel <point> <colour>
//   text <point> '<text>' <family> <height>[ bold][ italic]   (text as its CP1251 bytes)
//   greek <family>
//   image <point> <width>x<height> <shape colour> <background colour>|transparent
// "polyline 3: 1,2 3,4 5,6", "text 10,20 'Sirius' Arial 12". Queries (colours, sizes,
// GetPixel, TextWidth, RenderText) write nothing. Other primitives only log.
//
// Pixels: width × height, black at first; SetPixel and DrawMonoImage write them through
// the raster operation and the clip rectangle, GetPixel reads them (0 outside). Text is
// measured at a fixed pitch: (3 × height × characters + 2) / 5 pixels, 0.6 × height per
// character rounded; RenderText gives an image of that width and the font height with
// every character other than a space a filled block of its share of the width.
#ifndef VELARION_PLATFORM_RECORDINGDEVICE_H
#define VELARION_PLATFORM_RECORDINGDEVICE_H

#include "DrawDevice.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velplatform {

class TRecordingDevice final : public TDrawDevice {
 public:
  TRecordingDevice(int32_t width, int32_t height, double dpiX = 96, double dpiY = 96,
                   int32_t bitDepth = 32);

  const std::vector<std::string>& Log() const { return log_; }
  void ClearLog() { log_.clear(); }

  int32_t Width() const override { return width_; }
  int32_t Height() const override { return height_; }
  int32_t BitDepth() const override { return bitDepth_; }
  double DpiX() const override { return dpiX_; }
  double DpiY() const override { return dpiY_; }

  void SetPen(TColor color, int32_t width = 1, TPenStyle style = TPenStyle::kSolid) override;
  void SetBrush(TColor color, TBrushStyle style = TBrushStyle::kSolid) override;
  void SetTextColor(TColor color) override;
  TColor TextColor() const override { return textColor_; }
  TColor PenColor() const override { return penColor_; }
  TColor BrushColor() const override { return brushColor_; }
  void SetRasterOp(TRasterOp op) override;
  void SetClipRect(const TRect& rect) override;
  void ClearClip() override;
  std::optional<TRect> ClipRect() const override { return clip_; }

  void MoveTo(int32_t x, int32_t y) override;
  void LineTo(int32_t x, int32_t y) override;
  void Polyline(std::span<const TPoint> points) override;
  void PolyPolyline(std::span<const TPoint> points, std::span<const int32_t> counts) override;
  void Polygon(std::span<const TPoint> points) override;
  void Ellipse(const TRect& box) override;
  void Rectangle(const TRect& box) override;
  void FillRect(const TRect& box, TColor color) override;
  void SetPixel(int32_t x, int32_t y, TColor color) override;
  TColor GetPixel(int32_t x, int32_t y) const override;

  void TextOut(int32_t x, int32_t y, std::string_view text, const TFontSpec& font) override;
  int32_t TextWidth(std::string_view text, const TFontSpec& font) const override;
  void SetGreekFamily(std::string_view family) override;

  void DrawMonoImage(const TMonoImage& image, int32_t x, int32_t y, TColor shape, TColor background,
                     bool transparentBackground = false) override;
  TMonoImage RenderText(std::string_view text, const TFontSpec& font) const override;

 private:
  void Write(int64_t x, int64_t y, TColor color);

  int32_t width_;
  int32_t height_;
  double dpiX_;
  double dpiY_;
  int32_t bitDepth_;
  std::vector<TColor> pixels_;
  std::vector<std::string> log_;
  TColor penColor_ = 0;
  TColor brushColor_ = RgbColor(255, 255, 255);
  TColor textColor_ = 0;
  TRasterOp rasterOp_ = TRasterOp::kCopy;
  std::optional<TRect> clip_;
};

}  // namespace velplatform

#endif
