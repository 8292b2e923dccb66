#include "FixedPlaceRiseSet.h"

#include "RiseSetDialog.h"

namespace velarion::solar {

namespace {

// The window asks for the place through a plain callback without user data, so the object
// shown is kept here for the time the window is open.
struct TFixedPlace {
  double ra = 0.0;
  double dec = 0.0;
};
TFixedPlace gShown;

void AnswerFixedPlace(double /*mjdUt*/, double* raDeg, double* decDeg) {
  if (raDeg != nullptr) *raDeg = gShown.ra;
  if (decDeg != nullptr) *decDeg = gShown.dec;
}

}  // namespace

void ShowRiseSetOfFixedPlace(double raDeg, double decDeg, double epoch) {
  gShown = {raDeg, decDeg};
  ShowRiseSettDialog(kPointSourceRiseAltitude, epoch, AnswerFixedPlace);
}

bool ShowRiseSetOfObject(kit::TObjectGroup& group, int32_t index) {
  double ra = 0.0;
  double dec = 0.0;
  if (!group.GetObjectRaDec(index, ra, dec)) return false;
  ShowRiseSetOfFixedPlace(ra, dec, group.Epoch);
  return true;
}

}  // namespace velarion::solar
