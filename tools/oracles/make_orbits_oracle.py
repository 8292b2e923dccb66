#!/usr/bin/python3
"""Oracle table of asteroid and comet places from osculating elements: Skyfield's Kepler
propagation (skyfield.data.mpc and keplerlib, universal variables) with JPL DE405 for the
Earth, over +-2 years around each orbit's epoch (asteroids) or perihelion (comets).

Writes tests/fixtures/oracles/orbits.csv. Columns: object, mjd (TT), astrometric RA/Dec
(ICRS, light time only, degrees), apparent RA/Dec (true equator and equinox of date: light
time, deflection, aberration, nutation), delta (light-time distance, AU), r (heliocentric
distance, AU), magnitude: H, G of Bowell et al. (1989) for asteroids, with the phase angle
from Skyfield's vectors; g + 5 log10 delta + 2.5 k log10 r for comets.

Elements, all referred to the ecliptic and equinox J2000.0 (the numbers the tests use too):
  (1) Ceres, (2) Pallas, C/1995 O1 (Hale-Bopp), C/2015 A2 (PANSTARRS): MPC element lines as
      quoted in Skyfield 1.45's own tests (skyfield/tests/test_keplerlib.py); epochs
      2020 May 31.0 TT and 2022 Jan 21.0 TT.
  1P/Halley: the 1986 apparition (perihelion 1986 Feb 9.4589 TT), rounded published values.
  1I/2017 U1: the hyperbolic orbit (perihelion 2017 Sep 9.49 TT), rounded published values.
  "Synthetic e=1.05": a made-up orbit whose mean anomaly crosses 5 degrees inside the
      window, so that the near-parabolic and the hyperbolic solutions meet.
The comparison depends only on both sides using the same numbers, not on how well the
elements describe the real bodies.

Usage: /usr/bin/python3 tools/oracles/make_orbits_oracle.py
"""
import math
import pandas as pd

import numpy as np
from skyfield.constants import GM_SUN_Pitjeva_2005_km3_s2 as GM_SUN
from skyfield.data import mpc

import oracle_common as oc

ASTEROIDS = [
    # name, packed epoch, M, omega, Omega, i, e, a, H, G
    ("Ceres", "K205V", 162.68631, 73.73161, 80.28698, 10.58862, 0.0775571, 2.7676569, 3.4, 0.15),
    ("Pallas", "K221L", 272.47992, 310.69724, 172.91658, 34.92531, 0.2299930, 2.7711069, 4.11,
     0.15),
]
COMETS = [
    # name, year, month, day of perihelion, q, e, omega, Omega, i, g, k
    ("Hale-Bopp", 1997, 3, 29.6333, 0.916241, 0.994928, 130.6448, 283.3593, 88.9908, -2.0, 4.0),
    ("PANSTARRS", 2015, 8, 1.8353, 5.341055, 1.0, 208.8369, 258.5042, 109.1696, 10.5, 4.0),
    ("Halley", 1986, 2, 9.4589, 0.587104, 0.967277, 111.8657, 58.8601, 162.2422, 5.5, 4.0),
    ("Oumuamua", 2017, 9, 9.49, 0.25589, 1.20113, 241.811, 24.599, 122.742, 22.1, 4.0),
    ("Synthetic", 2010, 6, 15.0, 1.2, 1.05, 45.0, 120.0, 30.0, 8.0, 4.0),
]
STEP_DAYS = 45
SPAN_DAYS = 730


def asteroid_orbit(ts, name, packed, m, w, node, i, e, a):
    row = pd.Series(dict(semimajor_axis_au=a, eccentricity=e, epoch_packed=packed,
                          inclination_degrees=i, longitude_of_ascending_node_degrees=node,
                          argument_of_perihelion_degrees=w, mean_anomaly_degrees=m,
                          designation=name))
    return mpc.mpcorb_orbit(row, ts, GM_SUN)


def comet_orbit(ts, name, year, month, day, q, e, w, node, i):
    row = pd.Series(dict(perihelion_year=year, perihelion_month=month, perihelion_day=day,
                          perihelion_distance_au=q, eccentricity=e,
                          argument_of_perihelion_degrees=w,
                          longitude_of_ascending_node_degrees=node, inclination_degrees=i,
                          designation=name))
    return mpc.comet_orbit(row, ts, GM_SUN)


def hg_magnitude(h, g, r, delta, phase):
    half_tan = math.tan(phase / 2)
    phi1 = math.exp(-3.33 * half_tan ** 0.63)
    phi2 = math.exp(-1.87 * half_tan ** 1.22)
    return h + 5 * math.log10(r * delta) - 2.5 * math.log10((1 - g) * phi1 + g * phi2)


def places(ts, eph, name, orbit, centre_tt_jd, magnitude):
    earth, sun = eph["earth"], eph["sun"]
    rows = []
    for offset in range(-SPAN_DAYS, SPAN_DAYS + 1, STEP_DAYS):
        t = ts.tt_jd(centre_tt_jd + offset)
        astrometric = earth.at(t).observe(sun + orbit)
        ra, dec, delta = astrometric.radec()
        app_ra, app_dec, _ = astrometric.apparent().radec(epoch=t)
        body_from_sun = orbit.at(t).position.au
        earth_from_sun = (earth.at(t) - sun.at(t)).position.au
        r = float(np.linalg.norm(body_from_sun))
        to_sun = -body_from_sun
        to_earth = earth_from_sun - body_from_sun
        phase = math.acos(np.dot(to_sun, to_earth) / (r * np.linalg.norm(to_earth)))
        rows.append([name, t.tt - 2400000.5, ra._degrees, dec.degrees, app_ra._degrees,
                     app_dec.degrees, delta.au, r, magnitude(r, delta.au, phase)])
    return rows


def main():
    ts, eph = oc.load_ephemeris()
    rows = []
    for name, packed, m, w, node, i, e, a, h, g in ASTEROIDS:
        orbit = asteroid_orbit(ts, name, packed, m, w, node, i, e, a)
        rows += places(ts, eph, name, orbit, orbit.epoch.tt,
                       lambda r, d, p, h=h, g=g: hg_magnitude(h, g, r, d, p))
    for name, year, month, day, q, e, w, node, i, g, k in COMETS:
        orbit = comet_orbit(ts, name, year, month, day, q, e, w, node, i)
        rows += places(ts, eph, name, orbit, ts.tt(year, month, day).tt,
                       lambda r, d, p, g=g, k=k: g + 5 * math.log10(d) + 2.5 * k * math.log10(r))
    header = oc.provenance("/usr/bin/python3 tools/oracles/make_orbits_oracle.py",
                           "Asteroid and comet places from osculating elements (see the"
                           " script for the elements and their sources)")
    oc.write_csv("orbits.csv", header,
                 ["object", "mjd_tt", "ra_astrometric", "dec_astrometric", "ra_apparent",
                  "dec_apparent", "delta_au", "r_au", "magnitude"], rows)


if __name__ == "__main__":
    main()
