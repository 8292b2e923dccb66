#include "SkyImageExports.h"

#include "ByteFields.h"
#include "SkyImage.h"

namespace velarion::sky {

namespace {

TSkyImage* gSkyImage = nullptr;

}  // namespace

void SetHostSkyImage(TSkyImage* image) { gSkyImage = image; }

}  // namespace velarion::sky

using velarion::sky::gSkyImage;
using velplatform::PutField;

extern "C" {

VELARION_HOST_EXPORT int32_t DrawString(const char* text, int32_t x, int32_t y, bool draw) {
  if (gSkyImage == nullptr || text == nullptr) return 0;
  return gSkyImage->OutputDevice().DrawString(text, x, y, draw);
}

VELARION_HOST_EXPORT void DrawSymbol(int32_t index, int32_t x, int32_t y, int32_t color) {
  if (gSkyImage != nullptr) {
    gSkyImage->OutputDevice().DrawSymbol(index, x, y, static_cast<uint32_t>(color));
  }
}

VELARION_HOST_EXPORT void GetSymbolSize(int32_t index, int32_t* width, int32_t* height) {
  if (gSkyImage == nullptr || width == nullptr || height == nullptr) return;
  int32_t w = 0;
  int32_t h = 0;
  if (gSkyImage->OutputDevice().GetSymbolSize(index, w, h)) {
    *width = w;
    *height = h;
  }
}

VELARION_HOST_EXPORT int32_t SetDrawColor(int32_t kind, int32_t color) {
  if (gSkyImage == nullptr) return 0;
  return static_cast<int32_t>(
      gSkyImage->OutputDevice().SetDrawColor(kind, static_cast<uint32_t>(color)));
}

VELARION_HOST_EXPORT int32_t GetDrawDeviceBitDepth() {
  return gSkyImage != nullptr ? gSkyImage->OutputDevice().BitDepth() : 0;
}

VELARION_HOST_EXPORT void GetCommonParameters(void* params) {
  if (gSkyImage == nullptr || params == nullptr) return;
  namespace c = velarion::kit::common_parameters;
  const velarion::sky::TSkyImage& s = *gSkyImage;
  const velplatform::TBytes r(static_cast<std::byte*>(params), c::kSize);
  const bool detailed = s.DetailedView();
  PutField(r, c::kLongitude, s.Longitude());
  PutField(r, c::kLatitude, s.Latitude());
  PutField(r, c::kTimeZone, s.TimeZone());
  PutField(r, c::kCentreX, s.CentreX());
  PutField(r, c::kCentreY, s.CentreY());
  PutField(r, c::kRadius, s.Radius());
  PutField(r, c::kYScale, s.YScale());
  PutField(r, c::kZoom, s.Zoom());
  PutField(r, c::kProjection, s.Projection());
  PutField(r, c::kRotation, s.ViewRotation());
  PutField<uint8_t>(r, c::kVisible1, s.ObjectVisible(1));
  PutField<uint8_t>(r, c::kVisible2, s.ObjectVisible(2));
  PutField<uint8_t>(r, c::kVisible4, s.ObjectVisible(4));
  PutField<uint8_t>(r, c::kVisible3, s.ObjectVisible(3));
  PutField<uint8_t>(r, c::kVisible16, s.ObjectVisible(16));
  PutField<uint8_t>(r, c::kVisible15, s.ObjectVisible(15));
  PutField(r, c::kBodyBits, s.BodyBits());
  PutField(r, c::kStarLimit, s.EffectiveStarLimit());
  PutField(r, c::kLabelLimit, s.LabelLimit(detailed));
  PutField(r, c::kStarSizes, s.StarSizes(detailed));
  PutField(r, c::kFontHeight, s.FontHeight());
  PutField(r, c::kLetterWidth, s.LetterWidth());
  PutField<uint8_t>(r, c::kStarProperNames, s.StarProperNames());
  PutField(r, c::kSkyColourMode, s.SkyColourMode());
  for (std::size_t i = 0; i < c::kColourCount; ++i) {
    PutField(r, c::kColours + 4 * i, s.CurrentScheme().Color(static_cast<int>(i)));
  }
  PutField(r, c::kMjd, s.Mjd());
  PutField(r, c::kSiderealTime, s.SiderealTime());
}

VELARION_HOST_EXPORT bool GetAdditionalParam(int32_t kind, void* buffer, int32_t size) {
  namespace a = velarion::kit::additional_param;
  if (gSkyImage == nullptr || kind != 0 || buffer == nullptr ||
      size < static_cast<int32_t>(a::kSize)) {
    return false;
  }
  const velarion::sky::TGridSettings& g = gSkyImage->GridSettings();
  const velplatform::TBytes r(static_cast<std::byte*>(buffer), a::kSize);
  for (std::size_t i = 0; i < 4; ++i) {
    PutField(r, a::kLineVisible + i, g.lineVisible[i]);
    PutField(r, a::kLineStep + 4 * i, g.lineStep[i]);
  }
  PutField(r, a::kAzimuthAuto, g.azimuthAuto);
  PutField(r, a::kEquatorialAuto, g.equatorialAuto);
  PutField(r, a::kAzimuthGrid, g.azimuthGrid);
  PutField(r, a::kEquatorialGrid, g.equatorialGrid);
  return true;
}

}  // extern "C"
