// The Windows bitmap file: a 14-byte file header, a 40-byte information header, the palette
// (1 and 8 bits per pixel) as blue, green, red, 0, and the rows from the bottom up, each
// padded to a multiple of 4 bytes; 24-bit pixels as blue, green, red.
#ifndef VELARION_APP_UI_PICTURES_BMPFILE_H
#define VELARION_APP_UI_PICTURES_BMPFILE_H

#include "IndexedPicture.h"
#include "PixelView.h"

#include <string>

namespace velarion::ui {

namespace bmp_layout {
inline constexpr std::size_t kFileHeaderSize = 14, kInfoHeaderSize = 40;
// File header: "BM", file size, two reserved words, offset of the pixels.
inline constexpr std::size_t kFileSize = 2, kPixelOffset = 10;
// Information header, counted from its start.
inline constexpr std::size_t kWidth = 4, kHeight = 8, kBitsPerPixel = 14, kImageSize = 20,
                             kColoursUsed = 32;
inline constexpr int32_t kPixelsPerMetre = 3780;  // 96 dpi
}  // namespace bmp_layout

// 1 or 8 bits per pixel.
std::string BmpFileBytes(const TIndexedPicture& picture);
// 24 bits per pixel.
std::string BmpFileBytes(const velplatform::TPixelView& picture);

}  // namespace velarion::ui

#endif
