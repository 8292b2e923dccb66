// The two ephemeris tables, written line by line (CP1251) to a sink such as the output
// console: the objects of a list at the view's moment, and one object over a period, for
// which the view is moved to every row's moment and brought back at the end.
#ifndef VELARION_APP_UI_EPHEMERIS_EPHEMERISTABLES_H
#define VELARION_APP_UI_EPHEMERIS_EPHEMERISTABLES_H

#include "EphemerisColumns.h"
#include "GroupViewMover.h"
#include "Progress.h"
#include "RiseSetCache.h"
#include "TablePeriod.h"

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace velarion::ephemeris {

// Takes one line of a table, without its line end.
using TLineSink = std::function<void(std::string_view line)>;

enum class TTableOutcome { kWritten, kCancelled, kTooManyRows };

// An object's entry in the table-object list (marked-up CP1251): its name from its record,
// else its group's name when the group holds one object, else "Объект группы "…"".
std::string TableObjectCaption(const std::optional<kit::TCommonObject>& record,
                               groups::TSkyObjectGroup& group);

class TEphemerisTables {
 public:
  // `recalculateView` recalculates every group for the view (see TGroupViewMover); the
  // progress report is told 0 … 100 after each row and stops the table when it answers
  // false.
  TEphemerisTables(sky::TSkyImage& image, TGroupViewMover::TRecalculateView recalculateView,
                   TLineSink sink, velplatform::TProgressReport progress);

  // One row per object at the view's moment.
  TTableOutcome WriteGroupTable(std::span<const sky::TSelectedObject> objects,
                                const TColumnChoice& choice);

  // One row per step of the period; a period of more than kMaxTableRows rows is refused
  // before anything is written (RowLimitError tells why).
  TTableOutcome WritePeriodTable(const sky::TSelectedObject& object, const TPeriod& period,
                                 const TColumnChoice& choice);

 private:
  struct TRowRequest;
  TRowValues RowAt(TGroupViewMover& mover, const TRowRequest& request);
  TRiseSetCell RiseSetOf(TGroupViewMover& mover, const sky::TSelectedObject& object,
                         const kit::TCommonObject& record);
  void WriteHead(std::span<const TColumnLayout> columns);
  bool WriteRow(std::span<const TColumnLayout> columns, const TColumnChoice& choice,
                TDateStyle date, const TRowValues& row, int32_t percent);

  sky::TSkyImage& image_;
  TGroupViewMover::TRecalculateView recalculateView_;
  TLineSink sink_;
  velplatform::TProgressReport progress_;
  TRiseSetCache riseSets_;
};

}  // namespace velarion::ephemeris

#endif
