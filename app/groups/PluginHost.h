// Finding and loading the plug-in libraries of the folder Plugins/.
#ifndef VELARION_APP_GROUPS_PLUGINHOST_H
#define VELARION_APP_GROUPS_PLUGINHOST_H

#include "SkyObjectGroup.h"

#include <memory>
#include <string>
#include <vector>

namespace velarion::groups {

// Every "*.so" in `folder`, sorted by name, then those of each subfolder (sorted), depth
// first. Folders reached twice through symbolic links are searched once.
std::vector<std::string> FindPluginLibraries(const std::string& folder);

// The library as a group: version 1.0 when it exports GetCatalogInfo, else version 2.0
// when it exports GetGroupInfo. None when it does not load, has neither export or lacks
// one of its version's exports; the library is then unloaded again.
std::unique_ptr<TSkyObjectGroup> LoadPlugin(const std::string& path);

}  // namespace velarion::groups

#endif
