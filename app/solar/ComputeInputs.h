// What the computation of a body's place depends on: a group answers from its last result
// while these are unchanged.
#ifndef VELARION_APP_SOLAR_COMPUTEINPUTS_H
#define VELARION_APP_SOLAR_COMPUTEINPUTS_H

#include "BodyPosition.h"
#include "BoundaryRecords.h"

#include <cstdint>

namespace velarion::solar {

struct TComputeInputs {
  double mjdUt = 1.0e9;  // never computed
  double mjdDynamical = 0.0;
  double longitude = 0.0;
  double latitude = 0.0;
  bool highPrecision = false;
  bool astrometric = false;
  double rotation = 0.0;
  uint8_t mirror = 0;
  bool operator==(const TComputeInputs&) const = default;
};

// The inputs of computing `body` for the view: its moment, place and map orientation, and
// whether the precise theory serves the request.
TComputeInputs ComputeInputsOfView(const kit::TViewParameters& view, TBody body,
                                   bool highPrecisionRequested, bool astrometric);

}  // namespace velarion::solar

#endif
