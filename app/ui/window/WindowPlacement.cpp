#include "WindowPlacement.h"

#include <algorithm>

namespace velarion::ui {

velplatform::TRect KeepOnScreen(velplatform::TRect window, velplatform::TRect screen,
                                int32_t minWidth, int32_t minHeight) {
  const int32_t screenWidth = screen.right - screen.left;
  const int32_t screenHeight = screen.bottom - screen.top;
  const int32_t width =
      std::clamp(window.right - window.left, std::min(minWidth, screenWidth), screenWidth);
  const int32_t height =
      std::clamp(window.bottom - window.top, std::min(minHeight, screenHeight), screenHeight);
  const int32_t left = std::clamp(window.left, screen.left, screen.right - width);
  const int32_t top = std::clamp(window.top, screen.top, screen.bottom - height);
  return {left, top, left + width, top + height};
}

}  // namespace velarion::ui
