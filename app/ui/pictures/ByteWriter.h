// Little-endian fields appended one after another, as the picture and metafile formats lay
// them out; a field written earlier can be filled in once its value is known (sizes).
#ifndef VELARION_APP_UI_PICTURES_BYTEWRITER_H
#define VELARION_APP_UI_PICTURES_BYTEWRITER_H

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>

namespace velarion::ui {

static_assert(std::endian::native == std::endian::little, "fields are written little-endian");

class TByteWriter {
 public:
  template <typename T>
  void Put(T value) {
    static_assert(std::is_integral_v<T>);
    bytes_.append(reinterpret_cast<const char*>(&value), sizeof(T));
  }
  void PutBytes(std::string_view bytes) { bytes_.append(bytes); }
  void PutZeros(std::size_t count) { bytes_.append(count, '\0'); }
  // Overwrites a field already written at `offset`.
  template <typename T>
  void Patch(std::size_t offset, T value) {
    static_assert(std::is_integral_v<T>);
    if (offset + sizeof(T) <= bytes_.size()) std::memcpy(bytes_.data() + offset, &value, sizeof(T));
  }
  std::size_t Size() const { return bytes_.size(); }
  void Reserve(std::size_t size) { bytes_.reserve(size); }
  std::string Take() { return std::move(bytes_); }

 private:
  std::string bytes_;
};

}  // namespace velarion::ui

#endif
