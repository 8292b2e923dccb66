#include "SavePictureForm.h"

#include "Cp1251.h"
#include "DialogFields.h"
#include "FileChooser.h"
#include "FileNameField.h"
#include "OverwriteQuestion.h"

#include <algorithm>
#include <cmath>

namespace velarion::ui {

using velplatform::Cp1251;
using velplatform::TControlKind;
using velplatform::TDialogControls;

namespace {

constexpr int32_t kOfferedDepth = 1;  // the second of a kind's depths

// The shape of the window's sky, width over height.
double Shape(const TPictureSetup& setup) {
  return static_cast<double>(std::max(setup.width, 1)) / std::max(setup.height, 1);
}

}  // namespace

std::string WithExtension(const std::string& file, std::string_view extension) {
  const std::size_t slash = file.rfind('/');
  const std::size_t dot = file.rfind('.');
  const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  return (hasExtension ? file.substr(0, dot) : file) + std::string(extension);
}

velplatform::TDialogLayout TSavePictureForm::Layout() {
  velplatform::TDialogLayout layout;
  layout.caption = Cp1251("Сохранить как файл");
  layout.width = 232;
  layout.height = 118;
  layout.controls = {
      Control(0, TControlKind::kLabel, {4, 6, 34, 8}, "Ширина:"),
      Control(kWidth, TControlKind::kEdit, {40, 4, 40, 12}),
      Control(0, TControlKind::kLabel, {90, 6, 34, 8}, "Высота:"),
      Control(kHeight, TControlKind::kEdit, {126, 4, 40, 12}),
      Control(0, TControlKind::kLabel, {4, 24, 34, 8}, "Тип файла:"),
      Control(kKind, TControlKind::kComboBox, {40, 22, 188, 12}),
      Control(0, TControlKind::kLabel, {4, 42, 34, 8}, "Цвета:"),
      Control(kDepth, TControlKind::kComboBox, {40, 40, 188, 12}),
      Control(kLegend, TControlKind::kCheckBox, {40, 58, 188, 10}, "Добавить легенду"),
      Control(0, TControlKind::kLabel, {4, 78, 34, 8}, "Файл:"),
      Control(kFile, TControlKind::kEdit, {40, 76, 168, 12}),
      Control(kBrowse, TControlKind::kButton, {212, 76, 16, 12}, "..."),
      Control(1, TControlKind::kOkButton, {48, 96, 62, 16}, "&Верно"),
      Control(2, TControlKind::kCancelButton, {118, 96, 62, 16}, "&Отмена"),
  };
  return layout;
}

void TSavePictureForm::Init(TDialogControls& controls) {
  controls.SetText(kWidth, std::to_string(setup_.width));
  controls.SetText(kHeight, std::to_string(setup_.height));
  controls.ClearItems(kKind);
  for (const TPictureKindRow& kind : PictureKinds()) controls.AddItem(kKind, Cp1251(kind.caption));
  controls.Select(kKind, 0);
  ShowDepths(controls);
  controls.SetChecked(kLegend, true);
  SetFileNameField(controls, kFile, DefaultName(ChosenKind(controls)));
}

void TSavePictureForm::Changed(TDialogControls& controls, int32_t id) {
  if (id == kKind) FollowKind(controls);
}

void TSavePictureForm::Left(TDialogControls& controls, int32_t id) {
  if (id == kWidth || id == kHeight) KeepShape(controls, id);
}

bool TSavePictureForm::Command(TDialogControls& controls, int32_t id) {
  if (id != kBrowse) return false;
  const TPictureKindRow& kind = ChosenKind(controls);
  const velplatform::TSaveFileRequest request{FileNameField(controls, kFile), Cp1251(kind.caption),
                                              std::string(kind.extension.substr(1))};
  if (auto chosen = velplatform::ChooseFileToSave(owner_, request)) {
    SetFileNameField(controls, kFile, *chosen);
  }
  return false;
}

bool TSavePictureForm::Accept(TDialogControls& controls) {
  const int32_t width = FieldInteger(controls, kWidth);
  const int32_t height = FieldInteger(controls, kHeight);
  if (auto problem = PictureSizeProblem(width, height)) {
    velplatform::ShowError(owner_, *problem);
    controls.Focus(kWidth);
    return false;
  }
  const TPictureKindRow& kind = ChosenKind(controls);
  const int32_t depthIndex = std::max(controls.Selected(kDepth), 0);
  const std::string file = FileNameField(controls, kFile);
  if (!MayWriteFile(owner_, file)) return false;
  choice_ = {file,  kind.kind, kind.depths[static_cast<std::size_t>(depthIndex)].bits,
             width, height,    controls.Checked(kLegend)};
  return true;
}

const TPictureKindRow& TSavePictureForm::ChosenKind(const TDialogControls& controls) const {
  const auto kinds = PictureKinds();
  const int32_t index = controls.Selected(kKind);
  return index >= 0 && static_cast<std::size_t>(index) < kinds.size()
             ? kinds[static_cast<std::size_t>(index)]
             : kinds.front();
}

void TSavePictureForm::ShowDepths(TDialogControls& controls) const {
  controls.ClearItems(kDepth);
  for (const TDepthChoice& depth : ChosenKind(controls).depths) {
    controls.AddItem(kDepth, Cp1251(depth.caption));
  }
  controls.Select(kDepth, kOfferedDepth);
}

void TSavePictureForm::FollowKind(TDialogControls& controls) const {
  ShowDepths(controls);
  const TPictureKindRow& kind = ChosenKind(controls);
  const std::string file = FileNameField(controls, kFile);
  SetFileNameField(controls, kFile,
                   file.empty() ? DefaultName(kind) : WithExtension(file, kind.extension));
}

// The side not typed follows the typed one; an empty or zero side is made from the other.
void TSavePictureForm::KeepShape(TDialogControls& controls, int32_t typed) const {
  const int32_t other = typed == kWidth ? kHeight : kWidth;
  const double shape = typed == kWidth ? 1.0 / Shape(setup_) : Shape(setup_);
  const int32_t typedSide = FieldInteger(controls, typed);
  if (typedSide != 0) {
    controls.SetText(other, std::to_string(std::lround(typedSide * shape)));
  } else {
    controls.SetText(typed, std::to_string(std::lround(FieldInteger(controls, other) / shape)));
  }
}

std::string TSavePictureForm::DefaultName(const TPictureKindRow& kind) const {
  return setup_.folder + "image" + std::to_string(setup_.counter) + std::string(kind.extension);
}

}  // namespace velarion::ui
