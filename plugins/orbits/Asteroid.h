// TAsteroid: a minor planet from its elements at an epoch of mean anomaly.
//
// Its record in the object file (after the type byte 1), little-endian:
//   number i32, name (length byte, text), epoch of M f64 (MJD), Ω, i, ω f64 (degrees),
//   e f64, a f64 (AU), M f64 (degrees), H × 100 i16, G × 100 i16, equinox f64 (MJD),
//   selected u8.
// Its import line: a marker in column 1 (anything but a blank selects it), then number, name
// field, year, month, day with fraction, M, a, e, ω, Ω, i, H, G.
#ifndef VELARION_PLUGINS_ORBITS_ASTEROID_H
#define VELARION_PLUGINS_ORBITS_ASTEROID_H

#include "OrbitalObject.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace velarion::orbits {

inline constexpr std::size_t kAsteroidRecordBytesWithoutName = 1 + 4 + 1 + 7 * 8 + 2 * 2 + 8 + 1;
static_assert(kAsteroidRecordBytesWithoutName == 75);

struct TAsteroidElements {
  int32_t number = 0;
  double epochMjd = 0.0;  // of the mean anomaly, dynamical time
  double ascendingNodeDeg = 0.0;
  double inclinationDeg = 0.0;
  double perihelionArgumentDeg = 0.0;
  double eccentricity = 0.0;     // 0 ≤ e < 1
  double semimajorAxisAu = 1.0;  // > 0
  double meanAnomalyDeg = 0.0;
  int16_t absoluteMagnitude100 = 0;  // H × 100
  int16_t slope100 = 0;              // G × 100
};

TElementFault CheckAsteroidElements(const TAsteroidElements& elements);

class TAsteroid final : public TOrbitalObject {
 public:
  explicit TAsteroid(std::string name = {}) { SetName(std::move(name)); }

  TOrbitalKind Kind() const override { return TOrbitalKind::kAsteroid; }
  TElementFault ReadRecord(velplatform::TByteReader& reader) override;
  void WriteRecord(velplatform::TByteWriter& writer) const override;
  TElementFault ParseLine(std::string_view line) override;

  const TAsteroidElements& Elements() const { return elements_; }
  // Takes the elements when they pass their checks.
  TElementFault SetElements(const TAsteroidElements& elements);

 protected:
  TPerihelionOrbit PerihelionOrbit() const override;
  TOrbitOrientation Orientation() const override;
  std::optional<double> Magnitude(const TBodyDistances& distances) const override;

 private:
  TAsteroidElements elements_;
};

}  // namespace velarion::orbits

#endif
