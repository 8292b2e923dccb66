#include "ZoomSteps.h"

#include <array>
#include <cmath>
#include <cstdlib>

namespace velarion::ui {

namespace {

constexpr std::array<int32_t, 10> kDigitZooms{50000, 100, 150,  200,  250,
                                              350,   600, 1000, 3000, 8000};

int32_t Rounded(double x) { return static_cast<int32_t>(std::lround(x)); }

}  // namespace

int32_t ZoomInStep(int32_t zoom) { return zoom * 3 / 2; }
int32_t ZoomOutStep(int32_t zoom) { return zoom * 2 / 3; }

std::optional<int32_t> DigitZoom(int digit) {
  if (digit < 0 || digit > 9) return std::nullopt;
  return kDigitZooms[static_cast<std::size_t>(digit)];
}

TRegionZoom RegionZoom(int32_t zoom, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                       int32_t windowWidth, int32_t windowHeight) {
  const int32_t bandWidth = std::abs(x2 - x1) + 1;
  const int32_t bandHeight = std::abs(y2 - y1) + 1;
  double factor = static_cast<double>(windowWidth) / bandWidth;
  if (Rounded(bandHeight * factor) > windowHeight) {
    factor = static_cast<double>(windowHeight) / bandHeight;
  }
  return {Rounded(factor * zoom), (x1 + x2) / 2, (y1 + y2) / 2};
}

TScrollOffset ScrollKeepingPoint(const TDiscLayout& before, const TDiscLayout& after,
                                 int32_t pointX, int32_t pointY, int32_t windowX, int32_t windowY) {
  const double scale = static_cast<double>(after.radius) / before.radius;
  return {Rounded(after.centreX + (pointX - before.centreX) * scale - windowX),
          Rounded(after.centreY + (pointY - before.centreY) * scale - windowY)};
}

TImageSize QuickImageSize(int32_t radius, double yScale) {
  const int32_t margin = Rounded(std::log(radius + 1.0) * 3.5);
  const int32_t radiusY = Rounded(radius * yScale);
  const int32_t marginY = Rounded(margin * yScale);
  return {2 * (radius + margin), 2 * (radiusY + marginY)};
}

}  // namespace velarion::ui
