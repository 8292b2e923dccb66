#!/usr/bin/python3
"""Main lunar phases 1900-2100: JPL DE405 (via Skyfield's almanac.moon_phases) where the
kernel reaches (1960-2059), PyEphem (Debian python3-ephem) before and after.

Writes tests/fixtures/oracles/moon_phases.csv: every 23rd main phase between 1900 January 1
and 2100 January 1 (23 is prime to 4, so every kind of phase and every part of the
anomalistic month appears), as the phase (0 new moon, 1 first quarter, 2 full moon, 3 last
quarter), its moment as MJD in Terrestrial Time, and the source. Both find the moment when
the apparent geocentric ecliptic longitudes of the Moon and the Sun differ by 0, 90, 180 or
270 degrees. PyEphem gives its moments in UT; they are turned into TT with PyEphem's own
delta_t, the one it converted them with.

Usage: /usr/bin/python3 tools/oracles/make_moon_phases_oracle.py
(needs the DE405 kernel of make_de405_spk.py: see oracle_common.py)
"""
import ephem
from skyfield import almanac
from skyfield.searchlib import find_discrete

import oracle_common as oc

EVERY = 23
DE405_FROM, DE405_TO = 1960, 2060
PYEPHEM_SEARCH = [ephem.next_new_moon, ephem.next_first_quarter_moon, ephem.next_full_moon,
                  ephem.next_last_quarter_moon]
DUBLIN_TO_MJD = 15019.5


def de405_phases():
    ts, eph = oc.load_ephemeris()
    times, phases = find_discrete(ts.utc(DE405_FROM, 1, 1), ts.utc(DE405_TO, 1, 1),
                                  almanac.moon_phases(eph), epsilon=1e-3 / 86400)
    return [(int(p), t.tt - 2400000.5, "DE405") for t, p in zip(times, phases)]


def pyephem_phases(first_year, last_year):
    """Every main phase from first_year to the start of last_year, in order of time."""
    found = []
    for phase, search in enumerate(PYEPHEM_SEARCH):
        d = ephem.Date(f"{first_year}/1/1")
        while True:
            d = search(d)
            if d >= ephem.Date(f"{last_year}/1/1"):
                break
            found.append((phase, float(d) + DUBLIN_TO_MJD + ephem.delta_t(d) / 86400, "PyEphem"))
            d = ephem.Date(d + 1)
    return sorted(found, key=lambda row: row[1])


def main():
    every = pyephem_phases(1900, DE405_FROM) + de405_phases() + pyephem_phases(DE405_TO, 2100)
    oc.write_csv("moon_phases.csv",
                 oc.provenance("/usr/bin/python3 tools/oracles/make_moon_phases_oracle.py",
                               f"Main lunar phases, one in {EVERY} from 1900 to 2100: Skyfield"
                               f" almanac.moon_phases {DE405_FROM}-{DE405_TO - 1}, PyEphem"
                               f" {ephem.__version__} (python3-ephem"
                               f" {oc.debian_version('python3-ephem')}) outside") +
                 ["# phase: 0 new moon, 1 first quarter, 2 full moon, 3 last quarter"],
                 ["phase", "mjd_tt", "source"], every[::EVERY])


if __name__ == "__main__":
    main()
