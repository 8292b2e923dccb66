#include "DialogFields.h"

#include "Cp1251.h"
#include "Numbers.h"
#include "ValueFormat.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace velarion::ui {

using velplatform::TDialogControls;

double FieldNumber(const TDialogControls& controls, int32_t id) {
  const double value = sky::ParseFloatText(controls.Text(id));
  return std::isfinite(value) ? value : 0.0;
}

int32_t FieldInteger(const TDialogControls& controls, int32_t id) {
  constexpr double kLow = std::numeric_limits<int32_t>::min();
  constexpr double kHigh = std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(std::clamp(std::round(FieldNumber(controls, id)), kLow, kHigh));
}

void SetFieldNumber(TDialogControls& controls, int32_t id, double value, int decimals) {
  // "-0.00000" would tell the user of a sign the value does not have.
  const std::string text = velplatform::FixedToText(value, decimals);
  const bool negativeZero =
      text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos;
  controls.SetText(id, negativeZero ? text.substr(1) : text);
}

void CheckRadio(TDialogControls& controls, int32_t on, int32_t off) {
  controls.SetChecked(off, false);
  controls.SetChecked(on, true);
}

velplatform::TControlLayout Control(int32_t id, velplatform::TControlKind kind,
                                    velplatform::TDialogRect rect, std::string_view utf8Text) {
  return {id, kind, rect, velplatform::Cp1251(utf8Text)};
}

velplatform::TControlLayout WithHint(velplatform::TControlLayout control,
                                     std::string_view utf8Hint) {
  control.hint = velplatform::Cp1251(utf8Hint);
  return control;
}

}  // namespace velarion::ui
