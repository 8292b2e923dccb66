#!/usr/bin/python3
"""Oracle tables of the Sun, Moon and planets from JPL DE405 (via Skyfield), 1960..2050.

Writes to tests/fixtures/oracles/:
  de405_heliocentric.csv  geometric heliocentric places of Mercury..Neptune, the Earth
                          and Pluto (system barycentres beyond Mars), mean ecliptic and
                          equinox of date: body number (2 Mercury .. 10 Pluto), T (TDB
                          centuries from J2000.0), longitude, latitude (degrees), radius (AU),
                          rectangular velocity (AU per day)
  de405_moon.csv          geometric geocentric Moon, mean ecliptic of date: T, longitude,
                          latitude (degrees), distance (km)
  de405_sun.csv           geocentric Sun with light time and annual aberration, without
                          nutation, mean ecliptic of date: T, longitude, latitude (degrees),
                          distance (AU)
The mean ecliptic of date is the IAU 2006 one: ICRS -> frame bias -> precession (Skyfield's
P and B) -> rotation by the IAU 2006 mean obliquity.

Usage: /usr/bin/python3 tools/oracles/make_ephemeris_oracle.py
"""
import random

from skyfield.relativity import add_aberration

import oracle_common as oc

PLANETS = [(2, "mercury"), (3, "venus"), (4, "earth"), (5, "mars barycenter"),
           (6, "jupiter barycenter"), (7, "saturn barycenter"), (8, "uranus barycenter"),
           (9, "neptune barycenter"), (10, "pluto barycenter")]
SAMPLES = 60
FIRST_JD, LAST_JD = 2436934.5, 2470172.5  # 1960-01-01 .. 2050-12-31


def sample_times(ts, seed):
    rng = random.Random(seed)
    jds = sorted(rng.uniform(FIRST_JD, LAST_JD) for _ in range(SAMPLES))
    return [ts.tdb(jd=jd) for jd in jds]


def main():
    ts, eph = oc.load_ephemeris()
    sun, earth, moon = eph["sun"], eph["earth"], eph["moon"]
    head = oc.provenance("/usr/bin/python3 tools/oracles/make_ephemeris_oracle.py",
                         "JPL DE405 places in the IAU 2006 mean ecliptic and equinox of date")

    rows = []
    for body, name in PLANETS:
        for t in sample_times(ts, body):
            state = (eph[name] - sun).at(t)
            to_ecliptic = oc.icrs_to_mean_ecliptic_of_date(t)
            lon, lat, r = oc.spherical(to_ecliptic @ state.position.au)
            vx, vy, vz = to_ecliptic @ state.velocity.au_per_d
            rows.append((body, oc.t_centuries(t), lon, lat, r, vx, vy, vz))
    oc.write_csv("de405_heliocentric.csv", head + ["# geometric heliocentric; velocity in AU per day"],
                 ["body", "t_tdb", "lon_deg", "lat_deg", "r_au", "vx", "vy", "vz"], rows)

    rows = []
    for t in sample_times(ts, 1):
        v = (moon - earth).at(t).position.km
        lon, lat, r = oc.spherical(oc.icrs_to_mean_ecliptic_of_date(t) @ v)
        rows.append((oc.t_centuries(t), lon, lat, r))
    oc.write_csv("de405_moon.csv", head + ["# geometric geocentric Moon"],
                 ["t_tdb", "lon_deg", "lat_deg", "r_km"], rows)

    rows = []
    for t in sample_times(ts, 0):
        observer = earth.at(t)
        astrometric = observer.observe(sun)
        p = astrometric.position.au.copy()
        add_aberration(p, observer.velocity.au_per_d, astrometric.light_time)
        lon, lat, _ = oc.spherical(oc.icrs_to_mean_ecliptic_of_date(t) @ p)
        rows.append((oc.t_centuries(t), lon, lat, astrometric.distance().au))
    oc.write_csv("de405_sun.csv", head + ["# geocentric Sun, light time and aberration, no nutation"],
                 ["t_tdb", "lon_deg", "lat_deg", "r_au"], rows)


if __name__ == "__main__":
    main()
