// A menu entry whose caption is marked-up text (an object's name with its Greek letters and
// symbols), drawn as on the map; choosing it runs `chosen` and closes the menus it is in.
#ifndef VELARION_APP_UI_WINDOW_MARKUPMENUENTRY_H
#define VELARION_APP_UI_WINDOW_MARKUPMENUENTRY_H

#include "MarkupPainter.h"

#include <functional>
#include <string>

class QMenu;
class QWidgetAction;

namespace velarion::ui {

QWidgetAction* AddMarkupEntry(QMenu& menu, std::string caption, bool bold,
                              const TMarkupFonts& fonts, std::function<void()> chosen);

}  // namespace velarion::ui

#endif
