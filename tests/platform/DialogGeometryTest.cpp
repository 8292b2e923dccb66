// Controls stretched from their table places to the room their texts need.
#include "DialogGeometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>
#include <vector>

namespace {

using namespace velplatform;

auto Tie(const TDialogRect& r) { return std::tuple(r.x, r.y, r.width, r.height); }
int32_t Right(const TDialogRect& r) { return r.x + r.width; }
int32_t Bottom(const TDialogRect& r) { return r.y + r.height; }

bool Apart(const TDialogRect& a, const TDialogRect& b) {
  return Right(a) <= b.x || Right(b) <= a.x || Bottom(a) <= b.y || Bottom(b) <= a.y;
}

// A label and an edit in a row; under them two buttons, the first reaching across the
// label's right edge.
std::vector<TControlRoom> Row(int32_t labelNeed) {
  return {
      {{4, 6, 70, 8}, labelNeed, 8},
      {{76, 4, 80, 12}, 0, 12},
      {{56, 72, 62, 16}, 40, 16},
      {{124, 72, 62, 16}, 40, 16},
  };
}

TEST(DialogGeometry, ATableWithRoomEnoughIsKept) {
  const std::vector<TControlRoom> controls = Row(70);
  const TStretchedLayout layout = StretchToNeeds(controls, 190, 92);
  for (std::size_t i = 0; i < controls.size(); ++i) {
    EXPECT_EQ(Tie(layout.rects[i]), Tie(controls[i].rect)) << i;
  }
  EXPECT_EQ(layout.width, 190);
  EXPECT_EQ(layout.height, 92);
}

TEST(DialogGeometry, AGrownControlPushesWhatFollowsAndWidensWhatSpansIt) {
  const TStretchedLayout layout = StretchToNeeds(Row(100), 190, 92);
  EXPECT_EQ(Tie(layout.rects[0]), Tie({4, 6, 100, 8}));
  EXPECT_EQ(Tie(layout.rects[1]), Tie({106, 4, 80, 12}));  // moved along, its own size
  EXPECT_EQ(Tie(layout.rects[2]), Tie({56, 72, 92, 16}));  // spans the widened interval
  EXPECT_EQ(Tie(layout.rects[3]), Tie({154, 72, 62, 16}));
  EXPECT_EQ(layout.width, 220);
  EXPECT_EQ(layout.height, 92);  // nothing needed more height
}

TEST(DialogGeometry, AFrameKeepsItsInsetsAndGrowsWithWhatItSurrounds) {
  // A box whose title needs 14 pixels above its check box where the table leaves 8, the
  // check box needing 120 of its 60; a button below the box.
  const std::vector<TControlRoom> controls = {
      {{4, 2, 100, 40}, 50, 20, TInsets{2, 14, 2, 2}},
      {{10, 10, 60, 10}, 120, 10},
      {{4, 44, 40, 12}, 0, 12},
  };
  const TStretchedLayout layout = StretchToNeeds(controls, 110, 60);
  EXPECT_EQ(Tie(layout.rects[1]), Tie({10, 16, 120, 10}));
  EXPECT_EQ(Tie(layout.rects[0]), Tie({4, 2, 160, 46}));  // the table's margins kept
  EXPECT_EQ(Tie(layout.rects[2]), Tie({4, 50, 40, 12}));
  EXPECT_EQ(layout.width, 170);
  EXPECT_EQ(layout.height, 66);
}

// Random tables of controls that do not overlap, with random needs: every need is met, no
// control shrinks, what was apart stays apart, the order of edges is kept, and the
// surface holds everything.
TEST(DialogGeometry, RandomTablesStayApartAndGetTheirRoom) {
  std::mt19937 random(20240611);
  std::uniform_int_distribution<int32_t> place(0, 180);
  std::uniform_int_distribution<int32_t> length(4, 40);
  std::uniform_int_distribution<int32_t> need(0, 80);
  for (int table = 0; table < 200; ++table) {
    std::vector<TControlRoom> controls;
    for (int attempt = 0; attempt < 40; ++attempt) {
      const TDialogRect r{place(random), place(random), length(random), length(random)};
      const bool free = std::all_of(controls.begin(), controls.end(),
                                    [&r](const TControlRoom& c) { return Apart(c.rect, r); });
      if (free) controls.push_back({r, need(random), need(random)});
    }
    const TStretchedLayout layout = StretchToNeeds(controls, 220, 220);
    ASSERT_EQ(layout.rects.size(), controls.size());
    for (std::size_t i = 0; i < controls.size(); ++i) {
      const TDialogRect& r = layout.rects[i];
      const TDialogRect& table = controls[i].rect;
      EXPECT_GE(r.width, std::max(controls[i].minWidth, table.width));
      EXPECT_GE(r.height, std::max(controls[i].minHeight, table.height));
      EXPECT_GE(r.x, table.x);
      EXPECT_GE(r.y, table.y);
      EXPECT_LE(Right(r), layout.width);
      EXPECT_LE(Bottom(r), layout.height);
      for (std::size_t j = 0; j < controls.size(); ++j) {
        const TDialogRect& other = layout.rects[j];
        if (i == j) continue;
        EXPECT_TRUE(Apart(r, other)) << table.x << "," << table.y;
        if (Right(table) <= controls[j].rect.x) {
          EXPECT_LE(Right(r), other.x);
        }
        if (Bottom(table) <= controls[j].rect.y) {
          EXPECT_LE(Bottom(r), other.y);
        }
      }
    }
  }
}

}  // namespace
