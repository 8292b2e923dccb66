// Apparent places of date for many stars at one moment: precession from J2000.0, light
// deflection by the Sun, annual aberration and nutation, in the steps of
// AstrometricToApparent. The star-independent part (the Earth's position and velocity,
// the precession-nutation matrix) is computed once, for that routine computes it on every
// call and the detailed view needs it for thousands of stars.
#ifndef VELARION_APP_CATALOGUES_STARS_APPARENTPLACES_H
#define VELARION_APP_CATALOGUES_STARS_APPARENTPLACES_H

#include <array>

namespace velarion::catalogues {

class TApparentPlaces {
 public:
  // tCenturies: the moment, Julian centuries of dynamical time from J2000.0.
  explicit TApparentPlaces(double tCenturies);

  // A mean place of J2000.0 (degrees) to the apparent place of the moment (true equator and
  // equinox of date, degrees; RA in 0 .. 360).
  void Apply(double& raDeg, double& decDeg) const;

 private:
  std::array<double, 3> sunToEarth_{};  // unit vector
  double sunDistanceAu_ = 1.0;
  std::array<double, 3> velocity_{};  // barycentric velocity of the Earth, units of c
  double inverseLorentz_ = 1.0;       // sqrt(1 - v^2)
  std::array<double, 9> precessionNutation_{};
};

}  // namespace velarion::catalogues

#endif
