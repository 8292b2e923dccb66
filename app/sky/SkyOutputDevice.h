// TSkyOutputDevice: the drawing surface groups write labels and symbols to through the
// exports DrawString, DrawSymbol, GetSymbolSize, SetDrawColor and GetDrawDeviceBitDepth.
#ifndef VELARION_APP_SKY_SKYOUTPUTDEVICE_H
#define VELARION_APP_SKY_SKYOUTPUTDEVICE_H

#include "DrawDevice.h"
#include "MarkupText.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace velarion::sky {

using velplatform::TColor;
using velplatform::TDrawDevice;
using velplatform::TFontSpec;
using velplatform::TMonoImage;

inline constexpr int32_t kSymbolCount = 100;        // images 1 .. 100
inline constexpr int32_t kLastStarSymbol = 24;      // star discs 1 .. 24
inline constexpr int32_t kFirstSpecialSymbol = 25;  // symbol-font signs 25 .. 28
inline constexpr int32_t kLastSpecialSymbol = 28;
inline constexpr char kSymbolFontFamily[] = "Ravar Oder";
inline constexpr std::size_t kMaxFontNameLength = 31;

// The prepared symbol images, index 0 unused.
using TSymbolImages = std::array<TMonoImage, kSymbolCount + 1>;

class TSkyOutputDevice {
 public:
  // The canvas drawn on, bound for one drawing pass only (see TCanvasBinding): a canvas
  // outlives no pass, since the window gives its picture back whenever it loses the user.
  // With none bound, drawing does nothing and text is measured on the measuring device.
  void Bind(TDrawDevice* device);
  TDrawDevice* Device() const { return device_; }
  // A device of the screen's resolution, owned here, on which text is measured between
  // drawing passes (groups lay out their labels when recalculated on their own).
  void SetMeasuringDevice(std::unique_ptr<TDrawDevice> device);

  // Fonts: normal and Greek by family name, the symbol font "Ravar Oder", with heights.
  void SetFonts(std::string_view normal, std::string_view greek, int32_t normalHeight,
                int32_t greekHeight, int32_t symbolHeight);
  int32_t LargestFontHeight() const;
  const std::string& NormalFont() const { return normal_; }
  const std::string& GreekFont() const { return greek_; }

  // Symbols come from the prepared images (image mode) or are drawn as shapes.
  void SetSymbolImages(const TSymbolImages* images) { images_ = images; }
  void SetSymbolFontInstalled(bool installed) { symbolFontInstalled_ = installed; }
  bool SymbolFontInstalled() const { return symbolFontInstalled_; }
  void SetBackground(TColor color) { background_ = color; }

  // Draws (when `draw`) marked-up text from (x, y) and returns its width in pixels.
  int32_t DrawString(std::string_view text, int32_t x, int32_t y, bool draw);
  // Symbol `index` with its top-left corner at (x, y); indices outside 1 .. 100 are ignored.
  void DrawSymbol(int32_t index, int32_t x, int32_t y, TColor color);
  // The symbol's image size; false (outputs untouched) outside 1 .. 100 or without image.
  bool GetSymbolSize(int32_t index, int32_t& width, int32_t& height) const;
  // Kind (kit::TDrawColourKind) pen, text or fill: sets the colour and returns the previous
  // one; 0 for another kind.
  TColor SetDrawColor(int32_t kind, TColor color);
  int32_t BitDepth() const;

  // Draws symbol `index` as a shape of the given size (how the images are made).
  void DrawSymbolShape(TDrawDevice& target, int32_t index, int32_t x, int32_t y, int32_t width,
                       int32_t height, TColor color) const;

 private:
  struct TRun;
  TFontSpec FontOf(TMarkupFont font, int32_t size, bool italic, bool bold) const;
  int32_t FullSize(TMarkupFont font) const;
  int32_t DrawRun(const TRun& run, int32_t x, int32_t y, bool draw);
  // The bound canvas, else the measuring device; none when neither is there.
  TDrawDevice* Measurer() const { return device_ != nullptr ? device_ : measuring_.get(); }

  TDrawDevice* device_ = nullptr;
  std::unique_ptr<TDrawDevice> measuring_;
  std::string normal_ = "Arial";
  std::string greek_ = "Symbol";
  int32_t normalHeight_ = 12;
  int32_t greekHeight_ = 12;
  int32_t symbolHeight_ = 12;
  const TSymbolImages* images_ = nullptr;
  bool symbolFontInstalled_ = true;
  TColor background_ = 0;
};

// Binds a canvas to the output device for one scope and restores the binding before it.
class TCanvasBinding {
 public:
  TCanvasBinding(TSkyOutputDevice& output, TDrawDevice& canvas)
      : output_(output), previous_(output.Device()) {
    output_.Bind(&canvas);
  }
  ~TCanvasBinding() { output_.Bind(previous_); }
  TCanvasBinding(const TCanvasBinding&) = delete;
  TCanvasBinding& operator=(const TCanvasBinding&) = delete;

 private:
  TSkyOutputDevice& output_;
  TDrawDevice* previous_;
};

}  // namespace velarion::sky

#endif
