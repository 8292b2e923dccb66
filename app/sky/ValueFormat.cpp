#include "ValueFormat.h"

#include "AngleUtils.h"
#include "Concat.h"
#include "Cp1251.h"
#include "Numbers.h"
#include "Units.h"
#include "velastro.h"

#include <algorithm>
#include <cmath>

namespace velarion::sky {

using velplatform::Concat;

namespace {

std::string_view ListItem(std::string_view text, int n) {
  if (n < 1) return {};
  for (int i = 1; i < n; ++i) {
    const auto comma = text.find(',');
    if (comma == std::string_view::npos) return {};
    text.remove_prefix(comma + 1);
  }
  return text.substr(0, text.find(','));
}

// The last field of an angle: integer part and, with decimals, the zero-padded fraction.
std::string LastField(int64_t part, int64_t scale, int decimals) {
  const std::string whole = std::to_string(part / scale);
  if (decimals == 0) return whole;
  const std::string fraction = std::to_string(part % scale);
  const std::string zeros(static_cast<std::size_t>(decimals) - fraction.size(), '0');
  return Concat({whole, ".", zeros, fraction});
}

}  // namespace

std::string TrimSpaces(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return std::string(text);
}

double ParseFloatText(std::string_view text) {
  return velplatform::ParseDouble(TrimSpaces(text)).value_or(0.0);
}

int32_t ParseIntText(std::string_view text) {
  const auto value = velplatform::ParseInteger(TrimSpaces(text));
  if (!value || *value < INT32_MIN || *value > INT32_MAX) return 0;
  return static_cast<int32_t>(*value);
}

std::string IntToText(int64_t n) { return velplatform::IntegerToText(n); }

std::string FixedToText(int decimals, double x) { return velplatform::FixedToText(x, decimals); }

int32_t ListItemInt(std::string_view text, int n) { return ParseIntText(ListItem(text, n)); }
double ListItemFloat(std::string_view text, int n) { return ParseFloatText(ListItem(text, n)); }
std::string ListItemText(std::string_view text, int n) { return TrimSpaces(ListItem(text, n)); }

std::string FormatAngle(TAngleUnit unit, TAngleResolution resolution, int decimals, bool showPlus,
                        double x, TLanguage language) {
  decimals = std::clamp(decimals, 0, 4);
  int64_t scale = 1;
  for (int i = 0; i < decimals; ++i) scale *= 10;

  std::string text = x < 0.0 ? "-" : (x > 0.0 && showPlus ? "+" : "");
  const double v = std::fabs(x);
  const bool seconds = resolution == TAngleResolution::kSeconds;
  // 64-bit throughout: seconds with four decimals of 10^9 degrees still fit.
  const int64_t n = RoundToInt64(v * (seconds ? 3600.0 : 60.0) * static_cast<double>(scale));
  const int64_t perWhole = (seconds ? 3600 : 60) * scale;
  int64_t whole = n / perWhole;
  const int64_t rest = n % perWhole;
  const int64_t minutes = seconds ? rest / (60 * scale) : rest;
  const int64_t secondPart = rest % (60 * scale);
  const int64_t wrap = unit == TAngleUnit::kHours ? 24 : 360;
  if (whole >= wrap) whole -= wrap;

  const std::string minuteField =
      seconds ? std::to_string(minutes) : LastField(minutes, scale, decimals);
  if (unit == TAngleUnit::kHours) {
    const TUnitLetters& letters = UnitLetters(language);
    text += Concat({std::to_string(whole), letters.hour, " ", minuteField, letters.minute});
    if (seconds) text += Concat({" ", LastField(secondPart, scale, decimals), letters.second});
  } else {
    text += Concat({std::to_string(whole), velplatform::Cp1251("° "), minuteField, "'"});
    if (seconds) text += Concat({" ", LastField(secondPart, scale, decimals), "\""});
  }
  return text;
}

std::string FormatDate(bool withTime, double mjd, TLanguage language) {
  // Rounded to what is shown first, so that 23:59:59.6 shows as the next day's 0:00:00.
  const double shown =
      withTime ? std::nearbyint(mjd * velcommon::kSecondsPerDay) / velcommon::kSecondsPerDay
               : RoundTo(mjd, 6);
  int32_t day = 0, month = 0, year = 0;
  double hour = 0.0;
  CalDat(shown, &day, &month, &year, &hour);
  const bool beforeChrist = year <= 0;
  const int64_t shownYear = beforeChrist ? 1 - static_cast<int64_t>(year) : year;
  const TEraNames& eras = EraNames(language);
  std::string text =
      Concat({std::to_string(day), " ", MonthNames(language)[std::clamp(month, 1, 12) - 1], " ",
              std::to_string(shownYear), " ", beforeChrist ? eras.beforeChrist : eras.afterChrist});
  if (withTime) {
    text += Concat({" ", FormatAngle(TAngleUnit::kHours, TAngleResolution::kSeconds, 0, false, hour,
                                     language)});
  }
  return text;
}

}  // namespace velarion::sky
