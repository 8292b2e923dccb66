#include "StarSearchDialog.h"

#include "Cp1251.h"
#include "NeighbourGroups.h"
#include "ValueFormat.h"

#include <charconv>

namespace velarion::catalogues {
namespace {

namespace ids = star_search_dialog;
using velplatform::Cp1251;
using velplatform::TControlKind;
using velplatform::TDialogControls;

// Constellation numbers of the star file, the two parts of Serpens counted apart.
constexpr int32_t kConstellationNumbers = 89;
constexpr int32_t kMaxFlamsteed = 255;
constexpr int32_t kBayerIndexes = 9;
constexpr std::string_view kSecondSerpens = "Ser2";

// The whole text as a number; none for anything else.
std::optional<int32_t> StrictNumber(std::string_view text) {
  const std::string trimmed = sky::TrimSpaces(text);
  int32_t value = 0;
  const char* end = trimmed.data() + trimmed.size();
  const auto [at, error] = std::from_chars(trimmed.data(), end, value);
  if (trimmed.empty() || error != std::errc() || at != end) return std::nullopt;
  return value;
}

}  // namespace

std::vector<TConstellationChoice> ConstellationChoices() {
  std::vector<TConstellationChoice> choices;
  const int32_t count = GroupObjectCount(kConstellationGroup);
  std::vector<std::optional<TConstellationName>> names;
  for (int32_t n = 1; n <= count; ++n) names.push_back(ConstellationName(n));
  for (int32_t n = 1; n <= count; ++n) {
    const auto& name = names[static_cast<std::size_t>(n - 1)];
    if (name && name->code == kSecondSerpens) continue;
    const bool beforeSecondSerpens = n < count && names[static_cast<std::size_t>(n)] &&
                                     names[static_cast<std::size_t>(n)]->code == kSecondSerpens;
    choices.push_back({name ? name->name : sky::IntToText(n), n, beforeSecondSerpens ? n + 1 : 0});
  }
  if (choices.empty()) {
    for (int32_t n = 1; n <= kConstellationNumbers; ++n)
      choices.push_back({sky::IntToText(n), n, 0});
  }
  return choices;
}

velplatform::TDialogLayout StarSearchLayout() {
  return {
      Cp1251("Поиск звезды в каталоге ярких звезд"),
      240,
      150,
      {
          {ids::kBayer, TControlKind::kRadioButton, {8, 8, 110, 10}, Cp1251("Обозначение Байера")},
          {ids::kFlamsteed,
           TControlKind::kRadioButton,
           {8, 20, 110, 10},
           Cp1251("Обозначение Флэмстида")},
          {ids::kHr, TControlKind::kRadioButton, {8, 32, 110, 10}, Cp1251("Номер HR")},
          {ids::kLetterList, TControlKind::kList, {8, 48, 44, 70}, ""},
          {ids::kIndexList, TControlKind::kList, {56, 48, 24, 70}, ""},
          {ids::kConstellationList, TControlKind::kList, {84, 48, 148, 70}, ""},
          {0, TControlKind::kLabel, {128, 10, 20, 10}, "HR:"},
          {ids::kHrEdit, TControlKind::kEdit, {150, 8, 60, 12}, ""},
          {ids::kFind, TControlKind::kOkButton, {60, 126, 56, 16}, Cp1251("&Найти")},
          {ids::kCancel, TControlKind::kCancelButton, {124, 126, 56, 16}, Cp1251("&Отмена")},
      },
      false};
}

void TStarSearchLogic::Init(TDialogControls& controls) {
  controls.SetChecked(ids::kBayer, true);
  for (int32_t id : {ids::kLetterList, ids::kIndexList, ids::kConstellationList}) {
    controls.SetSorted(id, false);
  }
  FillFirstList(controls, true);
  controls.AddItem(ids::kIndexList, "-");
  for (int32_t i = 1; i <= kBayerIndexes; ++i) controls.AddItem(ids::kIndexList, sky::IntToText(i));
  controls.Select(ids::kIndexList, 0);
  for (const TConstellationChoice& c : constellations_) {
    controls.AddItem(ids::kConstellationList, c.text);
  }
  controls.Select(ids::kConstellationList, 0);
  Enable(controls);
}

void TStarSearchLogic::FillFirstList(TDialogControls& controls, bool bayer) {
  controls.ClearItems(ids::kLetterList);
  if (bayer) {
    for (char letter : kBayerLetters) {
      controls.AddItem(ids::kLetterList, std::string{velplatform::kGreekItem, letter});
    }
  } else {
    for (int32_t n = 1; n <= kMaxFlamsteed; ++n)
      controls.AddItem(ids::kLetterList, sky::IntToText(n));
  }
  controls.Select(ids::kLetterList, 0);
}

void TStarSearchLogic::Enable(TDialogControls& controls) {
  const bool byHr = controls.Checked(ids::kHr);
  controls.SetEnabled(ids::kLetterList, !byHr);
  controls.SetEnabled(ids::kConstellationList, !byHr);
  controls.SetEnabled(ids::kIndexList, controls.Checked(ids::kBayer));
  controls.SetEnabled(ids::kHrEdit, byHr);
}

void TStarSearchLogic::Changed(TDialogControls& controls, int32_t id) {
  if (id != ids::kBayer && id != ids::kFlamsteed && id != ids::kHr) return;
  if (!controls.Checked(id)) return;
  for (int32_t other : {ids::kBayer, ids::kFlamsteed, ids::kHr}) {
    if (other != id) controls.SetChecked(other, false);
  }
  if (id != ids::kHr) FillFirstList(controls, id == ids::kBayer);
  Enable(controls);
}

std::optional<TStarQuery> TStarSearchLogic::ReadListQuery(const TDialogControls& controls) const {
  const int32_t first = controls.Selected(ids::kLetterList);
  const int32_t place = controls.Selected(ids::kConstellationList);
  if (first < 0 || place < 0 || place >= static_cast<int32_t>(constellations_.size())) {
    return std::nullopt;
  }
  const TConstellationChoice& c = constellations_[static_cast<std::size_t>(place)];
  TStarQuery query;
  query.constellation = c.number;
  query.alsoConstellation = c.alsoNumber;
  if (controls.Checked(ids::kFlamsteed)) {
    query.kind = TStarQueryKind::kFlamsteed;
    query.flamsteed = first + 1;
    return query;
  }
  if (first >= static_cast<int32_t>(kBayerLetters.size())) return std::nullopt;
  query.kind = TStarQueryKind::kBayer;
  query.bayerLetter = kBayerLetters[static_cast<std::size_t>(first)];
  const int32_t index = controls.Selected(ids::kIndexList);
  query.bayerIndex = index > 0 ? static_cast<char>('0' + index) : 0;
  return query;
}

bool TStarSearchLogic::Accept(TDialogControls& controls) {
  if (!controls.Checked(ids::kHr)) {
    query_ = ReadListQuery(controls);
    if (!query_) velplatform::Beep();
    return query_.has_value();
  }
  const std::optional<int32_t> hr = StrictNumber(controls.Text(ids::kHrEdit));
  if (!hr) {
    velplatform::ShowError(owner_, Cp1251("Неверный номер"));
    return false;
  }
  query_ = TStarQuery{.kind = TStarQueryKind::kHr, .hr = *hr};
  return true;
}

std::optional<TStarQuery> AskStarQuery(velplatform::TWindowHandle owner) {
  TStarSearchLogic logic(owner, ConstellationChoices());
  if (!velplatform::RunDialog(owner, StarSearchLayout(), logic)) return std::nullopt;
  return logic.Query();
}

}  // namespace velarion::catalogues
