// Delta T = TT - UT1.
//
// - From 1657 to the table's end (2023): the US Naval Observatory's observed values
//   (DeltatTable.inc), interpolated linearly between nodes half a year or a month apart.
// - Before 1657: the expressions of Espenak and Meeus (Five Millennium Canon of Solar
//   Eclipses, NASA TP-2006-214141), each shifted by a linear ramp across its span so that
//   every join meets the next piece exactly (the published pieces differ by up to a few
//   seconds at their ends); before -500 their long-term parabola -20 + 32 u^2.
// - After the table's end: a cubic that leaves the last observed value with the slope of
//   the last observed year and meets the long-term parabola, with its slope, in 2150;
//   after 2150 the parabola.
#include "velastro.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <span>

namespace {

struct TNode {
  double year;
  double deltaT;
};

constexpr TNode kObserved[] = {
#include "DeltatTable.inc"
};

constexpr double kParabolaJoinYear = 2150.0;

double LongTermParabola(double year) {
  const double u = (year - 1820.0) / 100.0;
  return -20.0 + 32.0 * u * u;
}

double LongTermParabolaSlope(double year) { return 2.0 * 32.0 * (year - 1820.0) / 10000.0; }

double Horner(std::span<const double> c, double u) {
  double v = 0.0;
  for (auto it = c.rbegin(); it != c.rend(); ++it) {
    v = v * u + *it;
  }
  return v;
}

double EspenakMeeusAncient(double year) {
  constexpr std::array<double, 7> c = {10583.6,    -1014.41,    33.78311,    -5.952053,
                                       -0.1798452, 0.022174192, 0.0090316521};
  return Horner(c, year / 100.0);
}

double EspenakMeeusMedieval(double year) {
  constexpr std::array<double, 7> c = {1574.2,     -556.01,      71.23472,    0.319781,
                                       -0.8503463, -0.005050998, 0.0083572073};
  return Horner(c, (year - 1000.0) / 100.0);
}

double EspenakMeeusEarlyModern(double year) {
  constexpr std::array<double, 4> c = {120.0, -0.9808, -0.01532, 1.0 / 7129.0};
  return Horner(c, year - 1600.0);
}

struct TPiece {
  double from;
  double to;
  double (*value)(double);
};

// The pieces before the table, in order; each is ramped onto its neighbours' values.
constexpr std::array<TPiece, 3> kEarlyPieces = {{
    {-500.0, 500.0, EspenakMeeusAncient},
    {500.0, 1600.0, EspenakMeeusMedieval},
    {1600.0, kObserved[0].year, EspenakMeeusEarlyModern},
}};

double EarlyPieceValue(std::size_t i, double year) {
  const TPiece& piece = kEarlyPieces[i];
  const double left = (i == 0) ? LongTermParabola(piece.from) : piece.value(piece.from);
  const double right =
      (i + 1 < kEarlyPieces.size()) ? kEarlyPieces[i + 1].value(piece.to) : kObserved[0].deltaT;
  const double w = (year - piece.from) / (piece.to - piece.from);
  return piece.value(year) + (left - piece.value(piece.from)) * (1.0 - w) +
         (right - piece.value(piece.to)) * w;
}

double Observed(double year) {
  const auto next = std::upper_bound(std::begin(kObserved), std::end(kObserved), year,
                                     [](double y, const TNode& n) { return y < n.year; });
  const TNode& b = *next;
  const TNode& a = *(next - 1);
  return a.deltaT + (b.deltaT - a.deltaT) * (year - a.year) / (b.year - a.year);
}

double Extrapolated(double year) {
  constexpr std::size_t kLast = std::size(kObserved) - 1;
  constexpr std::size_t kYearBefore = kLast - 12;
  const TNode& end = kObserved[kLast];
  const double slope =
      (end.deltaT - kObserved[kYearBefore].deltaT) / (end.year - kObserved[kYearBefore].year);
  const double width = kParabolaJoinYear - end.year;
  const double s = (year - end.year) / width;
  const double s2 = s * s;
  const double s3 = s2 * s;
  return (2 * s3 - 3 * s2 + 1) * end.deltaT + (s3 - 2 * s2 + s) * width * slope +
         (-2 * s3 + 3 * s2) * LongTermParabola(kParabolaJoinYear) +
         (s3 - s2) * width * LongTermParabolaSlope(kParabolaJoinYear);
}

}  // namespace

extern "C" double GetDeltat(double t) {
  const double year = 2000.0 + 100.0 * t;
  if (!(year >= kEarlyPieces.front().from)) {  // also NaN
    return LongTermParabola(year);
  }
  for (std::size_t i = 0; i < kEarlyPieces.size(); ++i) {
    if (year < kEarlyPieces[i].to) {
      return EarlyPieceValue(i, year);
    }
  }
  if (year < std::end(kObserved)[-1].year) {
    return Observed(year);
  }
  if (year < kParabolaJoinYear) {
    return Extrapolated(year);
  }
  return LongTermParabola(year);
}
