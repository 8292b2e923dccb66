#!/usr/bin/env python3
"""Builds the planetary and lunar series files from the published VSOP87 D and ELP/MPP02.

Input: the npm package astronomia 4.3.0 (MIT), which ships the complete VSOP87 version D
series of Bretagnon and Francou (1988) for Mercury .. Neptune and the Earth
(data/vsop87D*.js) and the complete ELP/MPP02 lunar series of Chapront and Francou
(2003) in the solution fitted to DE405 (data/elpMppDeFull.js), with the fundamental
arguments already expanded into polynomials of time.

    npm pack astronomia@4.3.0 && tar xzf astronomia-4.3.0.tgz
    tools/solar_series/make_solar_series.py package

Output:
  data/velsolar.dat                           every term, for velsolar (layout below)
  external/velastro/LowPrecisionSeries.inc    the few largest terms, for velastro's
                                              low-precision Planet() and moon()

velsolar.dat, little-endian:
  header (24 bytes): magic "VELSOLR1", uint32 version 1, uint32 series count N,
                     uint64 file size
  directory, N entries of 16 bytes:
     +0 uint8 body (1 Moon, 2 Mercury, 3 Venus, 4 Earth, 5 Mars, 6 Jupiter, 7 Saturn,
                    8 Uranus, 9 Neptune)
     +1 uint8 coordinate (0 longitude, 1 latitude, 2 radius)
     +2 uint8 power of time that multiplies the series
     +3 uint8 kind: 1 VSOP term (A, B, C): A cos(B + C t), t in Julian millennia;
                    2 ELP term (A, p0..p4): A sin(p0 + p1 T + .. + p4 T^4), T in centuries;
                    3 polynomial coefficients c0..c4 (the Moon's mean longitude W1)
     +4 uint32 term count
     +8 uint64 byte offset of the first term (a multiple of 8)
  terms: doubles; inside each series sorted by decreasing |A|, so that any prefix is the
  series truncated at an amplitude.
Units: VSOP radians and astronomical units; ELP arcseconds and kilometres, W1 radians.
Standard library only.
"""
import json
import math
import pathlib
import re
import struct
import sys

ROOT = pathlib.Path(__file__).resolve().parents[2]

PLANETS = [  # (body number, file name, number used by velastro's Planet())
    (2, "mercury", 1), (3, "venus", 2), (4, "earth", 3), (5, "mars", 4),
    (6, "jupiter", 5), (7, "saturn", 6), (8, "uranus", 7), (9, "neptune", 8),
]
COORDS = {"L": 0, "B": 1, "R": 2}
KIND_VSOP, KIND_ELP, KIND_POLY = 1, 2, 3

# Abridgement for the low-precision routines: the largest terms are kept until the sum of
# the dropped amplitudes (each weighted by |t|^power at one millennium or one century) is
# below the budget. VSOP: 3e-5 radian (6"), radius 3e-5 of the mean distance, and the
# dropped terms' share of the rate within 1e-4 of the planet's mean motion, since the
# velocities are differentiated from the same terms; ELP: 10" and 30 km.
LOW_BUDGET_VSOP_ANGLE = 3.0e-5
LOW_BUDGET_VSOP_RELATIVE_RADIUS = 3.0e-5
LOW_BUDGET_VSOP_RELATIVE_RATE = 1.0e-4
LOW_BUDGET_ELP = {0: 10.0, 1: 10.0, 2: 30.0}


def load_js_object(path):
    text = path.read_text()
    text = text[text.index("{"): text.rindex("}") + 1]
    text = re.sub(r"(?m)^(\s*)([A-Za-z_][A-Za-z0-9_]*):", r'\1"\2":', text)
    return json.loads(text)


def readable(terms):
    """The package's copies of Uranus L4 and Neptune L4, B3 hold four rows of NaN, terms
    of the t^3 and t^4 series whose neighbours are of the order of 1e-9 (0.0002"); they
    cannot be recovered and are dropped."""
    return [row for row in terms if all(math.isfinite(v) for v in row)]


def read_series(package):
    """Returns [(body, coord, power, kind, terms)] with terms sorted by decreasing |A|."""
    series = []
    for body, name, _ in PLANETS:
        data = load_js_object(package / "data" / f"vsop87D{name}.js")
        for coord in "LBR":
            for power, terms in sorted(data[coord].items(), key=lambda kv: int(kv[0])):
                terms = sorted(readable(terms), key=lambda row: -abs(row[0]))
                series.append((body, COORDS[coord], int(power), KIND_VSOP, terms))
    elp = load_js_object(package / "data" / "elpMppDeFull.js")
    series.append((1, 0, 0, KIND_POLY, [elp["W1"]]))
    for coord in "LBR":
        for power, terms in sorted(elp[coord].items(), key=lambda kv: int(kv[0])):
            if terms:
                terms = sorted(readable(terms), key=lambda row: -abs(row[0]))
                series.append((1, COORDS[coord], int(power), KIND_ELP, terms))
    return series


def write_series_file(series, path):
    header_size, entry_size = 24, 16
    offset = header_size + entry_size * len(series)
    directory, payload = [], []
    for body, coord, power, kind, terms in series:
        count = len(terms[0]) if kind == KIND_POLY else len(terms)
        directory.append(struct.pack("<BBBBIQ", body, coord, power, kind, count, offset))
        values = terms[0] if kind == KIND_POLY else [v for row in terms for v in row]
        width = {KIND_VSOP: 3, KIND_ELP: 6, KIND_POLY: None}[kind]
        if width and any(len(row) != width for row in terms):
            sys.exit(f"unexpected term width in series {body}/{coord}/{power}")
        blob = struct.pack(f"<{len(values)}d", *values)
        payload.append(blob)
        offset += len(blob)
    header = b"VELSOLR1" + struct.pack("<IIQ", 1, len(series), offset)
    path.write_bytes(header + b"".join(directory) + b"".join(payload))
    return offset


def abridge(terms, budget, rate_budget=None):
    """The terms to keep: the least important are dropped while the sum of the dropped
    amplitudes stays within `budget` and, for VSOP terms, the sum of their contributions
    to the rate (A |C|) within `rate_budget`. Returns them by decreasing amplitude."""
    def weight(row):
        w = abs(row[0]) / budget
        return max(w, abs(row[0] * row[2]) / rate_budget) if rate_budget else w
    ranked = sorted(terms, key=weight)
    dropped, tail, rate_tail = 0, 0.0, 0.0
    for row in ranked:
        rate = abs(row[0] * row[2]) if rate_budget else 0.0
        if tail + abs(row[0]) > budget or (rate_budget and rate_tail + rate > rate_budget):
            break
        tail += abs(row[0])
        rate_tail += rate
        dropped += 1
    return sorted(ranked[dropped:], key=lambda row: -abs(row[0]))


def write_low_precision(series, path):
    planet_of_body = {body: n for body, _, n in PLANETS}
    lines = [
        "// Generated by tools/solar_series/make_solar_series.py: the largest terms of VSOP87 D",
        "// and ELP/MPP02 (DE405 fit), enough for about an arcminute.",
        "// Each series: {planet (1..8) or 0 for the Moon, coordinate (0 L, 1 B, 2 R), power,",
        "// first term, term count}.",
    ]
    vsop_rows, elp_rows, index, w1 = [], [], [], None
    mean_distance = {body: terms[0][0] for body, coord, power, kind, terms in series
                     if kind == KIND_VSOP and coord == 2 and power == 0}
    mean_motion = {body: terms[0][0] for body, coord, power, kind, terms in series
                   if kind == KIND_VSOP and coord == 0 and power == 1}
    for body, coord, power, kind, terms in series:
        if kind == KIND_POLY:
            w1 = terms[0]
        elif kind == KIND_VSOP:
            scale = mean_distance[body] if coord == 2 else 1.0
            budget = (LOW_BUDGET_VSOP_RELATIVE_RADIUS if coord == 2 else LOW_BUDGET_VSOP_ANGLE) * scale
            kept = abridge(terms, budget, LOW_BUDGET_VSOP_RELATIVE_RATE * mean_motion[body] * scale)
            index.append(f"{{{planet_of_body[body]}, {coord}, {power}, {len(vsop_rows)}, {len(kept)}}},")
            vsop_rows += kept
        else:
            kept = abridge(terms, LOW_BUDGET_ELP[coord])
            index.append(f"{{0, {coord}, {power}, {len(elp_rows)}, {len(kept)}}},")
            elp_rows += kept
    fmt = lambda row: "{" + ", ".join(repr(float(v)) for v in row) + "},"
    lines.append("#ifdef VELASTRO_VSOP_TERMS")
    lines += [fmt(r) for r in vsop_rows]
    lines.append("#endif")
    lines.append("#ifdef VELASTRO_ELP_TERMS")
    lines += [fmt(r) for r in elp_rows]
    lines.append("#endif")
    lines.append("#ifdef VELASTRO_SERIES_INDEX")
    lines += index
    lines.append("#endif")
    lines.append("#ifdef VELASTRO_MOON_MEAN_LONGITUDE")
    lines.append(", ".join(repr(float(v)) for v in w1))
    lines.append("#endif")
    path.write_text("\n".join(lines) + "\n")
    return len(vsop_rows), len(elp_rows)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    series = read_series(pathlib.Path(sys.argv[1]))
    size = write_series_file(series, ROOT / "data" / "velsolar.dat")
    vsop, elp = write_low_precision(series, ROOT / "external" / "velastro" / "LowPrecisionSeries.inc")
    total = sum(len(t) for *_, kind, t in series if kind != KIND_POLY)
    print(f"velsolar.dat: {len(series)} series, {total} terms, {size} bytes")
    print(f"LowPrecisionSeries.inc: {vsop} VSOP terms, {elp} ELP terms")


if __name__ == "__main__":
    main()
