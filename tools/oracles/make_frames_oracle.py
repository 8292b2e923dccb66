#!/usr/bin/python3
"""Oracle tables of frames and places from Skyfield (IAU 2006 precession, IAU 2000A
nutation, IERS 2010 sidereal time) and JPL DE405.

Writes to tests/fixtures/oracles/:
  frames.csv       t1, t2 (TT centuries from J2000.0), mean obliquity of t2 (arcsec),
                   precession matrix mean equator t1 -> t2 (9, row-major), precession
                   matrix mean ecliptic t1 -> t2 (9), nutation matrix mean -> true of t2 (9)
  sidereal.csv     MJD (UT1), Greenwich mean sidereal time (hours)
  apparent.csv     t0 (epoch of the mean place), ra0, dec0 (mean place of t0, degrees),
                   t (TT centuries), ra, dec (apparent place: true equator and equinox of
                   date, deflection and aberration); stars more than 30 degrees from the Sun
  topocentric.csv  the geometric Moon: lst (local apparent sidereal time, hours),
                   ra, dec (geocentric, true equator of date), distance (km), latitude
                   (geodetic, degrees), ra', dec' (topocentric), altitude (degrees)
Usage: /usr/bin/python3 tools/oracles/make_frames_oracle.py
"""
import math
import random

import numpy as np
from skyfield.api import Star, wgs84
from skyfield.earthlib import sidereal_time

import oracle_common as oc

J2000 = 2451545.0


def tt_time(ts, t):
    return ts.tt(jd=J2000 + 36525.0 * t)


def matrix_cells(m):
    return [float(v) for v in np.asarray(m).reshape(9)]


def frames(ts, rng):
    ts_values = [-1.0, -0.5, -0.2, 0.0, 0.1, 0.26, 0.5, 1.0] + [rng.uniform(-1, 1) for _ in range(8)]
    rows = []
    for t2 in ts_values:
        for t1 in (0.0, rng.uniform(-1, 1)):
            a, b = tt_time(ts, t1), tt_time(ts, t2)
            peq = b.P @ a.P.T
            pecl = (oc.rotation_x(oc.mean_obliquity(b.tdb) * oc.ASEC) @ b.P) @ \
                   (oc.rotation_x(oc.mean_obliquity(a.tdb) * oc.ASEC) @ a.P).T
            rows.append([t1, t2, float(oc.mean_obliquity(b.tdb))] + matrix_cells(peq)
                        + matrix_cells(pecl) + matrix_cells(b.N))
    cols = ["t1", "t2", "eps_arcsec"] + [f"peq{i}" for i in range(9)] + \
           [f"pecl{i}" for i in range(9)] + [f"nut{i}" for i in range(9)]
    return cols, rows


def sidereal(ts, rng):
    rows = []
    for _ in range(30):
        mjd = rng.uniform(-18262.0, 69807.0)  # 1809 .. 2050
        t = ts.ut1(jd=mjd + 2400000.5)
        rows.append((mjd, float(sidereal_time(t))))
    return ["mjd_ut1", "gmst_hours"], rows


def radec(v):
    lon, lat, r = oc.spherical(v)
    return lon, lat, r


def apparent(ts, eph, rng):
    earth, sun = eph["earth"], eph["sun"]
    rows = []
    while len(rows) < 40:
        ra, dec = rng.uniform(0, 360), math.degrees(math.asin(rng.uniform(-1, 1)))
        t = tt_time(ts, rng.uniform(-0.4, 0.5))
        t0_value = rng.choice([0.0, -0.5, 0.25])
        observer = earth.at(t)
        star = Star(ra_hours=ra / 15.0, dec_degrees=dec)
        if observer.observe(star).separation_from(observer.observe(sun)).degrees < 30.0:
            continue
        app = observer.observe(star).apparent()
        ra_app, dec_app, _ = radec(t.M @ app.position.au)
        # Mean place of the epoch t0 of the same ICRS direction, with Skyfield's precession.
        t0 = tt_time(ts, t0_value)
        direction = np.array([math.cos(math.radians(dec)) * math.cos(math.radians(ra)),
                              math.cos(math.radians(dec)) * math.sin(math.radians(ra)),
                              math.sin(math.radians(dec))])
        ra0, dec0, _ = radec(oc.icrs_to_mean_equator_of_date(t0) @ direction)
        rows.append((t0_value, ra0, dec0, (t.tt - J2000) / 36525.0, ra_app, dec_app))
    return ["t0", "ra0_deg", "dec0_deg", "t_tt", "ra_deg", "dec_deg"], rows


def topocentric(ts, eph, rng):
    earth, moon = eph["earth"], eph["moon"]
    rows = []
    for _ in range(30):
        t = tt_time(ts, rng.uniform(-0.4, 0.5))
        lat, lon = rng.uniform(-70, 70), rng.uniform(-180, 180)
        site = wgs84.latlon(lat, lon, elevation_m=0.0)
        geo = (moon - earth).at(t).position.km
        topo = geo - site.at(t).position.km
        ra, dec, dist = radec(t.M @ geo)
        ra_t, dec_t, _ = radec(t.M @ topo)
        horizon = site.rotation_at(t) @ topo  # x north, y west, z up
        alt = math.degrees(math.asin(horizon[2] / np.linalg.norm(horizon)))
        lst = (t.gast + lon / 15.0) % 24.0
        rows.append((lst, ra, dec, dist, lat, ra_t, dec_t, alt))
    return ["lst_hours", "ra_deg", "dec_deg", "distance_km", "latitude_deg", "ra_topo_deg",
            "dec_topo_deg", "altitude_deg"], rows


def main():
    ts, eph = oc.load_ephemeris()
    rng = random.Random(2026)
    command = "/usr/bin/python3 tools/oracles/make_frames_oracle.py"
    for name, what, (cols, rows) in [
        ("frames.csv", "IAU 2006 precession and obliquity, IAU 2000A nutation", frames(ts, rng)),
        ("sidereal.csv", "Greenwich mean sidereal time (IERS 2010)", sidereal(ts, rng)),
        ("apparent.csv", "apparent places of stars", apparent(ts, eph, rng)),
        ("topocentric.csv", "geometric topocentric places of the Moon, WGS 84 sea level",
         topocentric(ts, eph, rng)),
    ]:
        oc.write_csv(name, oc.provenance(command, what), cols, rows)


if __name__ == "__main__":
    main()
