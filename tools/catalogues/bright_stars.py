"""Reads the Bright Star Catalogue, 5th revised edition (catalog.dat, byte layout in its
ReadMe; lines are right-trimmed and padded back to 197 bytes here).

The 14 entries that the catalogue keeps only for their numbers (novae, clusters and
galaxies removed from the list, their positions blank) are skipped by number; any other
entry without a position is refused. Standard library only."""
import dataclasses
import math
import re

from catalogue_common import CatalogueError, require

LINE_LENGTH = 197

# Entries without position and magnitude (ReadMe, note 1).
REMOVED = frozenset(
    (92, 95, 182, 1057, 1841, 2472, 2496, 3515, 3671, 6309, 6515, 7189, 7539, 8296))

BAYER_LETTERS = {
    "Alp": "a", "Bet": "b", "Gam": "g", "Del": "d", "Eps": "e", "Zet": "z", "Eta": "h",
    "The": "q", "Iot": "i", "Kap": "k", "Lam": "l", "Mu": "m", "Nu": "n", "Xi": "x",
    "Omi": "o", "Pi": "p", "Rho": "r", "Sig": "s", "Tau": "t", "Ups": "u", "Phi": "j",
    "Chi": "c", "Psi": "y", "Ome": "w",
}

# Designations of the variable-star identification field that are kept: Argelander
# letters (R, RS, AB ...), V numbers, and the Latin letters of Bayer's and Lacaille's
# lists (b Per, L2 Pup). Greek letters and plain numbers are not designations of this kind.
KEPT_DESIGNATION = re.compile(r"^(?:[A-Z]{1,2}|V\d{3,4}|[a-z]|[A-Z]\d)$")


@dataclasses.dataclass(frozen=True)
class Star:
    hr: int
    ra_deg: float
    dec_deg: float
    ra_arcsec: int
    dec_arcsec: int
    pm_ra_cos_dec: float      # arcsec per year, mu_alpha * cos(delta), as catalogued
    pm_dec: float             # arcsec per year
    vmag: float
    magnitude_remark: str
    colour_index: float | None
    colour_remark: str
    constellation: str        # IAU abbreviation of the designation, "" when none
    flamsteed: int
    bayer: str                # letter code of the symbol font, "" when none
    bayer_index: str          # "1".."9", "" when none
    designation: str          # kept variable-star or Latin-letter designation
    designation_constellation: str
    spectral_class: str       # without the blanks around it
    parallax: float | None    # arcsec
    double: bool
    spectroscopic_binary: bool
    hd: int | None


def _number(text, what):
    text = text.strip()
    if not text:
        return None
    try:
        return float(text)
    except ValueError:
        raise CatalogueError(f"{what}: {text!r} is not a number") from None


def _position(line, hr):
    """RA and Dec in whole arcseconds: the catalogue gives 0.1 s of time and 1 arcsec."""
    fields = (line[75:77], line[77:79], line[79:83], line[83], line[84:86], line[86:88],
              line[88:90])
    require(all(f.strip() for f in fields), f"HR {hr}: incomplete position")
    require(line[83] in "+-", f"HR {hr}: declination sign {line[83]!r}")
    # 0.1 s of time is 1.5 arcsec; 1.5 arcsec values are rounded half up to keep the
    # conversion one integer operation on the tenths of seconds.
    tenths = (int(line[75:77]) * 3600 + int(line[77:79]) * 60) * 10 + round(float(line[79:83]) * 10)
    ra_arcsec = (tenths * 15 + 5) // 10
    dec_arcsec = int(line[84:86]) * 3600 + int(line[86:88]) * 60 + int(line[88:90])
    if line[83] == "-":
        dec_arcsec = -dec_arcsec
    require(0 <= ra_arcsec < 1296000 and abs(dec_arcsec) <= 324000, f"HR {hr}: position")
    return ra_arcsec, dec_arcsec, tenths * 1.5 / 3600.0, dec_arcsec / 3600.0


def _name_field(line, hr):
    flamsteed = line[4:7].strip()
    bayer_token = line[7:10].strip()
    index = line[10].strip()
    constellation = line[11:14].strip()
    bayer = ""
    if bayer_token:
        require(bayer_token in BAYER_LETTERS, f"HR {hr}: unknown Bayer letter {bayer_token!r}")
        bayer = BAYER_LETTERS[bayer_token]
    require(index == "" or (bayer and index in "123456789"), f"HR {hr}: Bayer index {index!r}")
    require(bool(flamsteed or bayer) == bool(constellation), f"HR {hr}: name {line[4:14]!r}")
    require(flamsteed == "" or flamsteed.isdigit(), f"HR {hr}: Flamsteed {flamsteed!r}")
    return int(flamsteed or 0), bayer, index, constellation


def _designation(line):
    tokens = line[51:60].split()
    if len(tokens) == 2 and KEPT_DESIGNATION.match(tokens[0]) and len(tokens[1]) == 3:
        return tokens[0], tokens[1]
    return "", ""


def parse_line(raw):
    line = raw.rstrip("\n").ljust(LINE_LENGTH)
    require(len(line) == LINE_LENGTH, f"catalogue line longer than {LINE_LENGTH}: {raw!r}")
    hr = int(line[0:4])
    if hr in REMOVED:
        require(not line[75:90].strip(), f"HR {hr} is listed as removed but has a position")
        return None
    ra_arcsec, dec_arcsec, ra_deg, dec_deg = _position(line, hr)
    vmag = _number(line[102:107], f"HR {hr} V")
    require(vmag is not None, f"HR {hr}: no magnitude")
    flamsteed, bayer, index, constellation = _name_field(line, hr)
    designation, designation_constellation = _designation(line)
    parallax = _number(line[161:166], f"HR {hr} parallax")
    hd = _number(line[25:31], f"HR {hr} HD")
    return Star(
        hr=hr, ra_deg=ra_deg, dec_deg=dec_deg, ra_arcsec=ra_arcsec, dec_arcsec=dec_arcsec,
        pm_ra_cos_dec=_number(line[148:154], f"HR {hr} pmRA") or 0.0,
        pm_dec=_number(line[154:160], f"HR {hr} pmDE") or 0.0,
        vmag=vmag, magnitude_remark=(line[108].strip() or line[107].strip()),
        colour_index=_number(line[109:114], f"HR {hr} B-V"), colour_remark=line[114].strip(),
        constellation=constellation, flamsteed=flamsteed, bayer=bayer, bayer_index=index,
        designation=designation, designation_constellation=designation_constellation,
        spectral_class=line[127:147].strip(), parallax=parallax,
        double=bool(line[43].strip() or line[44:49].strip()),
        spectroscopic_binary="SB" in line[170:174],
        hd=int(hd) if hd is not None else None)


def load(sources):
    """The stars with positions, in catalogue order."""
    path = sources / "bsc5" / "catalog.dat"
    stars, numbers = [], []
    for raw in path.read_text(encoding="ascii").splitlines():
        if not raw.strip():
            continue
        numbers.append(int(raw[0:4]))
        star = parse_line(raw)
        if star is not None:
            stars.append(star)
    require(numbers == list(range(1, len(numbers) + 1)), f"{path.name}: HR numbers not 1..n")
    require(len(stars) == len(numbers) - len(REMOVED), f"{path.name}: removed entries")
    return stars


def pm_ra_rate_mas(star):
    """Proper motion in RA as a rate of right ascension in milliarcseconds per year:
    the catalogue's mu_alpha * cos(delta) divided by cos(delta), the form in which the
    program's linear proper motion adds it to the right ascension."""
    cos_dec = math.cos(math.radians(star.dec_deg))
    require(cos_dec > 1e-6, f"HR {star.hr}: too close to the pole")
    return star.pm_ra_cos_dec * 1000.0 / cos_dec
