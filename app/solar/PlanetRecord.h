// The objects of the planets group: eight planets and seventeen satellites, their fixed
// data, the state of their last computation, and PlanetDataRecord.
#ifndef VELARION_APP_SOLAR_PLANETRECORD_H
#define VELARION_APP_SOLAR_PLANETRECORD_H

#include "BoundaryRecords.h"
#include "ComputeInputs.h"
#include "DiscOutline.h"
#include "Geometry.h"
#include "ObjectGroup.h"
#include "PlanetIndex.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace velarion::solar {

inline constexpr int32_t kPlanetObjectCount = 25;

enum class TSatelliteEvent : uint8_t { kNone = 0, kTransit = 1, kOccultation = 2, kEclipse = 3 };

struct TPlanetObject {
  // ---- Fixed ----
  int32_t index = 0;  // object index: 1..8, 10..13, 50..57, 100..104
  // The planet itself, or the satellite's planet: its index, body number and body switch bit.
  TPlanetIndex planetIndex = TPlanetIndex::kMercury;
  velcommon::TBody body = velcommon::TBody::kMercury;
  uint16_t bodyBit = 0;
  std::string symbol;  // CP1251 markup
  std::string name;    // CP1251
  bool isSatellite = false;
  uint8_t satelliteNumber = 0;  // 0-based within the planet
  double diameterAt1AuArcsec = 0.0;

  // ---- Last computation ----
  TComputeInputs inputs;
  double raDeg = 0.0, decDeg = 0.0, distanceAu = 0.0;  // geocentric, mean equator of date
  double topoRaDeg = 0.0, topoDecDeg = 0.0;
  double helioDistanceAu = 0.0, helioLatitudeDeg = 0.0, helioLongitudeDeg = 0.0;
  double sunDistanceAu = 0.0;
  int32_t magnitude = 0;  // hundredths
  double illuminated = 1.0;
  double altitudeDeg = 0.0;  // topocentric, no refraction
  double diameterDeg = 0.0;
  double cosPhase = 1.0;
  double brightLimbDeg = 0.0;
  bool highPrecision = false;  // used
  TSatelliteEvent event = TSatelliteEvent::kNone;

  // ---- Drawing (CalculateObjects) ----
  bool visible = false;
  kit::TObjectRect rect;
  velplatform::TPoint symbolCorner;
  int32_t symbolSize = 0;
  TDiscOutline disc;
};

// The 25 objects, planets first, then Jupiter's, Saturn's and Uranus's satellites, never
// computed.
std::array<TPlanetObject, kPlanetObjectCount> MakePlanetObjects();

// Where an object index lies in that array; none for an invalid index.
std::optional<std::size_t> PlanetSlot(int32_t index);

// Writes the record when the buffer holds its 61 bytes.
void WritePlanetData(const TPlanetObject& object, kit::TBytes record);

}  // namespace velarion::solar

#endif
