"""Shared pieces of the oracle scripts: Skyfield with JPL DE405, frames and CSV output.

Needs Debian's python3-skyfield, python3-jplephem, python3-casacore and
casacore-data-jpl-de405; the DE405 kernel is built by make_de405_spk.py (run with
/usr/bin/python3, which sees Debian's modules):

    /usr/bin/python3 <shared>/oracles/make_de405_spk.py /tmp/de405.bsp
"""
import math
import os
import pathlib
import subprocess
import sys

import numpy as np
import skyfield
from skyfield.api import load
from skyfield.framelib import ICRS_to_J2000
from skyfield.nutationlib import mean_obliquity

ROOT = pathlib.Path(__file__).resolve().parents[2]
FIXTURES = ROOT / "tests" / "fixtures" / "oracles"
KERNEL = pathlib.Path(os.environ.get("DE405_BSP", "/tmp/de405.bsp"))
ASEC = math.pi / 180 / 3600


def debian_version(package):
    try:
        return subprocess.run(["dpkg-query", "-W", "-f=${Version}", package],
                              capture_output=True, text=True, check=True).stdout
    except (OSError, subprocess.CalledProcessError):
        return "unknown"


def provenance(command, what):
    return [
        f"# {what}",
        f"# Made by: {command}",
        f"# Skyfield {skyfield.__version__} (python3-skyfield {debian_version('python3-skyfield')}),"
        f" JPL DE405 from casacore-data-jpl-de405 {debian_version('casacore-data-jpl-de405')}",
    ]


def load_ephemeris():
    if not KERNEL.exists():
        sys.exit(f"{KERNEL} missing: build it with make_de405_spk.py")
    return load.timescale(builtin=True), load(str(KERNEL))


def rotation_x(angle):
    c, s = math.cos(angle), math.sin(angle)
    return np.array([[1, 0, 0], [0, c, s], [0, -s, c]])


def icrs_to_mean_equator_of_date(t):
    """ICRS -> mean equator and equinox of date (IAU 2006 precession with frame bias)."""
    return t.P @ ICRS_to_J2000


def icrs_to_mean_ecliptic_of_date(t):
    """ICRS -> mean ecliptic and equinox of date (IAU 2006 obliquity)."""
    return rotation_x(mean_obliquity(t.tdb) * ASEC) @ icrs_to_mean_equator_of_date(t)


def spherical(v):
    """(longitude 0..360, latitude, distance) of a rectangular vector."""
    x, y, z = v
    lon = math.degrees(math.atan2(y, x)) % 360.0
    lat = math.degrees(math.atan2(z, math.hypot(x, y)))
    return lon, lat, math.sqrt(x * x + y * y + z * z)


def t_centuries(t):
    """Julian centuries from J2000.0 of a Skyfield time, on its TDB scale."""
    return (t.tdb - 2451545.0) / 36525.0


def write_csv(name, header_lines, columns, rows):
    FIXTURES.mkdir(parents=True, exist_ok=True)
    path = FIXTURES / name
    with path.open("w") as f:
        for line in header_lines:
            f.write(line + "\n")
        f.write(",".join(columns) + "\n")
        for row in rows:
            f.write(",".join(v if isinstance(v, str) else repr(float(v)) if isinstance(v, float)
                             else str(v) for v in row) + "\n")
    print(f"{path}: {len(rows)} rows")
