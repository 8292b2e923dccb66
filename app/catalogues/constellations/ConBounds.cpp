#include "ConBounds.h"

#include "BoundarySampling.h"
#include "ClippedPolyline.h"
#include "Concat.h"
#include "ConstellationRecord.h"
#include "Cp1251.h"
#include "DrawDevice.h"
#include "GroupDataFile.h"
#include "RaSpan.h"
#include "SkyImageExports.h"
#include "ValueFormat.h"

#include <cstdlib>

namespace velarion::catalogues {

namespace {

using velplatform::Concat;
using velplatform::Cp1251;

constexpr char kFileName[] = "Bounds.dat";

std::string Abbreviation(int32_t constellation) {
  const auto found = FindConstellation(constellation);
  return found ? found->abbreviation : std::string("???");
}

std::string Form1Name(int32_t constellation) {
  const auto found = FindConstellation(constellation);
  return found ? found->form1 : std::string("???");
}

std::string RaText(int32_t raArcmin) {
  return sky::FormatAngle(sky::TAngleUnit::kHours, sky::TAngleResolution::kMinutes, 0, false,
                          raArcmin / 900.0);
}

std::string DecText(int32_t decArcmin) {
  return sky::FormatAngle(sky::TAngleUnit::kDegrees, sky::TAngleResolution::kMinutes, 0, false,
                          decArcmin / 60.0);
}

std::string CoordinatesLine(const TBoundarySegment& s) {
  const std::string alpha =
      "\x02"
      "a\x01: ";
  const std::string delta =
      "\x02"
      "d\x01: ";
  const std::string from = Cp1251("от ");
  const std::string to = Cp1251(" до ");
  if (s.AlongParallel()) {
    return Concat({alpha, from, RaText(s.ra1Arcmin), to, RaText(s.ra2Arcmin), ".;  ", delta,
                   DecText(s.dec1Arcmin)});
  }
  return Concat({alpha, RaText(s.ra1Arcmin), ".;  ", delta, from, DecText(s.dec1Arcmin), to,
                 DecText(s.dec2Arcmin)});
}

}  // namespace

void TConBounds::Init() {
  Code = "BOUND";
  Name = Cp1251("Границы созвездий");
  Version = "2.0";
  EpochKind = 1;
  Epoch = kEpochB1875;
}

bool TConBounds::InitResources(kit::TWindowHandle owner) {
  const std::optional<TBoundaryFile> file =
      OpenGroupDataFile<TBoundaryFile>(owner, programFolder_, kFileName);
  if (!file) return false;
  segments_.clear();
  segments_.reserve(file->Count());
  for (std::size_t i = 0; i < file->Count(); ++i) segments_.push_back({*file->Record(i), {}, {}});
  ObjectCount = static_cast<int32_t>(segments_.size());
  return kit::TObjectGroup::InitResources(owner);
}

void TConBounds::FreeResources() {
  segments_ = {};
  samples_ = {};
  ObjectCount = 0;
  kit::TObjectGroup::FreeResources();
}

void TConBounds::CalculateObjects(const kit::TVisibleObjectReport& report) {
  if (View.objectsVisible2 == 0) return;
  const TSamplingScale scale{View.radius, View.yScale};
  const int32_t ready = ViewMode == 1 ? DetailedPointsReady(ViewRect) : QuickPointsReady(scale);
  sky::SharedPolylineClipper().MakeReady(ready);
  samples_.Reserve(static_cast<std::size_t>(std::max(ready, 0)));
  for (std::size_t i = 0; i < segments_.size(); ++i) {
    TSegment& segment = segments_[i];
    samples_.Clear();
    if (ViewMode == 1) {
      SampleDetailed(segment.record, scale, RaDecWindow, samples_);
    } else {
      SampleQuick(segment.record, scale, samples_);
    }
    segment.points = samples_;
    segment.rect = samples_.Bounds();
    if (!samples_.Empty()) report(static_cast<int32_t>(i + 1));
  }
}

void TConBounds::DrawObjects(const kit::TNextObject& next) {
  velplatform::TDrawDevice* device = velplatform::DeviceOf(DrawDevice);
  if (device == nullptr) return;
  SetDrawColor(kit::kPenColour,
               static_cast<int32_t>(View.colours[kit::kConstellationBoundaryColour]));
  sky::TPolylineClipper& clipper = sky::SharedPolylineClipper();
  const velplatform::TRect clip{ViewRect.left - 1, ViewRect.top - 1, ViewRect.right + 1,
                                ViewRect.bottom + 1};
  for (int32_t index = next(); index != -1; index = next()) {
    if (!HasPoints(index)) continue;
    const TSegment& s = segments_[index - 1];
    const velplatform::TRect box{s.rect.left, s.rect.top, s.rect.right, s.rect.bottom};
    std::span<const velplatform::TPoint> rest = s.points.Points();
    for (const int32_t count : s.points.Counts()) {
      const sky::TPolyPolyline& pieces = clipper.Clip(rest.first(count), box, clip);
      if (!pieces.counts.empty()) device->PolyPolyline(pieces.points, pieces.counts);
      rest = rest.subspan(count);
    }
  }
}

bool TConBounds::HasPoints(int32_t index) {
  return IsValidIndex(index) && !segments_[index - 1].points.Empty();
}

bool TConBounds::GetObjectRect(int32_t index, kit::TObjectRect& rect) {
  if (View.objectsVisible2 == 0 || !HasPoints(index)) return false;
  rect = segments_[index - 1].rect;
  return true;
}

bool TConBounds::GetObjectRaDec(int32_t index, double& ra, double& dec) {
  if (!IsValidIndex(index)) return false;
  const TBoundarySegment& s = segments_[index - 1].record;
  ra = MeanRa(s.ra1Arcmin / 60.0, s.ra2Arcmin / 60.0);
  dec = (s.dec1Arcmin + s.dec2Arcmin) / 120.0;
  return true;
}

int32_t TConBounds::GetObjectData(int32_t index, std::span<std::byte> buffer) {
  namespace r = boundary_record;
  if (!IsValidIndex(index) || buffer.size() < r::kSize) return 0;
  const TBoundarySegment& s = segments_[index - 1].record;
  velplatform::PutField(buffer, r::kRa1, s.ra1Arcmin);
  velplatform::PutField(buffer, r::kDec1, s.dec1Arcmin);
  velplatform::PutField(buffer, r::kRa2, s.ra2Arcmin);
  velplatform::PutField(buffer, r::kDec2, s.dec2Arcmin);
  velplatform::PutField(buffer, r::kFirst, s.firstConstellation);
  velplatform::PutField(buffer, r::kSecond, s.secondConstellation);
  return static_cast<int32_t>(r::kSize);
}

std::string TConBounds::GetObjectName(int32_t index) {
  if (!IsValidIndex(index)) return {};
  const TBoundarySegment& s = segments_[index - 1].record;
  return Concat({"\x01", Cp1251("Граница созвездий "), Abbreviation(s.firstConstellation), " / ",
                 Abbreviation(s.secondConstellation)});
}

void TConBounds::GetObjectStrings(int32_t index, kit::TZStrings& lines) {
  if (!IsValidIndex(index)) return;
  const TBoundarySegment& s = segments_[index - 1].record;
  lines.Add(Concat({"\x01", Cp1251("Граница созвездий")}));
  lines.Add(
      Concat({"\x01", Form1Name(s.firstConstellation), " / ", Form1Name(s.secondConstellation)}));
  lines.Add(Concat({"\x01", Cp1251("Координаты (J1875):")}));
  lines.Add(CoordinatesLine(s));
}

kit::TGroupPtr MakeConstellationBoundsGroup(const std::string& programFolder) {
  return kit::MakeGroup<TConBounds>(programFolder);
}

}  // namespace velarion::catalogues
