// Helpers of the solar-system tests: angular separations and a view on the oracle places.
#ifndef VELARION_TESTS_APP_SOLAR_SOLARTESTSUPPORT_H
#define VELARION_TESTS_APP_SOLAR_SOLARTESTSUPPORT_H

#include "BoundaryRecords.h"
#include "OracleTable.h"
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
  for (int i = 0; i < velarion::kit::kColourTableEntries; ++i) {
    view.colours[i] = 0x00010101u * static_cast<uint32_t>(i + 1);
  }
  return view;
}

}  // namespace veltest

#endif
