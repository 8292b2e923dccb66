#include "SkyObjectGroup.h"

namespace velarion::groups {

void TSkyObjectGroup::TakeIdentity(const TGroupInfo& info) {
  Code = info.code;
  Name = info.name;
  Version = info.version;
  Epoch = info.epoch;
  EpochKind = info.epochKind;
  ResourcesReady = info.resourcesReady;
  ShowInQuickView = (info.flags & kit::kFlagShowInQuickView) != 0;
  ShowInDetailedView = (info.flags & kit::kFlagShowInDetailedView) != 0;
  Selectable = (info.flags & kit::kFlagSelectable) != 0;
  HasOptions = (info.flags & kit::kFlagHasOptions) != 0;
  HasInfoItems = (info.flags & kit::kFlagHasInfoItems) != 0;
  HasSearch = (info.flags & kit::kFlagHasSearch) != 0;
  HasAction = (info.flags & kit::kFlagHasAction) != 0;
}

}  // namespace velarion::groups
