#include "BuiltInGroups.h"

#include "ConBounds.h"
#include "ConLines.h"
#include "ConNames.h"
#include "DeepSkyGroup.h"
#include "GridGroups.h"
#include "MoonGroup.h"
#include "PlanetsGroup.h"
#include "StarNames.h"
#include "Stars.h"
#include "SunGroup.h"

namespace velarion::ui {

// The order in which they are loaded, and so drawn until the user reorders them.
std::vector<kit::TGroupPtr> MakeBuiltInGroups(const std::string& programFolder) {
  std::vector<kit::TGroupPtr> groups;
  groups.push_back(solar::MakeSunGroup(programFolder));
  groups.push_back(catalogues::MakeHorizonGroup(programFolder));
  groups.push_back(solar::MakeMoonGroup(programFolder));
  groups.push_back(solar::MakePlanetsGroup(programFolder));
  groups.push_back(catalogues::MakeStarsGroup(programFolder));
  groups.push_back(catalogues::MakeConstellationNamesGroup(programFolder));
  groups.push_back(catalogues::MakeStarNamesGroup(programFolder));
  groups.push_back(catalogues::MakeConstellationLinesGroup(programFolder));
  groups.push_back(catalogues::MakeConstellationBoundsGroup(programFolder));
  groups.push_back(catalogues::MakeEquatorialGridGroup(programFolder));
  groups.push_back(catalogues::MakeHorizonGridGroup(programFolder));
  groups.push_back(catalogues::MakeDeepSkyGroup(programFolder));
  return groups;
}

}  // namespace velarion::ui
