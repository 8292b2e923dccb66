#include "IndexedPicture.h"

namespace velarion::ui {

TIndexedPicture ReduceToMono(const velplatform::TPixelView& picture, uint32_t backgroundPixel) {
  TIndexedPicture mono{picture.width, picture.height, 1, {kBlackPixel, kWhitePixel}, {}};
  mono.indices.resize(picture.pixels.size());
  // Bits 24 … 31 are not colour: compare the colour alone.
  const uint32_t background = backgroundPixel & 0xFFFFFF;
  for (std::size_t i = 0; i < picture.pixels.size(); ++i)
    mono.indices[i] = (picture.pixels[i] & 0xFFFFFF) == background ? 1 : 0;
  return mono;
}

}  // namespace velarion::ui
