#include "ZStrings.h"

#include <gtest/gtest.h>

namespace {

using namespace velarion::kit;

TEST(ZStrings, CountsEveryZeroAndAddsOne) {
  TZStrings s;
  s.AddText(std::string("a\0b\0", 4));
  s.Add("c");
  EXPECT_EQ(s.Count(), 3);
  EXPECT_EQ(s.Text(), std::string("a\0b\0c\0", 6));
  EXPECT_EQ(s.Entries(), (std::vector<std::string>{"a", "b", "c"}));
  s.Clear();
  EXPECT_EQ(s.Count(), 0);
  EXPECT_TRUE(s.Text().empty());
}

TEST(ZStrings, CutAfterEntriesKeepsTheCountedOnes) {
  const std::string three("one\0two\0three\0", 14);
  EXPECT_EQ(CutAfterEntries(three, 2), std::string("one\0two\0", 8));
  EXPECT_EQ(CutAfterEntries(three, 0), "");
  EXPECT_EQ(CutAfterEntries(three, -1), "");
  EXPECT_EQ(CutAfterEntries(three, 9), three);
}

}  // namespace
