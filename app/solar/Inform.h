// The information window's content: the lines that the groups give for every selected
// object, each object's block opened by a title line, the buttons of the groups' extra
// commands, and the arithmetic the window draws them by. Plain data, so that the window
// (and the headless "--info") only show what is built here.
#ifndef VELARION_APP_SOLAR_INFORM_H
#define VELARION_APP_SOLAR_INFORM_H

#include "SkyImage.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velarion::solar {

// Title lines begin with this mark (CP1251 149, then "i").
inline constexpr std::string_view kTitleMark = "\x95i";

// One extra command of an object's group: a button placed in the content.
struct TInfoCommand {
  groups::TSkyObjectGroup* group = nullptr;
  int32_t number = 0;   // the object
  int32_t command = 0;  // from 1 within the object's block
  std::string caption;  // CP1251
  int32_t top = 0;      // content pixels
};

struct TInfoContent {
  std::vector<std::string> lines;  // marked-up CP1251; title lines carry kTitleMark
  std::vector<int32_t> titleTops;  // content pixels, one per object block
  std::vector<TInfoCommand> commands;
  int32_t lineHeight = 16;  // h, pixels
};

// The top of line `index` in content pixels: (index × h × 7) div 6.
int32_t InfoLineTop(int32_t index, int32_t lineHeight);
// The height of an extra command's button: h × 4 div 3.
int32_t InfoButtonHeight(int32_t lineHeight);
// The vertical scroll range of the content: (lines × h × 7) div 6 + 1.
int32_t InfoScrollRange(const TInfoContent& content);

// The blocks of the selected objects, the last selected first.
TInfoContent BuildInfoContent(std::span<const sky::TSelectedObject> selection, int32_t lineHeight);

// True for a title line; its text is what follows the mark.
bool IsTitleLine(std::string_view line);
std::string_view TitleText(std::string_view line);

// The lines as the copy buttons give them: plain text, title lines as "»" and their text.
std::vector<std::string> InfoPlainLines(std::span<const std::string> lines);
// For the clipboard: those lines joined by CR LF, none after the last.
std::string InfoClipboardText(std::span<const std::string> lines);

}  // namespace velarion::solar

#endif
