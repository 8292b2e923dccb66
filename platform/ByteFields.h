// Little-endian fields at fixed offsets of the packed records that cross the plug-in
// boundary and fill data files. Every access is bounds-checked against the record's span.
#ifndef VELARION_PLATFORM_BYTEFIELDS_H
#define VELARION_PLATFORM_BYTEFIELDS_H

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

namespace velplatform {

static_assert(std::endian::native == std::endian::little, "records are little-endian");

using TBytes = std::span<std::byte>;
using TConstBytes = std::span<const std::byte>;

// A value of trivially copyable type T at `offset`; the span must hold it.
template <typename T>
T GetField(TConstBytes record, std::size_t offset) {
  static_assert(std::is_trivially_copyable_v<T>);
  T value{};
  if (offset + sizeof(T) <= record.size()) std::memcpy(&value, record.data() + offset, sizeof(T));
  return value;
}

template <typename T>
void PutField(TBytes record, std::size_t offset, T value) {
  static_assert(std::is_trivially_copyable_v<T>);
  if (offset + sizeof(T) <= record.size()) std::memcpy(record.data() + offset, &value, sizeof(T));
}

// A zero-terminated text of a fixed-width field: at most width - 1 characters, the rest of
// the field zero bytes.
inline void PutText(TBytes record, std::size_t offset, std::size_t width, std::string_view text) {
  if (width == 0 || offset + width > record.size()) return;
  std::byte* field = record.data() + offset;
  std::memset(field, 0, width);
  std::memcpy(field, text.data(), std::min(text.size(), width - 1));
}

// The text of a fixed-width field, ending at its first zero byte or at the field's end,
// so that a field without its zero never runs on into the next one.
inline std::string GetText(TConstBytes record, std::size_t offset, std::size_t width) {
  if (offset >= record.size()) return {};
  width = std::min(width, record.size() - offset);
  const auto* field = reinterpret_cast<const char*>(record.data() + offset);
  return {field, static_cast<std::size_t>(std::find(field, field + width, '\0') - field)};
}

// All `width` bytes of a field as text (fixed-width text kept as it is, blanks included).
inline std::string GetRawText(TConstBytes record, std::size_t offset, std::size_t width) {
  if (offset >= record.size()) return {};
  width = std::min(width, record.size() - offset);
  return {reinterpret_cast<const char*>(record.data() + offset), width};
}

// A caller's buffer as bytes; empty for a null buffer or a size of 0 or less.
inline TBytes BufferOf(void* buffer, int32_t size) {
  if (buffer == nullptr || size <= 0) return {};
  return {static_cast<std::byte*>(buffer), static_cast<std::size_t>(size)};
}

// The text copy rule of the exports: the whole buffer zeroed; an empty text gives 0;
// otherwise min(length, size - 1) characters and the result is that number plus 1.
// A buffer of size 0 or less, or none, is left alone and gives 0.
inline int32_t CopyText(std::string_view text, TBytes buffer) {
  if (buffer.empty()) return 0;
  std::memset(buffer.data(), 0, buffer.size());
  if (text.empty()) return 0;
  const std::size_t n = std::min(text.size(), buffer.size() - 1);
  std::memcpy(buffer.data(), text.data(), n);
  return static_cast<int32_t>(n) + 1;
}

}  // namespace velplatform

#endif
