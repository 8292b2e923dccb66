#include "SaturnRings.h"

#include "DiscOutline.h"
#include "ProjectionExports.h"
#include "Units.h"
#include "velastro.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace velarion::solar {

namespace {

using velcommon::kDegToRad;
using velcommon::kRadToDeg;
// Radii of the ring edges and divisions as seen from 1 AU: tan of the angle.
constexpr double kOuterEdgeAu = 9.1265e-4;
constexpr double kInnerEdgeAu = 6.1498e-4;
constexpr double kCassiniAu = 7.8544e-4;
constexpr double kEnckeAu = 8.9286e-4;
// About 15 pixels between neighbours along an ellipse, never more than 10 degrees, and a
// bounded number of points however far the map is zoomed.
constexpr double kEllipsePixels = 5500.0;
constexpr double kMaxStepDeg = 10.0;
constexpr double kMaxPoints = 20000.0;
constexpr int kRimRounds = 100;

double Normalize360(double deg) {
  const double r = std::fmod(deg, 360.0);
  return r < 0.0 ? r + 360.0 : r;
}

double Clamped(double x) { return std::clamp(x, -1.0, 1.0); }

struct TProjected {
  bool visible = false;
  velplatform::TPoint point;
};

class TEllipseTracer {
 public:
  TEllipseTracer(const TSpereRaDecShift& shape, const TRingView& view)
      : shape_(shape), view_(view) {}

  TProjected At(double angleDeg) const {
    double ra = 0.0, dec = 0.0;
    shape_.PointAt(angleDeg, ra, dec);
    TProjected p;
    p.visible = RaDecToXY(ra, dec, &p.point.x, &p.point.y);
    return p;
  }

  // The point on the horizon rim between an angle that projects and one that does not.
  velplatform::TPoint Rim(double visibleDeg, velplatform::TPoint visiblePoint,
                          double hiddenDeg) const {
    velplatform::TPoint best = visiblePoint;
    for (int round = 0; round < kRimRounds; ++round) {
      const double mid = (visibleDeg + hiddenDeg) / 2.0;
      const TProjected p = At(mid);
      if (!p.visible) {
        hiddenDeg = mid;
        continue;
      }
      visibleDeg = mid;
      best = p.point;
      const double dx = p.point.x - view_.centreX, dy = p.point.y - view_.centreY;
      if (std::fabs(std::hypot(dx, dy) - view_.horizonRadiusPx) <= 1.0) break;
    }
    return best;
  }

 private:
  const TSpereRaDecShift& shape_;
  const TRingView& view_;
};

std::vector<velplatform::TPoint> InsideOf(const TPixelRegion& area,
                                          std::vector<velplatform::TPoint> points) {
  std::erase_if(points, [&](velplatform::TPoint p) { return !area.Contains(p); });
  return points;
}

TPixelRegion RegionOf(const std::vector<velplatform::TPoint>& polygon, const TRingView& view) {
  return TPixelRegion::FromPolygon(polygon, view.clip);
}

}  // namespace

TRingGeometry ComputeRingGeometry(double tCenturies, double raDeg, double decDeg, double deltaAu,
                                  double helioLongitudeDeg, double helioLatitudeDeg) {
  const double t = tCenturies / 10.0;
  const double inclination = 28.04922 - 0.13 * t + 0.0004 * t * t;
  const double node = 169.53 + 13.826 * t + 0.04 * t * t;
  double x = 0.0, y = 0.0, z = 0.0, r = 0.0, poleDec = 0.0, poleRa = 0.0;
  Cart(1.0, 90.0 - inclination, node - 90.0, &x, &y, &z);
  EclEqu(tCenturies, &x, &y, &z);
  Polar(x, y, z, &r, &poleDec, &poleRa);

  const double dp = poleDec * kDegToRad, d = decDeg * kDegToRad;
  const double dAlpha = (poleRa - raDeg) * kDegToRad;
  const double w = std::acos(
      Clamped(std::cos(dAlpha) * std::cos(dp) * std::cos(d) + std::sin(dp) * std::sin(d)));
  TRingGeometry g;
  double pa = 0.0;
  const double denominator = std::cos(d) * std::sin(w);
  if (std::fabs(w) > 1e-9 && std::fabs(denominator) > 0.0) {
    pa = std::acos(Clamped((std::sin(dp) - std::sin(d) * std::cos(w)) / denominator)) * kRadToDeg;
    if (Normalize360(poleRa - raDeg) > 180.0) pa = -pa;
  }
  g.positionAngleDeg = Normalize360(pa + 90.0);
  g.tiltFromEarthDeg = std::asin(Clamped(-std::sin(dp) * std::sin(d) -
                                         std::cos(dAlpha) * std::cos(dp) * std::cos(d))) *
                       kRadToDeg;
  const double i0 = inclination * kDegToRad, b = helioLatitudeDeg * kDegToRad;
  g.tiltFromSunDeg = std::asin(Clamped(std::sin(i0) * std::cos(b) *
                                           std::sin((helioLongitudeDeg - node) * kDegToRad) -
                                       std::cos(i0) * std::sin(b))) *
                     kRadToDeg;
  if (deltaAu > 0.0) g.majorAxisDeg = 2.0 * std::atan(kOuterEdgeAu / deltaAu) * kRadToDeg;
  g.minorAxisDeg = std::fabs(std::sin(g.tiltFromEarthDeg * kDegToRad)) * g.majorAxisDeg;
  return g;
}

std::vector<velplatform::TPoint> TraceRingEllipse(double raDeg, double decDeg, double aDeg,
                                                  double ratio, double paDeg, double fromDeg,
                                                  double toDeg, const TRingView& view) {
  std::vector<velplatform::TPoint> points;
  const double rpx = std::nearbyint(std::sin(aDeg * kDegToRad) * view.horizonRadiusPx);
  const double span = toDeg - fromDeg;
  if (!(rpx >= 1.0) || !(span > 0.0)) return points;
  const double step = std::max(std::min(kEllipsePixels / (velcommon::kTwoPi * rpx), kMaxStepDeg),
                               span / kMaxPoints);
  TSpereRaDecShift shape(raDeg, decDeg);
  shape.SetEllipse(paDeg, aDeg * ratio, aDeg);
  const TEllipseTracer tracer(shape, view);
  std::optional<std::pair<double, TProjected>> previous;
  const auto count = static_cast<int>(std::ceil(span / step));
  for (int i = 0; i <= count; ++i) {
    const double angle = i == count ? toDeg : fromDeg + i * step;
    const TProjected p = tracer.At(angle);
    if (previous && previous->second.visible != p.visible) {
      points.push_back(p.visible ? tracer.Rim(angle, p.point, previous->first)
                                 : tracer.Rim(previous->first, previous->second.point, angle));
    }
    if (p.visible) points.push_back(p.point);
    previous = {angle, p};
  }
  return points;
}

TRingOutline BuildRingOutline(double raDeg, double decDeg, double deltaAu, double planetRadiusDeg,
                              const TRingGeometry& geometry, const TRingView& view) {
  TRingOutline rings;
  if (!(deltaAu > 0.0)) return rings;
  const double s = std::sin(geometry.tiltFromEarthDeg * kDegToRad);
  const double pa = geometry.positionAngleDeg;
  auto angle = [deltaAu](double edgeAu) { return std::atan(edgeAu / deltaAu) * kRadToDeg; };
  auto ellipse = [&](double edgeAu, double from, double to) {
    return TraceRingEllipse(raDeg, decDeg, angle(edgeAu), s, pa, from, to, view);
  };
  // Seen edge on the rings have no area; traced, their two sides would still leave a
  // sliver of rounding between them.
  const double minorPx =
      std::sin(angle(kOuterEdgeAu) * kDegToRad) * std::fabs(s) * view.horizonRadiusPx;
  if (minorPx < 0.5) return rings;
  const std::vector<velplatform::TPoint> outer = ellipse(kOuterEdgeAu, 0.0, 360.0);
  if (outer.size() <= 3) return rings;
  rings.area = RegionOf(outer, view);
  rings.area.Subtract(RegionOf(ellipse(kInnerEdgeAu, 0.0, 360.0), view));
  // The half of the rings behind the planet is hidden by the disc.
  const double hiddenFrom = s > 0.0 ? pa + 180.0 : pa;
  rings.area.Subtract(RegionOf(TraceRingEllipse(raDeg, decDeg, planetRadiusDeg, 1.0, pa, hiddenFrom,
                                                hiddenFrom + 180.0, view),
                               view));
  rings.cassini = InsideOf(rings.area, ellipse(kCassiniAu, pa - 90.0, pa + 270.0));
  rings.encke = InsideOf(rings.area, ellipse(kEnckeAu, pa - 90.0, pa + 270.0));
  return rings;
}

}  // namespace velarion::solar
