// The planets group's planet indices: the object indices of its eight planets,
// Mercury to Pluto without the Earth (the satellites have indices of their own), and where
// they meet the other numberings: the body numbers and the view's body switches.
#ifndef VELARION_APP_SOLAR_PLANETINDEX_H
#define VELARION_APP_SOLAR_PLANETINDEX_H

#include "Bodies.h"
#include "BoundaryRecords.h"

#include <cstdint>
#include <optional>

namespace velarion::solar {

enum class TPlanetIndex : int32_t {
  kMercury = 1,
  kVenus = 2,
  kMars = 3,
  kJupiter = 4,
  kSaturn = 5,
  kUranus = 6,
  kNeptune = 7,
  kPluto = 8,
};
inline constexpr int32_t kPlanetCount = 8;

constexpr int32_t ObjectIndexOf(TPlanetIndex planet) { return static_cast<int32_t>(planet); }

// The planet whose object index this is; none for any other index.
constexpr std::optional<TPlanetIndex> PlanetOfObject(int32_t index) {
  if (index < ObjectIndexOf(TPlanetIndex::kMercury) || index > kPlanetCount) return std::nullopt;
  return static_cast<TPlanetIndex>(index);
}

// The body number: the planets in the order of the bodies, the Earth left out.
constexpr velcommon::TBody BodyOf(TPlanetIndex planet) {
  const int32_t index = ObjectIndexOf(planet);
  return static_cast<velcommon::TBody>(index < ObjectIndexOf(TPlanetIndex::kMars) ? index + 1
                                                                                  : index + 2);
}

// The planet's switch among the view's body switches.
constexpr kit::TBodySwitch BodySwitchOf(TPlanetIndex planet) {
  return kit::BodySwitchOf(BodyOf(planet)).value();
}

static_assert(BodyOf(TPlanetIndex::kVenus) == velcommon::TBody::kVenus &&
              BodyOf(TPlanetIndex::kMars) == velcommon::TBody::kMars &&
              BodyOf(TPlanetIndex::kPluto) == velcommon::TBody::kPluto);
static_assert(BodySwitchOf(TPlanetIndex::kMercury) == kit::TBodySwitch::kMercury &&
              BodySwitchOf(TPlanetIndex::kPluto) == kit::TBodySwitch::kPluto);

}  // namespace velarion::solar

#endif
