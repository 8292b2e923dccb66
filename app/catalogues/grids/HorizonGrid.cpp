#include "HorizonGrid.h"

#include "AngleUtils.h"
#include "ClippedPolyline.h"
#include "Cp1251.h"
#include "DrawDevice.h"
#include "GridDrawing.h"
#include "GridLabels.h"
#include "GridSteps.h"
#include "MarkupText.h"
#include "SkyImageExports.h"
#include "ValueFormat.h"

#include <cmath>

namespace velarion::catalogues {

void THorizonGrid::Init() {
  Code = "HGRID";
  Name = velplatform::Cp1251("Горизонт. координатная сетка");
  Version = "2.0";
  Selectable = false;
  EpochKind = 0;
}

void THorizonGrid::FreeResources() {
  FreeLines();
  chord_ = {};
  TObjectGroup::FreeResources();
}

void THorizonGrid::FreeLines() {
  azLines_ = {};
  altCircles_ = {};
  ObjectCount = 0;
}

THorizontalView THorizonGrid::ViewOfDisc() const {
  return {View.centreX,         View.centreY,     View.radius,      View.yScale,
          View.projection == 1, View.rotationDeg, View.mirror != 0, View.azimuthZero == 1,
          View.fontHeight,      ViewRect};
}

void THorizonGrid::ChooseSteps(const THorizontalView& v) {
  const int32_t zoomStep = AutoDecStep(View.zoomPercent);
  if (!params_.azimuthAuto) {
    azStep_ = ManualDecStep(params_.lineStep[kAzimuthLines]);
    altStep_ = ManualDecStep(params_.lineStep[kAltitudeCircles]);
    return;
  }
  altStep_ = zoomStep;
  azStep_ = zoomStep;
  if (ViewMode == 1 && v.radius > 0 && v.radius >= edgeDistance_) {
    const double d = sky::RadToDeg(std::acos(std::clamp(edgeDistance_ / v.radius, 0.0, 1.0)));
    const double step =
        (std::sqrt(std::max(8100.0 - d * d, 0.0)) * 0.2 + 1.0) * azimuthExtent_ * 0.02 * 60.0;
    azStep_ = std::max(SnapDecStep(sky::RoundToInt(step)), kMinDecStepArcmin);
  }
}

void THorizonGrid::ResizeLines() {
  const auto a = static_cast<std::size_t>(FullCircleLineCount(azStep_));
  const auto h = static_cast<std::size_t>(std::max(catalogues::AltitudeCircleCount(altStep_), 0));
  if (azLines_.size() != a) azLines_ = std::vector<TGridLine>(a);
  if (altCircles_.size() != h) altCircles_ = std::vector<TGridLine>(h);
  ObjectCount = static_cast<int32_t>(a + h);
}

void THorizonGrid::CalculateObjects(const kit::TVisibleObjectReport& report) {
  params_ = ReadGridParams();
  if (!params_.horizontalGrid) {
    FreeLines();
    return;
  }
  const THorizontalView v = ViewOfDisc();
  if (ViewMode == 1) {
    chord_ = {};
    azimuthExtent_ = ViewAzimuthExtent(ViewRect, v.cx, v.cy, v.yScale);
    edgeDistance_ = DistanceToNearestEdge(ViewRect, v.cx, v.cy, v.yScale);
  } else if (chord_.size() != static_cast<std::size_t>(std::max(v.radius, 0)) + 1) {
    chord_ = ChordTable(v.radius, v.yScale);
  }
  ChooseSteps(v);
  ResizeLines();
  sky::SharedPolylineClipper().MakeReady((ViewRect.right - ViewRect.left + 1) * 2);
  CalculateAzimuthLines(v, report);
  CalculateAltitudeCircles(v, report);
}

double THorizonGrid::InnerFactor(bool stereographic) const {
  // Without altitude circles the lines run to the zenith.
  if (altCircles_.empty()) return 0.0;
  const double highest = static_cast<double>(altCircles_.size()) * altStep_ / 60.0;
  return RadiusFactor(90.0 - highest, stereographic);
}

void THorizonGrid::CalculateAzimuthLines(const THorizontalView& v,
                                         const kit::TVisibleObjectReport& report) {
  const double inner = InnerFactor(v.stereographic);
  for (std::size_t i = 0; i < azLines_.size(); ++i) {
    TGridLine& line = azLines_[i];
    line.Reset();
    if (!params_.lineVisible[kAzimuthLines]) continue;
    const int32_t azimuth = static_cast<int32_t>(i) * azStep_;
    std::string label = SmallLabel(HorizontalAngleText(azimuth));
    const int32_t width = LabelWidth(label);
    const double theta = AzimuthDirection(azimuth, v);
    if (ViewMode == 0) {
      BuildQuickAzimuthLine(line, theta, inner, width, v);
    } else {
      BuildDetailedAzimuthLine(line, theta, inner, width, v);
    }
    line.label = std::move(label);
    if (line.visible) report(static_cast<int32_t>(i) + 1);
  }
}

void THorizonGrid::CalculateAltitudeCircles(const THorizontalView& v,
                                            const kit::TVisibleObjectReport& report) {
  const auto h = static_cast<int32_t>(altCircles_.size());
  for (int32_t k = 0; k < h; ++k) {
    TGridLine& line = altCircles_[static_cast<std::size_t>(k)];
    line.Reset();
    if (!params_.lineVisible[kAltitudeCircles]) continue;
    const int32_t altitude = (h - k) * altStep_;
    const int32_t r =
        sky::RoundToInt(v.radius * RadiusFactor(90.0 - altitude / 60.0, v.stereographic));
    std::string label = SmallLabel(HorizontalAngleText(altitude));
    const int32_t width = LabelWidth(label);
    if (ViewMode == 0) {
      BuildQuickAltitudeCircle(line, r, width, chord_, v);
    } else {
      BuildDetailedAltitudeCircle(line, r, width, v);
    }
    line.label = std::move(label);
    if (line.visible) report(static_cast<int32_t>(azLines_.size()) + k + 1);
  }
}

void THorizonGrid::DrawObjects(const kit::TNextObject& next) {
  DrawRequestedGridLines(*this, next, [this](int32_t n) { return Line(n); });
}

const TGridLine* THorizonGrid::Line(int32_t index) const {
  if (index < 1) return nullptr;
  const auto i = static_cast<std::size_t>(index - 1);
  if (i < azLines_.size()) return &azLines_[i];
  if (i - azLines_.size() < altCircles_.size()) return &altCircles_[i - azLines_.size()];
  return nullptr;
}

std::optional<THorizonGrid::TLineValue> THorizonGrid::ShownValue(int32_t index) const {
  if (!params_.horizontalGrid || Line(index) == nullptr) return std::nullopt;
  const auto a = static_cast<int32_t>(azLines_.size());
  if (index <= a) {
    if (!params_.lineVisible[kAzimuthLines]) return std::nullopt;
    return TLineValue{1, (index - 1) * azStep_};
  }
  if (!params_.lineVisible[kAltitudeCircles]) return std::nullopt;
  const auto h = static_cast<int32_t>(altCircles_.size());
  return TLineValue{2, (a + h - index + 1) * altStep_};
}

bool THorizonGrid::GetObjectRect(int32_t index, kit::TObjectRect& rect) {
  const TGridLine* line = Line(index);
  if (!ShownValue(index) || !line->visible) return false;
  rect = ToObjectRect(line->rect.Rect());
  return true;
}

int32_t THorizonGrid::GetObjectData(int32_t index, std::span<std::byte> buffer) {
  const auto value = ShownValue(index);
  if (!value || buffer.size() < kDataSize) return 0;
  velplatform::PutField(buffer, 0, value->type);
  velplatform::PutField(buffer, 1, value->arcmin / 60.0);
  return static_cast<int32_t>(kDataSize);
}

std::string THorizonGrid::GetObjectName(int32_t index) {
  const auto value = ShownValue(index);
  if (!value) return {};
  std::string name(1, sky::kMarkupNormal);
  name += velplatform::Cp1251(value->type == 1 ? "Азимут" : "Высота");
  name += "=";
  name += sky::FormatAngle(sky::TAngleUnit::kDegrees, sky::TAngleResolution::kMinutes, 0, false,
                           value->arcmin / 60.0);
  return name;
}

}  // namespace velarion::catalogues
