// Making drawing devices without Qt in sight: the sky code draws through TDrawDevice and
// never includes Qt. The image device needs a Qt application, which it makes sure of
// itself (TGuiSession).
#ifndef VELARION_PLATFORM_DEVICES_H
#define VELARION_PLATFORM_DEVICES_H

#include "DrawDevice.h"
#include "PixelView.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace velplatform {

// A black picture in memory of at least 1 × 1 pixels (ImageDevice.h).
std::unique_ptr<TDrawDevice> CreateImageDevice(int32_t width, int32_t height, double dpiX = 96,
                                               double dpiY = 96);

// The same, or none when memory for a picture of that size cannot be had.
std::unique_ptr<TDrawDevice> TryCreateImageDevice(int32_t width, int32_t height, double dpiX = 96,
                                                  double dpiY = 96);

// The pixels of an image device, valid while it lives and is not drawn on; none for any
// other device.
std::optional<TPixelView> PixelsOf(const TDrawDevice& device);

// Writes the picture of an image device as a PNG file; false for any other device or
// when the file cannot be written.
bool SaveDeviceAsPng(const TDrawDevice& device, const std::string& path);

}  // namespace velplatform

#endif
