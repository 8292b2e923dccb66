// The dynamic arrays: capacity moving in steps of Delta both ways, deletion and bounds of
// the checked access, and the typed forms.
#include "DynamicArray.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using velarion::kit::TDynamicArray;
using velarion::kit::TDynamicIntegerArray;
using velarion::kit::TDynamicPointArray;
using velarion::kit::TDynamicRaDecArray;
using velarion::kit::TRaDecArcmin;

std::vector<int32_t> ValuesOf(const TDynamicIntegerArray& array) {
  return {array.Items().begin(), array.Items().end()};
}

TEST(DynamicArray, StartsEmptyWithDeltaHundredAndDeltaIsAtLeastOne) {
  TDynamicIntegerArray array;
  EXPECT_EQ(array.Count(), 0);
  EXPECT_EQ(array.Capacity(), 0);
  EXPECT_EQ(array.Delta(), 100);
  array.SetDelta(0);
  EXPECT_EQ(array.Delta(), 1);
  array.SetDelta(-7);
  EXPECT_EQ(array.Delta(), 1);
}

TEST(DynamicArray, ReserveStepsByDeltaToTheSmallestCapacityThatHolds) {
  const struct {
    const char* what;
    int32_t delta;
    int32_t countBefore;
    int32_t capacityBefore;  // reached from empty with Delta set to it
    int32_t reserve;
    int32_t capacity;
  } cases[] = {
      {"first room", 100, 0, 0, 1, 100},
      {"exact multiple", 100, 0, 0, 300, 300},
      {"just above a multiple", 100, 0, 0, 301, 400},
      {"shrinks while a step less still holds", 100, 0, 500, 120, 200},
      {"shrinks down to one step", 100, 0, 500, 1, 100},
      {"stays when it already fits tightly", 100, 0, 300, 250, 300},
      {"nothing when the items already number n", 3, 5, 9, 4, 9},
      {"grows from a capacity off the grid of Delta", 3, 0, 7, 9, 10},
  };
  for (const auto& c : cases) {
    TDynamicIntegerArray array;
    array.SetDelta(c.capacityBefore > 0 ? c.capacityBefore : c.delta);
    array.Reserve(c.capacityBefore);
    for (int32_t i = 0; i < c.countBefore; ++i) array.AddValue(i);
    array.SetDelta(c.delta);
    ASSERT_EQ(array.Capacity(), c.capacityBefore) << c.what;
    array.Reserve(c.reserve);
    EXPECT_EQ(array.Capacity(), c.capacity) << c.what;
    EXPECT_EQ(array.Count(), c.countBefore) << c.what;
  }
}

TEST(DynamicArray, AddKeepsTheItemsAcrossEveryReallocation) {
  TDynamicIntegerArray array;
  array.SetDelta(2);
  std::vector<int32_t> expected;
  std::vector<int32_t> capacities;
  for (int32_t v = 10; v < 15; ++v) {
    array.AddValue(v);
    expected.push_back(v);
    capacities.push_back(array.Capacity());
  }
  EXPECT_EQ(ValuesOf(array), expected);
  EXPECT_EQ(capacities, (std::vector<int32_t>{2, 2, 4, 4, 6}));
}

TEST(DynamicArray, DeleteMovesTheFollowingItemsDownAndKeepsTheCapacity) {
  TDynamicIntegerArray array;
  array.SetDelta(4);
  for (int32_t v : {1, 2, 3, 4, 5}) array.AddValue(v);
  ASSERT_EQ(array.Capacity(), 8);

  array.Delete(1);
  EXPECT_EQ(ValuesOf(array), (std::vector<int32_t>{1, 3, 4, 5}));
  array.Delete(array.Count() - 1);
  EXPECT_EQ(ValuesOf(array), (std::vector<int32_t>{1, 3, 4}));
  for (int32_t outside : {-1, 3, 100}) array.Delete(outside);
  EXPECT_EQ(ValuesOf(array), (std::vector<int32_t>{1, 3, 4}));
  EXPECT_EQ(array.Capacity(), 8);
}

TEST(DynamicArray, SafeItemGivesNothingOutsideTheItemsInUse) {
  TDynamicIntegerArray array;
  for (int32_t v : {7, 8}) array.AddValue(v);
  EXPECT_EQ(array.SafeItem(1), array.Item(1));
  EXPECT_EQ(*array.SafeItem(1), 8);
  // Index 2 lies inside the storage block (capacity 100) but is not in use.
  EXPECT_EQ(array.SafeItem(2), nullptr);
  EXPECT_EQ(array.SafeItem(-1), nullptr);
}

TEST(DynamicArray, ClearFreesTheStorage) {
  TDynamicIntegerArray array;
  array.AddValue(1);
  array.Clear();
  EXPECT_EQ(array.Count(), 0);
  EXPECT_EQ(array.Capacity(), 0);
  EXPECT_EQ(array.SafeItem(0), nullptr);
}

TEST(DynamicArray, TypedFormsHoldTheirItems) {
  TDynamicPointArray points;
  points.Add({-3, 2147483647});
  points.Add({5, -6});
  EXPECT_EQ(points.Items()[0], (velplatform::TPoint{-3, 2147483647}));
  EXPECT_EQ(points.Items()[1], (velplatform::TPoint{5, -6}));

  TDynamicRaDecArray vertices;
  vertices.Add({21599, -5400});
  EXPECT_EQ(*vertices.Item(0), (TRaDecArcmin{21599, -5400}));
}

}  // namespace
