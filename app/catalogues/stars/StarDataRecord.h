// The record a bright star gives to other groups (GetObjectData): 56 bytes, packed,
// little-endian. Bytes 0..15 are the first 16 bytes of the star file's record; the caller
// puts a non-zero byte at offset 16 to ask for the remaining fields too.
#ifndef VELARION_APP_CATALOGUES_STARS_STARDATARECORD_H
#define VELARION_APP_CATALOGUES_STARS_STARDATARECORD_H

#include "StarFile.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace velarion::catalogues {

namespace star_data {
inline constexpr std::size_t kHr = 0;            // uint16
inline constexpr std::size_t kRa = 2;            // int32, arc-seconds, J2000
inline constexpr std::size_t kDec = 6;           // int32, arc-seconds
inline constexpr std::size_t kPmRa = 10;         // int16, mas per year
inline constexpr std::size_t kPmDec = 12;        // int16, mas per year
inline constexpr std::size_t kMagnitude = 14;    // int16, V x 100
inline constexpr std::size_t kFullRequest = 16;  // set by the caller
inline constexpr std::size_t kColourIndex = 17;  // int16, B-V x 100
inline constexpr std::size_t kConstellation = 19;
inline constexpr std::size_t kFlamsteed = 20;
inline constexpr std::size_t kBayerLetter = 21;
inline constexpr std::size_t kBayerIndex = 22;
inline constexpr std::size_t kDesignation = 23, kDesignationWidth = 9;
inline constexpr std::size_t kMagnitudeRemark = 32;
inline constexpr std::size_t kSpectralClass = 33, kSpectralClassWidth = 18;
inline constexpr std::size_t kParallax = 51;  // int16, mas
inline constexpr std::size_t kColourIndexRemark = 53;
inline constexpr std::size_t kDouble = 54;
inline constexpr std::size_t kSpectroscopicBinary = 55;
inline constexpr std::size_t kSize = 56;
}  // namespace star_data

// Writes the star into `buffer` and returns the record size; a buffer shorter than the
// record is left alone and gives 0.
int32_t WriteStarData(const TStarRecord& star, std::span<std::byte> buffer);

}  // namespace velarion::catalogues

#endif
