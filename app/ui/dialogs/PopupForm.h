// The small view dialogs (zoom, time step, view rotation, auto rotation, date and time) are
// pop-ups beside the tool button that opened them: they never hold up the window, and what
// they chose reaches the opener once they closed, none when the user cancelled.
#ifndef VELARION_APP_UI_DIALOGS_POPUPFORM_H
#define VELARION_APP_UI_DIALOGS_POPUPFORM_H

#include "Dialogs.h"

#include <functional>
#include <memory>
#include <optional>
#include <utility>

namespace velarion::ui {

template <class TResult>
using TPopupChoice = std::function<void(std::optional<TResult> chosen)>;

// Shows `form` (a dialog logic with a static Layout()) as a pop-up; `read` takes the result
// from the form once it was applied.
template <class TResult, class TForm, class TRead>
void ShowFormAsPopup(velplatform::TWindowHandle owner, velplatform::TScreenRect anchor,
                     std::shared_ptr<TForm> form, TRead read, TPopupChoice<TResult> chosen) {
  const velplatform::TDialogLayout layout = TForm::Layout();
  velplatform::ShowPopupDialog(
      owner, layout, form, anchor,
      [form, read = std::move(read), chosen = std::move(chosen)](bool applied) {
        if (chosen)
          chosen(applied ? std::optional<TResult>(std::invoke(read, *form)) : std::nullopt);
      });
}

}  // namespace velarion::ui

#endif
