#include "GifFile.h"

#include <gif_lib.h>

#include <memory>

namespace velarion::ui {

namespace {

int AppendToString(GifFileType* gif, const GifByteType* bytes, int count) {
  static_cast<std::string*>(gif->UserData)->append(reinterpret_cast<const char*>(bytes), count);
  return count;
}

struct TCloseGif {
  void operator()(GifFileType* gif) const {
    int error = 0;
    EGifCloseFile(gif, &error);
  }
};
struct TFreeColourMap {
  void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

std::unique_ptr<ColorMapObject, TFreeColourMap> ColourMap(const std::vector<uint32_t>& palette) {
  int size = 2;
  while (size < static_cast<int>(palette.size())) size *= 2;
  std::unique_ptr<ColorMapObject, TFreeColourMap> map(GifMakeMapObject(size, nullptr));
  if (!map) return map;
  for (std::size_t i = 0; i < palette.size(); ++i) {
    map->Colors[i] = {static_cast<GifByteType>(velplatform::RedOfPixel(palette[i])),
                      static_cast<GifByteType>(velplatform::GreenOfPixel(palette[i])),
                      static_cast<GifByteType>(velplatform::BlueOfPixel(palette[i]))};
  }
  return map;
}

bool WriteImage(GifFileType* gif, const TIndexedPicture& picture, const ColorMapObject* map) {
  if (EGifPutScreenDesc(gif, picture.width, picture.height, map->BitsPerPixel, 0, map) ==
          GIF_ERROR ||
      EGifPutImageDesc(gif, 0, 0, picture.width, picture.height, false, nullptr) == GIF_ERROR) {
    return false;
  }
  std::vector<GifPixelType> row(static_cast<std::size_t>(picture.width));
  for (int32_t y = 0; y < picture.height; ++y) {
    const auto first = picture.indices.begin() + static_cast<std::ptrdiff_t>(y) * picture.width;
    std::copy(first, first + picture.width, row.begin());
    if (EGifPutLine(gif, row.data(), picture.width) == GIF_ERROR) return false;
  }
  return true;
}

}  // namespace

std::optional<std::string> GifFileBytes(const TIndexedPicture& picture) {
  std::string bytes;
  int error = 0;
  std::unique_ptr<GifFileType, TCloseGif> gif(EGifOpen(&bytes, AppendToString, &error));
  const auto map = ColourMap(picture.palette);
  if (!gif || !map) return std::nullopt;
  EGifSetGifVersion(gif.get(), true);
  if (!WriteImage(gif.get(), picture, map.get())) return std::nullopt;
  // Closing writes the trailer.
  if (EGifCloseFile(gif.release(), &error) == GIF_ERROR) return std::nullopt;
  return bytes;
}

}  // namespace velarion::ui
