#!/usr/bin/python3
"""Pixels of bright stars on exported sky pictures, computed independently with ERFA.

Quick view (no argument): for one moment and place, every star of the Bright Star Catalogue
brighter than V 2.6 that stands higher than 20 degrees and has no other star brighter than
V 4.6 within 1.2 degrees gets its observed azimuth and altitude from ERFA's atco13 (proper
motion, parallax, annual aberration, light deflection, precession-nutation, Earth rotation,
refraction for 1013 hPa, 20 C, dry air, 0.55 um), and then its pixel on a 1600 x 1200
picture at zoom 100: the horizon a circle of R = 600 px about (800, 600), stereographic
radius R tan(z/2) for the observed zenith distance z, north up, east to the left.

Detailed view (--detailed): the same for several places and moments on 4000 x 4000
pictures at zoom 2000, R = 40000 px about (2000, 2000), some 10 arcseconds per pixel about
the zenith. atco13 reckons the Earth's rotation the CIO way (Earth rotation angle), with no
sidereal time at all. Every catalogue star to V 7.0 (the faintest the view may show) whose
pixel lies at least 20 px inside the picture and has no other such star within 30 px is
listed, with the view it belongs to.

Usage: /usr/bin/python3 tools/oracles/make_star_pixels_oracle.py \
           > tests/fixtures/oracles/star_pixels_oracle.csv
       /usr/bin/python3 tools/oracles/make_star_pixels_oracle.py --detailed \
           > tests/fixtures/oracles/star_pixels_detailed_oracle.csv
(Debian's python3-erfa; /usr/bin/python3 sees Debian's modules.)
"""
import math
import pathlib
import subprocess
import sys
import warnings

import erfa
import numpy

ROOT = pathlib.Path(__file__).resolve().parents[2]
CATALOGUE = ROOT / "data" / "sources" / "bsc5" / "catalog.dat"

# The moment (UTC; UT1 taken equal to it) and the place of the picture.
UTC = (2026, 12, 10, 19, 0, 0.0)  # 22:00 at zone +3
LATITUDE, LONGITUDE = 55.75, 37.62
PRESSURE_HPA, TEMPERATURE_C = 1013.0, 20.0
WIDTH, HEIGHT, RADIUS = 1600, 1200, 600

BRIGHT_LIMIT, NEIGHBOUR_LIMIT, NEIGHBOUR_DISTANCE, MIN_ALTITUDE = 2.6, 4.6, 1.2, 20.0


def field(line, first, last):
    return line[first - 1:last].strip()


def read_stars():
    stars = []
    for line in CATALOGUE.read_text(encoding="latin-1").splitlines():
        if not field(line, 76, 77) or not field(line, 103, 107):
            continue
        ra = 15 * (int(field(line, 76, 77)) + int(field(line, 78, 79)) / 60 + float(field(line, 80, 83)) / 3600)
        dec = int(field(line, 85, 86)) + int(field(line, 87, 88)) / 60 + int(field(line, 89, 90)) / 3600
        if field(line, 84, 84) == "-":
            dec = -dec
        parallax = float(field(line, 162, 166) or 0) if field(line, 161, 161) != "D" else 0.0
        stars.append({
            "hr": int(field(line, 1, 4)), "name": field(line, 5, 14), "ra": ra, "dec": dec,
            "v": float(field(line, 103, 107)), "pmra": float(field(line, 149, 154) or 0),
            "pmdec": float(field(line, 155, 160) or 0), "parallax": parallax,
        })
    return stars


def separation(a, b):
    return math.degrees(erfa.seps(math.radians(a["ra"]), math.radians(a["dec"]),
                                  math.radians(b["ra"]), math.radians(b["dec"])))


def observed(star, utc1, utc2):
    dec = math.radians(star["dec"])
    # BSC proper motion in RA is in arc-seconds of great circle per year; ERFA wants dRA/dt.
    pr = math.radians(star["pmra"] / 3600) / math.cos(dec)
    pd = math.radians(star["pmdec"] / 3600)
    aob, zob, *_ = erfa.atco13(math.radians(star["ra"]), dec, pr, pd, star["parallax"], 0.0,
                               utc1, utc2, 0.0, math.radians(LONGITUDE), math.radians(LATITUDE),
                               0.0, 0.0, 0.0, PRESSURE_HPA, TEMPERATURE_C, 0.0, 0.55)
    return aob, zob


def library_version():
    version = subprocess.run(["dpkg-query", "-W", "-f=${Version}", "python3-erfa"],
                             capture_output=True, text=True).stdout
    return f"pyerfa {erfa.__version__} (Debian python3-erfa {version})"


# The detailed views: name, local date and time, zone (hours), latitude, longitude (east).
# Both hemispheres, the equator, high latitudes; 2031, when the equation of the equinoxes
# is near +1 s, and 2001, when it is near -1 s.
DETAILED_VIEWS = [
    ("Quito", (2031, 2, 1, 21, 0), -5, -0.18, -78.47),
    ("Moscow", (2031, 1, 15, 22, 0), 3, 55.75, 37.62),
    ("CapeTown", (2031, 7, 20, 23, 0), 2, -33.92, 18.42),
    ("Tromso", (2031, 12, 1, 20, 0), 1, 69.65, 18.96),
    ("McMurdo", (2031, 6, 15, 1, 0), 12, -77.85, 166.67),
    ("Honolulu", (2001, 11, 15, 22, 0), -10, 21.31, -157.86),
]
DETAILED_SIDE, DETAILED_ZOOM = 4000, 2000
DETAILED_LIMIT = 7.0  # the faintest magnitude the detailed view may show ("DMaxStarV" 700)
# At zoom 100 the horizon disc is as high as the picture.
DETAILED_RADIUS = DETAILED_SIDE * DETAILED_ZOOM // 200
EDGE_MARGIN, NEIGHBOUR_PIXELS = 20, 30


def detailed_pixels(stars, view):
    name, (year, month, day, hour, minute), zone, latitude, longitude = view
    dec = numpy.radians([s["dec"] for s in stars])
    ra = numpy.radians([s["ra"] for s in stars])
    # BSC proper motion in RA is in arc-seconds of great circle per year; ERFA wants dRA/dt.
    pr = numpy.radians(numpy.array([s["pmra"] for s in stars]) / 3600) / numpy.cos(dec)
    pd = numpy.radians(numpy.array([s["pmdec"] for s in stars]) / 3600)
    px = numpy.array([s["parallax"] for s in stars])
    with warnings.catch_warnings():
        # 2031 lies past the leap-second table; ERFA keeps its last TAI - UTC.
        warnings.simplefilter("ignore", erfa.ErfaWarning)
        # The local time less the zone, as the program takes it; UT1 equal to UTC.
        local1, local2 = erfa.dtf2d("UTC", year, month, day, hour, minute, 0.0)
        utc1, utc2 = local1, local2 - zone / 24.0
        aob, zob, *_ = erfa.atco13(ra, dec, pr, pd, px, 0.0, utc1, utc2, 0.0,
                                   math.radians(longitude), math.radians(latitude), 0.0, 0.0,
                                   0.0, PRESSURE_HPA, TEMPERATURE_C, 0.0, 0.55)
    r = DETAILED_RADIUS * numpy.tan(zob / 2)
    x = DETAILED_SIDE / 2 - r * numpy.sin(aob)
    y = DETAILED_SIDE / 2 - r * numpy.cos(aob)
    # Stars that could be drawn in the picture or next to it, the neighbours included.
    near = numpy.flatnonzero((zob < math.radians(20))
                             & (numpy.abs(x - DETAILED_SIDE / 2) < DETAILED_SIDE)
                             & (numpy.abs(y - DETAILED_SIDE / 2) < DETAILED_SIDE))
    rows = []
    for i in near:
        inside = EDGE_MARGIN <= x[i] <= DETAILED_SIDE - 1 - EDGE_MARGIN and \
            EDGE_MARGIN <= y[i] <= DETAILED_SIDE - 1 - EDGE_MARGIN
        alone = all(j == i or math.hypot(x[j] - x[i], y[j] - y[i]) >= NEIGHBOUR_PIXELS
                    for j in near)
        if inside and alone:
            altitude = 90 - math.degrees(zob[i])
            rows.append((stars[i], altitude, math.degrees(aob[i]), x[i], y[i]))
    local = f"{year:04d}-{month:02d}-{day:02d} {hour:02d}:{minute:02d}"
    return [(name, local, zone, latitude, longitude, *row)
            for row in sorted(rows, key=lambda r: r[0]["hr"])]


def main_detailed():
    stars = [star for star in read_stars() if star["v"] <= DETAILED_LIMIT]
    print(f"# Pixels of bright stars on {DETAILED_SIDE}x{DETAILED_SIDE} pictures at zoom "
          f"{DETAILED_ZOOM} (detailed view, R = {DETAILED_RADIUS} px), stereographic, "
          "refraction on")
    print("# one picture per view: local time of the zone, latitude, longitude east; UT1 = UTC")
    print("# made by tools/oracles/make_star_pixels_oracle.py --detailed with "
          f"{library_version()}, ERFA atco13; catalogue data/sources/bsc5/catalog.dat")
    print("view,local_time,zone,latitude,longitude,hr,name,v,altitude_deg,azimuth_deg,x,y")
    for view in DETAILED_VIEWS:
        for name, local, zone, latitude, longitude, star, altitude, azimuth, x, y in \
                detailed_pixels(stars, view):
            print(f"{name},{local},{zone},{latitude},{longitude},{star['hr']},{star['name']},"
                  f"{star['v']:.2f},{altitude:.4f},{azimuth:.4f},{x:.2f},{y:.2f}")


def main():
    utc1, utc2 = erfa.dtf2d("UTC", *UTC)
    stars = read_stars()
    print("# Pixels of bright stars on a 1600x1200 picture at zoom 100, stereographic, refraction on")
    print(f"# moment {UTC[0]}-{UTC[1]:02d}-{UTC[2]:02d} {UTC[3]:02d}:{UTC[4]:02d} UTC, "
          f"latitude {LATITUDE}, longitude {LONGITUDE} east")
    print(f"# made by tools/oracles/make_star_pixels_oracle.py with {library_version()}, "
          "ERFA atco13; catalogue data/sources/bsc5/catalog.dat")
    print("hr,name,v,altitude_deg,azimuth_deg,x,y")
    rows = 0
    for star in sorted(stars, key=lambda s: s["v"]):
        if star["v"] >= BRIGHT_LIMIT:
            break
        aob, zob = observed(star, utc1, utc2)
        altitude = 90 - math.degrees(zob)
        if altitude < MIN_ALTITUDE:
            continue
        if any(other is not star and other["v"] < NEIGHBOUR_LIMIT and
               separation(star, other) < NEIGHBOUR_DISTANCE for other in stars):
            continue
        r = RADIUS * math.tan(zob / 2)
        x = WIDTH / 2 - r * math.sin(aob)
        y = HEIGHT / 2 - r * math.cos(aob)
        print(f"{star['hr']},{star['name']},{star['v']:.2f},{altitude:.4f},"
              f"{math.degrees(aob):.4f},{x:.2f},{y:.2f}")
        rows += 1
        if rows == 20:
            break


if __name__ == "__main__":
    if sys.argv[1:] == ["--detailed"]:
        main_detailed()
    else:
        main()
