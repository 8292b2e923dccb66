#include "GroupModesDialog.h"

#include "Cp1251.h"

namespace velarion::ui {

namespace {

constexpr int32_t kQuickId = 101;
constexpr int32_t kDetailedId = 102;
constexpr int32_t kOkId = 1;

class TGroupModesLogic final : public velplatform::TDialogLogic {
 public:
  explicit TGroupModesLogic(const groups::TSkyObjectGroup& group)
      : offered_{group.ShowInQuickView, group.ShowInDetailedView}, chosen_(offered_) {}

  void Init(velplatform::TDialogControls& controls) override {
    controls.SetEnabled(kQuickId, offered_.quick);
    controls.SetChecked(kQuickId, offered_.quick);
    controls.SetEnabled(kDetailedId, offered_.detailed);
    controls.SetChecked(kDetailedId, offered_.detailed);
  }
  bool Accept(velplatform::TDialogControls& controls) override {
    chosen_ = {offered_.quick && controls.Checked(kQuickId),
               offered_.detailed && controls.Checked(kDetailedId)};
    return true;
  }
  TGroupModes Chosen() const { return chosen_; }

 private:
  TGroupModes offered_;
  TGroupModes chosen_;
};

}  // namespace

velplatform::TDialogLayout GroupModesLayout(const groups::TSkyObjectGroup& group) {
  using velplatform::TControlKind;
  velplatform::TDialogLayout layout;
  layout.caption = group.Name;
  layout.width = 150;
  layout.height = 72;
  layout.controls = {
      {200,
       TControlKind::kLabel,
       {6, 4, 138, 10},
       velplatform::Cp1251(" Выберите режимы просмотра: ")},
      {kQuickId,
       TControlKind::kCheckBox,
       {10, 18, 130, 10},
       velplatform::Cp1251("Быстрый просмотр")},
      {kDetailedId,
       TControlKind::kCheckBox,
       {10, 32, 130, 10},
       velplatform::Cp1251("Детальный просмотр")},
      {kOkId, TControlKind::kOkButton, {48, 50, 54, 16}, velplatform::Cp1251("&Верно")},
  };
  return layout;
}

TGroupModes ChooseGroupModes(velplatform::TWindowHandle owner, groups::TGroupListElement& element) {
  groups::TSkyObjectGroup* group = element.Group();
  if (group == nullptr) return {};
  TGroupModesLogic logic(*group);
  velplatform::RunDialog(owner, GroupModesLayout(*group), logic);
  const TGroupModes chosen = logic.Chosen();
  element.SetVisibleInQuickView(chosen.quick);
  element.SetVisibleInDetailedView(chosen.detailed);
  return chosen;
}

}  // namespace velarion::ui
