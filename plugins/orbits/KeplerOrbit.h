// Kepler's problem for an orbit given in perihelion form (perihelion distance q, eccentricity
// e, moment of perihelion): the body's place and velocity in its orbital plane, x towards the
// perihelion and y 90° ahead in the sense of motion.
//
// Three solutions share the work (Montenbruck and Pfleger, Astronomy on the Personal Computer,
// ch. 4): Newton's method on Kepler's equation for ellipses, on the hyperbolic equation for
// hyperbolas, and the Stumpff-function solution near the parabola. The near-parabolic one
// serves while the mean anomaly 1/a'^(3/2) k (t - T0) (degrees, a' the semimajor axis) stays
// below 5° in size and |1 - e| < 0.1, so every orbit with e = 1 uses it.
#ifndef VELARION_PLUGINS_ORBITS_KEPLERORBIT_H
#define VELARION_PLUGINS_ORBITS_KEPLERORBIT_H

#include <cstdint>

namespace velarion::orbits {

// The Gaussian gravitational constant, radians per day at 1 AU.
inline constexpr double kGaussianConstant = 0.01720209895;
// Where the near-parabolic solution gives way: mean anomaly in degrees and |1 - e|.
inline constexpr double kNearParabolicMeanAnomalyDeg = 5.0;
inline constexpr double kNearParabolicEccentricityBand = 0.1;

struct TPerihelionOrbit {
  double perihelionAu = 1.0;   // q > 0
  double eccentricity = 0.0;   // e >= 0
  double perihelionMjd = 0.0;  // moment of perihelion passage, dynamical time
};

// Place (AU) and velocity (AU per day) in the orbital plane.
struct TPlaneState {
  double x = 0.0;
  double y = 0.0;
  double vx = 0.0;
  double vy = 0.0;
};

enum class TKeplerBranch : uint8_t { kElliptic, kHyperbolic, kNearParabolic };

// The solution that serves `orbit` at T (Julian centuries from J2000.0, dynamical time).
TKeplerBranch KeplerBranchAt(const TPerihelionOrbit& orbit, double tCenturies);

// The body's plane state at T. The orbit must be valid (q > 0, e >= 0, finite); the
// iterations are bounded and their last value is used when they reach the bound.
TPlaneState SolveKepler(const TPerihelionOrbit& orbit, double tCenturies);

}  // namespace velarion::orbits

#endif
