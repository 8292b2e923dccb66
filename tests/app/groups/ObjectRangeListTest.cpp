// Runs of visible objects and the walk that draws them.
#include "ObjectRangeList.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace velarion::groups;

std::vector<int32_t> Walked(const TObjectRangeList& list) {
  std::vector<int32_t> numbers;
  TObjectRangeWalk walk(list);
  for (int32_t n = walk.Next(); n != -1; n = walk.Next()) numbers.push_back(n);
  EXPECT_EQ(walk.Next(), -1);  // stays at the end
  return numbers;
}

TEST(ObjectRangeList, ReportedNumbersBecomeRunsAndWalkBack) {
  TObjectRangeList list;
  for (int32_t n : {3, 4, 5, 9, 10, 0, -2}) list.AddNumber(n);
  EXPECT_EQ(list.Runs(), (std::vector<TObjectRange>{{3, 5}, {9, 10}}));
  EXPECT_EQ(Walked(list), (std::vector<int32_t>{3, 4, 5, 9, 10}));
  list.Clear();
  EXPECT_TRUE(list.Empty());
  EXPECT_TRUE(Walked(list).empty());
}

TEST(ObjectRangeList, OlderPluginRunsAreKeptAsGiven) {
  TObjectRangeList list;
  list.AddRun(3, 5);
  list.AddRun(6, 6);
  EXPECT_EQ(list.Runs(), (std::vector<TObjectRange>{{3, 5}, {6, 6}}));
  TObjectRangeWalk walk(list);
  int32_t first = 0, last = 0;
  ASSERT_TRUE(walk.NextRun(first, last));
  EXPECT_EQ(first, 3);
  ASSERT_TRUE(walk.NextRun(first, last));
  EXPECT_EQ(last, 6);
  EXPECT_FALSE(walk.NextRun(first, last));
}

}  // namespace
