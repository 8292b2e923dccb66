// RefreshSkyImage (declared by HostInterface.h): how a plug-in asks the main window to
// recalculate and repaint. It only queues the request, so that a group may call it from
// inside its own calculation.
#ifndef VELARION_APP_UI_WINDOW_REFRESHEXPORT_H
#define VELARION_APP_UI_WINDOW_REFRESHEXPORT_H

#include "HostExport.h"

#include <cstdint>

namespace velarion::ui {

class TRequestQueue;

// The main window's queue while it exists; none before and after (requests are refused).
void SetRefreshRequestQueue(TRequestQueue* queue);

}  // namespace velarion::ui

#endif
