// The program's object list: growth steps, index rules, ownership of the items, neighbours,
// the "ObjectContainer" stored form with the class registry, and the 16-bit count limit.
#include "tContain.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace velarion::groups;

class TTestStar : public TStreamable {
 public:
  explicit TTestStar(int32_t value = 0, int* destroyed = nullptr)
      : value(value), destroyed_(destroyed) {}
  ~TTestStar() override {
    if (destroyed_ != nullptr) ++*destroyed_;
  }
  std::string_view ClassName() const override { return "TTestStar"; }

  int32_t value;

 private:
  int* destroyed_;
};

// 70 characters: the stored form keeps the first 63.
constexpr std::string_view kLongName =
    "TStarWithAVeryLongClassNameThatRunsOnPastTheSixtyThreeCharacterLimit!!";

class TLongNamed : public TTestStar {
 public:
  using TTestStar::TTestStar;
  std::string_view ClassName() const override { return kLongName; }
};

class TUnregistered : public TStreamable {
 public:
  std::string_view ClassName() const override { return "TUnregistered"; }
};

template <typename T>
tRegisterRec StarRecord(std::string name) {
  return {std::move(name), [] { return std::unique_ptr<TStreamable>(std::make_unique<T>()); },
          [](TStreamable& item, TBinaryStream& stream) {
            static_cast<T&>(item).value = stream.ReadI32();
          },
          [](const TStreamable& item, TBinaryStream& stream) {
            stream.WriteI32(static_cast<const T&>(item).value);
          }};
}

// Keeps a class registered for one test; the registry is the program's one table.
class TRegistration {
 public:
  explicit TRegistration(tRegisterRec record) : name_(record.className) {
    EXPECT_TRUE(ClassRegistry().Register(std::move(record)));
  }
  ~TRegistration() { ClassRegistry().Unregister(name_); }

 private:
  std::string name_;
};

std::vector<std::byte> BytesOf(std::initializer_list<int> values) {
  std::vector<std::byte> bytes;
  for (int v : values) bytes.push_back(static_cast<std::byte>(v));
  return bytes;
}

void AppendName(std::vector<std::byte>& bytes, std::string_view name) {
  bytes.push_back(static_cast<std::byte>(name.size()));
  for (char c : name) bytes.push_back(static_cast<std::byte>(c));
}

std::vector<std::byte> Written(const TObjectList& list) {
  TBinaryStream stream;
  list.WriteData(stream);
  return {stream.Bytes().begin(), stream.Bytes().end()};
}

int32_t ValueAt(const TObjectList& list, int32_t index) {
  return static_cast<const TTestStar*>(list.Items(index))->value;
}

std::vector<int32_t> Values(const TObjectList& list) {
  std::vector<int32_t> values;
  for (int32_t i = 0; i < list.Count(); ++i) values.push_back(ValueAt(list, i));
  return values;
}

void ExpectListError(const std::function<void()>& action, const std::string& message) {
  try {
    action();
    ADD_FAILURE() << "no error, expected \"" << message << '"';
  } catch (const TListError& error) {
    EXPECT_EQ(error.what(), message);
  }
}

constexpr const char* kOutOfBounds = "List index out of bounds";

TEST(ObjectList, GrowsByFourThenEightThenSixteen) {
  TObjectList list;
  TTestStar star;
  std::vector<int32_t> capacities{list.Capacity()};
  for (int i = 0; i < 49; ++i) {
    list.Add(TListItem::Borrow(star));
    if (list.Capacity() != capacities.back()) capacities.push_back(list.Capacity());
  }
  EXPECT_EQ(capacities, (std::vector<int32_t>{0, 4, 8, 16, 32, 48, 64}));
}

TEST(ObjectList, GrowthStepFollowsTheCapacityAtEachBoundary) {
  const struct {
    int32_t capacity;
    int32_t grown;
  } cases[] = {{1, 5}, {4, 8}, {5, 13}, {8, 16}, {9, 25}, {20, 36}};
  for (const auto& c : cases) {
    TObjectList list(false, c.capacity);
    list.Grow();
    EXPECT_EQ(list.Capacity(), c.grown) << "from " << c.capacity;
  }
}

TEST(ObjectList, InsertAtCountAppendsAndOneBeyondIsRefused) {
  TObjectList list;
  for (int32_t v : {1, 2, 3}) list.Add(std::make_unique<TTestStar>(v));
  list.Insert(1, std::make_unique<TTestStar>(9));
  list.Insert(list.Count(), std::make_unique<TTestStar>(4));
  EXPECT_EQ(Values(list), (std::vector<int32_t>{1, 9, 2, 3, 4}));

  int destroyed = 0;
  ExpectListError(
      [&] { list.Insert(list.Count() + 1, std::make_unique<TTestStar>(5, &destroyed)); },
      kOutOfBounds);
  ExpectListError([&] { list.Insert(-1, std::make_unique<TTestStar>(5, &destroyed)); },
                  kOutOfBounds);
  EXPECT_EQ(Values(list), (std::vector<int32_t>{1, 9, 2, 3, 4}));
  // The refused items were handed over and are not kept anywhere.
  EXPECT_EQ(destroyed, 2);
}

TEST(ObjectList, IndexAndSizeOutsideTheRulesRaiseAndChangeNothing) {
  const struct {
    const char* what;
    std::function<void(TObjectList&)> action;
  } cases[] = {
      {"Items(-1)", [](TObjectList& l) { l.Items(-1); }},
      {"Items(Count)", [](TObjectList& l) { l.Items(l.Count()); }},
      {"SetItem(Count)", [](TObjectList& l) { l.SetItem(l.Count(), {}); }},
      {"Delete(Count)", [](TObjectList& l) { l.Delete(l.Count()); }},
      {"Extract(-1)", [](TObjectList& l) { l.Extract(-1); }},
      {"SetCapacity below Count", [](TObjectList& l) { l.SetCapacity(l.Count() - 1); }},
      {"SetCapacity above the largest block",
       [](TObjectList& l) { l.SetCapacity(TObjectList::kMaxCapacity + 1); }},
      {"SetCount(-1)", [](TObjectList& l) { l.SetCount(-1); }},
      {"SetCount above the largest block",
       [](TObjectList& l) { l.SetCount(TObjectList::kMaxCapacity + 1); }},
  };
  for (const auto& c : cases) {
    int destroyed = 0;
    TObjectList list;
    for (int32_t v : {1, 2, 3}) list.Add(std::make_unique<TTestStar>(v, &destroyed));
    ExpectListError([&] { c.action(list); }, kOutOfBounds);
    EXPECT_EQ(Values(list), (std::vector<int32_t>{1, 2, 3})) << c.what;
    EXPECT_EQ(list.Capacity(), 4) << c.what;
    EXPECT_EQ(destroyed, 0) << c.what;
  }
}

TEST(ObjectList, FirstAndLastOfAnEmptyListRaise) {
  TObjectList list;
  ExpectListError([&] { list.First(); }, kOutOfBounds);
  ExpectListError([&] { list.Last(); }, kOutOfBounds);
}

TEST(ObjectList, RemoveOfAForeignItemRaisesOutOfBounds) {
  int destroyed = 0;
  TObjectList list;
  list.Add(std::make_unique<TTestStar>(1, &destroyed));
  TTestStar foreign(2, &destroyed);
  ExpectListError([&] { list.Remove(&foreign); }, kOutOfBounds);
  EXPECT_EQ(list.Count(), 1);
  EXPECT_EQ(destroyed, 0);
}

TEST(ObjectList, ClearOfAnOwningListLeavesTheItemsAlive) {
  int destroyed = 0;
  auto list = std::make_unique<TObjectList>();
  for (int32_t v : {1, 2, 3}) list->Add(std::make_unique<TTestStar>(v, &destroyed));
  std::vector<TListItem> released = list->Clear();
  EXPECT_EQ(list->Count(), 0);
  EXPECT_EQ(list->Capacity(), 0);
  list.reset();
  EXPECT_EQ(destroyed, 0);
  ASSERT_EQ(released.size(), 3u);
  EXPECT_EQ(static_cast<TTestStar*>(released[2].Get())->value, 3);
  released.clear();
  EXPECT_EQ(destroyed, 3);
}

TEST(ObjectList, DestroyingAnOwningListDestroysEveryItem) {
  int destroyed = 0;
  {
    TObjectList list;
    for (int32_t v : {1, 2, 3}) list.Add(std::make_unique<TTestStar>(v, &destroyed));
    list.SetCount(5);  // entries that are none are skipped
  }
  EXPECT_EQ(destroyed, 3);
}

TEST(ObjectList, AListThatDoesNotOwnItsItemsNeverDestroysThem) {
  int destroyed = 0;
  TTestStar stars[] = {TTestStar(1, &destroyed), TTestStar(2, &destroyed),
                       TTestStar(3, &destroyed)};
  {
    TObjectList list(false, 0);
    for (TTestStar& star : stars) list.Add(TListItem::Borrow(star));
    TListItem deleted = list.Delete(0);
    EXPECT_EQ(deleted.Get(), &stars[0]);
    list.FreeAll();
    EXPECT_EQ(list.Count(), 2);
  }
  EXPECT_EQ(destroyed, 0);
}

TEST(ObjectList, DeleteDestroysButExtractAndSetItemHandTheItemBack) {
  int destroyed = 0;
  TObjectList list;
  for (int32_t v : {1, 2, 3, 4}) list.Add(std::make_unique<TTestStar>(v, &destroyed));

  EXPECT_EQ(list.Delete(0).Get(), nullptr);
  EXPECT_EQ(destroyed, 1);

  TListItem extracted = list.Extract(0);
  TListItem replaced = list.SetItem(0, std::make_unique<TTestStar>(30, &destroyed));
  EXPECT_EQ(destroyed, 1);
  EXPECT_EQ(static_cast<TTestStar*>(extracted.Get())->value, 2);
  EXPECT_EQ(static_cast<TTestStar*>(replaced.Get())->value, 3);
  EXPECT_EQ(Values(list), (std::vector<int32_t>{30, 4}));

  list.Remove(list.Last());
  EXPECT_EQ(destroyed, 2);
  EXPECT_EQ(Values(list), (std::vector<int32_t>{30}));
}

TEST(ObjectList, SetCountAddsNoneEntriesAndHandsBackWhatItDrops) {
  int destroyed = 0;
  TObjectList list;
  list.Add(std::make_unique<TTestStar>(1, &destroyed));
  list.SetCount(3);
  EXPECT_EQ(list.Capacity(), 4);
  EXPECT_EQ(list.Items(1), nullptr);
  EXPECT_EQ(list.IndexOf(nullptr), 1);

  list.Insert(0, std::make_unique<TTestStar>(0, &destroyed));
  std::vector<TListItem> dropped = list.SetCount(1);
  EXPECT_EQ(list.Count(), 1);
  EXPECT_EQ(destroyed, 0);
  ASSERT_EQ(dropped.size(), 3u);
  EXPECT_EQ(static_cast<TTestStar*>(dropped[0].Get())->value, 1);
}

TEST(ObjectList, NeighboursAndTheEnds) {
  TObjectList list;
  for (int32_t v : {1, 2, 3}) list.Add(std::make_unique<TTestStar>(v));
  TStreamable* first = list.First();
  TStreamable* middle = list.Items(1);
  TStreamable* last = list.Last();
  const struct {
    TStreamable* item;
    bool forward;
    TStreamable* expected;
  } cases[] = {{first, false, nullptr}, {first, true, middle}, {middle, false, first},
               {middle, true, last},    {last, false, middle}, {last, true, nullptr}};
  for (const auto& c : cases) EXPECT_EQ(list.Neighbour(c.item, c.forward), c.expected);

  TTestStar foreign;
  ExpectListError([&] { list.Neighbour(&foreign, true); }, "tObject TTestStar not in item list");
}

TEST(ObjectList, FirstThatGivesTheFirstPassingItem) {
  TObjectList list;
  for (int32_t v : {5, 8, 6, 8}) list.Add(std::make_unique<TTestStar>(v));
  const auto over = [](int32_t limit) {
    return [limit](TStreamable* item) { return static_cast<TTestStar*>(item)->value > limit; };
  };
  EXPECT_EQ(list.FirstThat(over(5)), list.Items(1));
  EXPECT_EQ(list.FirstThat(over(8)), nullptr);
}

// ---- Stored form -------------------------------------------------------------------------

TEST(ObjectContainer, AnEmptyListIsThreeBytes) {
  EXPECT_EQ(Written(TObjectList()), BytesOf({1, 0, 0}));
  EXPECT_EQ(Written(TObjectList(false, 20)), BytesOf({0, 0, 0}));
}

TEST(ObjectContainer, RoundTripOfRegisteredItemsIsByteExact) {
  TRegistration registration(StarRecord<TTestStar>("TTestStar"));
  TObjectList list;
  list.Add(std::make_unique<TTestStar>(7));
  list.Add(std::make_unique<TTestStar>(-2));

  std::vector<std::byte> expected = BytesOf({1, 2, 0});
  AppendName(expected, "TTestStar");
  for (int b : {7, 0, 0, 0}) expected.push_back(static_cast<std::byte>(b));
  AppendName(expected, "TTestStar");
  for (int b : {0xFE, 0xFF, 0xFF, 0xFF}) expected.push_back(static_cast<std::byte>(b));
  const std::vector<std::byte> bytes = Written(list);
  ASSERT_EQ(bytes, expected);

  // Reading takes OwnsItems from the stream and makes room for exactly the items read.
  TObjectList fresh(false, 0);
  TBinaryStream stream(bytes);
  fresh.ReadData(stream);
  EXPECT_EQ(stream.Remaining(), 0u);
  EXPECT_TRUE(fresh.OwnsItems());
  EXPECT_EQ(Values(fresh), (std::vector<int32_t>{7, -2}));
  EXPECT_EQ(fresh.Capacity(), 2);

  // The items read come after those held; free room is used before the capacity rises.
  TObjectList holding(true, 0);
  TTestStar held(100);
  holding.Add(TListItem::Borrow(held));
  TBinaryStream again(bytes);
  holding.ReadData(again);
  EXPECT_EQ(Values(holding), (std::vector<int32_t>{100, 7, -2}));
  EXPECT_EQ(holding.Capacity(), 4);
}

TEST(ObjectContainer, ClassNamesAreCutTo63Characters) {
  TRegistration registration(StarRecord<TLongNamed>(std::string(kLongName)));
  EXPECT_NE(ClassRegistry().Find(kLongName.substr(0, 63)), nullptr);
  EXPECT_NE(ClassRegistry().Find(std::string(kLongName) + "and more"), nullptr);
  EXPECT_EQ(ClassRegistry().Find(kLongName.substr(0, 62)), nullptr);

  TObjectList list;
  list.Add(std::make_unique<TLongNamed>(5));
  const std::vector<std::byte> bytes = Written(list);
  std::vector<std::byte> expected = BytesOf({1, 1, 0});
  AppendName(expected, kLongName.substr(0, 63));
  for (int b : {5, 0, 0, 0}) expected.push_back(static_cast<std::byte>(b));
  ASSERT_EQ(bytes, expected);

  TObjectList copy;
  TBinaryStream stream(bytes);
  copy.ReadData(stream);
  ASSERT_EQ(copy.Count(), 1);
  EXPECT_EQ(copy.Items(0)->ClassName(), kLongName);
  EXPECT_EQ(ValueAt(copy, 0), 5);
}

TEST(ObjectContainer, RegistryRefusesEmptyDuplicateAndIncompleteRecords) {
  TRegistration registration(StarRecord<TTestStar>("TTestStar"));
  tRegisterRec incomplete = StarRecord<TTestStar>("TOther");
  incomplete.write = nullptr;
  EXPECT_FALSE(ClassRegistry().Register(StarRecord<TTestStar>("TTestStar")));
  EXPECT_FALSE(ClassRegistry().Register(StarRecord<TTestStar>("")));
  EXPECT_FALSE(ClassRegistry().Register(incomplete));
  EXPECT_EQ(ClassRegistry().Find("TOther"), nullptr);
}

TEST(ObjectContainer, WritingAnUnregisteredClassStopsAfterItsName) {
  TRegistration registration(StarRecord<TTestStar>("TTestStar"));
  TObjectList list;
  list.Add(std::make_unique<TTestStar>(1));
  list.Add(std::make_unique<TUnregistered>());
  list.Add(std::make_unique<TTestStar>(3));

  TBinaryStream stream;
  try {
    list.WriteData(stream);
    ADD_FAILURE() << "an unregistered class was written";
  } catch (const TStreamError& error) {
    EXPECT_STREQ(error.what(), "Class <TUnregistered> registration error");
  }
  std::vector<std::byte> expected = BytesOf({1, 3, 0});
  AppendName(expected, "TTestStar");
  for (int b : {1, 0, 0, 0}) expected.push_back(static_cast<std::byte>(b));
  AppendName(expected, "TUnregistered");
  EXPECT_EQ(std::vector<std::byte>(stream.Bytes().begin(), stream.Bytes().end()), expected);
}

TEST(ObjectContainer, ReadingAnUnknownClassKeepsTheItemsBeforeIt) {
  TRegistration registration(StarRecord<TTestStar>("TTestStar"));
  std::vector<std::byte> bytes = BytesOf({1, 2, 0});
  AppendName(bytes, "TTestStar");
  for (int b : {4, 0, 0, 0}) bytes.push_back(static_cast<std::byte>(b));
  AppendName(bytes, "TNobody");

  TObjectList list;
  TBinaryStream stream(bytes);
  try {
    list.ReadData(stream);
    ADD_FAILURE() << "an unknown class was read";
  } catch (const TClassNotFoundError& error) {
    EXPECT_STREQ(error.what(), "Class <TNobody> not registered");
  }
  EXPECT_EQ(Values(list), (std::vector<int32_t>{4}));
}

TEST(ObjectContainer, ACutShortStreamRaisesAReadError) {
  TRegistration registration(StarRecord<TTestStar>("TTestStar"));
  std::vector<std::byte> bytes = BytesOf({1, 2, 0});
  AppendName(bytes, "TTestStar");
  for (int b : {4, 0, 0, 0}) bytes.push_back(static_cast<std::byte>(b));
  AppendName(bytes, "TTestStar");
  bytes.push_back(std::byte{9});  // two of the item's four bytes are missing
  bytes.push_back(std::byte{0});

  TObjectList list;
  TBinaryStream stream(bytes);
  try {
    list.ReadData(stream);
    ADD_FAILURE() << "a cut stream was read";
  } catch (const TStreamError& error) {
    EXPECT_STREQ(error.what(), "Stream read error");
  }
  EXPECT_EQ(Values(list), (std::vector<int32_t>{4}));
}

TEST(ObjectContainer, TheStoredCountCarriesAtMost65535Items) {
  TRegistration registration(StarRecord<TTestStar>("TTestStar"));
  TTestStar star(1);

  TObjectList fits(false, TObjectList::kMaxStreamCount);
  for (int32_t i = 0; i < TObjectList::kMaxStreamCount; ++i) fits.Add(TListItem::Borrow(star));
  const std::vector<std::byte> bytes = Written(fits);
  ASSERT_EQ(bytes.size(), 3u + 65535u * 14u);
  EXPECT_EQ(std::vector<std::byte>(bytes.begin(), bytes.begin() + 3), BytesOf({0, 0xFF, 0xFF}));

  // One more would be stored as a count of 0 followed by 65536 items nobody could read.
  TObjectList tooMany(false, 0);
  tooMany.SetCount(TObjectList::kMaxStreamCount + 1);
  for (int32_t i = 0; i < tooMany.Count(); ++i) tooMany.SetItem(i, TListItem::Borrow(star));
  TBinaryStream stream;
  EXPECT_THROW(tooMany.WriteData(stream), TStreamError);
  EXPECT_TRUE(stream.Bytes().empty());
}

// A filer that keeps what an object declares.
class TRecordingFiler : public TPropertyFiler {
 public:
  void DefineBinaryProperty(std::string_view name, TStreamProc read, TStreamProc write,
                            bool hasData) override {
    names.emplace_back(name);
    this->read = std::move(read);
    this->write = std::move(write);
    this->hasData = hasData;
  }
  std::vector<std::string> names;
  TStreamProc read;
  TStreamProc write;
  bool hasData = false;
};

TEST(ObjectContainer, IsDeclaredAsABinaryPropertyWithDataWhenNotEmpty) {
  TRegistration registration(StarRecord<TTestStar>("TTestStar"));
  TObjectList list;
  TRecordingFiler empty;
  list.DefineProperties(empty);
  EXPECT_EQ(empty.names, std::vector<std::string>{"ObjectContainer"});
  EXPECT_FALSE(empty.hasData);

  list.Add(std::make_unique<TTestStar>(12));
  TRecordingFiler filled;
  list.DefineProperties(filled);
  EXPECT_TRUE(filled.hasData);
  TBinaryStream stream;
  filled.write(stream);
  EXPECT_EQ(std::vector<std::byte>(stream.Bytes().begin(), stream.Bytes().end()), Written(list));

  TObjectList copy;
  TRecordingFiler reader;
  copy.DefineProperties(reader);
  reader.read(stream);
  EXPECT_EQ(Values(copy), (std::vector<int32_t>{12}));
}

}  // namespace
