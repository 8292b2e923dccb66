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
using velcommon::TBody;

// Annual aberration of the Sun in longitude at 1 AU, arcseconds (Meeus, ch. 25): the
// aberration constant for the Earth's mean orbital speed, light time included.
constexpr double kSolarAberrationArcsec = 20.4898;

// Heliocentric place of date: longitude and latitude in degrees, radius in AU.
TSpherical PlaceOfDate(TBody body, double t) {
  const TSolarTheory& theory = InstalledTheory();
  if (!theory.Valid()) {
    return LowPrecisionPlanet(body, t, theory.Error());
  }
  const TSpherical p = theory.Planet(body, t / 10.0);
  return {Normalise360(p.longitude * kRadToDeg + VsopLongitudeCorrectionArcsec(t) / 3600.0),
          p.latitude * kRadToDeg, p.radius};
}

void Heliocentric(TBody body, double t, double* l, double* b, double* r) {
  const TSpherical p = PlaceOfDate(body, t);
  Store(l, p.longitude);
  Store(b, p.latitude);
  Store(r, p.radius);
}

}  // namespace

}  // namespace velsolar

using velsolar::Heliocentric;
using enum velcommon::TBody;

extern "C" {
void Mer404(double t, double* l, double* b, double* r) { Heliocentric(kMercury, t, l, b, r); }
void Ven404(double t, double* l, double* b, double* r) { Heliocentric(kVenus, t, l, b, r); }
void Ear404(double t, double* l, double* b, double* r) { Heliocentric(kEarth, t, l, b, r); }
void Mar404(double t, double* l, double* b, double* r) { Heliocentric(kMars, t, l, b, r); }
void Jup404(double t, double* l, double* b, double* r) { Heliocentric(kJupiter, t, l, b, r); }
void Sat404(double t, double* l, double* b, double* r) { Heliocentric(kSaturn, t, l, b, r); }
void Ura404(double t, double* l, double* b, double* r) { Heliocentric(kUranus, t, l, b, r); }
void Nep404(double t, double* l, double* b, double* r) { Heliocentric(kNeptune, t, l, b, r); }
}

extern "C" void Sun404(double t, double* l, double* b, double* r) {
  using namespace velsolar;
  const TSpherical earth = PlaceOfDate(kEarth, t);
  Store(l, Normalise360(earth.longitude + 180.0 - kSolarAberrationArcsec / 3600.0 / earth.radius));
  Store(b, -earth.latitude);
  Store(r, earth.radius);
}
