#include "SkyBitmapCanvas.h"

#include "Devices.h"

#include <algorithm>

namespace velarion::sky {

TDrawDevice& TSkyBitmapCanvas::Canvas(int32_t width, int32_t height, double dpiX, double dpiY) {
  width = std::max(width, 1);
  height = std::max(height, 1);
  if (!device_ || device_->Width() != width || device_->Height() != height ||
      device_->DpiX() != dpiX || device_->DpiY() != dpiY) {
    device_ = velplatform::CreateImageDevice(width, height, dpiX, dpiY);
  }
  return *device_;
}

}  // namespace velarion::sky
