// Atmospheric refraction for one pair of pressure and temperature, tabulated so that the
// projection can lift a direction towards the zenith with a few multiplications.
#ifndef VELARION_APP_SKY_REFRACTIONTABLE_H
#define VELARION_APP_SKY_REFRACTIONTABLE_H

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

namespace velarion::sky {

// A direction before or after refraction: the sine of its altitude and the factor by which
// refraction scales its horizontal component (cos apparent / cos true).
struct TRefracted {
  double sine;
  double factor;
};

class TRefractionTable {
 public:
  static constexpr std::size_t kSize = 207;

  // Builds the table for the pressure (millibar) and temperature (degrees Celsius), both
  // first clamped to the range refrac() models.
  TRefractionTable(double pressureMbar, double temperatureC);

  static double ClampPressure(double pressureMbar);
  static double ClampTemperature(double temperatureC);

  // True when the table was built for these conditions once they are clamped.
  [[nodiscard]] bool IsFor(double pressureMbar, double temperatureC) const;

  // Sine of h0, the true altitude that refraction lifts to the apparent horizon.
  [[nodiscard]] double HorizonSine() const { return entries_[kHorizonSine]; }

  // From the sine of the true altitude to the apparent one (inline below: with refraction
  // on, RaDecToXY calls it for every star).
  [[nodiscard]] TRefracted ApplyRefraction(double trueSine) const;

  // From the sine of the apparent altitude back to the true one; the factor is the one
  // ApplyRefraction gives for the result.
  [[nodiscard]] TRefracted RemoveRefraction(double apparentSine) const;

 private:
  static constexpr double kSin1 = 0.01745240643728351;
  static constexpr double kSin15 = 0.25881904510252074;
  // (sin 15 deg - sin 1 deg) / 200: the table is evenly spaced in sine between 1 and 15 deg,
  // where the factor changes fastest.
  static constexpr double kSineStep = 0.0012068331933261863;
  static constexpr double kInverseSineStep = 828.6149283347704;
  // 1 / (1 - sin 15 deg): above 15 deg the factor is interpolated linearly up to the zenith.
  static constexpr double kInverseUpperSpan = 1.3491981862113225;

  static constexpr std::size_t kPressure = 0;
  static constexpr std::size_t kTemperature = 1;
  static constexpr std::size_t kFactorAt15 = 2;
  static constexpr std::size_t kFactorAtZenith = 3;
  static constexpr std::size_t kFirstStep = 4;
  static constexpr std::size_t kStepCount = 200;
  static constexpr std::size_t kHorizonSine = 205;
  static constexpr std::size_t kApparentSineAt1 = 206;

  [[nodiscard]] double RefractionDeg(double altitudeDeg) const;
  [[nodiscard]] TRefracted ApplyNearHorizon(double trueSine) const;
  [[nodiscard]] double FactorAt(double trueAltitudeDeg) const;
  [[nodiscard]] double FindHorizonAltitudeDeg() const;
  [[nodiscard]] TRefracted RemoveAboveOneDegree(double apparentSine) const;
  [[nodiscard]] double RemoveNearHorizon(double apparentSine) const;

  std::array<double, kSize> entries_{};
};

inline TRefracted TRefractionTable::ApplyRefraction(double trueSine) const {
  const double z = trueSine;
  double k = 0.0;
  if (z >= kSin15) {
    k = entries_[kFactorAt15] +
        (entries_[kFactorAtZenith] - entries_[kFactorAt15]) * (z - kSin15) * kInverseUpperSpan;
  } else if (z >= kSin1) {
    // Just below sin 15 deg the index could round up to the last step; keep one step in.
    const std::size_t j =
        std::min(static_cast<std::size_t>((z - kSin1) * kInverseSineStep), kStepCount - 1);
    const double stepStart = kSin1 + static_cast<double>(j) * kSineStep;
    const double low = entries_[kFirstStep + j];
    k = low + (z - stepStart) * (entries_[kFirstStep + j + 1] - low) * kInverseSineStep;
  } else {
    return ApplyNearHorizon(z);
  }
  // cos(apparent) = k cos(true).
  return {std::sqrt(1.0 - k * k + (k * z) * (k * z)), k};
}

}  // namespace velarion::sky

#endif
