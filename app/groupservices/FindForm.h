// TFindForm: the small modal window in which a group's user picks an object by name. The
// calling group fills the list, shows the window and finds the object of the chosen entry
// itself, normalising its own names the same way for the comparison.
#ifndef VELARION_APP_GROUPSERVICES_FINDFORM_H
#define VELARION_APP_GROUPSERVICES_FINDFORM_H

#include "Dialogs.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velarion::catalogues {

// Trimmed of spaces at both ends, lower-cased, then the first character and every
// character that follows a space upper-cased (CP1251, Cyrillic included). Spaces between
// the words stay as they are.
std::string NormaliseName(std::string_view text);

class TFindForm final : public velplatform::TDialogLogic {
 public:
  static constexpr int32_t kNameEdit = 101;
  static constexpr int32_t kNamesList = 102;
  static constexpr int32_t kFindButton = 1;
  static constexpr int32_t kCancelButton = 2;

  explicit TFindForm(std::string caption);

  // An empty text is ignored; any other is listed normalised.
  void AddName(std::string_view text);
  void ClearNames() { names_.clear(); }
  // On by default; the planets switch it off to keep their order.
  void SetSorted(bool sorted) { sorted_ = sorted; }

  velplatform::TDialogLayout Layout() const;
  // Shows the window; the selected entry when it closed with OK, none otherwise or when
  // nothing was selected.
  std::optional<std::string> Run(velplatform::TWindowHandle owner);

  void Init(velplatform::TDialogControls& controls) override;
  void Changed(velplatform::TDialogControls& controls, int32_t id) override;
  bool DoubleClicked(velplatform::TDialogControls& controls, int32_t id) override;
  bool Accept(velplatform::TDialogControls& controls) override;

 private:
  void ChangeName(velplatform::TDialogControls& controls) const;
  void NamesListClick(velplatform::TDialogControls& controls) const;
  void TakeSelection(const velplatform::TDialogControls& controls);

  std::string caption_;
  std::vector<std::string> names_;
  bool sorted_ = true;
  std::optional<std::string> chosen_;
};

}  // namespace velarion::catalogues

#endif
