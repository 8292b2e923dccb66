#include "ImportLine.h"

#include "Numbers.h"
#include "velastro.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace velarion::orbits {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

bool IsNumberCharacter(char c) {
  return (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
}

void TImportLineScanner::SkipBlanks() {
  while (position_ < line_.size() && IsBlank(line_[position_])) ++position_;
}

std::string TImportLineScanner::NumberToken() {
  SkipBlanks();
  const std::size_t start = position_;
  while (position_ < line_.size() && IsNumberCharacter(line_[position_])) ++position_;
  std::string token(line_.substr(start, position_ - start));
  if (token.empty()) return token;
  if (token.front() == '.') token.insert(token.begin(), '0');
  if (token.back() == '.') token.push_back('0');
  return token;
}

std::optional<int32_t> TImportLineScanner::ReadInteger() {
  const std::optional<int64_t> value = velplatform::ParseUnpaddedInteger(NumberToken());
  if (!value || *value < std::numeric_limits<int32_t>::min() ||
      *value > std::numeric_limits<int32_t>::max()) {
    return std::nullopt;
  }
  return static_cast<int32_t>(*value);
}

std::optional<double> TImportLineScanner::ReadDecimal() {
  const std::optional<double> value = velplatform::ParseUnpaddedDouble(NumberToken());
  if (!value || !std::isfinite(*value)) return std::nullopt;
  return value;
}

std::string TImportLineScanner::ReadNameField() {
  SkipBlanks();
  const std::size_t start = position_;
  const std::size_t searchFrom = std::min(start + kNameFieldMinWidth, line_.size());
  const std::size_t blank = line_.find_first_of(" \t", searchFrom);
  position_ = blank == std::string_view::npos ? line_.size() : blank;
  return std::string(TrimBlanks(line_.substr(start, position_ - start)));
}

std::optional<double> TImportLineScanner::ReadFractionalDate() {
  const std::optional<int32_t> year = ReadInteger();
  const std::optional<int32_t> month = ReadInteger();
  const std::optional<double> day = ReadDecimal();
  if (!year || !month || !day) return std::nullopt;
  return MjdOfFractionalDate(*year, *month, *day);
}

std::optional<double> MjdOfFractionalDate(int32_t year, int32_t month, double dayWithFraction) {
  // MJD rolls days over arithmetically, but a day count must fit its 32-bit argument.
  constexpr double kMaxDays = 1e6;
  if (!(std::abs(dayWithFraction) < kMaxDays)) return std::nullopt;
  const double wholeDay = std::floor(dayWithFraction);
  return MJD(static_cast<int32_t>(wholeDay), month, year, (dayWithFraction - wholeDay) * 24.0);
}

}  // namespace velarion::orbits
