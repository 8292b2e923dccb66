// "Bounds.dat", the constellation boundaries: 10-byte records without a header, one per
// segment along a parallel or a meridian of the equinox B1875.0.
#ifndef VELARION_APP_CATALOGUES_BOUNDARYFILE_H
#define VELARION_APP_CATALOGUES_BOUNDARYFILE_H

#include <cstddef>
#include <cstdint>
#include <span>

#include "FixedRecordFile.h"
#include "ReadResult.h"

namespace velarion::catalogues {

// Ends in arc-minutes, B1875 (RA 0..21600). The generated file runs a parallel from west
// to east (ra2 < ra1 when it passes 0h) with the northern constellation first, and a
// meridian from south to north with the western constellation first.
struct TBoundarySegment {
  int16_t ra1Arcmin = 0;
  int16_t dec1Arcmin = 0;
  int16_t ra2Arcmin = 0;
  int16_t dec2Arcmin = 0;
  uint8_t firstConstellation = 0;  // object numbers of the constellation names
  uint8_t secondConstellation = 0;

  [[nodiscard]] bool AlongParallel() const { return dec1Arcmin == dec2Arcmin; }
  [[nodiscard]] bool AlongMeridian() const { return ra1Arcmin == ra2Arcmin; }
};

struct TBoundaryFormat {
  using TRecord = TBoundarySegment;
  static constexpr std::size_t kRecordSize = 10;
  static TBoundarySegment Decode(std::span<const std::byte> record);
};
using TBoundaryFile = TFixedRecordFile<TBoundaryFormat>;

}  // namespace velarion::catalogues

#endif
