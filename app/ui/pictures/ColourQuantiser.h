// The reduction of a colour picture to at most 256 colours for the 8-bit picture files. A
// picture of 256 colours or fewer keeps them exactly (the sky's colour schemes have few);
// otherwise median cut over a 5-bit-per-channel histogram: the box holding the most pixels
// is split at its median along its longest side until there are 256 boxes, each box's colour
// is the mean of its pixels (Heckbert, "Color image quantization for frame buffer display",
// SIGGRAPH 1982).
#ifndef VELARION_APP_UI_PICTURES_COLOURQUANTISER_H
#define VELARION_APP_UI_PICTURES_COLOURQUANTISER_H

#include "IndexedPicture.h"

namespace velarion::ui {

inline constexpr int32_t kMaxPaletteColours = 256;

TIndexedPicture ReduceTo256Colours(const velplatform::TPixelView& picture);

}  // namespace velarion::ui

#endif
