// The label texts of the grid lines and their width on the sky image.
#ifndef VELARION_APP_CATALOGUES_GRIDS_GRIDLABELS_H
#define VELARION_APP_CATALOGUES_GRIDS_GRIDLABELS_H

#include <cstdint>
#include <string>
#include <string_view>

namespace velarion::catalogues {

// The label in the small size of the normal font: code 1, code 7, text, code 8.
std::string SmallLabel(std::string_view text);

// "2ч 30м", "2ч " for whole hours, "0ч 0.4м" between whole minutes.
std::string HourCircleText(int32_t raArcmin);
// "+10° " for whole degrees, "-35° 30'" otherwise.
std::string DeclinationText(int32_t decArcmin);
// Azimuth and altitude: "10° " for whole degrees, "2° 30'" otherwise.
std::string HorizontalAngleText(int32_t arcmin);

// The width of a marked-up text as the sky image draws it.
int32_t LabelWidth(const std::string& text);

}  // namespace velarion::catalogues

#endif
