#include "ObjectCommonRecord.h"

#include "ByteFields.h"
#include "DeepSkyObjectRecord.h"
#include "Numbers.h"
#include "StarDataRecord.h"
#include "Units.h"
#include "velastro.h"

#include <array>
#include <cctype>
#include <cmath>
#include <string>

namespace velarion::ui {

namespace {

using velplatform::GetField;
namespace co = kit::common_object;

constexpr std::size_t kScratchSize = 1024;
// Bytes the groups read as requests (high precision, the full star record) are set.
constexpr std::byte kRequestAll{1};
constexpr std::size_t kMaxNameLength = 127;
constexpr double kMasPerDegree = 3600000.0;

// The name up to its last "(", spaces at its end removed.
std::string NameBeforeBracket(std::string_view name) {
  const std::size_t bracket = name.rfind('(');
  if (bracket != std::string_view::npos) name = name.substr(0, bracket);
  while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
  return std::string(name);
}

double DiscDegrees(double radius, double distance) {
  return 2.0 * std::atan(radius / distance) * velcommon::kRadToDeg;
}

void ConvertDeepSky(std::span<const std::byte> r, kit::TCommonObject& o) {
  namespace d = catalogues::deep_sky_object;
  o.raOfDate = o.raCatalogue = GetField<double>(r, d::kRa);
  o.decOfDate = o.decCatalogue = GetField<double>(r, d::kDec);
  o.visualMagnitude = static_cast<float>(GetField<int16_t>(r, d::kMagnitude) * 0.01);
  o.sizeDeg = static_cast<float>(GetField<int16_t>(r, d::kSize) / 600.0);
  o.flags = kit::kObjectPositionFixed | kit::kObjectCataloguePosition |
            kit::kObjectVisualMagnitude | kit::kObjectSize;
}

void ConvertMoon(std::span<const std::byte> r, kit::TCommonObject& o) {
  namespace m = kit::moon_data;
  o.raOfDate = GetField<double>(r, m::kTopoRa);
  o.decOfDate = GetField<double>(r, m::kTopoDec);
  const double earthRadii = GetField<double>(r, m::kDistance);
  o.sizeDeg = static_cast<float>(DiscDegrees(velcommon::kMoonRadiusEarthRadii, earthRadii));
  o.phase = static_cast<float>(
      (1.0 - std::cos(GetField<double>(r, m::kAgeAngle) * velcommon::kDegToRad)) / 2.0);
  o.distanceAu =
      static_cast<float>(earthRadii * velcommon::kKmPerEarthRadius * velcommon::kAuPerKm);
  o.flags =
      kit::kObjectPositionSolarSystem | kit::kObjectSize | kit::kObjectPhase | kit::kObjectDistance;
}

void ConvertSun(std::span<const std::byte> r, kit::TCommonObject& o) {
  namespace s = kit::sun_data;
  o.raOfDate = GetField<double>(r, s::kTopoRa);
  o.decOfDate = GetField<double>(r, s::kTopoDec);
  const double distance = GetField<double>(r, s::kDistance);
  o.sizeDeg = static_cast<float>(DiscDegrees(velcommon::kSolarRadiusAu, distance));
  o.distanceAu = static_cast<float>(distance);
  o.flags = kit::kObjectPositionSolarSystem | kit::kObjectSize | kit::kObjectDistance;
}

void ConvertPlanet(std::span<const std::byte> r, int32_t number, kit::TCommonObject& o) {
  namespace p = kit::planet_data;
  o.raOfDate = GetField<double>(r, p::kTopoRa);
  o.decOfDate = GetField<double>(r, p::kTopoDec);
  o.sizeDeg = static_cast<float>(GetField<double>(r, p::kDiameterArcsec) / 3600.0);
  o.visualMagnitude = static_cast<float>(GetField<int32_t>(r, p::kMagnitude) * 0.01);
  o.distanceAu = static_cast<float>(GetField<double>(r, p::kDistance));
  o.flags = kit::kObjectPositionFixed | kit::kObjectVisualMagnitude | kit::kObjectSize |
            kit::kObjectDistance;
  // Mercury and Venus show phases worth telling.
  if (number == 1 || number == 2) {
    o.phase = static_cast<float>(GetField<double>(r, p::kIlluminated));
    o.flags |= kit::kObjectPhase;
  }
}

void ConvertStar(std::span<const std::byte> r, double mjdUt, kit::TCommonObject& o) {
  namespace s = catalogues::star_data;
  o.raCatalogue = GetField<int32_t>(r, s::kRa) / 3600.0;
  o.decCatalogue = GetField<int32_t>(r, s::kDec) / 3600.0;
  const double pmRa = GetField<int16_t>(r, s::kPmRa) / kMasPerDegree;
  const double pmDec = GetField<int16_t>(r, s::kPmDec) / kMasPerDegree;
  const double years = std::nearbyint(GetT(mjdUt) * 10000.0) * 0.01;
  PropMotion_HighPrec(o.raCatalogue, o.decCatalogue, pmRa, pmDec, years, &o.raOfDate, &o.decOfDate);
  o.visualMagnitude = static_cast<float>(GetField<int16_t>(r, s::kMagnitude) * 0.01);
  o.flags = kit::kObjectPositionFixed | kit::kObjectCataloguePosition | kit::kObjectVisualMagnitude;
}

// The deep-sky catalogue plug-in's record (92 bytes).
void ConvertNgc(std::span<const std::byte> r, kit::TCommonObject& o) {
  o.raOfDate = o.raCatalogue = GetField<double>(r, 6);
  o.decOfDate = o.decCatalogue = GetField<double>(r, 14);
  o.flags = kit::kObjectPositionFixed | kit::kObjectCataloguePosition;
  if (const double sizeArcmin = GetField<double>(r, 25); sizeArcmin > 0.0) {
    o.sizeDeg = static_cast<float>(sizeArcmin / 60.0);
    o.flags |= kit::kObjectSize;
  }
  const double magnitude = GetField<double>(r, 33);
  if (std::fabs(magnitude - 99.9) > 0.1) {
    const bool photographic = GetField<char>(r, 41) == 'p';
    (photographic ? o.photographicMagnitude : o.visualMagnitude) = static_cast<float>(magnitude);
    o.flags |= photographic ? kit::kObjectPhotographicMagnitude : kit::kObjectVisualMagnitude;
  }
}

// A star catalogue plug-in's record (80 bytes): positions of B1950 with proper motions.
void ConvertSao(std::span<const std::byte> r, double mjdUt, kit::TCommonObject& o) {
  constexpr double kB1950 = -0.500002108;  // centuries from J2000.0
  o.raCatalogue = GetField<double>(r, 1);
  o.decCatalogue = GetField<double>(r, 9);
  PropMotion_HighPrec(o.raCatalogue, o.decCatalogue, GetField<double>(r, 17),
                      GetField<double>(r, 25), (GetT(mjdUt) - kB1950) * 100.0, &o.raOfDate,
                      &o.decOfDate);
  o.flags = kit::kObjectPositionFixed | kit::kObjectCataloguePosition;
  const double visual = GetField<double>(r, 41);
  const double photographic = GetField<double>(r, 33);
  if (std::fabs(visual - 99.9) > 0.001) {
    o.visualMagnitude = static_cast<float>(visual);
    o.flags |= kit::kObjectVisualMagnitude;
  }
  if (std::fabs(photographic - 99.9) > 0.001) {
    o.photographicMagnitude = static_cast<float>(photographic);
    o.flags |= kit::kObjectPhotographicMagnitude;
  }
}

bool NamedByGroupWithBracket(std::string_view code) {
  return code == "MOON" || code == "PLAN" || code == "SAO";
}

}  // namespace

kit::TCommonObject ConvertGroupRecord(std::string_view code, int32_t number,
                                      std::span<const std::byte> record, double mjdUt) {
  kit::TCommonObject object;
  const std::size_t size = record.size();
  if (code == "DEEPS" && size == catalogues::deep_sky_object::kRecordSize) {
    ConvertDeepSky(record, object);
  } else if (code == "MOON" && size == kit::moon_data::kSize) {
    ConvertMoon(record, object);
  } else if (code == "SUN" && size == kit::sun_data::kSize) {
    ConvertSun(record, object);
  } else if (code == "PLAN" && size == kit::planet_data::kSize) {
    ConvertPlanet(record, number, object);
  } else if (code == "BSC5P" && size == catalogues::star_data::kSize) {
    ConvertStar(record, mjdUt, object);
  } else if (code == "NGC" && size == 92) {
    ConvertNgc(record, object);
  } else if (code == "SAO" && size == 80) {
    ConvertSao(record, mjdUt, object);
  }
  return object;
}

void TakeNameAndMagnitude(std::string_view name, kit::TCommonObject& object) {
  const std::size_t bracket = name.rfind('(');
  if (bracket == std::string_view::npos) {
    object.name = NameBeforeBracket(name);
  } else {
    std::string_view before = name.substr(0, bracket);
    while (!before.empty() && before.front() == ' ') before.remove_prefix(1);
    object.name = NameBeforeBracket(before);
    std::string_view after = name.substr(bracket + 1);
    std::size_t digits = 0;
    while (digits < after.size() &&
           (std::isdigit(static_cast<unsigned char>(after[digits])) || after[digits] == '.')) {
      ++digits;
    }
    if (const auto magnitude = velplatform::ParseDouble(after.substr(0, digits))) {
      object.visualMagnitude = static_cast<float>(*magnitude);
      object.flags |= kit::kObjectVisualMagnitude;
    }
  }
  if (!object.name.empty()) object.flags |= kit::kObjectName;
}

std::optional<kit::TCommonObject> TCommonRecordSource::Get(groups::TSkyObjectGroup& group,
                                                           int32_t number, double mjdUt,
                                                           uint64_t viewGeneration) {
  if (cached_ && cached_->group == &group && cached_->number == number && cached_->mjdUt == mjdUt &&
      cached_->viewGeneration == viewGeneration) {
    return cached_->record;
  }
  std::array<std::byte, kScratchSize> buffer;
  buffer.fill(kRequestAll);
  kit::TCommonObject object;
  if (group.GetFObjectData(number, buffer)) {
    object = kit::ReadCommonObject(std::span(buffer).first(co::kRecordSize));
  } else {
    buffer.fill(kRequestAll);
    const int32_t size = group.GetObjectData(number, buffer);
    const std::string_view code = group.Code;
    if (size > 0 && static_cast<std::size_t>(size) <= buffer.size()) {
      object = ConvertGroupRecord(code, number,
                                  std::span(buffer).first(static_cast<std::size_t>(size)), mjdUt);
    }
    if (code == "ORBIT" || code == "GSC" || code == "TYCH2") {
      TakeNameAndMagnitude(group.GetObjectName(number), object);
    }
    if ((object.flags & kit::kObjectName) == 0) {
      const std::string name = group.GetObjectName(number);
      object.name = (NamedByGroupWithBracket(code) ? NameBeforeBracket(name) : name)
                        .substr(0, kMaxNameLength);
      if (!object.name.empty()) object.flags |= kit::kObjectName;
    }
    if ((object.flags & (kit::kObjectPositionFixed | kit::kObjectPositionSolarSystem)) == 0 &&
        group.GetObjectRaDec(number, object.raOfDate, object.decOfDate)) {
      object.flags |= kit::kObjectPositionFixed;
    }
  }
  if (object.flags == 0) return std::nullopt;
  cached_ = TEntry{&group, number, mjdUt, viewGeneration, object};
  return object;
}

}  // namespace velarion::ui
