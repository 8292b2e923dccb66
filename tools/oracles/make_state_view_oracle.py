#!/usr/bin/python3
"""Pixels of stars on pictures of views restored from state files, computed with ERFA.

Each view is a place, a moment (UTC; UT1 taken equal to it) and a point of view as a state
file holds them: zoom, view rotation, mirror, and the middle of the picture relative to
the horizon disc's centre in disc radii (x, y). Stars get their observed azimuth A and
zenith distance z from ERFA's atco13 (as tools/oracles/make_star_pixels_oracle.py), then
their pixel on a 1600 x 1200 picture: disc radius R = 1200 x zoom / 200 px; the disc centre
in the middle of the picture in the quick view (zoom up to 600), else moved so that the
point (x, y) is in the middle: cx = 800 - R x, cy = 600 - R y. With azimuth counted from
north, rho = R tan(z/2) and theta = (A, negated when mirrored) + rotation:
    px = cx - rho sin(theta),   py = cy - rho cos(theta).
The rotation turns the sky the way the azimuth lines of the horizontal grid turn (screen
direction rotation + azimuth - 90 degrees, less 180 with azimuth from north, counted
anticlockwise) and the way a pixel's azimuth is read back (pixel angle less the rotation).
Quick view: stars brighter than V 2.6, higher than 20 degrees, with no star brighter than
V 4.6 within 1.2 degrees. Detailed view: stars to V 7.0 at least 20 px inside the picture
with no other such star within 30 px.

Usage: /usr/bin/python3 tools/oracles/make_state_view_oracle.py \
           > tests/fixtures/oracles/state_view_oracle.csv
(Debian's python3-erfa; /usr/bin/python3 sees Debian's modules.)
"""
import math
import pathlib
import sys
import warnings

import erfa

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
from make_star_pixels_oracle import (NEIGHBOUR_DISTANCE, NEIGHBOUR_LIMIT, PRESSURE_HPA,  # noqa: E402
                                     TEMPERATURE_C, library_version, read_stars, separation)

WIDTH, HEIGHT = 1600, 1200
QUICK_LIMIT, DETAILED_LIMIT, MIN_ALTITUDE = 2.6, 7.0, 20.0
EDGE_MARGIN, NEIGHBOUR_PIXELS = 20, 30

# name, local date and time, zone, latitude, longitude (east), zoom, rotation, mirror, x, y
VIEWS = [
    ("SydneyMirrored", (2027, 3, 15, 21, 30), 10.0, -33.87, 151.21, 100, 30.0, 1, 0.0, 0.0),
    ("ReykjavikOffCentre", (2027, 1, 20, 23, 0), 0.0, 64.15, -21.94, 1000, 300.0, 0, 0.05, -0.1),
]


def utc_of(local, zone):
    with warnings.catch_warnings():
        warnings.simplefilter("ignore", erfa.ErfaWarning)
        day1, day2 = erfa.dtf2d("UTC", *local, 0.0)
    return day1, day2 - zone / 24.0


def observed(star, utc1, utc2, latitude, longitude):
    dec = math.radians(star["dec"])
    # BSC proper motion in RA is in arc-seconds of great circle per year; ERFA wants dRA/dt.
    pr = math.radians(star["pmra"] / 3600) / math.cos(dec)
    pd = math.radians(star["pmdec"] / 3600)
    with warnings.catch_warnings():
        warnings.simplefilter("ignore", erfa.ErfaWarning)
        aob, zob, *_ = erfa.atco13(math.radians(star["ra"]), dec, pr, pd, star["parallax"], 0.0,
                                   utc1, utc2, 0.0, math.radians(longitude),
                                   math.radians(latitude), 0.0, 0.0, 0.0, PRESSURE_HPA,
                                   TEMPERATURE_C, 0.0, 0.55)
    return aob, zob


def pixel(aob, zob, zoom, rotation, mirror, x, y):
    radius = HEIGHT * zoom / 200
    cx, cy = WIDTH / 2, HEIGHT / 2
    if zoom > 600:
        cx, cy = cx - radius * x, cy - radius * y
    rho = radius * math.tan(zob / 2)
    theta = (-aob if mirror else aob) + math.radians(rotation)
    return cx - rho * math.sin(theta), cy - rho * math.cos(theta)


def quick_rows(stars, view, utc1, utc2):
    _, _, _, latitude, longitude, zoom, rotation, mirror, x, y = view
    rows = []
    for star in sorted(stars, key=lambda s: s["v"]):
        if star["v"] >= QUICK_LIMIT:
            break
        aob, zob = observed(star, utc1, utc2, latitude, longitude)
        if 90 - math.degrees(zob) < MIN_ALTITUDE:
            continue
        if any(other is not star and other["v"] < NEIGHBOUR_LIMIT and
               separation(star, other) < NEIGHBOUR_DISTANCE for other in stars):
            continue
        rows.append((star, *pixel(aob, zob, zoom, rotation, mirror, x, y)))
    return rows


def detailed_rows(stars, view, utc1, utc2):
    _, _, _, latitude, longitude, zoom, rotation, mirror, x, y = view
    near = []
    for star in stars:
        if star["v"] > DETAILED_LIMIT:
            continue
        aob, zob = observed(star, utc1, utc2, latitude, longitude)
        if zob > math.radians(45):
            continue
        px, py = pixel(aob, zob, zoom, rotation, mirror, x, y)
        if -WIDTH < px < 2 * WIDTH and -HEIGHT < py < 2 * HEIGHT:
            near.append((star, px, py))
    rows = []
    for star, px, py in near:
        inside = EDGE_MARGIN <= px <= WIDTH - 1 - EDGE_MARGIN and \
            EDGE_MARGIN <= py <= HEIGHT - 1 - EDGE_MARGIN
        alone = all(other is star or math.hypot(ox - px, oy - py) >= NEIGHBOUR_PIXELS
                    for other, ox, oy in near)
        if inside and alone:
            rows.append((star, px, py))
    return sorted(rows, key=lambda row: row[0]["hr"])


def main():
    stars = read_stars()
    print(f"# Pixels of stars on {WIDTH}x{HEIGHT} pictures of views restored from state files, "
          "stereographic, refraction on, azimuth from north")
    print("# local time of the zone; mjd_ut is the moment the state file's Time line holds; "
          "UT1 = UTC")
    print(f"# made by tools/oracles/make_state_view_oracle.py with {library_version()}, "
          "ERFA atco13 and dtf2d; catalogue data/sources/bsc5/catalog.dat")
    print("view,local_time,zone,latitude,longitude,mjd_ut,zoom,rotation,mirror,point_x,point_y,"
          "hr,name,v,x,y")
    for view in VIEWS:
        name, local, zone, latitude, longitude, zoom, rotation, mirror, x, y = view
        utc1, utc2 = utc_of(local, zone)
        mjd = utc1 - erfa.DJM0 + utc2
        rows = quick_rows(stars, view, utc1, utc2) if zoom <= 600 else \
            detailed_rows(stars, view, utc1, utc2)
        when = f"{local[0]:04d}-{local[1]:02d}-{local[2]:02d} {local[3]:02d}:{local[4]:02d}"
        for star, px, py in rows:
            print(f"{name},{when},{zone},{latitude},{longitude},{mjd:.9f},{zoom},{rotation},"
                  f"{mirror},{x},{y},{star['hr']},{star['name']},{star['v']:.2f},"
                  f"{px:.2f},{py:.2f}")


if __name__ == "__main__":
    main()
