// The pixels of a picture in memory, without Qt in sight: rows from the top, each pixel a
// 32-bit 0xFFRRGGBB value (the image device's own layout, read in place, not copied).
#ifndef VELARION_PLATFORM_PIXELVIEW_H
#define VELARION_PLATFORM_PIXELVIEW_H

#include <cstddef>
#include <cstdint>
#include <span>

namespace velplatform {

struct TPixelView {
  int32_t width = 0;
  int32_t height = 0;
  std::span<const uint32_t> pixels;  // width × height

  uint32_t At(int32_t x, int32_t y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
  }
};

constexpr uint32_t RedOfPixel(uint32_t pixel) { return (pixel >> 16) & 0xFF; }
constexpr uint32_t GreenOfPixel(uint32_t pixel) { return (pixel >> 8) & 0xFF; }
constexpr uint32_t BlueOfPixel(uint32_t pixel) { return pixel & 0xFF; }

}  // namespace velplatform

#endif
