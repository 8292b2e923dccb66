// The object hint: when the pointer rests on the sky, a small window names the objects
// under it. What it says and where it stands are decided here; the window only shows them.
#ifndef VELARION_APP_UI_OBJHINTS_H
#define VELARION_APP_UI_OBJHINTS_H

#include "Geometry.h"
#include "SkyImage.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace velarion::ui {

// Ten names at the most, then this line.
inline constexpr int32_t kMaxHintNames = 10;
inline constexpr std::string_view kMoreHintNames = " [...]";

// The lines for the objects picked under the pointer, the last picked first: their names
// (marked-up CP1251), empty names and a name equal to the line before left out.
std::vector<std::string> HintLines(std::span<const sky::TSelectedObject> picked);

struct THintPlace {
  velplatform::TPoint pointer;  // screen pixels
  int32_t widestLine = 0;       // pixels
  int32_t lineCount = 0;
  int32_t lineHeight = 0;    // pixels
  int32_t cursorHeight = 0;  // the pointer's picture
  int32_t screenWidth = 0;
  int32_t screenHeight = 0;
};

// The hint's rectangle on the screen: below the pointer's picture, its text with 3 pixels
// left and right and 2 above and below, kept within the screen's width, and above the
// pointer when it would pass the screen's foot.
velplatform::TRect HintRectangle(const THintPlace& place);

}  // namespace velarion::ui

#endif
