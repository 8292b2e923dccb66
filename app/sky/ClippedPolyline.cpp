#include "ClippedPolyline.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace velarion::sky {

namespace {

constexpr int32_t kSharedPoints = 4000;

// (numerator / denominator) rounded to nearest; 64-bit products of pixel coordinates.
int32_t RoundedQuotient(int64_t numerator, int64_t denominator) {
  return static_cast<int32_t>(
      std::nearbyint(static_cast<double>(numerator) / static_cast<double>(denominator)));
}

// Where segment a-b meets the vertical line x = X, when it does between its ends.
std::optional<TPoint> CrossVertical(TPoint a, TPoint b, int32_t x) {
  if (x < std::min(a.x, b.x) || x > std::max(a.x, b.x)) return std::nullopt;
  if (a.x == b.x) return TPoint{x, static_cast<int32_t>((int64_t{a.y} + b.y) / 2)};
  const int64_t y = b.y + static_cast<int64_t>(RoundedQuotient(
                              int64_t{x - b.x} * (int64_t{b.y} - a.y), int64_t{b.x} - a.x));
  return TPoint{x, static_cast<int32_t>(y)};
}

std::optional<TPoint> CrossHorizontal(TPoint a, TPoint b, int32_t y) {
  if (y < std::min(a.y, b.y) || y > std::max(a.y, b.y)) return std::nullopt;
  if (a.y == b.y) return TPoint{static_cast<int32_t>((int64_t{a.x} + b.x) / 2), y};
  const int64_t x = b.x + static_cast<int64_t>(RoundedQuotient(
                              int64_t{y - b.y} * (int64_t{b.x} - a.x), int64_t{b.y} - a.y));
  return TPoint{static_cast<int32_t>(x), y};
}

// The crossings of a-b with the clip border, in the order left, right, top, bottom; a
// crossing off the border's extent or at an end of the segment does not count.
std::vector<TPoint> Crossings(TPoint a, TPoint b, const TRect& clip) {
  const std::optional<TPoint> candidates[] = {
      CrossVertical(a, b, clip.left), CrossVertical(a, b, clip.right),
      CrossHorizontal(a, b, clip.top), CrossHorizontal(a, b, clip.bottom)};
  std::vector<TPoint> found;
  for (const auto& c : candidates) {
    if (c && clip.Contains(*c) && *c != a && *c != b &&
        std::find(found.begin(), found.end(), *c) == found.end()) {
      found.push_back(*c);
    }
  }
  return found;
}

int64_t SquaredDistance(TPoint a, TPoint b) {
  const int64_t dx = int64_t{a.x} - b.x;
  const int64_t dy = int64_t{a.y} - b.y;
  return dx * dx + dy * dy;
}

}  // namespace

void TPolylineClipper::MakeReady(int32_t points) {
  if (points <= 0) {
    buffer_ = {};
    return;
  }
  const auto wanted = static_cast<std::size_t>(points) * 6 / 5;
  if (buffer_.points.capacity() < wanted) buffer_.points.reserve(wanted);
}

void TPolylineClipper::StartPiece() { pieceStart_ = buffer_.points.size(); }

void TPolylineClipper::AddPoint(TPoint p) {
  if (buffer_.points.size() > pieceStart_ && buffer_.points.back() == p) return;
  buffer_.points.push_back(p);
}

void TPolylineClipper::ClosePiece() {
  const std::size_t n = buffer_.points.size() - pieceStart_;
  if (n >= 2) {
    buffer_.counts.push_back(static_cast<int32_t>(n));
  } else {
    buffer_.points.resize(pieceStart_);
  }
  pieceStart_ = buffer_.points.size();
}

const TPolyPolyline& TPolylineClipper::Clip(std::span<const TPoint> points, const TRect& box,
                                            const TRect& clip) {
  buffer_.Clear();
  pieceStart_ = 0;
  if (points.empty() || !clip.Intersects(box)) return buffer_;
  if (clip.Contains(box)) {
    buffer_.points.assign(points.begin(), points.end());
    buffer_.counts.push_back(static_cast<int32_t>(points.size()));
    return buffer_;
  }
  if (clip.Contains(points[0])) AddPoint(points[0]);
  for (std::size_t i = 1; i < points.size(); ++i) {
    if (buffer_.counts.size() >= kMaxPieces) break;
    const TPoint a = points[i - 1];
    const TPoint b = points[i];
    const bool aInside = clip.Contains(a);
    const bool bInside = clip.Contains(b);
    if (aInside && bInside) {
      AddPoint(b);
    } else if (aInside) {
      const auto crossing = Crossings(a, b, clip);
      if (!crossing.empty()) AddPoint(crossing.front());
      ClosePiece();
    } else if (bInside) {
      ClosePiece();
      const auto crossing = Crossings(a, b, clip);
      if (!crossing.empty()) AddPoint(crossing.front());
      AddPoint(b);
    } else {
      auto crossing = Crossings(a, b, clip);
      if (crossing.size() >= 2) {
        ClosePiece();
        std::sort(crossing.begin(), crossing.end(), [a](TPoint p, TPoint q) {
          return SquaredDistance(a, p) < SquaredDistance(a, q);
        });
        for (TPoint c : crossing) AddPoint(c);
        ClosePiece();
      }
    }
  }
  if (buffer_.counts.size() < kMaxPieces) ClosePiece();
  buffer_.points.resize(pieceStart_);
  return buffer_;
}

TPolylineClipper& SharedPolylineClipper() {
  static TPolylineClipper clipper = [] {
    TPolylineClipper c;
    c.MakeReady(kSharedPoints);
    return c;
  }();
  return clipper;
}

}  // namespace velarion::sky
