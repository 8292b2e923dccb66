// Precession of an equatorial place between the epochs of the point dialog, and the epochs
// it offers, as time arguments T (Julian centuries from J2000.0).
#ifndef VELARION_APP_UI_DIALOGS_EQUATORIALPRECESSION_H
#define VELARION_APP_UI_DIALOGS_EQUATORIALPRECESSION_H

#include <array>
#include <optional>

namespace velarion::ui {

struct TEquatorialPoint {
  double raDeg = 0.0;
  double decDeg = 0.0;
};

// Epochs closer than this count as the same, and nothing is precessed between them.
inline constexpr double kSameEpochT = 1e-10;

// "J1875", "J1900", "B1950", "J1975", "J2000"; then "Текущая" and "Другая".
inline constexpr std::array<double, 5> kFixedEpochsT = {-1.2499657768, -0.9999726215, -0.500002108,
                                                        -0.2499931554, 0.0};

// Mean equator and equinox of fromT to those of toT: through the unit vector, PMatEqu and
// Precart; the point itself when the epochs are the same.
TEquatorialPoint PrecessEquatorial(const TEquatorialPoint& point, double fromT, double toT);

// The fixed epoch within kSameEpochT of t, if any.
std::optional<int> FixedEpochIndex(double t);

}  // namespace velarion::ui

#endif
