// The rise and set of each object on each local day, kept while one table is made: a
// table of many steps a day computes each day's events once.
#ifndef VELARION_APP_UI_EPHEMERIS_RISESETCACHE_H
#define VELARION_APP_UI_EPHEMERIS_RISESETCACHE_H

#include "EphemerisCells.h"
#include "SkyImage.h"

#include <vector>

namespace velarion::ephemeris {

class TRiseSetCache {
 public:
  // The events of the object on the local day of `localMjd`; none when not yet computed.
  const TRiseSetCell* Find(const sky::TSelectedObject& object, double localMjd) const;
  void Store(const sky::TSelectedObject& object, double localMjd, const TRiseSetCell& cell);
  void Clear() { entries_.clear(); }

 private:
  struct TEntry {
    sky::TSelectedObject object;
    double localDayStart;
    TRiseSetCell cell;
  };
  std::vector<TEntry> entries_;
};

}  // namespace velarion::ephemeris

#endif
