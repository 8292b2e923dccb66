#!/usr/bin/python3
"""Oracle tables of Delta T and calendar dates.

Writes to tests/fixtures/oracles/:
  deltat.csv    year (2000 + 100 T), Delta T (s), source:
                  usno  the US Naval Observatory's published half-yearly observed values,
                        1900.0 .. 1972.5 (data/sources/astronomia/deltat_historic.txt)
                  iers  TT - UT1 from the IERS daily series (finals2000A) shipped with
                        Skyfield, 1973 .. 2022.5, every 0.25 year
  calendar.csv  day, month, year (astronomical), hour, JD, source:
                  meeus    examples and table 7.a of Meeus, Astronomical Algorithms
                           (2nd ed., ch. 7), Julian calendar before 1582-10-15
                  datetime Python's proleptic Gregorian day count, 1583 .. 9999
Usage: /usr/bin/python3 tools/oracles/make_time_oracle.py
"""
import datetime
import random

import oracle_common as oc

MEEUS = [  # day, month, year, hour, JD
    (1, 1, 2000, 12.0, 2451545.0), (1, 1, 1999, 0.0, 2451179.5),
    (27, 1, 1987, 0.0, 2446822.5), (19, 6, 1987, 12.0, 2446966.0),
    (27, 1, 1988, 0.0, 2447187.5), (19, 6, 1988, 12.0, 2447332.0),
    (1, 1, 1900, 0.0, 2415020.5), (1, 1, 1600, 0.0, 2305447.5),
    (31, 12, 1600, 0.0, 2305812.5), (10, 4, 837, 7.2, 2026871.8),
    (31, 12, -123, 0.0, 1676496.5), (1, 1, -122, 0.0, 1676497.5),
    (12, 7, -1000, 12.0, 1356001.0), (29, 2, -1000, 0.0, 1355866.5),
    (17, 8, -1001, 21.6, 1355671.4), (1, 1, -4712, 12.0, 0.0),
    (4, 10, 1957, 19.44, 2436116.31), (27, 1, 333, 12.0, 1842713.0),
    (4, 10, 1582, 0.0, 2299159.5), (15, 10, 1582, 0.0, 2299160.5),
]


def deltat_rows():
    rows = []
    src = oc.ROOT / "data/sources/astronomia/deltat_historic.txt"
    for line in src.read_text().splitlines():
        if line and not line.startswith("#"):
            year, value = (float(v) for v in line.split())
            if 1900.0 <= year <= 1972.5:
                rows.append((year, value, "usno"))
    ts, _ = oc.load_ephemeris()
    year = 1973.0
    while year <= 2022.5:
        t = ts.tt(jd=2451545.0 + (year - 2000.0) * 365.25)
        rows.append((year, float(t.delta_t), "iers"))
        year += 0.25
    return rows


def calendar_rows():
    rows = [(d, m, y, h, jd, "meeus") for d, m, y, h, jd in MEEUS]
    rng = random.Random(7)
    for _ in range(40):
        date = datetime.date(1583, 1, 1) + datetime.timedelta(days=rng.randrange(3070000))
        hour = round(rng.uniform(0, 24), 3)
        jd = date.toordinal() + 1721424.5 + hour / 24.0
        rows.append((date.day, date.month, date.year, hour, jd, "datetime"))
    return rows


def main():
    command = "/usr/bin/python3 tools/oracles/make_time_oracle.py"
    oc.write_csv("deltat.csv", oc.provenance(command, "observed Delta T"),
                 ["year", "delta_t_s", "source"], deltat_rows())
    oc.write_csv("calendar.csv", [f"# calendar dates and Julian Dates", f"# Made by: {command}"],
                 ["day", "month", "year", "hour", "jd", "source"], calendar_rows())


if __name__ == "__main__":
    main()
