// Why a set of orbital elements is refused. The import parser, the object file reader and
// the element editors share these checks, so that no path lets in elements that would give
// NaN places (e ≥ 1 for an asteroid, a ≤ 0, q ≤ 0, e < 0) or magnitudes that wrap in their
// 16-bit hundredths.
#ifndef VELARION_PLUGINS_ORBITS_ELEMENTFAULT_H
#define VELARION_PLUGINS_ORBITS_ELEMENTFAULT_H

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace velarion::orbits {

enum class TElementFault : uint8_t {
  kNone,
  kUnreadableNumber,         // a number of an import line could not be read
  kTruncatedRecord,          // the object file ends inside the record
  kNotFinite,                // an element is infinite or NaN
  kNegativeNumber,           // a minor-planet number below 0
  kNegativeEccentricity,     // e < 0
  kEccentricityNotBelowOne,  // e ≥ 1 for an asteroid
  kSemimajorAxisNotPositive,
  kPerihelionDistanceNotPositive,
  kMagnitudeOutOfRange,  // H or g × 100 does not fit 16 bits
  kSlopeOutOfRange,      // G or k × 100 does not fit 16 bits
};

// x × 100 rounded to the nearest whole number, or none when that does not fit 16 bits.
inline std::optional<int16_t> ToHundredths(double x) {
  const double scaled = std::round(x * 100.0);
  if (!(scaled >= std::numeric_limits<int16_t>::min() &&
        scaled <= std::numeric_limits<int16_t>::max())) {
    return std::nullopt;
  }
  return static_cast<int16_t>(scaled);
}

}  // namespace velarion::orbits

#endif
