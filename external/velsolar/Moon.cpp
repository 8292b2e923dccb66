// The geocentric Moon from ELP/MPP02 (solution fitted to DE405).
#include "velsolar.h"

#include "Frame.h"
#include "LowPrecisionFallback.h"
#include "OutValues.h"
#include "SolarTheory.h"

#include <cmath>

extern "C" void Moon(double t, double* l, double* b, double* r) {
  using namespace velsolar;
  const TSolarTheory& theory = InstalledTheory();
  TSpherical place;
  if (theory.Valid()) {
    const TSpherical m = theory.MoonWithoutPrecession(t);
    const double longitude = m.longitude + velseries::ElpPrecessionArcsec(t) * kArcsecToRad;
    place = {velcommon::Normalise360(longitude * kRadToDeg), m.latitude * kRadToDeg,
             m.radius / velcommon::kKmPerEarthRadius};
  } else {
    place = LowPrecisionMoon(t, theory.Error());
  }
  velcommon::Store(l, place.longitude);
  velcommon::Store(b, place.latitude);
  velcommon::Store(r, place.radius);
}
