// The numbers by which the numeric libraries and the program name the Sun, the Moon and the
// planets: one enumeration for each numbering, and the conversions where two of them meet.
// (The view's body switches are the kit's, kit/BoundaryRecords.h; the planets group's
// object indices are its own, app/solar/PlanetRecord.h.)
#ifndef VELARION_BODIES_H
#define VELARION_BODIES_H

#include <cstdint>
#include <optional>

namespace velcommon {

// Body numbers: those of ComputeBodyPosition, and of velsolar's series
// file for the Moon and the planets.
enum class TBody : uint8_t {
  kSun = 0,
  kMoon = 1,
  kMercury = 2,
  kVenus = 3,
  kEarth = 4,
  kMars = 5,
  kJupiter = 6,
  kSaturn = 7,
  kUranus = 8,
  kNeptune = 9,
  kPluto = 10,
};
inline constexpr int kBodyCount = 11;

constexpr uint8_t BodyNumber(TBody body) { return static_cast<uint8_t>(body); }

// The planet numbers n of velastro's Planet: heliocentric order, 1 Mercury to
// 8 Neptune, the Earth 3.
enum class TVelastroPlanet : int32_t {
  kMercury = 1,
  kVenus = 2,
  kEarth = 3,
  kMars = 4,
  kJupiter = 5,
  kSaturn = 6,
  kUranus = 7,
  kNeptune = 8,
};

// velastro's number of a body from Mercury to Neptune, the Earth included (the body
// number less one); none for the Sun, the Moon and Pluto.
constexpr std::optional<TVelastroPlanet> VelastroPlanetOf(TBody body) {
  if (body < TBody::kMercury || body > TBody::kNeptune) return std::nullopt;
  return static_cast<TVelastroPlanet>(BodyNumber(body) - 1);
}

// The n to pass to Planet for a body: 0, which Planet answers with zeros, for a body it
// does not know.
constexpr int32_t VelastroNumber(TBody body) {
  const std::optional<TVelastroPlanet> planet = VelastroPlanetOf(body);
  return planet ? static_cast<int32_t>(*planet) : 0;
}

static_assert(VelastroNumber(TBody::kEarth) == 3 && VelastroNumber(TBody::kNeptune) == 8);
static_assert(VelastroNumber(TBody::kSun) == 0 && VelastroNumber(TBody::kPluto) == 0);

}  // namespace velcommon

#endif
