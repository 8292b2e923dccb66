// The information lines of a bright star, as the information window shows them.
#ifndef VELARION_APP_CATALOGUES_STARS_STARINFORMATION_H
#define VELARION_APP_CATALOGUES_STARS_STARINFORMATION_H

#include "StarFile.h"
#include "ZStrings.h"

#include <string>

namespace velarion::catalogues {

// What other groups and the moment contribute to the lines.
struct TStarContext {
  std::string abbreviation;       // of the constellation, "???" when unknown
  std::string constellationName;  // "???" when unknown
  std::string properName;         // empty when none
  double apparentRaDeg = 0.0;     // place of date
  double apparentDecDeg = 0.0;
};

void AddStarInformation(const TStarRecord& star, const TStarContext& context,
                        kit::TZStrings& lines);

}  // namespace velarion::catalogues

#endif
