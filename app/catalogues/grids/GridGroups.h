// The factories of the sky's frame groups, as the start-up loading creates them.
#ifndef VELARION_APP_CATALOGUES_GRIDS_GRIDGROUPS_H
#define VELARION_APP_CATALOGUES_GRIDS_GRIDGROUPS_H

#include "ObjectGroup.h"

#include <string>

namespace velarion::catalogues {

// The groups read no data files; the folder is taken for the uniform factory form.
kit::TGroupPtr MakeHorizonGroup(const std::string& programFolder);
kit::TGroupPtr MakeEquatorialGridGroup(const std::string& programFolder);
kit::TGroupPtr MakeHorizonGridGroup(const std::string& programFolder);

}  // namespace velarion::catalogues

#endif
