"""STARNAME.DAT: the proper names of the bright stars, in Russian.

The names are the English ones (the IAU list and the traditional names) of d3-celestial's
starnames.json, keyed there by Hipparcos number with the star's HD number; the HD number
finds the Bright Star Catalogue entry. The Russian forms are those of star_names_ru.
Names of stars outside the Bright Star Catalogue are left out; an English name that has no
Russian form and is not listed as excluded stops the generator.

One text line per star, "HR name", in increasing HR, code page 1251, CR LF line ends.
Standard library only."""
import json

import star_names_ru
from catalogue_common import CatalogueError, cp1251, require, write_text_lines


def hd_number(text):
    digits = text.replace("HD", "").replace("\u2009", "").strip()
    require(digits.isdigit(), f"starnames.json: HD number {text!r}")
    return int(digits)


def named_stars(sources, stars):
    by_hd = {}
    for star in stars:
        if star.hd is not None:
            require(star.hd not in by_hd, f"HD {star.hd} is two catalogue stars")
            by_hd[star.hd] = star.hr
    path = sources / "d3-celestial" / "starnames.json"
    names = {}
    for key, entry in sorted(json.loads(path.read_text(encoding="utf-8")).items(),
                             key=lambda item: int(item[0])):
        english = entry.get("name", "")
        if not english or not entry.get("hd") or hd_number(entry["hd"]) not in by_hd:
            continue
        if english in star_names_ru.EXCLUDED:
            continue
        if english not in star_names_ru.RUSSIAN:
            raise CatalogueError(f"{path.name}: no Russian form for {english!r} (HIP {key})")
        hr = by_hd[hd_number(entry["hd"])]
        require(hr not in names, f"{path.name}: HR {hr} is named twice")
        names[hr] = star_names_ru.RUSSIAN[english]
    return names


def write(sources, stars, path):
    names = named_stars(sources, stars)
    lines = [b"%d " % hr + cp1251(names[hr], f"HR {hr}") for hr in sorted(names)]
    write_text_lines(path, lines)
    return len(lines)
