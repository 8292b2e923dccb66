// What a pixel of the sky area means: the horizontal coordinates under it (status bar,
// angle tool, rotation tool), the pixel of a horizontal direction, the angle between two
// pixels, and the limits of panning in the detailed view. Plain arithmetic on the layout.
#ifndef VELARION_APP_UI_WINDOW_SKYGEOMETRY_H
#define VELARION_APP_UI_WINDOW_SKYGEOMETRY_H

#include <cstdint>
#include <optional>

namespace velarion::ui {

// The part of the view the conversions need.
struct TDiscView {
  int32_t centreX = 0;
  int32_t centreY = 0;
  int32_t radius = 1;
  double yScale = 1.0;
  double rotationDeg = 0.0;
  bool mirror = false;
  bool azimuthFromSouth = false;
  bool stereographic = true;
};

struct TDiscPoint {
  double azimuthDeg;   // [0, 360), counted as the view counts it (north or south)
  double altitudeDeg;  // only meaningful when inside the disc
  bool insideDisc;
};

TDiscPoint PixelToHorizontal(const TDiscView& view, int32_t x, int32_t y);

struct TPixel {
  int32_t x;
  int32_t y;
  bool operator==(const TPixel&) const = default;
};
TPixel HorizontalToPixel(const TDiscView& view, double azimuthDeg, double altitudeDeg);

// The angle in degrees between two directions on the sphere, exact for equal and very
// close directions (no arccosine of a value just above 1).
double AngleBetween(double azimuth1Deg, double altitude1Deg, double azimuth2Deg,
                    double altitude2Deg);

// The angle between the horizontal directions of two pixels; none unless both lie inside
// the disc.
std::optional<double> PixelAngle(const TDiscView& view, int32_t x1, int32_t y1, int32_t x2,
                                 int32_t y2);

// The direction of a pixel from the disc centre as seen from the zenith, counter-clockwise
// from straight up on the screen, [0, 360); 0 at the centre itself.
double ZenithAzimuth(const TDiscView& view, int32_t x, int32_t y);

// The view rotation while the rotation tool drags from (x0, y0) to (x, y), having started
// at `startRotationDeg`; reduced to [0, 360).
double DraggedRotation(const TDiscView& view, double startRotationDeg, int32_t x0, int32_t y0,
                       int32_t x, int32_t y);

// The change of rotation in (-180, 180] for the preview label.
double RotationChange(double fromDeg, double toDeg);

// Detailed view: the view offset after panning by (dx, dy), kept so that part of the disc
// stays in view.
struct TViewOffset {
  int32_t x;
  int32_t y;
  bool operator==(const TViewOffset&) const = default;
};
TViewOffset PannedOffset(TViewOffset offset, int32_t dx, int32_t dy, int32_t radius, double yScale,
                         int32_t windowWidth, int32_t windowHeight);

// [0, 360).
double ReduceDegrees(double degrees);

}  // namespace velarion::ui

#endif
