// The per-satellite caches answer only for the moment they were filled for, only for their
// own satellite and export, and the exports leave everything alone for unknown numbers.
#include "MoonTestSupport.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <array>

namespace veltest {
namespace {

using TPlace = std::array<double, 4>;

TPlace Place(TSatelliteExport calc, double t, int32_t satellite) {
  TPlace p{-1.0, -1.0, -1.0, -1.0};
  calc(t, satellite, &p[0], &p[1], &p[2], &p[3]);
  return p;
}

struct TExportCase {
  const char* name;
  TSatelliteExport calc;
  int32_t count;
};

const TExportCase kExports[] = {
    {"CalcJupSat", CalcJupSat, 4}, {"CalcSatSat", CalcSatSat, 8}, {"CalcUraSat", CalcUraSat, 5}};

class TExportCache : public testing::TestWithParam<TExportCase> {};

TEST_P(TExportCache, AnswersOnlyForTheSameMoment) {
  const TExportCase& c = GetParam();
  const double t = 0.123456;
  for (int32_t k = 0; k < c.count; ++k) {
    Place(c.calc, -0.3, k);  // the next call is a fresh computation
    const TPlace fresh = Place(c.calc, t + 2e-10, k);
    const TPlace atT = Place(c.calc, t, k);
    EXPECT_EQ(Place(c.calc, t + 1e-10, k), atT) << k;
    const TPlace recomputed = Place(c.calc, t + 2e-10, k);
    EXPECT_EQ(recomputed, fresh) << k;
    EXPECT_NE(recomputed, atT) << k;
  }
}

TEST_P(TExportCache, SatellitesOfOneMomentAreDistinct) {
  const TExportCase& c = GetParam();
  const double t = -0.25;
  for (int32_t k = 1; k < c.count; ++k) {
    EXPECT_NE(Place(c.calc, t, k - 1), Place(c.calc, t, k)) << k;
  }
}

TEST_P(TExportCache, NumbersOutsideTheRangeLeaveTheResultsAlone) {
  const TExportCase& c = GetParam();
  const TPlace untouched{-1.0, -1.0, -1.0, -1.0};
  for (int32_t k : {c.count, 255, -1, 0x7fffffff}) {
    EXPECT_EQ(Place(c.calc, 0.1, k), untouched) << k;
  }
  // Only the low byte counts: 256 is satellite 0.
  EXPECT_EQ(Place(c.calc, 0.1, 256), Place(c.calc, 0.1, 0));
  c.calc(0.1, 0, nullptr, nullptr, nullptr, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Exports, TExportCache, testing::ValuesIn(kExports),
                         [](const auto& info) { return std::string(info.param.name); });

// The same satellite number in two exports is two satellites: Io is not Mimas.
TEST(SatelliteCache, ExportsKeepSeparateEntries) {
  const double t = 0.05;
  const TPlace io = Place(CalcJupSat, t, 0);
  const TPlace mimas = Place(CalcSatSat, t, 0);
  const TPlace miranda = Place(CalcUraSat, t, 0);
  EXPECT_LT(io[2], 6.5);
  EXPECT_GT(mimas[2], 8.0);
  EXPECT_GT(miranda[2], 18.0);
  EXPECT_EQ(Place(CalcJupSat, t, 0), io);
}

// The program links the shared library by name: its four exports must be visible.
TEST(SharedLibrary, ExportsTheFourEntryPoints) {
  void* library = dlopen(VELMOONS_LIBRARY, RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(library, nullptr) << dlerror();
  for (const char* name : {"CalcJupSat", "CalcSatSat", "CalcUraSat", "ObjApparentRaDec"}) {
    EXPECT_NE(dlsym(library, name), nullptr) << name;
  }
  dlclose(library);
}

}  // namespace
}  // namespace veltest
