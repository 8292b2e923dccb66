"""The constellation files: CONSTELL.DAT (names and label places), CLINES.DAT (figure
lines) and Bounds.dat (boundaries).

CONSTELL.DAT: 89 text lines in the object order of constellations.ORDER, seven fields
separated by commas: Russian name, Russian genitive, Latin name, Latin genitive, object
code (the IAU abbreviation; "Ser1" and "Ser2" for the two parts of Serpens), and the label
place, RA and Dec J2000 in whole arc-minutes (d3-celestial's name positions). Lines end
in CR LF.

CLINES.DAT: one 25-byte little-endian record per segment of d3-celestial's figure
polylines: int32 RA1, Dec1, RA2, Dec2 (J2000, arcsec), int16 pm RA1, pm Dec1, pm RA2,
pm Dec2 (mas/yr, RA as the rate of right ascension, as in stars.dat), uint8 constellation
object. Every polyline vertex is replaced by the Bright Star Catalogue star nearest to it,
which must lie within 1 arc-minute; the segment takes that star's place and proper motion.

Bounds.dat: one 10-byte little-endian record per boundary segment: int16 RA1, Dec1, RA2,
Dec2 (B1875, arc-minutes), uint8 constellation on one side, uint8 on the other. Made from
Roman's B1875 table alone: its RA and Dec limits cut the sky into cells of one
constellation each; an edge between two cells of different constellations is a boundary,
and edges in line with the same two neighbours are joined. A segment along a parallel runs
from west to east (RA2 < RA1 when it passes 0h) and gives the constellation north of it
first; one along a meridian runs from south to north and gives the western one first.
Limits are rounded to the nearest arc-minute, halves up (the table has a few limits on
half minutes of RA). Standard library only."""
import fractions
import json
import math
import struct

import bright_stars
import constellations
from catalogue_common import (angular_distance_deg, check_range, cp1251, j2000_to_b1875,
                              require, round_half_away, write_text_lines)

LINE_RECORD = struct.Struct("<iiiihhhhB")
BOUND_RECORD = struct.Struct("<hhhhBB")
assert LINE_RECORD.size == 25 and BOUND_RECORD.size == 10

MAX_VERTEX_DISTANCE_ARCMIN = 1.0
MAX_NAME_BYTES = 19


# ---- CONSTELL.DAT ----------------------------------------------------------------------

def write_names(sources, path):
    lines = []
    for code, latin, latin_gen, russian, russian_gen, ra, dec in constellations.load_names(
            sources):
        texts = [cp1251(t, code) for t in (russian, russian_gen, latin, latin_gen, code)]
        for text in texts:
            require(b"," not in text and 0 < len(text) <= MAX_NAME_BYTES,
                    f"CONSTELL.DAT: name {text!r} of {code}")
        ra_arcmin = round_half_away(ra * 60) % 21600
        dec_arcmin = round_half_away(dec * 60)
        lines.append(b",".join(texts + [b"%d" % ra_arcmin, b"%d" % dec_arcmin]))
    write_text_lines(path, lines)
    return len(lines)


# ---- CLINES.DAT ------------------------------------------------------------------------

class StarIndex:
    """Stars by whole degree of declination, for the nearest-star search."""

    def __init__(self, stars):
        self.bands = {}
        for star in stars:
            self.bands.setdefault(math.floor(star.dec_deg), []).append(star)

    def nearest(self, ra, dec):
        band = math.floor(dec)
        candidates = [s for b in (band - 1, band, band + 1) for s in self.bands.get(b, ())]
        best = min(candidates, default=None,
                   key=lambda s: angular_distance_deg(ra, dec, s.ra_deg, s.dec_deg))
        distance = (math.inf if best is None
                    else angular_distance_deg(ra, dec, best.ra_deg, best.dec_deg) * 60)
        require(distance <= MAX_VERTEX_DISTANCE_ARCMIN,
                f"CLINES.DAT: no catalogue star within 1' of the figure vertex {ra}, {dec}")
        return best


def feature_code(feature):
    """Object code of a figure feature; the two Serpens features are told apart by the
    B1875 RA of their vertices."""
    iau = feature["id"]
    if iau != "Ser":
        constellations.object_number(iau)
        return iau
    parts = {constellations.serpens_part(j2000_to_b1875(lon % 360, lat)[0] / 15)
             for line in feature["geometry"]["coordinates"] for lon, lat in line}
    require(len(parts) == 1, "CLINES.DAT: a Serpens figure spans both parts")
    return parts.pop()


def figure_segments(sources, stars):
    path = sources / "d3-celestial" / "constellations.lines.json"
    index = StarIndex(stars)
    segments, seen = [], set()
    for feature in json.loads(path.read_text(encoding="utf-8"))["features"]:
        code = feature_code(feature)
        require(feature["geometry"]["type"] == "MultiLineString", f"{path.name}: {code}")
        for line in feature["geometry"]["coordinates"]:
            ends = [index.nearest(lon % 360, lat) for lon, lat in line]
            for first, second in zip(ends, ends[1:]):
                key = (code, frozenset((first.hr, second.hr)))
                if first.hr != second.hr and key not in seen:
                    seen.add(key)
                    segments.append((first, second, code))
    codes = {code for _, _, code in segments}
    require(codes == set(constellations.ORDER), f"{path.name}: figures missing for "
            f"{sorted(set(constellations.ORDER) - codes)}")
    return segments


def pack_line(first, second, code):
    def pm(star):
        return (check_range(round_half_away(bright_stars.pm_ra_rate_mas(star)), -32768, 32767,
                            f"HR {star.hr}"),
                check_range(round_half_away(star.pm_dec * 1000), -32768, 32767,
                            f"HR {star.hr}"))
    return LINE_RECORD.pack(first.ra_arcsec, first.dec_arcsec, second.ra_arcsec,
                            second.dec_arcsec, *pm(first), *pm(second),
                            constellations.object_number(code))


def write_lines(sources, stars, path):
    segments = figure_segments(sources, stars)
    path.write_bytes(b"".join(pack_line(*segment) for segment in segments))
    return len(segments)


# ---- Bounds.dat ------------------------------------------------------------------------

def arcmin(value, per_unit):
    """A table limit (hours or degrees) in whole arc-minutes, from its decimal text."""
    exact = fractions.Fraction(repr(value)) * per_unit
    return math.floor(exact + fractions.Fraction(1, 2))


def cell_grid(regions):
    ras = sorted({row[0] for row in regions.rows} | {row[1] for row in regions.rows})
    decs = sorted({row[2] for row in regions.rows} | {-90.0, 90.0})
    require(ras[0] == 0.0 and ras[-1] == 24.0, "Bounds.dat: RA limits do not span 0..24h")
    codes = [[regions.code_at((ras[i] + ras[i + 1]) / 2, (decs[j] + decs[j + 1]) / 2)
              for j in range(len(decs) - 1)] for i in range(len(ras) - 1)]
    return ras, decs, codes


def runs(items):
    """Consecutive equal items as (first index, end index, item), skipping None."""
    result, start = [], 0
    for i in range(1, len(items) + 1):
        if i == len(items) or items[i] != items[start]:
            if items[start] is not None:
                result.append((start, i, items[start]))
            start = i
    return result


def circular_runs(items):
    """runs() on a circle: a run through the end joins the one at the start."""
    found = runs(items)
    if len(found) == 1 and found[0][:2] == (0, len(items)):
        half = len(items) // 2
        return [(0, half, found[0][2]), (half, len(items), found[0][2])]
    if len(found) > 1 and found[0][0] == 0 and found[-1][1] == len(items) \
            and found[0][2] == found[-1][2]:
        first, last = found[0], found.pop()
        found[0] = (last[0], first[1] + len(items), first[2])
    return found


def boundary_segments(regions):
    ras, decs, codes = cell_grid(regions)
    n_ra, n_dec = len(ras) - 1, len(decs) - 1
    segments = []
    for i in range(n_ra):  # meridian at ras[i], between cell i - 1 (west) and cell i (east)
        pairs = [(codes[i - 1][j], codes[i][j]) if codes[i - 1][j] != codes[i][j] else None
                 for j in range(n_dec)]
        ra = arcmin(ras[i], 900)
        for start, end, (west, east) in runs(pairs):
            segments.append((ra, arcmin(decs[start], 60), ra, arcmin(decs[end], 60), west, east))
    for j in range(1, n_dec):  # parallel at decs[j], between band j - 1 (south) and j (north)
        pairs = [(codes[i][j], codes[i][j - 1]) if codes[i][j] != codes[i][j - 1] else None
                 for i in range(n_ra)]
        dec = arcmin(decs[j], 60)
        for start, end, (north, south) in circular_runs(pairs):
            west, east = arcmin(ras[start], 900), arcmin(ras[end % n_ra] if end > n_ra
                                                         else ras[end], 900)
            segments.append((west, dec, east, dec, north, south))
    return segments


def write_bounds(regions, path):
    records = []
    for ra1, dec1, ra2, dec2, first, second in boundary_segments(regions):
        for value in (ra1, ra2):
            check_range(value, 0, 21600, "Bounds.dat RA")
        for value in (dec1, dec2):
            check_range(value, -5400, 5400, "Bounds.dat Dec")
        require(ra1 == ra2 or dec1 == dec2, "Bounds.dat: segment along neither axis")
        records.append(BOUND_RECORD.pack(ra1, dec1, ra2, dec2,
                                         constellations.object_number(first),
                                         constellations.object_number(second)))
    path.write_bytes(b"".join(records))
    return len(records)
