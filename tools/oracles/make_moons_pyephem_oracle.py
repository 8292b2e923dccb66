#!/usr/bin/python3
"""Oracle table for the satellites library from PyEphem (Debian python3-ephem).

Usage: /usr/bin/python3 tools/oracles/make_moons_pyephem_oracle.py \
           > tests/fixtures/oracles/moons_pyephem.csv

For 45 moments from mid-1999 to mid-2043 it lists every satellite of Jupiter, Saturn and Uranus
that the library computes, as its offset from the planet's centre on the sky:
  jd_tt      Julian Date in dynamical time (UT + PyEphem's Delta T)
  planet     jup | sat | ura
  sat        the library's 0-based satellite number
  east_as    offset toward the east, arcseconds (PyEphem's x times its planet's
             apparent radius)
  north_as   offset toward the north, arcseconds (from -y; PyEphem's y counts south)
The planet's own error cancels in the offsets, so the table checks the satellite theories.
Arcseconds keep the table free of the planet radius PyEphem counts x and y in.

PyEphem's x, y, z of the satellites of Uranus are not in the radius its Uranus reports
(25559 km): Oberon's |(x, y, z)| averages 24.4 of them, while Oberon's semi-major axis is
583520 km (JPL mean elements), 22.8 radii. The script measures that unit from PyEphem's
own Oberon over the table's moments (about 23890 km) and converts with it; the unit it
found is written in the header. (The same measure with Callisto and Iapetus finds
PyEphem's Jupiter and Saturn units equal to their radii within 0.4 %, the accuracy of
such a measure, so those are used as they are.)
PyEphem's right ascensions of satellites add x * radius to the planet's without the
1 / cos(Dec) factor, so the offsets are taken from x and y, not from RA and Dec.
PyEphem has its modern satellite ephemerides only from 1999 to early 2044: outside that
span it answers x = y = 0 for the satellites of Uranus and falls back to rough models for
Saturn's (errors of many planet radii), so the table keeps inside the span. The
astronomia table covers 1960 to 2050 for Jupiter and Saturn.
"""
import math
import sys

import ephem

PLANETS = [
    ("jup", ephem.Jupiter, [ephem.Io, ephem.Europa, ephem.Ganymede, ephem.Callisto]),
    ("sat", ephem.Saturn, [ephem.Mimas, ephem.Enceladus, ephem.Tethys, ephem.Dione,
                           ephem.Rhea, ephem.Titan, ephem.Hyperion, ephem.Iapetus]),
    ("ura", ephem.Uranus, [ephem.Miranda, ephem.Ariel, ephem.Umbriel, ephem.Titania,
                           ephem.Oberon]),
]
DUBLIN_JD = 2415020.0
ARCSEC_PER_RADIAN = 180.0 / math.pi * 3600.0


def Spread(jdFirst, jdLast, count, shift):
    for i in range(count):
        frac = (i * 0.6180339887) % 1.0
        yield jdFirst + (jdLast - jdFirst) * i / (count - 1) + frac + shift


def Dates():
    # Inside the span of PyEphem's satellite ephemerides, spread over the day as the
    # astronomia table is.
    yield from Spread(2451360.5, 2466154.5, 45, 0.3333333)


# Planet radius (km), and the outermost satellite with its semi-major axis (km).
UNIT_REFERENCES = {
    "ura": (25559.0, ephem.Oberon, 583520.0),
}


def UnitKm(code, dates):
    """Length of PyEphem's unit of x, y, z for the satellites of one planet, in km."""
    _, moonClass, semiMajorAxisKm = UNIT_REFERENCES[code]
    lengths = []
    for date in dates:
        moon = moonClass()
        moon.compute(date)
        lengths.append(math.sqrt(moon.x ** 2 + moon.y ** 2 + moon.z ** 2))
    return semiMajorAxisKm / (sum(lengths) / len(lengths))


def main():
    out = sys.stdout
    out.write("# made by: /usr/bin/python3 tools/oracles/make_moons_pyephem_oracle.py\n")
    out.write(f"# tool: PyEphem {ephem.__version__} (Debian python3-ephem), "
              f"Python {sys.version.split()[0]}\n")
    dates = [ephem.Date(jdUt - DUBLIN_JD) for jdUt in Dates()]
    unitKm = {code: UnitKm(code, dates) for code in UNIT_REFERENCES}
    out.write("# offsets: arcseconds on the sky, east and north\n")
    out.write("# PyEphem's units of x, y measured: " +
              ", ".join(f"{code} {km:.1f} km" for code, km in unitKm.items()) + "\n")
    out.write("jd_tt,planet,sat,east_as,north_as\n")
    for jdUt, date in zip(Dates(), dates):
        jdTt = jdUt + ephem.delta_t(date) / 86400.0
        for code, planetClass, moons in PLANETS:
            planet = planetClass()
            planet.compute(date, epoch=date)
            radiusAs = float(planet.radius) * ARCSEC_PER_RADIAN
            if code in unitKm:
                radiusAs *= unitKm[code] / UNIT_REFERENCES[code][0]
            for number, moonClass in enumerate(moons):
                moon = moonClass()
                moon.compute(date, epoch=date)
                if moon.x == 0.0 and moon.y == 0.0:
                    continue
                out.write(f"{jdTt:.6f},{code},{number},{moon.x * radiusAs:.4f},"
                          f"{-moon.y * radiusAs:.4f}\n")


if __name__ == "__main__":
    main()
