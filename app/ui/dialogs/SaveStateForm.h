// TSaveStateForm: which parts of the view go into a state file, under which name, and when
// auto rotation stops after loading it. The window writes the file through the writer it
// hands in, so that a name that cannot be written keeps the dialog open.
#ifndef VELARION_APP_UI_DIALOGS_SAVESTATEFORM_H
#define VELARION_APP_UI_DIALOGS_SAVESTATEFORM_H

#include "Dialogs.h"
#include "MomentFields.h"
#include "StateFile.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace velarion::ui {

// What the dialog starts from. File names are UTF-8.
struct TSaveStateSetup {
  std::string proposedFile;  // the state folder, "state" and the counter
  std::string defaultFile;   // the file restored at start
  TStateParts parts{};       // the remembered choice
  double localMjdNow = 0.0;  // the auto-stop fields show it
  double timeZoneHours = 0.0;
};

struct TSaveStateChoice {
  std::string file;
  TStateParts parts{};
  bool autoRotationStart = false;
  std::optional<double> autoRotationStopMjdUt;
  bool deletedDefault = false;  // nothing chosen for the start file: it was removed
};

class TSaveStateForm final : public velplatform::TDialogLogic {
 public:
  static constexpr int32_t kFile = 101;
  static constexpr int32_t kBrowse = 102;
  static constexpr int32_t kFirstPart = 110;  // the seven boxes, in TStatePart order
  static constexpr int32_t kAutoStart = 120;
  static constexpr int32_t kAutoStop = 121;
  static constexpr TMomentFieldIds kStopMoment{130};
  static constexpr int32_t kRestoreAtStart = 140;

  // Writes the chosen file; false when it could not be written.
  using TWriter = std::function<bool(const TSaveStateChoice&)>;

  TSaveStateForm(velplatform::TWindowHandle owner, TSaveStateSetup setup, TWriter writer)
      : owner_(owner), setup_(std::move(setup)), writer_(std::move(writer)) {}

  static velplatform::TDialogLayout Layout();
  static constexpr int32_t PartBox(TStatePart part) {
    return kFirstPart + static_cast<int32_t>(part);
  }
  void Init(velplatform::TDialogControls& controls) override;
  void Changed(velplatform::TDialogControls& controls, int32_t id) override;
  bool Command(velplatform::TDialogControls& controls, int32_t id) override;
  bool Accept(velplatform::TDialogControls& controls) override;
  // Valid once the dialog closed with OK.
  const TSaveStateChoice& Choice() const { return choice_; }

 private:
  void EnableAutoRotationFields(velplatform::TDialogControls& controls) const;
  void ShowRestoreAtStart(velplatform::TDialogControls& controls);
  bool StopsAutomatically(const velplatform::TDialogControls& controls) const;
  bool IsDefaultFile(const std::string& file) const;
  bool Save(velplatform::TDialogControls& controls);

  velplatform::TWindowHandle owner_;
  TSaveStateSetup setup_;
  TWriter writer_;
  std::string nameBeforeDefault_;
  TSaveStateChoice choice_;
};

}  // namespace velarion::ui

#endif
