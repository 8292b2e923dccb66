// The group's own record of a deep-sky object (GetObjectData), 51 bytes, laid out as
// named offsets.
#ifndef VELARION_APP_CATALOGUES_DEEPSKY_DEEPSKYOBJECTRECORD_H
#define VELARION_APP_CATALOGUES_DEEPSKY_DEEPSKYOBJECTRECORD_H

#include "DeepSkyFile.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace velarion::catalogues {

namespace deep_sky_object {
inline constexpr std::size_t kMessier = 0;                // int16
inline constexpr std::size_t kNgc = 2;                    // int16
inline constexpr std::size_t kName = 4, kNameWidth = 21;  // zero-terminated
// 25 .. 28 are not written.
inline constexpr std::size_t kRa = 29;         // double, degrees, the file's text
inline constexpr std::size_t kDec = 37;        // double, degrees
inline constexpr std::size_t kType = 45;       // uint8
inline constexpr std::size_t kReserved = 46;   // uint8, byte 38 of the file record
inline constexpr std::size_t kMagnitude = 47;  // int16, V x 100
inline constexpr std::size_t kSize = 49;       // int16, arc-minutes x 10
inline constexpr std::size_t kRecordSize = 51;
}  // namespace deep_sky_object

// Writes the record; 0 (nothing written) unless the buffer holds all 51 bytes.
int32_t WriteDeepSkyObjectRecord(const TDeepSkyRecord& record, std::span<std::byte> buffer);

}  // namespace velarion::catalogues

#endif
