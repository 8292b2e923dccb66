#!/usr/bin/env python3
"""Rebuilds generated data twice into fresh folders and compares them byte for byte.

    check_reproducible.py catalogues <build folder>   the catalogue files, also against the
                                                      ones the build made
    check_reproducible.py font                        the symbol font, also against the
                                                      committed data/astrof.ttf

Exit status 0 when identical, 1 when not, 77 (skipped) when the font's source, DejaVu Sans,
is not installed. Standard library only."""
import filecmp
import pathlib
import subprocess
import sys
import tempfile

ROOT = pathlib.Path(__file__).resolve().parents[3]
CATALOGUES = ("stars.dat", "CONSTELL.DAT", "STARNAME.DAT", "CLINES.DAT", "Bounds.dat",
              "DEEPSKY.DAT", "city.dat")
DEJAVU = pathlib.Path("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf")
SKIPPED = 77


def run(arguments):
    subprocess.run([sys.executable, *map(str, arguments)], check=True, stdout=subprocess.DEVNULL)


def same(first, second):
    if not filecmp.cmp(first, second, shallow=False):
        print(f"{first} and {second} differ")
        return False
    return True


def catalogues(build):
    generator = ROOT / "tools" / "catalogues" / "make_catalogues.py"
    with tempfile.TemporaryDirectory() as work:
        runs = [pathlib.Path(work) / "first", pathlib.Path(work) / "second"]
        for out in runs:
            run([generator, "--out", out])
        results = [same(runs[0] / name, runs[1] / name) and same(runs[0] / name, build / name)
                   for name in CATALOGUES]
    return all(results)


def font():
    if not DEJAVU.exists():
        print(f"{DEJAVU} is not installed")
        sys.exit(SKIPPED)
    generator = ROOT / "tools" / "font" / "make_astro_font.py"
    with tempfile.TemporaryDirectory() as work:
        outs = [pathlib.Path(work) / "first.ttf", pathlib.Path(work) / "second.ttf"]
        for out in outs:
            run([generator, "--out", out])
        return same(outs[0], outs[1]) and same(outs[0], ROOT / "data" / "astrof.ttf")


def main():
    if sys.argv[1:2] == ["catalogues"] and len(sys.argv) == 3:
        ok = catalogues(pathlib.Path(sys.argv[2]))
    elif sys.argv[1:] == ["font"]:
        ok = font()
    else:
        sys.exit(__doc__)
    sys.exit(0 if ok else 1)


if __name__ == "__main__":
    main()
