// The legend of a saved picture: a band along its bottom edge with the place, the local
// moment and the zone, in the sky's normal font and its star colour.
#ifndef VELARION_APP_UI_PICTURES_PICTURELEGEND_H
#define VELARION_APP_UI_PICTURES_PICTURELEGEND_H

#include "DrawDevice.h"
#include "SkyImage.h"

#include <string>

namespace velarion::ui {

// "Шир51.67° Долг39.20°  <local date and time> (U.T.+3.0ч)", CP1251.
std::string PictureLegendText(const sky::TSkyImage& image);

// Fills the band with the sky's background and writes the text on it.
void DrawPictureLegend(const sky::TSkyImage& image, velplatform::TDrawDevice& device);

}  // namespace velarion::ui

#endif
