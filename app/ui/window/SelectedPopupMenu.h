// TSelectedPopupMenu: the menu with which the ephemeris and paths windows take one or all of
// the selected objects (those the choice was built with), drawn as on the map.
#ifndef VELARION_APP_UI_WINDOW_SELECTEDPOPUPMENU_H
#define VELARION_APP_UI_WINDOW_SELECTEDPOPUPMENU_H

#include "MarkupPainter.h"
#include "SkyPopupMenu.h"

#include <QPoint>

class QWidget;

namespace velarion::ui {

// Shows the menu at `at` (screen pixels) and returns once it closed: true when the user
// chose one object or all of them, which `choice` then tells.
bool PopupSelectedObjects(QWidget& owner, QPoint at, TSelectedObjectsChoice& choice,
                          const TMarkupFonts& fonts);

}  // namespace velarion::ui

#endif
