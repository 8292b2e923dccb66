// The last fifty places an object's path asked for. Each place costs a recalculation of the
// whole sky view, and a fit asks again and again near the same moments (a span's ends are
// its halves' ends, test moments become split moments), so every computed place, failed
// ones included, is kept and found again by its time.
#ifndef VELARION_APP_SOLAR_PATHS_POSITIONCACHE_H
#define VELARION_APP_SOLAR_PATHS_POSITIONCACHE_H

#include "SkyPlace.h"

#include <array>
#include <cstddef>
#include <functional>
#include <optional>

namespace velarion::paths {

// A place at a moment; none when the source could not tell.
using TPlaceSample = std::optional<TSkyPlace>;
using TPlaceCompute = std::function<TPlaceSample(double tCenturies)>;

struct TCachedPlace {
  double tCenturies = 0.0;
  TPlaceSample place;
};

class TPositionCache {
 public:
  static constexpr std::size_t kEntries = 50;
  // Closer moments are the same moment to the cache.
  static constexpr double kMinimumTolerance = 2e-10;

  explicit TPositionCache(TPlaceCompute compute) : compute_(std::move(compute)) {}

  // The first kept entry within `tolerance` (at least kMinimumTolerance) of t.
  std::optional<TCachedPlace> Find(double tCenturies, double tolerance) const;
  // The kept place, or a new one computed and written over the oldest entry.
  TPlaceSample At(double tCenturies, double tolerance = 0.0);

 private:
  TPlaceCompute compute_;
  std::array<TCachedPlace, kEntries> entries_{};
  std::size_t used_ = 0;
  std::size_t next_ = 0;
};

}  // namespace velarion::paths

#endif
