// TDynamicArray: a growable array of fixed-size items whose storage grows and shrinks in
// steps of Delta items. The typed forms the plug-ins use: screen points, 32-bit integers and
// packed sky positions.
#ifndef VELARION_KIT_SUPPORT_DYNAMICARRAY_H
#define VELARION_KIT_SUPPORT_DYNAMICARRAY_H

#include "Geometry.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <type_traits>
#include <utility>
#include <vector>

namespace velarion::kit {

template <typename T>
class TDynamicArray {
  static_assert(std::is_trivially_copyable_v<T>, "items are copied as plain bytes");

 public:
  static constexpr int32_t kItemSize = sizeof(T);
  static constexpr int32_t kDefaultDelta = 100;

  int32_t Count() const { return count_; }
  int32_t Capacity() const { return static_cast<int32_t>(block_.size()); }
  int32_t Delta() const { return delta_; }
  void SetDelta(int32_t delta) { delta_ = std::max(delta, 1); }

  // The address of item `index` in the storage block, without a check.
  T* Item(int32_t index) { return block_.data() + index; }
  const T* Item(int32_t index) const { return block_.data() + index; }
  // Null outside 0 .. Count - 1.
  T* SafeItem(int32_t index) { return InRange(index) ? Item(index) : nullptr; }
  const T* SafeItem(int32_t index) const { return InRange(index) ? Item(index) : nullptr; }

  std::span<T> Items() { return {block_.data(), static_cast<std::size_t>(count_)}; }
  std::span<const T> Items() const { return {block_.data(), static_cast<std::size_t>(count_)}; }

  // Room for n items: the capacity moves in steps of Delta to the smallest value that holds
  // n, shrinking as well as growing; nothing happens when the items already number n.
  void Reserve(int32_t n) {
    if (count_ >= n) return;
    int64_t capacity = Capacity();
    while (capacity - delta_ >= n) capacity -= delta_;
    while (capacity < n) capacity += delta_;
    if (capacity != Capacity()) Reallocate(static_cast<std::size_t>(capacity));
  }

  void Add(const T& item) {
    Reserve(count_ + 1);
    block_[static_cast<std::size_t>(count_)] = item;
    ++count_;
  }

  // Ignored outside 0 .. Count - 1; the capacity stays.
  void Delete(int32_t index) {
    if (!InRange(index)) return;
    std::copy(block_.begin() + index + 1, block_.begin() + count_, block_.begin() + index);
    --count_;
  }

  void Clear() {
    block_ = {};
    count_ = 0;
  }

 private:
  bool InRange(int32_t index) const { return index >= 0 && index < count_; }

  void Reallocate(std::size_t capacity) {
    std::vector<T> block(capacity);
    std::copy_n(block_.begin(), count_, block.begin());
    block_ = std::move(block);
  }

  std::vector<T> block_;  // Capacity items, the first Count of them in use
  int32_t count_ = 0;
  int32_t delta_ = kDefaultDelta;
};

using TDynamicPointArray = TDynamicArray<velplatform::TPoint>;
static_assert(TDynamicPointArray::kItemSize == 8);

class TDynamicIntegerArray : public TDynamicArray<int32_t> {
 public:
  void AddValue(int32_t value) { Add(value); }
};

// An outline vertex: right ascension and declination in arc-minutes.
struct TRaDecArcmin {
  int16_t raArcmin = 0;
  int16_t decArcmin = 0;
  friend bool operator==(const TRaDecArcmin&, const TRaDecArcmin&) = default;
};

using TDynamicRaDecArray = TDynamicArray<TRaDecArcmin>;
static_assert(TDynamicRaDecArray::kItemSize == 4);

}  // namespace velarion::kit

#endif
