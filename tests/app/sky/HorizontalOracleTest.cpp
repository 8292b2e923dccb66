// Pixel positions of stars against altitudes and azimuths from an independent ephemeris
// (tests/fixtures/oracles/horizontal_oracle.csv, made by
// tools/oracles/make_horizontal_oracle.py with Skyfield and DE405).
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "OracleTable.h"
#include "Projection.h"
#include "SkyTestSupport.h"
#include "velastro.h"

namespace velarion::sky::test {
namespace {

struct TOracleRow {
  std::string star;
  std::string place;
  double raDeg;
  double decDeg;
  double latitudeDeg;
  double longitudeEastDeg;
  double mjdUt1;
  THorizontal horizontal;
};

std::vector<TOracleRow> ReadOracle() {
  const veltest::TOracleTable table("horizontal_oracle.csv");
  std::vector<TOracleRow> rows;
  for (std::size_t i = 0; i < table.Size(); ++i) {
    rows.push_back({table.Text(i, "star"),
                    table.Text(i, "place"),
                    table.Number(i, "ra_deg"),
                    table.Number(i, "dec_deg"),
                    table.Number(i, "lat_deg"),
                    table.Number(i, "lon_east_deg"),
                    table.Number(i, "mjd_ut1"),
                    {table.Number(i, "alt_deg"), table.Number(i, "az_deg")}});
  }
  return rows;
}

struct TOracleView {
  const char* name;
  bool stereographic;
  double yScale;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const TOracleView& value, std::ostream* out) { *out << value.name; }

class HorizontalOracleTest : public ::testing::TestWithParam<TOracleView> {};

// The projection differs from the oracle by the aberration, some twenty arcseconds, about
// 0.05 px at R = 500; the rest of the pixel is rounding.
constexpr double kTolerancePx = 1.0;
// Closer to the horizon than this the two may disagree about visibility.
constexpr double kHorizonMarginDeg = 0.05;

TEST_P(HorizontalOracleTest, StarsLandWhereTheEphemerisPutsThem) {
  const std::vector<TOracleRow> rows = ReadOracle();
  ASSERT_GE(rows.size(), 200u);
  TProjection projection;
  int checkedAbove = 0;
  int checkedBelow = 0;
  for (const TOracleRow& row : rows) {
    TProjectionSetup setup = View(500, row.latitudeDeg, LAST(row.mjdUt1, -row.longitudeEastDeg));
    setup.mjdUt = row.mjdUt1;
    setup.stereographic = GetParam().stereographic;
    setup.yScale = GetParam().yScale;
    projection.SetProjection(setup);
    projection.SetEpoch(0.0, kEpochMeanOfEpoch);
    const auto pixel = projection.RaDecToXY(row.raDeg, row.decDeg);
    const std::string where = row.star + " at " + row.place + " MJD " + std::to_string(row.mjdUt1);
    if (row.horizontal.altitudeDeg > kHorizonMarginDeg) {
      ASSERT_TRUE(pixel.has_value()) << where;
      const TPointD expected = ExpectedPixel(row.horizontal, setup);
      EXPECT_LE(Distance(*pixel, expected.x, expected.y), kTolerancePx)
          << where << ": got (" << pixel->x << ", " << pixel->y << "), expected (" << expected.x
          << ", " << expected.y << ")";
      ++checkedAbove;
    } else if (row.horizontal.altitudeDeg < -kHorizonMarginDeg) {
      EXPECT_FALSE(pixel.has_value()) << where;
      ++checkedBelow;
    }
  }
  EXPECT_GT(checkedAbove, 100);
  EXPECT_GT(checkedBelow, 100);
}

INSTANTIATE_TEST_SUITE_P(Views, HorizontalOracleTest,
                         ::testing::Values(TOracleView{"Orthographic", false, 1.0},
                                           TOracleView{"Stereographic", true, 1.0},
                                           TOracleView{"OrthographicTallPixels", false, 0.8},
                                           TOracleView{"StereographicWidePixels", true, 1.25}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace velarion::sky::test
