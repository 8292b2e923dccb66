#include "ConLines.h"

#include "ClippedPolyline.h"
#include "Concat.h"
#include "ConstellationRecord.h"
#include "Cp1251.h"
#include "DrawDevice.h"
#include "GroupDataFile.h"
#include "ProjectionExports.h"
#include "RaSpan.h"
#include "SegmentClip.h"
#include "SkyImageExports.h"
#include "velastro.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace velarion::catalogues {

namespace {

using velplatform::Concat;
using velplatform::Cp1251;
using velplatform::TPoint;

constexpr char kFileName[] = "CLINES.DAT";
constexpr int32_t kDrawnPoints = 4;

kit::TObjectRect Span(TPoint a, TPoint b) {
  return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

std::string LineText() { return Concat({"\x01", Cp1251("Линия фигуры созвездия ")}); }

}  // namespace

void TConLines::Init() {
  Code = "CLINE";
  Name = Cp1251("Линии фигур созвездий");
  Version = "2.0";
  EpochKind = 1;
  Epoch = 0.0;
}

bool TConLines::InitResources(kit::TWindowHandle owner) {
  const std::optional<TFigureLinesFile> file =
      OpenGroupDataFile<TFigureLinesFile>(owner, programFolder_, kFileName);
  if (!file) return false;
  segments_.clear();
  segments_.reserve(file->Count());
  for (std::size_t i = 0; i < file->Count(); ++i) segments_.emplace_back().line = *file->Record(i);
  ObjectCount = static_cast<int32_t>(segments_.size());
  return kit::TObjectGroup::InitResources(owner);
}

void TConLines::FreeResources() {
  segments_ = {};
  ObjectCount = 0;
  kit::TObjectGroup::FreeResources();
}

void TConLines::RefreshParam() {
  timeArgument_ = static_cast<int32_t>(std::lround(GetT(View.mjdUt) * 10000.0));
}

TConLines::TMovedEnds TConLines::Moved(const TFigureLine& line) const {
  TMovedEnds m{};
  PropMotion_LowPrec(line.ra1Arcsec, line.dec1Arcsec, line.pmRa1MasPerYear, line.pmDec1MasPerYear,
                     timeArgument_ / 10, &m.ra1, &m.dec1);
  PropMotion_LowPrec(line.ra2Arcsec, line.dec2Arcsec, line.pmRa2MasPerYear, line.pmDec2MasPerYear,
                     timeArgument_ / 10, &m.ra2, &m.dec2);
  return m;
}

bool TConLines::ProjectQuick(TSegment& segment) const {
  const TMovedEnds m = Moved(segment.line);
  const TArcminPoint a{m.ra1 / 60, m.dec1 / 60};
  const TArcminPoint b{m.ra2 / 60, m.dec2 / 60};
  const bool aShown = QuickRaDecToXY(a.raArcmin, a.decArcmin, &segment.end1.x, &segment.end1.y);
  const bool bShown = QuickRaDecToXY(b.raArcmin, b.decArcmin, &segment.end2.x, &segment.end2.y);
  if (!aShown && !bShown) return false;
  if (!aShown) segment.end1 = HorizonPointQuick(b, segment.end2, a);
  if (!bShown) segment.end2 = HorizonPointQuick(a, segment.end1, b);
  segment.rect = Span(segment.end1, segment.end2);
  return true;
}

bool TConLines::ProjectDetailed(TSegment& segment) const {
  const TMovedEnds m = Moved(segment.line);
  const TDegreePoint a{m.ra1 / 3600.0, m.dec1 / 3600.0};
  const TDegreePoint b{m.ra2 / 3600.0, m.dec2 / 3600.0};
  TPoint p;
  TPoint q;
  const bool aShown = RaDecToXY(a.raDeg, a.decDeg, &p.x, &p.y);
  const bool bShown = RaDecToXY(b.raDeg, b.decDeg, &q.x, &q.y);
  if (!aShown && !bShown) return false;
  if (!aShown) p = HorizonPointDetailed(b, q, a);
  if (!bShown) q = HorizonPointDetailed(a, p, b);
  const TRaSpan ra = SegmentRaSpan(a.raDeg, b.raDeg, RaDecWindow);
  if (std::max(p.x, q.x) < ViewRect.left || std::min(p.x, q.x) > ViewRect.right ||
      !IsRaDecRectInView(ra.lowDeg, std::min(a.decDeg, b.decDeg), ra.highDeg,
                         std::max(a.decDeg, b.decDeg))) {
    return false;
  }
  const std::optional<TScreenSegment> inside = ClipSegment(p, q, ViewRect);
  if (!inside) return false;
  segment.end1 = inside->first;
  segment.end2 = inside->second;
  segment.rect = Span(segment.end1, segment.end2);
  return true;
}

void TConLines::CalculateObjects(const kit::TVisibleObjectReport& report) {
  const bool shown = View.objectsVisible4 != 0;
  for (std::size_t i = 0; i < segments_.size(); ++i) {
    TSegment& segment = segments_[i];
    segment.visible = shown && (ViewMode == 1 ? ProjectDetailed(segment) : ProjectQuick(segment));
    if (segment.visible) report(static_cast<int32_t>(i + 1));
  }
}

void TConLines::DrawObjects(const kit::TNextObject& next) {
  velplatform::TDrawDevice* device = velplatform::DeviceOf(DrawDevice);
  if (device == nullptr) return;
  SetDrawColor(kit::kPenColour, static_cast<int32_t>(View.colours[kit::kConstellationLineColour]));
  sky::TPolylineClipper& clipper = sky::SharedPolylineClipper();
  clipper.MakeReady(kDrawnPoints);
  const velplatform::TRect clip{ViewRect.left - 1, ViewRect.top - 1, ViewRect.right + 1,
                                ViewRect.bottom + 1};
  for (int32_t index = next(); index != -1; index = next()) {
    if (!IsValidIndex(index) || !segments_[index - 1].visible) continue;
    const TSegment& s = segments_[index - 1];
    const std::array<TPoint, 2> points = {s.end1, s.end2};
    const sky::TPolyPolyline& pieces =
        clipper.Clip(points, {s.rect.left, s.rect.top, s.rect.right, s.rect.bottom}, clip);
    if (!pieces.counts.empty()) device->PolyPolyline(pieces.points, pieces.counts);
  }
}

bool TConLines::GetObjectRect(int32_t index, kit::TObjectRect& rect) {
  if (!IsValidIndex(index) || !segments_[index - 1].visible) return false;
  rect = segments_[index - 1].rect;
  return true;
}

bool TConLines::GetObjectRaDec(int32_t index, double& ra, double& dec) {
  if (!IsValidIndex(index)) return false;
  const TMovedEnds m = Moved(segments_[index - 1].line);
  ra = MeanRa(m.ra1 / 3600.0, m.ra2 / 3600.0);
  dec = (m.dec1 + m.dec2) / 7200.0;
  return true;
}

int32_t TConLines::GetObjectData(int32_t index, std::span<std::byte> buffer) {
  namespace r = figure_line_record;
  if (!IsValidIndex(index) || buffer.size() < r::kSize) return 0;
  const TFigureLine& line = segments_[index - 1].line;
  velplatform::PutField(buffer, r::kRa1, line.ra1Arcsec);
  velplatform::PutField(buffer, r::kDec1, line.dec1Arcsec);
  velplatform::PutField(buffer, r::kRa2, line.ra2Arcsec);
  velplatform::PutField(buffer, r::kDec2, line.dec2Arcsec);
  velplatform::PutField(buffer, r::kConstellation, line.constellation);
  return static_cast<int32_t>(r::kSize);
}

std::string TConLines::GetObjectName(int32_t index) {
  return IsValidIndex(index) ? LineText() : std::string();
}

void TConLines::GetObjectStrings(int32_t index, kit::TZStrings& lines) {
  if (!IsValidIndex(index)) return;
  const auto constellation = FindConstellation(segments_[index - 1].line.constellation);
  lines.Add(Concat({LineText(), constellation ? Concat({"\"", constellation->form1, "\""})
                                              : std::string("???")}));
}

kit::TGroupPtr MakeConstellationLinesGroup(const std::string& programFolder) {
  return kit::MakeGroup<TConLines>(programFolder);
}

}  // namespace velarion::catalogues
