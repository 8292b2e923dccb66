#include "PictureLegend.h"

#include "Concat.h"
#include "Cp1251.h"
#include "ValueFormat.h"

namespace velarion::ui {

using velplatform::Cp1251;

std::string PictureLegendText(const sky::TSkyImage& image) {
  const double zone = image.TimeZone();
  return velplatform::Concat({Cp1251("Шир"), sky::FixedToText(2, image.Latitude()), Cp1251("° "),
                              Cp1251("Долг"), sky::FixedToText(2, image.Longitude()), Cp1251("°  "),
                              sky::FormatDate(true, image.Mjd() + zone / 24.0), " (U.T.",
                              zone >= 0.0 ? "+" : "", sky::FixedToText(1, zone), Cp1251("ч"), ")"});
}

void DrawPictureLegend(const sky::TSkyImage& image, velplatform::TDrawDevice& device) {
  const int32_t fontHeight = image.FontHeight();
  const int32_t height = device.Height();
  device.ClearClip();
  device.SetRasterOp(velplatform::TRasterOp::kCopy);
  device.FillRect({0, height - fontHeight - 4, device.Width(), height}, image.BackgroundColor());
  device.SetTextColor(image.CurrentScheme().Color(kit::kStarImageColour));
  device.TextOut(4, height - fontHeight - 2, PictureLegendText(image),
                 {image.NormalFont(), fontHeight});
}

}  // namespace velarion::ui
