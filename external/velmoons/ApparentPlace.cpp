// Annual aberration for the places the satellite exports give: the direction u is shifted
// to u + tau v, tau being the light time per AU and v the Earth's heliocentric velocity,
// as the planets group does. The shift of the direction does not depend on the object's
// distance, so the unit vector is used: a zero or unknown distance still gives the
// apparent place instead of the direction of a null vector.
#include "velmoons.h"

#include "MoonFrame.h"
#include "OutValues.h"
#include "velastro.h"

namespace {

// Light time per AU in days, times the 1e-4 AU per day unit of the Earth's velocity.
constexpr double kLightTimeVelocityScale = velcommon::kLightDaysPerAuRounded * 1.0e-4;

}  // namespace

extern "C" void ObjApparentRaDec(double t, double ra, double dec, double /*distance*/,
                                 double* raApparent, double* decApparent) {
  using velmoons::TVec3;
  TVec3 u;
  Cart(1.0, dec, ra, &u.x, &u.y, &u.z);
  EquEcl(t, &u.x, &u.y, &u.z);
  u = u + kLightTimeVelocityScale * velmoons::EarthVelocity(t);
  EclEqu(t, &u.x, &u.y, &u.z);
  double r = 0.0, decOut = 0.0, raOut = 0.0;
  Polar(u.x, u.y, u.z, &r, &decOut, &raOut);
  velcommon::Store(raApparent, raOut);
  velcommon::Store(decApparent, decOut);
}
