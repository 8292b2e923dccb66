// Pixel helpers for the tests of the drawing devices.
#ifndef VELARION_TESTS_PLATFORM_DEVICETESTSUPPORT_H
#define VELARION_TESTS_PLATFORM_DEVICETESTSUPPORT_H

#include "DrawDevice.h"

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace veltest {

using velplatform::TColor;
using velplatform::TDrawDevice;
using velplatform::TMonoImage;
using velplatform::TPoint;
using velplatform::TRect;

inline constexpr TColor kWhite = 0xFFFFFF;
inline constexpr TColor kPaletteBit = 0x02000000;

using TPixelSet = std::set<std::pair<int32_t, int32_t>>;

// The pixels of the device that are not black.
inline TPixelSet Lit(const TDrawDevice& device) {
  TPixelSet lit;
  for (int32_t y = 0; y < device.Height(); ++y) {
    for (int32_t x = 0; x < device.Width(); ++x) {
      if (device.GetPixel(x, y) != 0) lit.insert({x, y});
    }
  }
  return lit;
}

inline TPixelSet PixelsOf(std::initializer_list<TPoint> points) {
  TPixelSet set;
  for (const TPoint& p : points) set.insert({p.x, p.y});
  return set;
}

// Every pixel of a box with inclusive bounds.
inline TPixelSet BoxPixels(const TRect& box) {
  TPixelSet set;
  for (int32_t y = box.top; y <= box.bottom; ++y) {
    for (int32_t x = box.left; x <= box.right; ++x) set.insert({x, y});
  }
  return set;
}

// The smallest box (inclusive) holding the pixels.
inline TRect Bounds(const TPixelSet& pixels) {
  TRect box{1 << 30, 1 << 30, -(1 << 30), -(1 << 30)};
  for (const auto& [x, y] : pixels) {
    box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x),
           std::max(box.bottom, y)};
  }
  return box;
}

// All pixels of the device, for comparing pictures.
inline std::vector<TColor> Pixels(const TDrawDevice& device) {
  std::vector<TColor> pixels;
  for (int32_t y = 0; y < device.Height(); ++y) {
    for (int32_t x = 0; x < device.Width(); ++x) pixels.push_back(device.GetPixel(x, y));
  }
  return pixels;
}

// A picture of the image for failure messages: '#' shape, '.' background.
inline std::string Picture(const TMonoImage& image) {
  std::string text;
  for (int32_t y = 0; y < image.Height(); ++y) {
    for (int32_t x = 0; x < image.Width(); ++x) text += image.Get(x, y) ? '#' : '.';
    text += '\n';
  }
  return text;
}

inline bool HasShape(const TMonoImage& image) {
  for (int32_t y = 0; y < image.Height(); ++y) {
    for (int32_t x = 0; x < image.Width(); ++x) {
      if (image.Get(x, y)) return true;
    }
  }
  return false;
}

}  // namespace veltest

#endif
