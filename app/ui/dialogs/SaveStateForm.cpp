#include "SaveStateForm.h"

#include "Cp1251.h"
#include "DialogFields.h"
#include "FileChooser.h"
#include "FileNameField.h"
#include "MomentCheck.h"
#include "OverwriteQuestion.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <system_error>

namespace velarion::ui {

using velplatform::Cp1251;
using velplatform::TControlKind;
using velplatform::TDialogControls;

namespace {

constexpr int32_t kHourDecimals = 4;
constexpr std::array<const char*, 7> kPartCaptions = {
    "Широта, долгота и часовой пояс",
    "Момент наблюдения",
    "Точка на изображении неба",
    "Видимость групп объектов",
    "Основные параметры изображения объектов",
    "Объекты: выделение и режим отслеживания",
    "Параметры автовращения",
};

velplatform::TSaveFileRequest StateFileRequest(const std::string& file) {
  return {file, Cp1251("Файл состояния Velarion"), "vls"};
}

}  // namespace

velplatform::TDialogLayout TSaveStateForm::Layout() {
  velplatform::TDialogLayout layout;
  layout.caption = Cp1251("Сохранение состояния программы");
  layout.width = 232;
  layout.height = 192;
  layout.controls = {
      Control(0, TControlKind::kLabel, {4, 6, 22, 8}, "Файл:"),
      Control(kFile, TControlKind::kEdit, {28, 4, 180, 12}),
      Control(kBrowse, TControlKind::kButton, {212, 4, 16, 12}, "..."),
  };
  for (std::size_t i = 0; i < kPartCaptions.size(); ++i) {
    layout.controls.push_back(Control(kFirstPart + static_cast<int32_t>(i), TControlKind::kCheckBox,
                                      {4, 22 + 11 * static_cast<int32_t>(i), 224, 10},
                                      kPartCaptions[i]));
  }
  layout.controls.push_back(Control(kAutoStart, TControlKind::kCheckBox, {16, 100, 212, 10},
                                    "Автоматический запуск режима автовращения"));
  layout.controls.push_back(Control(kAutoStop, TControlKind::kCheckBox, {16, 111, 212, 10},
                                    "Автоматическая остановка автовращения:"));
  // The auto-stop box is the fields' caption: their own caption label is left out.
  for (auto& control : MomentFieldControls(kStopMoment, 16, 114, "")) {
    if (control.id != 0) layout.controls.push_back(std::move(control));
  }
  layout.controls.push_back(Control(kRestoreAtStart, TControlKind::kCheckBox, {4, 152, 224, 10},
                                    "Восстанавливать при старте программы"));
  layout.controls.push_back(Control(1, TControlKind::kOkButton, {48, 170, 62, 16}, "&Верно"));
  layout.controls.push_back(Control(2, TControlKind::kCancelButton, {118, 170, 62, 16}, "&Отмена"));
  return layout;
}

void TSaveStateForm::Init(TDialogControls& controls) {
  SetFileNameField(controls, kFile, setup_.proposedFile);
  for (std::size_t i = 0; i < setup_.parts.size(); ++i) {
    controls.SetChecked(kFirstPart + static_cast<int32_t>(i), setup_.parts[i]);
  }
  ShowMoment(controls, kStopMoment, setup_.localMjdNow, kHourDecimals);
  EnableAutoRotationFields(controls);
}

void TSaveStateForm::Changed(TDialogControls& controls, int32_t id) {
  if (id == PartBox(TStatePart::kAutoRotation) || id == kAutoStart || id == kAutoStop) {
    EnableAutoRotationFields(controls);
  } else if (id == kRestoreAtStart) {
    ShowRestoreAtStart(controls);
  }
}

bool TSaveStateForm::Command(TDialogControls& controls, int32_t id) {
  if (id == kBrowse) {
    if (auto chosen = velplatform::ChooseFileToSave(
            owner_, StateFileRequest(FileNameField(controls, kFile)))) {
      SetFileNameField(controls, kFile, *chosen);
    }
  } else if (id == kStopMoment.HoursButton()) {
    EditHoursField(owner_, controls, kStopMoment.Hours(), kHourDecimals);
  }
  return false;
}

void TSaveStateForm::EnableAutoRotationFields(TDialogControls& controls) const {
  const bool autoRotation = controls.Checked(PartBox(TStatePart::kAutoRotation));
  controls.SetEnabled(kAutoStart, autoRotation);
  const bool start = autoRotation && controls.Checked(kAutoStart);
  controls.SetEnabled(kAutoStop, start);
  const bool stop = StopsAutomatically(controls);
  for (int32_t id = kStopMoment.day; id <= kStopMoment.HoursButton(); ++id) {
    controls.SetEnabled(id, stop);
  }
}

// The start file's name is fixed while the box is ticked; unticking gives the user's back.
void TSaveStateForm::ShowRestoreAtStart(TDialogControls& controls) {
  const bool atStart = controls.Checked(kRestoreAtStart);
  if (atStart) {
    nameBeforeDefault_ = FileNameField(controls, kFile);
    SetFileNameField(controls, kFile, setup_.defaultFile);
  } else {
    SetFileNameField(controls, kFile, nameBeforeDefault_);
  }
  controls.SetEnabled(kFile, !atStart);
  controls.SetEnabled(kBrowse, !atStart);
}

bool TSaveStateForm::StopsAutomatically(const TDialogControls& controls) const {
  return controls.Checked(PartBox(TStatePart::kAutoRotation)) && controls.Checked(kAutoStart) &&
         controls.Checked(kAutoStop);
}

bool TSaveStateForm::IsDefaultFile(const std::string& file) const {
  namespace fs = std::filesystem;
  return fs::path(file).lexically_normal() == fs::path(setup_.defaultFile).lexically_normal();
}

bool TSaveStateForm::Accept(TDialogControls& controls) {
  TSaveStateChoice choice;
  if (StopsAutomatically(controls)) {
    const TDateEntry stop = ReadMoment(controls, kStopMoment);
    if (auto problem = MomentProblem(stop)) {
      velplatform::ShowMessageBox(
          owner_, {*problem, Cp1251("Ошибка в дате"), velplatform::TMessageButtons::kOk,
                   velplatform::TMessageIcon::kError});
      return false;
    }
    choice.autoRotationStopMjdUt = LocalMjdOf(stop) - setup_.timeZoneHours / 24.0;
  }
  for (std::size_t i = 0; i < choice.parts.size(); ++i) {
    choice.parts[i] = controls.Checked(kFirstPart + static_cast<int32_t>(i));
  }
  choice.autoRotationStart =
      controls.Checked(PartBox(TStatePart::kAutoRotation)) && controls.Checked(kAutoStart);
  choice.file = FileNameField(controls, kFile);
  choice_ = std::move(choice);
  return Save(controls);
}

bool TSaveStateForm::Save(TDialogControls& controls) {
  const bool nothingChosen = std::ranges::none_of(choice_.parts, [](bool on) { return on; });
  if (nothingChosen && IsDefaultFile(choice_.file)) {
    // Nothing is to be restored at start any more.
    std::error_code error;
    std::filesystem::remove(choice_.file, error);
    choice_.deletedDefault = true;
    return true;
  }
  if (!MayWriteFile(owner_, choice_.file)) return false;
  if (!writer_(choice_)) {
    velplatform::ShowError(
        owner_, Cp1251("Не могу открыть файл ") + velplatform::Utf8ToCp1251(choice_.file));
    controls.Focus(kFile);
    return false;
  }
  return true;
}

}  // namespace velarion::ui
