#include "SkyGeometry.h"

#include "Units.h"

#include <algorithm>
#include <cmath>

namespace velarion::ui {

namespace {

using velcommon::kDegToRad;

double Asin(double x) { return std::asin(std::clamp(x, -1.0, 1.0)) / kDegToRad; }
double Acos(double x) { return std::acos(std::clamp(x, -1.0, 1.0)) / kDegToRad; }

}  // namespace

double ReduceDegrees(double degrees) {
  double r = std::fmod(degrees, 360.0);
  if (r < 0.0) r += 360.0;
  return r >= 360.0 ? 0.0 : r;
}

TDiscPoint PixelToHorizontal(const TDiscView& view, int32_t x, int32_t y) {
  const double dx = x - view.centreX;
  const double dy = (y - view.centreY) / view.yScale;
  const double r = std::hypot(dx, dy);
  if (r == 0.0) return {180.0, 90.0, true};
  double azimuth = 0.0;
  if (view.azimuthFromSouth) {
    azimuth = Asin(dx / r);
    if (dy < 0.0) azimuth = 180.0 - azimuth;
  } else {
    azimuth = Asin(-dx / r);
    if (dy > 0.0) azimuth = 180.0 - azimuth;
  }
  azimuth = ReduceDegrees(azimuth - view.rotationDeg);
  if (view.mirror) azimuth = ReduceDegrees(-azimuth);
  const bool inside = r <= view.radius;
  double altitude = 0.0;
  if (inside) {
    const double q = r / view.radius;
    altitude = view.stereographic ? Asin((1.0 - q * q) / (1.0 + q * q)) : Acos(q);
  }
  return {azimuth, altitude, inside};
}

TPixel HorizontalToPixel(const TDiscView& view, double azimuthDeg, double altitudeDeg) {
  const double h = altitudeDeg * kDegToRad;
  double rho = view.radius * std::cos(h);
  if (view.stereographic) rho /= std::sin(h) + 1.0;
  if (!view.azimuthFromSouth) rho = -rho;
  // The exact inverse of PixelToHorizontal: the rotation turns the map counter-clockwise.
  const double theta = ((view.mirror ? -azimuthDeg : azimuthDeg) + view.rotationDeg) * kDegToRad;
  // The vertical axis is stretched as the disc is.
  return {static_cast<int32_t>(std::lround(view.centreX + rho * std::sin(theta))),
          static_cast<int32_t>(std::lround(view.centreY + rho * std::cos(theta) * view.yScale))};
}

double AngleBetween(double azimuth1Deg, double altitude1Deg, double azimuth2Deg,
                    double altitude2Deg) {
  // The haversine form: well conditioned for small angles, where the cosine form loses
  // every digit and may leave the arccosine's domain.
  const double h1 = altitude1Deg * kDegToRad;
  const double h2 = altitude2Deg * kDegToRad;
  const double dA = (azimuth1Deg - azimuth2Deg) * kDegToRad;
  const double sinHalfH = std::sin((h1 - h2) / 2.0);
  const double sinHalfA = std::sin(dA / 2.0);
  const double a = sinHalfH * sinHalfH + std::cos(h1) * std::cos(h2) * sinHalfA * sinHalfA;
  return 2.0 * std::atan2(std::sqrt(a), std::sqrt(std::max(0.0, 1.0 - a))) / kDegToRad;
}

std::optional<double> PixelAngle(const TDiscView& view, int32_t x1, int32_t y1, int32_t x2,
                                 int32_t y2) {
  const TDiscPoint a = PixelToHorizontal(view, x1, y1);
  const TDiscPoint b = PixelToHorizontal(view, x2, y2);
  if (!a.insideDisc || !b.insideDisc) return std::nullopt;
  return AngleBetween(a.azimuthDeg, a.altitudeDeg, b.azimuthDeg, b.altitudeDeg);
}

double ZenithAzimuth(const TDiscView& view, int32_t x, int32_t y) {
  const double dx = x - view.centreX;
  const double dy = (y - view.centreY) / view.yScale;
  if (dx == 0.0 && dy == 0.0) return 0.0;
  return ReduceDegrees(std::atan2(-dx, -dy) / kDegToRad);
}

double DraggedRotation(const TDiscView& view, double startRotationDeg, int32_t x0, int32_t y0,
                       int32_t x, int32_t y) {
  // The map follows the pointer: a counter-clockwise drag turns it counter-clockwise, which
  // is a growing rotation whether or not the map is mirrored.
  return ReduceDegrees(startRotationDeg + ZenithAzimuth(view, x, y) - ZenithAzimuth(view, x0, y0));
}

double RotationChange(double fromDeg, double toDeg) {
  double change = std::fmod(toDeg - fromDeg, 360.0);
  if (change > 180.0) change -= 360.0;
  if (change <= -180.0) change += 360.0;
  return change;
}

TViewOffset PannedOffset(TViewOffset offset, int32_t dx, int32_t dy, int32_t radius, double yScale,
                         int32_t windowWidth, int32_t windowHeight) {
  const auto radiusY = static_cast<int32_t>(std::lround(radius * yScale));
  const auto keep = [](int32_t value, int32_t low, int32_t high) {
    return high < low ? low : std::clamp(value, low, high);
  };
  return {keep(offset.x + dx, -radius - 40, radius + 40 - windowWidth),
          keep(offset.y + dy, -radiusY - 40, radiusY + 40 - windowHeight)};
}

}  // namespace velarion::ui
