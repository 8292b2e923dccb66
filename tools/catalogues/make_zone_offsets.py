#!/usr/bin/env python3
"""Writes data/sources/tzdata/standard-offsets.tsv: the standard UTC offset, in minutes,
of every IANA time zone that GeoNames' cities15000 names, read from the time zone
database installed on this machine (Debian's tzdata, public domain).

The standard offset is the smaller of the offsets on 15 January and 15 July of REFERENCE_YEAR:
daylight saving always adds to the standard time, in either hemisphere. The table is kept
in the sources, so that city.dat does not depend on the tzdata of the machine that builds
it; run this again only to take up a newer tzdata.

    python3 tools/catalogues/make_zone_offsets.py

Standard library only (zoneinfo)."""
import datetime
import pathlib
import sys
import zoneinfo

ROOT = pathlib.Path(__file__).resolve().parents[2]
SOURCES = ROOT / "data" / "sources"
REFERENCE_YEAR = 2025
TZDATA_VERSION_FILE = pathlib.Path("/usr/share/zoneinfo/tzdata.zi")


def standard_offset_minutes(zone):
    info = zoneinfo.ZoneInfo(zone)
    offsets = [datetime.datetime(REFERENCE_YEAR, month, 15, 12, tzinfo=info).utcoffset()
               for month in (1, 7)]
    return int(min(offsets).total_seconds()) // 60


def main():
    cities = (SOURCES / "geonames" / "cities15000.txt").read_text(encoding="utf-8")
    zones = sorted({line.split("\t")[17] for line in cities.splitlines() if line.strip()})
    version = TZDATA_VERSION_FILE.read_text(encoding="ascii").splitlines()[0].lstrip("# ")
    lines = [f"# Standard UTC offsets in minutes, tzdata {version}, year {REFERENCE_YEAR};"
             " made by tools/catalogues/make_zone_offsets.py"]
    for zone in zones:
        try:
            lines.append(f"{zone}\t{standard_offset_minutes(zone)}")
        except zoneinfo.ZoneInfoNotFoundError:
            sys.exit(f"time zone {zone!r} is not in the installed tzdata")
    out = SOURCES / "tzdata" / "standard-offsets.tsv"
    out.write_text("\n".join(lines) + "\n", encoding="ascii")
    print(f"{out}: {len(zones)} zones")


if __name__ == "__main__":
    main()
