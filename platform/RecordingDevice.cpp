#include "RecordingDevice.h"

#include <algorithm>

namespace velplatform {

namespace {

std::string Num(int64_t value) { return std::to_string(value); }

std::string PointText(TPoint p) { return Num(p.x) + "," + Num(p.y); }

std::string BoxText(const TRect& r) {
  return Num(r.left) + "," + Num(r.top) + "," + Num(r.right) + "," + Num(r.bottom);
}

std::string PointsText(std::span<const TPoint> points) {
  std::string text;
  for (const TPoint& p : points) text += " " + PointText(p);
  return text;
}

std::string_view PenStyleName(TPenStyle style) {
  switch (style) {
    case TPenStyle::kDash:
      return "dash";
    case TPenStyle::kDot:
      return "dot";
    case TPenStyle::kDashDot:
      return "dashdot";
    case TPenStyle::kNull:
      return "null";
    case TPenStyle::kSolid:
      break;
  }
  return "solid";
}

std::string_view RasterOpName(TRasterOp op) {
  switch (op) {
    case TRasterOp::kXor:
      return "xor";
    case TRasterOp::kNotXor:
      return "notxor";
    case TRasterOp::kCopy:
      break;
  }
  return "copy";
}

// The fixed-pitch width of `count` characters.
int32_t PitchWidth(std::size_t count, int32_t height) {
  const int64_t fifths = 3 * int64_t{std::max(height, 0)} * static_cast<int64_t>(count);
  return static_cast<int32_t>((fifths + 2) / 5);
}

constexpr TColor kRgb = 0xFFFFFF;

}  // namespace

TRecordingDevice::TRecordingDevice(int32_t width, int32_t height, double dpiX, double dpiY,
                                   int32_t bitDepth)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      dpiX_(dpiX),
      dpiY_(dpiY),
      bitDepth_(bitDepth),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), 0) {}

void TRecordingDevice::SetPen(TColor color, int32_t width, TPenStyle style) {
  penColor_ = color;
  log_.push_back("pen " + Num(color) + " " + Num(width) + " " + std::string(PenStyleName(style)));
}

void TRecordingDevice::SetBrush(TColor color, TBrushStyle style) {
  brushColor_ = color;
  log_.push_back("brush " + Num(color) + (style == TBrushStyle::kNull ? " null" : " solid"));
}

void TRecordingDevice::SetTextColor(TColor color) {
  textColor_ = color;
  log_.push_back("textcolor " + Num(color));
}

void TRecordingDevice::SetRasterOp(TRasterOp op) {
  rasterOp_ = op;
  log_.push_back("rop " + std::string(RasterOpName(op)));
}

void TRecordingDevice::SetClipRect(const TRect& rect) {
  clip_ = rect;
  log_.push_back("clip " + BoxText(rect));
}

void TRecordingDevice::ClearClip() {
  clip_.reset();
  log_.emplace_back("noclip");
}

void TRecordingDevice::MoveTo(int32_t x, int32_t y) {
  log_.push_back("moveto " + PointText({x, y}));
}

void TRecordingDevice::LineTo(int32_t x, int32_t y) {
  log_.push_back("lineto " + PointText({x, y}));
}

void TRecordingDevice::Polyline(std::span<const TPoint> points) {
  log_.push_back("polyline " + Num(static_cast<int64_t>(points.size())) + ":" + PointsText(points));
}

void TRecordingDevice::PolyPolyline(std::span<const TPoint> points,
                                    std::span<const int32_t> counts) {
  std::string line = "polypolyline";
  for (int32_t count : counts) line += " " + Num(count);
  log_.push_back(line + ":" + PointsText(points));
}

void TRecordingDevice::Polygon(std::span<const TPoint> points) {
  log_.push_back("polygon " + Num(static_cast<int64_t>(points.size())) + ":" + PointsText(points));
}

void TRecordingDevice::Ellipse(const TRect& box) { log_.push_back("ellipse " + BoxText(box)); }

void TRecordingDevice::Rectangle(const TRect& box) { log_.push_back("rectangle " + BoxText(box)); }

void TRecordingDevice::FillRect(const TRect& box, TColor color) {
  log_.push_back("fillrect " + BoxText(box) + " " + Num(color));
}

void TRecordingDevice::Write(int64_t x, int64_t y, TColor color) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  if (clip_ && !clip_->Contains(TPoint{static_cast<int32_t>(x), static_cast<int32_t>(y)})) return;
  TColor& pixel = pixels_[static_cast<std::size_t>(y * width_ + x)];
  const TColor rgb = color & kRgb;
  switch (rasterOp_) {
    case TRasterOp::kCopy:
      pixel = rgb;
      break;
    case TRasterOp::kXor:
      pixel ^= rgb;
      break;
    case TRasterOp::kNotXor:
      pixel = ~(pixel ^ rgb) & kRgb;
      break;
  }
}

void TRecordingDevice::SetPixel(int32_t x, int32_t y, TColor color) {
  log_.push_back("pixel " + PointText({x, y}) + " " + Num(color));
  Write(x, y, color);
}

TColor TRecordingDevice::GetPixel(int32_t x, int32_t y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                 static_cast<std::size_t>(x)];
}

void TRecordingDevice::TextOut(int32_t x, int32_t y, std::string_view text, const TFontSpec& font) {
  std::string line = "text " + PointText({x, y}) + " '" + std::string(text) + "' " + font.family +
                     " " + Num(font.height);
  if (font.bold) line += " bold";
  if (font.italic) line += " italic";
  log_.push_back(line);
}

int32_t TRecordingDevice::TextWidth(std::string_view text, const TFontSpec& font) const {
  return PitchWidth(text.size(), font.height);
}

void TRecordingDevice::SetGreekFamily(std::string_view family) {
  log_.push_back("greek " + std::string(family));
}

void TRecordingDevice::DrawMonoImage(const TMonoImage& image, int32_t x, int32_t y, TColor shape,
                                     TColor background, bool transparentBackground) {
  log_.push_back("image " + PointText({x, y}) + " " + Num(image.Width()) + "x" +
                 Num(image.Height()) + " " + Num(shape) + " " +
                 (transparentBackground ? std::string("transparent") : Num(background)));
  for (int32_t row = 0; row < image.Height(); ++row) {
    for (int32_t column = 0; column < image.Width(); ++column) {
      const bool isShape = image.Get(column, row);
      if (isShape || !transparentBackground) {
        Write(int64_t{x} + column, int64_t{y} + row, isShape ? shape : background);
      }
    }
  }
}

TMonoImage TRecordingDevice::RenderText(std::string_view text, const TFontSpec& font) const {
  TMonoImage image(TextWidth(text, font), std::max(font.height, 1));
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == ' ') continue;
    for (int32_t x = PitchWidth(i, font.height); x < PitchWidth(i + 1, font.height); ++x) {
      for (int32_t y = 0; y < image.Height(); ++y) image.Set(x, y, true);
    }
  }
  return image;
}

}  // namespace velplatform
