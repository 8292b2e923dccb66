#!/usr/bin/python3
"""The rows of the ephemeris tables from JPL DE405 (via Skyfield): places, altitudes and
azimuths, rise and set, for `velarion --ephemeris`.

Writes tests/fixtures/oracles/ephemeris_tables.csv: for the Moon and Mars every day of
March 2025 at 22:00 local time, and for thirteen bright stars (Bright Star Catalogue places
with their proper motions and parallaxes, data/sources/bsc5/catalog.dat) on 15 March 2025
at 22:00 local time, at three places (Moscow, Cape Town, Quito; sea level on WGS 84):

- ra_h, dec_deg: the topocentric apparent place (light time, aberration, deflection)
  referred to the true equator and equinox of date, what the table's column of current
  equatorial coordinates shows;
- az_deg, alt_deg: azimuth from north through east and altitude of that place WITHOUT
  refraction: the test switches the program's refraction off (setting "Refraction=0"), so
  that both sides give the geometric altitude;
- status, rise_h, culmination_h, set_h: the local day's first rise, upper culmination and
  set in hours after local midnight, made exactly as make_info_riseset_oracle.py makes
  them (its code is used): the centre crosses h0 = -34' - semi-diameter (the program's
  -0.5667 degrees less half the object's size); "none" when the event does not happen
  that day, empty when the crossing is too shallow to time within a minute. The
  culmination of a star within 2 degrees of the pole (Polaris) is left empty too: rise,
  set and culmination are computed from mean places of date (no nutation, no aberration),
  whose right ascension error of some 20" is magnified by sec(dec), some 90 at Polaris, into
  two minutes of meridian passage.

Usage: /usr/bin/python3 tools/oracles/make_ephemeris_tables_oracle.py
(needs the DE405 kernel of make_de405_spk.py: see oracle_common.py)
"""
from skyfield.api import wgs84

import make_info_riseset_oracle as riseset
import oracle_common as oc

YEAR, MONTH, DAYS = 2025, 3, 31
STAR_DAY = 15
LOCAL_HOUR = 22.0
# (name, latitude, east longitude, zone hours)
PLACES = [("Moscow", 55.75, 37.62, 3.0), ("Cape Town", -33.92, 18.42, 2.0),
          ("Quito", -0.22, -78.51, -5.0)]
MOON_RADIUS_KM = 1737.4
MARS_RADIUS_KM = 3389.5
NEAR_POLE_DEG = 88.0
# Sirius, Vega, Capella, Antares, Canopus, Betelgeuse, Rigel, Arcturus, Polaris, Altair,
# Deneb, Fomalhaut, Achernar.
STARS = [2491, 7001, 1708, 6134, 2326, 2061, 1713, 5340, 424, 7557, 7924, 8728, 472]


def row(ts, site, place, name, target, h0, day):
    _, lat, lon, zone = place
    t = ts.utc(YEAR, MONTH, day, LOCAL_HOUR - zone)
    apparent = site.at(t).observe(target).apparent()
    ra, dec, _ = apparent.radec(epoch="date")
    alt, az, _ = apparent.altaz()
    start = ts.utc(YEAR, MONTH, day, -zone)
    end = ts.utc(YEAR, MONTH, day, 24.0 - zone)
    status, rise, culmination, set_ = riseset.day_events(ts, riseset.TSky(ts, site, target, h0),
                                                         start, end)
    if abs(dec.degrees) > NEAR_POLE_DEG:
        culmination = ""
    return (name, f"{YEAR}-{MONTH:02d}-{day:02d}", f"{int(LOCAL_HOUR):02d}:00", lat, lon, zone,
            ra.hours, dec.degrees, az.degrees, alt.degrees, status, rise, culmination, set_)


def rows(ts, eph):
    earth = eph["earth"]
    bodies = [("Moon", eph["moon"], riseset.horizon(MOON_RADIUS_KM)),
              ("Mars", eph["mars barycenter"], riseset.horizon(MARS_RADIUS_KM))]
    stars = [(f"HR {hr}", riseset.bright_star(hr), riseset.horizon(None)) for hr in STARS]
    result = []
    for place in PLACES:
        site = earth + wgs84.latlon(place[1], place[2], elevation_m=0.0)
        for name, target, h0 in bodies:
            for day in range(1, DAYS + 1):
                result.append(row(ts, site, place, name, target, h0, day))
        for name, target, h0 in stars:
            result.append(row(ts, site, place, name, target, h0, STAR_DAY))
        print(f"{place[0]}: done")
    return result


def main():
    ts, eph = oc.load_ephemeris()
    head = oc.provenance("/usr/bin/python3 tools/oracles/make_ephemeris_tables_oracle.py",
                         "ephemeris table rows: places, horizontal coordinates, rise and set "
                         "(JPL DE405)")
    head.append(f"# stars: Bright Star Catalogue {riseset.CATALOGUE.relative_to(oc.ROOT)}; "
                "topocentric apparent places of the true equator and equinox of date; "
                "altitudes without refraction; sea level on WGS 84; rise and set: h0 -34' - "
                "semi-diameter, hours after local midnight")
    oc.write_csv("ephemeris_tables.csv", head,
                 ["object", "date", "time", "lat_deg", "lon_deg", "zone_h", "ra_h", "dec_deg",
                  "az_deg", "alt_deg", "status", "rise_h", "culmination_h", "set_h"],
                 rows(ts, eph))


if __name__ == "__main__":
    main()
