// TImageDevice: the drawing device over a picture held in memory (32-bit RGB), on which the
// sky is composed for the window, for picture files and for the tests.
//
// Drawing is pixel-exact, without antialiasing, because picking reads painted pixels back:
// a one-pixel pen lights the pixels a classic raster device lights (Raster.h), styled
// one-pixel pens follow DashPattern, the pattern running on along a polyline and from
// LineTo to LineTo until MoveTo (ellipse outlines are always solid); wider pens have
// round ends and joins and are drawn by Qt. With a one-pixel pen, rectangles and ellipses
// fill their boxes (right and bottom exclusive) from side to side, the outline and the
// inside never overlapping; a box with right <= left or bottom <= top draws nothing, and an
// inverted clip rectangle clips everything away. Polygons fill by the odd-even rule. Text
// is drawn without antialiasing or kerning, whole pixels per character, so that measuring
// and drawing agree piece by piece; its cell is the font height (Fonts.h, QtFonts.h).
// Other code includes Devices.h, which has no Qt.
#ifndef VELARION_PLATFORM_IMAGEDEVICE_H
#define VELARION_PLATFORM_IMAGEDEVICE_H

#include "DrawDevice.h"
#include "GuiSession.h"
#include "PixelView.h"
#include "Raster.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPoint>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velplatform {

class TImageDevice final : public TDrawDevice {
 public:
  // A black picture of at least 1 × 1 pixels. Defaults as on a fresh classic device: black
  // one-pixel solid pen, white solid brush, black text, copy, no clip, position (0, 0).
  TImageDevice(int32_t width, int32_t height, double dpiX = 96, double dpiY = 96);
  TImageDevice(const TImageDevice&) = delete;
  TImageDevice& operator=(const TImageDevice&) = delete;
  ~TImageDevice() override;

  // A new black picture of the size; pens, brush, raster operation and clip stay.
  void Resize(int32_t width, int32_t height);
  // Also written into saved pictures.
  void SetDpi(double dpiX, double dpiY);
  const QImage& Image() const { return image_; }
  // The picture's pixels in place (painting is finished for them first).
  TPixelView Pixels() const;
  // False when the file cannot be written.
  bool SavePng(const std::string& path) const;

  int32_t Width() const override { return image_.width(); }
  int32_t Height() const override { return image_.height(); }
  int32_t BitDepth() const override { return image_.depth(); }
  double DpiX() const override { return dpiX_; }
  double DpiY() const override { return dpiY_; }

  void SetPen(TColor color, int32_t width = 1, TPenStyle style = TPenStyle::kSolid) override;
  void SetBrush(TColor color, TBrushStyle style = TBrushStyle::kSolid) override;
  void SetTextColor(TColor color) override { textColor_ = color; }
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
  struct TQtText;
  struct TCachedFont {
    TFontSpec fontSpec;
    QFont font;
    QFontMetrics metrics;
  };

  void BeginPainting();
  void ApplyClip();
  bool ThinPen() const { return penWidth_ <= 1; }
  bool PenDraws() const { return penStyle_ != TPenStyle::kNull; }
  bool BrushFills() const { return brushStyle_ != TBrushStyle::kNull; }
  QPen WidePen() const;
  QBrush Brush() const;
  // The pixels drawing may reach: the picture within the clip rectangle.
  TRect Visible() const;
  void ThinLine(TPoint from, TPoint to, TDashPhase& dash);
  void ThinOutline(std::span<const TPoint> points, bool closed);
  void FlushPixels();
  void FillBox(const TRect& box, const QColor& color);
  // Pixels left .. right - 1 of row y, wherever an image placed far off puts them.
  void FillRow(int64_t y, int64_t left, int64_t right, const QColor& color);
  bool IsGreek(std::string_view family) const;
  const TCachedFont& Font(const TFontSpec& fontSpec) const;
  TQtText Text(std::string_view text, const TFontSpec& fontSpec) const;

  TGuiSession session_;  // first made, last ended: the picture and its painter need it
  QImage image_;
  QPainter painter_;
  double dpiX_ = 96;
  double dpiY_ = 96;
  TColor penColor_ = 0;
  int32_t penWidth_ = 1;
  TPenStyle penStyle_ = TPenStyle::kSolid;
  TColor brushColor_ = RgbColor(255, 255, 255);
  TBrushStyle brushStyle_ = TBrushStyle::kSolid;
  TColor textColor_ = 0;
  TRasterOp rasterOp_ = TRasterOp::kCopy;
  std::optional<TRect> clip_;
  TPoint position_;
  TDashPhase lineDash_{DashPattern(TPenStyle::kSolid)};  // runs on from LineTo to LineTo
  std::string greekFamily_;
  std::vector<QPoint> pixels_;  // the thin line being drawn
  mutable std::vector<TCachedFont> fonts_;
  mutable uint64_t fontsGeneration_ = 0;
};

}  // namespace velplatform

#endif
