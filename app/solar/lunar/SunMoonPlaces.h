// The geocentric places of the Sun and the Moon that the eclipse computation needs (mean
// equator and equinox of date, as seen but without nutation; degrees, distances in Earth
// radii):
// from the theories, or from Chebyshev fits of them over a stretch around an eclipse.
#ifndef VELARION_APP_SOLAR_LUNAR_SUNMOONPLACES_H
#define VELARION_APP_SOLAR_LUNAR_SUNMOONPLACES_H

#include "ChebyshevSeries.h"

#include <array>
#include <optional>

namespace velarion::lunar {

struct TSunMoonPlace {
  double sunRaDeg = 0.0, sunDecDeg = 0.0, sunDistance = 0.0;
  double moonRaDeg = 0.0, moonDecDeg = 0.0, moonDistance = 0.0;
};

// The place from the theories.
TSunMoonPlace ComputeSunMoonPlace(double mjdTt);

class TSunMoonPlaces {
 public:
  // Fits the places over [fromMjdTt, toMjdTt]: degree 3 for the Sun, 6 for the Moon.
  void Approximate(double fromMjdTt, double toMjdTt);
  void Forget() { fits_.reset(); }
  // From the fits inside their stretch, else from the theories.
  TSunMoonPlace At(double mjdTt) const;

 private:
  std::optional<std::array<TChebyshevSeries, 6>> fits_;
};

}  // namespace velarion::lunar

#endif
