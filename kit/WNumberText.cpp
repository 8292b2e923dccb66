#include "WNumberText.h"

#include "Numbers.h"

#include <cmath>
#include <limits>

namespace velarion::kit {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

class TCursor {
 public:
  explicit TCursor(std::string_view text) : text_(text) {}
  char Peek() const { return at_ < text_.size() ? text_[at_] : '\0'; }
  bool Take(char c) {
    if (Peek() != c) return false;
    ++at_;
    return true;
  }
  bool TakeSign() { return Take('+') || Take('-'); }
  std::size_t TakeDigits() {
    const std::size_t start = at_;
    while (IsDigit(Peek())) ++at_;
    return at_ - start;
  }
  void SkipBlanks() {
    while (Peek() == ' ') ++at_;
  }
  std::size_t At() const { return at_; }
  bool AtEnd() const { return at_ >= text_.size(); }
  int32_t ErrorPosition() const { return static_cast<int32_t>(at_) + 1; }

 private:
  std::string_view text_;
  std::size_t at_ = 0;
};

template <typename T>
TNumberRead<T> Failure(const TCursor& cursor) {
  return {T{}, cursor.ErrorPosition()};
}

}  // namespace

TNumberRead<int32_t> ReadIntegerText(std::string_view text) {
  TCursor cursor(text);
  cursor.SkipBlanks();
  const std::size_t start = cursor.At();
  cursor.TakeSign();
  if (cursor.TakeDigits() == 0 || !cursor.AtEnd()) return Failure<int32_t>(cursor);
  const std::optional<int64_t> value = velplatform::ParseUnpaddedInteger(text.substr(start));
  if (!value || *value < std::numeric_limits<int32_t>::min() ||
      *value > std::numeric_limits<int32_t>::max()) {
    return {0, static_cast<int32_t>(text.size())};  // the digit that overflowed
  }
  return {static_cast<int32_t>(*value), 0};
}

TNumberRead<double> ReadFloatText(std::string_view text) {
  TCursor cursor(text);
  cursor.SkipBlanks();
  const std::size_t start = cursor.At();
  cursor.TakeSign();
  std::size_t digits = cursor.TakeDigits();
  if (cursor.Take('.')) digits += cursor.TakeDigits();
  if (digits == 0) return Failure<double>(cursor);
  if (cursor.Take('e') || cursor.Take('E')) {
    cursor.TakeSign();
    if (cursor.TakeDigits() == 0) return Failure<double>(cursor);
  }
  if (!cursor.AtEnd()) return Failure<double>(cursor);
  const std::optional<double> value = velplatform::ParseUnpaddedDouble(text.substr(start));
  if (!value) return {0.0, static_cast<int32_t>(text.size())};  // out of range
  return {*value, 0};
}

}  // namespace velarion::kit
