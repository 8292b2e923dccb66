// The group base: its defaults, its view helpers and its life.
#include "ObjectGroup.h"

#include <gtest/gtest.h>

namespace {

using namespace velarion::kit;

TEST(ObjectGroup, FreshGroupAnswersNoToEverything) {
  const TGroupPtr group = MakeGroup<TObjectGroup>();
  EXPECT_EQ(group->GetObjectCount(), 0);
  EXPECT_EQ(group->GetObjectName(1), "");
  TZStrings lines;
  group->GetObjectStrings(1, lines);
  EXPECT_EQ(lines.Count(), 0);
  EXPECT_EQ(group->SelectObjectForSearch(0), -1);
  TObjectRect rect;
  double ra = 0, dec = 0;
  int32_t x = 0, y = 0;
  TCommonObject common;
  std::byte buffer[8];
  EXPECT_FALSE(group->GetObjectRect(1, rect));
  EXPECT_FALSE(group->GetObjectRaDec(1, ra, dec));
  EXPECT_FALSE(group->GetObjectXY(1, x, y));
  EXPECT_EQ(group->GetObjectData(1, buffer), 0);
  EXPECT_FALSE(group->GetFObjectData(1, common));
  EXPECT_FALSE(group->AdvancedInfo(0, 1, 1));
  EXPECT_FALSE(group->EditOptions(0));
  EXPECT_FALSE(group->AdvancedAction(0));
  EXPECT_EQ(group->Code, "DEFLT");
  EXPECT_EQ(group->Info().flags, kFlagSelectable | kFlagShowInQuickView | kFlagShowInDetailedView);
}

TEST(ObjectGroup, SymbolSizeForMagnitude) {
  TObjectGroup g;
  g.View.symbolSizes = 8;
  g.View.magnitudeLimitObjects = 600;
  EXPECT_EQ(g.SymbolSizeForMagnitude(-150), 8);
  EXPECT_EQ(g.SymbolSizeForMagnitude(600), 1);
  EXPECT_EQ(g.SymbolSizeForMagnitude(225), 4);
  EXPECT_EQ(g.SymbolSizeForMagnitude(2000), 1);  // clamped
  EXPECT_EQ(g.SymbolSizeForMagnitude(-2000), 8);
  g.View.magnitudeLimitObjects = -150;  // L = 0
  EXPECT_EQ(g.SymbolSizeForMagnitude(100), 1);
}

TEST(ObjectGroup, ViewTests) {
  TObjectGroup g;
  g.RaDecWindow = {350.0, 370.0, -10.0, 10.0};
  EXPECT_TRUE(g.IsRaDecInView(5.0, 0.0));
  EXPECT_FALSE(g.IsRaDecInView(340.0, 0.0));
  EXPECT_TRUE(g.IsRaDecInView(355.0, 10.0));
  EXPECT_FALSE(g.IsRaDecInView(355.0, 10.5));
  EXPECT_TRUE(g.IsRaDecRectInView(2.0, -1.0, 4.0, 1.0));  // shifted by a turn first
  EXPECT_FALSE(g.IsRaDecRectInView(20.0, -1.0, 30.0, 1.0));
  EXPECT_FALSE(g.IsRaDecRectInView(355.0, 11.0, 356.0, 12.0));
  g.ViewRect = {0, 100, 0, 50};  // left, right, top, bottom
  EXPECT_TRUE(g.IsPointInView(100, 50));
  EXPECT_FALSE(g.IsPointInView(101, 50));
  EXPECT_TRUE(g.IsRectInView({90, 40, 200, 80}));
  EXPECT_FALSE(g.IsRectInView({101, 0, 200, 10}));
  g.ObjectCount = 3;
  EXPECT_TRUE(g.IsValidIndex(3));
  EXPECT_FALSE(g.IsValidIndex(0));
  EXPECT_FALSE(g.IsValidIndex(4));
}

class TCountingGroup : public TObjectGroup {
 public:
  explicit TCountingGroup(int& frees) : frees_(frees) {}
  void Init() override { Code = "COUNT"; }
  void FreeResources() override {
    ++frees_;
    TObjectGroup::FreeResources();
  }

 private:
  int& frees_;
};

TEST(ObjectGroup, FactoryInitsAndOwnerFreesResourcesOnce) {
  int frees = 0;
  {
    TGroupPtr group = MakeGroup<TCountingGroup>(frees);
    EXPECT_EQ(group->Code, "COUNT");
    EXPECT_TRUE(group->InitResources(0));
    EXPECT_TRUE(group->ResourcesReady);
  }
  EXPECT_EQ(frees, 1);
  { TGroupPtr idle = MakeGroup<TCountingGroup>(frees); }
  EXPECT_EQ(frees, 1);  // never ready, nothing to free
}

}  // namespace
