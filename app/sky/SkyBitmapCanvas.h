// The off-screen picture the sky is composed in before it is shown, so that a redraw never
// flickers: kept between paints and made anew only when the window's size changes.
#ifndef VELARION_APP_SKY_SKYBITMAPCANVAS_H
#define VELARION_APP_SKY_SKYBITMAPCANVAS_H

#include "DrawDevice.h"

#include <cstdint>
#include <memory>

namespace velarion::sky {

using velplatform::TDrawDevice;

class TSkyBitmapCanvas {
 public:
  // The canvas of this size (at least 1 × 1), the one kept when its size is the same.
  TDrawDevice& Canvas(int32_t width, int32_t height, double dpiX, double dpiY);
  void Release() { device_.reset(); }
  bool Held() const { return device_ != nullptr; }

 private:
  std::unique_ptr<TDrawDevice> device_;
};

}  // namespace velarion::sky

#endif
