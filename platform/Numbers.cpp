#include "Numbers.h"

#include "Blanks.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace velplatform {

namespace {

template <typename T>
std::optional<T> Parse(std::string_view text) {
  // from_chars takes no leading "+"; hand-edited files may have one.
  if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
  T value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
    return std::nullopt;
  }
  return value;
}

}  // namespace

std::optional<double> ParseUnpaddedDouble(std::string_view text) {
  auto value = Parse<double>(text);
  if (value && !std::isfinite(*value)) return std::nullopt;
  return value;
}

std::optional<int64_t> ParseUnpaddedInteger(std::string_view text) { return Parse<int64_t>(text); }

std::optional<double> ParseDouble(std::string_view text) {
  return ParseUnpaddedDouble(TrimBlanks(text));
}

std::optional<int64_t> ParseInteger(std::string_view text) {
  return ParseUnpaddedInteger(TrimBlanks(text));
}

std::string IntegerToText(int64_t value) {
  char buffer[24];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return {buffer, result.ptr};
}

std::string FixedToText(double value, int decimals) {
  decimals = std::clamp(decimals, 0, 17);
  char buffer[400];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  if (result.ec != std::errc()) return "0";
  return {buffer, result.ptr};
}

std::string DoubleToText(double value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return {buffer, result.ptr};
}

}  // namespace velplatform
