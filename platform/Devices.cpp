#include "Devices.h"

#include "ImageDevice.h"

namespace velplatform {

std::unique_ptr<TDrawDevice> CreateImageDevice(int32_t width, int32_t height, double dpiX,
                                               double dpiY) {
  return std::make_unique<TImageDevice>(width, height, dpiX, dpiY);
}

bool SaveDeviceAsPng(const TDrawDevice& device, const std::string& path) {
  const auto* image = dynamic_cast<const TImageDevice*>(&device);
  return image != nullptr && image->SavePng(path);
}

}  // namespace velplatform
