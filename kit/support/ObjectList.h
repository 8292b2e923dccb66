// TObjectList, the plug-in form: a growable list of objects, smaller than the program's own
// list. Its capacity is always a multiple of its growth step Delta, which is a third of the
// capacity it was created with.
//
// Ownership is chosen at creation. A list that owns its items takes them over as
// std::unique_ptr and destroys them; a list that does not is lent references and never
// destroys anything. Handing a list the other form is a developer error: it is reported and
// the object is not added.
#ifndef VELARION_KIT_SUPPORT_OBJECTLIST_H
#define VELARION_KIT_SUPPORT_OBJECTLIST_H

#include <algorithm>
#include <cstdint>
#include <functional>
#include <iterator>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

namespace velarion::kit {

// Where the list reports a developer error: a title and a message.
using TListErrorReport = std::function<void(std::string_view title, std::string_view message)>;

// Writes "<title>: <message>" as a line to the standard error stream.
void ReportToStandardError(std::string_view title, std::string_view message);

template <typename T>
class TObjectList {
 public:
  static constexpr int32_t kMaxCapacity = 0x7FFFFFF;

  // The capacity is clamped to 0 .. kMaxCapacity; Delta is a third of it, at least 1.
  TObjectList(bool ownsItems, int32_t capacity, TListErrorReport report = ReportToStandardError)
      : ownsItems_(ownsItems), report_(std::move(report)) {
    capacity = std::clamp(capacity, 0, kMaxCapacity);
    delta_ = std::max(capacity / 3, 1);
    SetCapacity(capacity);
  }
  TObjectList(const TObjectList&) = delete;
  TObjectList& operator=(const TObjectList&) = delete;
  ~TObjectList() { Truncate(0); }

  bool OwnsItems() const { return ownsItems_; }
  int32_t Count() const { return static_cast<int32_t>(slots_.size()); }
  int32_t Capacity() const { return capacity_; }
  int32_t Delta() const { return delta_; }

  // 0 or less frees the storage of an empty list. Otherwise the capacity becomes the multiple
  // of Delta above n, unless that would not hold the items.
  void SetCapacity(int32_t n) {
    if (n <= 0) {
      if (slots_.empty()) Reallocate(0);
      return;
    }
    const int64_t rounded = int64_t{delta_} * (n / delta_ + 1);
    if (rounded != capacity_ && rounded >= Count()) Reallocate(static_cast<int32_t>(rounded));
  }

  void Add(std::unique_ptr<T> object) {
    if (!ownsItems_) {
      Report();
      return;
    }
    T* item = object.get();
    Append({std::move(object), item});
  }
  void Add(T& object) {
    if (ownsItems_) {
      Report();
      return;
    }
    Append({nullptr, &object});
  }

  // Null, with a reported error, outside 0 .. Count - 1.
  T* Items(int32_t index) const {
    if (index < 0 || index >= Count()) {
      Report();
      return nullptr;
    }
    return slots_[static_cast<std::size_t>(index)].object;
  }

  // Keeps the first n items (none for n below 0); an owning list destroys the others from
  // the last one down. The capacity then follows the count.
  void Truncate(int32_t n) {
    n = std::max(n, 0);
    while (Count() > n) slots_.pop_back();
    SetCapacity(Count());
  }

  void FreeAll() { Truncate(0); }

  void ForEach(const std::function<void(T&)>& procedure) const {
    for (const TSlot& slot : slots_) procedure(*slot.object);
  }

 private:
  struct TSlot {
    std::unique_ptr<T> owned;  // null in a list that does not own its items
    T* object;
  };

  void Report() const { report_("Error", "List error"); }

  void Append(TSlot slot) {
    if (Count() == capacity_) SetCapacity(Count() + 1);
    slots_.push_back(std::move(slot));
  }

  void Reallocate(int32_t capacity) {
    std::vector<TSlot> slots;
    slots.reserve(static_cast<std::size_t>(capacity));
    std::move(slots_.begin(), slots_.end(), std::back_inserter(slots));
    slots_ = std::move(slots);
    capacity_ = capacity;
  }

  bool ownsItems_;
  int32_t capacity_ = 0;  // the stated number of entries; the vector reserves exactly this
  int32_t delta_ = 1;
  TListErrorReport report_;
  std::vector<TSlot> slots_;
};

}  // namespace velarion::kit

#endif
