// The paths in the program's second group list: each added as a group of its own, shown in
// both views, and removed with its group.
#ifndef VELARION_APP_SOLAR_PATHS_OBJECTPATHLIST_H
#define VELARION_APP_SOLAR_PATHS_OBJECTPATHLIST_H

#include "ObjectPath.h"
#include "SkyObj.h"

#include <cstdint>

namespace velarion::paths {

// A new, empty path of object `sourceObject` of `source`, appended to `paths` (which owns
// it) and visible in the quick and the detailed view.
TObjectPath& AddObjectPath(groups::TGroupList& paths, groups::TSkyObjectGroup& source,
                           int32_t sourceObject);

// Removes the path and its group from `paths`; false when the list does not hold it.
bool RemoveObjectPath(groups::TGroupList& paths, const TObjectPath& path);

}  // namespace velarion::paths

#endif
