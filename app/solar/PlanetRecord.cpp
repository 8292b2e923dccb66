#include "PlanetRecord.h"

#include "Cp1251.h"

#include <cmath>

namespace velarion::solar {

namespace {

// By planet index.
struct TPlanetEntry {
  const char* name;
  char symbolLetter;  // in the astronomical symbol font
  double diameterAt1AuArcsec;
};

constexpr std::array<TPlanetEntry, kPlanetCount> kPlanets = {{
    {"Меркурий", 'S', 6.74},
    {"Венера", 'n', 16.66},
    {"Марс", 'U', 9.36},
    {"Юпитер", 'V', 197.18},
    {"Сатурн", 'W', 164.51},
    {"Уран", 'X', 69.79},
    {"Нептун", 'Y', 68.42},
    {"Плутон", 'Z', 8.2},
}};

struct TSatelliteFamily {
  TPlanetIndex planetIndex;
  int32_t firstIndex;
  std::array<const char*, 8> names;
  int count;
};

constexpr std::array<TSatelliteFamily, 3> kFamilies = {{
    {TPlanetIndex::kJupiter, 10, {"Ио", "Европа", "Ганимед", "Каллисто"}, 4},
    {TPlanetIndex::kSaturn,
     50,
     {"Мимас", "Энцелад", "Тетис", "Диона", "Рея", "Титан", "Гиперион", "Япет"},
     8},
    {TPlanetIndex::kUranus, 100, {"Миранда", "Ариель", "Умбриель", "Титания", "Оберон"}, 5},
}};

// The planet's bit of the view's body switches.
uint16_t BodyBit(TPlanetIndex planet) { return kit::BodySwitchBit(BodySwitchOf(planet)); }

}  // namespace

std::array<TPlanetObject, kPlanetObjectCount> MakePlanetObjects() {
  std::array<TPlanetObject, kPlanetObjectCount> objects{};
  std::size_t slot = 0;
  for (int32_t i = 1; i <= kPlanetCount; ++i) {
    const TPlanetEntry& p = kPlanets[static_cast<std::size_t>(i - 1)];
    const TPlanetIndex planet = static_cast<TPlanetIndex>(i);
    TPlanetObject& o = objects[slot++];
    o.index = ObjectIndexOf(planet);
    o.planetIndex = planet;
    o.bodyBit = BodyBit(planet);
    o.body = BodyOf(planet);
    o.symbol = std::string("\x09") + p.symbolLetter;
    o.name = velplatform::Cp1251(p.name);
    o.diameterAt1AuArcsec = p.diameterAt1AuArcsec;
  }
  for (const TSatelliteFamily& f : kFamilies) {
    for (int n = 0; n < f.count; ++n) {
      TPlanetObject& o = objects[slot++];
      o.index = f.firstIndex + n;
      o.planetIndex = f.planetIndex;
      o.bodyBit = BodyBit(f.planetIndex);
      o.body = BodyOf(f.planetIndex);
      o.name = velplatform::Cp1251(f.names[static_cast<std::size_t>(n)]);
      o.isSatellite = true;
      o.satelliteNumber = static_cast<uint8_t>(n);
    }
  }
  return objects;
}

std::optional<std::size_t> PlanetSlot(int32_t index) {
  if (PlanetOfObject(index)) return static_cast<std::size_t>(index - 1);
  if (index >= 10 && index <= 13) return static_cast<std::size_t>(8 + index - 10);
  if (index >= 50 && index <= 57) return static_cast<std::size_t>(12 + index - 50);
  if (index >= 100 && index <= 104) return static_cast<std::size_t>(20 + index - 100);
  return std::nullopt;
}

void WritePlanetData(const TPlanetObject& object, kit::TBytes record) {
  if (record.size() < kit::planet_data::kSize) return;
  using namespace kit::planet_data;
  const bool satellite = object.isSatellite;
  kit::PutField<uint8_t>(record, kHighPrecision, !satellite && object.highPrecision ? 1 : 0);
  kit::PutField(record, kRa, object.raDeg);
  kit::PutField(record, kDec, object.decDeg);
  kit::PutField(record, kDistance, object.distanceAu);
  kit::PutField(record, kTopoRa, object.topoRaDeg);
  kit::PutField(record, kTopoDec, object.topoDecDeg);
  kit::PutField(record, kIlluminated, satellite ? 0.0 : object.illuminated);
  kit::PutField(record, kDiameterArcsec, satellite ? 0.0 : object.diameterDeg * 3600.0);
  kit::PutField<int32_t>(record, kMagnitude, object.magnitude);
}

}  // namespace velarion::solar
