// TComet: a comet from its elements at perihelion.
//
// Its record in the object file (after the type byte 2), little-endian:
//   name (length byte, text), perihelion time f64 (MJD), q f64 (AU), e f64, ω, Ω, i f64
//   (degrees), g × 100 i16, k × 100 i16, equinox f64 (MJD), selected u8.
// Its import line: name field, an optional marker character that selects it, then year,
// month, day with fraction of perihelion, q, e, ω, Ω, i, g, k.
#ifndef VELARION_PLUGINS_ORBITS_COMET_H
#define VELARION_PLUGINS_ORBITS_COMET_H

#include "OrbitalObject.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace velarion::orbits {

inline constexpr std::size_t kCometRecordBytesWithoutName = 1 + 1 + 6 * 8 + 2 * 2 + 8 + 1;
static_assert(kCometRecordBytesWithoutName == 63);

struct TCometElements {
  double perihelionMjd = 0.0;         // dynamical time
  double perihelionDistanceAu = 1.0;  // q > 0
  double eccentricity = 0.0;          // e ≥ 0
  double perihelionArgumentDeg = 0.0;
  double ascendingNodeDeg = 0.0;
  double inclinationDeg = 0.0;
  int16_t absoluteMagnitude100 = 0;  // g × 100
  int16_t activity100 = 0;           // k × 100
};

TElementFault CheckCometElements(const TCometElements& elements);

class TComet final : public TOrbitalObject {
 public:
  explicit TComet(std::string name = {}) { SetName(std::move(name)); }

  TOrbitalKind Kind() const override { return TOrbitalKind::kComet; }
  TElementFault ReadRecord(velplatform::TByteReader& reader) override;
  void WriteRecord(velplatform::TByteWriter& writer) const override;
  TElementFault ParseLine(std::string_view line) override;

  const TCometElements& Elements() const { return elements_; }
  TElementFault SetElements(const TCometElements& elements);

 protected:
  TPerihelionOrbit PerihelionOrbit() const override;
  TOrbitOrientation Orientation() const override;
  std::optional<double> Magnitude(const TBodyDistances& distances) const override;

 private:
  TCometElements elements_;
};

}  // namespace velarion::orbits

#endif
