// TBinaryStream: bytes kept in memory, written at the end and read from the front, with
// little-endian integers. The object container writes and reads its stored form through it.
#ifndef VELARION_APP_GROUPS_BINARYSTREAM_H
#define VELARION_APP_GROUPS_BINARYSTREAM_H

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace velarion::groups {

// A stream that cannot be read or written as asked. Raised and caught inside the program.
class TStreamError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TBinaryStream {
 public:
  TBinaryStream() = default;
  // A stream to read `bytes` from, the read position at their first byte.
  explicit TBinaryStream(std::vector<std::byte> bytes) : bytes_(std::move(bytes)) {}

  void WriteU8(uint8_t value);
  void WriteU16(uint16_t value);
  void WriteI32(int32_t value);
  // The text's bytes as they are, without a length or a terminator.
  void WriteText(std::string_view text);

  // Each raises TStreamError "Stream read error" when fewer bytes are left than it needs,
  // and then leaves the read position where it was.
  uint8_t ReadU8();
  uint16_t ReadU16();
  int32_t ReadI32();
  std::string ReadText(std::size_t length);

  std::span<const std::byte> Bytes() const { return bytes_; }
  std::size_t Remaining() const { return bytes_.size() - readPosition_; }

 private:
  std::span<const std::byte> Take(std::size_t count);

  std::vector<std::byte> bytes_;
  std::size_t readPosition_ = 0;
};

}  // namespace velarion::groups

#endif
