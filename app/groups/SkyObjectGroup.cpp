#include "SkyObjectGroup.h"

namespace velarion::groups {

std::vector<std::string> TTextList::Entries() const {
  std::vector<std::string> entries;
  std::string_view rest = text;
  for (int32_t i = 0; i < count; ++i) {
    const std::size_t end = rest.find('\0');
    entries.emplace_back(rest.substr(0, end));
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
  }
  return entries;
}

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
