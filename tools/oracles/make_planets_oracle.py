#!/usr/bin/python3
"""Oracle tables of the planets: places from JPL DE405 (via Skyfield) and the tilt of
Saturn's rings from PyEphem, 1960..2050.

Writes to tests/fixtures/oracles/:
  planet_places.csv geocentric and topocentric places of Mercury .. Pluto (body numbers 2,
                    3, 5 .. 10) in the IAU 2006 mean equator and equinox of date (frame
                    bias and precession, no nutation): apparent (light time, aberration,
                    deflection; the topocentric one with diurnal aberration) and
                    astrometric (light time only) geocentric places; observers at sea
                    level on WGS 84. Mars and the outer planets are their system
                    barycentres (DE405 has no separate bodies for them; the offset is
                    below 0.1"). Columns: body, T (TT centuries from J2000.0), MJD (UT1),
                    latitude, east longitude, apparent RA/Dec, astrometric RA/Dec,
                    topocentric apparent RA/Dec, light-time distance (AU), heliocentric
                    distance (AU), elongation from the Sun (degrees).
  saturn_ring_tilt.csv
                    PyEphem's tilt of Saturn's rings towards the Earth (earth_tilt) and
                    towards the Sun (sun_tilt), degrees, positive when the northern face
                    is seen. Columns: MJD (UT), T (TT centuries, Skyfield's Delta T),
                    earth_tilt, sun_tilt.

Usage: /usr/bin/python3 tools/oracles/make_planets_oracle.py
"""
import math
import random
import sys

import ephem
from skyfield.api import wgs84

import oracle_common as oc

FIRST_JD, LAST_JD = 2436934.5, 2470172.5  # 1960-01-01 .. 2050-12-31
PLACES_PER_PLANET = 12
TILTS = 40
TARGETS = {2: "mercury", 3: "venus", 5: "mars barycenter", 6: "jupiter barycenter",
           7: "saturn barycenter", 8: "uranus barycenter", 9: "neptune barycenter",
           10: "pluto barycenter"}
DUBLIN_JD = 2415020.0


def radec(t, v):
    t.M  # Skyfield caches P under the name M needs: make M first
    return oc.spherical(oc.icrs_to_mean_equator_of_date(t) @ v)


def places(ts, eph):
    earth, sun = eph["earth"], eph["sun"]
    rng = random.Random(42)
    rows = []
    for body, name in TARGETS.items():
        target = eph[name]
        for _ in range(PLACES_PER_PLANET):
            t = ts.tt(jd=rng.uniform(FIRST_JD, LAST_JD))
            lat, lon = rng.uniform(-70.0, 70.0), rng.uniform(-180.0, 180.0)
            observed = earth.at(t).observe(target)
            ra_a, dec_a, _ = radec(t, observed.apparent().position.au)
            ra_m, dec_m, distance = radec(t, observed.position.au)
            site = earth + wgs84.latlon(lat, lon, elevation_m=0.0)
            ra_t, dec_t, _ = radec(t, site.at(t).observe(target).apparent().position.au)
            helio = (target - sun).at(t).distance().au
            elongation = observed.apparent().separation_from(
                earth.at(t).observe(sun).apparent()).degrees
            rows.append((body, (t.tt - 2451545.0) / 36525.0, t.ut1 - 2400000.5, lat, lon,
                         ra_a, dec_a, ra_m, dec_m, ra_t, dec_t, distance, helio, elongation))
    return rows


def tilts(ts):
    rng = random.Random(43)
    rows = []
    for _ in range(TILTS):
        jd_ut = rng.uniform(FIRST_JD, LAST_JD)
        saturn = ephem.Saturn(ephem.Date(jd_ut - DUBLIN_JD))
        t = ts.ut1_jd(jd_ut)
        rows.append((jd_ut - 2400000.5, (t.tt - 2451545.0) / 36525.0,
                     math.degrees(saturn.earth_tilt), math.degrees(saturn.sun_tilt)))
    return rows


def main():
    ts, eph = oc.load_ephemeris()
    command = "/usr/bin/python3 tools/oracles/make_planets_oracle.py"
    head = oc.provenance(command, "JPL DE405 places of the planets")
    oc.write_csv("planet_places.csv",
                 head + ["# mean equator and equinox of date; distances AU"],
                 ["body", "t_tt", "mjd_ut1", "lat_deg", "lon_deg", "ra_app", "dec_app",
                  "ra_astr", "dec_astr", "ra_topo", "dec_topo", "distance", "helio_distance",
                  "elongation_deg"], places(ts, eph))
    python = ".".join(str(v) for v in sys.version_info[:3])
    oc.write_csv("saturn_ring_tilt.csv",
                 ["# tilt of Saturn's rings towards the Earth and the Sun",
                  f"# Made by: {command}",
                  f"# PyEphem {ephem.__version__} (python3-ephem "
                  f"{oc.debian_version('python3-ephem')}), Python {python}; T from Skyfield "
                  f"{oc.skyfield.__version__} Delta T",
                  "# degrees, positive when the northern face is seen"],
                 ["mjd_ut", "t_tt", "earth_tilt_deg", "sun_tilt_deg"], tilts(ts))


if __name__ == "__main__":
    main()
