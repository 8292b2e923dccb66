// The main window's information commands: the object information window for the selection
// (kept up to date with the view), the bodies of the "Информация о ..." menu, and the
// general information.
#include "MainUnit.h"

#include "CommInfoForm.h"
#include "MainRequests.h"

#include <QKeyEvent>

namespace velarion::ui {

void TVelarionMainForm::UpdateInfoWindow(bool create, bool show, bool scrollToTop, bool focus) {
  const std::vector<sky::TSelectedObject>& selection = Image().Selection();
  if (QAction* info = CommandAction(&TVelarionMainForm::OTHERInfoClick)) {
    info->setEnabled(!selection.empty());
  }
  if (infoForm_ != nullptr) {
    infoForm_->Rebuild(selection, scrollToTop);
    if (show && infoForm_->isHidden()) {
      infoForm_->show();
    } else if (focus) {
      infoForm_->raise();
      infoForm_->activateWindow();
    }
    return;
  }
  if (!create || selection.empty()) return;
  TInfoForm::THooks hooks;
  hooks.closed = [this] { requests_.Post(TDialogClosedRequest{kInfoWindowCommand}); };
  hooks.passKey = [this](QKeyEvent& key) {
    activateWindow();
    return SkyKey(key) || TriggerShortcut(key);
  };
  hooks.run = [this](const solar::TInfoCommand& command) {
    // The command's own dialog runs while the main window waits.
    setEnabled(false);
    command.group->AdvancedInfo(reinterpret_cast<velplatform::TWindowHandle>(infoForm_.data()),
                                command.number, command.command);
    setEnabled(true);
    raise();
    activateWindow();
    if (infoForm_ != nullptr) infoForm_->raise();
  };
  auto* form = new TInfoForm(this, Image().GreekFont(), std::move(hooks));
  form->Place(*this, session_->Configuration().window.infoFormPlacement);
  form->Rebuild(selection, true);
  if (form->Content().lines.empty()) {
    delete form;
    return;
  }
  infoForm_ = form;
  if (show) form->show();
}

void TVelarionMainForm::InfoWindowClosed() {
  if (infoForm_ == nullptr) return;
  session_->Configuration().window.infoFormPlacement = infoForm_->PlacementToKeep();
  infoForm_->hide();
  infoForm_->deleteLater();
  infoForm_ = nullptr;
}

void TVelarionMainForm::OTHERInfoClick() {
  if (!Image().Selection().empty()) UpdateInfoWindow(true, true, true, true);
}

void TVelarionMainForm::ShowObjectInfo(std::string_view groupCode, int32_t number) {
  groups::TSkyObjectGroup* group = session_->Groups().FindGroup(std::string(groupCode));
  if (group == nullptr) return;
  Image().SelectSkyObject(group, number);
  Redraw(false);
  UpdateInfoWindow(true, true, true, true);
}

void TVelarionMainForm::CommonInformClick() {
  const sky::TSkyImage& image = Image();
  // The sidereal time the sky is turned by.
  ShowCommInfo(Handle(), {image.Mjd(), image.TimeZone(), image.DeltaTDays(),
                          image.ApparentSiderealTime(), image.Longitude(), image.Latitude()});
  AfterModalDialog();
}

bool TVelarionMainForm::TriggerShortcut(const QKeyEvent& key) {
  const QKeySequence pressed(key.keyCombination());
  for (const TCommandItem& item : commandItems_) {
    if (item.action->isEnabled() && !item.action->shortcut().isEmpty() &&
        item.action->shortcut() == pressed) {
      item.action->trigger();
      return true;
    }
  }
  return false;
}

}  // namespace velarion::ui
