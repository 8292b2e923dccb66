// The planets, the Earth and the geocentric Sun from VSOP87 D.
#include "velsolar.h"

#include "Frame.h"
#include "LowPrecisionFallback.h"
#include "OutValues.h"
#include "SolarTheory.h"

#include <cmath>

namespace velsolar {

namespace {

using velcommon::Normalise360;
using velcommon::Store;

constexpr int kEarthBody = 4;

// Annual aberration of the Sun in longitude at 1 AU, arcseconds (Meeus, ch. 25): the
// aberration constant for the Earth's mean orbital speed, light time included.
constexpr double kSolarAberrationArcsec = 20.4898;

// Heliocentric place of date: longitude and latitude in degrees, radius in AU.
TSpherical PlaceOfDate(int body, double t) {
  const TSolarTheory& theory = InstalledTheory();
  if (!theory.Valid()) {
    return LowPrecisionPlanet(body, t, theory.Error());
  }
  const TSpherical p = theory.Planet(body, t / 10.0);
  return {Normalise360(p.longitude * kRadToDeg + VsopLongitudeCorrectionArcsec(t) / 3600.0),
          p.latitude * kRadToDeg, p.radius};
}

void Heliocentric(int body, double t, double* l, double* b, double* r) {
  const TSpherical p = PlaceOfDate(body, t);
  Store(l, p.longitude);
  Store(b, p.latitude);
  Store(r, p.radius);
}

}  // namespace

}  // namespace velsolar

using velsolar::Heliocentric;

extern "C" void Mer404(double t, double* l, double* b, double* r) { Heliocentric(2, t, l, b, r); }
extern "C" void Ven404(double t, double* l, double* b, double* r) { Heliocentric(3, t, l, b, r); }
extern "C" void Ear404(double t, double* l, double* b, double* r) { Heliocentric(4, t, l, b, r); }
extern "C" void Mar404(double t, double* l, double* b, double* r) { Heliocentric(5, t, l, b, r); }
extern "C" void Jup404(double t, double* l, double* b, double* r) { Heliocentric(6, t, l, b, r); }
extern "C" void Sat404(double t, double* l, double* b, double* r) { Heliocentric(7, t, l, b, r); }
extern "C" void Ura404(double t, double* l, double* b, double* r) { Heliocentric(8, t, l, b, r); }
extern "C" void Nep404(double t, double* l, double* b, double* r) { Heliocentric(9, t, l, b, r); }

extern "C" void Sun404(double t, double* l, double* b, double* r) {
  using namespace velsolar;
  const TSpherical earth = PlaceOfDate(kEarthBody, t);
  Store(l, Normalise360(earth.longitude + 180.0 - kSolarAberrationArcsec / 3600.0 / earth.radius));
  Store(b, -earth.latitude);
  Store(r, earth.radius);
}
