// Brightness of asteroids and comets from their distances.
//
// Asteroids: the H, G system of Bowell et al. (1989, Asteroids II, p. 549). Comets: the total
// magnitude g + 5 log10 Δ + 2.5 k log10 r. Both answer none where a logarithm's argument is
// not positive (a body at the Sun or the Earth, or a slope G far outside its range), so that
// no NaN reaches a comparison with the magnitude limit.
#ifndef VELARION_PLUGINS_ORBITS_ORBITALMAGNITUDE_H
#define VELARION_PLUGINS_ORBITS_ORBITALMAGNITUDE_H

#include <optional>

namespace velarion::orbits {

struct TBodyDistances {
  double sunAu = 0.0;       // r, body to Sun
  double earthAu = 0.0;     // Δ, body to Earth
  double earthSunAu = 0.0;  // R, Earth to Sun
};

std::optional<double> AsteroidMagnitude(double absoluteMagnitude, double slope,
                                        const TBodyDistances& distances);
std::optional<double> CometMagnitude(double absoluteMagnitude, double activity,
                                     const TBodyDistances& distances);

}  // namespace velarion::orbits

#endif
