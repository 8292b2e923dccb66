// TMetafileDevice: the drawing device of the metafile pictures. It keeps what is drawn as
// shapes, texts, pens and brushes (MetafileRecords.h) for the WMF and EMF writers, so that
// the sky stays lines, ellipses, polygons and texts. Every shape is cut to the clip
// rectangle and to the picture (players size a metafile by what it draws, and coordinates
// must fit the 16 bits of a WMF); a text is kept when its whole cell is inside. Pixels and
// two-colour images become filled rectangles, one per run of a row. Texts are measured by
// an image device, as on the screen. It has no pixels to read back: GetPixel answers 0.
#ifndef VELARION_APP_UI_PICTURES_METAFILEDEVICE_H
#define VELARION_APP_UI_PICTURES_METAFILEDEVICE_H

#include "DrawDevice.h"
#include "MetafileRecords.h"

#include <memory>

namespace velarion::ui {

class TMetafileDevice final : public velplatform::TDrawDevice {
 public:
  using TColor = velplatform::TColor;
  using TPoint = velplatform::TPoint;
  using TRect = velplatform::TRect;

  TMetafileDevice(int32_t width, int32_t height, int32_t bitDepth);

  const meta::TDrawing& Drawing() const { return drawing_; }

  int32_t Width() const override { return drawing_.width; }
  int32_t Height() const override { return drawing_.height; }
  int32_t BitDepth() const override { return bitDepth_; }
  double DpiX() const override { return 96.0; }
  double DpiY() const override { return 96.0; }

  void SetPen(TColor color, int32_t width = 1,
              velplatform::TPenStyle style = velplatform::TPenStyle::kSolid) override;
  void SetBrush(TColor color,
                velplatform::TBrushStyle style = velplatform::TBrushStyle::kSolid) override;
  void SetTextColor(TColor color) override;
  TColor TextColor() const override { return textColor_; }
  TColor PenColor() const override { return pen_.color; }
  TColor BrushColor() const override { return brush_.color; }
  void SetRasterOp(velplatform::TRasterOp op) override;
  void SetClipRect(const TRect& rect) override { clip_ = rect; }
  void ClearClip() override { clip_.reset(); }
  std::optional<TRect> ClipRect() const override { return clip_; }

  void MoveTo(int32_t x, int32_t y) override { position_ = {x, y}; }
  void LineTo(int32_t x, int32_t y) override;
  void Polyline(std::span<const TPoint> points) override;
  void PolyPolyline(std::span<const TPoint> points, std::span<const int32_t> counts) override;
  void Polygon(std::span<const TPoint> points) override;
  void Ellipse(const TRect& box) override;
  void Rectangle(const TRect& box) override;
  void FillRect(const TRect& box, TColor color) override;
  void SetPixel(int32_t x, int32_t y, TColor color) override;
  TColor GetPixel(int32_t, int32_t) const override { return 0; }

  void TextOut(int32_t x, int32_t y, std::string_view text,
               const velplatform::TFontSpec& font) override;
  int32_t TextWidth(std::string_view text, const velplatform::TFontSpec& font) const override;
  void SetGreekFamily(std::string_view family) override;

  void DrawMonoImage(const velplatform::TMonoImage& image, int32_t x, int32_t y, TColor shape,
                     TColor background, bool transparentBackground = false) override;
  velplatform::TMonoImage RenderText(std::string_view text,
                                     const velplatform::TFontSpec& font) const override;

 private:
  // Where drawing can show, bounds inclusive.
  TRect Reach() const;
  void UsePen(const meta::TPen& pen);
  void UseBrush(const meta::TBrush& brush);
  void AddPolylines(std::span<const TPoint> points, bool closed);
  void AddPolygon(std::span<const TPoint> points);
  void AddBox(const TRect& box, TColor color);  // a filled rectangle of one colour
  bool Inside(std::span<const TPoint> points) const;
  bool IsGreek(std::string_view family) const;

  meta::TDrawing drawing_;
  int32_t bitDepth_;
  std::unique_ptr<velplatform::TDrawDevice> measure_;
  meta::TPen pen_{0, 1, velplatform::TPenStyle::kSolid};
  meta::TBrush brush_{velplatform::RgbColor(255, 255, 255), velplatform::TBrushStyle::kSolid};
  TColor textColor_ = 0;
  std::optional<TRect> clip_;
  TPoint position_;
  std::string greekFamily_;
  // What the drawing has selected last; the pen and brush asked for may differ until used.
  std::optional<meta::TPen> drawnPen_;
  std::optional<meta::TBrush> drawnBrush_;
  std::optional<meta::TFont> drawnFont_;
  std::optional<velplatform::TRasterOp> drawnRasterOp_;
  std::optional<TColor> drawnTextColor_;
};

}  // namespace velarion::ui

#endif
