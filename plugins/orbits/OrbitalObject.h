// TOrbitalObject: a body of the asteroids-and-comets group, known by its osculating
// elements referred to the ecliptic and equinox `equinox`. TAsteroid and TComet give the
// elements, their record in the object file and their import line; the apparent place is
// computed here from the perihelion form of the orbit they give.
#ifndef VELARION_PLUGINS_ORBITS_ORBITALOBJECT_H
#define VELARION_PLUGINS_ORBITS_ORBITALOBJECT_H

#include "ByteStream.h"
#include "ElementFault.h"
#include "KeplerOrbit.h"
#include "OrbitalMagnitude.h"
#include "Units.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velarion::orbits {

// The type byte in front of each record of the object file.
enum class TOrbitalKind : uint8_t { kAsteroid = 1, kComet = 2 };

// What the group keeps for a body shown on the map (26 bytes in its stored form).
struct TDisplayBlock {
  uint8_t symbolSize = 0;
  uint8_t visible = 0;
  int32_t symbolX = 0;
  int32_t symbolY = 0;
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
};

// The orientation of the orbit: argument of perihelion ω, inclination i, ascending node Ω.
struct TOrbitOrientation {
  double perihelionArgumentDeg = 0.0;
  double inclinationDeg = 0.0;
  double ascendingNodeDeg = 0.0;
};

struct TPlaceOptions {
  bool skipAberration = false;
  bool applyNutation = true;
};

// The geocentric place at a moment: equator of date (true with nutation, else mean).
struct TOrbitalPlace {
  double raDeg = 0.0;
  double decDeg = 0.0;
  double earthDistanceAu = 0.0;  // Δ, light-time corrected
  double sunDistanceAu = 0.0;    // r
  std::optional<double> magnitude;
};

class TOrbitalObject {
 public:
  virtual ~TOrbitalObject() = default;

  virtual TOrbitalKind Kind() const = 0;
  // The fields of a record after its type byte; on failure the object is unchanged.
  virtual TElementFault ReadRecord(velplatform::TByteReader& reader) = 0;
  // The type byte and the fields.
  virtual void WriteRecord(velplatform::TByteWriter& writer) const = 0;
  // One line of an element list; on failure the object is unchanged.
  virtual TElementFault ParseLine(std::string_view line) = 0;

  // The place at `momentMjd` (dynamical time).
  TOrbitalPlace ComputePosition(double momentMjd, const TPlaceOptions& options) const;

  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }
  double EquinoxMjd() const { return equinoxMjd_; }

  bool Selected() const { return display_.has_value(); }
  void SetSelected(bool selected);
  TDisplayBlock* Display() { return display_ ? &*display_ : nullptr; }
  const TDisplayBlock* Display() const { return display_ ? &*display_ : nullptr; }

 protected:
  TOrbitalObject() = default;
  TOrbitalObject(const TOrbitalObject&) = default;
  TOrbitalObject& operator=(const TOrbitalObject&) = default;

  // The end that every record shares: the equinox and the selection byte.
  struct TRecordTail {
    double equinoxMjd = velcommon::kMjdJ2000;
    bool selected = false;
  };
  static std::optional<TRecordTail> ReadRecordTail(velplatform::TByteReader& reader);
  void WriteRecordTail(velplatform::TByteWriter& writer) const;
  // Takes the name and the tail of a record or an import line that passed its checks.
  void Adopt(std::string name, const TRecordTail& tail);

  virtual TPerihelionOrbit PerihelionOrbit() const = 0;
  virtual TOrbitOrientation Orientation() const = 0;
  virtual std::optional<double> Magnitude(const TBodyDistances& distances) const = 0;

 private:
  std::optional<TDisplayBlock> display_;
  double equinoxMjd_ = velcommon::kMjdJ2000;
  std::string name_;
};

}  // namespace velarion::orbits

#endif
