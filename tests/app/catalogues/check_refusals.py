#!/usr/bin/env python3
"""The catalogue generator refuses sources it cannot map: each case below spoils one source
file in a scratch copy of data/sources, and the generator must stop with status 1, name
the problem, and leave no catalogue file behind.

    check_refusals.py

Standard library only."""
import pathlib
import re
import subprocess
import sys
import tempfile

ROOT = pathlib.Path(__file__).resolve().parents[3]
SOURCES = ROOT / "data" / "sources"
GENERATOR = ROOT / "tools" / "catalogues" / "make_catalogues.py"


def blank_position(text):
    """HR 1 (a star) loses its J2000 position."""
    line = text.split("\n", 1)[0]
    return line[:75] + " " * 15 + line[90:] + "\n" + text.split("\n", 1)[1]


def unknown_constellation(text):
    return text.replace('"id":"Lyr"', '"id":"Xyz"', 1)


def unknown_time_zone(text):
    return text.replace("\tEurope/Moscow\t", "\tEurope/Nowhere\t", 1)


def unknown_bayer_letter(text):
    return re.sub(r"^(2491  9)Alp", r"\1Xyz", text, count=1, flags=re.M)


CASES = (
    ("bsc5/catalog.dat", blank_position, "HR 1: incomplete position"),
    ("bsc5/catalog.dat", unknown_bayer_letter, "unknown Bayer letter"),
    ("d3-celestial/constellations.lines.json", unknown_constellation, "unknown constellation"),
    ("geonames/cities15000.txt", unknown_time_zone, "unknown time zone"),
)


def scratch_sources(work, spoiled, change):
    """A copy of the sources in which only the spoiled file differs (the rest linked)."""
    root = pathlib.Path(work) / "sources"
    for folder in SOURCES.iterdir():
        (root / folder.name).mkdir(parents=True)
        for item in folder.iterdir():
            (root / folder.name / item.name).symlink_to(item)
    target = root / spoiled
    text = (SOURCES / spoiled).read_text(encoding="utf-8")
    target.unlink()
    changed = change(text)
    assert changed != text, f"the change of {spoiled} did nothing"
    target.write_text(changed, encoding="utf-8")
    return root


def main():
    failures = 0
    for spoiled, change, message in CASES:
        with tempfile.TemporaryDirectory() as work:
            sources = scratch_sources(work, spoiled, change)
            out = pathlib.Path(work) / "out"
            result = subprocess.run([sys.executable, GENERATOR, "--sources", sources, "--out", out],
                                    capture_output=True, text=True)
            left = sorted(p.name for p in out.iterdir()) if out.exists() else []
            if result.returncode != 1 or message not in result.stderr or left:
                failures += 1
                print(f"{change.__name__}: status {result.returncode}, files {left}, "
                      f"message {result.stderr.strip()!r}")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
