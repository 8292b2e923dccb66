// THorizon ("HORIZ"): the rim of the sky disc with sixteen compass ticks and the names of
// the eight principal directions.
#ifndef VELARION_APP_CATALOGUES_GRIDS_HORIZON_H
#define VELARION_APP_CATALOGUES_GRIDS_HORIZON_H

#include "CompassMarks.h"
#include "DrawDevice.h"
#include "Geometry.h"
#include "ObjectGroup.h"

#include <array>
#include <vector>

namespace velarion::catalogues {

class THorizon : public kit::TObjectGroup {
 public:
  // Half the side of the square inscribed in the disc, over R.
  static constexpr double kInscribedHalfSide = 0.7071067813730950;

  void Init() override;
  void CalculateObjects(const kit::TVisibleObjectReport& report) override;
  void DrawObjects(const kit::TNextObject& next) override;

  const velplatform::TRect& DiscRect() const { return disc_; }
  const velplatform::TRect& OuterRect() const { return outer_; }
  const std::array<TCompassMark, kCompassMarkCount>& Marks() const { return marks_; }

 private:
  TDisc Disc() const;
  // False when the view shows no part of the rim or the marks.
  bool RimMayShow() const;
  std::vector<velplatform::TPoint> RimPoints() const;
  void DrawMarks(velplatform::TDrawDevice& device) const;

  velplatform::TRect disc_;
  velplatform::TRect outer_;  // the disc with the marks' labels round it
  std::array<TCompassMark, kCompassMarkCount> marks_{};
};

}  // namespace velarion::catalogues

#endif
