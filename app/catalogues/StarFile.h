// "stars.dat", the bright-star file: 55-byte records without a header, ordered from the
// faintest to the brightest star.
#ifndef VELARION_APP_CATALOGUES_STARFILE_H
#define VELARION_APP_CATALOGUES_STARFILE_H

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "FixedRecordFile.h"
#include "ReadResult.h"

namespace velarion::catalogues {

// One star; text fields are code page 1251 bytes as stored.
struct TStarRecord {
  uint16_t hr = 0;
  int32_t raArcsec = 0;   // J2000
  int32_t decArcsec = 0;  // J2000
  // Rate of right ascension (not multiplied by cos dec) and of declination.
  int16_t pmRaMasPerYear = 0;
  int16_t pmDecMasPerYear = 0;
  int16_t magnitudeCenti = 0;    // V x 100
  int16_t colourIndexCenti = 0;  // B-V x 100, kUnknownColourIndex when not known
  uint8_t constellation = 0;     // object number of the constellation names, 1..89
  uint8_t flamsteed = 0;         // 0: none
  char bayerLetter = 0;          // symbol-font letter of the Greek letter, 0: none
  char bayerIndex = ' ';         // '1'..'9', ' ': none
  std::string designation;       // 9 bytes: 5 right-aligned, a space, the abbreviation
  char magnitudeRemark = ' ';
  std::string spectralClass;  // 18 bytes
  int16_t parallaxMas = 0;    // 0: not known
  char colourIndexRemark = ' ';
  bool isDouble = false;
  bool isSpectroscopicBinary = false;

  static constexpr int16_t kUnknownColourIndex = -1000;
};

struct TStarFormat {
  using TRecord = TStarRecord;
  static constexpr std::size_t kRecordSize = 55;
  static TStarRecord Decode(std::span<const std::byte> record);
};
using TStarFile = TFixedRecordFile<TStarFormat>;

}  // namespace velarion::catalogues

#endif
