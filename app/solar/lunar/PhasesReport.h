// The text the phases window copies: the four main phases of a lunation in local time and
// the footnote with the zone and ΔT. CP1251 lines.
#ifndef VELARION_APP_SOLAR_LUNAR_PHASESREPORT_H
#define VELARION_APP_SOLAR_LUNAR_PHASESREPORT_H

#include "DeltaTRule.h"
#include "Language.h"
#include "Lunation.h"

#include <string>
#include <vector>

namespace velarion::lunar {

// The footnote's ΔT is the one of the last quarter, the last moment of the list.
std::vector<std::string> PhasesReportLines(const TLunation& lunation, const TDeltaTRule& deltaT,
                                           double zoneHours, sky::TLanguage language);

}  // namespace velarion::lunar

#endif
