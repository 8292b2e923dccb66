// The zoom commands of the main window as plain arithmetic: the steps of Page Up / Page Down
// and the wheel, the zoom of each digit key, the region zoom, and where the view must scroll
// so that the sky point under the pointer stays under it when the zoom changes.
#ifndef VELARION_APP_UI_WINDOW_ZOOMSTEPS_H
#define VELARION_APP_UI_WINDOW_ZOOMSTEPS_H

#include <cstdint>
#include <optional>

namespace velarion::ui {

// Integer steps as the commands have always made them: 100 → 150 → 225, 100 → 66.
int32_t ZoomInStep(int32_t zoom);
int32_t ZoomOutStep(int32_t zoom);

// Digits 1 … 9 and 0: 100, 150, 200, 250, 350, 600, 1000, 3000, 8000, 50000 percent.
std::optional<int32_t> DigitZoom(int digit);

// A region drawn from (x1, y1) to (x2, y2), both corners inside the band, in a window of
// the given size: the new zoom (not yet clamped) and the band's centre.
struct TRegionZoom {
  int32_t zoom;
  int32_t centreX;
  int32_t centreY;
};
TRegionZoom RegionZoom(int32_t zoom, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                       int32_t windowWidth, int32_t windowHeight);

// The disc centre and radius of a layout, in image coordinates.
struct TDiscLayout {
  int32_t centreX = 0;
  int32_t centreY = 0;
  int32_t radius = 1;
};

struct TScrollOffset {
  int32_t x = 0;
  int32_t y = 0;
  bool operator==(const TScrollOffset&) const = default;
};

// The scroll offset (the window's origin in image coordinates of the new layout) that puts
// the image point (pointX, pointY) of the old layout under the window position (windowX,
// windowY) again: the point's distance from the disc centre grows with the radius. In the
// detailed view the image origin is the disc centre (its centre is minus the view offset),
// so `after` has centre (0, 0) there and the result is the new view offset.
TScrollOffset ScrollKeepingPoint(const TDiscLayout& before, const TDiscLayout& after,
                                 int32_t pointX, int32_t pointY, int32_t windowX, int32_t windowY);

// The size of the whole picture of the quick view, the disc with its margins: the scroll
// range of the sky area.
struct TImageSize {
  int32_t width = 0;
  int32_t height = 0;
};
TImageSize QuickImageSize(int32_t radius, double yScale);

}  // namespace velarion::ui

#endif
