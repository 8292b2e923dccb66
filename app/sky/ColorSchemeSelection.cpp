#include "ColorSchemeSelection.h"

#include "Cp1251.h"

#include <algorithm>

namespace velarion::sky {

namespace {

int Index(TSchemePage page) { return page == TSchemePage::kScreen ? 0 : 1; }

int PositionOf(const TColorSchemeList& list, const TColorSchemePtr& scheme) {
  const auto it = std::find(list.begin(), list.end(), scheme);
  return it == list.end() ? 0 : static_cast<int>(it - list.begin());
}

}  // namespace

TColorSchemeSelection::TColorSchemeSelection(TColorSchemes& schemes, TColorSchemePtr currentScreen,
                                             TColorSchemePtr currentPrinter)
    : schemes_(schemes), current_{std::move(currentScreen), std::move(currentPrinter)} {
  selected_[0] = PositionOf(schemes_.screen, current_[0]);
  selected_[1] = PositionOf(schemes_.printer, current_[1]);
}

TColorSchemeList& TColorSchemeSelection::List(TSchemePage page) {
  return page == TSchemePage::kScreen ? schemes_.screen : schemes_.printer;
}

int TColorSchemeSelection::Selected(TSchemePage page) const { return selected_[Index(page)]; }

void TColorSchemeSelection::Select(TSchemePage page, int index) {
  if (index >= 0 && index < static_cast<int>(List(page).size())) selected_[Index(page)] = index;
}

bool TColorSchemeSelection::IsCurrent(TSchemePage page, int index) const {
  const TColorSchemeList& list = page == TSchemePage::kScreen ? schemes_.screen : schemes_.printer;
  return index >= 0 && index < static_cast<int>(list.size()) &&
         list[index] == current_[Index(page)];
}

TColorSchemePtr TColorSchemeSelection::NewScheme(TSchemePage page) {
  const bool printer = page == TSchemePage::kPrinter;
  return std::make_shared<TColorScheme>(
      velplatform::Cp1251(printer ? "Новая цветовая схема для принтера"
                                  : "Новая цветовая схема для экрана"),
      printer);
}

void TColorSchemeSelection::AddEdited(TSchemePage page, TColorSchemePtr scheme) {
  List(page).push_back(std::move(scheme));
  schemes_.changed = true;
}

bool TColorSchemeSelection::Changed(TSchemePage page) {
  schemes_.changed = true;
  return page == TSchemePage::kScreen && IsCurrent(page, Selected(page));
}

bool TColorSchemeSelection::CanDelete(TSchemePage page) const {
  const TColorSchemeList& list = page == TSchemePage::kScreen ? schemes_.screen : schemes_.printer;
  return list.size() > 1;
}

void TColorSchemeSelection::DeleteSelected(TSchemePage page) {
  if (!CanDelete(page)) return;
  TColorSchemeList& list = List(page);
  const int index = Selected(page);
  if (list[index] == current_[Index(page)]) canCancel_ = false;
  list.erase(list.begin() + index);
  selected_[Index(page)] = std::min(index, static_cast<int>(list.size()) - 1);
  schemes_.changed = true;
}

TColorSchemePtr TColorSchemeSelection::ChosenScreen() const {
  return TColorSchemes::Select(schemes_.screen, selected_[0]);
}

TColorSchemePtr TColorSchemeSelection::ChosenPrinter() const {
  return TColorSchemes::Select(schemes_.printer, selected_[1]);
}

}  // namespace velarion::sky
