// Making drawing devices without Qt in sight: the sky code draws through TDrawDevice and
// never includes Qt. The image device needs a Qt application, which it makes sure of
// itself (TGuiSession).
#ifndef VELARION_PLATFORM_DEVICES_H
#define VELARION_PLATFORM_DEVICES_H

#include "DrawDevice.h"

#include <cstdint>
#include <memory>
#include <string>

namespace velplatform {

// A black picture in memory of at least 1 × 1 pixels (ImageDevice.h).
std::unique_ptr<TDrawDevice> CreateImageDevice(int32_t width, int32_t height, double dpiX = 96,
                                               double dpiY = 96);

// Writes the picture of an image device as a PNG file; false for any other device or
// when the file cannot be written.
bool SaveDeviceAsPng(const TDrawDevice& device, const std::string& path);

}  // namespace velplatform

#endif
