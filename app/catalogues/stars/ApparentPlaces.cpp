#include "ApparentPlaces.h"

#include "velastro.h"

#include <erfa.h>
#include <erfam.h>
#include <cmath>

namespace velarion::catalogues {

TApparentPlaces::TApparentPlaces(double tCenturies) {
  double helio[2][3];
  double bary[2][3];
  eraEpv00(ERFA_DJ00, tCenturies * ERFA_DJC, helio, bary);
  sunDistanceAu_ = eraPm(helio[0]);
  eraSxp(1.0 / sunDistanceAu_, helio[0], sunToEarth_.data());
  eraSxp(1.0 / ERFA_DC, bary[1], velocity_.data());
  const double speed = eraPm(velocity_.data());
  inverseLorentz_ = std::sqrt(1.0 - speed * speed);

  double precession[9];
  double nutation[9];
  PMatEqu(0.0, tCenturies, precession);
  PMatNutEqu(tCenturies, nutation);
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      double sum = 0.0;
      for (int k = 0; k < 3; ++k) sum += nutation[3 * i + k] * precession[3 * k + j];
      precessionNutation_[static_cast<std::size_t>(3 * i + j)] = sum;
    }
  }
}

void TApparentPlaces::Apply(double& raDeg, double& decDeg) const {
  double p[3];
  Cart(1.0, decDeg, raDeg, &p[0], &p[1], &p[2]);
  // ERFA takes its vectors as mutable arrays.
  double sunToEarth[3] = {sunToEarth_[0], sunToEarth_[1], sunToEarth_[2]};
  double velocity[3] = {velocity_[0], velocity_[1], velocity_[2]};
  double deflected[3];
  eraLdsun(p, sunToEarth, sunDistanceAu_, deflected);
  eraAb(deflected, velocity, sunDistanceAu_, inverseLorentz_, p);
  Precart(precessionNutation_.data(), &p[0], &p[1], &p[2]);
  double r = 0.0;
  Polar(p[0], p[1], p[2], &r, &decDeg, &raDeg);
}

}  // namespace velarion::catalogues
