#!/usr/bin/python3
"""Rise, upper culmination and set during a local day, from JPL DE405 (via Skyfield), for
the lines `velarion --info` prints.

Writes tests/fixtures/oracles/info_rise_set.csv: for the Sun, the Moon, Mercury, Venus,
Mars, Jupiter, Saturn and five bright stars (Bright Star Catalogue places with their proper
motions and parallaxes, data/sources/bsc5/catalog.dat), at four places (Moscow, Cape Town,
Murmansk, Quito; sea level on WGS 84) and on thirteen days of 2025 around the year, solstices
and equinoxes among them, the first rise, upper culmination and set after the place's local
midnight (0 h of its zone, UTC), in hours after it.

The object is seen from the observer: its topocentric apparent place (light time,
aberration, deflection, the true equator and the Earth's rotation on UT1). It rises or sets
when the centre's geometric altitude passes h0: -34' (the refraction at the horizon) for
the stars and planets, and -(34' + semi-diameter) for the Sun and the Moon, whose upper
limb then touches the horizon; the Moon's parallax (up to a degree) comes from its
topocentric place. It culminates when its hour angle passes 0 going west.

Columns: object (Sun, Moon, a planet's name, or "HR n"), date (local), latitude, east
longitude, zone (hours east of UTC), status, then rise, culmination and set (hours after
local midnight). status is "rises" when the centre crosses h0 during the day, "never_rises"
when it stays below h0 and "never_sets" when it stays above h0 the whole day. A cell is
"none" when the event does not happen before the next local midnight, and empty when the
altitude changes by less than 0.02 degrees a minute at the event: there an arcsecond of
difference in place or horizon moves the moment by more than a second, and the day's
rise or set is too shallow to tell apart at a minute.

Usage: /usr/bin/python3 tools/oracles/make_info_riseset_oracle.py
(needs the DE405 kernel of make_de405_spk.py: see oracle_common.py)
"""
import math

import numpy as np
from skyfield.api import Star, wgs84
from skyfield.searchlib import find_discrete

import oracle_common as oc

CATALOGUE = oc.ROOT / "data" / "sources" / "bsc5" / "catalog.dat"
YEAR = 2025
# 13 January: no upper culmination of the Moon at Moscow. 25 September and 16 December:
# the Moon rises and sets at Murmansk while its parallax, near its least and its greatest,
# moves its rising altitude furthest from the mean.
DAYS = [(1, 13), (1, 15), (2, 20), (3, 20), (4, 25), (6, 5), (6, 21), (7, 30), (9, 22),
        (9, 25), (10, 28), (12, 16), (12, 21)]
# (name, latitude, east longitude, zone hours)
PLACES = [("Moscow", 55.75, 37.62, 3.0), ("Cape Town", -33.92, 18.42, 2.0),
          ("Murmansk", 68.97, 33.08, 3.0), ("Quito", -0.22, -78.51, -5.0)]
PLANETS = [("Mercury", "mercury"), ("Venus", "venus"), ("Mars", "mars barycenter"),
           ("Jupiter", "jupiter barycenter"), ("Saturn", "saturn barycenter")]
STARS = [2491, 7001, 1708, 6134, 2326]  # Sirius, Vega, Capella, Antares, Canopus
REFRACTION_DEG = 34.0 / 60.0
SUN_RADIUS_KM = 696000.0
MOON_RADIUS_KM = 1737.4
RATE_LIMIT = 0.02  # degrees per minute
MINUTE = 1.0 / 1440.0


def field(line, first, last):
    return line[first - 1:last].strip()


def bright_star(hr):
    """A Skyfield star of the Bright Star Catalogue (J2000, FK5)."""
    for line in CATALOGUE.read_text(encoding="latin-1").splitlines():
        if int(field(line, 1, 4)) != hr:
            continue
        ra = int(field(line, 76, 77)) + int(field(line, 78, 79)) / 60 + float(
            field(line, 80, 83)) / 3600
        dec = int(field(line, 85, 86)) + int(field(line, 87, 88)) / 60 + int(
            field(line, 89, 90)) / 3600
        if field(line, 84, 84) == "-":
            dec = -dec
        parallax = float(field(line, 162, 166) or 0) if field(line, 161, 161) != "D" else 0.0
        # The catalogue's proper motion in RA is of the great circle, as Skyfield's.
        return Star(ra_hours=ra, dec_degrees=dec,
                    ra_mas_per_year=float(field(line, 149, 154) or 0) * 1000.0,
                    dec_mas_per_year=float(field(line, 155, 160) or 0) * 1000.0,
                    parallax_mas=parallax * 1000.0)
    raise KeyError(hr)


def horizon(radius_km):
    """h0 of the centre (degrees) as a function of the distance in km."""
    if radius_km is None:
        return lambda distance_km: -REFRACTION_DEG
    return lambda distance_km: -REFRACTION_DEG - np.degrees(np.arcsin(radius_km / distance_km))


def objects(eph):
    yield "Sun", eph["sun"], horizon(SUN_RADIUS_KM)
    yield "Moon", eph["moon"], horizon(MOON_RADIUS_KM)
    for name, key in PLANETS:
        yield name, eph[key], horizon(None)
    for hr in STARS:
        yield f"HR {hr}", bright_star(hr), horizon(None)


class TSky:
    """Altitude above h0 and hour angle of one object for one observer."""

    def __init__(self, ts, site, target, h0):
        self.ts, self.site, self.target, self.h0 = ts, site, target, h0

    def height(self, t):
        """Degrees of the centre above h0."""
        alt, _, distance = self.site.at(t).observe(self.target).apparent().altaz()
        return alt.degrees - self.h0(distance.km)

    def hour_angle(self, t):
        ha, _, _ = self.site.at(t).observe(self.target).apparent().hadec()
        return ha.hours

    def rate(self, t):
        """Degrees a minute the altitude changes at t."""
        before = self.height(self.ts.tt_jd(t.tt - MINUTE))
        after = self.height(self.ts.tt_jd(t.tt + MINUTE))
        return abs(after - before) / 2.0


def crossings(start, end, f, step_days):
    f.step_days = step_days
    return find_discrete(start, end, f)


def day_events(ts, sky, start, end):
    """(status, rise, culmination, set) of one local day, as CSV cells."""

    def above(t):
        return sky.height(t) > 0.0

    def west(t):
        return sky.hour_angle(t) > 0.0

    times, ups = crossings(start, end, above, 0.01)

    def first(wanted):
        for t, up in zip(times, ups):
            if up == wanted:
                return hours(t) if sky.rate(t) >= RATE_LIMIT else ""
        return "none"

    def hours(t):
        return repr((t.tt - start.tt) * 24.0)

    transits, wests = crossings(start, end, west, 0.1)
    culmination = next((hours(t) for t, w in zip(transits, wests) if w), "none")
    if len(times) == 0:
        status = "never_sets" if above(start) else "never_rises"
        return status, "none", culmination, "none"
    return "rises", first(True), culmination, first(False)


def rows(ts, eph):
    earth = eph["earth"]
    result = []
    for place, lat, lon, zone in PLACES:
        site = earth + wgs84.latlon(lat, lon, elevation_m=0.0)
        for month, day in DAYS:
            start = ts.utc(YEAR, month, day, -zone)
            end = ts.utc(YEAR, month, day, 24.0 - zone)
            for name, target, h0 in objects(eph):
                sky = TSky(ts, site, target, h0)
                result.append((name, f"{YEAR}-{month:02d}-{day:02d}", lat, lon, zone,
                               *day_events(ts, sky, start, end)))
        print(f"{place}: done")
    return result


def main():
    ts, eph = oc.load_ephemeris()
    head = oc.provenance("/usr/bin/python3 tools/oracles/make_info_riseset_oracle.py",
                         "rise, upper culmination and set during a local day (JPL DE405)")
    head.append(f"# stars: Bright Star Catalogue {CATALOGUE.relative_to(oc.ROOT)}; "
                "topocentric apparent places, sea level on WGS 84; h0 -34' (Sun and Moon: "
                "-34' - semi-diameter); hours after local midnight")
    oc.write_csv("info_rise_set.csv", head,
                 ["object", "date", "lat_deg", "lon_deg", "zone_h", "status", "rise_h",
                  "culmination_h", "set_h"], rows(ts, eph))


if __name__ == "__main__":
    main()
