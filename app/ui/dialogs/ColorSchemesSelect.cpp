#include "ColorSchemesSelect.h"

#include "ColorParam.h"
#include "Concat.h"
#include "Cp1251.h"
#include "DialogFields.h"

#include <algorithm>

namespace velarion::ui {

using sky::TSchemePage;
using velplatform::TControlKind;
using velplatform::TDialogControls;

namespace {

// The current scheme of a list is marked with a bullet (CP1251 0x95).
constexpr std::string_view kCurrentMark = "\x95 ";
constexpr std::string_view kOtherMark = "   ";

int Index(TSchemePage page) { return page == TSchemePage::kScreen ? 0 : 1; }
TSchemePage PageOf(int index) { return index == 0 ? TSchemePage::kScreen : TSchemePage::kPrinter; }

sky::TColorSchemePtr Holding(const sky::TColorSchemeList& list, const sky::TColorScheme& scheme) {
  const auto found = std::find_if(
      list.begin(), list.end(), [&](const sky::TColorSchemePtr& s) { return s.get() == &scheme; });
  return found != list.end() ? *found : nullptr;
}

}  // namespace

velplatform::TDialogLayout TColorSchemesSelect::Layout() {
  velplatform::TDialogLayout layout;
  layout.caption = velplatform::Cp1251("Выбор цветовых схем");
  layout.width = 300;
  layout.height = 170;
  for (int p = 0; p < 2; ++p) {
    const int32_t x = 4 + p * 148;
    layout.controls.push_back(Control(0, TControlKind::kGroupBox, {x, 2, 144, 142},
                                      p == 0 ? "   Экран   " : "   Принтер   "));
    layout.controls.push_back(Control(kFirstList + p, TControlKind::kList, {x + 4, 12, 136, 108}));
    layout.controls.push_back(
        Control(kFirstAdd + p, TControlKind::kButton, {x + 4, 124, 44, 14}, "Добавить"));
    layout.controls.push_back(
        Control(kFirstEdit + p, TControlKind::kButton, {x + 50, 124, 44, 14}, "Изменить"));
    layout.controls.push_back(
        Control(kFirstDelete + p, TControlKind::kButton, {x + 96, 124, 44, 14}, "Удалить"));
  }
  layout.controls.push_back(Control(1, TControlKind::kOkButton, {166, 150, 62, 16}, "&Верно"));
  layout.controls.push_back(
      Control(kCancel, TControlKind::kCancelButton, {234, 150, 62, 16}, "&Отмена"));
  return layout;
}

void TColorSchemesSelect::Init(TDialogControls& controls) {
  Fill(controls, TSchemePage::kScreen);
  Fill(controls, TSchemePage::kPrinter);
}

void TColorSchemesSelect::Fill(TDialogControls& controls, TSchemePage page) const {
  const int32_t list = kFirstList + Index(page);
  const sky::TColorSchemeList& schemes = selection_.List(page);
  controls.ClearItems(list);
  for (int i = 0; i < static_cast<int>(schemes.size()); ++i) {
    controls.AddItem(list,
                     velplatform::Concat({selection_.IsCurrent(page, i) ? kCurrentMark : kOtherMark,
                                          schemes[static_cast<std::size_t>(i)]->Name()}));
  }
  controls.Select(list, selection_.Selected(page));
  controls.SetEnabled(kFirstDelete + Index(page), selection_.CanDelete(page));
  controls.SetEnabled(kCancel, selection_.CanCancel());
}

void TColorSchemesSelect::Changed(TDialogControls& controls, int32_t id) {
  const int p = id - kFirstList;
  if (p == 0 || p == 1) selection_.Select(PageOf(p), controls.Selected(id));
}

bool TColorSchemesSelect::DoubleClicked(TDialogControls& controls, int32_t id) {
  Changed(controls, id);
  return id == kFirstList || id == kFirstList + 1;
}

bool TColorSchemesSelect::Command(TDialogControls& controls, int32_t id) {
  for (int p = 0; p < 2; ++p) {
    if (id == kFirstAdd + p) Add(controls, PageOf(p));
    if (id == kFirstEdit + p) Edit(controls, PageOf(p));
    if (id == kFirstDelete + p) Delete(controls, PageOf(p));
  }
  return false;
}

void TColorSchemesSelect::Add(TDialogControls& controls, TSchemePage page) {
  const sky::TColorSchemePtr scheme = sky::TColorSchemeSelection::NewScheme(page);
  if (!ShowColorParam(owner_, *scheme)) return;
  selection_.AddEdited(page, scheme);
  selection_.Select(page, static_cast<int>(selection_.List(page).size()) - 1);
  Fill(controls, page);
}

void TColorSchemesSelect::Edit(TDialogControls& controls, TSchemePage page) {
  sky::TColorSchemeList& list = selection_.List(page);
  const int index = selection_.Selected(page);
  if (index < 0 || index >= static_cast<int>(list.size())) return;
  if (!ShowColorParam(owner_, *list[static_cast<std::size_t>(index)])) return;
  if (selection_.Changed(page)) currentScreenEdited_ = true;
  Fill(controls, page);
}

void TColorSchemesSelect::Delete(TDialogControls& controls, TSchemePage page) {
  if (!selection_.CanDelete(page)) return;
  const auto answer = velplatform::ShowMessageBox(
      owner_, {velplatform::Cp1251("Удалять схему?"), velplatform::Cp1251("Предупреждение"),
               velplatform::TMessageButtons::kYesNo, velplatform::TMessageIcon::kQuestion});
  if (answer != velplatform::TMessageAnswer::kYes) return;
  selection_.DeleteSelected(page);
  Fill(controls, page);
}

TColorSchemesOutcome ShowColorSchemesSelect(velplatform::TWindowHandle owner,
                                            sky::TColorSchemes& schemes, sky::TSkyImage& image) {
  const sky::TColorSchemePtr screen = Holding(schemes.screen, image.Scheme(false));
  const sky::TColorSchemePtr printer = Holding(schemes.printer, image.Scheme(true));
  sky::TColorSchemeSelection selection(schemes, screen, printer);
  TColorSchemesSelect form(owner, selection);
  const bool ok = velplatform::RunDialog(owner, TColorSchemesSelect::Layout(), form);
  // With a current scheme deleted there is nothing to go back to: Esc takes the selection.
  if (!ok && selection.CanCancel()) return {false, form.CurrentScreenEdited()};
  const sky::TColorSchemePtr chosenScreen = selection.ChosenScreen();
  image.SetColorSchemes(chosenScreen, selection.ChosenPrinter());
  return {true, form.CurrentScreenEdited() || chosenScreen != screen};
}

}  // namespace velarion::ui
