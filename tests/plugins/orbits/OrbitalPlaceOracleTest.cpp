// Places of asteroids and comets against Skyfield's Kepler propagation with DE405 for the
// Earth (tools/oracles/make_orbits_oracle.py), from the same elements.
#include "Asteroid.h"
#include "Comet.h"
#include "ImportLine.h"
#include "OracleTable.h"
#include "velastro.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <map>
#include <memory>
#include <string>

namespace velarion::orbits {
namespace {

constexpr double kArcsec = 1.0 / 3600.0;
constexpr double kPlaceToleranceDeg = 5.0 * kArcsec;
constexpr double kMagnitudeTolerance = 0.05;

std::unique_ptr<TOrbitalObject> MakeAsteroid(const TAsteroidElements& e) {
  auto asteroid = std::make_unique<TAsteroid>();
  EXPECT_EQ(asteroid->SetElements(e), TElementFault::kNone);
  return asteroid;
}

std::unique_ptr<TOrbitalObject> MakeComet(int32_t year, int32_t month, double day,
                                          TCometElements e) {
  e.perihelionMjd = *MjdOfFractionalDate(year, month, day);
  auto comet = std::make_unique<TComet>();
  EXPECT_EQ(comet->SetElements(e), TElementFault::kNone);
  return comet;
}

// The elements of the oracle script, in the same order.
std::map<std::string, std::unique_ptr<TOrbitalObject>> OracleObjects() {
  std::map<std::string, std::unique_ptr<TOrbitalObject>> objects;
  objects["Ceres"] = MakeAsteroid({1, MJD(31, 5, 2020, 0.0), 80.28698, 10.58862, 73.73161,
                                   0.0775571, 2.7676569, 162.68631, 340, 15});
  objects["Pallas"] = MakeAsteroid({2, MJD(21, 1, 2022, 0.0), 172.91658, 34.92531, 310.69724,
                                    0.2299930, 2.7711069, 272.47992, 411, 15});
  objects["Hale-Bopp"] =
      MakeComet(1997, 3, 29.6333, {0, 0.916241, 0.994928, 130.6448, 283.3593, 88.9908, -200, 400});
  objects["PANSTARRS"] =
      MakeComet(2015, 8, 1.8353, {0, 5.341055, 1.0, 208.8369, 258.5042, 109.1696, 1050, 400});
  objects["Halley"] =
      MakeComet(1986, 2, 9.4589, {0, 0.587104, 0.967277, 111.8657, 58.8601, 162.2422, 550, 400});
  objects["Oumuamua"] =
      MakeComet(2017, 9, 9.49, {0, 0.25589, 1.20113, 241.811, 24.599, 122.742, 2210, 400});
  objects["Synthetic"] = MakeComet(2010, 6, 15.0, {0, 1.2, 1.05, 45.0, 120.0, 30.0, 800, 400});
  return objects;
}

// The mean place of date turned to the mean equator and equinox J2000.0.
std::array<double, 2> ToJ2000(double raDeg, double decDeg, double t) {
  std::array<double, 9> precession{};
  PMatEqu(t, 0.0, precession.data());
  double x = 0, y = 0, z = 0, r = 0;
  Cart(1.0, decDeg, raDeg, &x, &y, &z);
  Precart(precession.data(), &x, &y, &z);
  Polar(x, y, z, &r, &decDeg, &raDeg);
  return {raDeg, decDeg};
}

struct TWorst {
  double astrometric = 0;
  double apparent = 0;
  double magnitude = 0;
};

double Separation(double ra1, double dec1, double ra2, double dec2) {
  const double dRa = veltest::AngleDifference(ra1, ra2) * std::cos(dec2 * 3.141592653589793 / 180);
  return std::hypot(dRa, dec1 - dec2);
}

TEST(OrbitalPlaceOracleTest, PlacesAndMagnitudesMatchSkyfield) {
  const veltest::TOracleTable table("orbits.csv");
  ASSERT_GT(table.Size(), 200u);
  const auto objects = OracleObjects();
  std::map<std::string, TWorst> worst;
  for (std::size_t row = 0; row < table.Size(); ++row) {
    const std::string& name = table.Text(row, "object");
    const TOrbitalObject& object = *objects.at(name);
    const double mjd = table.Number(row, "mjd_tt");
    const double t = GetT(mjd);
    const TOrbitalPlace mean =
        object.ComputePosition(mjd, {.skipAberration = true, .applyNutation = false});
    const auto [ra, dec] = ToJ2000(mean.raDeg, mean.decDeg, t);
    const double astrometric = Separation(ra, dec, table.Number(row, "ra_astrometric"),
                                          table.Number(row, "dec_astrometric"));
    const TOrbitalPlace apparent = object.ComputePosition(mjd, {});
    const double apparentError =
        Separation(apparent.raDeg, apparent.decDeg, table.Number(row, "ra_apparent"),
                   table.Number(row, "dec_apparent"));
    ASSERT_TRUE(apparent.magnitude) << name;
    const double magnitudeError = std::abs(*apparent.magnitude - table.Number(row, "magnitude"));
    EXPECT_LT(astrometric, kPlaceToleranceDeg) << name << " at " << mjd;
    EXPECT_LT(apparentError, kPlaceToleranceDeg) << name << " at " << mjd;
    EXPECT_LT(magnitudeError, kMagnitudeTolerance) << name << " at " << mjd;
    EXPECT_NEAR(mean.earthDistanceAu, table.Number(row, "delta_au"), 1e-5) << name;
    EXPECT_NEAR(apparent.sunDistanceAu, table.Number(row, "r_au"), 1e-5) << name;
    TWorst& w = worst[name];
    w.astrometric = std::max(w.astrometric, astrometric / kArcsec);
    w.apparent = std::max(w.apparent, apparentError / kArcsec);
    w.magnitude = std::max(w.magnitude, magnitudeError);
  }
  for (const auto& [name, w] : worst) {
    std::printf("%-10s astrometric %.3f\" apparent %.3f\" magnitude %.4f\n", name.c_str(),
                w.astrometric, w.apparent, w.magnitude);
  }
}

}  // namespace
}  // namespace velarion::orbits
