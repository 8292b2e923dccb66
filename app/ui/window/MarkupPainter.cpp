#include "MarkupPainter.h"

#include "ImageDevice.h"
#include "SkyOutputDevice.h"

#include <QPainter>

#include <algorithm>

namespace velarion::ui {

namespace {

velplatform::TColor ColourOf(const QColor& c) {
  return velplatform::RgbColor(static_cast<uint32_t>(c.red()), static_cast<uint32_t>(c.green()),
                               static_cast<uint32_t>(c.blue()));
}

void UseFonts(sky::TSkyOutputDevice& output, const TMarkupFonts& fonts) {
  output.SetFonts(fonts.normal, fonts.greek, fonts.height, fonts.height, fonts.height);
}

}  // namespace

void PaintMarkupLines(QPainter& painter, const QRect& area, std::span<const TMarkupLine> lines,
                      const TMarkupFonts& fonts, const QColor& background, const QColor& text) {
  velplatform::TImageDevice device(std::max(1, area.width()), std::max(1, area.height()));
  device.FillRect({0, 0, area.width(), area.height()}, ColourOf(background));
  sky::TSkyOutputDevice output;
  UseFonts(output, fonts);
  {
    const sky::TCanvasBinding binding(output, device);
    device.SetTextColor(ColourOf(text));
    for (const TMarkupLine& line : lines) {
      if (line.y + fonts.height < area.top() || line.y > area.bottom()) continue;
      output.DrawString(line.text, line.x - area.left(), line.y - area.top(), true);
    }
  }
  painter.drawImage(area.topLeft(), device.Image());
}

int32_t MarkupTextWidth(std::string_view text, const TMarkupFonts& fonts) {
  velplatform::TImageDevice device(1, 1);
  sky::TSkyOutputDevice output;
  UseFonts(output, fonts);
  const sky::TCanvasBinding binding(output, device);
  return output.DrawString(text, 0, 0, false);
}

}  // namespace velarion::ui
