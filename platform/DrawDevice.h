// The drawing device every group draws on: pens, brushes, text, raster operations, a clip
// rectangle, lines, polygons, ellipses, pixels and two-colour images. The same groups draw
// through it on the screen picture, on paper, into picture files and onto the recording
// device of the tests. Colours are 0x00BBGGRR values; a palette-relative colour (bit 25
// set) draws as its RGB part.
#ifndef VELARION_PLATFORM_DRAWDEVICE_H
#define VELARION_PLATFORM_DRAWDEVICE_H

#include "Geometry.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velplatform {

using TColor = uint32_t;

constexpr TColor RgbColor(uint32_t red, uint32_t green, uint32_t blue) {
  return red | (green << 8) | (blue << 16);
}
constexpr uint32_t RedOf(TColor c) { return c & 0xFF; }
constexpr uint32_t GreenOf(TColor c) { return (c >> 8) & 0xFF; }
constexpr uint32_t BlueOf(TColor c) { return (c >> 16) & 0xFF; }

enum class TPenStyle { kSolid, kDash, kDot, kDashDot, kNull };
enum class TBrushStyle { kSolid, kNull };
// How drawn pixels combine with those already there.
enum class TRasterOp { kCopy, kXor, kNotXor };

// A font by family name as the program names it ("Arial", "Symbol", "Ravar Oder"),
// resolved by the device: "Arial" to an installed sans serif, the Greek font to that sans
// serif with Latin letters shown as Greek ones, "Ravar Oder" to the symbol font file.
struct TFontSpec {
  std::string family;
  int32_t height = 12;  // pixels, cell height
  bool italic = false;
  bool bold = false;
  bool operator==(const TFontSpec&) const = default;
};

// A two-colour (shape / background) image, as the star images and symbol glyphs are kept.
class TMonoImage {
 public:
  TMonoImage() = default;
  TMonoImage(int32_t width, int32_t height)
      : width_(width),
        height_(height),
        bits_(static_cast<std::size_t>(width > 0 && height > 0 ? width * height : 0), 0) {}
  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  bool Empty() const { return bits_.empty(); }
  // Outside the image: false, and writes are ignored.
  bool Get(int32_t x, int32_t y) const {
    return x >= 0 && y >= 0 && x < width_ && y < height_ && bits_[y * width_ + x] != 0;
  }
  void Set(int32_t x, int32_t y, bool shape) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_) bits_[y * width_ + x] = shape ? 1 : 0;
  }
  bool operator==(const TMonoImage&) const = default;

 private:
  int32_t width_ = 0;
  int32_t height_ = 0;
  std::vector<uint8_t> bits_;
};

class TDrawDevice {
 public:
  virtual ~TDrawDevice() = default;

  virtual int32_t Width() const = 0;
  virtual int32_t Height() const = 0;
  // Colour planes times bits per pixel.
  virtual int32_t BitDepth() const = 0;
  // Horizontal and vertical dots per inch.
  virtual double DpiX() const = 0;
  virtual double DpiY() const = 0;

  virtual void SetPen(TColor color, int32_t width = 1, TPenStyle style = TPenStyle::kSolid) = 0;
  virtual void SetBrush(TColor color, TBrushStyle style = TBrushStyle::kSolid) = 0;
  virtual void SetTextColor(TColor color) = 0;
  virtual TColor TextColor() const = 0;
  virtual TColor PenColor() const = 0;
  virtual TColor BrushColor() const = 0;
  // Applies to everything drawn: lines, fills, text, pixels and images.
  virtual void SetRasterOp(TRasterOp op) = 0;
  // Drawing is limited to the rectangle (bounds inclusive); ClearClip lifts the limit.
  virtual void SetClipRect(const TRect& rect) = 0;
  virtual void ClearClip() = 0;
  // The clip rectangle in force, none when drawing is not clipped (to restore it later).
  virtual std::optional<TRect> ClipRect() const = 0;

  virtual void MoveTo(int32_t x, int32_t y) = 0;
  virtual void LineTo(int32_t x, int32_t y) = 0;  // the end point itself is not drawn
  virtual void Polyline(std::span<const TPoint> points) = 0;
  virtual void PolyPolyline(std::span<const TPoint> points, std::span<const int32_t> counts) = 0;
  virtual void Polygon(
      std::span<const TPoint> points) = 0;       // outlined with the pen, filled with the brush
  virtual void Ellipse(const TRect& box) = 0;    // inside the box, right and bottom exclusive
  virtual void Rectangle(const TRect& box) = 0;  // right and bottom exclusive
  virtual void FillRect(const TRect& box, TColor color) = 0;  // right and bottom exclusive
  virtual void SetPixel(int32_t x, int32_t y, TColor color) = 0;
  virtual TColor GetPixel(int32_t x, int32_t y) const = 0;  // 0 outside the device

  // CP1251 text with its cell's top-left corner at (x, y), no background; TextWidth
  // measures without drawing.
  virtual void TextOut(int32_t x, int32_t y, std::string_view text, const TFontSpec& font) = 0;
  virtual int32_t TextWidth(std::string_view text, const TFontSpec& font) const = 0;
  // The family the configuration names as the Greek font; it draws like "Symbol" (Latin
  // letters shown as Greek ones), which stays Greek whatever is set here.
  virtual void SetGreekFamily(std::string_view family) = 0;

  // Shape pixels in `shape`, the others in `background` (or left alone when
  // `transparentBackground`).
  virtual void DrawMonoImage(const TMonoImage& image, int32_t x, int32_t y, TColor shape,
                             TColor background, bool transparentBackground = false) = 0;
  // Renders text into a two-colour image of its measured size (for symbol glyphs).
  virtual TMonoImage RenderText(std::string_view text, const TFontSpec& font) const = 0;
};

// The handle groups and plug-ins receive for a device, and the device behind a handle.
inline uintptr_t HandleOf(TDrawDevice& device) { return reinterpret_cast<uintptr_t>(&device); }
inline TDrawDevice* DeviceOf(uintptr_t handle) { return reinterpret_cast<TDrawDevice*>(handle); }

}  // namespace velplatform

#endif
