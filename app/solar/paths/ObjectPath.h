// TObjectPath, the group "OBJP": the path of one object of another group across the sky
// between two moments, fitted once as Chebyshev segments (J2000.0, 2") and drawn at any
// zoom from the fit, with optional marks at a calendar step and date labels on them.
// Every path is a group of its own in the program's second group list.
#ifndef VELARION_APP_SOLAR_PATHS_OBJECTPATH_H
#define VELARION_APP_SOLAR_PATHS_OBJECTPATH_H

#include "DrawDevice.h"
#include "Geometry.h"
#include "ObjectGroup.h"
#include "PathMarks.h"
#include "PathSegment.h"
#include "PathTrace.h"
#include "Progress.h"
#include "SkyObjectGroup.h"
#include "SkyPlace.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace velarion::paths {

struct TPathMarks {
  TMarkUnit unit = TMarkUnit::kNone;
  int32_t multiplier = 1;     // units between marks, 1 .. 9999
  int32_t labelInterval = 0;  // every n-th mark labelled, 0 none
};

class TObjectPath : public kit::TObjectGroup {
 public:
  // The path of object `sourceObject` of `source`, which outlives it.
  TObjectPath(groups::TSkyObjectGroup& source, int32_t sourceObject)
      : source_(source), sourceObject_(sourceObject) {}

  void Init() override;
  void FreeResources() override;
  void CalculateObjects(const kit::TVisibleObjectReport& report) override;
  void DrawObjects(const kit::TNextObject& next) override;
  bool GetObjectRect(int32_t index, kit::TObjectRect& rect) override;
  std::string GetObjectName(int32_t index) override;

  // Fits the path anew over [t0, t1] (T of universal time) from `source`. False when
  // `progress` cancelled: the path is then empty and has no computed span.
  bool Compute(double t0, double t1, const TPathPositionSource& source,
               const velplatform::TProgressReport& progress);
  // The span of the last completed computation.
  std::optional<TTimeSpan> ComputedSpan() const { return computedSpan_; }

  void SetMarks(const TPathMarks& marks) { marks_ = marks; }
  const TPathMarks& Marks() const { return marks_; }

  groups::TSkyObjectGroup& SourceGroup() const { return source_; }
  int32_t SourceObject() const { return sourceObject_; }
  std::span<const TPathSegment> Segments() const { return segments_; }

 private:
  void WidenSmallWindow();
  std::optional<velplatform::TPoint> PointOnMap(const TSkyPlace& place) const;
  void DrawMarks(velplatform::TDrawDevice& device, uint32_t colour);

  groups::TSkyObjectGroup& source_;
  int32_t sourceObject_;
  std::vector<TPathSegment> segments_;
  std::optional<TTimeSpan> computedSpan_;
  TPathMarks marks_;
  TPathPolylines polylines_;
};

}  // namespace velarion::paths

#endif
