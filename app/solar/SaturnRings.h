// Saturn's rings: the tilt of the ring plane seen from the Earth and from the Sun, the
// ellipse they make on the sky, and their outline on the map.
#ifndef VELARION_APP_SOLAR_SATURNRINGS_H
#define VELARION_APP_SOLAR_SATURNRINGS_H

#include "Geometry.h"
#include "ObjectGroup.h"
#include "PixelRegion.h"

#include <cstdint>
#include <vector>

namespace velarion::solar {

struct TRingGeometry {
  double tiltFromEarthDeg = 0.0;  // B, positive when the northern face is seen
  double tiltFromSunDeg = 0.0;    // B'
  double majorAxisDeg = 0.0;      // apparent, of the outer edge
  double minorAxisDeg = 0.0;
  double positionAngleDeg = 0.0;  // of the major axis
};

// The ring geometry at T (Julian centuries, UT moment) for Saturn seen at (raDeg, decDeg)
// (topocentric, mean equator of date) at distance deltaAu, with its heliocentric ecliptic
// longitude and latitude (degrees).
TRingGeometry ComputeRingGeometry(double tCenturies, double raDeg, double decDeg, double deltaAu,
                                  double helioLongitudeDeg, double helioLatitudeDeg);

// The rings on the map: the ring area (the annulus less the part behind the planet) and
// the Cassini and Encke divisions as point lists inside it.
struct TRingOutline {
  TPixelRegion area;
  std::vector<velplatform::TPoint> cassini;
  std::vector<velplatform::TPoint> encke;
  bool Present() const { return !area.Empty(); }
};

// Saturn at its topocentric (raDeg, decDeg) and distance, with the planet's apparent radius
// (degrees); the horizon circle (centre, radius in pixels) bounds the visible sky, and
// `clip` the pixels the area is kept for. Points come from RaDecToXY in the frame set last.
struct TRingView {
  int32_t centreX = 0;
  int32_t centreY = 0;
  int32_t horizonRadiusPx = 0;
  velplatform::TRect clip;
};
TRingOutline BuildRingOutline(double raDeg, double decDeg, double deltaAu, double planetRadiusDeg,
                              const TRingGeometry& geometry, const TRingView& view);

// The projected points of an ellipse of semi-axes (a, a * ratio) degrees, its a-axis at
// position angle paDeg, around (raDeg, decDeg), from fromDeg to toDeg. Where the outline
// crosses the horizon a point on the rim is added; a radius below a pixel gives none.
std::vector<velplatform::TPoint> TraceRingEllipse(double raDeg, double decDeg, double aDeg,
                                                  double ratio, double paDeg, double fromDeg,
                                                  double toDeg, const TRingView& view);

}  // namespace velarion::solar

#endif
