// The Moon as seen from the observer: its topocentric place, size, age and phase, the
// direction of its bright limb, and the Earth's shadow when it is near.
#ifndef VELARION_APP_SOLAR_MOONPLACE_H
#define VELARION_APP_SOLAR_MOONPLACE_H

#include <cstdint>

namespace velarion::solar {

struct TMoonMoment {
  double mjdUt = 0.0;
  double mjdDynamical = 0.0;
  double longitudeEastDeg = 0.0;
  double latitudeDeg = 0.0;
  bool highPrecision = false;  // asked for
  bool astrometric = false;
};

struct TMoonPlace {
  double altitudeDeg = 0.0;   // topocentric, no refraction
  double longitudeDeg = 0.0;  // geocentric ecliptic of date
  double latitudeDeg = 0.0;
  double distanceEarthRadii = 0.0;  // topocentric
  double raDeg = 0.0;               // geocentric, mean equator of date
  double decDeg = 0.0;
  double topoRaDeg = 0.0;
  double topoDecDeg = 0.0;
  double ageAngleDeg = 0.0;         // Moon's longitude minus the Sun's, 0..360
  double semiDiameterArcmin = 0.0;  // topocentric
  bool highPrecision = false;       // used
  // Known only when the Moon stands above the drawing horizon (AboveDrawingHorizon):
  double cosPhase = 1.0;       // cosine of the phase angle
  double brightLimbDeg = 0.0;  // position angle of the cusp line
  bool eclipse = false;
  double shadowRaDeg = 0.0;  // shadow centre, shifted by the Moon's parallax
  double shadowDecDeg = 0.0;
  double penumbraArcmin = 0.0;
  double umbraArcmin = 0.0;

  double AgeDays() const;
  double Phase() const;  // illuminated fraction by the age angle
};

TMoonPlace ComputeMoonPlace(const TMoonMoment& moment);

// The altitude (degrees) of the centre of the Moon at `distanceEarthRadii` from the Earth's
// centre, seen from there, when an observer sees its upper limb rise or set: 34' of
// refraction and the semi-diameter below the horizon, lifted by the horizontal parallax,
// which the distance varies from 54' to 61'.
double MoonRiseAltitudeDeg(double distanceEarthRadii);

// Position angle (degrees, 0..360) of the cusp line of a body at (raDeg, decDeg) lit by the
// Sun at (sunRaDeg, sunDecDeg), and the elongation between them (degrees).
struct TLimb {
  double brightLimbDeg = 0.0;
  double elongationDeg = 0.0;
};
TLimb BrightLimb(double raDeg, double decDeg, double sunRaDeg, double sunDecDeg);

}  // namespace velarion::solar

#endif
