#include "ObjHints.h"

namespace velarion::ui {

std::vector<std::string> HintLines(std::span<const sky::TSelectedObject> picked) {
  std::vector<std::string> lines;
  for (auto object = picked.rbegin(); object != picked.rend(); ++object) {
    if (static_cast<int32_t>(lines.size()) > kMaxHintNames) break;
    std::string text = static_cast<int32_t>(lines.size()) == kMaxHintNames
                           ? std::string(kMoreHintNames)
                           : object->group->GetObjectName(object->index);
    if (text.empty() || (!lines.empty() && lines.back() == text)) continue;
    lines.push_back(std::move(text));
  }
  return lines;
}

velplatform::TRect HintRectangle(const THintPlace& p) {
  const int32_t width = p.widestLine + 2 * 3;
  const int32_t height = p.lineCount * p.lineHeight + 2 * 2;
  int32_t left = p.pointer.x - 3;
  int32_t top = p.pointer.y - 2 + p.cursorHeight * 21 / 30;
  if (left + width > p.screenWidth) left = p.screenWidth - width;
  if (left < 0) left = 0;
  if (top + height > p.screenHeight) top = p.pointer.y - 2 - height;
  return {left, top, left + width, top + height};
}

}  // namespace velarion::ui
