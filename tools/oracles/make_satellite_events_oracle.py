#!/usr/bin/python3
"""Oracle table of the events of the Galilean satellites from PyEphem (Debian python3-ephem).

Usage: /usr/bin/python3 tools/oracles/make_satellite_events_oracle.py

Writes tests/fixtures/oracles/satellite_events.csv: moments (2000 .. 2040) at which a
satellite of Jupiter is hidden behind the planet, passes in front of it, stands in its
shadow, or is free, as PyEphem's earth_visible, sun_visible and z (positive towards the
Earth) tell: 0 none, 1 transit (in front of the disc), 2 occultation (behind it),
3 eclipse (in the shadow, in view). Only moments whose state is the same 15 minutes before
and after are kept, so that the small differences between theories near a contact do
not matter. Columns: MJD (UT), T (TT centuries, PyEphem's Delta T), satellite number
(0 Io .. 3 Callisto), event.
"""
import math
import random
import sys

import ephem

import oracle_common as oc

MOONS = [ephem.Io, ephem.Europa, ephem.Ganymede, ephem.Callisto]
DUBLIN_JD = 2415020.0
FIRST_JD, LAST_JD = 2451544.5, 2466154.5
PER_EVENT = 6


def state(moon, jd_ut):
    body = moon(ephem.Date(jd_ut - DUBLIN_JD))
    on_disc = math.hypot(body.x, body.y) < 1.0
    if on_disc and body.z > 0:
        return 1
    if not body.earth_visible:
        return 2
    if not body.sun_visible:
        return 3
    return 0


def main():
    rng = random.Random(7)
    found = {e: [] for e in range(4)}
    tries = 0
    while any(len(v) < PER_EVENT for v in found.values()) and tries < 200000:
        tries += 1
        number = rng.randrange(4)
        jd = rng.uniform(FIRST_JD, LAST_JD)
        e = state(MOONS[number], jd)
        if len(found[e]) >= PER_EVENT:
            continue
        if state(MOONS[number], jd - 15 / 1440) != e or state(MOONS[number], jd + 15 / 1440) != e:
            continue
        delta_t = ephem.delta_t(ephem.Date(jd - DUBLIN_JD)) / 86400.0
        found[e].append((jd - 2400000.5, (jd + delta_t - 2451545.0) / 36525.0, number, e))
    python = ".".join(str(v) for v in sys.version_info[:3])
    rows = [row for e in range(4) for row in found[e]]
    oc.write_csv("satellite_events.csv",
                 ["# events of the Galilean satellites",
                  "# Made by: /usr/bin/python3 tools/oracles/make_satellite_events_oracle.py",
                  f"# PyEphem {ephem.__version__} (python3-ephem "
                  f"{oc.debian_version('python3-ephem')}), Python {python}",
                  "# event: 0 none, 1 transit, 2 occultation, 3 eclipse"],
                 ["mjd_ut", "t_tt", "sat", "event"], rows)


if __name__ == "__main__":
    main()
