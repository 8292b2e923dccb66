#include "CommInfoForm.h"

#include "Clipboard.h"
#include "Cp1251.h"
#include "DialogFields.h"
#include "OutputConsole.h"

namespace velarion::ui {

namespace {

using velplatform::TControlKind;

constexpr int32_t kRowHeight = 11;
constexpr int32_t kCaptionWidth = 120;
constexpr int32_t kValueLeft = 132;
constexpr int32_t kValueWidth = 150;
// The moment's rows stand in the first panel, the place's (the last two) in the second.
constexpr std::size_t kPlaceRows = 2;

std::string JoinedLines(const std::vector<solar::TCommonInfoRow>& rows, std::string_view before) {
  std::string text(before);
  for (const std::string& line : solar::CommonInfoLines(rows)) text += line + "\r\n";
  return text;
}

}  // namespace

velplatform::TDialogLayout TCommInfo::Layout() const {
  velplatform::TDialogLayout layout;
  layout.caption = velplatform::Cp1251("Общая информация");
  layout.centredOnScreen = true;
  int32_t y = 12;
  int32_t captionId = kFirstCaption;
  const auto panel = [&](std::size_t first, std::size_t last) {
    const int32_t top = y - 8;
    for (std::size_t i = first; i < last; ++i) {
      const int32_t lines = static_cast<int32_t>(rows_[i].caption.size());
      for (int32_t k = 0; k < lines; ++k) {
        layout.controls.push_back({captionId++,
                                   TControlKind::kLabel,
                                   {10, y + k * kRowHeight, kCaptionWidth, 10},
                                   rows_[i].caption[static_cast<std::size_t>(k)]});
      }
      layout.controls.push_back({kFirstValue + static_cast<int32_t>(i),
                                 TControlKind::kLabel,
                                 {kValueLeft, y + (lines - 1) * kRowHeight, kValueWidth, 10},
                                 ""});
      y += lines * kRowHeight;
    }
    layout.controls.insert(
        layout.controls.begin(),
        {0, TControlKind::kGroupBox, {4, top, kValueLeft + kValueWidth, y - top + 2}, ""});
    y += 14;
  };
  panel(0, rows_.size() - kPlaceRows);
  panel(rows_.size() - kPlaceRows, rows_.size());
  layout.controls.push_back(
      WithHint(Control(kCopy, TControlKind::kButton, {150, y, 40, 14}, "Копия"), "Скопировать"));
  layout.controls.push_back(
      WithHint(Control(kCopyToConsole, TControlKind::kButton, {194, y, 40, 14}, "В консоль"),
               "Скопировать в консоль вывода"));
  layout.controls.push_back(
      Control(kExit, TControlKind::kCancelButton, {238, y, 48, 14}, "&Выход"));
  layout.width = kValueLeft + kValueWidth + 8;
  layout.height = y + 20;
  return layout;
}

void TCommInfo::Init(velplatform::TDialogControls& controls) {
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    controls.SetText(kFirstValue + static_cast<int32_t>(i), rows_[i].value);
  }
}

bool TCommInfo::Command(velplatform::TDialogControls&, int32_t id) {
  if (id == kCopy) velplatform::CopyToClipboard(JoinedLines(rows_, ""));
  if (id == kCopyToConsole) solar::WriteToOutputConsole(JoinedLines(rows_, "\r\n"));
  return false;
}

void ShowCommInfo(velplatform::TWindowHandle owner, const solar::TCommonInfoView& view) {
  TCommInfo form(solar::CommonInformation(view));
  velplatform::RunDialog(owner, form.Layout(), form);
}

}  // namespace velarion::ui
