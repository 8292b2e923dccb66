#include "tContain.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace velarion::groups {

namespace {

std::string_view CutName(std::string_view name) {
  return name.substr(0, std::min(name.size(), TClassRegistry::kMaxNameLength));
}

std::string ClassNameOf(const TStreamable* object) {
  return object != nullptr ? std::string(object->ClassName()) : std::string();
}

}  // namespace

// ---- Class registry --------------------------------------------------------------------

std::vector<tRegisterRec>::const_iterator TClassRegistry::LowerBound(std::string_view name) const {
  return std::lower_bound(
      records_.begin(), records_.end(), name,
      [](const tRegisterRec& r, std::string_view n) { return r.className < n; });
}

bool TClassRegistry::Register(tRegisterRec record) {
  record.className = std::string(CutName(record.className));
  if (record.className.empty() || record.create == nullptr || record.read == nullptr ||
      record.write == nullptr || Find(record.className) != nullptr) {
    return false;
  }
  const auto at = LowerBound(record.className);
  records_.insert(at, std::move(record));
  return true;
}

bool TClassRegistry::Unregister(std::string_view className) {
  const tRegisterRec* record = Find(className);
  if (record == nullptr) return false;
  records_.erase(records_.begin() + (record - records_.data()));
  return true;
}

const tRegisterRec* TClassRegistry::Find(std::string_view className) const {
  const std::string_view name = CutName(className);
  const auto at = LowerBound(name);
  return at != records_.end() && at->className == name ? &*at : nullptr;
}

TClassRegistry& ClassRegistry() {
  static TClassRegistry registry;
  return registry;
}

// ---- Entries ----------------------------------------------------------------------------

TListItem TListItem::Borrow(TStreamable& object) {
  TListItem item;
  item.object_ = &object;
  return item;
}

TListItem::TListItem(TListItem&& other) noexcept
    : owned_(std::move(other.owned_)), object_(std::exchange(other.object_, nullptr)) {}

TListItem& TListItem::operator=(TListItem&& other) noexcept {
  owned_ = std::move(other.owned_);
  object_ = std::exchange(other.object_, nullptr);
  return *this;
}

// ---- The list ---------------------------------------------------------------------------

TObjectList::TObjectList(bool ownsItems, int32_t capacity) : ownsItems_(ownsItems) {
  SetCapacity(capacity);
}

void TObjectList::DefineProperties(TPropertyFiler& filer) {
  filer.DefineBinaryProperty(
      "ObjectContainer", [this](TBinaryStream& stream) { ReadData(stream); },
      [this](TBinaryStream& stream) { WriteData(stream); }, Count() > 0);
}

void TObjectList::Error() const { throw TListError("List index out of bounds"); }

void TObjectList::CheckIndex(int32_t index) const {
  if (index < 0 || index >= Count()) Error();
}

void TObjectList::Grow() {
  const int32_t step = capacity_ > 8 ? 16 : capacity_ > 4 ? 8 : 4;
  SetCapacity(capacity_ + step);
}

TListItem TObjectList::SetItem(int32_t index, TListItem item) {
  CheckIndex(index);
  return std::exchange(items_[static_cast<std::size_t>(index)], std::move(item));
}

void TObjectList::FreeItem(TListItem& item) {
  if (ownsItems_ && item.Owns()) item = TListItem();
}

int32_t TObjectList::Add(TListItem item) {
  if (Count() == capacity_) Grow();
  items_.push_back(std::move(item));
  return Count() - 1;
}

std::vector<TListItem> TObjectList::Clear() {
  std::vector<TListItem> released = SetCount(0);
  SetCapacity(0);
  return released;
}

int32_t TObjectList::IndexOf(const TStreamable* item) const {
  const auto at = std::find_if(items_.begin(), items_.end(),
                               [item](const TListItem& entry) { return entry.Get() == item; });
  return at == items_.end() ? -1 : static_cast<int32_t>(at - items_.begin());
}

void TObjectList::Insert(int32_t index, TListItem item) {
  if (index < 0 || index > Count()) Error();
  if (Count() == capacity_) Grow();
  items_.insert(items_.begin() + index, std::move(item));
}

void TObjectList::ReadData(TBinaryStream& stream) {
  ownsItems_ = stream.ReadU8() != 0;
  const int32_t count = stream.ReadU16();
  if (capacity_ - Count() < count) SetCapacity(Count() + count);
  for (int32_t i = 0; i < count; ++i) {
    const std::string name = stream.ReadText(stream.ReadU8());
    const tRegisterRec* record = ClassRegistry().Find(name);
    if (record == nullptr) throw TClassNotFoundError("Class <" + name + "> not registered");
    std::unique_ptr<TStreamable> item = record->create();
    record->read(*item, stream);
    Add(std::move(item));
  }
}

void TObjectList::WriteData(TBinaryStream& stream) const {
  // The count is checked before anything is written: a cut count would make every later
  // item unreadable.
  if (Count() > kMaxStreamCount) {
    throw TStreamError("Cannot write " + std::to_string(Count()) +
                       " items: the stored form holds at most 65535");
  }
  stream.WriteU8(ownsItems_ ? 1 : 0);
  stream.WriteU16(static_cast<uint16_t>(Count()));
  for (const TListItem& entry : items_) {
    // A none entry has no class; its empty name matches no registered class.
    const std::string className = ClassNameOf(entry.Get());
    const std::string_view written = CutName(className);
    stream.WriteU8(static_cast<uint8_t>(written.size()));
    stream.WriteText(written);
    const tRegisterRec* record = ClassRegistry().Find(written);
    if (record == nullptr) throw TStreamError("Class <" + className + "> registration error");
    record->write(*entry.Get(), stream);
  }
}

TStreamable* TObjectList::First() const { return Items(0); }

TStreamable* TObjectList::Last() const { return Items(Count() - 1); }

TStreamable* TObjectList::Neighbour(const TStreamable* item, bool forward) const {
  const int32_t index = IndexOf(item);
  if (index < 0) throw TListError("tObject " + ClassNameOf(item) + " not in item list");
  const int32_t neighbour = forward ? index + 1 : index - 1;
  return neighbour >= 0 && neighbour < Count() ? Items(neighbour) : nullptr;
}

void TObjectList::FreeAll() {
  for (TListItem& entry : items_) FreeItem(entry);
}

TStreamable* TObjectList::Items(int32_t index) const {
  CheckIndex(index);
  return items_[static_cast<std::size_t>(index)].Get();
}

TListItem TObjectList::Delete(int32_t index) {
  CheckIndex(index);
  FreeItem(items_[static_cast<std::size_t>(index)]);
  return Extract(index);
}

TListItem TObjectList::Extract(int32_t index) {
  CheckIndex(index);
  const auto at = items_.begin() + index;
  TListItem item = std::move(*at);
  items_.erase(at);
  return item;
}

TListItem TObjectList::Remove(const TStreamable* item) { return Delete(IndexOf(item)); }

void TObjectList::SetCapacity(int32_t capacity) {
  if (capacity == capacity_) return;
  if (capacity < Count() || capacity > kMaxCapacity) Error();
  std::vector<TListItem> block;
  block.reserve(static_cast<std::size_t>(capacity));
  std::move(items_.begin(), items_.end(), std::back_inserter(block));
  items_ = std::move(block);
  capacity_ = capacity;
}

std::vector<TListItem> TObjectList::SetCount(int32_t count) {
  if (count < 0 || count > kMaxCapacity) Error();
  if (count > capacity_) SetCapacity(count);
  std::vector<TListItem> dropped;
  if (count < Count()) {
    const auto from = items_.begin() + count;
    std::move(from, items_.end(), std::back_inserter(dropped));
    items_.erase(from, items_.end());
  }
  items_.resize(static_cast<std::size_t>(count));
  return dropped;
}

void TObjectList::ForEach(const std::function<void(TStreamable*)>& procedure) const {
  for (const TListItem& entry : items_) procedure(entry.Get());
}

TStreamable* TObjectList::FirstThat(const std::function<bool(TStreamable*)>& test) const {
  const auto at = std::find_if(items_.begin(), items_.end(),
                               [&test](const TListItem& entry) { return test(entry.Get()); });
  return at == items_.end() ? nullptr : at->Get();
}

}  // namespace velarion::groups
