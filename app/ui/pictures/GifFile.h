// The GIF file of a 1-bit or 8-bit picture (giflib): one image filling the screen, its
// palette the global colour table, padded with black to a power of two.
#ifndef VELARION_APP_UI_PICTURES_GIFFILE_H
#define VELARION_APP_UI_PICTURES_GIFFILE_H

#include "IndexedPicture.h"

#include <optional>
#include <string>

namespace velarion::ui {

// None when the encoder fails.
std::optional<std::string> GifFileBytes(const TIndexedPicture& picture);

}  // namespace velarion::ui

#endif
