// "DEEPSKY.DAT", the bright galaxies, nebulae and clusters: 43-byte records without a
// header. Names and positions are length-prefixed texts.
#ifndef VELARION_APP_CATALOGUES_DEEPSKYFILE_H
#define VELARION_APP_CATALOGUES_DEEPSKYFILE_H

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "FixedRecordFile.h"
#include "ReadResult.h"

namespace velarion::catalogues {

enum class TDeepSkyType : uint8_t {
  kOpenCluster = 0,
  kGlobularCluster = 1,
  kDiffuseNebula = 2,
  kPlanetaryNebula = 3,
  kGalaxy = 4,
};

struct TDeepSkyRecord {
  int16_t messier = 0;  // 0: none
  int16_t ngc = 0;      // 0: none
  std::string name;     // up to 20 bytes, code page 1251; "LMC", "SMC" for the Clouds
  std::string raText;   // J2000, degrees, up to 5 characters
  std::string decText;
  uint8_t type = 0;  // a TDeepSkyType; other values are read as they stand
  uint8_t reserved = 0;
  int16_t magnitudeCenti = 0;  // V x 100
  int16_t sizeDeciArcmin = 0;  // angular size x 10, arc-minutes; 0: not known

  // The position texts as numbers; a text that is not a number gives 0. RA in 0..360.
  [[nodiscard]] double RaDeg() const;
  [[nodiscard]] double DecDeg() const;
};

struct TDeepSkyFormat {
  using TRecord = TDeepSkyRecord;
  static constexpr std::size_t kRecordSize = 43;
  static TDeepSkyRecord Decode(std::span<const std::byte> record);
  // A record whose length byte exceeds its text field makes the file malformed.
  static std::optional<TReadError> Refusal(std::span<const std::byte> record, std::size_t index);
};
using TDeepSkyFile = TFixedRecordFile<TDeepSkyFormat>;

}  // namespace velarion::catalogues

#endif
