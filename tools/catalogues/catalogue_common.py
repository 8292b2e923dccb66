"""Helpers shared by the catalogue generators: the failure type, code page 1251 text,
fixed-point rounding, text files with CR LF line ends, and the precession of a J2000
place to the equinox B1875.0 in which the constellation boundaries are defined.
Standard library only."""
import math
import pathlib

ROOT = pathlib.Path(__file__).resolve().parents[2]
DEFAULT_SOURCES = ROOT / "data" / "sources"

# Julian centuries from J2000.0 of B1875.0, the equinox of the boundary table.
T_B1875 = -1.2499657768


class CatalogueError(Exception):
    """Input that a generator cannot map; the generator stops and writes nothing."""


def require(condition, message):
    if not condition:
        raise CatalogueError(message)


def cp1251(text, what):
    """The code page 1251 bytes of text; text the code page lacks is refused."""
    try:
        return text.encode("cp1251")
    except UnicodeEncodeError as error:
        raise CatalogueError(f"{what}: {text!r} has characters outside code page 1251") from error


def round_half_away(value):
    """Nearest integer, halves away from zero (so that -0.5 and 0.5 are treated alike)."""
    return int(math.floor(abs(value) + 0.5)) * (1 if value >= 0 else -1)


def fixed(value, decimals):
    """value as text with the given number of decimals, rounded half away from zero on
    the decimal value, so that 5.75 gives "5.8" whatever its binary neighbour."""
    scaled = round_half_away(round(value * 10**decimals, 6))
    sign = "-" if scaled < 0 else ""
    whole, part = divmod(abs(scaled), 10**decimals)
    return f"{sign}{whole}.{part:0{decimals}d}" if decimals else f"{sign}{whole}"


def write_text_lines(path, lines):
    """Writes byte lines with CR LF ends (the line end of the program's text files)."""
    pathlib.Path(path).write_bytes(b"".join(line + b"\r\n" for line in lines))


def check_range(value, low, high, what):
    require(low <= value <= high, f"{what}: {value} is outside {low}..{high}")
    return value


def _rotation_z(angle):
    c, s = math.cos(angle), math.sin(angle)
    return ((c, s, 0.0), (-s, c, 0.0), (0.0, 0.0, 1.0))


def _rotation_y(angle):
    c, s = math.cos(angle), math.sin(angle)
    return ((c, 0.0, -s), (0.0, 1.0, 0.0), (s, 0.0, c))


def _product(a, b):
    return tuple(tuple(sum(a[i][k] * b[k][j] for k in range(3)) for j in range(3))
                 for i in range(3))


def precession_from_j2000(t):
    """Matrix from the mean equator and equinox J2000.0 to those of t (Julian centuries),
    IAU 2006 precession in the angles zeta_A, z_A, theta_A of Capitaine, Wallace and
    Chapront (2003), without frame bias."""
    arcsec = math.pi / 180.0 / 3600.0
    zeta = (2.650545 + t * (2306.083227 + t * (0.2988499 + t * (0.01801828 + t * (
        -0.000005971 + t * -0.0000003173))))) * arcsec
    z = (-2.650545 + t * (2306.077181 + t * (1.0927348 + t * (0.01826837 + t * (
        -0.000028596 + t * -0.0000002904))))) * arcsec
    theta = (t * (2004.191903 + t * (-0.4294934 + t * (-0.04182264 + t * (
        -0.000007089 + t * -0.0000001274))))) * arcsec
    return _product(_rotation_z(-z), _product(_rotation_y(theta), _rotation_z(-zeta)))


_TO_B1875 = precession_from_j2000(T_B1875)


def j2000_to_b1875(ra_deg, dec_deg):
    """A J2000 place (degrees) in the mean equator and equinox B1875.0 (degrees)."""
    ra, dec = math.radians(ra_deg), math.radians(dec_deg)
    v = (math.cos(dec) * math.cos(ra), math.cos(dec) * math.sin(ra), math.sin(dec))
    w = [sum(_TO_B1875[i][j] * v[j] for j in range(3)) for i in range(3)]
    return (math.degrees(math.atan2(w[1], w[0])) % 360.0,
            math.degrees(math.asin(max(-1.0, min(1.0, w[2])))))


def angular_distance_deg(ra1, dec1, ra2, dec2):
    """Great-circle distance of two places in degrees (haversine, exact near 0)."""
    p1, p2 = math.radians(dec1), math.radians(dec2)
    h = (math.sin((p2 - p1) / 2) ** 2
         + math.cos(p1) * math.cos(p2) * math.sin(math.radians(ra2 - ra1) / 2) ** 2)
    return math.degrees(2 * math.asin(min(1.0, math.sqrt(h))))
