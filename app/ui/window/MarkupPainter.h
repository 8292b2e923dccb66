// Marked-up text of the groups (Greek letters, symbols, superscripts) shown in the window's
// own widgets as on the map: drawn through the sky's output device onto a picture that the
// widget then paints. The information window, the object hint and the menus' entries use it.
#ifndef VELARION_APP_UI_WINDOW_MARKUPPAINTER_H
#define VELARION_APP_UI_WINDOW_MARKUPPAINTER_H

#include <QColor>
#include <QRect>

#include <cstdint>
#include <span>
#include <string>

class QPainter;

namespace velarion::ui {

// The normal font (a family name), the sky's Greek font, and one height for both and for
// the symbol font, in pixels.
struct TMarkupFonts {
  std::string normal;  // CP1251
  std::string greek;   // CP1251
  int32_t height = 12;
};

struct TMarkupLine {
  std::string_view text;  // marked-up CP1251
  int32_t x = 0;          // the widget's pixels
  int32_t y = 0;          // the line's top
};

// Paints `area` of a widget: its background, then the lines that reach into it.
void PaintMarkupLines(QPainter& painter, const QRect& area, std::span<const TMarkupLine> lines,
                      const TMarkupFonts& fonts, const QColor& background, const QColor& text);

// The width the text takes when drawn so.
int32_t MarkupTextWidth(std::string_view text, const TMarkupFonts& fonts);

}  // namespace velarion::ui

#endif
