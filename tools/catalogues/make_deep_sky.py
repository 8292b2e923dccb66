"""DEEPSKY.DAT: the bright galaxies, nebulae and star clusters, from OpenNGC.

Selection: every Messier object, every NGC object whose V magnitude (B where V is
missing) is 9.0 or brighter, and the Large Magellanic Cloud (OpenNGC's addendum; the
Small one is NGC 292). IC objects outside the Messier list are left out: the record has
no IC number, so their label would read "NGC 0". Duplicates, non-existent objects, single
and double stars, novae, asterisms and star associations are left out unless Messier
numbered them. OpenNGC follows NED in taking M102 for a duplicate of M101; here M102 is
NGC 5866, as in most Messier lists (OpenNGC's own note on NGC 5866 says it may be M102).

Records, 43 bytes, little-endian, Messier objects first (by number), then the others by
NGC number, the Large Magellanic Cloud last:
  +0 int16 Messier (0 none)  +2 int16 NGC (0 none)
  +4 name: length byte + 20 bytes, code page 1251 ("LMC", "SMC" for the Clouds)
  +25 RA J2000, +31 Dec J2000: length byte + 5 bytes, degrees as decimal text
  +37 type: 0 open cluster, 1 globular cluster, 2 diffuse nebula, 3 planetary nebula,
      4 galaxy   +38 reserved (0)   +39 int16 V x 100   +41 int16 major axis x 10, arcmin
      (0 unknown)
Names are the Russian forms of deep_sky_names_ru for the objects with a common name in
OpenNGC; an object with a common name and no Russian form stops the generator.
Standard library only."""
import csv
import re
import struct

import deep_sky_names_ru
from catalogue_common import (CatalogueError, check_range, cp1251, fixed, require,
                              round_half_away)

RECORD = struct.Struct("<hh21s6s6sBBhh")
assert RECORD.size == 43

TYPES = {
    "OCl": 0, "*Ass": 0, "Other": 0, "**": 0,
    "GCl": 1,
    "Neb": 2, "HII": 2, "EmN": 2, "RfN": 2, "SNR": 2, "Cl+N": 2, "DrkN": 2,
    "PN": 3,
    "G": 4, "GPair": 4, "GTrpl": 4, "GGroup": 4,
}
# Kinds that only Messier numbers bring in.
MESSIER_ONLY = {"*Ass", "Other", "**"}
MAGNITUDE_LIMIT = 9.0
M102_NGC = "NGC5866"
LMC = "ESO056-115"


def read_rows(sources):
    rows = []
    for name in ("NGC.csv", "addendum.csv"):
        with (sources / "openngc" / name).open(encoding="utf-8", newline="") as stream:
            rows.extend(csv.DictReader(stream, delimiter=";"))
    return rows


def magnitude(row):
    text = row["V-Mag"] or row["B-Mag"]
    return float(text) if text else None


def ngc_number(row):
    match = re.fullmatch(r"NGC(\d{4})", row["Name"])
    return int(match.group(1)) if match else 0


def selection(rows):
    by_name = {row["Name"]: row for row in rows}
    messier = {}
    for row in rows:
        if row["M"] and row["Type"] != "Dup":
            number = int(row["M"])
            require(number not in messier, f"OpenNGC: M{number} twice")
            messier[number] = row
    require(M102_NGC in by_name and 102 not in messier, "OpenNGC: M102 already placed")
    messier[102] = by_name[M102_NGC]
    require(sorted(messier) == list(range(1, 111)), "OpenNGC: Messier list incomplete")
    chosen = [(number, messier[number]) for number in range(1, 111)]
    taken = {row["Name"] for _, row in chosen}
    others = [row for row in rows
              if row["Name"] not in taken and ngc_number(row)
              and row["Type"] in TYPES and row["Type"] not in MESSIER_ONLY
              and magnitude(row) is not None and magnitude(row) <= MAGNITUDE_LIMIT]
    chosen += [(0, row) for row in sorted(others, key=ngc_number)]
    chosen.append((0, by_name[LMC]))
    return chosen


def sexagesimal(text, hours, what):
    match = re.fullmatch(r"([+-]?)(\d+):(\d+):(\d+(?:\.\d+)?)", text)
    require(match is not None, f"{what}: position {text!r}")
    sign, d, m, s = match.groups()
    value = (int(d) + int(m) / 60 + float(s) / 3600) * (15 if hours else 1)
    return -value if sign == "-" else value


def degrees_text(value, what):
    """The value with as many decimals as five characters hold."""
    for decimals in (3, 2, 1, 0):
        text = fixed(value, decimals)
        if len(text) <= 5:
            return text.encode("ascii")
    raise CatalogueError(f"{what}: {value} does not fit five characters")


def russian_name(row):
    name = deep_sky_names_ru.RUSSIAN.get(row["Name"], "")
    require(name or not row["Common names"],
            f"OpenNGC: no Russian name for {row['Name']} ({row['Common names']})")
    return name


def length_prefixed(data, width, what):
    require(len(data) <= width, f"{what}: {data!r} longer than {width}")
    return bytes([len(data)]) + data.ljust(width, b"\0")


def pack(messier, row):
    what = row["Name"]
    require(row["Type"] in TYPES, f"{what}: unknown type {row['Type']!r}")
    mag = magnitude(row)
    require(mag is not None, f"{what}: no magnitude")
    ra = sexagesimal(row["RA"], True, what) % 360.0
    dec = sexagesimal(row["Dec"], False, what)
    size = round_half_away(float(row["MajAx"]) * 10) if row["MajAx"] else 0
    return RECORD.pack(
        messier, ngc_number(row),
        length_prefixed(cp1251(russian_name(row), what), 20, what),
        length_prefixed(degrees_text(ra, what), 5, what),
        length_prefixed(degrees_text(dec, what), 5, what),
        TYPES[row["Type"]], 0,
        check_range(round_half_away(mag * 100), -32768, 32767, what),
        check_range(size, 0, 32767, what))


def write(sources, path):
    chosen = selection(read_rows(sources))
    path.write_bytes(b"".join(pack(messier, row) for messier, row in chosen))
    return len(chosen)
