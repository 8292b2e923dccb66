// Small helpers of the C interfaces: results through out pointers, angle reduction.
#ifndef VELARION_OUT_VALUES_H
#define VELARION_OUT_VALUES_H

#include <cmath>

namespace velcommon {

// Writes a result through an out pointer unless the caller passed none.
template <typename T>
inline void Store(T* target, T value) {
  if (target != nullptr) {
    *target = value;
  }
}

// Angle reduced to [0, 360).
inline double Normalise360(double degrees) {
  double r = std::fmod(degrees, 360.0);
  if (r < 0.0) {
    r += 360.0;
  }
  return r >= 360.0 ? 0.0 : r;
}

}  // namespace velcommon

#endif
