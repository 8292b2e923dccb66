#!/usr/bin/env python3
"""Makes the program's catalogue files from the public catalogues in data/sources:

  stars.dat     Bright Star Catalogue (make_stars.py)
  CONSTELL.DAT  constellation names and label places (make_constellation_files.py)
  CLINES.DAT    constellation figure lines (make_constellation_files.py)
  Bounds.dat    constellation boundaries, B1875 (make_constellation_files.py)
  STARNAME.DAT  proper star names (make_star_names.py)
  DEEPSKY.DAT   galaxies, nebulae, clusters (make_deep_sky.py)
  city.dat      cities of the place dialog (make_cities.py)

    python3 tools/catalogues/make_catalogues.py --out <folder> [--sources data/sources]

The build runs it with its own folder as the output. Every file is written under a
temporary name and renamed only when all of them were made, so a refused input leaves no
file behind; the message names the input, and the exit status is 1. The output depends on
the sources alone, byte for byte. Takes about five seconds. Standard library only."""
import argparse
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))

import bright_stars  # noqa: E402
import make_cities  # noqa: E402
import make_constellation_files  # noqa: E402
import make_deep_sky  # noqa: E402
import make_star_names  # noqa: E402
import make_stars  # noqa: E402
from catalogue_common import DEFAULT_SOURCES, CatalogueError  # noqa: E402
from constellations import RegionTable  # noqa: E402


def make_all(sources, out):
    regions = RegionTable(sources)
    stars = bright_stars.load(sources)
    makers = {
        "stars.dat": lambda p: make_stars.write(stars, regions, p),
        "CONSTELL.DAT": lambda p: make_constellation_files.write_names(sources, p),
        "CLINES.DAT": lambda p: make_constellation_files.write_lines(sources, stars, p),
        "Bounds.dat": lambda p: make_constellation_files.write_bounds(regions, p),
        "STARNAME.DAT": lambda p: make_star_names.write(sources, stars, p),
        "DEEPSKY.DAT": lambda p: make_deep_sky.write(sources, p),
        "city.dat": lambda p: make_cities.write(sources, p),
    }
    made = []
    try:
        for name, maker in makers.items():
            temporary = out / f".{name}.part"
            made.append((temporary, out / name, maker(temporary)))
    except BaseException:
        for temporary, _, _ in made:
            temporary.unlink(missing_ok=True)
        raise
    for temporary, final, count in made:
        temporary.replace(final)
        print(f"{final.name}: {count} records")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", required=True, type=pathlib.Path)
    parser.add_argument("--sources", default=DEFAULT_SOURCES, type=pathlib.Path)
    args = parser.parse_args()
    args.out.mkdir(parents=True, exist_ok=True)
    try:
        make_all(args.sources, args.out)
    except CatalogueError as error:
        sys.exit(f"make_catalogues: {error}")


if __name__ == "__main__":
    main()
