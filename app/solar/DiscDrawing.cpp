#include "DiscDrawing.h"

namespace velarion::solar {

namespace {

constexpr std::size_t kMinimumPolygon = 5;

}  // namespace

void FillPolygon(velplatform::TDrawDevice& device, std::span<const velplatform::TPoint> polygon,
                 velplatform::TColor colour) {
  device.SetPen(colour);
  device.SetBrush(colour);
  device.Polygon(polygon);
}

void DrawDiscParts(velplatform::TDrawDevice& device, const TDiscOutline& disc, double cosPhase,
                   const TDiscColours& colours) {
  auto unlit = [&] {
    if (disc.Unlit().size() >= kMinimumPolygon) FillPolygon(device, disc.Unlit(), colours.unlit);
  };
  auto lit = [&] {
    if (disc.Lit().size() < kMinimumPolygon) return;
    device.SetPen(colours.litOutline);
    device.SetBrush(colours.litFill);
    device.Polygon(disc.Lit());
  };
  if (cosPhase >= 0.0) {
    unlit();
    lit();
  } else {
    lit();
    unlit();
  }
}

}  // namespace velarion::solar
