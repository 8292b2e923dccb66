#include "DeepSkyGroup.h"

#include "DeepSkyObjects.h"

namespace velarion::catalogues {

kit::TGroupPtr MakeDeepSkyGroup(const std::string& programFolder) {
  return kit::MakeGroup<TDeepSkyObjects>(programFolder);
}

}  // namespace velarion::catalogues
