#!/usr/bin/python3
"""Lunar eclipses 1960-2059 from JPL DE405 (via Skyfield's eclipselib.lunar_eclipses), with
their contacts.

Writes tests/fixtures/oracles/lunar_eclipses.csv: a sample of the eclipses of the years the
DE405 kernel covers (one in five, plus every pair in consecutive lunations), each with its
type (1 penumbral, 2 partial, 3 total), greatest eclipse (the least distance of the Moon's
centre from the shadow's axis), umbral and penumbral magnitudes, and the contacts P1 U1 U2
U3 U4 P4 (empty when the type has none) with the position angles at P1, U1, U4 and P4.
Moments are MJD in Terrestrial Time.

The shadow is Skyfield's (Explanatory Supplement 11.2.3): the Sun's aberrated geocentric
direction, the geometric Moon, the Moon's parallax times 0.99834, and the penumbra and
umbra radii pi_1 + pi_s +- s_s enlarged by 1.02 for the atmosphere (the program uses 0.99832;
the difference moves a contact by under a second). The contacts are where the Moon's
separation from the axis equals the penumbra or umbra radius plus or minus the Moon's
radius, found here by bisection to 0.01 s from the same DE405 places. A position angle is
that of the antisolar point seen from the Moon's centre, from north through east, on the
mean equator of date.

Usage: /usr/bin/python3 tools/oracles/make_lunar_eclipses_oracle.py
(needs the DE405 kernel of make_de405_spk.py: see oracle_common.py)
"""
import math

import numpy as np
from skyfield import eclipselib
from skyfield.constants import AU_KM, C_AUDAY, ERAD
from skyfield.functions import angle_between, length_of
from skyfield.relativity import add_aberration

import oracle_common as oc

EVERY = 5
SOLAR_RADIUS_KM = 696340.0
MOON_RADIUS_KM = 1737.1
REACH_DAYS = 0.2


def shadow(ts, eph, tt):
    """Separation, penumbra, umbra and Moon radii (radians), and the vectors of date."""
    t = ts.tt_jd(tt)
    segments = dict(((s.center, s.target), s.spk_segment) for s in eph.segments)
    jd, fr = t.whole, t.tdb_fraction
    b, velocity = segments[0, 3].compute_and_differentiate(jd, fr)
    e = segments[3, 399].compute(jd, fr)
    m = segments[3, 301].compute(jd, fr)
    s = segments[0, 10].compute(jd, fr)
    earth_to_sun = (s - b - e) / AU_KM
    add_aberration(earth_to_sun, velocity / AU_KM, length_of(earth_to_sun) / C_AUDAY)
    earth_to_sun *= AU_KM
    earth_to_moon = m - e
    pi_m = ERAD / 1e3 / length_of(earth_to_moon)
    pi_s = ERAD / 1e3 / length_of(earth_to_sun)
    s_s = SOLAR_RADIUS_KM / length_of(earth_to_sun)
    separation = angle_between(-earth_to_sun, earth_to_moon)
    moon_radius = math.asin(MOON_RADIUS_KM / length_of(earth_to_moon))
    penumbra = 1.02 * (0.998340 * pi_m + pi_s + s_s)
    umbra = 1.02 * (0.998340 * pi_m + pi_s - s_s)
    return separation, penumbra, umbra, moon_radius, t, earth_to_sun, earth_to_moon


def edge(kind, sh):
    separation, penumbra, umbra, moon_radius = sh[:4]
    return separation - {"P": penumbra + moon_radius, "U": umbra + moon_radius,
                         "T": umbra - moon_radius}[kind]


def contact(ts, eph, kind, greatest, outer):
    inside, outside = greatest, outer
    for _ in range(60):
        middle = (inside + outside) / 2
        if edge(kind, shadow(ts, eph, middle)) < 0:
            inside = middle
        else:
            outside = middle
    return (inside + outside) / 2


def position_angle(ts, eph, tt):
    *_, t, earth_to_sun, earth_to_moon = shadow(ts, eph, tt)
    rotation = oc.icrs_to_mean_equator_of_date(t)
    def radec(v):
        x, y, z = rotation @ v
        return math.atan2(y, x), math.atan2(z, math.hypot(x, y))
    ra_m, dec_m = radec(earth_to_moon)
    ra_a, dec_a = radec(-earth_to_sun)
    d = ra_a - ra_m
    pa = math.atan2(math.sin(d) * math.cos(dec_a),
                    math.cos(dec_m) * math.sin(dec_a) - math.sin(dec_m) * math.cos(dec_a) * math.cos(d))
    return math.degrees(pa) % 360.0


def row(ts, eph, greatest_tt, code):
    sh = shadow(ts, eph, greatest_tt)
    separation, penumbra, umbra, moon_radius = sh[:4]
    kind = code + 1
    moments = {}
    for name, edge_kind, side, needed in (("p1", "P", -1, 1), ("u1", "U", -1, 2), ("u2", "T", -1, 3),
                                          ("u3", "T", 1, 3), ("u4", "U", 1, 2), ("p4", "P", 1, 1)):
        if kind >= needed:
            moments[name] = contact(ts, eph, edge_kind, greatest_tt, greatest_tt + side * REACH_DAYS)
    cells = [kind, greatest_tt - 2400000.5,
             (umbra + moon_radius - separation) / (2 * moon_radius),
             (penumbra + moon_radius - separation) / (2 * moon_radius)]
    cells += [moments[n] - 2400000.5 if n in moments else "" for n in ("p1", "u1", "u2", "u3", "u4", "p4")]
    cells += [position_angle(ts, eph, moments[n]) if n in moments else "" for n in ("p1", "u1", "u4", "p4")]
    return cells


def main():
    ts, eph = oc.load_ephemeris()
    times, codes, _ = eclipselib.lunar_eclipses(ts.utc(1960, 1, 1), ts.utc(2060, 1, 1), eph)
    tt = [t.tt for t in times]
    chosen = set(range(0, len(tt), EVERY))
    for i in range(1, len(tt)):
        if tt[i] - tt[i - 1] < 31:
            chosen |= {i - 1, i}
    rows = [row(ts, eph, tt[i], int(codes[i])) for i in sorted(chosen)]
    oc.write_csv("lunar_eclipses.csv",
                 oc.provenance("/usr/bin/python3 tools/oracles/make_lunar_eclipses_oracle.py",
                               f"Lunar eclipses 1960-2059, one in {EVERY} and every pair in"
                               " consecutive lunations: eclipselib.lunar_eclipses, contacts"
                               " by bisection on the same shadow") +
                 ["# type: 1 penumbral, 2 partial, 3 total; moments MJD TT; angles degrees"],
                 ["type", "greatest", "umbral_mag", "penumbral_mag", "p1", "u1", "u2", "u3", "u4",
                  "p4", "pa_p1", "pa_u1", "pa_u4", "pa_p4"], rows)


if __name__ == "__main__":
    main()
