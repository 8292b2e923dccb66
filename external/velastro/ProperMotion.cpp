// Linear proper motion from J2000.0.
//
// The place moves along its right ascension and declination rates; a path carried over
// a pole comes down on the other side (declination reflected, right ascension turned by
// 180 degrees) so that results stay valid places.
#include "velastro.h"

#include "Support.h"

#include <cmath>
#include <cstdint>

namespace {

constexpr int64_t kArcsecPerCircle = 1296000;
constexpr int64_t kArcsecPerQuarter = 324000;

// n / d rounded to the nearest integer, halves away from zero (d > 0).
int64_t DivideRounded(int64_t n, int64_t d) {
  return n >= 0 ? (n + d / 2) / d : -((-n + d / 2) / d);
}

int64_t WrapArcsec(int64_t ra) {
  ra %= kArcsecPerCircle;
  return ra < 0 ? ra + kArcsecPerCircle : ra;
}

}  // namespace

extern "C" void PropMotion_LowPrec(int32_t ra, int32_t dec, int32_t pmRa, int32_t pmDec, int32_t dt,
                                   int32_t* raOut, int32_t* decOut) {
  // Rates are milliarcseconds per year and dt tenths of a year: 10000 units per arcsecond.
  int64_t newRa = ra + DivideRounded(static_cast<int64_t>(pmRa) * dt, 10000);
  int64_t newDec = dec + DivideRounded(static_cast<int64_t>(pmDec) * dt, 10000);
  if (newDec > kArcsecPerQuarter || newDec < -kArcsecPerQuarter) {
    newDec = (newDec > 0 ? 2 : -2) * kArcsecPerQuarter - newDec;
    newRa += kArcsecPerCircle / 2;
  }
  velastro::Store(raOut, static_cast<int32_t>(WrapArcsec(newRa)));
  velastro::Store(decOut, static_cast<int32_t>(newDec));
}

extern "C" void PropMotion_HighPrec(double ra, double dec, double pmRa, double pmDec, double dt,
                                    double* raOut, double* decOut) {
  double newRa = ra + pmRa * dt;
  double newDec = dec + pmDec * dt;
  if (std::fabs(newDec) > 90.0) {
    newDec = std::copysign(180.0, newDec) - newDec;
    newRa += 180.0;
  }
  velastro::Store(raOut, velastro::Normalise360(newRa));
  velastro::Store(decOut, newDec);
}
