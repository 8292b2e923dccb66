#include "GridLabels.h"

#include "MarkupText.h"
#include "SkyImageExports.h"
#include "ValueFormat.h"

namespace velarion::catalogues {

namespace {

// Drops `count` characters from the end (the unit text of a zero field).
void DropLast(std::string& text, std::size_t count) {
  text.resize(text.size() > count ? text.size() - count : 0);
}

std::string DegreesAndMinutes(int32_t arcmin, bool showPlus) {
  std::string text = sky::FormatAngle(sky::TAngleUnit::kDegrees, sky::TAngleResolution::kMinutes, 0,
                                      showPlus, arcmin / 60.0);
  if (arcmin % 60 == 0) DropLast(text, 2);
  return text;
}

}  // namespace

std::string SmallLabel(std::string_view text) {
  std::string label{sky::kMarkupNormal, sky::kMarkupSmallOn};
  label += text;
  label += sky::kMarkupSmallOff;
  return label;
}

std::string HourCircleText(int32_t raArcmin) {
  std::string text = sky::FormatAngle(sky::TAngleUnit::kHours, sky::TAngleResolution::kMinutes, 1,
                                      false, raArcmin / 900.0);
  if (raArcmin % 15 == 0 && text.size() >= 3) {
    // "5ч 30.0м" → "5ч 30м": the decimals of a whole minute go, the unit letter stays.
    const char unit = text.back();
    DropLast(text, 3);
    text += unit;
    if (raArcmin % 900 == 0) DropLast(text, 2);
  }
  return text;
}

std::string DeclinationText(int32_t decArcmin) { return DegreesAndMinutes(decArcmin, true); }

std::string HorizontalAngleText(int32_t arcmin) { return DegreesAndMinutes(arcmin, false); }

int32_t LabelWidth(const std::string& text) { return DrawString(text.c_str(), 0, 0, false); }

}  // namespace velarion::catalogues
