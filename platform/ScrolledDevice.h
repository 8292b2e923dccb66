// A drawing device that shows a small part of a larger picture: everything drawn in picture
// coordinates lands on the smaller device shifted by the scroll position. The quick view's
// picture (the whole disc) is larger than the sky area once zoomed in, and composing all of
// it for every paint, or for every pixel picked, would cost the whole picture's memory.
#ifndef VELARION_PLATFORM_SCROLLEDDEVICE_H
#define VELARION_PLATFORM_SCROLLEDDEVICE_H

#include "DrawDevice.h"

namespace velplatform {

class TScrolledDevice final : public TDrawDevice {
 public:
  // The window-sized device and the picture point shown at its top-left corner.
  void Show(TDrawDevice& target, int32_t scrollX, int32_t scrollY);
  TDrawDevice* Target() const { return target_; }
  // Forgets the target (about to be destroyed); nothing may be drawn until the next Show.
  void Hide() { target_ = nullptr; }

  // The picture as far as the window reaches into it.
  int32_t Width() const override { return target_->Width() + dx_; }
  int32_t Height() const override { return target_->Height() + dy_; }
  int32_t BitDepth() const override { return target_->BitDepth(); }
  double DpiX() const override { return target_->DpiX(); }
  double DpiY() const override { return target_->DpiY(); }

  void SetPen(TColor color, int32_t width, TPenStyle style) override {
    target_->SetPen(color, width, style);
  }
  void SetBrush(TColor color, TBrushStyle style) override { target_->SetBrush(color, style); }
  void SetTextColor(TColor color) override { target_->SetTextColor(color); }
  TColor TextColor() const override { return target_->TextColor(); }
  TColor PenColor() const override { return target_->PenColor(); }
  TColor BrushColor() const override { return target_->BrushColor(); }
  void SetRasterOp(TRasterOp op) override { target_->SetRasterOp(op); }
  void SetClipRect(const TRect& rect) override { target_->SetClipRect(Shift(rect)); }
  void ClearClip() override { target_->ClearClip(); }
  std::optional<TRect> ClipRect() const override;

  void MoveTo(int32_t x, int32_t y) override { target_->MoveTo(x - dx_, y - dy_); }
  void LineTo(int32_t x, int32_t y) override { target_->LineTo(x - dx_, y - dy_); }
  void Polyline(std::span<const TPoint> points) override;
  void PolyPolyline(std::span<const TPoint> points, std::span<const int32_t> counts) override;
  void Polygon(std::span<const TPoint> points) override;
  void Ellipse(const TRect& box) override { target_->Ellipse(Shift(box)); }
  void Rectangle(const TRect& box) override { target_->Rectangle(Shift(box)); }
  void FillRect(const TRect& box, TColor color) override { target_->FillRect(Shift(box), color); }
  void SetPixel(int32_t x, int32_t y, TColor color) override {
    target_->SetPixel(x - dx_, y - dy_, color);
  }
  TColor GetPixel(int32_t x, int32_t y) const override {
    return target_->GetPixel(x - dx_, y - dy_);
  }

  void TextOut(int32_t x, int32_t y, std::string_view text, const TFontSpec& font) override {
    target_->TextOut(x - dx_, y - dy_, text, font);
  }
  int32_t TextWidth(std::string_view text, const TFontSpec& font) const override {
    return target_->TextWidth(text, font);
  }
  void SetGreekFamily(std::string_view family) override { target_->SetGreekFamily(family); }

  void DrawMonoImage(const TMonoImage& image, int32_t x, int32_t y, TColor shape, TColor background,
                     bool transparentBackground) override {
    target_->DrawMonoImage(image, x - dx_, y - dy_, shape, background, transparentBackground);
  }
  TMonoImage RenderText(std::string_view text, const TFontSpec& font) const override {
    return target_->RenderText(text, font);
  }

 private:
  TRect Shift(const TRect& r) const {
    return {r.left - dx_, r.top - dy_, r.right - dx_, r.bottom - dy_};
  }
  std::span<const TPoint> Shifted(std::span<const TPoint> points);

  TDrawDevice* target_ = nullptr;
  int32_t dx_ = 0;
  int32_t dy_ = 0;
  std::vector<TPoint> shifted_;
};

}  // namespace velplatform

#endif
