// TSetEquPoint ("Экват. координаты"): a point to go to, in right ascension (hours) and
// declination of a chosen epoch. The exact place given by the caller is kept; every epoch
// shown is precessed from it, not from the rounded text of the fields, and "&Верно" gives
// it back in the caller's epoch.
#ifndef VELARION_APP_UI_DIALOGS_SETEQUPOINT_H
#define VELARION_APP_UI_DIALOGS_SETEQUPOINT_H

#include "Dialogs.h"
#include "EquatorialPrecession.h"

#include <optional>
#include <string>

namespace velarion::ui {

class TSetEquPoint final : public velplatform::TDialogLogic {
 public:
  static constexpr int32_t kRightAscension = 101;  // hours
  static constexpr int32_t kDeclination = 102;     // degrees
  static constexpr int32_t kEpoch = 103;  // the five fixed epochs, "Текущая", "Другая"
  static constexpr int32_t kEpochMjd = 104;  // for "Другая"
  static constexpr int32_t kRaDms = 105;
  static constexpr int32_t kDecDms = 106;
  static constexpr int32_t kMjdDms = 107;
  static constexpr int32_t kCurrentEpoch = 5;
  static constexpr int32_t kOtherEpoch = 6;

  TSetEquPoint(velplatform::TWindowHandle owner, double viewMjd, TEquatorialPoint point,
               double epochT);

  static velplatform::TDialogLayout Layout();
  void Init(velplatform::TDialogControls& controls) override;
  void Changed(velplatform::TDialogControls& controls, int32_t id) override;
  bool Command(velplatform::TDialogControls& controls, int32_t id) override;
  bool Accept(velplatform::TDialogControls& controls) override;
  // In the caller's epoch.
  const TEquatorialPoint& Point() const { return point_; }

 private:
  double ChosenT(const velplatform::TDialogControls& controls) const;
  void EpochChanged(velplatform::TDialogControls& controls);
  void ShowShown(velplatform::TDialogControls& controls);
  void TakeTypedPlace(const velplatform::TDialogControls& controls);

  velplatform::TWindowHandle owner_;
  double viewMjd_;
  TEquatorialPoint point_;  // exact, in the caller's epoch
  double callerT_;
  double shownT_;
  std::string shownRa_;
  std::string shownDec_;
  bool updating_ = false;
};

std::optional<TEquatorialPoint> ShowSetEquPoint(velplatform::TWindowHandle owner, double viewMjd,
                                                TEquatorialPoint point, double epochT);

}  // namespace velarion::ui

#endif
