#include "Devices.h"

#include "ImageDevice.h"

namespace velplatform {

std::unique_ptr<TDrawDevice> CreateImageDevice(int32_t width, int32_t height, double dpiX,
                                               double dpiY) {
  return std::make_unique<TImageDevice>(width, height, dpiX, dpiY);
}

std::unique_ptr<TDrawDevice> TryCreateImageDevice(int32_t width, int32_t height, double dpiX,
                                                  double dpiY) {
  auto device = std::make_unique<TImageDevice>(width, height, dpiX, dpiY);
  if (device->Image().isNull()) return nullptr;
  return device;
}

std::optional<TPixelView> PixelsOf(const TDrawDevice& device) {
  const auto* image = dynamic_cast<const TImageDevice*>(&device);
  if (image == nullptr || image->Image().isNull()) return std::nullopt;
  return image->Pixels();
}

bool SaveDeviceAsPng(const TDrawDevice& device, const std::string& path) {
  const auto* image = dynamic_cast<const TImageDevice*>(&device);
  return image != nullptr && image->SavePng(path);
}

}  // namespace velplatform
