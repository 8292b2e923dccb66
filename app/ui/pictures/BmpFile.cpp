#include "BmpFile.h"

#include "ByteWriter.h"

namespace velarion::ui {

namespace {

using namespace bmp_layout;

uint32_t RowBytes(int32_t width, int32_t bits) {
  return static_cast<uint32_t>(((static_cast<uint64_t>(width) * bits + 31) / 32) * 4);
}

// Both headers and the palette; the pixels follow.
TByteWriter Headers(int32_t width, int32_t height, int32_t bits,
                    const std::vector<uint32_t>& palette) {
  const uint32_t pixelOffset =
      static_cast<uint32_t>(kFileHeaderSize + kInfoHeaderSize + 4 * palette.size());
  const uint64_t imageSize = static_cast<uint64_t>(RowBytes(width, bits)) * height;
  TByteWriter out;
  out.Reserve(pixelOffset + imageSize);
  out.PutBytes("BM");
  out.Put(static_cast<uint32_t>(pixelOffset + imageSize));
  out.Put(uint32_t{0});
  out.Put(pixelOffset);
  out.Put(static_cast<uint32_t>(kInfoHeaderSize));
  out.Put(width);
  out.Put(height);  // positive: the rows go from the bottom up
  out.Put(uint16_t{1});
  out.Put(static_cast<uint16_t>(bits));
  out.Put(uint32_t{0});  // no compression
  out.Put(static_cast<uint32_t>(imageSize));
  out.Put(kPixelsPerMetre);
  out.Put(kPixelsPerMetre);
  out.Put(static_cast<uint32_t>(palette.size()));
  out.Put(uint32_t{0});
  for (const uint32_t colour : palette) out.Put(colour & 0xFFFFFF);  // blue, green, red, 0
  return out;
}

}  // namespace

std::string BmpFileBytes(const TIndexedPicture& picture) {
  TByteWriter out = Headers(picture.width, picture.height, picture.bits, picture.palette);
  const uint32_t rowBytes = RowBytes(picture.width, picture.bits);
  std::string row(rowBytes, '\0');
  for (int32_t y = picture.height - 1; y >= 0; --y) {
    std::fill(row.begin(), row.end(), '\0');
    const uint8_t* indices = picture.indices.data() + static_cast<std::size_t>(y) * picture.width;
    for (int32_t x = 0; x < picture.width; ++x) {
      if (picture.bits == 8) {
        row[x] = static_cast<char>(indices[x]);
      } else if (indices[x] != 0) {
        row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
      }
    }
    out.PutBytes(row);
  }
  return out.Take();
}

std::string BmpFileBytes(const velplatform::TPixelView& picture) {
  TByteWriter out = Headers(picture.width, picture.height, 24, {});
  std::string row(RowBytes(picture.width, 24), '\0');
  for (int32_t y = picture.height - 1; y >= 0; --y) {
    for (int32_t x = 0; x < picture.width; ++x) {
      const uint32_t pixel = picture.At(x, y);
      row[3 * x] = static_cast<char>(velplatform::BlueOfPixel(pixel));
      row[3 * x + 1] = static_cast<char>(velplatform::GreenOfPixel(pixel));
      row[3 * x + 2] = static_cast<char>(velplatform::RedOfPixel(pixel));
    }
    out.PutBytes(row);
  }
  return out.Take();
}

}  // namespace velarion::ui
