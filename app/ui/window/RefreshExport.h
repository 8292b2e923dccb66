// RefreshSkyImage: how a plug-in asks the main window to recalculate and repaint. It only
// queues the request, so that a group may call it from inside its own calculation.
#ifndef VELARION_APP_UI_WINDOW_REFRESHEXPORT_H
#define VELARION_APP_UI_WINDOW_REFRESHEXPORT_H

#include "HostExport.h"

#include <cstdint>

namespace velarion::ui {

class TRequestQueue;

// The main window's queue while it exists; none before and after (requests are refused).
void SetRefreshRequestQueue(TRequestQueue* queue);

}  // namespace velarion::ui

extern "C" {

// Non-zero when the request was queued. `groupCode`: the one group to recalculate, or none
// (null or empty) for the whole view; copied at once.
VELARION_HOST_EXPORT int32_t RefreshSkyImage(uint8_t recalculate, const char* groupCode);
}

#endif
