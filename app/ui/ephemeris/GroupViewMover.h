// Moving the sky view's moment and letting one group recompute for it, so that a table row
// or a path point reads an object's record at any moment. The view's own moment comes back
// when the mover ends, however the work ended (finished, cancelled, failed).
#ifndef VELARION_APP_UI_EPHEMERIS_GROUPVIEWMOVER_H
#define VELARION_APP_UI_EPHEMERIS_GROUPVIEWMOVER_H

#include "BoundaryRecords.h"
#include "ObjectCommonRecord.h"
#include "SkyImage.h"
#include "SkyPlace.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace velarion::ephemeris {

// An object's place of date and the equinox it is referred to, as the paths take it too.
using TPlaceOfDate = paths::TPlaceOfEquinox;

class TGroupViewMover {
 public:
  // Recalculates every group for the view as it now is, before it returns: the window
  // prepares its view, a command its picture.
  using TRecalculateView = std::function<void()>;

  TGroupViewMover(sky::TSkyImage& image, TRecalculateView recalculateView);
  ~TGroupViewMover();
  TGroupViewMover(const TGroupViewMover&) = delete;
  TGroupViewMover& operator=(const TGroupViewMover&) = delete;

  // The view at `mjdUt` (universal time), `group` given the new view parameters; the whole
  // view recalculated for the groups that read other groups while they compute (the Sun
  // group before version 4, version 1.0 plug-ins).
  void MoveTo(double mjdUt, groups::TSkyObjectGroup& group);

  // The common record at the view's current moment; none when nothing is known of it.
  std::optional<kit::TCommonObject> Record(const sky::TSelectedObject& object);

  // MoveTo, then the record's place of date; none without one.
  std::optional<TPlaceOfDate> PlaceAt(double mjdUt, const sky::TSelectedObject& object);

  // The equinox of the group's places of date: its own epoch when it keeps one (epoch kind
  // 1), else the view's moment.
  double EquinoxT(const groups::TSkyObjectGroup& group) const;

  // The moment the view had when the mover began.
  double StartMjd() const { return startMjd_; }
  sky::TSkyImage& Image() { return image_; }

 private:
  sky::TSkyImage& image_;
  TRecalculateView recalculateView_;
  double startMjd_;
  ui::TCommonRecordSource records_;
};

}  // namespace velarion::ephemeris

#endif
