// The outline of a body's disc on the map: the limb and the terminator traced on the
// celestial sphere and projected point by point, split into the lit and the unlit part.
#ifndef VELARION_APP_SOLAR_DISCOUTLINE_H
#define VELARION_APP_SOLAR_DISCOUTLINE_H

#include "Geometry.h"
#include "ObjectGroup.h"

#include <cstdint>
#include <span>
#include <vector>

namespace velarion::solar {

// Points on a circle or an ellipse around a centre on the sphere. Position angles are
// degrees from north through east (increasing right ascension).
class TSpereRaDecShift {
 public:
  TSpereRaDecShift(double raDeg, double decDeg);
  void SetCircle(double radiusDeg);
  // Semi-axes in degrees, the a-axis at position angle theta0Deg; b may be negative. A
  // nearly round ellipse (a - |b| < 1e-12) is the circle of radius a.
  void SetEllipse(double theta0Deg, double bDeg, double aDeg);
  // RA (0..360) and Dec of the outline point in direction `positionAngleDeg`.
  void PointAt(double positionAngleDeg, double& raDeg, double& decDeg) const;

 private:
  double ra0_;
  double sinDec0_;
  double cosDec0_;
  bool ellipse_ = false;
  double radius_ = 0.0;
  double theta0_ = 0.0;
  double a_ = 0.0;
  double b_ = 0.0;
};

// Outlines of a disc in one block of screen points. Starts are 1-based; a count of 0 is an
// empty outline. `rect` bounds every point; with none it is (MaxInt, MaxInt, -MaxInt,
// -MaxInt).
struct TDiscOutline {
  std::vector<velplatform::TPoint> points;
  int32_t unlitStart = 1;
  int32_t unlitCount = 0;
  int32_t litStart = 1;
  int32_t litCount = 0;
  kit::TObjectRect rect;

  std::span<const velplatform::TPoint> Unlit() const;
  std::span<const velplatform::TPoint> Lit() const;
  bool Empty() const { return unlitCount == 0 && litCount == 0; }
};

// A full or new disc when |cos i| >= kFullPhase.
inline constexpr double kFullPhase = 0.996195;

// The outlines of a disc of angular radius `radiusDeg` centred on (ra, dec), drawn at the
// scale of a horizon radius of `horizonRadiusPx` pixels, with the cusp line at position
// angle `brightLimbDeg` and the cosine of the phase angle `cosPhase`. Points come from
// RaDecToXY in the frame set last; where the outline crosses the edge of the visible
// sky, the edge point is found between the two neighbours. A disc that comes out below
// one pixel of radius has no outline.
TDiscOutline BuildDiscOutline(double raDeg, double decDeg, double radiusDeg,
                              int32_t horizonRadiusPx, double brightLimbDeg, double cosPhase);

// Whether a body's disc is drawn at all: its centre above -(semi-diameter / 61) - 0.7
// degrees, which lets a disc standing on the horizon through refraction still show.
bool AboveDrawingHorizon(double altitudeDeg, double semiDiameterArcmin);

// The angular radius (degrees) a disc is drawn with: its own, or when that is narrower
// than the largest star symbol (`symbolWidthPx`), the symbol's half width plus one pixel,
// on a stereographic map enlarged by (1 + sin altitude) as the projection shrinks it.
double DrawnRadiusDeg(double semiDiameterArcmin, double altitudeDeg, int32_t horizonRadiusPx,
                      int32_t symbolWidthPx, bool stereographic);

// Whether the box of a disc (centre +- radius, the RA half-width widened by 1/cos Dec)
// meets the group's visible RA/Dec window.
bool DiscBoxInView(const kit::TObjectGroup& group, double raDeg, double decDeg, double radiusDeg);

// The part of polygon `subject` (any simple polygon) inside the convex polygon `convex`,
// for shading the lit part of a disc with a shadow circle. Empty when they do not meet or
// the convex polygon has no area.
std::vector<velplatform::TPoint> IntersectWithConvex(std::span<const velplatform::TPoint> subject,
                                                     std::span<const velplatform::TPoint> convex);

// The mean of the points; (0, 0) for none.
velplatform::TPoint MeanPoint(std::span<const velplatform::TPoint> points);

// Shifts every point by (dx, dy), the rectangle with them.
void MoveOutline(TDiscOutline& outline, int32_t dx, int32_t dy);

}  // namespace velarion::solar

#endif
