"""stars.dat: the bright-star file, made from the Bright Star Catalogue at build time (the
catalogue may only be passed on unmodified, so no converted copy is kept in the sources).

Every catalogue entry with a position (9,096 of 9,110), one 55-byte little-endian record
each, ordered from the faintest to the brightest (V decreasing; equal V by increasing HR):

  +0  uint16 HR               +2  int32 RA J2000, arcsec     +6  int32 Dec J2000, arcsec
  +10 int16 pm RA, mas/yr     +12 int16 pm Dec, mas/yr       +14 int16 V x 100
  +16 int16 B-V x 100 (-1000 unknown)                        +18 uint8 constellation object
  +19 uint8 Flamsteed (0 none) +20 Bayer letter code (0 none) +21 Bayer index ("1".."9", " ")
  +22 9 bytes designation: 5 characters right-aligned, a space, the abbreviation (blank none)
  +31 magnitude remark (u_Vmag, else n_Vmag)  +32 18 bytes spectral class, left-aligned
  +50 int16 parallax, mas (0 none; dynamical parallaxes included)
  +52 colour-index remark (u_B-V)  +53 double star flag (a multiple-star code or an ADS
  number)  +54 spectroscopic binary flag (SB in the radial-velocity remark)
Text fields are padded with blanks; "none" is a blank, except the Bayer letter (0).

Proper motion in RA is the rate of right ascension (mu_alpha, the catalogue's
mu_alpha * cos(delta) divided by cos(delta)): the program's proper motion adds it to the
right ascension as it stands. The constellation is the one of the catalogue's designation
(its Bayer or Flamsteed name, else its variable-star name); a star without one gets the
constellation of its place in the B1875 boundary table. A designation that disagrees with
the table is refused unless the star lies within 10 arcsec of the designated constellation
(VV Pyx, HR 3335, lies 4 arcsec inside Puppis). Standard library only."""
import math
import struct

import bright_stars
from catalogue_common import (CatalogueError, check_range, cp1251, j2000_to_b1875, require,
                              round_half_away)
from constellations import object_code, object_number

RECORD = struct.Struct("<HiihhhhBBcc9sc18shccB")
assert RECORD.size == 55

# Stars closer than this to a boundary may carry the designation of the neighbour.
BOUNDARY_MARGIN_ARCSEC = 10.0


def near_region(regions, iau, ra1875, dec1875):
    """True when a point within BOUNDARY_MARGIN_ARCSEC of the place lies in the region of
    iau: designations of stars on a boundary may follow either side."""
    step = BOUNDARY_MARGIN_ARCSEC / 3600.0
    stretch = 1.0 / max(math.cos(math.radians(dec1875)), 1e-6)
    return any(regions.iau_at(((ra1875 + dx * step * stretch) % 360.0) / 15.0,
                              max(-90.0, min(90.0, dec1875 + dy * step))) == iau
               for dx in (-1, 0, 1) for dy in (-1, 0, 1))


def constellation_of(star, regions):
    ra1875, dec1875 = j2000_to_b1875(star.ra_deg, star.dec_deg)
    given = star.constellation or star.designation_constellation
    from_table = regions.iau_at(ra1875 / 15.0, dec1875)
    if given and given != from_table and not near_region(regions, given, ra1875, dec1875):
        raise CatalogueError(
            f"HR {star.hr}: designated in {given}, but its place is in {from_table}")
    return object_number(object_code(given or from_table, ra1875 / 15.0))


def designation_field(star):
    if not star.designation:
        return b" " * 9
    return cp1251(f"{star.designation:>5} {star.designation_constellation}", f"HR {star.hr}")


def text_field(text, width, what):
    data = cp1251(text, what)
    require(len(data) <= width, f"{what}: {text!r} longer than {width} bytes")
    return data.ljust(width)


def int16(value, what):
    return check_range(round_half_away(value), -32768, 32767, what)


def pack(star, regions):
    what = f"HR {star.hr}"
    colour = -1000 if star.colour_index is None else int16(star.colour_index * 100, what)
    parallax = 0 if star.parallax is None else int16(star.parallax * 1000, what)
    return RECORD.pack(
        star.hr, star.ra_arcsec, star.dec_arcsec,
        int16(bright_stars.pm_ra_rate_mas(star), f"{what} pm RA"),
        int16(star.pm_dec * 1000, f"{what} pm Dec"),
        int16(star.vmag * 100, what), colour,
        constellation_of(star, regions),
        check_range(star.flamsteed, 0, 255, f"{what} Flamsteed"),
        cp1251(star.bayer, what) or b"\0", cp1251(star.bayer_index or " ", what),
        designation_field(star),
        cp1251(star.magnitude_remark or " ", what),
        text_field(star.spectral_class, 18, what),
        parallax,
        cp1251(star.colour_remark or " ", what),
        b"\1" if star.double else b"\0",
        1 if star.spectroscopic_binary else 0)


def write(stars, regions, path):
    ordered = sorted(stars, key=lambda s: (-round_half_away(s.vmag * 100), s.hr))
    require(len(ordered) == 9096, f"stars.dat: {len(ordered)} stars")
    path.write_bytes(b"".join(pack(star, regions) for star in ordered))
    return len(ordered)
