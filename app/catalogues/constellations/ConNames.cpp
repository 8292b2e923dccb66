#include "ConNames.h"

#include "Concat.h"
#include "ConstellationRecord.h"
#include "Cp1251.h"
#include "FindForm.h"
#include "GroupDataFile.h"
#include "IniAccess.h"
#include "ProjectionExports.h"
#include "SkyImageExports.h"
#include "ValueFormat.h"

#include <array>

namespace velarion::catalogues {

namespace {

using velplatform::Concat;
using velplatform::Cp1251;

constexpr char kFileName[] = "CONSTELL.DAT";
constexpr char kIniSection[] = "ConNames";
constexpr char kIniNameType[] = "NameType";

TNameType ReadNameType() {
  std::array<char, 16> text{};
  RestoreIniString(kIniSection, kIniNameType, "0", text.data(), static_cast<int32_t>(text.size()));
  const int32_t value = sky::ParseIntText(text.data());
  return value >= 0 && value <= 2 ? static_cast<TNameType>(value) : TNameType::kRussian;
}

}  // namespace

void TConNames::Init() {
  Code = kConstellationNamesCode;
  Name = Cp1251("Наименования созвездий");
  Version = "2.0";
  EpochKind = 1;
  Epoch = 0.0;
  SearchCaption = Cp1251("созвездие");
  HasOptions = true;
  ObjectCount = kConstellations;
}

bool TConNames::InitResources(kit::TWindowHandle owner) {
  const std::optional<TConstellationNamesFile> file =
      OpenGroupDataFile<TConstellationNamesFile>(owner, programFolder_, kFileName);
  if (!file) return false;
  names_ = {};
  for (std::size_t i = 0; i < names_.size(); ++i) {
    if (auto names = file->Record(i)) names_[i] = std::move(*names);
  }
  nameType_ = ReadNameType();
  return kit::TObjectGroup::InitResources(owner);
}

void TConNames::FreeResources() {
  SaveIniString(kIniSection, kIniNameType, std::to_string(static_cast<int>(nameType_)).c_str());
  kit::TObjectGroup::FreeResources();
}

std::string TConNames::FormName(int32_t index, int form) const {
  if (index < 1 || index > kConstellations) return {};
  const TConstellationNames& n = Names(index);
  switch (nameType_) {
    case TNameType::kRussian:
      return form == 1 ? n.russian : n.russianGenitive;
    case TNameType::kLatin:
      return form == 1 ? n.latin : n.latinGenitive;
    case TNameType::kAbbreviation:
      break;
  }
  return n.abbreviation;
}

// The label's top-left corner is its sky position; a constellation without a name has no
// label to show.
bool TConNames::ProjectLabel(int32_t index, TLabel& label) const {
  const std::string name = FormName(index, 1);
  if (name.empty()) return false;
  const TConstellationNames& n = Names(index);
  int32_t x = 0;
  int32_t y = 0;
  const bool projected = ViewMode == 1
                             ? RaDecToXY(n.labelRaArcmin / 60.0, n.labelDecArcmin / 60.0, &x, &y)
                             : QuickRaDecToXY(static_cast<int32_t>(n.labelRaArcmin),
                                              static_cast<int32_t>(n.labelDecArcmin), &x, &y);
  if (!projected) return false;
  label.rect = {x, y, x + DrawString(name.c_str(), x, y, false), y + View.fontHeight};
  return ViewMode != 1 || IsRectInView(label.rect);
}

void TConNames::CalculateObjects(const kit::TVisibleObjectReport& report) {
  for (int32_t index = 1; index <= kConstellations; ++index) {
    TLabel& label = labels_[index - 1];
    label.visible = View.objectsVisible3 != 0 && ProjectLabel(index, label);
    if (label.visible) report(index);
  }
}

// DrawString centres the text on its y: half a line below the corner, so that the text
// fills the label's rectangle.
void TConNames::DrawObjects(const kit::TNextObject& next) {
  for (int32_t index = next(); index != -1; index = next()) {
    if (!IsValidIndex(index)) continue;
    const TLabel& label = labels_[index - 1];
    if (!label.visible || !IsRectInView(label.rect)) continue;
    SetDrawColor(kit::kTextColour,
                 static_cast<int32_t>(View.colours[kit::kConstellationNameColour]));
    DrawString(FormName(index, 1).c_str(), label.rect.left, label.rect.top + View.fontHeight / 2,
               true);
  }
}

bool TConNames::GetObjectRect(int32_t index, kit::TObjectRect& rect) {
  if (!IsValidIndex(index) || !labels_[index - 1].visible) return false;
  rect = labels_[index - 1].rect;
  return true;
}

bool TConNames::GetObjectRaDec(int32_t index, double& ra, double& dec) {
  if (!IsValidIndex(index)) return false;
  ra = Names(index).labelRaArcmin / 60.0;
  dec = Names(index).labelDecArcmin / 60.0;
  return true;
}

int32_t TConNames::GetObjectData(int32_t index, std::span<std::byte> buffer) {
  if (!IsValidIndex(index) || buffer.size() < constellation_record::kSize) return 0;
  WriteConstellationRecord({FormName(index, 1), FormName(index, 2), Names(index).abbreviation},
                           buffer);
  return static_cast<int32_t>(constellation_record::kSize);
}

std::string TConNames::FullName(int32_t index) const {
  const TConstellationNames& n = Names(index);
  return Concat({"\x01", n.russian, "; ", n.latin, "; ", n.abbreviation});
}

std::string TConNames::GetObjectName(int32_t index) {
  return IsValidIndex(index) ? FullName(index) : std::string();
}

void TConNames::GetObjectStrings(int32_t index, kit::TZStrings& lines) {
  if (!IsValidIndex(index)) return;
  lines.Add(Concat({"\x01", Cp1251("Наименование созвездия")}));
  lines.Add(FullName(index));
}

// Entries are matched by name, not by their place in the sorted list, so both parts of
// Serpens and everything after them keep their own numbers.
int32_t TConNames::SelectObjectForSearch(kit::TWindowHandle owner) {
  TFindForm form(Cp1251("Поиск созвездия"));
  for (int32_t index = 1; index <= kConstellations; ++index) form.AddName(FormName(index, 1));
  const std::optional<std::string> chosen = form.Run(owner);
  if (!chosen) return -1;
  for (int32_t index = 1; index <= kConstellations; ++index) {
    const std::string name = FormName(index, 1);
    if (!name.empty() && NormaliseName(name) == *chosen) return index;
  }
  return -1;
}

bool TConNames::EditOptions(kit::TWindowHandle owner) {
  const std::optional<TNameType> choice = EditNameType(owner, nameType_);
  if (!choice) return false;
  nameType_ = *choice;
  return true;
}

kit::TGroupPtr MakeConstellationNamesGroup(const std::string& programFolder) {
  return kit::MakeGroup<TConNames>(programFolder);
}

}  // namespace velarion::catalogues
