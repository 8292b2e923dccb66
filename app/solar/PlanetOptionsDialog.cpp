#include "PlanetOptionsDialog.h"

#include "Cp1251.h"

#include <algorithm>
#include <string>

namespace velarion::solar {

namespace {

namespace ids = planet_options;
using velplatform::Cp1251;
using velplatform::TControlKind;

class TPlanetOptionsLogic final : public velplatform::TDialogLogic {
 public:
  explicit TPlanetOptionsLogic(const TPlanetSettings& current) : settings_(current) {}

  void Init(velplatform::TDialogControls& controls) override {
    controls.SetChecked(ids::kSymbols, !settings_.namesInLabels);
    controls.SetChecked(ids::kNames, settings_.namesInLabels);
    controls.SetChecked(ids::kJupiter, settings_.showJupiterSatellites);
    controls.SetChecked(ids::kSaturn, settings_.showSaturnSatellites);
    controls.SetChecked(ids::kUranus, settings_.showUranusSatellites);
    controls.SetText(ids::kZoomEdit, std::to_string(settings_.satZoom));
  }

  bool Accept(velplatform::TDialogControls& controls) override {
    const std::optional<int32_t> zoom = ParseZoomText(controls.Text(ids::kZoomEdit));
    if (!zoom) {
      velplatform::ShowError(0, Cp1251("Неверное увеличение"));
      controls.Focus(ids::kZoomEdit);
      return false;
    }
    settings_.satZoom = std::clamp(*zoom, kMinSatZoom, kMaxSatZoom);
    settings_.namesInLabels = controls.Checked(ids::kNames);
    settings_.showJupiterSatellites = controls.Checked(ids::kJupiter);
    settings_.showSaturnSatellites = controls.Checked(ids::kSaturn);
    settings_.showUranusSatellites = controls.Checked(ids::kUranus);
    return true;
  }

  const TPlanetSettings& Settings() const { return settings_; }

 private:
  TPlanetSettings settings_;
};

}  // namespace

velplatform::TDialogLayout PlanetOptionsLayout() {
  velplatform::TDialogLayout layout;
  layout.caption = Cp1251("Параметры изображения планет и спутников");
  layout.width = 210;
  layout.height = 150;
  layout.controls = {
      {ids::kLabelsFrame, TControlKind::kGroupBox, {6, 4, 198, 30}, Cp1251(" Подписи планет: ")},
      {ids::kSymbols, TControlKind::kRadioButton, {14, 16, 80, 10}, Cp1251("Символы")},
      {ids::kNames, TControlKind::kRadioButton, {100, 16, 88, 10}, Cp1251("Наименования")},
      {ids::kSatellitesFrame,
       TControlKind::kGroupBox,
       {6, 38, 198, 72},
       Cp1251(" Спутники планет: ")},
      {ids::kJupiter, TControlKind::kCheckBox, {14, 50, 170, 10}, Cp1251("Спутники Юпитера")},
      {ids::kSaturn, TControlKind::kCheckBox, {14, 62, 170, 10}, Cp1251("Спутники Сатурна")},
      {ids::kUranus, TControlKind::kCheckBox, {14, 74, 170, 10}, Cp1251("Спутники Урана")},
      {ids::kZoomLabel,
       TControlKind::kLabel,
       {14, 92, 138, 10},
       Cp1251("Рисовать, начиная с увеличения:")},
      {ids::kZoomEdit, TControlKind::kEdit, {154, 90, 34, 12}, ""},
      {ids::kPercentLabel, TControlKind::kLabel, {190, 92, 10, 10}, "%"},
      {ids::kOk, TControlKind::kOkButton, {45, 128, 56, 14}, Cp1251("&Верно")},
      {ids::kCancel, TControlKind::kCancelButton, {109, 128, 56, 14}, Cp1251("&Отмена")},
  };
  return layout;
}

std::optional<TPlanetSettings> EditPlanetSettings(velplatform::TWindowHandle owner,
                                                  const TPlanetSettings& current) {
  TPlanetOptionsLogic logic(current);
  if (!velplatform::RunDialog(owner, PlanetOptionsLayout(), logic)) return std::nullopt;
  return logic.Settings();
}

}  // namespace velarion::solar
