#include "EquatorialGrid.h"

#include "ClippedPolyline.h"
#include "Cp1251.h"
#include "DrawDevice.h"
#include "EquatorialLines.h"
#include "GridDrawing.h"
#include "GridLabels.h"
#include "GridSteps.h"
#include "MarkupText.h"
#include "Projection.h"
#include "SkyImageExports.h"
#include "ValueFormat.h"

namespace velarion::catalogues {

void TEquatorialGrid::Init() {
  Code = "EGRID";
  Name = velplatform::Cp1251("Экват. координатная сетка");
  Version = "2.0";
  Selectable = false;
  EpochKind = sky::kEpochTrueOfDate;
}

void TEquatorialGrid::FreeResources() {
  FreeLines();
  TObjectGroup::FreeResources();
}

void TEquatorialGrid::FreeLines() {
  hourCircles_ = {};
  decCircles_ = {};
  ObjectCount = 0;
}

void TEquatorialGrid::ChooseSteps() {
  if (!params_.equatorialAuto) {
    raStep_ = ManualRaStep(params_.lineStep[kHourCircles]);
    decStep_ = ManualDecStep(params_.lineStep[kDeclinationCircles]);
    return;
  }
  raStep_ = ViewMode == 1 ? AutoDetailedRaStep(RaDecWindow) : AutoQuickRaStep(View.zoomPercent);
  decStep_ = AutoDecStep(View.zoomPercent);
}

void TEquatorialGrid::ResizeLines() {
  const auto m = static_cast<std::size_t>(FullCircleLineCount(raStep_));
  const auto p = static_cast<std::size_t>(catalogues::DeclinationCircleCount(decStep_));
  if (hourCircles_.size() != m) hourCircles_ = std::vector<TGridLine>(m);
  if (decCircles_.size() != p) decCircles_ = std::vector<TGridLine>(p);
  ObjectCount = static_cast<int32_t>(m + p);
}

void TEquatorialGrid::CalculateObjects(const kit::TVisibleObjectReport& report) {
  params_ = ReadGridParams();
  if (!params_.equatorialGrid) {
    FreeLines();
    return;
  }
  ChooseSteps();
  ResizeLines();
  CalculateLines(report);
}

void TEquatorialGrid::CalculateLines(const kit::TVisibleObjectReport& report) {
  const bool quick = ViewMode == 0;
  const TEquatorialView v{View.radius,     View.yScale, View.latitude, View.siderealHours,
                          View.fontHeight, ViewRect,    RaDecWindow,   decStep_};
  sky::SharedPolylineClipper().MakeReady(quick ? 4 * std::max(View.radius, 0)
                                               : (ViewRect.right - ViewRect.left + 1) * 2);
  samplingStep_ = QuickSamplingStep(View.radius, View.yScale);
  int32_t number = 0;
  for (std::size_t i = 0; i < hourCircles_.size(); ++i) {
    TGridLine& line = hourCircles_[i];
    ++number;
    line.Reset();
    if (!params_.lineVisible[kHourCircles]) continue;
    const int32_t ra = static_cast<int32_t>(i) * raStep_;
    std::string label = SmallLabel(HourCircleText(ra));
    if (quick) {
      BuildQuickHourCircle(line, ra, samplingStep_, v);
    } else {
      BuildDetailedHourCircle(line, ra, LabelWidth(label), v);
    }
    line.label = std::move(label);
    if (line.visible) report(number);
  }
  const auto half = static_cast<int32_t>(decCircles_.size() / 2);
  for (std::size_t j = 0; j < decCircles_.size(); ++j) {
    TGridLine& line = decCircles_[j];
    ++number;
    line.Reset();
    if (!params_.lineVisible[kDeclinationCircles]) continue;
    const int32_t dec = (half - static_cast<int32_t>(j)) * decStep_;
    std::string label = SmallLabel(DeclinationText(dec));
    if (quick) {
      BuildQuickDeclinationCircle(line, dec, v);
    } else {
      BuildDetailedDeclinationCircle(line, dec, LabelWidth(label), v);
    }
    line.label = std::move(label);
    if (line.visible) report(number);
  }
}

void TEquatorialGrid::DrawObjects(const kit::TNextObject& next) {
  DrawRequestedGridLines(*this, next, [this](int32_t n) { return Line(n); });
}

const TGridLine* TEquatorialGrid::Line(int32_t index) const {
  if (index < 1) return nullptr;
  const auto i = static_cast<std::size_t>(index - 1);
  if (i < hourCircles_.size()) return &hourCircles_[i];
  if (i - hourCircles_.size() < decCircles_.size()) return &decCircles_[i - hourCircles_.size()];
  return nullptr;
}

bool TEquatorialGrid::GetObjectRect(int32_t index, kit::TObjectRect& rect) {
  const TGridLine* line = Line(index);
  if (line == nullptr || !line->visible) return false;
  rect = ToObjectRect(line->rect.Rect());
  return true;
}

std::optional<TEquatorialGrid::TLineValue> TEquatorialGrid::ShownValue(int32_t index) const {
  if (!params_.equatorialGrid || Line(index) == nullptr) return std::nullopt;
  const auto m = static_cast<int32_t>(hourCircles_.size());
  if (index <= m) {
    if (!params_.lineVisible[kHourCircles]) return std::nullopt;
    return TLineValue{1, (index - 1) * raStep_};
  }
  if (!params_.lineVisible[kDeclinationCircles]) return std::nullopt;
  const auto half = static_cast<int32_t>(decCircles_.size() / 2);
  return TLineValue{2, (half - (index - m) + 1) * decStep_};
}

int32_t TEquatorialGrid::GetObjectData(int32_t index, std::span<std::byte> buffer) {
  const auto value = ShownValue(index);
  if (!value || buffer.size() < kDataSize) return 0;
  velplatform::PutField(buffer, 0, value->type);
  velplatform::PutField(buffer, 1, value->arcmin / 60.0);
  return static_cast<int32_t>(kDataSize);
}

std::string TEquatorialGrid::GetObjectName(int32_t index) {
  const auto value = ShownValue(index);
  if (!value) return {};
  using sky::TAngleResolution;
  using sky::TAngleUnit;
  std::string name{sky::kMarkupGreek, value->type == 1 ? 'a' : 'd'};
  name += sky::kMarkupNormal;
  name += "= ";
  if (value->type == 1) {
    name += sky::FormatAngle(TAngleUnit::kHours, TAngleResolution::kMinutes, 1, false,
                             value->arcmin / 900.0);
  } else {
    name += sky::FormatAngle(TAngleUnit::kDegrees, TAngleResolution::kMinutes, 0, true,
                             value->arcmin / 60.0);
  }
  return name;
}

}  // namespace velarion::catalogues
