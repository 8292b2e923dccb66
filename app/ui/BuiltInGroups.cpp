#include "BuiltInGroups.h"

#include "ConBounds.h"
#include "ConLines.h"
#include "ConNames.h"
#include "StarNames.h"
#include "Stars.h"

namespace velarion::ui {

std::vector<kit::TGroupPtr> MakeBuiltInGroups(const std::string& programFolder) {
  std::vector<kit::TGroupPtr> groups;
  groups.push_back(catalogues::MakeStarsGroup(programFolder));
  groups.push_back(catalogues::MakeConstellationNamesGroup(programFolder));
  groups.push_back(catalogues::MakeStarNamesGroup(programFolder));
  groups.push_back(catalogues::MakeConstellationLinesGroup(programFolder));
  groups.push_back(catalogues::MakeConstellationBoundsGroup(programFolder));
  return groups;
}

}  // namespace velarion::ui
