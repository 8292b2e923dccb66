#include "EclipticTable.h"

#include "Units.h"

#include <cmath>

namespace velarion::zodiac {

namespace {

using velcommon::kDegToRad;
using velcommon::kRadToDeg;
constexpr double kStepRadians = 0.011635528;  // 40'

struct TIndices {
  int lower;
  int upper;
};

// The other quadrants read the first one by symmetry about 90° and 180°.
TIndices QuadrantIndices(int b, int quadrant) {
  switch (quadrant) {
    case 0:
      return {b, b + 1};
    case 1:
      return {270 - b, 269 - b};
    case 2:
      return {b - 270, b - 269};
    default:
      return {540 - b, 539 - b};
  }
}

}  // namespace

bool TEclipticTable::Update(double obliquity) {
  if (std::fabs(obliquity - obliquity_) <= kRebuildLimit) return false;
  obliquity_ = obliquity;
  const double t = std::tan(obliquity * kDegToRad);
  for (int i = 0; i < kEntries; ++i) {
    const double declination = std::atan(std::sin(i * kStepRadians) * t);
    table_[static_cast<std::size_t>(i)] =
        static_cast<int32_t>(std::lround(declination * kRadToDeg * 3600.0));
  }
  return true;
}

int32_t TEclipticTable::QuickDeclination(int32_t ra) const {
  ra = ((ra % 21600) + 21600) % 21600;  // 21600 itself would read past the table
  const int b = ra / 40;
  const int f = ra % 40;
  const int quadrant = ra < 5400 ? 0 : ra <= 10799 ? 1 : ra <= 16199 ? 2 : 3;
  const TIndices i = QuadrantIndices(b, quadrant);
  const int32_t low = Entry(i.lower);
  const int32_t d = (f * (Entry(i.upper) - low) / 40 + low) / 60;
  return ra <= 10800 ? d : -d;
}

double TEclipticTable::DetailedDeclination(double ra) const {
  ra = std::fmod(ra, 360.0);  // 360 itself would read entry -1
  if (ra < 0.0) ra += 360.0;
  const int b = static_cast<int>(1.5 * ra);
  const int quadrant = ra < 90.0 ? 0 : ra < 180.0 ? 1 : ra < 270.0 ? 2 : 3;
  const TIndices i = QuadrantIndices(b, quadrant);
  const double phi = (ra - b * 2.0 / 3.0) * 1.5;
  const double declination = (Entry(i.lower) + (Entry(i.upper) - Entry(i.lower)) * phi) / 3600.0;
  return ra > 180.0 ? -declination : declination;
}

}  // namespace velarion::zodiac
