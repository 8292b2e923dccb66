#include "BinaryStream.h"

namespace velarion::groups {

void TBinaryStream::WriteU8(uint8_t value) { bytes_.push_back(static_cast<std::byte>(value)); }

void TBinaryStream::WriteU16(uint16_t value) {
  WriteU8(static_cast<uint8_t>(value & 0xFF));
  WriteU8(static_cast<uint8_t>(value >> 8));
}

void TBinaryStream::WriteI32(int32_t value) {
  const auto bits = static_cast<uint32_t>(value);
  WriteU16(static_cast<uint16_t>(bits & 0xFFFF));
  WriteU16(static_cast<uint16_t>(bits >> 16));
}

void TBinaryStream::WriteText(std::string_view text) {
  for (char c : text) WriteU8(static_cast<uint8_t>(c));
}

std::span<const std::byte> TBinaryStream::Take(std::size_t count) {
  if (count > Remaining()) throw TStreamError("Stream read error");
  const std::span<const std::byte> taken(bytes_.data() + readPosition_, count);
  readPosition_ += count;
  return taken;
}

uint8_t TBinaryStream::ReadU8() { return std::to_integer<uint8_t>(Take(1)[0]); }

uint16_t TBinaryStream::ReadU16() {
  const auto b = Take(2);
  return static_cast<uint16_t>(std::to_integer<uint16_t>(b[0]) | std::to_integer<uint16_t>(b[1])
                                                                     << 8);
}

int32_t TBinaryStream::ReadI32() {
  const auto b = Take(4);
  uint32_t bits = 0;
  for (std::size_t i = 0; i < 4; ++i) bits |= std::to_integer<uint32_t>(b[i]) << (8 * i);
  return static_cast<int32_t>(bits);
}

std::string TBinaryStream::ReadText(std::size_t length) {
  const auto b = Take(length);
  return {reinterpret_cast<const char*>(b.data()), b.size()};
}

}  // namespace velarion::groups
