// The records that cross the plug-in boundary, each with its layout as named offsets and
// a reader and a writer that go field by field (packed, little-endian).
#ifndef VELARION_KIT_BOUNDARYRECORDS_H
#define VELARION_KIT_BOUNDARYRECORDS_H

#include "ByteFields.h"

#include <array>
#include <cstdint>
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
