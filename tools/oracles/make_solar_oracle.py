#!/usr/bin/python3
"""Oracle tables of the Sun and the Moon from JPL DE405 (via Skyfield), 1960..2050.

Writes to tests/fixtures/oracles/:
  solar_places.csv  geocentric and topocentric places of the Sun (body 0) and the Moon
                    (body 1) in the IAU 2006 mean equator and equinox of date (frame bias
                    and precession, no nutation): apparent (light time, aberration,
                    deflection; topocentric ones with diurnal aberration) and astrometric
                    (light time only) geocentric places; observers at sea level on WGS 84.
                    Columns: body, T (TT centuries from J2000.0), MJD (UT1), latitude, east
                    longitude, geocentric apparent RA/Dec, astrometric RA/Dec, topocentric
                    apparent RA/Dec, geometric geocentric distance (AU; Moon: km).
  solar_rise_set.csv
                    rise, set, upper and lower culmination of the Sun and the Moon during a
                    local civil day: the first event after local midnight, in hours after
                    it, for the place seen from the Earth's centre in the observer's
                    zenith frame (astrometric place, true equator of date, apparent sidereal
                    time) reaching the altitude h0 (Sun -50', Moon +8'). Only events at which
                    the altitude changes by at least 0.02 degrees per minute are kept, so
                    that an arcsecond means less than a second of time. Columns: body,
                    latitude, east longitude, zone (hours), local midnight (MJD UT1),
                    Delta T (s), h0 (degrees), then rise, set, upper and lower culmination
                    (hours; empty when the event was left out as too slow, "none" when it
                    does not happen within 36 hours).

Usage: /usr/bin/python3 tools/oracles/make_solar_oracle.py
"""
import math
import random

import numpy as np
from skyfield.api import wgs84
from skyfield.functions import mxv
from skyfield.searchlib import find_discrete

import oracle_common as oc

FIRST_JD, LAST_JD = 2436934.5, 2470172.5  # 1960-01-01 .. 2050-12-31
PLACES = 40
RATE_LIMIT = 0.02  # degrees per minute
H0 = {0: -50.0 / 60.0, 1: 8.0 / 60.0}
# (latitude, east longitude, zone) of the rise and set cases.
OBSERVERS = [(66.0, 25.7, 2.0), (-45.0, 170.5, 12.0), (55.75, 37.62, 3.0), (0.0, -78.5, -5.0),
             (30.0, -100.0, -6.0), (-33.9, 18.4, 2.0)]
DAYS_PER_OBSERVER = 8


def mean_of_date_radec(t, v):
    t.M  # Skyfield caches P under the name M needs: make M first
    lon, lat, r = oc.spherical(oc.icrs_to_mean_equator_of_date(t) @ v)
    return lon, lat, r


def places(ts, eph):
    earth = eph["earth"]
    rng = random.Random(4)
    rows = []
    for body, target in ((0, eph["sun"]), (1, eph["moon"])):
        for _ in range(PLACES):
            t = ts.tt(jd=rng.uniform(FIRST_JD, LAST_JD))
            lat, lon = rng.uniform(-70.0, 70.0), rng.uniform(-180.0, 180.0)
            observed = earth.at(t).observe(target)
            ra_a, dec_a, _ = mean_of_date_radec(t, observed.apparent().position.au)
            ra_m, dec_m, _ = mean_of_date_radec(t, observed.position.au)
            site = earth + wgs84.latlon(lat, lon, elevation_m=0.0)
            topo = site.at(t).observe(target).apparent()
            ra_t, dec_t, _ = mean_of_date_radec(t, topo.position.au)
            geometric = (target - earth).at(t).distance()
            distance = geometric.au if body == 0 else geometric.km
            rows.append((body, (t.tt - 2451545.0) / 36525.0, t.ut1 - 2400000.5, lat, lon,
                         ra_a, dec_a, ra_m, dec_m, ra_t, dec_t, distance))
    return rows


def altitude_and_hour_angle(t, target, earth, lat, lon):
    """Altitude and hour angle (degrees) of the geocentric astrometric place."""
    v = mxv(t.M, earth.at(t).observe(target).position.au)  # true equator of date
    ra = np.degrees(np.arctan2(v[1], v[0]))
    dec = np.degrees(np.arctan2(v[2], np.hypot(v[0], v[1])))
    ha = (t.gast * 15.0 + lon - ra) % 360.0
    phi, d, h = np.radians(lat), np.radians(dec), np.radians(ha)
    alt = np.degrees(np.arcsin(np.sin(phi) * np.sin(d) + np.cos(phi) * np.cos(d) * np.cos(h)))
    return alt, ha


def first_event(ts, t0, f, wanted):
    times, values = find_discrete(ts.ut1_jd(t0 + 2400000.5), ts.ut1_jd(t0 + 2400000.5 + 1.5), f)
    for t, v in zip(times, values):
        if v == wanted:
            return t
    return None


def rate_at(t, ts, target, earth, lat, lon):
    dt = 1.0 / 1440.0
    a1, _ = altitude_and_hour_angle(ts.tt_jd(t.tt - dt), target, earth, lat, lon)
    a2, _ = altitude_and_hour_angle(ts.tt_jd(t.tt + dt), target, earth, lat, lon)
    return abs(a2 - a1) / 2.0


def rise_set(ts, eph):
    earth = eph["earth"]
    rng = random.Random(5)
    rows = []
    for lat, lon, zone in OBSERVERS:
        for _ in range(DAYS_PER_OBSERVER):
            day = ts.ut1_jd(math.floor(rng.uniform(FIRST_JD, LAST_JD)) + 0.5)  # 0h UT1
            t0 = day.ut1 - 2400000.5 - zone / 24.0
            for body, target in ((0, eph["sun"]), (1, eph["moon"])):
                h0 = H0[body]

                def above(t):
                    return altitude_and_hour_angle(t, target, earth, lat, lon)[0] > h0
                above.step_days = 0.04

                def west(t):
                    return altitude_and_hour_angle(t, target, earth, lat, lon)[1] < 180.0
                west.step_days = 0.04

                cells = []
                for f, wanted, steep in ((above, True, True), (above, False, True),
                                         (west, True, False), (west, False, False)):
                    t = first_event(ts, t0, f, wanted)
                    if t is None:
                        cells.append("none")
                    elif steep and rate_at(t, ts, target, earth, lat, lon) < RATE_LIMIT:
                        cells.append("")
                    else:
                        cells.append(repr((t.ut1 - 2400000.5 - t0) * 24.0))
                delta_t = (day.tt - day.ut1) * 86400.0
                rows.append((body, lat, lon, zone, t0, delta_t, h0, *cells))
    return rows


def main():
    ts, eph = oc.load_ephemeris()
    head = oc.provenance("/usr/bin/python3 tools/oracles/make_solar_oracle.py",
                         "JPL DE405 places and rise and set of the Sun and the Moon")
    oc.write_csv("solar_places.csv", head + ["# mean equator and equinox of date; Moon distance km"],
                 ["body", "t_tt", "mjd_ut1", "lat_deg", "lon_deg", "ra_app", "dec_app",
                  "ra_astr", "dec_astr", "ra_topo", "dec_topo", "distance"], places(ts, eph))
    oc.write_csv("solar_rise_set.csv",
                 head + ["# geocentric astrometric place, true equator, apparent sidereal time"],
                 ["body", "lat_deg", "lon_deg", "zone_h", "t0_mjd_ut1", "delta_t_s", "h0_deg",
                  "rise_h", "set_h", "upper_h", "lower_h"], rise_set(ts, eph))


if __name__ == "__main__":
    main()
