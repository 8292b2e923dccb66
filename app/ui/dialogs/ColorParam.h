// TColorParam ("Настройка цветовой схемы"): the name and the 14 colours of one scheme,
// each chosen with the platform's colour chooser. Nothing changes until "&Верно".
#ifndef VELARION_APP_UI_DIALOGS_COLORPARAM_H
#define VELARION_APP_UI_DIALOGS_COLORPARAM_H

#include "ColorSchemes.h"
#include "Dialogs.h"

#include <array>
#include <string>

namespace velarion::ui {

// "R, G, B" of a 0x00BBGGRR colour.
std::string ColourText(uint32_t colour);

class TColorParam final : public velplatform::TDialogLogic {
 public:
  static constexpr int32_t kNameEdit = 101;
  // Slot s: its button kFirstColour + s, the label with its value kFirstSample + s.
  static constexpr int32_t kFirstColour = 111;
  static constexpr int32_t kFirstSample = 131;

  TColorParam(velplatform::TWindowHandle owner, const sky::TColorScheme& scheme);

  static velplatform::TDialogLayout Layout();
  void Init(velplatform::TDialogControls& controls) override;
  bool Command(velplatform::TDialogControls& controls, int32_t id) override;
  // A scheme without a name could not be told apart in the lists: refused.
  bool Accept(velplatform::TDialogControls& controls) override;
  // Name and colours into the scheme (after "&Верно").
  void StoreInto(sky::TColorScheme& scheme) const;

 private:
  velplatform::TWindowHandle owner_;
  std::string name_;
  std::array<uint32_t, kit::kColourTableEntries> colours_;
};

// True when "&Верно" stored the edit in the scheme.
bool ShowColorParam(velplatform::TWindowHandle owner, sky::TColorScheme& scheme);

}  // namespace velarion::ui

#endif
