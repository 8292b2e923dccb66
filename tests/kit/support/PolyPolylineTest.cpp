// The poly-polyline builder: dropped repeats, collinear merging within the open polyline,
// ending polylines, and the outline clean-up used by the Milky Way and the deep-sky
// drawings.
#include "PolyPolyline.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using velarion::kit::TPolyPolyline;
using velplatform::TPoint;

// A point list with -1 in x ending the polyline being built (y is ignored).
using TSteps = std::vector<TPoint>;
constexpr TPoint kEnd{-1, 0};

void Build(TPolyPolyline& lines, const TSteps& steps) {
  for (TPoint p : steps) {
    if (p == kEnd) {
      lines.EndPolyline();
    } else {
      lines.AddPoint(p.x, p.y);
    }
  }
}

std::vector<TPoint> PointsOf(const TPolyPolyline& lines) {
  return {lines.Points().begin(), lines.Points().end()};
}

std::vector<int32_t> CountsOf(const TPolyPolyline& lines) {
  return {lines.Counts().begin(), lines.Counts().end()};
}

struct TCase {
  const char* what;
  TSteps steps;
  std::vector<TPoint> points;
  std::vector<int32_t> counts;
};

TEST(PolyPolyline, BuildsPolylinesPointByPoint) {
  const TCase cases[] = {
      {"collinear point replaces the last", {{0, 0}, {1, 1}, {2, 2}}, {{0, 0}, {2, 2}}, {}},
      {"then ended as one of two points", {{0, 0}, {1, 1}, {2, 2}, kEnd}, {{0, 0}, {2, 2}}, {2}},
      {"a single open point is dropped", {{5, 5}, kEnd}, {}, {}},
      {"a single point after a polyline is dropped",
       {{0, 0}, {3, 1}, kEnd, {9, 9}, kEnd},
       {{0, 0}, {3, 1}},
       {2}},
      {"nothing to end", {kEnd, kEnd}, {}, {}},
      {"a repeated point is ignored", {{0, 0}, {0, 0}, {3, 1}, {3, 1}}, {{0, 0}, {3, 1}}, {}},
      {"a repeated single point is still a single point", {{5, 5}, {5, 5}, kEnd}, {}, {}},
      {"a turn is kept", {{0, 0}, {4, 0}, {4, 3}, kEnd}, {{0, 0}, {4, 0}, {4, 3}}, {3}},
      {"going back along the line also replaces", {{0, 0}, {4, 0}, {2, 0}}, {{0, 0}, {2, 0}}, {}},
      {"no merge across polylines",
       {{0, 0}, {1, 1}, kEnd, {2, 2}, {3, 3}, kEnd},
       {{0, 0}, {1, 1}, {2, 2}, {3, 3}},
       {2, 2}},
      {"a new polyline may start at the last end",
       {{0, 0}, {1, 0}, kEnd, {1, 0}, {1, 5}, kEnd},
       {{0, 0}, {1, 0}, {1, 0}, {1, 5}},
       {2, 2}},
      // A right-angle turn whose cross product is 2^32: cut to 32 bits it would read as 0.
      {"large steps are compared exactly",
       {{0, 0}, {65536, 0}, {65536, 65536}},
       {{0, 0}, {65536, 0}, {65536, 65536}},
       {}},
  };
  for (const TCase& c : cases) {
    TPolyPolyline lines(10, 10);
    Build(lines, c.steps);
    EXPECT_EQ(PointsOf(lines), c.points) << c.what;
    EXPECT_EQ(CountsOf(lines), c.counts) << c.what;
  }
}

TEST(PolyPolyline, ReadAccessAndClear) {
  TPolyPolyline lines(0, 0);
  Build(lines, {{0, 0}, {4, 0}, {4, 3}, kEnd, {7, 7}, {9, 8}, kEnd});
  EXPECT_EQ(lines.PointCount(), 5);
  EXPECT_EQ(lines.PolylineCount(), 2);
  EXPECT_EQ(lines.PolylineLength(1), 2);
  EXPECT_EQ(lines.Point(3), (TPoint{7, 7}));
  lines.Clear();
  EXPECT_EQ(lines.PointCount(), 0);
  EXPECT_EQ(lines.PolylineCount(), 0);
  // The open polyline starts afresh: one point and an end leave nothing.
  Build(lines, {{1, 1}, kEnd});
  EXPECT_EQ(lines.PointCount(), 0);
}

TEST(PolyPolyline, DropSmallPolylinesAndJoinTheEnds) {
  const TCase cases[] = {
      {"two close points are dropped, a far pair stays",
       {{0, 0}, {10, 10}, {20, 0}, kEnd, {30, 30}, {33, 27}, kEnd, {100, 0}, {104, 0}, kEnd},
       {{0, 0}, {10, 10}, {20, 0}, {100, 0}, {104, 0}},
       {3, 2}},
      {"three close points stay", {{0, 0}, {1, 1}, {2, 0}, kEnd}, {{0, 0}, {1, 1}, {2, 0}}, {3}},
      {"the last is joined in front of the first when the ends meet",
       {{0, 0},
        {10, 10},
        {20, 0},
        kEnd,
        {30, 30},
        {31, 31},
        kEnd,
        {50, 50},
        {60, 40},
        {70, 50},
        {3, 3},
        kEnd},
       {{50, 50}, {60, 40}, {70, 50}, {3, 3}, {0, 0}, {10, 10}, {20, 0}},
       {7}},
      {"no join when the ends are apart by the tolerance",
       {{0, 0}, {10, 10}, {20, 0}, kEnd, {50, 50}, {60, 40}, {4, 0}, kEnd},
       {{0, 0}, {10, 10}, {20, 0}, {50, 50}, {60, 40}, {4, 0}},
       {3, 3}},
      {"no join of a single polyline with itself",
       {{0, 0}, {10, 10}, {20, 0}, {1, 1}, kEnd},
       {{0, 0}, {10, 10}, {20, 0}, {1, 1}},
       {4}},
  };
  for (const TCase& c : cases) {
    TPolyPolyline lines(10, 10);
    Build(lines, c.steps);
    lines.DropSmallPolylines(4);
    EXPECT_EQ(PointsOf(lines), c.points) << c.what;
    EXPECT_EQ(CountsOf(lines), c.counts) << c.what;
  }
}

TEST(PolyPolyline, DroppingKeepsThePolylineBeingBuiltOpen) {
  TPolyPolyline lines(10, 10);
  Build(lines, {{0, 0}, {10, 10}, {20, 0}, kEnd, {30, 30}, {31, 31}, kEnd, {70, 0}, {75, 9}});
  lines.DropSmallPolylines(4);
  lines.AddPoint(80, 0);
  lines.EndPolyline();
  EXPECT_EQ(PointsOf(lines),
            (std::vector<TPoint>{{0, 0}, {10, 10}, {20, 0}, {70, 0}, {75, 9}, {80, 0}}));
  EXPECT_EQ(CountsOf(lines), (std::vector<int32_t>{3, 3}));
}

// A zigzag of n points (no three on a line) whose last point is `last`.
TSteps Loop(int n, TPoint last) {
  TSteps steps;
  for (int i = 0; i < n - 1; ++i) steps.push_back({10 * i, (i % 2) * 10});
  steps.push_back(last);
  steps.push_back(kEnd);
  return steps;
}

TEST(PolyPolyline, SmallClosedLoop) {
  // Tolerance 5: more than 7 points with both ends less than 5 apart in x and y.
  const struct {
    const char* what;
    TSteps steps;
    bool closed;
  } cases[] = {
      {"8 points, ends 4 apart", Loop(8, {4, -4}), true},
      {"7 points", Loop(7, {4, -4}), false},
      {"ends 5 apart in x", Loop(8, {5, 0}), false},
      {"ends 5 apart in y", Loop(8, {0, 5}), false},
      {"two polylines",
       [] {
         TSteps steps = Loop(8, {4, -4});
         for (TPoint p : TSteps{{200, 0}, {210, 10}, kEnd}) steps.push_back(p);
         return steps;
       }(),
       false},
      {"nothing", {}, false},
  };
  for (const auto& c : cases) {
    TPolyPolyline lines(10, 10);
    Build(lines, c.steps);
    EXPECT_EQ(lines.IsSmallClosedLoop(5), c.closed) << c.what;
  }
}

}  // namespace
