// TSetDateTimeForm: the moment of the view as local date and time with its era, and
// ET - UT, automatic or typed. Its result is a value: the main window takes the new moment
// (request U + 0, command 1).
#ifndef VELARION_APP_UI_DIALOGS_SETDATETIMEFORM_H
#define VELARION_APP_UI_DIALOGS_SETDATETIMEFORM_H

#include "Dialogs.h"
#include "PopupForm.h"
#include "SkyImage.h"

#include <optional>

namespace velarion::ui {

struct TDateTimeChoice {
  double mjdUt = 0.0;  // the new moment, universal time
  bool deltaTAutomatic = true;
  double deltaTSeconds = 0.0;  // only when not automatic
};

// The moment that the view shows now, as the fields show it.
struct TDateTimeView {
  double mjdUt = 0.0;
  double timeZoneHours = 0.0;
  bool deltaTAutomatic = true;
  double deltaTSeconds = 0.0;
};

class TSetDateTimeForm final : public velplatform::TDialogLogic {
 public:
  static constexpr int32_t kDay = 101;
  static constexpr int32_t kMonth = 102;  // the twelve month names
  static constexpr int32_t kYear = 103;   // the year of the era, 1 … 9999
  static constexpr int32_t kEra = 104;    // "н.э.", "до н.э."
  static constexpr int32_t kHours = 105;
  static constexpr int32_t kMinutes = 106;
  static constexpr int32_t kSeconds = 107;
  static constexpr int32_t kDeltaT = 108;
  static constexpr int32_t kDeltaTAuto = 109;

  explicit TSetDateTimeForm(const TDateTimeView& view) : view_(view) {}

  static velplatform::TDialogLayout Layout();
  void Init(velplatform::TDialogControls& controls) override;
  void Changed(velplatform::TDialogControls& controls, int32_t id) override;
  bool Accept(velplatform::TDialogControls& controls) override;
  const TDateTimeChoice& Choice() const { return choice_; }

 private:
  int32_t ShownAstronomicalYear(const velplatform::TDialogControls& controls) const;
  void LowerDay(velplatform::TDialogControls& controls) const;
  void ShowDeltaT(velplatform::TDialogControls& controls) const;

  TDateTimeView view_;
  TDateTimeChoice choice_;
  bool updating_ = false;
};

TDateTimeView DateTimeViewOf(const sky::TSkyImage& image);
// The pop-up beside `anchor`; `chosen` gets the new moment once applied.
void ShowSetDateTimeForm(velplatform::TWindowHandle owner, velplatform::TScreenRect anchor,
                         const sky::TSkyImage& image, TPopupChoice<TDateTimeChoice> chosen);
// ET - UT and then the moment, as the main window applies a choice.
void ApplyDateTimeChoice(const TDateTimeChoice& choice, sky::TSkyImage& image);

}  // namespace velarion::ui

#endif
