// TObjectList: the program's growable, ordered list of object references, with its stored
// form "ObjectContainer" and the class registry by which the items of that form are written
// and read.
//
// Ownership. An entry (TListItem) owns its object when the object was handed over as a
// std::unique_ptr and only refers to it when it was lent (TListItem::Borrow). OwnsItems
// decides whether the list destroys the owned objects it deletes or frees (Delete, Remove,
// FreeAll, destruction). The operations that take entries out without destroying them
// (SetItem, Extract, SetCount, Clear, and Delete of a list that does not own its items) hand
// them back to the caller, so an owned object stays alive exactly as long as someone keeps
// its entry; nothing is left dangling and nothing is lost.
//
// Misuse raises TListError; the stream form raises TStreamError. Neither leaves the program.
#ifndef VELARION_APP_GROUPS_TCONTAIN_H
#define VELARION_APP_GROUPS_TCONTAIN_H

#include "BinaryStream.h"
#include "PersistentObject.h"

#include <concepts>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace velarion::groups {

class TListError : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

// A class name read from a stream that no registered class carries.
class TClassNotFoundError : public TStreamError {
 public:
  using TStreamError::TStreamError;
};

// ---- Class registry --------------------------------------------------------------------

// How a class's items are made, read and written in the stored form. The read procedure is
// given a new instance of the class; the write procedure an item whose class name is the
// record's, so both may cast to the class.
struct tRegisterRec {
  using TCreateProc = std::unique_ptr<TStreamable> (*)();
  using TReadProc = void (*)(TStreamable& item, TBinaryStream& stream);
  using TWriteProc = void (*)(const TStreamable& item, TBinaryStream& stream);

  std::string className;
  TCreateProc create = nullptr;
  TReadProc read = nullptr;
  TWriteProc write = nullptr;
};

// The table of registered classes, sorted by class name. Names are compared on their first
// kMaxNameLength characters, in registration and in lookup alike.
class TClassRegistry {
 public:
  static constexpr std::size_t kMaxNameLength = 63;

  // False, and the table unchanged, for an empty name, a missing procedure or a name
  // already registered.
  bool Register(tRegisterRec record);
  bool Unregister(std::string_view className);
  // The record, valid until the table next changes; null when none carries the name.
  const tRegisterRec* Find(std::string_view className) const;

 private:
  std::vector<tRegisterRec>::const_iterator LowerBound(std::string_view name) const;

  std::vector<tRegisterRec> records_;
};

// The program's one registry, empty at start. The program itself registers no class.
TClassRegistry& ClassRegistry();

// ---- The list ---------------------------------------------------------------------------

class TListItem {
 public:
  TListItem() = default;  // none
  template <std::derived_from<TStreamable> T>
  TListItem(std::unique_ptr<T> owned) : owned_(std::move(owned)), object_(owned_.get()) {}
  static TListItem Borrow(TStreamable& object);

  TListItem(TListItem&& other) noexcept;
  TListItem& operator=(TListItem&& other) noexcept;
  ~TListItem() = default;

  TStreamable* Get() const { return object_; }
  bool Owns() const { return owned_ != nullptr; }

 private:
  std::unique_ptr<TStreamable> owned_;
  TStreamable* object_ = nullptr;
};

class TObjectList : public TPersistentObject {
 public:
  static constexpr int32_t kMaxCapacity = 0x7FFFFFF;  // 4-byte entries in the largest block
  static constexpr int32_t kMaxStreamCount = 0xFFFF;  // the stored count has 16 bits

  TObjectList() = default;
  TObjectList(bool ownsItems, int32_t capacity);
  TObjectList(const TObjectList&) = delete;
  TObjectList& operator=(const TObjectList&) = delete;
  // The owned objects go with their entries. A derived list whose FreeItem does more calls
  // FreeAll in its own destructor.
  ~TObjectList() override = default;

  std::string_view ClassName() const override { return "TObjectList"; }
  // The binary property "ObjectContainer", with data to store when the list is not empty.
  void DefineProperties(TPropertyFiler& filer) override;

  // Raises TListError "List index out of bounds"; an override must raise as well.
  [[noreturn]] virtual void Error() const;
  virtual void Grow();
  // Hands back the entry it replaces.
  virtual TListItem SetItem(int32_t index, TListItem item);
  // Destroys the entry's object when the list owns its items and the entry owns the object;
  // the entry is then none. A lent object is never destroyed.
  virtual void FreeItem(TListItem& item);
  virtual int32_t Add(TListItem item);
  // Count and capacity 0; the entries come back to the caller, their objects alive.
  virtual std::vector<TListItem> Clear();
  // The first position holding this very object, -1 when none does.
  virtual int32_t IndexOf(const TStreamable* item) const;
  virtual void Insert(int32_t index, TListItem item);
  // Takes OwnsItems from the stream and appends the items read after those already held.
  virtual void ReadData(TBinaryStream& stream);
  // Refuses, writing nothing, a list longer than the stored count can carry.
  virtual void WriteData(TBinaryStream& stream) const;
  virtual TStreamable* First() const;
  virtual TStreamable* Last() const;
  // The item after (forward) or before the given one, null at either end. Raises TListError
  // "tObject <class name> not in item list" for an item the list does not hold.
  virtual TStreamable* Neighbour(const TStreamable* item, bool forward) const;

  bool OwnsItems() const { return ownsItems_; }
  int32_t Count() const { return static_cast<int32_t>(items_.size()); }
  int32_t Capacity() const { return capacity_; }

  void FreeAll();
  TStreamable* Items(int32_t index) const;
  // FreeItem, then Extract: hands back the entry, none when its object was destroyed.
  TListItem Delete(int32_t index);
  TListItem Extract(int32_t index);
  // Delete(IndexOf(item)), so an item not in the list raises "List index out of bounds".
  TListItem Remove(const TStreamable* item);
  void SetCapacity(int32_t capacity);
  // New entries are none; the entries dropped by shrinking come back to the caller.
  std::vector<TListItem> SetCount(int32_t count);
  void ForEach(const std::function<void(TStreamable*)>& procedure) const;
  TStreamable* FirstThat(const std::function<bool(TStreamable*)>& test) const;

 private:
  void CheckIndex(int32_t index) const;

  bool ownsItems_ = true;
  int32_t capacity_ = 0;  // the stated number of entries; the vector reserves exactly this
  std::vector<TListItem> items_;
};

}  // namespace velarion::groups

#endif
