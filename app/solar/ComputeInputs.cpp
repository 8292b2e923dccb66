#include "ComputeInputs.h"

#include "velastro.h"

namespace velarion::solar {

TComputeInputs ComputeInputsOfView(const kit::TViewParameters& view, TBody body,
                                   bool highPrecisionRequested, bool astrometric) {
  return {view.mjdUt,
          view.mjdDynamical,
          view.longitudeEast,
          view.latitude,
          UsesHighPrecision(body, highPrecisionRequested, GetT(view.mjdDynamical)),
          astrometric,
          view.rotationDeg,
          view.mirror};
}

}  // namespace velarion::solar
