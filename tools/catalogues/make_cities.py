"""city.dat: the city list of the place dialog, from GeoNames' cities15000.

Selection: every city of more than 100,000 inhabitants, every national capital (feature
code PPLC), and every town of Russia in the file (over 15,000 inhabitants), since the
program's users are mostly there.

Names: the Russian name of the GeoNames id (ru-names.tsv) where it is written in Cyrillic,
otherwise the GeoNames name, or its ASCII form where the name has letters code page 1251
lacks. Where several chosen cities share a name, the most populous keeps it and the others
get in brackets the Russian name of their country, or of their region when they lie in the
same country (ru-countries-admin1.tsv). A name longer than its column is cut at
33 bytes.

Time zone: the standard offset of the city's IANA zone (data/sources/tzdata, made by
make_zone_offsets.py), in hours with two decimals, so that a zone of 5 h 45 min is
written 5.75.

One text line per city, sorted by name, code page 1251, CR LF line ends, fixed columns:
1-33 name, 34 blank, 35-43 east longitude (4 decimals), 44-52 latitude (4 decimals),
53-58 time zone in hours east of Greenwich (2 decimals); numbers right-aligned.
Standard library only."""
import re

from catalogue_common import CatalogueError, cp1251, fixed, require, write_text_lines

NAME_BYTES = 33
MIN_POPULATION = 100000
LINE_BYTES = 58
CYRILLIC = re.compile("[\u0400-\u04ff]")


def read_tsv(path):
    rows = {}
    for line in path.read_text(encoding="utf-8").splitlines():
        if line.strip():
            key, value = line.split("\t")
            rows[key] = value
    return rows


def read_zone_offsets(sources):
    offsets = {}
    path = sources / "tzdata" / "standard-offsets.tsv"
    for line in path.read_text(encoding="ascii").splitlines():
        if line.strip() and not line.startswith("#"):
            zone, minutes = line.split("\t")
            offsets[zone] = int(minutes)
    return offsets


def read_cities(sources):
    path = sources / "geonames" / "cities15000.txt"
    cities = []
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        if not line.strip():
            continue
        fields = line.split("\t")
        require(len(fields) == 19, f"{path.name} line {number}: {len(fields)} fields")
        cities.append({
            "id": fields[0], "name": fields[1], "ascii": fields[2],
            "lat": float(fields[4]), "lon": float(fields[5]), "code": fields[7],
            "country": fields[8], "admin1": fields[10], "population": int(fields[14] or 0),
            "zone": fields[17],
        })
    return cities


def chosen(city):
    return (city["population"] > MIN_POPULATION or city["code"] == "PPLC"
            or city["country"] == "RU")


def base_name(city, russian):
    name = russian.get(city["id"], "")
    if CYRILLIC.search(name):
        return name
    for candidate in (city["name"], city["ascii"]):
        try:
            candidate.encode("cp1251")
            return candidate
        except UnicodeEncodeError:
            continue
    raise CatalogueError(f"city {city['id']}: no name in code page 1251")


def place_of(city, largest, regions):
    """The country, or for a namesake in the same country its region, in Russian."""
    country = city["country"]
    if country == largest["country"]:
        region = regions.get(f"{country}.{city['admin1']}")
        if region:
            return region
    return regions.get(country, country)


def named(cities, russian, regions):
    """(name, city) with the shared names told apart by country or region."""
    names = [base_name(city, russian) for city in cities]
    largest = {}
    for name, city in zip(names, cities):
        key = name.casefold()
        if key not in largest or city["population"] > largest[key]["population"]:
            largest[key] = city
    result = []
    for name, city in zip(names, cities):
        first = largest[name.casefold()]
        if first is not city:
            name += f" ({place_of(city, first, regions)})"
        result.append((name, city))
    return result


def time_zone_hours(city, offsets):
    zone = city["zone"]
    if zone not in offsets:
        raise CatalogueError(f"city {city['id']}: unknown time zone {zone!r}")
    return offsets[zone] / 60.0


def line_of(name, city, offsets):
    text = cp1251(name, f"city {city['id']}")[:NAME_BYTES].ljust(NAME_BYTES)
    require(-180 <= city["lon"] <= 180 and -90 <= city["lat"] <= 90, f"city {city['id']}")
    line = (text + b" " + fixed(city["lon"], 4).rjust(9).encode("ascii")
            + fixed(city["lat"], 4).rjust(9).encode("ascii")
            + fixed(time_zone_hours(city, offsets), 2).rjust(6).encode("ascii"))
    require(len(line) == LINE_BYTES, f"city {city['id']}: line of {len(line)} bytes")
    return line


def sort_key(entry):
    name, city = entry
    return (name.casefold().replace("ё", "е"), name, city["lon"], city["lat"])


def write(sources, path):
    russian = read_tsv(sources / "geonames" / "ru-names.tsv")
    regions = read_tsv(sources / "geonames" / "ru-countries-admin1.tsv")
    offsets = read_zone_offsets(sources)
    cities = [city for city in read_cities(sources) if chosen(city)]
    entries = sorted(named(cities, russian, regions), key=sort_key)
    write_text_lines(path, [line_of(name, city, offsets) for name, city in entries])
    return len(entries)

