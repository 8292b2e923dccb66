#include "GridSetupForm.h"

#include "Cp1251.h"
#include "DialogFields.h"
#include "GridSteps.h"

#include <array>
#include <string>

namespace velarion::ui {

using velplatform::TControlKind;
using velplatform::TDialogControls;

namespace {

constexpr int kLines = 4;
constexpr int kRaLine = 2;

constexpr std::array<const char*, kLines> kLineTexts = {
    "Рисовать азимутальные линии", "Рисовать горизонтальные линии", "Рисовать линии прямого восх.",
    "Рисовать линии склонения"};

// The line's step field put into its range; the corrected step.
int32_t CorrectStepField(TDialogControls& controls, int line) {
  const int32_t id = TGridSetupForm::kFirstStep + line;
  const int32_t typed = FieldInteger(controls, id);
  const int32_t step = line == kRaLine ? CorrectRaStep(typed) : CorrectArcminuteStep(typed);
  controls.SetText(id, std::to_string(step));
  return step;
}

}  // namespace

velplatform::TDialogLayout TGridSetupForm::Layout() {
  velplatform::TDialogLayout layout;
  layout.caption = velplatform::Cp1251("Настройка координатных сеток");
  layout.width = 240;
  layout.height = 150;
  for (int group = 0; group < 2; ++group) {
    const int32_t top = 2 + group * 62;
    layout.controls.push_back(
        Control(0, TControlKind::kGroupBox, {4, top, 232, 58},
                group == 0 ? " Горизонтальная сетка " : " Экваториальная сетка "));
    layout.controls.push_back(Control(group == 0 ? kAzimuthAuto : kEquatorialAuto,
                                      TControlKind::kCheckBox, {10, top + 10, 100, 10},
                                      "Автонастройка"));
    for (int i = 0; i < 2; ++i) {
      const int line = group * 2 + i;
      const int32_t y = top + 24 + i * 16;
      layout.controls.push_back(
          Control(kFirstLine + line, TControlKind::kCheckBox, {10, y, 130, 10}, kLineTexts[line]));
      layout.controls.push_back(
          Control(kFirstStepLabel + 2 * line, TControlKind::kLabel, {144, y, 24, 10}, "шаг:"));
      layout.controls.push_back(
          Control(kFirstStep + line, TControlKind::kEdit, {170, y - 2, 36, 12}));
      layout.controls.push_back(Control(kFirstStepLabel + 2 * line + 1, TControlKind::kLabel,
                                        {210, y, 20, 10}, line == kRaLine ? "с" : "'"));
    }
  }
  layout.controls.push_back(Control(1, TControlKind::kOkButton, {104, 130, 62, 16}, "&Верно"));
  layout.controls.push_back(Control(2, TControlKind::kCancelButton, {172, 130, 62, 16}, "&Отмена"));
  return layout;
}

void TGridSetupForm::Init(TDialogControls& controls) {
  controls.SetChecked(kAzimuthAuto, grid_.azimuthAuto != 0);
  controls.SetChecked(kEquatorialAuto, grid_.equatorialAuto != 0);
  for (int line = 0; line < kLines; ++line) {
    controls.SetChecked(kFirstLine + line, grid_.lineVisible[line] != 0);
    controls.SetText(kFirstStep + line, std::to_string(grid_.lineStep[line]));
  }
  ShowAuto(controls);
}

void TGridSetupForm::ShowAuto(TDialogControls& controls) const {
  for (int line = 0; line < kLines; ++line) {
    const bool automatic = controls.Checked(line < 2 ? kAzimuthAuto : kEquatorialAuto);
    for (int32_t id :
         {kFirstStep + line, kFirstStepLabel + 2 * line, kFirstStepLabel + 2 * line + 1}) {
      controls.SetEnabled(id, !automatic);
    }
  }
}

void TGridSetupForm::Changed(TDialogControls& controls, int32_t id) {
  if (id == kAzimuthAuto || id == kEquatorialAuto) ShowAuto(controls);
}

void TGridSetupForm::Left(TDialogControls& controls, int32_t id) {
  const int line = id - kFirstStep;
  if (line >= 0 && line < kLines) CorrectStepField(controls, line);
}

bool TGridSetupForm::Accept(TDialogControls& controls) {
  grid_.azimuthAuto = controls.Checked(kAzimuthAuto) ? 1 : 0;
  grid_.equatorialAuto = controls.Checked(kEquatorialAuto) ? 1 : 0;
  for (int line = 0; line < kLines; ++line) {
    grid_.lineVisible[line] = controls.Checked(kFirstLine + line) ? 1 : 0;
    grid_.lineStep[line] = CorrectStepField(controls, line);
  }
  return true;
}

bool ShowGridSetupForm(velplatform::TWindowHandle owner, sky::TSkyImage& image) {
  TGridSetupForm form(image.GridSettings());
  if (!velplatform::RunDialog(owner, TGridSetupForm::Layout(), form)) return false;
  image.SetGridSettings(form.Grid());
  return true;
}

}  // namespace velarion::ui
