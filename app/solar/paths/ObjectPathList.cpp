#include "ObjectPathList.h"

#include "StdGroup.h"

#include <memory>

namespace velarion::paths {

TObjectPath& AddObjectPath(groups::TGroupList& paths, groups::TSkyObjectGroup& source,
                           int32_t sourceObject) {
  kit::TGroupPtr group = kit::MakeGroup<TObjectPath>(source, sourceObject);
  auto& path = static_cast<TObjectPath&>(*group);
  auto wrapper = std::make_unique<groups::TStdGroup>(std::move(group));
  wrapper->InitResources(0);
  groups::TGroupListElement& element = paths.AddNewGroup(true);
  element.SetGroup(std::move(wrapper));
  element.SetVisibleInQuickView(true);
  element.SetVisibleInDetailedView(true);
  return path;
}

bool RemoveObjectPath(groups::TGroupList& paths, const TObjectPath& path) {
  for (int32_t i = 0; i < paths.Count(); ++i) {
    auto* wrapper = dynamic_cast<groups::TStdGroup*>(paths.Element(i).Group());
    if (wrapper != nullptr && &wrapper->Group() == &path) {
      paths.Delete(i);
      return true;
    }
  }
  return false;
}

}  // namespace velarion::paths
