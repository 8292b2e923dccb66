// Numbers, angles and dates as the program shows them in the status bar, tables and
// dialogs (CP1251 text, "." as the decimal separator).
#ifndef VELARION_APP_SKY_VALUEFORMAT_H
#define VELARION_APP_SKY_VALUEFORMAT_H

#include "Language.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace velarion::sky {

// Removes leading and trailing space characters (only ' ').
std::string TrimSpaces(std::string_view text);

// A number after trimming; an empty or malformed text reads as 0.
double ParseFloatText(std::string_view text);
int32_t ParseIntText(std::string_view text);

std::string IntToText(int64_t n);
std::string FixedToText(int decimals, double x);

// The n-th (from 1) comma-separated item; a missing or empty item reads as 0 or "".
int32_t ListItemInt(std::string_view text, int n);
double ListItemFloat(std::string_view text, int n);
std::string ListItemText(std::string_view text, int n);

enum class TAngleUnit { kHours, kDegrees };          // "H", "D"
enum class TAngleResolution { kMinutes, kSeconds };  // "M", "S"

// "5ч 30м 0.0с", "-12° 20' 44\"", "0° 30.0'": the last field carries `decimals` (0 .. 4)
// decimals; the whole part wraps at 24 hours or 360 degrees.
std::string FormatAngle(TAngleUnit unit, TAngleResolution resolution, int decimals, bool showPlus,
                        double x, TLanguage language = InterfaceLanguage());

// "15 мар 44 до н.э." and, with the time, " 12ч 0м 0с" after it.
std::string FormatDate(bool withTime, double mjd, TLanguage language = InterfaceLanguage());

}  // namespace velarion::sky

#endif
