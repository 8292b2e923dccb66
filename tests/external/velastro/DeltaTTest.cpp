// Delta T against observed values (tests/fixtures/oracles/deltat.csv: the US Naval
// Observatory's published table before 1973, the IERS daily series after), against the
// long-term values of Morrison and Stephenson (2004) as tabulated by Espenak and Meeus
// (2006), and its continuity where one source hands over to the next.
#include "velastro.h"

#include "OracleTable.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

double DeltaTOfYear(double year) { return GetDeltat((year - 2000.0) / 100.0); }

TEST(DeltaT, AgreesWithObservedValuesFrom1900ToThePresent) {
  const veltest::TOracleTable oracle("deltat.csv");
  ASSERT_GT(oracle.Size(), 300u);
  for (std::size_t i = 0; i < oracle.Size(); ++i) {
    const double year = oracle.Number(i, "year");
    EXPECT_NEAR(DeltaTOfYear(year), oracle.Number(i, "delta_t_s"), 0.5)
        << year << " " << oracle.Text(i, "source");
  }
}

TEST(DeltaT, PresentValueAndLongTermTable) {
  EXPECT_NEAR(DeltaTOfYear(2026.0), 69.0, 1.0);
  struct TCase {
    double year;
    double deltaT;
  };
  for (TCase c : {TCase{-500, 17190}, {0, 10580}, {500, 5710}, {1000, 1570}, {1500, 200}}) {
    EXPECT_NEAR(DeltaTOfYear(c.year), c.deltaT, 0.01 * c.deltaT + 5.0) << c.year;
  }
}

TEST(DeltaT, ContinuousAtEveryJoin) {
  // Ends of the Espenak-Meeus pieces, start and end of the observed table, the 2150 join.
  for (double year : {-500.0, 500.0, 1600.0, 1657.0, 2023.3279, 2150.0}) {
    const double before = DeltaTOfYear(year - 1e-7);
    const double after = DeltaTOfYear(year + 1e-7);
    EXPECT_NEAR(before, after, 1e-3) << year;
  }
}

TEST(DeltaT, SmoothBetweenJoinsAndFinite) {
  // No step larger than the steepest real change over one year (about 60 s per year far
  // in the past, from the parabola).
  double previous = DeltaTOfYear(-9998.0);
  for (double year = -9997.0; year <= 9999.0; year += 1.0) {
    const double v = DeltaTOfYear(year);
    ASSERT_TRUE(std::isfinite(v)) << year;
    ASSERT_LT(std::fabs(v - previous), 80.0) << year;
    previous = v;
  }
}

}  // namespace
