#include "ProjectionExports.h"

#include <optional>

namespace velarion::sky {

namespace {

// The one projection state of the program, shared by all groups through the exports.
std::optional<TProjection> moduleProjection;

}  // namespace

void InitProjectionTables() { moduleProjection.emplace(); }

void FreeProjectionTables() { moduleProjection.reset(); }

void SetProjection(const TProjectionSetup& setup) {
  if (moduleProjection) {
    moduleProjection->SetProjection(setup);
  }
}

TRaDecRange GetVisibleRaDecRange(const TPixelRect& rect, int32_t centreX, int32_t centreY,
                                 int32_t radius, double yScale) {
  if (!moduleProjection) {
    return {1.0e9, -1.0e9, 1.0e9, -1.0e9};
  }
  return moduleProjection->GetVisibleRaDecRange(rect, centreX, centreY, radius, yScale);
}

}  // namespace velarion::sky

using velarion::sky::moduleProjection;

extern "C" {

void SetEpoch(double epoch, uint16_t epochType) {
  if (moduleProjection) {
    moduleProjection->SetEpoch(epoch, epochType);
  }
}

bool RaDecToXY(double ra, double dec, int32_t* x, int32_t* y) {
  if (!moduleProjection || x == nullptr || y == nullptr) {
    return false;
  }
  const auto pixel = moduleProjection->RaDecToXY(ra, dec);
  if (!pixel) {
    return false;
  }
  *x = pixel->x;
  *y = pixel->y;
  return true;
}

bool QuickRaDecToXY(int32_t ra, int32_t dec, int32_t* x, int32_t* y) {
  if (!moduleProjection || x == nullptr || y == nullptr) {
    return false;
  }
  const auto pixel = moduleProjection->QuickRaDecToXY(ra, dec);
  if (!pixel) {
    return false;
  }
  *x = pixel->x;
  *y = pixel->y;
  return true;
}

bool XYToRaDec(int32_t x, int32_t y, double* ra, double* dec) {
  if (!moduleProjection || ra == nullptr || dec == nullptr) {
    return false;
  }
  const auto direction = moduleProjection->XYToRaDec(x, y);
  if (!direction) {
    return false;
  }
  *ra = direction->raDeg;
  *dec = direction->decDeg;
  return true;
}

}  // extern "C"
