#include "Horizon.h"

#include "AngleUtils.h"
#include "ClippedPolyline.h"
#include "Cp1251.h"
#include "DrawDevice.h"
#include "GridDrawing.h"
#include "GridLabels.h"
#include "SkyImageExports.h"

#include <cmath>

namespace velarion::catalogues {

namespace {

using sky::RoundToInt;
using velplatform::TPoint;
using velplatform::TRect;

TRect DiscBox(const TDisc& d, double radius) {
  const int32_t rx = RoundToInt(radius);
  const int32_t ry = RoundToInt(radius * d.yScale);
  return {d.cx - rx, d.cy - ry, d.cx + rx, d.cy + ry};
}

TRect BoxOf(TPoint a, TPoint b) {
  return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

}  // namespace

void THorizon::Init() {
  Code = "HORIZ";
  Name = velplatform::Cp1251("Горизонт");
  Version = "2.0";
  Selectable = false;
  EpochKind = 0;
  ObjectCount = 1;
}

TDisc THorizon::Disc() const { return {View.centreX, View.centreY, View.radius, View.yScale}; }

void THorizon::CalculateObjects(const kit::TVisibleObjectReport& report) {
  const TDisc d = Disc();
  sky::SharedPolylineClipper().MakeReady(ViewMode == 1 ? (ViewRect.right - ViewRect.left + 1) * 2
                                                       : 4 * std::max(d.radius, 0) + 2);
  disc_ = DiscBox(d, d.radius);
  outer_ = DiscBox(d, d.radius + View.fontHeight);
  marks_ = CompassMarks(d, View.rotationDeg, View.fontHeight, View.letterWidth);
  report(1);
}

bool THorizon::RimMayShow() const {
  const TDisc d = Disc();
  const TRect view = EnlargedView(ViewRect);
  if (!view.Intersects(DiscBox(d, d.radius + 1.5 * View.fontHeight))) return false;
  return !DiscBox(d, d.radius * kInscribedHalfSide).Contains(view);
}

std::vector<TPoint> THorizon::RimPoints() const {
  const TDisc d = Disc();
  const double r2 = double(d.radius) * d.radius;
  std::vector<TPoint> upper;
  for (int32_t x = ViewRect.left; x <= ViewRect.right; ++x) {
    const double dx = x - d.cx;
    if (dx * dx > r2) continue;
    upper.push_back({x, d.cy - RoundToInt(std::sqrt(r2 - dx * dx) * d.yScale)});
  }
  const auto mirrored = [&d](TPoint p) { return TPoint{p.x, 2 * d.cy - p.y}; };
  std::vector<TPoint> points;
  if (d.cy < ViewRect.top) {
    for (TPoint p : upper) points.push_back(mirrored(p));
    return points;
  }
  points = upper;
  if (d.cy <= ViewRect.bottom) {
    for (auto it = upper.rbegin(); it != upper.rend(); ++it) points.push_back(mirrored(*it));
  }
  return points;
}

void THorizon::DrawObjects(const kit::TNextObject& next) {
  velplatform::TDrawDevice* device = velplatform::DeviceOf(DrawDevice);
  if (device == nullptr || View.radius <= 0) return;
  bool wanted = false;
  for (int32_t n = next(); n != -1; n = next()) wanted = wanted || n == 1;
  if (!wanted || !RimMayShow()) return;
  const auto colour = static_cast<int32_t>(View.colours[kit::kHorizonColour]);
  SetDrawColor(kit::kPenColour, colour);
  SetDrawColor(kit::kTextColour, colour);
  const std::vector<TPoint> rim = RimPoints();
  TBoundingBox box;
  for (TPoint p : rim) box.Include(p);
  DrawClippedPolyline(*device, rim, box.Rect(), EnlargedView(ViewRect));
  DrawMarks(*device);
}

void THorizon::DrawMarks(velplatform::TDrawDevice& device) const {
  const TRect view{ViewRect.left, ViewRect.top, ViewRect.right, ViewRect.bottom};
  for (int i = 1; i <= kCompassMarkCount; ++i) {
    const TCompassMark& m = marks_[static_cast<std::size_t>(i - 1)];
    TBoundingBox box;
    box.Include(BoxOf(m.onCircle, m.tickEnd));
    std::string label;
    if (i % 2 == 1) {
      label = CompassLabel(i, View.mirror != 0, View.azimuthZero == 1);
      box.Include(TRect{m.labelCorner.x, m.labelCorner.y, m.labelCorner.x + LabelWidth(label),
                        m.labelCorner.y + View.fontHeight});
    }
    if (!box.Rect().Intersects(view)) continue;
    const std::array<TPoint, 2> tick{m.onCircle, m.tickEnd};
    DrawClippedPolyline(device, tick, BoxOf(m.onCircle, m.tickEnd), EnlargedView(ViewRect));
    if (!label.empty()) DrawString(label.c_str(), m.labelCorner.x, m.labelCorner.y, true);
  }
}

}  // namespace velarion::catalogues
