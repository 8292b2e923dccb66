// The record in which "CNAME" gives a constellation's names to the other groups (45 bytes),
// written by the names group and read through GetAnotherGroupObject by the figure lines,
// the boundaries and whoever else needs a constellation's name.
#ifndef VELARION_APP_CATALOGUES_CONSTELLATIONS_CONSTELLATIONRECORD_H
#define VELARION_APP_CATALOGUES_CONSTELLATIONS_CONSTELLATIONRECORD_H

#include "ByteFields.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace velarion::catalogues {

namespace constellation_record {
inline constexpr std::size_t kForm1 = 0, kForm1Width = 20;  // at most 19 characters
inline constexpr std::size_t kForm2 = 20, kForm2Width = 20;
inline constexpr std::size_t kAbbreviation = 40, kAbbreviationWidth = 5;  // at most 4
inline constexpr std::size_t kSize = 45;
}  // namespace constellation_record

inline constexpr char kConstellationNamesCode[] = "CNAME";

struct TConstellationRecord {
  std::string form1;  // nominative in the current name type
  std::string form2;  // genitive
  std::string abbreviation;
};

// Zero-fills the record's 45 bytes and writes the fields; the buffer must hold them.
void WriteConstellationRecord(const TConstellationRecord& record, velplatform::TBytes buffer);
TConstellationRecord ReadConstellationRecord(velplatform::TConstBytes buffer);

// Constellation `number` of the group "CNAME"; none without that group or object.
std::optional<TConstellationRecord> FindConstellation(int32_t number);

}  // namespace velarion::catalogues

#endif
