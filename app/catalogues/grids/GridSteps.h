// Grid steps and line counts. Steps are arc-minutes (of RA for the hour circles, where 15
// arc-minutes make a minute of time); automatic steps are snapped to round values so that
// the labels read well at every zoom.
#ifndef VELARION_APP_CATALOGUES_GRIDS_GRIDSTEPS_H
#define VELARION_APP_CATALOGUES_GRIDS_GRIDSTEPS_H

#include "ObjectGroup.h"

#include <cstdint>

namespace velarion::catalogues {

inline constexpr int32_t kFullCircleArcmin = 21600;
inline constexpr int32_t kQuarterCircleArcmin = 5400;
inline constexpr int32_t kMinRaStepArcmin = 6;
inline constexpr int32_t kMinRaStepSeconds = 6;  // a manual step of at least 1 arc-minute
inline constexpr int32_t kMinDecStepArcmin = 1;

// p × (n div p) for the smallest power of ten p with n div p ≤ 9: 74 → 70, 1234 → 1000.
int32_t KeepLeadingDigit(int32_t n);

// Declination, azimuth and altitude steps: whole degrees from 1°, else halves of round
// numbers (37 → 35, 7 → 5).
int32_t SnapDecStep(int32_t arcmin);
// RA steps: whole hours from 1 h, else round minutes of time, else tenths of arc-minutes.
int32_t SnapRaStep(int32_t arcmin);

// A configured RA step in seconds of time as arc-minutes, small and non-positive steps
// raised to the minimum.
int32_t ManualRaStep(int32_t secondsOfTime);
// A configured arc-minute step, non-positive steps raised to 1.
int32_t ManualDecStep(int32_t arcmin);

// Automatic steps of the quick view (and of the Dec-type lines in both views).
int32_t AutoQuickRaStep(int32_t zoomPercent);
int32_t AutoDecStep(int32_t zoomPercent);
// Automatic RA step of the detailed view: wider steps where the window reaches towards a
// pole, in proportion to the RA width of the window.
int32_t AutoDetailedRaStep(const kit::TRaDecWindow& window);

// Lines around a full circle: 21600 div step, one more when the remainder exceeds half a
// step (hour circles and azimuth lines).
int32_t FullCircleLineCount(int32_t stepArcmin);
// Declination circles from north to south, the poles excluded.
int32_t DeclinationCircleCount(int32_t stepArcmin);
// Altitude circles above the horizon, the zenith excluded.
int32_t AltitudeCircleCount(int32_t stepArcmin);
// The outermost declination circle (arc-minutes), where the hour circles end so that they
// do not crowd at the poles.
int32_t OutermostDeclination(int32_t decStepArcmin);

}  // namespace velarion::catalogues

#endif
