// TSolarForm ("Объекты Солнечной  Системы"): which of the Sun, the Moon and the planets are
// shown, as the sky image's body bits (bit 0 Sun, 1 Moon, 2 … 9 Mercury, Venus, Mars,
// Jupiter, Saturn, Uranus, Neptune, Pluto).
#ifndef VELARION_APP_UI_DIALOGS_SOLARFORM_H
#define VELARION_APP_UI_DIALOGS_SOLARFORM_H

#include "Dialogs.h"
#include "SkyImage.h"

#include <cstdint>

namespace velarion::ui {

class TSolarForm final : public velplatform::TDialogLogic {
 public:
  // The check box of body bit b is kFirstBody + b.
  static constexpr int32_t kFirstBody = 101;

  explicit TSolarForm(uint16_t bodyBits) : bits_(bodyBits) {}

  static velplatform::TDialogLayout Layout();
  void Init(velplatform::TDialogControls& controls) override;
  bool Accept(velplatform::TDialogControls& controls) override;
  uint16_t BodyBits() const { return bits_; }

 private:
  uint16_t bits_;
};

// "В&ерно" stores the bits in the image at once; true then.
bool ShowSolarForm(velplatform::TWindowHandle owner, sky::TSkyImage& image);

}  // namespace velarion::ui

#endif
