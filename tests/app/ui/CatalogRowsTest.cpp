#include "CatalogRows.h"

#include "ObjectGroup.h"
#include "SkyObj.h"
#include "StdGroup.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace velarion::ui {
namespace {

// A group that offers the views it is told to.
class TViewsGroup final : public kit::TObjectGroup {
 public:
  TViewsGroup(std::string code, bool quick, bool detailed)
      : code_(std::move(code)), quick_(quick), detailed_(detailed) {}
  void Init() override {
    Code = code_;
    ShowInQuickView = quick_;
    ShowInDetailedView = detailed_;
  }

 private:
  std::string code_;
  bool quick_;
  bool detailed_;
};

// A list of groups: both views, quick only, detailed only; all shown where offered.
class CatalogRowsTest : public testing::Test {
 protected:
  CatalogRowsTest() {
    for (auto [code, quick, detailed] :
         {std::tuple{"BOTH", true, true}, std::tuple{"QUICK", true, false},
          std::tuple{"DETAIL", false, true}}) {
      groups::TGroupListElement& element = list_.AddNewGroup(true);
      element.SetGroup(
          std::make_unique<groups::TStdGroup>(kit::MakeGroup<TViewsGroup>(code, quick, detailed)));
      element.SetVisibleInQuickView(true);
      element.SetVisibleInDetailedView(true);
    }
  }
  std::vector<std::string> Order() const {
    std::vector<std::string> codes;
    for (int32_t i = 0; i < list_.Count(); ++i) codes.push_back(list_.Element(i).Group()->Code);
    return codes;
  }

  groups::TGroupList list_;
};

TEST_F(CatalogRowsTest, SpaceStepsBothViewsThroughTheirFourStates) {
  TCatalogRows rows(list_);
  rows.ToggleQuick(0);
  rows.ToggleDetailed(0);  // off/off
  const std::pair<bool, bool> expected[] = {
      {false, true}, {true, false}, {true, true}, {false, false}};
  for (const auto& [quick, detailed] : expected) {
    rows.StepViews(0);
    EXPECT_EQ(rows.Rows()[0].quick, quick);
    EXPECT_EQ(rows.Rows()[0].detailed, detailed);
  }
  rows.StepViews(1);  // a group of one view switches that view only
  EXPECT_FALSE(rows.Rows()[1].quick);
  EXPECT_FALSE(rows.Rows()[1].detailed);
}

TEST_F(CatalogRowsTest, AViewTheGroupDoesNotOfferStaysOff) {
  TCatalogRows rows(list_);
  rows.ToggleDetailed(1);
  rows.ToggleQuick(2);
  EXPECT_FALSE(rows.Rows()[1].detailed);
  EXPECT_FALSE(rows.Rows()[2].quick);
}

TEST_F(CatalogRowsTest, OrderAndViewsReachTheListOnlyWhenApplied) {
  {
    TCatalogRows cancelled(list_);
    EXPECT_EQ(cancelled.MoveUp(1), 0);
    cancelled.ToggleQuick(0);
  }
  EXPECT_EQ(Order(), (std::vector<std::string>{"BOTH", "QUICK", "DETAIL"}));
  EXPECT_TRUE(list_.Element(1).VisibleInQuickView());

  TCatalogRows rows(list_);
  EXPECT_EQ(rows.MoveUp(0), 0);    // not past the first
  EXPECT_EQ(rows.MoveDown(2), 2);  // nor the last
  EXPECT_EQ(rows.Move(2, 0), 0);   // dragged to the top; the others shift down
  rows.ToggleQuick(2);             // QUICK, now third, off in the quick view
  rows.Apply(list_);
  EXPECT_EQ(Order(), (std::vector<std::string>{"DETAIL", "BOTH", "QUICK"}));
  EXPECT_FALSE(list_.Element(2).VisibleInQuickView());
  EXPECT_TRUE(list_.Element(1).VisibleInQuickView());
  EXPECT_TRUE(list_.Element(0).VisibleInDetailedView());
}

}  // namespace
}  // namespace velarion::ui
