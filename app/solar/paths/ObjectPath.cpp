#include "ObjectPath.h"

#include "Cp1251.h"
#include "DiscDrawing.h"
#include "MarkupText.h"
#include "PathFit.h"
#include "ProjectionExports.h"
#include "SkyImageExports.h"
#include "velastro.h"

#include <algorithm>
#include <array>

namespace velarion::paths {

namespace {

// A visible window narrower than this (degrees) is widened by kWindowWidening of its size
// on each side, so that a path crossing a small view is still followed into it.
constexpr double kSmallWindowDeg = 1.0;
constexpr double kWindowWidening = 2.0 / 3.0;
// Marks are the size of stars of these magnitudes (hundredths), at least kMinMarkPx.
constexpr int32_t kMarkMagnitudeDetailed = 500;
constexpr int32_t kMarkMagnitudeQuick = 400;
constexpr int32_t kMinMarkPx = 7;
// A mark this close to the path's ends (centuries, 3 milliseconds) is on the path: the
// calendar round trip of a start at a whole hour must not lose its first mark.
constexpr double kMarkSlack = 1e-12;

// An unfilled ellipse of `size` (width, height) centred on `at`, and the label when given.
void DrawMark(velplatform::TDrawDevice& device, velplatform::TPoint at, velplatform::TPoint size,
              const std::string& label) {
  const int32_t left = at.x - size.x / 2;
  const int32_t top = at.y - size.y / 2;
  device.Ellipse({left, top, left + size.x, top + size.y});
  if (label.empty()) return;
  const std::string text =
      std::string{sky::kMarkupNormal, sky::kMarkupSmallOn} + label + sky::kMarkupSmallOff;
  DrawString(text.c_str(), at.x + size.x - size.x / 2 + 2, at.y - size.y, true);
}

}  // namespace

void TObjectPath::Init() {
  Code = "OBJP";
  Name = "Object path";
  Version = "1.0";
  Selectable = false;
  EpochKind = 1;
  Epoch = 0.0;
  ObjectCount = 1;
}

void TObjectPath::FreeResources() {
  segments_ = {};
  computedSpan_.reset();
  polylines_ = {};
  TObjectGroup::FreeResources();
}

bool TObjectPath::Compute(double t0, double t1, const TPathPositionSource& source,
                          const velplatform::TProgressReport& progress) {
  polylines_ = {};
  TPathFit fit = FitPath(t0, t1, source, progress);
  if (fit.cancelled) {
    segments_ = {};
    computedSpan_.reset();
    return false;
  }
  segments_ = std::move(fit.segments);
  computedSpan_ = TTimeSpan{t0, t1};
  return true;
}

void TObjectPath::WidenSmallWindow() {
  kit::TRaDecWindow& w = RaDecWindow;
  const double height = w.decMax - w.decMin;
  if (height < kSmallWindowDeg) {
    w.decMin = std::max(-90.0, w.decMin - height * kWindowWidening);
    w.decMax = std::min(90.0, w.decMax + height * kWindowWidening);
  }
  const double width = w.raMax - w.raMin;
  if (width < kSmallWindowDeg) {
    w.raMin -= width * kWindowWidening;
    w.raMax += width * kWindowWidening;
    if (w.raMin < 0.0) {  // a window that runs past 360, the form IsRaDecInView reads
      w.raMin += 360.0;
      w.raMax += 360.0;
    }
  }
}

std::optional<velplatform::TPoint> TObjectPath::PointOnMap(const TSkyPlace& place) const {
  velplatform::TPoint p;
  if (!IsRaDecInView(place.raDeg, place.decDeg) ||
      !RaDecToXY(place.raDeg, place.decDeg, &p.x, &p.y)) {
    return std::nullopt;
  }
  return p;
}

void TObjectPath::CalculateObjects(const kit::TVisibleObjectReport& report) {
  polylines_ = {};
  WidenSmallWindow();
  SetEpoch(Epoch, static_cast<uint16_t>(EpochKind));
  polylines_ = TracePath(segments_, [this](const TSkyPlace& place) { return PointOnMap(place); },
                         {{View.centreX, View.centreY}, View.radius});
  if (!polylines_.Empty() && report) report(1);
}

void TObjectPath::DrawObjects(const kit::TNextObject&) {
  velplatform::TDrawDevice* device = velplatform::DeviceOf(DrawDevice);
  if (device == nullptr || polylines_.Empty()) return;
  const uint32_t colour = View.colours[kit::kStarImageColour];
  const solar::TPenAndBrushKeeper kept(*device);
  device->SetPen(colour);
  device->PolyPolyline(polylines_.points, polylines_.counts);
  if (marks_.unit != TMarkUnit::kNone && marks_.multiplier >= 1) DrawMarks(*device, colour);
}

void TObjectPath::DrawMarks(velplatform::TDrawDevice& device, uint32_t colour) {
  SetEpoch(Epoch, static_cast<uint16_t>(EpochKind));
  int32_t width = 0;
  int32_t height = 0;
  GetSymbolSize(
      SymbolSizeForMagnitude(ViewMode == 1 ? kMarkMagnitudeDetailed : kMarkMagnitudeQuick), &width,
      &height);
  // Odd, so that a mark has a middle pixel on the path.
  width = std::max(width, kMinMarkPx) | 1;
  height = std::max(height, kMinMarkPx) | 1;
  device.SetBrush(colour, velplatform::TBrushStyle::kNull);
  const int32_t previousText = SetDrawColor(kit::kTextColour, static_cast<int32_t>(colour));

  const double zoneDays = View.timeZoneHours / 24.0;
  const double first = segments_.front().span.tStart;
  const double last = segments_.back().span.tEnd;
  TCivilMoment mark = FirstMark(CivilMomentOf(TToMJD(first) + zoneDays), marks_.unit);
  // The window allows kMaxMarks steps; one more ends the span, one before it the rounding.
  for (int32_t k = 0; k <= kMaxMarks + 1;
       ++k, mark = NextMark(mark, marks_.unit, marks_.multiplier)) {
    const double t = GetT(LocalMjdOf(mark) - zoneDays);
    if (t > last + kMarkSlack) break;
    const TPathSegment* segment = SegmentAt(segments_, t, kMarkSlack);
    const auto at = segment != nullptr ? PointOnMap(PlaceOnSegment(*segment, t)) : std::nullopt;
    if (!at) continue;
    const bool labelled = marks_.labelInterval > 0 && k % marks_.labelInterval == 0;
    DrawMark(device, *at, {width, height}, labelled ? MarkLabel(mark, marks_.unit) : "");
  }
  SetDrawColor(kit::kTextColour, previousText);
}

bool TObjectPath::GetObjectRect(int32_t index, kit::TObjectRect& rect) {
  if (index != 1 || polylines_.Empty()) return false;
  const velplatform::TRect& b = polylines_.bounds;
  rect = {b.left, b.top, b.right, b.bottom};
  return true;
}

std::string TObjectPath::GetObjectName(int32_t index) {
  if (index != 1) return {};
  std::array<std::byte, kit::common_object::kRecordSize> record{};
  std::string name;
  if (source_.GetFObjectData(sourceObject_, record)) {
    const kit::TCommonObject common = kit::ReadCommonObject(record);
    if ((common.flags & kit::kObjectName) != 0) name = common.name;
  }
  if (name.empty()) name = source_.GetObjectName(sourceObject_);
  return name.empty() ? std::string() : name + velplatform::Cp1251(" (траектория)");
}

}  // namespace velarion::paths
