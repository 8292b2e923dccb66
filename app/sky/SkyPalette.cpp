#include "SkyPalette.h"

#include <algorithm>

namespace velarion::sky {

bool IsPaletteDevice(bool supportsPalette, int paletteSize) {
  return supportsPalette && paletteSize > 13;
}

bool ScreenUsesPalette() { return IsPaletteDevice(false, 0); }

TSkyPalette::TSkyPalette(const TColorScheme& scheme) { Update(scheme); }

std::optional<std::string> TSkyPalette::Update(const TColorScheme& scheme, int first, int count) {
  if (first < 0 || count < 0 || first + count > kEntries) return "Out of palette bounds";
  for (int i = first; i < first + count; ++i) {
    const uint32_t c = scheme.Color(i);
    colors_[i] = c;
    entries_[i] = {static_cast<uint8_t>(c & 0xFF), static_cast<uint8_t>((c >> 8) & 0xFF),
                   static_cast<uint8_t>((c >> 16) & 0xFF), 0};
  }
  return std::nullopt;
}

bool TSkyPalette::Holds(uint32_t color) const {
  return std::find(colors_.begin(), colors_.end(), color) != colors_.end();
}

uint32_t TSkyPalette::DrawingColor(uint32_t color) const {
  return Holds(color) ? color + kPaletteRelative : color;
}

}  // namespace velarion::sky
