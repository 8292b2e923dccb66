// A picture of palette indices, as the 1-bit and 8-bit picture files keep it, and its
// reduction to two colours. The reduction to 256 colours is ColourQuantiser.h.
#ifndef VELARION_APP_UI_PICTURES_INDEXEDPICTURE_H
#define VELARION_APP_UI_PICTURES_INDEXEDPICTURE_H

#include "PixelView.h"

#include <cstdint>
#include <vector>

namespace velarion::ui {

struct TIndexedPicture {
  int32_t width = 0;
  int32_t height = 0;
  int32_t bits = 8;               // 1 or 8
  std::vector<uint32_t> palette;  // 0xFFRRGGBB, at most 2^bits entries
  std::vector<uint8_t> indices;   // width × height, rows from the top
};

inline constexpr uint32_t kBlackPixel = 0xFF000000;
inline constexpr uint32_t kWhitePixel = 0xFFFFFFFF;

// Two colours as a monochrome bitmap takes a colour picture: the background white (index 1),
// everything drawn on it black (index 0).
TIndexedPicture ReduceToMono(const velplatform::TPixelView& picture, uint32_t backgroundPixel);

}  // namespace velarion::ui

#endif
