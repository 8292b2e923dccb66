// GetVisibleRaDecRange: walks the outline of the visible part of a pixel rectangle (the
// rectangle clipped by the horizon circle) and collects the extremes of RA and Dec along it.
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "Projection.h"

namespace velarion::sky {

namespace {

constexpr double kUnset = 1.0e9;
constexpr double kHalfTurnDeg = 180.0;
constexpr double kPoleProximityDecDeg = 15.0;  // |Dec| beyond this: within 75 deg of a pole
constexpr double kMinSampleStep = 0.001;
constexpr double kTinyCoefficient = 1e-9;

struct TPoint {
  double x;
  double y;
};

// A piece of the outline: a straight stretch of an edge inside the circle, or an arc of the
// circle sampled along the chord between its ends.
struct TPiece {
  TPoint start;
  TPoint end;
  bool onCircle;
};

// Parameter s in (0, 3) where the cubic through values at s = 0, 1, 2, 3 has a stationary
// point, if there is one.
std::optional<double> StationaryPoint(const std::array<double, 4>& v) {
  const double d1 = v[1] - v[0];
  const double d2 = v[2] - 2.0 * v[1] + v[0];
  const double d3 = v[3] - 3.0 * v[2] + 3.0 * v[1] - v[0];
  // Derivative of the Newton form, a s^2 + b s + c.
  const double a = d3 / 2.0;
  const double b = d2 - d3;
  const double c = d1 - d2 / 2.0 + d3 / 3.0;
  const auto inside = [](double s) { return s > 0.0 && s < 3.0; };
  if (std::fabs(a) < kTinyCoefficient) {
    if (std::fabs(b) > kTinyCoefficient && inside(-c / b)) {
      return -c / b;
    }
    return std::nullopt;
  }
  const double discriminant = b * b - 4.0 * a * c;
  if (discriminant < 0.0) {
    return std::nullopt;
  }
  const double root = std::sqrt(discriminant);
  for (const double s : {(root - b) / (2.0 * a), (-b - root) / (2.0 * a)}) {
    if (inside(s)) {
      return s;
    }
  }
  return std::nullopt;
}

class TRangeWalk {
 public:
  TRangeWalk(const TProjection& projection, int32_t centreX, int32_t centreY, int32_t radius,
             double yScale)
      : projection_(projection),
        centreX_(centreX),
        centreY_(centreY),
        radius_(radius),
        yScale_(yScale) {}

  void WalkEdge(int32_t x0, int32_t y0, int32_t x1, int32_t y1);

  [[nodiscard]] int WrapCount() const { return wraps_; }
  TRaDecRange& Range() { return range_; }

 private:
  void SamplePiece(TPiece piece);
  [[nodiscard]] TPoint ToCircle(TPoint p) const;
  [[nodiscard]] std::optional<TRaDec> Convert(const TPiece& piece, double length, double t) const;
  [[nodiscard]] double Unwrapped(double raDeg) const;
  void UpdateRa(double raDeg);
  void UpdateDec(double decDeg);

  const TProjection& projection_;
  int32_t centreX_;
  int32_t centreY_;
  int32_t radius_;
  double yScale_;
  int wraps_ = 0;
  TRaDecRange range_{kUnset, -kUnset, kUnset, -kUnset};
};

// Splits an axis-parallel edge into the stretch inside the circle and the arcs that stand in
// for the stretches outside it.
void TRangeWalk::WalkEdge(int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
  const bool horizontal = y0 == y1;
  const double across = horizontal ? (y0 - centreY_) / yScale_ : x0 - centreX_;
  const double centreAlong = horizontal ? centreX_ : centreY_;
  const double from = horizontal ? std::min(x0, x1) : std::min(y0, y1);
  const double to = horizontal ? std::max(x0, x1) : std::max(y0, y1);
  const auto at = [&](double along) {
    return horizontal ? TPoint{along, static_cast<double>(y0)}
                      : TPoint{static_cast<double>(x0), along};
  };
  const double r = radius_;
  if (std::fabs(across) > r) {
    SamplePiece({at(from), at(to), true});
    return;
  }
  const double halfChord =
      std::trunc(std::sqrt(r * r - across * across) * (horizontal ? 1.0 : yScale_));
  const double low = std::max(from, centreAlong - halfChord);
  const double high = std::min(to, centreAlong + halfChord);
  if (low > high) {
    SamplePiece({at(from), at(to), true});
    return;
  }
  if (from < low) {
    SamplePiece({at(low), at(from), true});
  }
  SamplePiece({at(low), at(high), false});
  if (to > high) {
    SamplePiece({at(high), at(to), true});
  }
}

TPoint TRangeWalk::ToCircle(TPoint p) const {
  const double dx = p.x - centreX_;
  const double dy = p.y - centreY_;
  const double distance = std::hypot(dx, dy / yScale_);
  if (distance == 0.0) {
    return p;
  }
  const double scale = radius_ / distance;
  return {centreX_ + dx * scale, centreY_ + dy * scale};
}

// The sample at distance t along the piece, on a pixel truncated towards the centre so that
// a point of the circle stays inside it.
std::optional<TRaDec> TRangeWalk::Convert(const TPiece& piece, double length, double t) const {
  const double fraction = length > 0.0 ? t / length : 0.0;
  TPoint p{piece.start.x + (piece.end.x - piece.start.x) * fraction,
           piece.start.y + (piece.end.y - piece.start.y) * fraction};
  if (piece.onCircle) {
    p = ToCircle(p);
  }
  const auto x = static_cast<int32_t>(centreX_ + std::trunc(p.x - centreX_));
  const auto y = static_cast<int32_t>(centreY_ + std::trunc(p.y - centreY_));
  return projection_.XYToRaDec(x, y);
}

// After the outline first crosses RA 0 the range is kept on the far side of 360.
double TRangeWalk::Unwrapped(double raDeg) const {
  return wraps_ > 0 && raDeg < kHalfTurnDeg ? raDeg + 360.0 : raDeg;
}

void TRangeWalk::UpdateRa(double raDeg) {
  range_.raMinDeg = std::min(range_.raMinDeg, raDeg);
  range_.raMaxDeg = std::max(range_.raMaxDeg, raDeg);
}

void TRangeWalk::UpdateDec(double decDeg) {
  range_.decMinDeg = std::min(range_.decMinDeg, decDeg);
  range_.decMaxDeg = std::max(range_.decMaxDeg, decDeg);
}

void TRangeWalk::SamplePiece(TPiece piece) {
  if (piece.onCircle) {
    piece.start = ToCircle(piece.start);
    piece.end = ToCircle(piece.end);
  }
  const double length = std::hypot(piece.end.x - piece.start.x, piece.end.y - piece.start.y);
  const double step = length / 3.0;
  std::array<double, 4> ra{};
  std::array<double, 4> dec{};
  const std::array<double, 4> at = {0.0, step, length - step, length};
  for (std::size_t i = 0; i < at.size(); ++i) {
    const auto sample = Convert(piece, length, at[i]);
    if (!sample) {
      return;
    }
    ra[i] = sample->raDeg;
    dec[i] = sample->decDeg;
  }
  const bool crossesRaZero = std::adjacent_find(ra.begin(), ra.end(), [](double a, double b) {
                               return std::fabs(b - a) > kHalfTurnDeg;
                             }) != ra.end();
  if (crossesRaZero && ++wraps_ == 1) {
    range_.raMinDeg = Unwrapped(range_.raMinDeg);
    range_.raMaxDeg = Unwrapped(range_.raMaxDeg);
  }
  for (double& value : ra) {
    value = Unwrapped(value);
  }
  UpdateRa(ra[0]);
  UpdateRa(ra[3]);
  UpdateDec(dec[0]);
  UpdateDec(dec[3]);
  if (step < kMinSampleStep) {
    return;
  }
  if (const auto s = StationaryPoint(ra)) {
    if (const auto extreme = Convert(piece, length, *s * step)) {
      UpdateRa(Unwrapped(extreme->raDeg));
    }
  }
  if (const auto s = StationaryPoint(dec)) {
    if (const auto extreme = Convert(piece, length, *s * step)) {
      UpdateDec(extreme->decDeg);
    }
  }
}

}  // namespace

TRaDecRange TProjection::GetVisibleRaDecRange(const TPixelRect& rect, int32_t centreX,
                                              int32_t centreY, int32_t radius,
                                              double yScale) const {
  TRangeWalk walk(*this, centreX, centreY, radius, yScale);
  const auto [left, top, right, bottom] = rect;
  walk.WalkEdge(left, top, right, top);
  walk.WalkEdge(right, top, right, bottom);
  walk.WalkEdge(left, bottom, right, bottom);
  walk.WalkEdge(left, top, left, bottom);
  TRaDecRange& range = walk.Range();
  const bool nearPole =
      range.decMinDeg < -kPoleProximityDecDeg || range.decMaxDeg > kPoleProximityDecDeg;
  if (nearPole && walk.WrapCount() % 2 == 0) {
    // Finer steps near a pole, where four samples per edge can miss a crossing of RA 0.
    const int32_t midX = (left + right) / 2;
    const int32_t midY = (top + bottom) / 2;
    walk.WalkEdge(left, top, midX, top);
    walk.WalkEdge(midX, top, right, top);
    walk.WalkEdge(right, top, right, midY);
    walk.WalkEdge(right, midY, right, bottom);
    walk.WalkEdge(left, bottom, midX, bottom);
    walk.WalkEdge(midX, bottom, right, bottom);
    walk.WalkEdge(left, top, left, midY);
    walk.WalkEdge(left, midY, left, bottom);
  }
  if (walk.WrapCount() % 2 == 1) {
    // The outline winds once around a pole, so every right ascension is inside.
    range.raMinDeg = 0.0;
    range.raMaxDeg = 360.0;
    if (range.decMinDeg + range.decMaxDeg > 0.0) {
      range.decMaxDeg = 90.0;
    } else {
      range.decMinDeg = -90.0;
    }
  }
  return range;
}

}  // namespace velarion::sky
