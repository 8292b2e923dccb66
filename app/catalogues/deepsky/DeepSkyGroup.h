// The factory of the deep-sky group, as the start-up loading creates it.
#ifndef VELARION_APP_CATALOGUES_DEEPSKY_DEEPSKYGROUP_H
#define VELARION_APP_CATALOGUES_DEEPSKY_DEEPSKYGROUP_H

#include "ObjectGroup.h"

#include <string>

namespace velarion::catalogues {

// DEEPSKY.DAT is looked for in `programFolder` (ending with "/") when the resources are
// loaded.
kit::TGroupPtr MakeDeepSkyGroup(const std::string& programFolder);

}  // namespace velarion::catalogues

#endif
