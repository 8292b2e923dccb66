#include "BoundaryRecords.h"

namespace velarion::kit {

// Each layout ends exactly at its record's size.
static_assert(group_info::kResourcesReady + 1 == group_info::kSize && group_info::kSize == 60);
static_assert(group_info::kName == group_info::kCode + group_info::kCodeWidth);
static_assert(group_info::kVersion == group_info::kName + group_info::kNameWidth);
static_assert(group_info::kObjectCount == group_info::kVersion + group_info::kVersionWidth);
static_assert(refresh_param::kObjectsVisible15 + 1 == refresh_param::kSize &&
              refresh_param::kSize == 118);
static_assert(refresh_param::kColourTableSize == 56);
static_assert(search_result::kDec + 8 == search_result::kSize && search_result::kSize == 22);
static_assert(search_result10::kDec + 8 == search_result10::kSize && search_result10::kSize == 26);
static_assert(common_object::kReserved + 1 == common_object::kRecordSize &&
              common_object::kRecordSize == 189);
static_assert(common_object::kRaOfDate == common_object::kName + common_object::kNameWidth);
static_assert(sun_data::kAltitude == sun_data::kHighPrecision + 1 &&
              sun_data::kTwilightClass == sun_data::kAltitude + 8 &&
              sun_data::kBackground == sun_data::kTwilightClass + 4 &&
              sun_data::kLongitude == sun_data::kBackground + 4);
static_assert(sun_data::kLatitude == sun_data::kLongitude + 8 &&
              sun_data::kDistance == sun_data::kLatitude + 8 &&
              sun_data::kRa == sun_data::kDistance + 8 && sun_data::kDec == sun_data::kRa + 8 &&
              sun_data::kTopoRa == sun_data::kDec + 8 &&
              sun_data::kTopoDec == sun_data::kTopoRa + 8);
static_assert(sun_data::kTopoDec + 8 == sun_data::kSize && sun_data::kSize == 73);
static_assert(moon_data::kAltitude == moon_data::kHighPrecision + 1 &&
              moon_data::kLongitude == moon_data::kAltitude + 8 &&
              moon_data::kLatitude == moon_data::kLongitude + 8 &&
              moon_data::kDistance == moon_data::kLatitude + 8 &&
              moon_data::kRa == moon_data::kDistance + 8 && moon_data::kDec == moon_data::kRa + 8);
static_assert(moon_data::kTopoRa == moon_data::kDec + 8 &&
              moon_data::kTopoDec == moon_data::kTopoRa + 8 &&
              moon_data::kAgeAngle == moon_data::kTopoDec + 8);
static_assert(moon_data::kAgeAngle + 8 == moon_data::kSize && moon_data::kSize == 73);
static_assert(planet_data::kRa == planet_data::kHighPrecision + 1 &&
              planet_data::kDec == planet_data::kRa + 8 &&
              planet_data::kDistance == planet_data::kDec + 8 &&
              planet_data::kTopoRa == planet_data::kDistance + 8 &&
              planet_data::kTopoDec == planet_data::kTopoRa + 8);
static_assert(planet_data::kIlluminated == planet_data::kTopoDec + 8 &&
              planet_data::kDiameterArcsec == planet_data::kIlluminated + 8 &&
              planet_data::kMagnitude == planet_data::kDiameterArcsec + 8);
static_assert(planet_data::kMagnitude + 4 == planet_data::kSize && planet_data::kSize == 61);
static_assert(rise_set_record::kStatus + 4 == rise_set_record::kSize &&
              rise_set_record::kSize == 36);
static_assert(common_parameters::kColours + 4 * common_parameters::kColourCount ==
              common_parameters::kMjd);
static_assert(common_parameters::kSiderealTime + 8 == common_parameters::kSize &&
              common_parameters::kSize == 147);
static_assert(additional_param::kLineStep == additional_param::kLineVisible + 4 &&
              additional_param::kAzimuthAuto == additional_param::kLineStep + 16);
static_assert(additional_param::kEquatorialGrid + 1 == additional_param::kSize &&
              additional_param::kSize == 24);
static_assert(kSunColour == 11 && kAstronomicalTwilightBackgroundColour + 1 == kColourTableEntries);
static_assert(BodySwitchBit(TBodySwitch::kPluto) == 512 && kBodySwitchCount == 10);
static_assert(BodySwitchOf(velcommon::TBody::kMars) == TBodySwitch::kMars &&
              BodySwitchOf(velcommon::TBody::kMoon) == TBodySwitch::kMoon &&
              !BodySwitchOf(velcommon::TBody::kEarth));

void WriteGroupInfo(const TGroupInfo& info, TBytes record) {
  using namespace group_info;
  PutText(record, kCode, kCodeWidth, info.code);
  PutText(record, kName, kNameWidth, info.name);
  PutText(record, kVersion, kVersionWidth, info.version);
  PutField<int32_t>(record, kObjectCount, info.objectCount);
  PutField<int16_t>(record, kEpochKind, info.epochKind);
  PutField<double>(record, kEpoch, info.epoch);
  PutField<uint16_t>(record, kFlags, info.flags);
  PutField<uint8_t>(record, kResourcesReady, info.resourcesReady ? 1 : 0);
}

TGroupInfo ReadGroupInfo(TConstBytes record) {
  using namespace group_info;
  return {
      GetText(record, kCode, kCodeWidth),       GetText(record, kName, kNameWidth),
      GetText(record, kVersion, kVersionWidth), GetField<int32_t>(record, kObjectCount),
      GetField<int16_t>(record, kEpochKind),    GetField<double>(record, kEpoch),
      GetField<uint16_t>(record, kFlags),       GetField<uint8_t>(record, kResourcesReady) != 0};
}

TRefreshParamBytes WriteRefreshParam(const TViewParameters& v) {
  using namespace refresh_param;
  TRefreshParamBytes bytes{};
  const TBytes r(bytes);
  PutField(r, kMjdUt, v.mjdUt);
  PutField(r, kMjdDynamical, v.mjdDynamical);
  PutField(r, kSiderealHours, v.siderealHours);
  PutField(r, kLatitude, v.latitude);
  PutField(r, kLongitudeEast, v.longitudeEast);
  PutField(r, kTimeZoneHours, v.timeZoneHours);
  PutField(r, kCentreX, v.centreX);
  PutField(r, kCentreY, v.centreY);
  PutField(r, kRadius, v.radius);
  PutField(r, kYScale, v.yScale);
  PutField(r, kZoomPercent, v.zoomPercent);
  PutField(r, kProjection, v.projection);
  PutField(r, kRotationDeg, v.rotationDeg);
  PutField(r, kAzimuthZero, v.azimuthZero);
  PutField(r, kMirror, v.mirror);
  PutField<uint32_t>(r, kColourTableOffset, kSize);
  PutField(r, kSkyColourMode, v.skyColourMode);
  PutField(r, kFontHeight, v.fontHeight);
  PutField(r, kLetterWidth, v.letterWidth);
  PutField(r, kObjectsVisible1, v.objectsVisible1);
  PutField(r, kMagnitudeLimitObjects, v.magnitudeLimitObjects);
  PutField(r, kMagnitudeLimitLabels, v.magnitudeLimitLabels);
  PutField(r, kSymbolSizes, v.symbolSizes);
  PutField(r, kStarProperNames, v.starProperNames);
  PutField(r, kObjectsVisible16, v.objectsVisible16);
  PutField(r, kObjectsVisible5To14, v.objectsVisible5To14);
  PutField(r, kAlwaysHighPrecision, v.alwaysHighPrecision);
  PutField(r, kObjectsVisible2, v.objectsVisible2);
  PutField(r, kObjectsVisible4, v.objectsVisible4);
  PutField(r, kObjectsVisible3, v.objectsVisible3);
  PutField(r, kObjectsVisible15, v.objectsVisible15);
  for (int i = 0; i < kColourTableEntries; ++i) PutField(r, kSize + 4 * i, v.colours[i]);
  return bytes;
}

TViewParameters ReadRefreshParam(TConstBytes r) {
  using namespace refresh_param;
  TViewParameters v;
  v.mjdUt = GetField<double>(r, kMjdUt);
  v.mjdDynamical = GetField<double>(r, kMjdDynamical);
  v.siderealHours = GetField<double>(r, kSiderealHours);
  v.latitude = GetField<double>(r, kLatitude);
  v.longitudeEast = GetField<double>(r, kLongitudeEast);
  v.timeZoneHours = GetField<double>(r, kTimeZoneHours);
  v.centreX = GetField<int32_t>(r, kCentreX);
  v.centreY = GetField<int32_t>(r, kCentreY);
  v.radius = GetField<int32_t>(r, kRadius);
  v.yScale = GetField<double>(r, kYScale);
  v.zoomPercent = GetField<int32_t>(r, kZoomPercent);
  v.projection = GetField<uint8_t>(r, kProjection);
  v.rotationDeg = GetField<double>(r, kRotationDeg);
  v.azimuthZero = GetField<uint8_t>(r, kAzimuthZero);
  v.mirror = GetField<uint8_t>(r, kMirror);
  v.skyColourMode = GetField<uint8_t>(r, kSkyColourMode);
  v.fontHeight = GetField<int32_t>(r, kFontHeight);
  v.letterWidth = GetField<int32_t>(r, kLetterWidth);
  v.objectsVisible1 = GetField<uint8_t>(r, kObjectsVisible1);
  v.magnitudeLimitObjects = GetField<int32_t>(r, kMagnitudeLimitObjects);
  v.magnitudeLimitLabels = GetField<int32_t>(r, kMagnitudeLimitLabels);
  v.symbolSizes = GetField<int32_t>(r, kSymbolSizes);
  v.starProperNames = GetField<uint8_t>(r, kStarProperNames);
  v.objectsVisible16 = GetField<uint8_t>(r, kObjectsVisible16);
  v.objectsVisible5To14 = GetField<uint16_t>(r, kObjectsVisible5To14);
  v.alwaysHighPrecision = GetField<uint8_t>(r, kAlwaysHighPrecision);
  v.objectsVisible2 = GetField<uint8_t>(r, kObjectsVisible2);
  v.objectsVisible4 = GetField<uint8_t>(r, kObjectsVisible4);
  v.objectsVisible3 = GetField<uint8_t>(r, kObjectsVisible3);
  v.objectsVisible15 = GetField<uint8_t>(r, kObjectsVisible15);
  const auto table = GetField<uint32_t>(r, kColourTableOffset);
  if (table >= kSize && table <= r.size() && r.size() - table >= kColourTableSize) {
    for (int i = 0; i < kColourTableEntries; ++i)
      v.colours[i] = GetField<uint32_t>(r, table + 4 * i);
  }
  return v;
}

void WriteSearchResult(const TSearchResult& result, TBytes record) {
  using namespace search_result;
  PutText(record, kCode, kCodeWidth, result.code);
  PutField(record, kRa, result.ra);
  PutField(record, kDec, result.dec);
}

TSearchResult ReadSearchResult(TConstBytes record) {
  using namespace search_result;
  return {GetText(record, kCode, kCodeWidth), -1, GetField<double>(record, kRa),
          GetField<double>(record, kDec)};
}

void WriteSearchResult10(const TSearchResult& result, TBytes record) {
  using namespace search_result10;
  PutText(record, kCode, kCodeWidth, result.code);
  PutField(record, kNumber, result.number);
  PutField(record, kRa, result.ra);
  PutField(record, kDec, result.dec);
}

TSearchResult ReadSearchResult10(TConstBytes record) {
  using namespace search_result10;
  return {GetText(record, kCode, kCodeWidth), GetField<int32_t>(record, kNumber),
          GetField<double>(record, kRa), GetField<double>(record, kDec)};
}

void WriteCommonObject(const TCommonObject& o, TBytes record) {
  using namespace common_object;
  PutField(record, kFlags, o.flags);
  PutText(record, kName, kNameWidth, o.name);
  PutField(record, kRaOfDate, o.raOfDate);
  PutField(record, kDecOfDate, o.decOfDate);
  PutField(record, kRaCatalogue, o.raCatalogue);
  PutField(record, kDecCatalogue, o.decCatalogue);
  PutField(record, kPhotographicMagnitude, o.photographicMagnitude);
  PutField(record, kVisualMagnitude, o.visualMagnitude);
  PutField(record, kSize, o.sizeDeg);
  PutField(record, kPhase, o.phase);
  PutField(record, kDistance, o.distanceAu);
  PutField(record, kReserved, o.reserved);
}

void WriteCommonObjectMagic(TBytes record) {
  if (record.size() >= sizeof common_object::kMagicText) {
    std::memcpy(record.data(), common_object::kMagicText, sizeof common_object::kMagicText);
  }
}

TCommonObject ReadCommonObject(TConstBytes record) {
  using namespace common_object;
  TCommonObject o;
  o.flags = GetField<int32_t>(record, kFlags);
  o.name = GetText(record, kName, kNameWidth);
  o.raOfDate = GetField<double>(record, kRaOfDate);
  o.decOfDate = GetField<double>(record, kDecOfDate);
  o.raCatalogue = GetField<double>(record, kRaCatalogue);
  o.decCatalogue = GetField<double>(record, kDecCatalogue);
  o.photographicMagnitude = GetField<float>(record, kPhotographicMagnitude);
  o.visualMagnitude = GetField<float>(record, kVisualMagnitude);
  o.sizeDeg = GetField<float>(record, kSize);
  o.phase = GetField<float>(record, kPhase);
  o.distanceAu = GetField<float>(record, kDistance);
  o.reserved = GetField<uint8_t>(record, kReserved);
  return o;
}

bool HasCommonObjectMagic(TConstBytes record) {
  return record.size() >= common_object::kRecordSize &&
         std::memcmp(record.data(), common_object::kMagicText, 4) == 0;
}

}  // namespace velarion::kit
