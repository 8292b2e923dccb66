// Precession, nutation and obliquity against Skyfield's independent IAU 2006/2000A code
// (tests/fixtures/oracles/frames.csv, made by tools/oracles/make_frames_oracle.py).
#include "velastro.h"

#include "OracleTable.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using veltest::TOracleTable;

constexpr double kArcsecToRad = 3.14159265358979323846 / 180.0 / 3600.0;
constexpr double kToleranceArcsec = 0.05;

void ExpectMatrix(const double* m, const TOracleTable& oracle, std::size_t row,
                  const std::string& prefix) {
  for (int k = 0; k < 9; ++k) {
    EXPECT_NEAR(m[k], oracle.Number(row, prefix + std::to_string(k)),
                kToleranceArcsec * kArcsecToRad)
        << prefix << k;
  }
}

TEST(Frames, MatricesAndObliquityAgreeWithIau2006Within005Arcsec) {
  const TOracleTable oracle("frames.csv");
  ASSERT_GT(oracle.Size(), 20u);
  for (std::size_t i = 0; i < oracle.Size(); ++i) {
    const double t1 = oracle.Number(i, "t1");
    const double t2 = oracle.Number(i, "t2");
    SCOPED_TRACE("T1 " + std::to_string(t1) + " T2 " + std::to_string(t2));
    double m[9];
    PMatEqu(t1, t2, m);
    ExpectMatrix(m, oracle, i, "peq");
    PMatEcl(t1, t2, m);
    ExpectMatrix(m, oracle, i, "pecl");
    PMatNutEqu(t2, m);
    ExpectMatrix(m, oracle, i, "nut");
    EXPECT_NEAR(GetEps(t2) * 3600.0, oracle.Number(i, "eps_arcsec"), kToleranceArcsec);
  }
}

TEST(Frames, NutEquRotatesLikeTheNutationMatrix) {
  const TOracleTable oracle("frames.csv");
  const double t = oracle.Number(0, "t2");
  double x = 0.3, y = -0.5, z = 0.81;
  NutEqu(t, &x, &y, &z);
  const double v[3] = {0.3, -0.5, 0.81};
  const double out[3] = {x, y, z};
  for (int i = 0; i < 3; ++i) {
    double expected = 0.0;
    for (int j = 0; j < 3; ++j) {
      expected += oracle.Number(0, "nut" + std::to_string(3 * i + j)) * v[j];
    }
    EXPECT_NEAR(out[i], expected, 1e-9);
  }
}

TEST(Frames, EclipticPoleLiesAtRightAscension270) {
  const double eps = GetEps(0.0);
  EXPECT_NEAR(eps, 23.4392794, 1e-6);  // IAU 2006: 84381.406"
  double x = 0.0, y = 0.0, z = 1.0;
  EclEqu(0.0, &x, &y, &z);
  double r = 0, dec = 0, ra = 0;
  Polar(x, y, z, &r, &dec, &ra);
  EXPECT_NEAR(ra, 270.0, 1e-9);
  EXPECT_NEAR(dec, 90.0 - eps, 1e-9);
  EquEcl(0.0, &x, &y, &z);
  EXPECT_NEAR(z, 1.0, 1e-15);
}

TEST(Frames, PrecessionFromAnEpochToItselfIsIdentity) {
  double m[9];
  PMatEqu(0.37, 0.37, m);
  for (int k = 0; k < 9; ++k) {
    EXPECT_NEAR(m[k], k % 4 == 0 ? 1.0 : 0.0, 1e-15);
  }
}

TEST(Frames, SphericalAndRectangularRoundTrip) {
  struct TCase {
    double r, theta, phi;
  };
  for (TCase c :
       {TCase{1.0, 0.0, 0.0}, {2.5, 45.0, 123.0}, {0.7, -89.0, 359.9}, {1.0, 30.0, 270.0}}) {
    double x, y, z, r, theta, phi;
    Cart(c.r, c.theta, c.phi, &x, &y, &z);
    Polar(x, y, z, &r, &theta, &phi);
    EXPECT_NEAR(r, c.r, 1e-12);
    EXPECT_NEAR(theta, c.theta, 1e-10);
    EXPECT_NEAR(phi, c.phi, 1e-10);
  }
  double r, theta, phi;
  Polar(0.0, 0.0, -2.0, &r, &theta, &phi);
  EXPECT_EQ(theta, -90.0);
  EXPECT_EQ(phi, 0.0);
}

}  // namespace
