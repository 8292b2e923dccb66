// TViewCityList ("Список городов"): the cities of "city.dat", found by name, edited, added
// and deleted; "&Верно" gives the chosen city's place. The file is rewritten on closing
// when the list changed.
#ifndef VELARION_APP_UI_DIALOGS_VIEWCITY_H
#define VELARION_APP_UI_DIALOGS_VIEWCITY_H

#include "CityList.h"
#include "Dialogs.h"

#include <filesystem>
#include <optional>
#include <string>

namespace velarion::ui {

// "Строка для поиска": the text to look for.
class TFindCityText final : public velplatform::TDialogLogic {
 public:
  static constexpr int32_t kTextEdit = 101;
  static velplatform::TDialogLayout Layout();
  bool Accept(velplatform::TDialogControls& controls) override;
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

class TViewCityList final : public velplatform::TDialogLogic {
 public:
  static constexpr int32_t kCityList = 101;
  static constexpr int32_t kLongitudeLabel = 102;
  static constexpr int32_t kLatitudeLabel = 103;
  static constexpr int32_t kTimeZoneLabel = 104;
  static constexpr int32_t kFindButton = 105;
  static constexpr int32_t kEditButton = 106;
  static constexpr int32_t kAddButton = 107;
  static constexpr int32_t kDeleteButton = 108;

  // Selects the first city at exactly this place.
  TViewCityList(velplatform::TWindowHandle owner, TCityList& cities, double longitudeDeg,
                double latitudeDeg);

  static velplatform::TDialogLayout Layout();
  void Init(velplatform::TDialogControls& controls) override;
  void Changed(velplatform::TDialogControls& controls, int32_t id) override;
  bool DoubleClicked(velplatform::TDialogControls& controls, int32_t id) override;
  bool Command(velplatform::TDialogControls& controls, int32_t id) override;
  // Closes in any case; without a selected city nothing is chosen.
  bool Accept(velplatform::TDialogControls& controls) override;
  const std::optional<TCityData>& Chosen() const { return chosen_; }

 private:
  void FillList(velplatform::TDialogControls& controls, int32_t selected);
  void ShowSelected(velplatform::TDialogControls& controls) const;
  void Find(velplatform::TDialogControls& controls);
  void Edit(velplatform::TDialogControls& controls);
  void Add(velplatform::TDialogControls& controls);
  void Delete(velplatform::TDialogControls& controls);

  velplatform::TWindowHandle owner_;
  TCityList& cities_;
  double longitude_;
  double latitude_;
  std::optional<TCityData> chosen_;
};

// Reads the list from `cityFile`, shows it, and rewrites the file when the list changed
// (a failure is reported and leaves the old file). The chosen place, or none.
std::optional<TCityData> ShowViewCityList(velplatform::TWindowHandle owner,
                                          const std::filesystem::path& cityFile,
                                          double longitudeDeg, double latitudeDeg);

}  // namespace velarion::ui

#endif
