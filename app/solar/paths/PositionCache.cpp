#include "PositionCache.h"

#include <algorithm>
#include <cmath>

namespace velarion::paths {

std::optional<TCachedPlace> TPositionCache::Find(double tCenturies, double tolerance) const {
  const double within = std::max(tolerance, kMinimumTolerance);
  for (std::size_t i = 0; i < used_; ++i) {
    if (std::fabs(entries_[i].tCenturies - tCenturies) <= within) return entries_[i];
  }
  return std::nullopt;
}

TPlaceSample TPositionCache::At(double tCenturies, double tolerance) {
  if (const auto kept = Find(tCenturies, tolerance)) return kept->place;
  const std::size_t written = next_;
  entries_[written] = {tCenturies, compute_(tCenturies)};
  next_ = (written + 1) % kEntries;
  used_ = std::max(used_, written + 1);
  return entries_[written].place;
}

}  // namespace velarion::paths
