#include "Dialogs.h"

#include "Cp1251.h"

#include <cstdio>
#include <utility>

namespace velplatform {

namespace {

TDialogRunner& DialogRunner() {
  static TDialogRunner runner;
  return runner;
}

TPopupRunner& PopupRunner() {
  static TPopupRunner runner;
  return runner;
}

TMessageBoxRunner& MessageBoxRunner() {
  static TMessageBoxRunner runner;
  return runner;
}

TColourRunner& ColourRunner() {
  static TColourRunner runner;
  return runner;
}

}  // namespace

bool RunDialog(TWindowHandle owner, const TDialogLayout& layout, TDialogLogic& logic) {
  const TDialogRunner& runner = DialogRunner();
  return runner ? runner(owner, layout, logic) : false;
}

void SetDialogRunner(TDialogRunner runner) { DialogRunner() = std::move(runner); }

void ShowPopupDialog(TWindowHandle owner, const TDialogLayout& layout,
                     std::shared_ptr<TDialogLogic> logic, TScreenRect anchor, TPopupClosed closed) {
  if (const TPopupRunner& runner = PopupRunner()) {
    runner(owner, layout, std::move(logic), anchor, std::move(closed));
    return;
  }
  const bool applied = RunDialog(owner, layout, *logic);
  if (closed) closed(applied);
}

void SetPopupRunner(TPopupRunner runner) { PopupRunner() = std::move(runner); }

TMessageAnswer ShowMessageBox(TWindowHandle owner, const TMessageBoxRequest& request) {
  const TMessageBoxRunner& runner = MessageBoxRunner();
  if (runner) return runner(owner, request);
  std::fprintf(stderr, "%s: %s\n", Cp1251ToUtf8(request.title).c_str(),
               Cp1251ToUtf8(request.text).c_str());
  return request.buttons == TMessageButtons::kYesNo ||
                 request.buttons == TMessageButtons::kYesNoCancel
             ? TMessageAnswer::kYes
             : TMessageAnswer::kOk;
}

void ShowError(TWindowHandle owner, std::string text) {
  ShowMessageBox(owner,
                 {std::move(text), Cp1251("Ошибка"), TMessageButtons::kOk, TMessageIcon::kError});
}

void SetMessageBoxRunner(TMessageBoxRunner runner) { MessageBoxRunner() = std::move(runner); }

std::optional<uint32_t> ChooseColour(TWindowHandle owner, uint32_t initial) {
  const TColourRunner& runner = ColourRunner();
  return runner ? runner(owner, initial) : std::nullopt;
}

void SetColourRunner(TColourRunner runner) { ColourRunner() = std::move(runner); }

namespace {

std::function<void()>& BeepRunner() {
  static std::function<void()> runner;
  return runner;
}

}  // namespace

void Beep() {
  if (const std::function<void()>& runner = BeepRunner()) {
    runner();
  } else {
    std::fputc('\a', stderr);
  }
}

void SetBeepRunner(std::function<void()> runner) { BeepRunner() = std::move(runner); }

}  // namespace velplatform
