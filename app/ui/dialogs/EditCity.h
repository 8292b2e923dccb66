// TEditCityData ("Параметры города"): the name and place of one city of the list.
#ifndef VELARION_APP_UI_DIALOGS_EDITCITY_H
#define VELARION_APP_UI_DIALOGS_EDITCITY_H

#include "CityList.h"
#include "Dialogs.h"
#include "PlaceFields.h"

#include <optional>

namespace velarion::ui {

class TEditCityData final : public velplatform::TDialogLogic {
 public:
  static constexpr int32_t kNameEdit = 101;
  static constexpr TPlaceFieldIds kPlace{102, 103, 104, 106, 107, 108, 110, 111, 112};
  static constexpr int32_t kLongitudeDms = 105;
  static constexpr int32_t kLatitudeDms = 109;

  // Empty for a new city: then the fields are empty and "После Гринвича" is chosen.
  TEditCityData(velplatform::TWindowHandle owner, std::optional<TCityEntry> city);

  static velplatform::TDialogLayout Layout();
  void Init(velplatform::TDialogControls& controls) override;
  bool Command(velplatform::TDialogControls& controls, int32_t id) override;
  // An empty name keeps the editor open.
  bool Accept(velplatform::TDialogControls& controls) override;
  const TCityEntry& City() const { return city_; }

 private:
  velplatform::TWindowHandle owner_;
  bool isNew_;
  TCityEntry city_;
};

std::optional<TCityEntry> ShowEditCityData(velplatform::TWindowHandle owner,
                                           std::optional<TCityEntry> city);

}  // namespace velarion::ui

#endif
