// "CLINES.DAT", the constellation figure lines: 25-byte records without a header, one per
// segment between two stars.
#ifndef VELARION_APP_CATALOGUES_FIGURELINESFILE_H
#define VELARION_APP_CATALOGUES_FIGURELINESFILE_H

#include <cstddef>
#include <cstdint>
#include <span>

#include "FixedRecordFile.h"
#include "ReadResult.h"

namespace velarion::catalogues {

struct TFigureLine {
  // Both ends, J2000, and their proper motions (rate of right ascension and of
  // declination), as the stars have them in "stars.dat".
  int32_t ra1Arcsec = 0;
  int32_t dec1Arcsec = 0;
  int32_t ra2Arcsec = 0;
  int32_t dec2Arcsec = 0;
  int16_t pmRa1MasPerYear = 0;
  int16_t pmDec1MasPerYear = 0;
  int16_t pmRa2MasPerYear = 0;
  int16_t pmDec2MasPerYear = 0;
  uint8_t constellation = 0;  // object number of the constellation names
};

struct TFigureLinesFormat {
  using TRecord = TFigureLine;
  static constexpr std::size_t kRecordSize = 25;
  static TFigureLine Decode(std::span<const std::byte> record);
};
using TFigureLinesFile = TFixedRecordFile<TFigureLinesFormat>;

}  // namespace velarion::catalogues

#endif
