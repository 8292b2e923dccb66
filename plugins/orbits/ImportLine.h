// Reading the lines of the asteroid and comet element lists that the list manager imports.
//
// A number is the longest run of "+-.0123456789" after blanks ("." gets a "0" on the side
// where it stands alone, so ".5" and "3." read as 0.5 and 3.0). A name field runs from its
// first non-blank character to the first blank at least 30 characters further on (or the
// line's end), without the blanks at its ends.
#ifndef VELARION_PLUGINS_ORBITS_IMPORTLINE_H
#define VELARION_PLUGINS_ORBITS_IMPORTLINE_H

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velarion::orbits {

inline constexpr std::size_t kNameFieldMinWidth = 30;

bool IsNumberCharacter(char c);

class TImportLineScanner {
 public:
  explicit TImportLineScanner(std::string_view line, std::size_t start = 0)
      : line_(line), position_(start) {}

  std::optional<int32_t> ReadInteger();
  std::optional<double> ReadDecimal();
  std::string ReadNameField();
  void SkipBlanks();
  // The character at the position, 0 at the line's end.
  char Peek() const { return position_ < line_.size() ? line_[position_] : '\0'; }
  void SkipCharacter() { position_ = std::min(position_ + 1, line_.size()); }
  // N decimals in a row, or none when one of them cannot be read.
  template <std::size_t N>
  std::optional<std::array<double, N>> ReadDecimals() {
    std::array<double, N> values{};
    for (double& value : values) {
      const std::optional<double> read = ReadDecimal();
      if (!read) return std::nullopt;
      value = *read;
    }
    return values;
  }
  // Year, month and day with its fraction, as a moment (MJD).
  std::optional<double> ReadFractionalDate();

 private:
  std::string NumberToken();

  std::string_view line_;
  std::size_t position_;
};

// The moment (MJD) of a calendar date whose day carries the time of day as its fraction;
// none for a day count too large to be a date.
std::optional<double> MjdOfFractionalDate(int32_t year, int32_t month, double dayWithFraction);

}  // namespace velarion::orbits

#endif
