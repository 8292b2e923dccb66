// The palette of the sky colours for screens that show colours through a palette.
//
// Such screens are gone: the window system here always draws in true colour, so the
// program never builds this palette (ScreenUsesPalette answers false). The model stays
// so that drawing code marks palette colours the one way it always has.
#ifndef VELARION_APP_SKY_SKYPALETTE_H
#define VELARION_APP_SKY_SKYPALETTE_H

#include "ColorSchemes.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace velarion::sky {

inline constexpr uint32_t kPaletteRelative = 0x02000000;

// A screen needs the palette when it supports palettes with more than 13 entries.
bool IsPaletteDevice(bool supportsPalette, int paletteSize);
// What the window system reports for the screen here.
bool ScreenUsesPalette();

struct TPaletteEntry {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
  uint8_t flags = 0;
};

class TSkyPalette {
 public:
  static constexpr uint16_t kVersion = 0x300;
  static constexpr int kEntries = kit::kColourTableEntries;

  // MakePalette: one entry per scheme colour.
  explicit TSkyPalette(const TColorScheme& scheme);

  // UpdatePalette: replaces `count` entries from `first` with the scheme's colours; the
  // error text when the request goes beyond the palette's end.
  std::optional<std::string> Update(const TColorScheme& scheme, int first = 0,
                                    int count = kEntries);

  bool Holds(uint32_t color) const;
  // The colour as drawing receives it: palette-relative when the palette holds it.
  uint32_t DrawingColor(uint32_t color) const;

  const std::array<TPaletteEntry, kEntries>& Entries() const { return entries_; }

 private:
  std::array<TPaletteEntry, kEntries> entries_{};
  std::array<uint32_t, kEntries> colors_{};
};

}  // namespace velarion::sky

#endif
