// Colour settings of an earlier version, kept in "Velarion.ini" as comma-separated colour
// lists, turned into a colour scheme named "User" that the settings then select.
#ifndef VELARION_APP_UI_INSTALL_COLOURCONVERSION_H
#define VELARION_APP_UI_INSTALL_COLOURCONVERSION_H

#include "ColorSchemes.h"
#include "IniDocument.h"

namespace velarion::install {

// Converts "Sky"/"ScreenColor" and "Sky"/"PrintColor" when they hold lists, makes a
// "ChangeSpaceColor" of "0" a "3" and drops "Sky"/"AutoR". True when a scheme was added
// (the schemes file then needs writing).
bool ConvertEarlierColours(velplatform::TIniDocument& settings, sky::TColorSchemes& schemes);

}  // namespace velarion::install

#endif
