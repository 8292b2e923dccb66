/*
 * velmoons: geocentric places and visual magnitudes of the four Galilean satellites of
 * Jupiter, eight satellites of Saturn and five satellites of Uranus.
 *
 * T is Julian centuries of 36525 days from J2000.0 in dynamical time. Results are the
 * astrometric place (light time included, no aberration, no nutation) referred to the
 * mean equator and equinox of date: right ascension 0..360 and declination in degrees,
 * geocentric distance in AU, visual magnitude. Out pointers may be null.
 *
 * Satellite numbers (the low byte of the argument is used):
 *   CalcJupSat 0 Io, 1 Europa, 2 Ganymede, 3 Callisto;
 *   CalcSatSat 0 Mimas, 1 Enceladus, 2 Tethys, 3 Dione, 4 Rhea, 5 Titan, 6 Hyperion,
 *              7 Iapetus;
 *   CalcUraSat 0 Miranda, 1 Ariel, 2 Umbriel, 3 Titania, 4 Oberon.
 * A number outside its range leaves every out value untouched.
 *
 * Results are cached per satellite and per moment: a call whose T is within 1.5e-10 of
 * the satellite's last call returns the same values. The caches are not guarded; call
 * from one thread.
 */
#ifndef VELMOONS_H
#define VELMOONS_H

#include <stdint.h>

#if defined(VELMOONS_BUILDING)
#define VELMOONS_API __attribute__((visibility("default")))
#else
#define VELMOONS_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

VELMOONS_API void CalcJupSat(double t, int32_t satellite, double* ra, double* dec, double* distance,
                             double* magnitude);
VELMOONS_API void CalcSatSat(double t, int32_t satellite, double* ra, double* dec, double* distance,
                             double* magnitude);
VELMOONS_API void CalcUraSat(double t, int32_t satellite, double* ra, double* dec, double* distance,
                             double* magnitude);

/* Adds the annual aberration (the Earth's heliocentric velocity at T) to an astrometric
 * place of date (ra, dec in degrees, distance in AU) and writes the apparent place on
 * the same mean equator and equinox; nutation is not applied. */
VELMOONS_API void ObjApparentRaDec(double t, double ra, double dec, double distance,
                                   double* raApparent, double* decApparent);

#ifdef __cplusplus
}
#endif

#endif
