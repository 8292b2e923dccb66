// The records that cross the plug-in boundary, each with its layout as named offsets and
// a reader and a writer that go field by field (packed, little-endian), and the numbers
// their fields hold: colour slots, body switches, object flags, twilight classes.
#ifndef VELARION_KIT_BOUNDARYRECORDS_H
#define VELARION_KIT_BOUNDARYRECORDS_H

#include "Bodies.h"
#include "ByteFields.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace velarion::kit {

using velplatform::BufferOf;
using velplatform::CopyText;
using velplatform::GetField;
using velplatform::GetText;
using velplatform::PutField;
using velplatform::PutText;
using velplatform::TBytes;
using velplatform::TConstBytes;

// ---- GroupInfoRecord (60 bytes) -------------------------------------------------------

namespace group_info {
inline constexpr std::size_t kCode = 0, kCodeWidth = 6;
inline constexpr std::size_t kName = 6, kNameWidth = 31;
inline constexpr std::size_t kVersion = 37, kVersionWidth = 6;
inline constexpr std::size_t kObjectCount = 43;  // int32
inline constexpr std::size_t kEpochKind = 47;    // int16
inline constexpr std::size_t kEpoch = 49;        // double
inline constexpr std::size_t kFlags = 57;        // uint16
inline constexpr std::size_t kResourcesReady = 59;
inline constexpr std::size_t kSize = 60;
}  // namespace group_info

// Flags word of the group information.
inline constexpr uint16_t kFlagHasOptions = 1;
inline constexpr uint16_t kFlagHasInfoItems = 2;
inline constexpr uint16_t kFlagSelectable = 8;
inline constexpr uint16_t kFlagHasSearch = 16;
inline constexpr uint16_t kFlagShowInQuickView = 32;
inline constexpr uint16_t kFlagShowInDetailedView = 64;
inline constexpr uint16_t kFlagHasAction = 128;

struct TGroupInfo {
  std::string code;     // at most 5 characters
  std::string name;     // at most 30
  std::string version;  // at most 5
  int32_t objectCount = 0;
  int16_t epochKind = 0;
  double epoch = 0.0;
  uint16_t flags = 0;
  bool resourcesReady = false;
};

void WriteGroupInfo(const TGroupInfo& info, TBytes record);
TGroupInfo ReadGroupInfo(TConstBytes record);

// ---- RefreshParamRecord (118 bytes) and its colour table (14 colours, 56 bytes) ------

inline constexpr int kColourTableEntries = 14;
using TColourTable = std::array<uint32_t, kColourTableEntries>;

// The colour slots: the positions of the colour table, which are those of a colour scheme.
enum TColourSlot : int {
  kNightBackgroundColour = 0,
  kDayBackgroundColour = 1,
  kHorizonColour = 2,
  kConstellationBoundaryColour = 3,
  kConstellationNameColour = 4,
  kStarImageColour = 5,
  kSolarSystemColour = 6,  // and the additional objects
  kConstellationLineColour = 7,
  kDeepSkyColour = 8,  // galaxies, nebulae, star clusters
  kGridLineColour = 9,
  kUnlitPartColour = 10,  // of the Moon and the planets
  kSunColour = 11,
  kCivilTwilightBackgroundColour = 12,
  kAstronomicalTwilightBackgroundColour = 13,
};

namespace refresh_param {
inline constexpr std::size_t kMjdUt = 0, kMjdDynamical = 8, kSiderealHours = 16;
inline constexpr std::size_t kLatitude = 24, kLongitudeEast = 32, kTimeZoneHours = 40;
inline constexpr std::size_t kCentreX = 48, kCentreY = 52, kRadius = 56;
inline constexpr std::size_t kYScale = 60, kZoomPercent = 68, kProjection = 72;
inline constexpr std::size_t kRotationDeg = 73, kAzimuthZero = 81, kMirror = 82;
// Distance in bytes from the record's first byte to the colour table: always the record
// size, for the host passes the table right after the record.
inline constexpr std::size_t kColourTableOffset = 83;
inline constexpr std::size_t kSkyColourMode = 87, kFontHeight = 88, kLetterWidth = 92;
inline constexpr std::size_t kObjectsVisible1 = 96;
inline constexpr std::size_t kMagnitudeLimitObjects = 97, kMagnitudeLimitLabels = 101;
inline constexpr std::size_t kSymbolSizes = 105, kStarProperNames = 109;
inline constexpr std::size_t kObjectsVisible16 = 110, kObjectsVisible5To14 = 111;
inline constexpr std::size_t kAlwaysHighPrecision = 113, kObjectsVisible2 = 114;
inline constexpr std::size_t kObjectsVisible4 = 115, kObjectsVisible3 = 116;
inline constexpr std::size_t kObjectsVisible15 = 117;
inline constexpr std::size_t kSize = 118;
inline constexpr std::size_t kColourTableSize = 4 * kColourTableEntries;
// What the host hands over: the record followed at once by its colour table.
inline constexpr std::size_t kSizeWithTable = kSize + kColourTableSize;
}  // namespace refresh_param

// The view parameters every group receives before it is calculated.
struct TViewParameters {
  double mjdUt = 0.0;
  double mjdDynamical = 0.0;
  double siderealHours = 0.0;  // local mean sidereal time
  double latitude = 0.0;       // degrees north
  double longitudeEast = 0.0;  // degrees
  double timeZoneHours = 0.0;
  int32_t centreX = 0;  // the sky disc, pixels
  int32_t centreY = 0;
  int32_t radius = 0;
  double yScale = 1.0;  // vertical over horizontal pixel density
  int32_t zoomPercent = 100;
  uint8_t projection = 0;  // 1 stereographic
  double rotationDeg = 0.0;
  uint8_t azimuthZero = 0;  // 0 north, 1 south
  uint8_t mirror = 0;
  TColourTable colours{};
  uint8_t skyColourMode = 3;
  int32_t fontHeight = 0;
  int32_t letterWidth = 0;  // of "A", the wider of the label fonts
  uint8_t objectsVisible1 = 0;
  int32_t magnitudeLimitObjects = 0;  // hundredths of a magnitude
  int32_t magnitudeLimitLabels = 0;
  int32_t symbolSizes = 0;
  uint8_t starProperNames = 0;
  uint8_t objectsVisible16 = 0;
  uint16_t objectsVisible5To14 = 0;  // switches 5 .. 14 as bits 0 .. 9
  uint8_t alwaysHighPrecision = 0;
  uint8_t objectsVisible2 = 0;
  uint8_t objectsVisible4 = 0;
  uint8_t objectsVisible3 = 0;
  uint8_t objectsVisible15 = 0;

  bool operator==(const TViewParameters&) const = default;
};

// The bodies' visibility switches 5 .. 14, kept as the bits 0 .. 9 of objectsVisible5To14:
// the Sun, the Moon and the planets in their order outward, the Earth left out.
enum class TBodySwitch : uint8_t {
  kSun = 0,
  kMoon = 1,
  kMercury = 2,
  kVenus = 3,
  kMars = 4,
  kJupiter = 5,
  kSaturn = 6,
  kUranus = 7,
  kNeptune = 8,
  kPluto = 9,
};
inline constexpr int kBodySwitchCount = 10;

// The switch's bit in objectsVisible5To14.
constexpr uint16_t BodySwitchBit(TBodySwitch body) {
  return static_cast<uint16_t>(1U << static_cast<uint8_t>(body));
}

// The switch of a body; none for the Earth.
constexpr std::optional<TBodySwitch> BodySwitchOf(velcommon::TBody body) {
  using velcommon::BodyNumber;
  using velcommon::TBody;
  if (body == TBody::kEarth || BodyNumber(body) > BodyNumber(TBody::kPluto)) return std::nullopt;
  const int n =
      BodyNumber(body) < BodyNumber(TBody::kEarth) ? BodyNumber(body) : BodyNumber(body) - 1;
  return static_cast<TBodySwitch>(n);
}

using TRefreshParamBytes = std::array<std::byte, refresh_param::kSizeWithTable>;

// The record and its table, the table's distance written at offset 83.
TRefreshParamBytes WriteRefreshParam(const TViewParameters& view);
// Reads the record; the colour table is taken from where offset 83 points, and only when
// that lies inside the bytes given (else the colours read as 0).
TViewParameters ReadRefreshParam(TConstBytes recordAndTable);

// ---- SearchResultRecord (22 bytes) and the older SearchResultRecord10 (26 bytes) ------

namespace search_result {
inline constexpr std::size_t kCode = 0, kCodeWidth = 6, kRa = 6, kDec = 14, kSize = 22;
}
namespace search_result10 {
inline constexpr std::size_t kCode = 0, kCodeWidth = 6, kNumber = 6, kRa = 10, kDec = 18;
inline constexpr std::size_t kSize = 26;
}  // namespace search_result10

struct TSearchResult {
  std::string code;
  int32_t number = -1;  // carried only by the older record
  double ra = 0.0;
  double dec = 0.0;
};

void WriteSearchResult(const TSearchResult& result, TBytes record);
TSearchResult ReadSearchResult(TConstBytes record);
void WriteSearchResult10(const TSearchResult& result, TBytes record);
TSearchResult ReadSearchResult10(TConstBytes record);

// ---- Common object record (189 bytes, "VLOD") -----------------------------------------

namespace common_object {
inline constexpr std::size_t kMagic = 0, kFlags = 4, kName = 8, kNameWidth = 128;
inline constexpr std::size_t kRaOfDate = 136, kDecOfDate = 144;
inline constexpr std::size_t kRaCatalogue = 152, kDecCatalogue = 160;
inline constexpr std::size_t kPhotographicMagnitude = 168, kVisualMagnitude = 172;
inline constexpr std::size_t kSize = 176, kPhase = 180, kDistance = 184, kReserved = 188;
inline constexpr std::size_t kRecordSize = 189;
inline constexpr char kMagicText[4] = {'V', 'L', 'O', 'D'};
}  // namespace common_object

// Which fields of the common record are valid.
inline constexpr int32_t kObjectName = 1;
inline constexpr int32_t kObjectPositionFixed = 2;        // RA/Dec of date of a fixed object
inline constexpr int32_t kObjectPositionSolarSystem = 4;  // ... of a solar-system body
inline constexpr int32_t kObjectCataloguePosition = 8;
inline constexpr int32_t kObjectPhotographicMagnitude = 16;
inline constexpr int32_t kObjectVisualMagnitude = 32;
inline constexpr int32_t kObjectSize = 64;
inline constexpr int32_t kObjectPhase = 128;
inline constexpr int32_t kObjectDistance = 256;

struct TCommonObject {
  int32_t flags = 0;
  std::string name;  // at most 127 characters
  double raOfDate = 0.0;
  double decOfDate = 0.0;
  double raCatalogue = 0.0;
  double decCatalogue = 0.0;
  float photographicMagnitude = 0.0F;
  float visualMagnitude = 0.0F;
  float sizeDeg = 0.0F;
  float phase = 0.0F;
  float distanceAu = 0.0F;
  uint8_t reserved = 0;
};

// Writes bytes 4 .. 188 (the group's part); the magic is the host's.
void WriteCommonObject(const TCommonObject& object, TBytes record);
void WriteCommonObjectMagic(TBytes record);
TCommonObject ReadCommonObject(TConstBytes record);
bool HasCommonObjectMagic(TConstBytes record);

// ---- The groups' own records of the Sun, the Moon and the planets ----------------------
// What GetObjectData (kind 3) and GetAnotherGroupObject give for the groups "SUN", "MOON"
// and "PLAN". Byte 0: on entry the high precision asked for, on return the
// one used. Angles in degrees, RA and Dec of the mean equator of date.

// The twilight class (the sky state), by the Sun's altitude.
enum TTwilightClass : int32_t {
  kNight = 0,
  kAstronomicalTwilight = 1,
  kNauticalTwilight = 2,
  kCivilTwilight = 3,
  kDay = 4,
};

// SunDataRecord (73 bytes).
namespace sun_data {
inline constexpr std::size_t kHighPrecision = 0, kAltitude = 1;
inline constexpr std::size_t kTwilightClass = 9;  // int32, TTwilightClass: the sky state
inline constexpr std::size_t kBackground = 13;    // uint32, the colour of the sky
inline constexpr std::size_t kLongitude = 17, kLatitude = 25;  // geocentric ecliptic
inline constexpr std::size_t kDistance = 33;                   // AU
inline constexpr std::size_t kRa = 41, kDec = 49, kTopoRa = 57, kTopoDec = 65;
inline constexpr std::size_t kSize = 73;
}  // namespace sun_data

// MoonDataRecord (73 bytes).
namespace moon_data {
inline constexpr std::size_t kHighPrecision = 0, kAltitude = 1;
inline constexpr std::size_t kLongitude = 9, kLatitude = 17;  // geocentric ecliptic
inline constexpr std::size_t kDistance = 25;                  // topocentric, Earth radii
inline constexpr std::size_t kRa = 33, kDec = 41, kTopoRa = 49, kTopoDec = 57;
inline constexpr std::size_t kAgeAngle = 65;  // the Moon's longitude less the Sun's, 0 .. 360
inline constexpr std::size_t kSize = 73;
}  // namespace moon_data

// PlanetDataRecord (61 bytes); a satellite's byte 0, illuminated fraction and diameter are 0.
namespace planet_data {
inline constexpr std::size_t kHighPrecision = 0, kRa = 1, kDec = 9;
inline constexpr std::size_t kDistance = 17;  // AU
inline constexpr std::size_t kTopoRa = 25, kTopoDec = 33, kIlluminated = 41;
inline constexpr std::size_t kDiameterArcsec = 49;
inline constexpr std::size_t kMagnitude = 57;  // int32, hundredths
inline constexpr std::size_t kSize = 61;
}  // namespace planet_data

// ---- Records of the host exports -------------------------------------------------------

// RiseSetRecord (36 bytes) of CalcRiseSettTime: hours after local midnight (24 or more:
// after the day's end), doubles; the status an int32.
namespace rise_set_record {
inline constexpr std::size_t kRise = 0, kSet = 8, kUpperCulmination = 16;
inline constexpr std::size_t kLowerCulmination = 24, kStatus = 32, kSize = 36;
}  // namespace rise_set_record

// The status: one of the first two, or the sum of the others.
inline constexpr int32_t kNeverRises = 2;
inline constexpr int32_t kNeverSets = 1;
inline constexpr int32_t kRisesToday = 8;
inline constexpr int32_t kSetsToday = 4;

// GetCommonParameters record (147 bytes).
namespace common_parameters {
inline constexpr std::size_t kLongitude = 0, kLatitude = 8, kTimeZone = 16;
inline constexpr std::size_t kCentreX = 24, kCentreY = 28, kRadius = 32, kYScale = 36;
inline constexpr std::size_t kZoom = 44, kProjection = 48, kRotation = 49;
inline constexpr std::size_t kVisible1 = 57, kVisible2 = 58, kVisible4 = 59, kVisible3 = 60;
inline constexpr std::size_t kVisible16 = 61, kVisible15 = 62, kBodyBits = 63;
inline constexpr std::size_t kStarLimit = 65, kLabelLimit = 69, kStarSizes = 73;
inline constexpr std::size_t kFontHeight = 77, kLetterWidth = 81, kStarProperNames = 85;
inline constexpr std::size_t kSkyColourMode = 86, kColours = 87, kColourCount = 11;
inline constexpr std::size_t kMjd = 131, kSiderealTime = 139, kSize = 147;
}  // namespace common_parameters

// GetAdditionalParam record of kind 0 (grid settings, 24 bytes).
namespace additional_param {
inline constexpr std::size_t kLineVisible = 0, kLineStep = 4, kAzimuthAuto = 20;
inline constexpr std::size_t kEquatorialAuto = 21, kAzimuthGrid = 22, kEquatorialGrid = 23;
inline constexpr std::size_t kSize = 24;
}  // namespace additional_param

// ---- Object information kinds of GetObjectInfo ----------------------------------------

enum TObjectInfoKind : int32_t {
  kInfoRect = 0,
  kInfoRaDec = 1,
  kInfoXY = 2,
  kInfoData = 3,
  kInfoStrings = 4,
  kInfoName = 5,
  kInfoCommonObject = 6,
};

}  // namespace velarion::kit

#endif
