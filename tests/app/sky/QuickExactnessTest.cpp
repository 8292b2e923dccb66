// The quick conversion gives exactly what its integer definition gives: S, U and T built
// from their definitions here, divisions by powers of two truncating toward zero,
// rounding to nearest with halves to even.
#include "Projection.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

using namespace velarion::sky;

int32_t RoundHalfEven(double x) { return static_cast<int32_t>(std::nearbyint(x)); }
double StepRad(int32_t k) { return k / 30.0 * 3.14159265358979323846 / 180.0; }

// The definition, written out plainly.
class TQuickReference {
 public:
  explicit TQuickReference(int32_t radius) : radius_(radius) {
    for (int k = -100; k <= 10900; ++k) {
      const int base = k < 0 ? k + 10800 : (k > 10800 ? k - 10800 : k);
      s_[k + 100] = RoundHalfEven(8192.0 * std::sin(StepRad(base)));
    }
    for (int i = 0; i <= 2700; ++i) {
      const int u = RoundHalfEven(65535.0 * std::cos(StepRad(i)));
      t_[2700 - i + 2700] = RoundHalfEven(16.0 * radius * u / 65535.0);
      t_[i - 2700 + 2700] = -t_[2700 - i + 2700];
    }
  }

  std::optional<TPixel> Convert(const TProjection::TQuickState& state, int32_t cx, int32_t cy,
                                int32_t raArcmin, int32_t decArcmin) const {
    const int64_t r = raArcmin / 2;
    const int64_t d = decArcmin / 2;
    const int64_t c = T(2700 - std::llabs(d));
    const int64_t e0 = (-c * S(r)) / 131072;
    const int64_t e1 = (-c * S(r < 2700 ? 2700 - r : 13500 - r)) / 131072;
    const int64_t e2 = T(d) / 16;
    const auto& q = state.q;
    const int64_t depth = q[6] * e0 + q[7] * e1 + q[8] * e2;
    if (depth < state.depthThreshold) return std::nullopt;
    const int64_t sx = q[0] * e0 + q[1] * e1 + q[2] * e2;
    const int64_t sy = q[3] * e0 + q[4] * e1 + q[5] * e2;
    if (state.depthFactors.empty()) {
      return TPixel{static_cast<int32_t>(sx / 131072) + cx, cy - static_cast<int32_t>(sy / 131072)};
    }
    const int64_t f = state.depthFactors.at((depth - state.depthThreshold) / 65536);
    return TPixel{static_cast<int32_t>((sx / 2048) * f / 131072) + cx,
                  cy - static_cast<int32_t>((sy / 2048) * f / 131072)};
  }

 private:
  int64_t S(int64_t k) const { return s_[k + 100]; }
  int64_t T(int64_t j) const { return t_[j + 2700]; }
  int32_t radius_;
  std::array<int32_t, 11001> s_{};
  std::array<int32_t, 5401> t_{};
};

TEST(QuickExactness, MatchesTheIntegerDefinitionEverywhere) {
  std::mt19937 rng(11);
  for (const bool stereographic : {false, true}) {
    for (const bool refraction : {false, true}) {
      TProjectionSetup setup;
      setup.centreX = 700;
      setup.centreY = 450;
      setup.radius = 431;
      setup.quick = true;
      setup.stereographic = stereographic;
      setup.refraction = refraction;
      setup.latitudeDeg = 51.48;
      setup.siderealHours = 17.25;
      setup.mjdUt = 61000.0;
      setup.rotationDeg = 23.0;
      setup.yScale = 1.07;
      TProjection projection;
      projection.SetProjection(setup);
      projection.SetEpoch(0.0, kEpochMeanOfEpoch);
      const TQuickReference reference(setup.radius);
      const auto state = projection.QuickState();
      std::uniform_int_distribution<int32_t> ra(0, 21599);
      std::uniform_int_distribution<int32_t> dec(-5400, 5400);
      for (int i = 0; i < 200000; ++i) {
        // Every RA step and both poles turn up; the rest at random.
        const int32_t a = i < 21600 ? i : ra(rng);
        const int32_t d =
            i < 21600 ? (i % 3 == 0 ? 5400 : (i % 3 == 1 ? -5400 : dec(rng))) : dec(rng);
        const auto expected = reference.Convert(state, setup.centreX, setup.centreY, a, d);
        const auto actual = projection.QuickRaDecToXY(a, d);
        ASSERT_EQ(actual.has_value(), expected.has_value()) << a << " " << d;
        if (expected) {
          ASSERT_EQ(*actual, *expected)
              << a << " " << d << " stereo " << stereographic << " refraction " << refraction;
        }
      }
    }
  }
}

}  // namespace
