#include "RiseSetCache.h"

#include <cmath>

namespace velarion::ephemeris {

namespace {

constexpr double kSameDay = 2e-5;  // days

// Local midnight of the moment, the moment first rounded to 1e-6 day as the rise and set
// computation rounds it.
double LocalDayStart(double localMjd) { return std::floor(std::nearbyint(localMjd * 1e6) / 1e6); }

}  // namespace

const TRiseSetCell* TRiseSetCache::Find(const sky::TSelectedObject& object, double localMjd) const {
  const double dayStart = LocalDayStart(localMjd);
  for (const TEntry& entry : entries_) {
    if (entry.object == object && std::fabs(entry.localDayStart - dayStart) < kSameDay) {
      return &entry.cell;
    }
  }
  return nullptr;
}

void TRiseSetCache::Store(const sky::TSelectedObject& object, double localMjd,
                          const TRiseSetCell& cell) {
  entries_.push_back({object, LocalDayStart(localMjd), cell});
}

}  // namespace velarion::ephemeris
