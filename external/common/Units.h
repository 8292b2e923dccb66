// The units that the numeric libraries, the program and the plug-ins share, each named
// once: angles, time, lengths and light time. Where the program has always used one
// quantity in several roundings, each rounding has its own name and says where it is used,
// so that every result stays exactly as it was.
#ifndef VELARION_UNITS_H
#define VELARION_UNITS_H

#include <numbers>

namespace velcommon {

// ---- Angles ---------------------------------------------------------------------------

inline constexpr double kDegToRad = std::numbers::pi / 180.0;
inline constexpr double kRadToDeg = 180.0 / std::numbers::pi;
inline constexpr double kArcsecToRad = kDegToRad / 3600.0;
inline constexpr double kTwoPi = 2.0 * std::numbers::pi;
// The factors as the projection and the ecliptic line wrote them: the same doubles.
static_assert(kDegToRad == 0.017453292519943295 && kRadToDeg == 57.29577951308232);
static_assert(1.0 / kDegToRad == kRadToDeg && kTwoPi == 6.283185307179586476925);

// ---- Time -----------------------------------------------------------------------------

inline constexpr double kSecondsPerDay = 86400.0;
// Julian years, centuries and millennia.
inline constexpr double kDaysPerYear = 365.25;
inline constexpr double kDaysPerCentury = 36525.0;
inline constexpr double kDaysPerMillennium = 365250.0;
// The epoch J2000.0 (2000 January 1, 12 h TT) as an MJD and as a Julian date, the
// difference of the two day counts (JD = MJD + 2400000.5), and the Julian date of J1900.0,
// the epoch of the older satellite theories.
inline constexpr double kMjdJ2000 = 51544.5;
inline constexpr double kJdJ2000 = 2451545.0;
inline constexpr double kJdMjdZero = 2400000.5;
inline constexpr double kJdJ1900 = 2415020.0;
static_assert(kMjdJ2000 + kJdMjdZero == kJdJ2000);
// The day of J2000.0 at 0 h (the star names' proper motion counts from it), and
// the start of the computer clock's count, 1970 January 1, 0 h UT.
inline constexpr double kMjdJ2000Day = 51544.0;
inline constexpr double kMjdUnixEpoch = 40587.0;
// The sidereal day in days of mean solar time: to nine digits (rise and set; the time step
// unit), and to seven for moving the time to an object's transit.
inline constexpr double kSiderealDay = 0.997269566;
inline constexpr double kSiderealDayRounded = 0.9972696;
// The mean synodic month in days: as the time step unit and the phase and eclipse searches
// use it, and to six decimals for the Moon's age.
inline constexpr double kDaysPerSynodicMonth = 29.5305882;
inline constexpr double kDaysPerSynodicMonthRounded = 29.530588;

// ---- Lengths --------------------------------------------------------------------------

// The Earth's equatorial radius.
inline constexpr double kKmPerEarthRadius = 6378.137;
// The astronomical unit, in two values. Rounded to 149 600 000 km ("AU x 1.496e8") for
// the distances handed to Parallax; 149 597 870 km (the IAU 1976 value) where distances
// are turned into AU: the Moon's in its common record (the factor 6.684587153547039e-09
// per km), the satellite orbits of Uranus ("v / 149597870") and the planets' radii below.
inline constexpr double kKmPerAu = 149600000.0;
inline constexpr double kKmPerAuIau1976 = 149597870.0;
inline constexpr double kAuPerKm = 1.0 / kKmPerAuIau1976;
static_assert(kAuPerKm == 6.684587153547039e-09);
// The Earth's equatorial radius in AU, as the Sun's parallax uses it
// (6378.137 km / 149 600 000 km to eight digits).
inline constexpr double kEarthRadiusAu = 4.2634605e-5;
// The Sun's radius (its semi-diameter and the Earth's shadow).
inline constexpr double kSolarRadiusAu = 0.0046524064;
// The Moon's radius (its semi-diameter, the lunar eclipses).
inline constexpr double kMoonRadiusEarthRadii = 0.2725076;
// Earth radii in an AU of 149 597 870 km: the Sun's distance beside the Moon's.
inline constexpr double kEarthRadiiPerAu = kKmPerAuIau1976 / kKmPerEarthRadius;
// The equatorial radii of the planets with satellites (71 492, 60 268 and
// 25 559 km, in AU of 149 597 870 km); Jupiter's is also the unit of the Galilean
// satellites' orbits.
inline constexpr double kJupiterRadiusAu = 71492.0 / kKmPerAuIau1976;
inline constexpr double kSaturnRadiusAu = 60268.0 / kKmPerAuIau1976;
inline constexpr double kUranusRadiusAu = 25559.0 / kKmPerAuIau1976;
static_assert(kJupiterRadiusAu == 4.778945047813849e-4 &&
              kSaturnRadiusAu == 4.0286669856997296e-4 && kUranusRadiusAu == 1.7085136305750877e-4);

// ---- Light ----------------------------------------------------------------------------

inline constexpr double kLightKmPerSecond = 299792.458;
// Light time for 1 AU, in its roundings: in full (the aberration: c = 299 792.458 km/s and
// the IAU 2012 au, 149 597 870.7 km); rounded to 0.00578 days (the light-time corrections
// of the planets and their satellites); to eleven decimals (velmoons: the moment the
// satellites' light left them); and in centuries (the low-precision Sun).
inline constexpr double kLightDaysPerAu = 0.005775518331089533;
inline constexpr double kLightDaysPerAuRounded = 0.00578;
inline constexpr double kLightDaysPerAu11Decimals = 0.00577551831;
inline constexpr double kLightCenturiesPerAuRounded = 1.5808e-7;

}  // namespace velcommon

#endif
