// TColorSchemesSelect ("Выбор цветовых схем"): the screen and printer schemes, side by side
// (the window system here has no page control), each list with its own buttons to add,
// change and delete; "&Верно" or a double click makes the selected schemes current.
#ifndef VELARION_APP_UI_DIALOGS_COLORSCHEMESSELECT_H
#define VELARION_APP_UI_DIALOGS_COLORSCHEMESSELECT_H

#include "ColorSchemeSelection.h"
#include "Dialogs.h"
#include "SkyImage.h"

namespace velarion::ui {

class TColorSchemesSelect final : public velplatform::TDialogLogic {
 public:
  // Page p (0 screen, 1 printer): its list kFirstList + p and its buttons kFirstAdd + p,
  // kFirstEdit + p, kFirstDelete + p.
  static constexpr int32_t kFirstList = 101;
  static constexpr int32_t kFirstAdd = 111;
  static constexpr int32_t kFirstEdit = 121;
  static constexpr int32_t kFirstDelete = 131;
  static constexpr int32_t kCancel = 2;

  TColorSchemesSelect(velplatform::TWindowHandle owner, sky::TColorSchemeSelection& selection)
      : owner_(owner), selection_(selection) {}

  static velplatform::TDialogLayout Layout();
  void Init(velplatform::TDialogControls& controls) override;
  void Changed(velplatform::TDialogControls& controls, int32_t id) override;
  bool DoubleClicked(velplatform::TDialogControls& controls, int32_t id) override;
  bool Command(velplatform::TDialogControls& controls, int32_t id) override;
  // True when a changed scheme is the current screen scheme (palette and picture follow).
  bool CurrentScreenEdited() const { return currentScreenEdited_; }

 private:
  void Fill(velplatform::TDialogControls& controls, sky::TSchemePage page) const;
  void Add(velplatform::TDialogControls& controls, sky::TSchemePage page);
  void Edit(velplatform::TDialogControls& controls, sky::TSchemePage page);
  void Delete(velplatform::TDialogControls& controls, sky::TSchemePage page);

  velplatform::TWindowHandle owner_;
  sky::TColorSchemeSelection& selection_;
  bool currentScreenEdited_ = false;
};

struct TColorSchemesOutcome {
  bool accepted = false;             // the selected schemes became the image's
  bool screenSchemeChanged = false;  // the current screen scheme is another or was edited:
                                     // update the palette and redraw with recalculation
};

// The lists are changed in place; "colors.dat" is marked changed by every edit. Once a
// current scheme was deleted, closing the window in any way takes the selection.
TColorSchemesOutcome ShowColorSchemesSelect(velplatform::TWindowHandle owner,
                                            sky::TColorSchemes& schemes, sky::TSkyImage& image);

}  // namespace velarion::ui

#endif
