// EditDMS: the small editor behind the "°", "ч" and "J" buttons next to number fields. The
// value is edited in degrees or hours, minutes and seconds, or (for a Modified Julian
// Date) as calendar date and time; the caller writes the result back into its field.
#ifndef VELARION_APP_UI_DIALOGS_EDITDMS_H
#define VELARION_APP_UI_DIALOGS_EDITDMS_H

#include "Dialogs.h"

#include <cstdint>
#include <optional>

namespace velarion::ui {

// The first integer of EditDMS.
enum class TDmsKind : int32_t { kDegrees = 0, kHours = 1, kMjd = 3 };

// A value in whole units, minutes and seconds; seconds rounded to `decimals` with the carry
// taken into the minutes and units (10.9999999 with 0 decimals is 11 0 0).
struct TDmsParts {
  bool negative = false;
  int64_t whole = 0;
  int32_t minutes = 0;
  double seconds = 0.0;
};
TDmsParts SplitDms(double value, int decimals);
double JoinDms(const TDmsParts& parts);

class TEditDmsForm final : public velplatform::TDialogLogic {
 public:
  static constexpr int32_t kWholeEdit = 101;  // degrees or hours; the day for an MJD
  static constexpr int32_t kMinutesEdit = 102;
  static constexpr int32_t kSecondsEdit = 103;
  static constexpr int32_t kMonthEdit = 104;  // MJD only
  static constexpr int32_t kYearEdit = 105;   // MJD only, astronomical year
  static constexpr int32_t kHoursEdit = 106;  // MJD only

  // kind and decimals as the callers give them: for degrees and hours the decimals of the
  // seconds, for an MJD the decimals of the date the caller shows.
  TEditDmsForm(double value, TDmsKind kind, int32_t decimals);

  velplatform::TDialogLayout Layout() const;
  void Init(velplatform::TDialogControls& controls) override;
  // Minutes and seconds outside 0 … 59 (a slip of the finger) keep the editor open.
  bool Accept(velplatform::TDialogControls& controls) override;
  double Value() const { return value_; }

 private:
  bool AcceptAngle(velplatform::TDialogControls& controls);
  bool AcceptMjd(velplatform::TDialogControls& controls);

  double value_;
  TDmsKind kind_;
  int32_t decimals_;
};

// The edited value, or none when the user cancels or the kind is unknown.
std::optional<double> EditDMS(velplatform::TWindowHandle owner, double value, int32_t kind,
                              int32_t decimals);

}  // namespace velarion::ui

#endif
