// Numbers in text, always with "." as the decimal separator, whatever the locale.
#ifndef VELARION_PLATFORM_NUMBERS_H
#define VELARION_PLATFORM_NUMBERS_H

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velplatform {

// The whole text (after removing surrounding spaces and tabs) as a number; none when it
// is empty or is not a number. A leading "+" is accepted.
std::optional<double> ParseDouble(std::string_view text);
std::optional<int64_t> ParseInteger(std::string_view text);
// The same for text whose padding is already removed: a blank left at either end makes it
// no number.
std::optional<double> ParseUnpaddedDouble(std::string_view text);
std::optional<int64_t> ParseUnpaddedInteger(std::string_view text);

// Decimal integer.
std::string IntegerToText(int64_t value);

// Fixed-point text with the given number of decimals (0 .. 17), rounded to nearest.
std::string FixedToText(double value, int decimals);

// The shortest text that reads back as the same double.
std::string DoubleToText(double value);

}  // namespace velplatform

#endif
