// The drawing and view exports groups and plug-ins call on the program's one sky image,
// while they are calculated or drawn.
#ifndef VELARION_APP_SKY_SKYIMAGEEXPORTS_H
#define VELARION_APP_SKY_SKYIMAGEEXPORTS_H

#include "HostExport.h"

#include <cstddef>
#include <cstdint>

namespace velarion::sky {

class TSkyImage;

// The sky image the exports act on (none: they answer with their neutral values).
void SetHostSkyImage(TSkyImage* image);

// GetCommonParameters record, 147 bytes.
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

// GetAdditionalParam record of kind 0 (grid settings), 24 bytes.
namespace additional_param {
inline constexpr std::size_t kLineVisible = 0, kLineStep = 4, kAzimuthAuto = 20;
inline constexpr std::size_t kEquatorialAuto = 21, kAzimuthGrid = 22, kEquatorialGrid = 23;
inline constexpr std::size_t kSize = 24;
}  // namespace additional_param

}  // namespace velarion::sky

extern "C" {

// Draws (when `draw`) marked-up text from (x, y); the width in pixels either way.
VELARION_HOST_EXPORT int32_t DrawString(const char* text, int32_t x, int32_t y, bool draw);
VELARION_HOST_EXPORT void DrawSymbol(int32_t index, int32_t x, int32_t y, int32_t color);
VELARION_HOST_EXPORT void GetSymbolSize(int32_t index, int32_t* width, int32_t* height);
VELARION_HOST_EXPORT int32_t SetDrawColor(int32_t kind, int32_t color);
VELARION_HOST_EXPORT int32_t GetDrawDeviceBitDepth();
// Fills the 147-byte record: the buffer must hold 147 bytes.
VELARION_HOST_EXPORT void GetCommonParameters(void* params);
// Kind 0 with a buffer of at least 24 bytes: the grid settings, true; otherwise false.
VELARION_HOST_EXPORT bool GetAdditionalParam(int32_t kind, void* buffer, int32_t size);
}

#endif
