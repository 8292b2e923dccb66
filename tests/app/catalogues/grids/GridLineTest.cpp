// Points of a grid line: the merge rule, runs, and the boxes.
#include "GridLine.h"

#include <gtest/gtest.h>

namespace {

using namespace velarion::catalogues;

TEST(GridLine, AMidwayPointIsReplacedAndARepeatedOneSkipped) {
  TPointRuns runs;
  for (TPoint p : {TPoint{0, 0}, TPoint{1, 1}, TPoint{2, 2}, TPoint{3, 3}, TPoint{3, 3},
                   TPoint{5, 4}, TPoint{7, 4}}) {
    runs.Add(p);
  }
  // (1,1) lies midway between (0,0) and (2,2); (2,2) is not midway between (0,0) and
  // (3,3); the second (3,3) is skipped; (5,4) is not midway between (3,3) and (7,4).
  const std::vector<TPoint> expected{{0, 0}, {2, 2}, {3, 3}, {5, 4}, {7, 4}};
  EXPECT_EQ(runs.Points(), expected);
}

TEST(GridLine, DoublingStepsCollapseToTheEnds) {
  TPointRuns runs;
  for (TPoint p : {TPoint{0, 0}, TPoint{1, 0}, TPoint{2, 0}, TPoint{4, 0}, TPoint{8, 0}}) {
    runs.Add(p);
  }
  EXPECT_EQ(runs.Points(), (std::vector<TPoint>{{0, 0}, {8, 0}}));
}

TEST(GridLine, RunsAreNotMergedAcrossABreak) {
  TPointRuns runs;
  runs.Add({0, 0});
  runs.Add({1, 0});
  runs.Break();
  runs.Break();  // an empty run is no run
  runs.Add({2, 0});
  runs.Add({2, 0});
  runs.Add({3, 0});
  const std::vector<TPoint> points{{0, 0}, {1, 0}, {2, 0}, {3, 0}};
  EXPECT_EQ(runs.Points(), points);
  EXPECT_EQ(runs.Counts(), (std::vector<int32_t>{2, 2}));
}

TEST(GridLine, ResetForgetsEverything) {
  TGridLine line;
  line.AddPoint({4, 5});
  line.AddPoint({-2, 9});
  line.visible = true;
  line.labels[0] = {1, 1};
  EXPECT_EQ(line.rect.Rect(), (TRect{-2, 5, 4, 9}));
  line.Reset();
  EXPECT_FALSE(line.visible);
  EXPECT_TRUE(line.rect.Empty());
  EXPECT_TRUE(line.points.Empty());
  EXPECT_EQ(line.labels[0], kNoLabel);
}

}  // namespace
