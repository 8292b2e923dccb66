#!/usr/bin/python3
"""Geometric altitude and azimuth of fixed stars, the oracle for the sky projection tests.

For every star (J2000 right ascension and declination, no proper motion), place and moment
(UT1) the script writes the altitude and the azimuth (degrees, azimuth from north through
east) of the geometric direction: no aberration, no light deflection, no refraction. Skyfield
reckons them in the true equator of date with apparent sidereal time, as the projection under
test does (nutation matrix, apparent sidereal time) without aberration, so the two differ by
some twenty arcseconds, far below one pixel at R = 500.

Usage: /usr/bin/python3 tools/oracles/make_horizontal_oracle.py /tmp/de405.bsp \
           > tests/fixtures/oracles/horizontal_oracle.csv
"""
import sys

import numpy
import skyfield
from skyfield.api import Star, load, wgs84

# Name, J2000 right ascension (degrees), declination (degrees). The directions are inputs
# only: any values would do, bright stars make the table easy to read.
STARS = [
    ("Sirius", 101.287155, -16.716116),
    ("Vega", 279.234735, 38.783689),
    ("Polaris", 37.954561, 89.264109),
    ("Canopus", 95.987958, -52.695661),
    ("Arcturus", 213.915300, 19.182410),
    ("Rigel", 78.634467, -8.201638),
    ("Betelgeuse", 88.792939, 7.407064),
    ("Altair", 297.695827, 8.868321),
    ("Deneb", 310.357980, 45.280339),
    ("Acrux", 186.649563, -63.099093),
    ("Fomalhaut", 344.412693, -29.622237),
    ("SigmaOctantis", 317.195164, -88.956499),
    ("RaZero", 0.0, 30.0),
    ("RaNearFull", 359.9, -5.0),
]

# Name, latitude (degrees, north positive), longitude (degrees, east positive).
PLACES = [
    ("Moscow", 55.7558, 37.6173),
    ("CapeTown", -33.9249, 18.4241),
    ("Quito", -0.1807, -78.4678),
    ("Longyearbyen", 78.2232, 15.6267),
    ("Honolulu", 21.3069, -157.8583),
]

# UT1 moments: year, month, day, hour, minute, second. Spread over a century so that
# precession (about 0.7 degree over 50 years) shows up well above one pixel.
MOMENTS = [
    (1961, 7, 14, 3, 25, 0),
    (2000, 1, 1, 12, 0, 0),
    (2024, 3, 20, 21, 47, 30),
    (2059, 11, 2, 6, 10, 0),
]


def MjdOfUt1(time):
    return time.ut1 - 2400000.5


def main():
    kernelPath = sys.argv[1] if len(sys.argv) > 1 else "/tmp/de405.bsp"
    timescale = load.timescale(builtin=True)
    ephemeris = load(kernelPath)
    earth = ephemeris["earth"]
    print("# Geometric altitude and azimuth (degrees, azimuth from north through east) of fixed")
    print("# stars, J2000 places, no aberration, deflection or refraction.")
    print("# Made by: /usr/bin/python3 tools/oracles/make_horizontal_oracle.py /tmp/de405.bsp")
    print("# (kernel from /work/shared/oracles/make_de405_spk.py)")
    print(f"# Skyfield {skyfield.__version__}, NumPy {numpy.__version__}, DE405, "
          "load.timescale(builtin=True)")
    print("star,ra_deg,dec_deg,place,lat_deg,lon_east_deg,mjd_ut1,alt_deg,az_deg")
    for year, month, day, hour, minute, second in MOMENTS:
        time = timescale.ut1(year, month, day, hour, minute, second)
        for placeName, latitude, longitude in PLACES:
            topos = wgs84.latlon(latitude, longitude)
            observer = (earth + topos).at(time)
            for starName, raDeg, decDeg in STARS:
                star = Star(ra_hours=raDeg / 15.0, dec_degrees=decDeg)
                alt, az, _ = observer.observe(star).frame_latlon(topos)
                print(f"{starName},{raDeg:.6f},{decDeg:.6f},{placeName},{latitude:.4f},"
                      f"{longitude:.4f},{MjdOfUt1(time):.8f},{alt.degrees:.6f},"
                      f"{az.degrees:.6f}")


if __name__ == "__main__":
    main()
