// Polylines cut to a clip rectangle: crossings inserted, repeated points dropped, pieces
// capped, the shared buffer growing with what clipping adds.
#include "ClippedPolyline.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace velarion::sky;

const TRect kClip{0, 0, 10, 10};

TRect BoxOf(const std::vector<TPoint>& points) {
  TRect box{points[0].x, points[0].y, points[0].x, points[0].y};
  for (TPoint p : points) {
    box.left = std::min(box.left, p.x);
    box.right = std::max(box.right, p.x);
    box.top = std::min(box.top, p.y);
    box.bottom = std::max(box.bottom, p.y);
  }
  return box;
}

struct TCase {
  const char* what;
  std::vector<TPoint> polyline;
  std::vector<TPoint> points;
  std::vector<int32_t> counts;
};

TEST(ClippedPolyline, PiecesInsideTheRectangle) {
  const TCase cases[] = {
      {"inside: drawn as given, repeats kept",
       {{1, 1}, {1, 1}, {5, 5}},
       {{1, 1}, {1, 1}, {5, 5}},
       {3}},
      {"outside: nothing", {{20, 20}, {30, 25}}, {}, {}},
      {"enters and leaves", {{-10, 5}, {5, 5}, {5, 20}}, {{0, 5}, {5, 5}, {5, 10}}, {3}},
      {"passes through", {{-5, 5}, {15, 5}}, {{0, 5}, {10, 5}}, {2}},
      {"clipped loses repeats", {{-5, 5}, {2, 5}, {2, 5}, {15, 5}}, {{0, 5}, {2, 5}, {10, 5}}, {3}},
      {"leaves and comes back",
       {{2, 2}, {2, 20}, {8, 20}, {8, 2}},
       {{2, 2}, {2, 10}, {8, 10}, {8, 2}},
       {2, 2}},
      {"touches a corner only", {{-5, 5}, {5, -5}}, {}, {}},
      // Crossings computed with 64-bit products: the diagonal through the corners.
      {"huge coordinates",
       {{-1000000000, -1000000000}, {1000000000, 1000000000}},
       {{0, 0}, {10, 10}},
       {2}},
  };
  TPolylineClipper clipper;
  for (const TCase& c : cases) {
    const TPolyPolyline& out = clipper.Clip(c.polyline, BoxOf(c.polyline), kClip);
    EXPECT_EQ(out.points, c.points) << c.what;
    EXPECT_EQ(out.counts, c.counts) << c.what;
  }
}

TEST(ClippedPolyline, AtMost800PiecesAndTheBufferGrowsAsNeeded) {
  // A zigzag whose every segment crosses the rectangle from outside to outside.
  std::vector<TPoint> zigzag;
  for (int i = 0; i < 2000; ++i) zigzag.push_back({i % 2 == 0 ? -5 : 15, 5});
  TPolylineClipper clipper;
  clipper.MakeReady(10);
  EXPECT_EQ(clipper.Capacity(), 12u);
  const TPolyPolyline& out = clipper.Clip(zigzag, BoxOf(zigzag), kClip);
  EXPECT_EQ(out.counts.size(), static_cast<std::size_t>(TPolylineClipper::kMaxPieces));
  EXPECT_EQ(out.points.size(), 2u * TPolylineClipper::kMaxPieces);
  clipper.MakeReady(0);
  EXPECT_EQ(clipper.Capacity(), 0u);
}

TEST(ClippedPolyline, SharedClipperStartsWith4800PointsReady) {
  EXPECT_GE(SharedPolylineClipper().Capacity(), 4800u);
}

}  // namespace
