#include "ScrolledDevice.h"

namespace velplatform {

void TScrolledDevice::Show(TDrawDevice& target, int32_t scrollX, int32_t scrollY) {
  target_ = &target;
  dx_ = scrollX;
  dy_ = scrollY;
}

std::optional<TRect> TScrolledDevice::ClipRect() const {
  const std::optional<TRect> clip = target_->ClipRect();
  if (!clip) return clip;
  return TRect{clip->left + dx_, clip->top + dy_, clip->right + dx_, clip->bottom + dy_};
}

std::span<const TPoint> TScrolledDevice::Shifted(std::span<const TPoint> points) {
  shifted_.assign(points.begin(), points.end());
  for (TPoint& p : shifted_) {
    p.x -= dx_;
    p.y -= dy_;
  }
  return shifted_;
}

void TScrolledDevice::Polyline(std::span<const TPoint> points) {
  target_->Polyline(Shifted(points));
}

void TScrolledDevice::PolyPolyline(std::span<const TPoint> points,
                                   std::span<const int32_t> counts) {
  target_->PolyPolyline(Shifted(points), counts);
}

void TScrolledDevice::Polygon(std::span<const TPoint> points) { target_->Polygon(Shifted(points)); }

}  // namespace velplatform
