// Sequential little-endian fields of a data file whose records are not of one fixed size
// (a text field is a length byte and its characters): a reader that never reads past its
// bytes and a writer that collects them for one atomic write.
#ifndef VELARION_PLATFORM_BYTESTREAM_H
#define VELARION_PLATFORM_BYTESTREAM_H

#include "ByteFields.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

namespace velplatform {

// The longest text a length-byte field holds.
inline constexpr std::size_t kMaxShortStringLength = 255;

class TByteReader {
 public:
  explicit TByteReader(TConstBytes bytes) : bytes_(bytes) {}

  // The next field, or none (and the position unchanged) when too few bytes are left.
  template <typename T>
  std::optional<T> Read() {
    static_assert(std::is_trivially_copyable_v<T>);
    if (Remaining() < sizeof(T)) return std::nullopt;
    const T value = GetField<T>(bytes_, position_);
    position_ += sizeof(T);
    return value;
  }

  // N fields of one type, or none when the bytes end before the last.
  template <typename T, std::size_t N>
  std::optional<std::array<T, N>> ReadArray() {
    std::array<T, N> values{};
    for (T& value : values) {
      const std::optional<T> read = Read<T>();
      if (!read) return std::nullopt;
      value = *read;
    }
    return values;
  }

  // A length byte and that many characters.
  std::optional<std::string> ReadShortString() {
    const std::size_t start = position_;
    const std::optional<uint8_t> length = Read<uint8_t>();
    if (!length || Remaining() < *length) {
      position_ = start;
      return std::nullopt;
    }
    std::string text = GetRawText(bytes_, position_, *length);
    position_ += *length;
    return text;
  }

  bool AtEnd() const { return position_ >= bytes_.size(); }
  std::size_t Position() const { return position_; }
  std::size_t Remaining() const { return bytes_.size() - position_; }

 private:
  TConstBytes bytes_;
  std::size_t position_ = 0;
};

class TByteWriter {
 public:
  template <typename T>
  void Write(T value) {
    static_assert(std::is_trivially_copyable_v<T>);
    const std::size_t at = bytes_.size();
    bytes_.resize(at + sizeof(T));
    PutField<T>(std::as_writable_bytes(std::span(bytes_)), at, value);
  }

  // A length byte and the text, cut to kMaxShortStringLength characters.
  void WriteShortString(std::string_view text) {
    const std::size_t length = std::min(text.size(), kMaxShortStringLength);
    Write(static_cast<uint8_t>(length));
    bytes_.append(text.substr(0, length));
  }

  const std::string& Bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

}  // namespace velplatform

#endif
