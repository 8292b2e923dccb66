// The part of the configuration the sky image holds: given to its setters at start, in the
// order the file lists the keys, and taken back from it before the file is written.
#ifndef VELARION_APP_UI_SKYSETTINGS_H
#define VELARION_APP_UI_SKYSETTINGS_H

#include "ColorSchemes.h"
#include "Configuration.h"
#include "SkyImage.h"

namespace velarion::ui {

void ApplySkySettings(const TConfiguration& configuration, const sky::TColorSchemes& schemes,
                      sky::TSkyImage& image);

// Every field ApplySkySettings gives, as the sky image now has it; the rest of
// `configuration` is left as it is. A scheme no longer in its list keeps its old position.
void StoreSkySettings(const sky::TSkyImage& image, const sky::TColorSchemes& schemes,
                      TConfiguration& configuration);

}  // namespace velarion::ui

#endif
