// The satellites' places against two independent theories' tables: astronomia (the same
// Galilean and Saturn methods) and PyEphem (modern ephemerides of all three systems).
#include "MoonTestSupport.h"
#include "OracleTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <map>

namespace veltest {
namespace {

// Planet radii in which astronomia counts: Jupiter's satellites in the radius of E5 (the
// 71492 km the library converts with); Saturn's in the handbook method's unit, in which
// Titan's semi-major axis is 20.216193 radii, that is 60436 km.
constexpr double kAstronomiaSaturnRadiusKm = 60436.0;
constexpr double kArcsecPerRadian = 180.0 / M_PI * 3600.0;

// An oracle row's offset in the planet radii of PlanetCase().
using TOracleOffset = TSkyOffset (*)(const TOracleTable&, std::size_t row, double deltaAu);

TSkyOffset AstronomiaOffset(const TOracleTable& table, std::size_t row, double /*deltaAu*/) {
  const bool saturn = table.Text(row, "planet") == "sat";
  const double scale = saturn ? kAstronomiaSaturnRadiusKm / kSaturnRadiusKm : 1.0;
  return {table.Number(row, "east") * scale, table.Number(row, "north") * scale};
}

TSkyOffset PyEphemOffset(const TOracleTable& table, std::size_t row, double deltaAu) {
  const TPlanetCase& c = PlanetCase(table.Text(row, "planet"));
  const double scale = deltaAu * kKmPerAu / c.radiusKm / kArcsecPerRadian;
  return {table.Number(row, "east_as") * scale, table.Number(row, "north_as") * scale};
}

struct TOracleCase {
  const char* table;
  TOracleOffset offset;
  double toleranceRadii;
};

// Deviations that are the method's own, not ours. Hyperion: astronomia evaluates the
// node term as printed, 1.40136 cos(node0), the library with the sine a turning orbit
// plane needs; the two differ by up to 0.45 radii. Against PyEphem the sine keeps Hyperion
// within 0.06 radii until 2020 (the printed cosine: 0.23), then the method's longitude
// drifts to 0.3 radii by 2043. Iapetus: the method itself (astronomia as well) comes
// 0.203 radii from PyEphem.
constexpr double kJd2020 = 2459000.5;

double Tolerance(const TOracleCase& oracle, const std::string& key, double jd) {
  const bool astronomia = oracle.offset == AstronomiaOffset;
  if (key == "sat6") {
    if (astronomia) {
      return 0.46;
    }
    return jd < kJd2020 ? 0.06 : 0.3;
  }
  if (key == "sat7" && !astronomia) {
    return 0.21;
  }
  return oracle.toleranceRadii;
}

class TOracleAccuracy : public testing::TestWithParam<TOracleCase> {};

TEST_P(TOracleAccuracy, OffsetsFromPlanetAgreeWithinTolerance) {
  const TOracleTable table(GetParam().table);
  ASSERT_GT(table.Size(), 300u);
  std::map<std::string, double> worst;
  for (std::size_t row = 0; row < table.Size(); ++row) {
    const TPlanetCase& c = PlanetCase(table.Text(row, "planet"));
    const int satellite = static_cast<int>(table.Number(row, "sat"));
    const double t = TFromJd(table.Number(row, "jd_tt"));
    const TSkyOffset ours = SatelliteOffsetRadii(c, t, satellite);
    const TSkyOffset oracle = GetParam().offset(table, row, PlanetDistanceAu(c, t));
    const double error = std::hypot(ours.east - oracle.east, ours.north - oracle.north);
    const std::string key = c.code + std::to_string(satellite);
    worst[key] = std::max(worst[key], error);
    EXPECT_LT(error, Tolerance(GetParam(), key, table.Number(row, "jd_tt")))
        << key << " at JD " << table.Text(row, "jd_tt") << ": ours " << ours.east << ", "
        << ours.north;
  }
  for (const auto& [key, error] : worst) {
    std::cout << GetParam().table << " " << key << " max " << error << " radii\n";
  }
}

INSTANTIATE_TEST_SUITE_P(Oracles, TOracleAccuracy,
                         testing::Values(TOracleCase{"moons_astronomia.csv", AstronomiaOffset,
                                                     0.05},
                                         TOracleCase{"moons_pyephem.csv", PyEphemOffset, 0.2}));

}  // namespace
}  // namespace veltest
