/*
 * velastro: astronomical utility routines.
 *
 * Conventions shared by every routine:
 *  - angles are degrees (right ascension 0..360, not hours) unless a name says otherwise;
 *  - moments are Modified Julian Dates (MJD = JD - 2400000.5);
 *  - T is Julian centuries of 36525 days from J2000.0 (MJD 51544.5), normally in
 *    dynamical time; T = 0 names the equinox J2000.0;
 *  - rectangular vectors are (cos d cos a, cos d sin a, sin d) scaled by the distance;
 *  - a 3x3 matrix is 9 doubles, row-major (a[3*i + j] = row i, column j), and rotates a
 *    column vector: v' = A v;
 *  - "out" pointers receive results; a null out pointer is skipped, never written.
 * No routine reports failure and none throws.
 */
#ifndef VELASTRO_H
#define VELASTRO_H

#include <stdbool.h>
#include <stdint.h>

#if defined(VELASTRO_BUILDING)
#define VELASTRO_API __attribute__((visibility("default")))
#else
#define VELASTRO_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Physical range inside which refrac() evaluates its model; arguments are clamped to it. */
static const double kVelastroMinPressureMbar = 0.0;
static const double kVelastroMaxPressureMbar = 1200.0;
static const double kVelastroMinTemperatureC = -90.0;
static const double kVelastroMaxTemperatureC = 60.0;

/* ---- Calendar and time ------------------------------------------------------------ */

/* MJD of a calendar date and hour (0..24, fractional). Julian calendar before
 * 1582-10-15, Gregorian from then on; astronomical years (0 = 1 BC, -1 = 2 BC),
 * -9998..9999. Day and month outside their usual ranges roll over arithmetically. */
VELASTRO_API double MJD(int32_t day, int32_t month, int32_t year, double hour);

/* Calendar date and hour of an MJD; the exact inverse of MJD() on the same calendar. */
VELASTRO_API void CalDat(double mjd, int32_t* day, int32_t* month, int32_t* year, double* hour);

/* Julian centuries from J2000.0 of an MJD, and back. */
VELASTRO_API double GetT(double mjd);
VELASTRO_API double TToMJD(double t);

/* Delta T = TT - UT1 in seconds at the moment T (centuries from J2000.0 of UT).
 * Observed values from 1657 on, the Espenak-Meeus expressions before, a smooth
 * extrapolation after the table's end that joins the long-term parabola in 2150. */
VELASTRO_API double GetDeltat(double t);

/* Local mean sidereal time in hours (0..24) at the moment mjdUt (universal time) for
 * the longitude lambdaWest (degrees, positive west). IAU 2006 Greenwich mean sidereal
 * time. */
VELASTRO_API double LMST(double mjdUt, double lambdaWest);

/* Local apparent sidereal time in hours (0..24) at the moment mjdUt (universal time) for
 * the longitude lambdaWest (degrees, positive west): LMST plus the equation of the
 * equinoxes (IAU 2006/2000A, ERFA's eraEe06a, within about 1.1 s of LMST). It goes with
 * places referred to the true equator and equinox of date (PMatNutEqu, NutEqu,
 * AstrometricToApparent): LAST x 15 - RA is their hour angle. Places referred to the mean
 * equator of date go with LMST. */
VELASTRO_API double LAST(double mjdUt, double lambdaWest);

/* ---- Frames -------------------------------------------------------------------------- */

/* Mean obliquity of the ecliptic of date T, IAU 2006, degrees. */
VELASTRO_API double GetEps(double t);

/* Precession from the mean equator and equinox of T1 to those of T2 (IAU 2006,
 * without frame bias): v(T2) = A v(T1). */
VELASTRO_API void PMatEqu(double t1, double t2, double a[9]);

/* Precession from the mean ecliptic and equinox of T1 to those of T2 (IAU 2006). */
VELASTRO_API void PMatEcl(double t1, double t2, double a[9]);

/* Nutation from the mean to the true equator and equinox of T (IAU 2006/2000A):
 * v(true) = A v(mean). */
VELASTRO_API void PMatNutEqu(double t, double a[9]);

/* (x, y, z) := A (x, y, z). */
VELASTRO_API void Precart(const double a[9], double* x, double* y, double* z);

/* Mean to true equator of T, in place. */
VELASTRO_API void NutEqu(double t, double* x, double* y, double* z);

/* Mean ecliptic of T to mean equator of T (rotation by the mean obliquity), in place;
 * EquEcl is its inverse. */
VELASTRO_API void EclEqu(double t, double* x, double* y, double* z);
VELASTRO_API void EquEcl(double t, double* x, double* y, double* z);

/* Spherical (r, theta = latitude or declination, phi = longitude or right ascension)
 * to rectangular, and back with phi in 0..360 and theta in -90..90. */
VELASTRO_API void Cart(double r, double theta, double phi, double* x, double* y, double* z);
VELASTRO_API void Polar(double x, double y, double z, double* r, double* theta, double* phi);

/* ---- Places ------------------------------------------------------------------------- */

/* Refraction in degrees to add to the true altitude h (degrees) for the pressure in
 * millibar and the temperature in degrees Celsius (Saemundsson 1986, with Meeus' zenith
 * offset). Below -1 degree the value fades smoothly to 0 at -5 degrees, so that it stays
 * finite and continuous for every h. Pressure and temperature are clamped to the range
 * above. */
VELASTRO_API double refrac(double h, double pressureMbar, double temperatureC);

/* Topocentric place of a body: from the geocentric place (ra, dec) and distance (km)
 * for an observer at sea level at geodetic latitude `latitude` whose local sidereal
 * time is lstHours. Writes the topocentric ra, dec and returns the topocentric altitude
 * (degrees, without refraction). Distance: AU x 1.496e8 or Earth radii x 6378.137. */
VELASTRO_API double Parallax(double lstHours, double ra, double dec, double distanceKm,
                             double latitude, double* raTopo, double* decTopo);

/* Mean place of the equinox T0 (0 = J2000.0) to the apparent place at T (true equator
 * and equinox of T, ra in 0..360): precession to J2000.0, light deflection by the Sun,
 * annual aberration (Earth's barycentric velocity), precession and nutation to the true
 * equator of T (Explanatory Supplement 1992, 3.2; ERFA's eraEpv00, eraLdsun, eraAb). In
 * place. The same as PrepareApparentPlaces followed by ApparentPlaceQuick. */
VELASTRO_API void AstrometricToApparent(double t0, double t, double* ra, double* dec);

/* The part of AstrometricToApparent that depends on T0 and T only, computed once for many
 * places (ERFA's eraApci13 / eraAtciq split). Filled by PrepareApparentPlaces, read by
 * ApparentPlaceQuick; the caller owns it and may keep it while T0 and T stay. */
typedef struct TApparentPlaceParams {
  double toJ2000[9];      /* mean equator and equinox of T0 to those of J2000.0 */
  double sunToEarth[3];   /* unit vector from the Sun to the Earth, J2000.0 axes */
  double sunDistanceAu;   /* Sun to Earth, AU */
  double velocity[3];     /* Earth's barycentric velocity, units of c, J2000.0 axes */
  double inverseLorentz;  /* sqrt(1 - |velocity|^2) */
  double toTrueOfDate[9]; /* mean equator of J2000.0 to the true equator and equinox of T */
} TApparentPlaceParams;

/* Fills params for mean places of the equinox T0 made apparent at T (both centuries from
 * J2000.0, T in dynamical time). A null params is skipped. */
VELASTRO_API void PrepareApparentPlaces(double t0, double t, TApparentPlaceParams* params);

/* AstrometricToApparent with prepared params: ra, dec (degrees) of the equinox T0 to the
 * apparent place at T, in place. Null pointers are skipped. */
VELASTRO_API void ApparentPlaceQuick(const TApparentPlaceParams* params, double* ra, double* dec);

/* Linear proper motion. LowPrec: ra, dec in arcseconds, pmRa (rate of right ascension,
 * not multiplied by cos dec) and pmDec in milliarcseconds per year, dt in tenths of a
 * year from J2000.0; results rounded to whole arcseconds, ra in 0..1295999.
 * HighPrec: degrees, degrees per year and years. */
VELASTRO_API void PropMotion_LowPrec(int32_t ra, int32_t dec, int32_t pmRa, int32_t pmDec,
                                     int32_t dt, int32_t* raOut, int32_t* decOut);
VELASTRO_API void PropMotion_HighPrec(double ra, double dec, double pmRa, double pmDec, double dt,
                                      double* raOut, double* decOut);

/* ---- Low-precision bodies ----------------------------------------------------------- */

/* Heliocentric position (AU) and velocity (AU per day) of planet n (1 Mercury,
 * 2 Venus, 3 Earth, 4 Mars, 5 Jupiter, 6 Saturn, 7 Uranus, 8 Neptune) in the mean
 * ecliptic and equinox of date, from an abridged VSOP87 D; good to about an arcminute
 * within a few thousand years of J2000. The velocity is the motion among the fixed
 * stars (the turning of the frame of date by precession left out). Unknown n: zero.
 * (C++ callers name n by velcommon::TVelastroPlanet of external/common/Bodies.h.) */
VELASTRO_API void Planet(double t, int32_t n, double* x, double* y, double* z, double* vx,
                         double* vy, double* vz);

/* Geocentric ecliptic longitude and latitude (mean ecliptic and equinox of date,
 * degrees) and distance (Earth radii) of the Moon from an abridged ELP/MPP02; good to
 * about an arcminute. */
VELASTRO_API void moon(double t, double* lambda, double* beta, double* distanceEarthRadii);

#ifdef __cplusplus
}
#endif

#endif
