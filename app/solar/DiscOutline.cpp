#include "DiscOutline.h"

#include "ProjectionExports.h"
#include "Units.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace velarion::solar {

namespace {

using velcommon::kDegToRad;
using velcommon::kRadToDeg;
// About 22 pixels between neighbours along the limb, never more than 10 degrees.
constexpr double kLimbPixels = 8000.0;
constexpr double kMaxStepDeg = 10.0;
constexpr int kEdgeRounds = 10;
constexpr int32_t kMaxInt = std::numeric_limits<int32_t>::max();

double Normalize360(double deg) {
  const double r = std::fmod(deg, 360.0);
  return r < 0.0 ? r + 360.0 : r;
}

struct TProjected {
  bool visible = false;
  velplatform::TPoint point;
};

TProjected Project(const TSpereRaDecShift& shape, double angleDeg) {
  double ra = 0.0, dec = 0.0;
  shape.PointAt(angleDeg, ra, dec);
  TProjected p;
  p.visible = RaDecToXY(ra, dec, &p.point.x, &p.point.y);
  return p;
}

// The point where the outline leaves the visible sky, by bisection between an angle that
// does not project and one that does.
velplatform::TPoint FindVisibilityEdge(const TSpereRaDecShift& shape, double hiddenDeg,
                                       double visibleDeg) {
  if (std::fabs(hiddenDeg - visibleDeg) > 180.0) {
    (hiddenDeg < visibleDeg ? hiddenDeg : visibleDeg) += 360.0;
  }
  bool found = false;
  velplatform::TPoint last;
  for (int round = 0; round < kEdgeRounds; ++round) {
    const double middle = 0.5 * (hiddenDeg + visibleDeg);
    const TProjected p = Project(shape, middle);
    if (!p.visible) {
      hiddenDeg = middle;
      continue;
    }
    visibleDeg = middle;
    const bool settled =
        found && std::abs(p.point.x - last.x) <= 1 && std::abs(p.point.y - last.y) <= 1;
    last = p.point;
    found = true;
    if (settled) break;
  }
  return found ? last : Project(shape, visibleDeg).point;
}

class TOutlineTracer {
 public:
  explicit TOutlineTracer(TDiscOutline& outline) : outline_(outline) {}

  // n points from `startDeg` in steps of `stepDeg`, the last one exactly half a turn on.
  void TraceOutlineHalf(const TSpereRaDecShift& shape, int32_t n, double stepDeg, double startDeg) {
    const double endDeg = startDeg + std::copysign(180.0, stepDeg);
    double angle = startDeg;
    double previousAngle = startDeg;
    bool previousVisible = false;
    for (int32_t i = 1; i <= n; ++i) {
      if (i == n) angle = endDeg;
      const TProjected p = Project(shape, angle);
      if (i > 1 && p.visible != previousVisible) {
        Add(p.visible ? FindVisibilityEdge(shape, previousAngle, angle)
                      : FindVisibilityEdge(shape, angle, previousAngle));
      }
      if (p.visible) Add(p.point);
      previousVisible = p.visible;
      previousAngle = angle;
      angle += stepDeg;
    }
  }

  int32_t Size() const { return static_cast<int32_t>(outline_.points.size()); }

 private:
  void Add(velplatform::TPoint p) {
    outline_.points.push_back(p);
    kit::TObjectRect& r = outline_.rect;
    r.left = std::min(r.left, p.x);
    r.top = std::min(r.top, p.y);
    r.right = std::max(r.right, p.x);
    r.bottom = std::max(r.bottom, p.y);
  }

  TDiscOutline& outline_;
};

}  // namespace

TSpereRaDecShift::TSpereRaDecShift(double raDeg, double decDeg)
    : ra0_(raDeg), sinDec0_(std::sin(decDeg * kDegToRad)), cosDec0_(std::cos(decDeg * kDegToRad)) {}

void TSpereRaDecShift::SetCircle(double radiusDeg) {
  ellipse_ = false;
  radius_ = radiusDeg;
}

void TSpereRaDecShift::SetEllipse(double theta0Deg, double bDeg, double aDeg) {
  if (aDeg - std::fabs(bDeg) < 1e-12) {
    SetCircle(aDeg);
    return;
  }
  ellipse_ = true;
  theta0_ = theta0Deg;
  a_ = aDeg;
  b_ = bDeg;
}

void TSpereRaDecShift::PointAt(double positionAngleDeg, double& raDeg, double& decDeg) const {
  double rho = radius_;
  double direction = positionAngleDeg;
  if (ellipse_) {
    const double t = (positionAngleDeg - theta0_) * kDegToRad;
    const double along = a_ * std::cos(t);
    const double across = b_ * std::sin(t);
    rho = std::hypot(along, across);
    direction = theta0_ + std::atan2(across, along) * kRadToDeg;
  }
  const double sinRho = std::sin(rho * kDegToRad), cosRho = std::cos(rho * kDegToRad);
  const double sinDir = std::sin(direction * kDegToRad), cosDir = std::cos(direction * kDegToRad);
  const double sinDec = sinDec0_ * cosRho + cosDec0_ * sinRho * cosDir;
  decDeg = std::asin(std::clamp(sinDec, -1.0, 1.0)) * kRadToDeg;
  // The atan2 form keeps the offset in RA defined at the poles and exact near 0 and 180.
  const double dRa = std::atan2(sinRho * sinDir, cosDec0_ * cosRho - sinDec0_ * sinRho * cosDir);
  raDeg = Normalize360(ra0_ + dRa * kRadToDeg);
}

std::span<const velplatform::TPoint> TDiscOutline::Unlit() const {
  if (unlitCount <= 0) return {};
  return std::span(points).subspan(static_cast<std::size_t>(unlitStart - 1),
                                   static_cast<std::size_t>(unlitCount));
}

std::span<const velplatform::TPoint> TDiscOutline::Lit() const {
  if (litCount <= 0) return {};
  return std::span(points).subspan(static_cast<std::size_t>(litStart - 1),
                                   static_cast<std::size_t>(litCount));
}

TDiscOutline BuildDiscOutline(double raDeg, double decDeg, double radiusDeg,
                              int32_t horizonRadiusPx, double brightLimbDeg, double cosPhase) {
  TDiscOutline outline;
  outline.rect = {kMaxInt, kMaxInt, -kMaxInt, -kMaxInt};
  const double rpx = std::nearbyint(std::sin(radiusDeg * kDegToRad) * horizonRadiusPx);
  if (!(rpx >= 1.0) || !std::isfinite(cosPhase)) return outline;
  const double step = std::min(kLimbPixels / (velcommon::kTwoPi * rpx), kMaxStepDeg);
  const auto n = static_cast<int32_t>(180.0 / step) + 1;
  const bool partial = std::fabs(cosPhase) < kFullPhase;
  outline.points.reserve(static_cast<std::size_t>(2 * n + n / 2 + (partial ? n : 0)));

  TSpereRaDecShift shape(raDeg, decDeg);
  shape.SetCircle(radiusDeg);
  TOutlineTracer tracer(outline);
  const double pa = brightLimbDeg;
  if (!partial) {
    tracer.TraceOutlineHalf(shape, n, step, pa);
    tracer.TraceOutlineHalf(shape, n, step, pa + 180.0);
    (cosPhase > 0.0 ? outline.litCount : outline.unlitCount) = tracer.Size();
    return outline;
  }
  tracer.TraceOutlineHalf(shape, n, step, pa);
  const int32_t terminatorStart = tracer.Size() + 1;
  shape.SetEllipse(pa + 180.0, -radiusDeg * cosPhase, radiusDeg);
  tracer.TraceOutlineHalf(shape, n, step, pa + 180.0);
  outline.unlitCount = tracer.Size();
  shape.SetCircle(radiusDeg);
  tracer.TraceOutlineHalf(shape, n, -step, pa);
  outline.litStart = terminatorStart;
  outline.litCount = tracer.Size() - terminatorStart + 1;
  return outline;
}

bool AboveDrawingHorizon(double altitudeDeg, double semiDiameterArcmin) {
  return altitudeDeg > -(semiDiameterArcmin / 61.0) - 0.7;
}

double DrawnRadiusDeg(double semiDiameterArcmin, double altitudeDeg, int32_t horizonRadiusPx,
                      int32_t symbolWidthPx, bool stereographic) {
  const double trueRadiusDeg = semiDiameterArcmin / 60.0;
  const double rpx = std::nearbyint(std::sin(trueRadiusDeg * kDegToRad) * horizonRadiusPx);
  if (2.0 * rpx >= symbolWidthPx || horizonRadiusPx <= 0) return trueRadiusDeg;
  const double enlargedPx = symbolWidthPx / 2 + 1;
  double r = std::asin(std::min(1.0, enlargedPx / horizonRadiusPx)) * kRadToDeg;
  if (stereographic) r *= 1.0 + std::sin(altitudeDeg * kDegToRad);
  return r;
}

bool DiscBoxInView(const kit::TObjectGroup& group, double raDeg, double decDeg, double radiusDeg) {
  const double cosDec = std::cos(decDeg * kDegToRad);
  const double raHalf =
      cosDec > radiusDeg * kDegToRad ? std::min(radiusDeg / cosDec, 180.0) : 180.0;
  return group.IsRaDecRectInView(raDeg - raHalf, decDeg - radiusDeg, raDeg + raHalf,
                                 decDeg + radiusDeg);
}

namespace {

struct TPointD {
  double x, y;
};

// Twice the signed area: positive when the points run counter-clockwise on the page.
double SignedArea(std::span<const velplatform::TPoint> polygon) {
  double area = 0.0;
  for (std::size_t i = 0, n = polygon.size(); i < n; ++i) {
    const velplatform::TPoint& a = polygon[i];
    const velplatform::TPoint& b = polygon[(i + 1) % n];
    area += static_cast<double>(a.x) * b.y - static_cast<double>(b.x) * a.y;
  }
  return area;
}

// Sutherland-Hodgman against one edge of the convex polygon.
std::vector<TPointD> ClipByEdge(const std::vector<TPointD>& polygon, TPointD a, TPointD b,
                                double orientation) {
  auto side = [&](TPointD p) {
    return orientation * ((b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x));
  };
  std::vector<TPointD> out;
  for (std::size_t i = 0, n = polygon.size(); i < n; ++i) {
    const TPointD p = polygon[i];
    const TPointD q = polygon[(i + 1) % n];
    const double sp = side(p), sq = side(q);
    if (sp >= 0.0) out.push_back(p);
    if ((sp >= 0.0) != (sq >= 0.0)) {
      const double f = sp / (sp - sq);
      out.push_back({p.x + f * (q.x - p.x), p.y + f * (q.y - p.y)});
    }
  }
  return out;
}

}  // namespace

std::vector<velplatform::TPoint> IntersectWithConvex(std::span<const velplatform::TPoint> subject,
                                                     std::span<const velplatform::TPoint> convex) {
  const double area = SignedArea(convex);
  if (subject.size() < 3 || convex.size() < 3 || area == 0.0) return {};
  std::vector<TPointD> polygon;
  for (const velplatform::TPoint& p : subject) polygon.push_back({double(p.x), double(p.y)});
  const double orientation = area > 0.0 ? 1.0 : -1.0;
  for (std::size_t i = 0, n = convex.size(); i < n && !polygon.empty(); ++i) {
    const TPointD a{double(convex[i].x), double(convex[i].y)};
    const TPointD b{double(convex[(i + 1) % n].x), double(convex[(i + 1) % n].y)};
    if (a.x == b.x && a.y == b.y) continue;
    polygon = ClipByEdge(polygon, a, b, orientation);
  }
  std::vector<velplatform::TPoint> result;
  for (const TPointD& p : polygon) {
    result.push_back(
        {static_cast<int32_t>(std::lround(p.x)), static_cast<int32_t>(std::lround(p.y))});
  }
  return result.size() >= 3 ? result : std::vector<velplatform::TPoint>{};
}

velplatform::TPoint MeanPoint(std::span<const velplatform::TPoint> points) {
  if (points.empty()) return {};
  double x = 0.0, y = 0.0;
  for (const velplatform::TPoint& p : points) {
    x += p.x;
    y += p.y;
  }
  const double n = static_cast<double>(points.size());
  return {static_cast<int32_t>(std::lround(x / n)), static_cast<int32_t>(std::lround(y / n))};
}

void MoveOutline(TDiscOutline& outline, int32_t dx, int32_t dy) {
  for (velplatform::TPoint& p : outline.points) {
    p.x += dx;
    p.y += dy;
  }
  if (outline.points.empty()) return;
  outline.rect.left += dx;
  outline.rect.right += dx;
  outline.rect.top += dy;
  outline.rect.bottom += dy;
}

}  // namespace velarion::solar
