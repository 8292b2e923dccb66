// The plug-in object list: capacity in multiples of Delta, the reported "List error",
// ownership chosen at creation, and the order in which an owning list destroys its items.
#include "ObjectList.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using velarion::kit::TObjectList;

// Writes its number into a shared log when destroyed.
class TLogged {
 public:
  TLogged(int number, std::vector<int>* log) : number(number), log_(log) {}
  ~TLogged() {
    if (log_ != nullptr) log_->push_back(number);
  }
  int number;

 private:
  std::vector<int>* log_;
};

struct TReports {
  std::vector<std::string> lines;
  velarion::kit::TListErrorReport Recorder() {
    return [this](std::string_view title, std::string_view message) {
      lines.push_back(std::string(title) + ": " + std::string(message));
    };
  }
};

using TList = TObjectList<TLogged>;

void Fill(TList& list, int count, std::vector<int>* log) {
  for (int i = 1; i <= count; ++i) list.Add(std::make_unique<TLogged>(i, log));
}

TEST(KitObjectList, CreationSetsDeltaToAThirdAndRoundsTheCapacityUp) {
  const struct {
    int32_t requested;
    int32_t delta;
    int32_t capacity;
  } cases[] = {{10, 3, 12}, {0, 1, 0},  {-5, 1, 0},       {2, 1, 3},
               {3, 1, 4},   {9, 3, 12}, {1000, 333, 1332}};
  for (const auto& c : cases) {
    TList list(true, c.requested);
    EXPECT_EQ(list.Delta(), c.delta) << c.requested;
    EXPECT_EQ(list.Capacity(), c.capacity) << c.requested;
  }
}

TEST(KitObjectList, GrowsToTheNextMultipleOfDeltaWhenFull) {
  TList list(true, 10);
  Fill(list, 12, nullptr);
  EXPECT_EQ(list.Capacity(), 12);
  list.Add(std::make_unique<TLogged>(13, nullptr));
  EXPECT_EQ(list.Capacity(), 15);

  TList fromEmpty(true, 0);
  std::vector<int32_t> capacities;
  for (int i = 0; i < 5; ++i) {
    fromEmpty.Add(std::make_unique<TLogged>(i, nullptr));
    capacities.push_back(fromEmpty.Capacity());
  }
  EXPECT_EQ(capacities, (std::vector<int32_t>{2, 2, 4, 4, 6}));
}

TEST(KitObjectList, SetCapacityNeverDropsItems) {
  TList list(true, 10);
  Fill(list, 5, nullptr);
  const struct {
    int32_t requested;
    int32_t capacity;
  } cases[] = {{0, 12}, {-1, 12}, {2, 12}, {5, 6}, {20, 21}, {11, 12}};
  for (const auto& c : cases) {
    list.SetCapacity(c.requested);
    EXPECT_EQ(list.Capacity(), c.capacity) << c.requested;
    EXPECT_EQ(list.Count(), 5) << c.requested;
  }
  EXPECT_EQ(list.Items(4)->number, 5);
}

TEST(KitObjectList, ItemsOutOfRangeReportsListErrorAndGivesNothing) {
  TReports reports;
  TList list(true, 3, reports.Recorder());
  Fill(list, 2, nullptr);
  EXPECT_EQ(list.Items(1)->number, 2);
  EXPECT_TRUE(reports.lines.empty());
  EXPECT_EQ(list.Items(2), nullptr);
  EXPECT_EQ(list.Items(-1), nullptr);
  EXPECT_EQ(reports.lines, (std::vector<std::string>{"Error: List error", "Error: List error"}));
}

TEST(KitObjectList, TheDefaultReportGoesToStandardError) {
  TList list(true, 0);
  testing::internal::CaptureStderr();
  EXPECT_EQ(list.Items(0), nullptr);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Error: List error\n");
}

TEST(KitObjectList, AnOwningListDestroysFromTheLastItemDown) {
  std::vector<int> log;
  TList list(true, 10);
  Fill(list, 5, &log);
  list.Truncate(2);
  EXPECT_EQ(log, (std::vector<int>{5, 4, 3}));
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(list.Capacity(), 3);

  list.Truncate(-1);
  EXPECT_EQ(log, (std::vector<int>{5, 4, 3, 2, 1}));
  EXPECT_EQ(list.Capacity(), 0);
}

TEST(KitObjectList, FreeAllAndDestructionDestroyEveryOwnedItem) {
  std::vector<int> log;
  {
    TList list(true, 4);
    Fill(list, 3, &log);
    list.FreeAll();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Capacity(), 0);
    EXPECT_EQ(log.size(), 3u);
    Fill(list, 2, &log);
  }
  EXPECT_EQ(log, (std::vector<int>{3, 2, 1, 2, 1}));
}

TEST(KitObjectList, AListThatDoesNotOwnItsItemsNeverDestroysThem) {
  std::vector<int> log;
  TLogged a(1, &log), b(2, &log), c(3, &log);
  {
    TList list(false, 3);
    for (TLogged* item : {&a, &b, &c}) list.Add(*item);
    list.Truncate(1);
    EXPECT_EQ(list.Items(0), &a);
    list.FreeAll();
    list.Add(b);
  }
  EXPECT_TRUE(log.empty());
}

TEST(KitObjectList, TheWrongFormOfAddIsReportedAndRefused) {
  std::vector<int> log;
  TReports reports;
  TList owning(true, 3, reports.Recorder());
  TLogged lent(1, &log);
  owning.Add(lent);
  TList lending(false, 3, reports.Recorder());
  lending.Add(std::make_unique<TLogged>(2, &log));
  EXPECT_EQ(owning.Count(), 0);
  EXPECT_EQ(lending.Count(), 0);
  EXPECT_EQ(reports.lines.size(), 2u);
  // The refused unique object is not kept anywhere; the lent one is untouched.
  EXPECT_EQ(log, std::vector<int>{2});
}

TEST(KitObjectList, ForEachVisitsInOrder) {
  TList list(true, 3);
  Fill(list, 4, nullptr);
  std::vector<int> seen;
  list.ForEach([&seen](TLogged& item) { seen.push_back(item.number); });
  EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4}));
}

}  // namespace
