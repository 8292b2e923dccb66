// After the loading, each group that had no saved place and can be shown in the quick or
// the detailed view asks the user in which views to show it.
#ifndef VELARION_APP_UI_WINDOW_GROUPMODESDIALOG_H
#define VELARION_APP_UI_WINDOW_GROUPMODESDIALOG_H

#include "Dialogs.h"
#include "SkyObj.h"

namespace velarion::ui {

struct TGroupModes {
  bool quick = false;
  bool detailed = false;
  bool operator==(const TGroupModes&) const = default;
};

// The layout of the dialog for one group: titled with its name.
velplatform::TDialogLayout GroupModesLayout(const groups::TSkyObjectGroup& group);

// Asks for the element's group and stores the choice in the element. A dialog closed
// without "&Верно" keeps what the group offers.
TGroupModes ChooseGroupModes(velplatform::TWindowHandle owner, groups::TGroupListElement& element);

}  // namespace velarion::ui

#endif
