#include "ColorParam.h"

#include "Concat.h"
#include "Cp1251.h"
#include "DialogFields.h"
#include "ValueFormat.h"

namespace velarion::ui {

using velplatform::TControlKind;
using velplatform::TDialogControls;

namespace {

constexpr std::array<const char*, kit::kColourTableEntries> kSlotNames = {
    "Фон (ночь)",
    "Фон (день)",
    "Горизонт",
    "Границы созвездий",
    "Наименования созвездий",
    "Изображения звёзд",
    "Объекты солнечной системы и доп. объекты",
    "Линии фигур созвездий",
    "Галактики, туманности, звездные скопления",
    "Линии координатных сеток",
    "Неосвещенная часть Луны и планет",
    "Солнце",
    "Фон (гражданские сумерки)",
    "Фон (астрономические сумерки)",
};

}  // namespace

std::string ColourText(uint32_t colour) {
  return velplatform::Concat({std::to_string(colour & 0xFF), ", ",
                              std::to_string((colour >> 8) & 0xFF), ", ",
                              std::to_string((colour >> 16) & 0xFF)});
}

TColorParam::TColorParam(velplatform::TWindowHandle owner, const sky::TColorScheme& scheme)
    : owner_(owner), name_(scheme.Name()), colours_(scheme.Colors()) {}

velplatform::TDialogLayout TColorParam::Layout() {
  velplatform::TDialogLayout layout;
  layout.caption = velplatform::Cp1251("Настройка цветовой схемы");
  layout.width = 260;
  layout.height = 36 + kit::kColourTableEntries * 14 + 22;
  layout.controls = {
      Control(0, TControlKind::kLabel, {4, 6, 60, 8}, "Наименование:"),
      Control(kNameEdit, TControlKind::kEdit, {66, 4, 190, 12}),
  };
  for (int slot = 0; slot < kit::kColourTableEntries; ++slot) {
    const int32_t y = 24 + slot * 14;
    layout.controls.push_back(
        Control(kFirstColour + slot, TControlKind::kButton, {4, y, 190, 12}, kSlotNames[slot]));
    layout.controls.push_back(
        Control(kFirstSample + slot, TControlKind::kLabel, {200, y + 2, 56, 10}));
  }
  const int32_t bottom = layout.height - 20;
  layout.controls.push_back(Control(1, TControlKind::kOkButton, {124, bottom, 62, 16}, "&Верно"));
  layout.controls.push_back(
      Control(2, TControlKind::kCancelButton, {192, bottom, 62, 16}, "&Отмена"));
  return layout;
}

void TColorParam::Init(TDialogControls& controls) {
  controls.SetText(kNameEdit, name_);
  for (int slot = 0; slot < kit::kColourTableEntries; ++slot) {
    controls.SetText(kFirstSample + slot, ColourText(colours_[static_cast<std::size_t>(slot)]));
  }
}

bool TColorParam::Command(TDialogControls& controls, int32_t id) {
  const int slot = id - kFirstColour;
  if (slot < 0 || slot >= kit::kColourTableEntries) return false;
  uint32_t& colour = colours_[static_cast<std::size_t>(slot)];
  if (const std::optional<uint32_t> chosen = velplatform::ChooseColour(owner_, colour)) {
    colour = *chosen & 0x00FFFFFF;
    controls.SetText(kFirstSample + slot, ColourText(colour));
  }
  return false;
}

bool TColorParam::Accept(TDialogControls& controls) {
  name_ = sky::TrimSpaces(controls.Text(kNameEdit));
  if (!name_.empty()) return true;
  controls.Focus(kNameEdit);
  return false;
}

void TColorParam::StoreInto(sky::TColorScheme& scheme) const {
  scheme.SetName(name_);
  for (int slot = 0; slot < kit::kColourTableEntries; ++slot) {
    scheme.SetColor(slot, colours_[static_cast<std::size_t>(slot)]);
  }
}

bool ShowColorParam(velplatform::TWindowHandle owner, sky::TColorScheme& scheme) {
  TColorParam form(owner, scheme);
  if (!velplatform::RunDialog(owner, TColorParam::Layout(), form)) return false;
  form.StoreInto(scheme);
  return true;
}

}  // namespace velarion::ui
