#!/usr/bin/python3
"""Pixels of bright stars on an exported sky picture, computed independently with ERFA.

For one moment and place, every star of the Bright Star Catalogue brighter than V 2.6 that
stands higher than 20 degrees and has no other star brighter than V 4.6 within 1.2 degrees
gets its observed azimuth and altitude from ERFA's atco13 (proper motion, parallax, annual
aberration, light deflection, precession-nutation, Earth rotation, refraction for 1013 hPa,
20 C, dry air, 0.55 um), and then its pixel on a 1600 x 1200 picture at zoom 100: the
horizon a circle of R = 600 px about (800, 600), stereographic radius R tan(z/2) for the
observed zenith distance z, north up, east to the left.

Usage: /usr/bin/python3 tools/oracles/make_star_pixels_oracle.py \
           > tests/fixtures/oracles/star_pixels_oracle.csv
(Debian's python3-erfa; /usr/bin/python3 sees Debian's modules.)
"""
import math
import pathlib
import subprocess

import erfa

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


def main():
    utc1, utc2 = erfa.dtf2d("UTC", *UTC)
    stars = read_stars()
    print("# Pixels of bright stars on a 1600x1200 picture at zoom 100, stereographic, refraction on")
    print(f"# moment {UTC[0]}-{UTC[1]:02d}-{UTC[2]:02d} {UTC[3]:02d}:{UTC[4]:02d} UTC, "
          f"latitude {LATITUDE}, longitude {LONGITUDE} east")
    version = subprocess.run(["dpkg-query", "-W", "-f=${Version}", "python3-erfa"],
                             capture_output=True, text=True).stdout
    print(f"# made by tools/oracles/make_star_pixels_oracle.py with pyerfa {erfa.__version__} "
          f"(Debian python3-erfa {version}), ERFA atco13; catalogue data/sources/bsc5/catalog.dat")
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
    main()
