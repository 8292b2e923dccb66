// Helpers of the solar-system tests: angular separations, a view on the oracle places, and
// a group on the map of a view.
#ifndef VELARION_TESTS_APP_SOLAR_SOLARTESTSUPPORT_H
#define VELARION_TESTS_APP_SOLAR_SOLARTESTSUPPORT_H

#include "BoundaryRecords.h"
#include "ObjectGroup.h"
#include "OracleTable.h"
#include "ProjectionExports.h"
#include "velastro.h"

#include <cmath>
#include <numbers>

namespace veltest {

inline double Rad(double deg) { return deg * std::numbers::pi / 180.0; }

// Angle between two directions, arcseconds (the haversine form, exact for small angles).
inline double SeparationArcsec(double ra1, double dec1, double ra2, double dec2) {
  const double a = std::sin(Rad(dec2 - dec1) / 2.0);
  const double b = std::sin(Rad(ra2 - ra1) / 2.0);
  const double h = a * a + std::cos(Rad(dec1)) * std::cos(Rad(dec2)) * b * b;
  return 2.0 * std::asin(std::sqrt(h)) * 180.0 / std::numbers::pi * 3600.0;
}

// Colours that tell every slot apart: slot i is grey i + 1.
inline void SetDistinctColours(velarion::kit::TViewParameters& view) {
  for (int i = 0; i < velarion::kit::kColourTableEntries; ++i) {
    view.colours[i] = 0x00010101u * static_cast<uint32_t>(i + 1);
  }
}

// View parameters for an oracle row: its moment, place, and every body shown.
inline velarion::kit::TViewParameters ViewOfRow(const TOracleTable& table, std::size_t row) {
  velarion::kit::TViewParameters view;
  view.mjdUt = table.Number(row, "mjd_ut1");
  view.mjdDynamical = TToMJD(table.Number(row, "t_tt"));
  view.latitude = table.Number(row, "lat_deg");
  view.longitudeEast = table.Number(row, "lon_deg");
  view.siderealHours = LMST(view.mjdUt, -view.longitudeEast);
  view.objectsVisible16 = 1;
  view.objectsVisible5To14 = 0x3FF;
  SetDistinctColours(view);
  return view;
}

// The map of a view's sky, centred at (centre, centre) with a horizon of `radius` pixels,
// taking places on the mean equator of date.
inline void SetMapOfView(const velarion::kit::TViewParameters& view, int32_t centre, int32_t radius,
                         bool quick) {
  velarion::sky::TProjectionSetup setup;
  setup.centreX = setup.centreY = centre;
  setup.radius = radius;
  setup.latitudeDeg = view.latitude;
  setup.siderealHours = view.siderealHours;
  setup.mjdUt = view.mjdUt;
  setup.quick = quick;
  velarion::sky::SetProjection(setup);
  SetEpoch(0.0, velarion::sky::kEpochMeanOfDate);
}

// A group given a view (0 quick, 1 detailed) on a square map of side 2 x centre whose
// horizon has `radius` pixels, and that map.
inline void ShowOnMap(velarion::kit::TObjectGroup& group,
                      const velarion::kit::TViewParameters& view, uint8_t viewMode,
                      int32_t radius = 1000, int32_t centre = 1000) {
  group.View = view;
  group.View.centreX = group.View.centreY = centre;
  group.View.radius = radius;
  group.ViewMode = viewMode;
  group.ViewRect = {0, 2 * centre, 0, 2 * centre};
  SetMapOfView(group.View, centre, radius, viewMode == 0);
}

}  // namespace veltest

#endif
