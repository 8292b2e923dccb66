// Little-endian fields of the binary catalogue records. The callers pass a record whose
// size their layout checks at compile time, so the offsets are in range.
#ifndef VELARION_APP_CATALOGUES_LITTLEENDIAN_H
#define VELARION_APP_CATALOGUES_LITTLEENDIAN_H

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace velarion::catalogues {

inline uint8_t ReadU8(std::span<const std::byte> record, std::size_t at) {
  return std::to_integer<uint8_t>(record[at]);
}

inline uint16_t ReadU16(std::span<const std::byte> record, std::size_t at) {
  return static_cast<uint16_t>(ReadU8(record, at) | (ReadU8(record, at + 1) << 8));
}

inline int16_t ReadI16(std::span<const std::byte> record, std::size_t at) {
  return static_cast<int16_t>(ReadU16(record, at));
}

inline int32_t ReadI32(std::span<const std::byte> record, std::size_t at) {
  return static_cast<int32_t>(static_cast<uint32_t>(ReadU16(record, at)) |
                              static_cast<uint32_t>(ReadU16(record, at + 2)) << 16);
}

// size bytes from at as text (code page 1251 bytes, kept as they are).
inline std::string ReadText(std::span<const std::byte> record, std::size_t at, std::size_t size) {
  const auto* first = reinterpret_cast<const char*>(record.data() + at);
  return {first, size};
}

} // namespace velarion::catalogues

#endif
