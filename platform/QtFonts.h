// The Qt side of the font resolution, for the devices that draw with Qt.
#ifndef VELARION_PLATFORM_QTFONTS_H
#define VELARION_PLATFORM_QTFONTS_H

#include "DrawDevice.h"

#include <QFont>

#include <cstdint>

namespace velplatform {

// The Qt font drawing `fontSpec`: the installed family (Fonts.h), the largest pixel size whose
// cell (ascent plus descent) fits the fontSpec's height, and, for pixel-exact pictures that
// measure as they draw, no antialiasing, no kerning and full hinting (every character
// advances a whole number of pixels, so a text is as wide as its pieces together).
QFont QtFont(const TFontSpec& fontSpec, bool greek);

// Counts the changes of the symbol font registration, so that a font resolved before one
// can be told from a font resolved after it.
uint64_t FontRegistrationGeneration();

}  // namespace velplatform

#endif
