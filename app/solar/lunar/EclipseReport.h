// The text the eclipse window copies: type, dates, magnitude, the contacts in local time,
// the position angles, ΔT and, when greatest eclipse is not seen from the place, which
// part of it is. CP1251 lines.
#ifndef VELARION_APP_SOLAR_LUNAR_ECLIPSEREPORT_H
#define VELARION_APP_SOLAR_LUNAR_ECLIPSEREPORT_H

#include "Language.h"
#include "LunarTexts.h"
#include "MoonEclipse.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace velarion::lunar {

// The visibility message's text, none when greatest eclipse is seen.
std::optional<TLunarText> VisibilityMessage(TEclipseType type,
                                            const std::array<bool, kContactCount>& visible);

std::vector<std::string> EclipseReportLines(const TLunarEclipse& eclipse,
                                            const std::array<bool, kContactCount>& visible,
                                            double zoneHours, sky::TLanguage language);

}  // namespace velarion::lunar

#endif
