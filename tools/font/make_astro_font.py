#!/usr/bin/env python3
"""Makes the symbol font data/astrof.ttf, family "Ravar Oder", from the astronomical
glyphs of DejaVu Sans (Debian fonts-dejavu-core; Bitstream Vera licence with the DejaVu
changes in the public domain, data/sources/dejavu/LICENSE).

The program selects this font with markup code 9 and draws the special symbols 25 .. 28
with it; each character code it uses there shows one DejaVu glyph:

  code  used for                          DejaVu glyph
  "S"   Mercury                           U+263F MERCURY
  "n"   Venus                             U+2640 FEMALE SIGN
  "U"   Mars                              U+2642 MALE SIGN
  "V"   Jupiter                           U+2643 JUPITER
  "W"   Saturn                            U+2644 SATURN
  "X"   Uranus                            U+2645 URANUS
  "Y"   Neptune                           U+2646 NEPTUNE
  "Z"   Pluto                             U+2647 PLUTO
  "p"   symbol 25, comets                 U+2604 COMET
  "q"   symbol 26, star clusters          U+25CC DOTTED CIRCLE
  "r"   symbol 27, nebulae and galaxies   U+25AD WHITE RECTANGLE
  "s"   symbol 28                         U+2606 WHITE STAR
  " "   space                             U+0020 SPACE

The font is a TrueType subset: the glyph outlines are copied unchanged, their hinting
instructions are left out (the hinting programs of DejaVu are not copied), and new cmap
(format 4), name, hmtx, hhea, maxp, OS/2, post, loca and head tables are written. The
creation and modification dates are DejaVu's, so the output depends on the input font
alone, byte for byte.

    python3 tools/font/make_astro_font.py [--dejavu /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf]
                                          [--out data/astrof.ttf]

The written file is read back and every mapped glyph compared with DejaVu's before the
generator ends. Standard library only."""
import argparse
import pathlib
import struct
import sys

ROOT = pathlib.Path(__file__).resolve().parents[2]
DEFAULT_DEJAVU = pathlib.Path("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf")
EXPECTED_VERSION = "Version 2.37"

FAMILY = "Ravar Oder"
POSTSCRIPT_NAME = "RavarOder"
VERSION = "Version 1.0"

# Character code of this font -> code point of the DejaVu glyph it shows.
SYMBOLS = (
    (0x20, 0x0020),
    (ord("S"), 0x263F), (ord("U"), 0x2642), (ord("V"), 0x2643), (ord("W"), 0x2644),
    (ord("X"), 0x2645), (ord("Y"), 0x2646), (ord("Z"), 0x2647), (ord("n"), 0x2640),
    (ord("p"), 0x2604), (ord("q"), 0x25CC), (ord("r"), 0x25AD), (ord("s"), 0x2606),
)

COPYRIGHT = ("Copyright (c) 2003 by Bitstream, Inc. All Rights Reserved. Bitstream Vera is a "
             "trademark of Bitstream, Inc. DejaVu changes are in public domain. Glyphs "
             "taken from DejaVu Sans 2.37.")
LICENCE = ("Bitstream Vera Fonts licence with the DejaVu changes in the public domain; "
           "see astrof-LICENSE.txt beside this font. This font is a modified version of "
           "DejaVu Sans and is renamed as that licence requires.")


class FontError(Exception):
    pass


def require(condition, message):
    if not condition:
        raise FontError(message)


# ---- reading ---------------------------------------------------------------------------

class TrueTypeFile:
    """The tables of a TrueType file, and the glyph data they describe."""

    def __init__(self, data):
        self.data = data
        version, count = struct.unpack_from(">IH", data, 0)
        require(version == 0x00010000, "not a TrueType outline font")
        self.tables = {}
        for i in range(count):
            tag, _, offset, length = struct.unpack_from(">4sIII", data, 12 + 16 * i)
            self.tables[tag.decode("latin-1")] = data[offset:offset + length]
        for tag in ("head", "hhea", "maxp", "hmtx", "loca", "glyf", "cmap", "OS/2", "post",
                    "name"):
            require(tag in self.tables, f"no {tag} table")
        self.units_per_em = struct.unpack_from(">H", self.tables["head"], 18)[0]
        long_loca = struct.unpack_from(">h", self.tables["head"], 50)[0] == 1
        self.glyph_count = struct.unpack_from(">H", self.tables["maxp"], 4)[0]
        loca = self.tables["loca"]
        if long_loca:
            self.offsets = struct.unpack_from(f">{self.glyph_count + 1}I", loca, 0)
        else:
            self.offsets = [2 * v for v in struct.unpack_from(f">{self.glyph_count + 1}H",
                                                               loca, 0)]
        self.metric_count = struct.unpack_from(">H", self.tables["hhea"], 34)[0]
        self.cmap = self._read_cmap()

    def _read_cmap(self):
        table = self.tables["cmap"]
        count = struct.unpack_from(">H", table, 2)[0]
        for i in range(count):
            platform, encoding, offset = struct.unpack_from(">HHI", table, 4 + 8 * i)
            if (platform, encoding) in ((3, 1), (0, 3)) and \
                    struct.unpack_from(">H", table, offset)[0] == 4:
                return self._read_format4(table, offset)
        raise FontError("no Unicode cmap of format 4")

    @staticmethod
    def _read_format4(table, offset):
        segments = struct.unpack_from(">H", table, offset + 6)[0] // 2
        ends = struct.unpack_from(f">{segments}H", table, offset + 14)
        starts_at = offset + 16 + 2 * segments
        starts = struct.unpack_from(f">{segments}H", table, starts_at)
        deltas = struct.unpack_from(f">{segments}h", table, starts_at + 2 * segments)
        ranges_at = starts_at + 4 * segments
        ranges = struct.unpack_from(f">{segments}H", table, ranges_at)
        mapping = {}
        for i in range(segments):
            for code in range(starts[i], ends[i] + 1):
                if code == 0xFFFF:
                    continue
                if ranges[i] == 0:
                    glyph = (code + deltas[i]) & 0xFFFF
                else:
                    at = ranges_at + 2 * i + ranges[i] + 2 * (code - starts[i])
                    glyph = struct.unpack_from(">H", table, at)[0]
                    glyph = (glyph + deltas[i]) & 0xFFFF if glyph else 0
                if glyph:
                    mapping[code] = glyph
        return mapping

    def glyph(self, index):
        return self.tables["glyf"][self.offsets[index]:self.offsets[index + 1]]

    def metrics(self, index):
        hmtx = self.tables["hmtx"]
        if index < self.metric_count:
            return struct.unpack_from(">Hh", hmtx, 4 * index)
        advance = struct.unpack_from(">H", hmtx, 4 * (self.metric_count - 1))[0]
        lsb = struct.unpack_from(">h", hmtx, 4 * self.metric_count
                                 + 2 * (index - self.metric_count))[0]
        return advance, lsb

    def name(self, name_id):
        table = self.tables["name"]
        count, strings = struct.unpack_from(">HH", table, 2)
        for i in range(count):
            platform, encoding, _, nid, length, offset = struct.unpack_from(
                ">6H", table, 6 + 12 * i)
            if nid == name_id and (platform, encoding) == (3, 1):
                return table[strings + offset:strings + offset + length].decode("utf-16-be")
        return None


def outline_without_hinting(glyph, code_point):
    """A simple glyph with its instructions left out; an empty glyph stays empty."""
    if not glyph:
        return b""
    contours = struct.unpack_from(">h", glyph, 0)[0]
    require(contours >= 0, f"U+{code_point:04X} is a composite glyph")
    header_end = 10 + 2 * contours
    instruction_length = struct.unpack_from(">H", glyph, header_end)[0]
    rest = glyph[header_end + 2 + instruction_length:]
    return glyph[:header_end] + b"\0\0" + rest


def outline_points(glyph):
    if not glyph:
        return 0, 0
    contours = struct.unpack_from(">h", glyph, 0)[0]
    last = struct.unpack_from(">H", glyph, 10 + 2 * (contours - 1))[0] if contours else -1
    return last + 1, contours


# ---- writing ---------------------------------------------------------------------------

def padded(data):
    return data + b"\0" * (-len(data) % 4)


def checksum(data):
    data = padded(data)
    return sum(struct.unpack(f">{len(data) // 4}I", data)) & 0xFFFFFFFF


def cmap_table(codes_to_glyphs):
    """Format 4, one segment per code (the font has a dozen codes), for the Unicode
    platform and the Windows Unicode encoding alike."""
    codes = sorted(codes_to_glyphs) + [0xFFFF]
    segments = len(codes)
    search = 2 * 2 ** (segments.bit_length() - 1)
    ends = codes
    starts = codes
    deltas = [(codes_to_glyphs[c] - c) & 0xFFFF for c in codes[:-1]] + [1]
    body = struct.pack(">HHHH", 2 * segments, search, (search // 2).bit_length() - 1,
                       2 * segments - search)
    body += struct.pack(f">{segments}H", *ends) + b"\0\0"
    body += struct.pack(f">{segments}H", *starts)
    body += struct.pack(f">{segments}H", *deltas)
    body += struct.pack(f">{segments}H", *([0] * segments))
    subtable = struct.pack(">HHH", 4, 6 + len(body), 0) + body
    return struct.pack(">HHHHIHHI", 0, 2, 0, 3, 20, 3, 1, 20) + subtable


def name_table():
    names = {0: COPYRIGHT, 1: FAMILY, 2: "Regular", 3: f"{FAMILY} Regular; DejaVu Sans 2.37",
             4: FAMILY, 5: VERSION, 6: POSTSCRIPT_NAME, 13: LICENCE}
    records, strings = [], b""
    for platform, encoding, language, codec in ((1, 0, 0, "mac-roman"),
                                                (3, 1, 0x409, "utf-16-be")):
        for name_id, text in names.items():
            data = text.encode(codec)
            records.append(struct.pack(">6H", platform, encoding, language, name_id,
                                       len(data), len(strings)))
            strings += data
    return struct.pack(">HHH", 0, len(records), 6 + 12 * len(records)) + b"".join(
        records) + strings


def glyph_bounds(glyph):
    return struct.unpack_from(">4h", glyph, 2) if glyph else None


def build(source):
    require(source.name(5) == EXPECTED_VERSION,
            f"expected DejaVu Sans {EXPECTED_VERSION}, found {source.name(5)!r}")
    order = [(None, 0)] + [(code, source.cmap.get(point)) for code, point in SYMBOLS]
    for (code, glyph), (_, point) in zip(order[1:], SYMBOLS):
        require(glyph, f"DejaVu Sans has no glyph for U+{point:04X}")
    glyphs = [outline_without_hinting(source.glyph(g), g) for _, g in order]
    metrics = [source.metrics(g) for _, g in order]
    codes_to_glyphs = {code: i for i, (code, _) in enumerate(order) if code is not None}

    glyf, loca = b"", []
    for glyph in glyphs:
        loca.append(len(glyf))
        glyf += padded(glyph)
    loca.append(len(glyf))

    boxes = [b for b in map(glyph_bounds, glyphs) if b]
    x_min, y_min = min(b[0] for b in boxes), min(b[1] for b in boxes)
    x_max, y_max = max(b[2] for b in boxes), max(b[3] for b in boxes)

    head = bytearray(source.tables["head"][:54])
    struct.pack_into(">I", head, 4, 0x00010000)             # font revision 1.0
    struct.pack_into(">I", head, 8, 0)                      # checksum adjustment, later
    struct.pack_into(">4h", head, 36, x_min, y_min, x_max, y_max)
    struct.pack_into(">h", head, 50, 1)                     # long loca offsets

    hhea = bytearray(source.tables["hhea"][:36])
    right_bearings = [adv - (lsb + (b[2] - b[0])) for (adv, lsb), b in
                      zip(metrics, map(glyph_bounds, glyphs)) if b]
    struct.pack_into(">H", hhea, 10, max(adv for adv, _ in metrics))
    struct.pack_into(">hhh", hhea, 12, min(lsb for (_, lsb), g in zip(metrics, glyphs) if g),
                     min(right_bearings),
                     max(lsb + b[2] - b[0] for (_, lsb), b in
                         zip(metrics, map(glyph_bounds, glyphs)) if b))
    struct.pack_into(">H", hhea, 34, len(glyphs))

    points = [outline_points(g) for g in glyphs]
    maxp = struct.pack(">IHHHHHHHHHHHHHH", 0x00010000, len(glyphs),
                       max(p for p, _ in points), max(c for _, c in points),
                       0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0)

    os2 = bytearray(source.tables["OS/2"])
    advances = [adv for adv, _ in metrics if adv]
    struct.pack_into(">h", os2, 2, round(sum(advances) / len(advances)))
    struct.pack_into(">4I", os2, 42, 1, 0, 0, 0)           # Unicode ranges: Basic Latin
    struct.pack_into(">HH", os2, 64, min(codes_to_glyphs), max(codes_to_glyphs))
    if struct.unpack_from(">H", os2, 0)[0] >= 1:
        struct.pack_into(">II", os2, 78, 1, 0)              # code pages: Latin 1

    post = bytearray(source.tables["post"][:32])
    struct.pack_into(">I", post, 0, 0x00030000)             # no glyph names

    hmtx = b"".join(struct.pack(">Hh", adv, lsb) for adv, lsb in metrics)
    tables = {"OS/2": bytes(os2), "cmap": cmap_table(codes_to_glyphs), "glyf": glyf,
              "head": bytes(head), "hhea": bytes(hhea), "hmtx": hmtx,
              "loca": struct.pack(f">{len(loca)}I", *loca), "maxp": maxp,
              "name": name_table(), "post": bytes(post)}
    return assemble(tables)


def assemble(tables):
    tags = sorted(tables)
    count = len(tags)
    search = 16 * 2 ** (count.bit_length() - 1)
    header = struct.pack(">IHHHH", 0x00010000, count, search, (search // 16).bit_length() - 1,
                         16 * count - search)
    offset = 12 + 16 * count
    directory, body = b"", b""
    for tag in tags:
        data = tables[tag]
        directory += struct.pack(">4sIII", tag.encode("latin-1"), checksum(data),
                                 offset + len(body), len(data))
        body += padded(data)
    font = bytearray(header + directory + body)
    head_at = offset + sum(len(padded(tables[t])) for t in tags[:tags.index("head")])
    struct.pack_into(">I", font, head_at + 8, (0xB1B0AFBA - checksum(bytes(font))) & 0xFFFFFFFF)
    return bytes(font)


def verify(font_bytes, source):
    """Reads the written font back: every code must show DejaVu's outline."""
    font = TrueTypeFile(font_bytes)
    require(font.name(1) == FAMILY, "family name not written")
    require(sorted(font.cmap) == sorted(code for code, _ in SYMBOLS), "cmap codes differ")
    for code, point in SYMBOLS:
        expected = outline_without_hinting(source.glyph(source.cmap[point]), point)
        actual = font.glyph(font.cmap[code])
        require(actual[:len(expected)] == expected and not actual[len(expected):].strip(b"\0"),
                f"code {code:#x}: glyph differs from U+{point:04X}")
        require(font.metrics(font.cmap[code]) == source.metrics(source.cmap[point]),
                f"code {code:#x}: metrics differ")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--dejavu", type=pathlib.Path, default=DEFAULT_DEJAVU)
    parser.add_argument("--out", type=pathlib.Path, default=ROOT / "data" / "astrof.ttf")
    args = parser.parse_args()
    try:
        source = TrueTypeFile(args.dejavu.read_bytes())
        font = build(source)
        verify(font, source)
    except (FontError, OSError, struct.error) as error:
        sys.exit(f"make_astro_font: {error}")
    args.out.write_bytes(font)
    print(f"{args.out}: {len(SYMBOLS)} codes, {len(font)} bytes")


if __name__ == "__main__":
    main()
