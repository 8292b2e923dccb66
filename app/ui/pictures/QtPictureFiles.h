// The picture files Qt writes: PNG (colour or, from a 1-bit picture, two colours), and PDF
// and SVG holding the picture on a page of its size at 96 dpi. A Qt application must
// exist (the image device the picture was drawn on makes sure of it).
#ifndef VELARION_APP_UI_PICTURES_QTPICTUREFILES_H
#define VELARION_APP_UI_PICTURES_QTPICTUREFILES_H

#include "IndexedPicture.h"
#include "PixelView.h"

#include <optional>
#include <string>

namespace velarion::ui {

// None when the encoder fails.
std::optional<std::string> PngFileBytes(const velplatform::TPixelView& picture);
std::optional<std::string> PngFileBytes(const TIndexedPicture& picture);
std::optional<std::string> PdfFileBytes(const velplatform::TPixelView& picture);
std::optional<std::string> SvgFileBytes(const velplatform::TPixelView& picture);

}  // namespace velarion::ui

#endif
