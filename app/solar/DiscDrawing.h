// Drawing a body's disc on a device: its lit and unlit parts in their colours, with the
// device's pen and brush given back afterwards.
#ifndef VELARION_APP_SOLAR_DISCDRAWING_H
#define VELARION_APP_SOLAR_DISCDRAWING_H

#include "DiscOutline.h"
#include "DrawDevice.h"

#include <span>

namespace velarion::solar {

// Gives the device back its pen and brush colours (a solid pen one pixel wide) when it goes
// out of scope, so that a group leaves the device as it found it.
class TPenAndBrushKeeper {
 public:
  explicit TPenAndBrushKeeper(velplatform::TDrawDevice& device)
      : device_(device), pen_(device.PenColor()), brush_(device.BrushColor()) {}
  ~TPenAndBrushKeeper() {
    device_.SetPen(pen_);
    device_.SetBrush(brush_);
  }
  TPenAndBrushKeeper(const TPenAndBrushKeeper&) = delete;
  TPenAndBrushKeeper& operator=(const TPenAndBrushKeeper&) = delete;

 private:
  velplatform::TDrawDevice& device_;
  velplatform::TColor pen_;
  velplatform::TColor brush_;
};

// The polygon outlined and filled in one colour.
void FillPolygon(velplatform::TDrawDevice& device, std::span<const velplatform::TPoint> polygon,
                 velplatform::TColor colour);

struct TDiscColours {
  velplatform::TColor unlit;
  velplatform::TColor litOutline;
  velplatform::TColor litFill;
};

// The unlit and the lit part of a disc, the larger part (by the cosine of the phase angle)
// drawn last so that the terminator they share takes its colour. A part of fewer than five
// points is left out.
void DrawDiscParts(velplatform::TDrawDevice& device, const TDiscOutline& disc, double cosPhase,
                   const TDiscColours& colours);

}  // namespace velarion::solar

#endif
