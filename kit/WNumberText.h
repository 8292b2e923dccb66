// The number grammar of the light dialog classes' edit fields: leading blanks, an optional
// sign, digits (with "." and an optional exponent for decimals), nothing after them. A text
// that does not follow it reads as 0 with the position (from 1) of the first character that
// could not be read; an empty text fails at position 1.
#ifndef VELARION_KIT_WNUMBERTEXT_H
#define VELARION_KIT_WNUMBERTEXT_H

#include <cstdint>
#include <string_view>

namespace velarion::kit {

template <typename T>
struct TNumberRead {
  T value{};
  int32_t errorPosition = 0;  // 0: read
};

TNumberRead<int32_t> ReadIntegerText(std::string_view text);
TNumberRead<double> ReadFloatText(std::string_view text);

}  // namespace velarion::kit

#endif
