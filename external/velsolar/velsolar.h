/*
 * velsolar: precise positions of the Sun, the Moon and the major planets.
 *
 * T is Julian centuries of 36525 days from J2000.0 in dynamical time (TDB). Longitudes
 * are 0..360 degrees and latitudes degrees, referred to the mean ecliptic and equinox
 * of date of IAU 2006; nutation is left to the caller. Out pointers may be null.
 * Theories: VSOP87 D for the planets and the Earth (Bretagnon and Francou 1988),
 * ELP/MPP02 fitted to DE405 for the Moon (Chapront and Francou 2003), Meeus' series
 * (Astronomical Algorithms, ch. 37) for Pluto from 1885 to 2099 and its mean orbit
 * outside. When the series file cannot be read, the routines answer with velastro's
 * low-precision theories and say so once on standard error.
 */
#ifndef VELSOLAR_H
#define VELSOLAR_H

#if defined(VELSOLAR_BUILDING)
#define VELSOLAR_API __attribute__((visibility("default")))
#else
#define VELSOLAR_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Geometric heliocentric longitude L, latitude B (degrees) and radius vector R (AU). */
VELSOLAR_API void Mer404(double t, double* l, double* b, double* r);
VELSOLAR_API void Ven404(double t, double* l, double* b, double* r);
VELSOLAR_API void Ear404(double t, double* l, double* b, double* r);
VELSOLAR_API void Mar404(double t, double* l, double* b, double* r);
VELSOLAR_API void Jup404(double t, double* l, double* b, double* r);
VELSOLAR_API void Sat404(double t, double* l, double* b, double* r);
VELSOLAR_API void Ura404(double t, double* l, double* b, double* r);
VELSOLAR_API void Nep404(double t, double* l, double* b, double* r);
VELSOLAR_API void Plu404(double t, double* l, double* b, double* r);

/* Geocentric Sun, including annual aberration: longitude, latitude, distance (AU). */
VELSOLAR_API void Sun404(double t, double* l, double* b, double* r);

/* Geometric geocentric Moon: longitude, latitude, distance in Earth radii (6378.137 km). */
VELSOLAR_API void Moon(double t, double* l, double* b, double* r);

#ifdef __cplusplus
}
#endif

#endif
