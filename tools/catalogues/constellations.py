"""The 89 constellation objects in their fixed order, their names, and the B1875 region
table of Roman (1987) that tells the constellation of a place.

Order: the IAU list in alphabetical order of the Latin names, with Serpens as two objects,
"Ser1" (Serpens Caput) and right after it "Ser2" (Serpens Cauda). The object number of a
constellation is its 1-based position in ORDER.

Latin names and genitives come from d3-celestial's constellations.json; the few that it
spells otherwise than the IAU list, or with letters code page 1251 lacks, are corrected in
LATIN_CORRECTIONS. The Russian names and genitives are written here by hand.
Standard library only."""
import json

from catalogue_common import CatalogueError, require

# (object code, Russian nominative, Russian genitive)
RUSSIAN = (
    ("And", "Андромеда", "Андромеды"),
    ("Ant", "Насос", "Насоса"),
    ("Aps", "Райская Птица", "Райской Птицы"),
    ("Aqr", "Водолей", "Водолея"),
    ("Aql", "Орёл", "Орла"),
    ("Ara", "Жертвенник", "Жертвенника"),
    ("Ari", "Овен", "Овна"),
    ("Aur", "Возничий", "Возничего"),
    ("Boo", "Волопас", "Волопаса"),
    ("Cae", "Резец", "Резца"),
    ("Cam", "Жираф", "Жирафа"),
    ("Cnc", "Рак", "Рака"),
    ("CVn", "Гончие Псы", "Гончих Псов"),
    ("CMa", "Большой Пёс", "Большого Пса"),
    ("CMi", "Малый Пёс", "Малого Пса"),
    ("Cap", "Козерог", "Козерога"),
    ("Car", "Киль", "Киля"),
    ("Cas", "Кассиопея", "Кассиопеи"),
    ("Cen", "Центавр", "Центавра"),
    ("Cep", "Цефей", "Цефея"),
    ("Cet", "Кит", "Кита"),
    ("Cha", "Хамелеон", "Хамелеона"),
    ("Cir", "Циркуль", "Циркуля"),
    ("Col", "Голубь", "Голубя"),
    ("Com", "Волосы Вероники", "Волос Вероники"),
    ("CrA", "Южная Корона", "Южной Короны"),
    ("CrB", "Северная Корона", "Северной Короны"),
    ("Crv", "Ворон", "Ворона"),
    ("Crt", "Чаша", "Чаши"),
    ("Cru", "Южный Крест", "Южного Креста"),
    ("Cyg", "Лебедь", "Лебедя"),
    ("Del", "Дельфин", "Дельфина"),
    ("Dor", "Золотая Рыба", "Золотой Рыбы"),
    ("Dra", "Дракон", "Дракона"),
    ("Equ", "Малый Конь", "Малого Коня"),
    ("Eri", "Эридан", "Эридана"),
    ("For", "Печь", "Печи"),
    ("Gem", "Близнецы", "Близнецов"),
    ("Gru", "Журавль", "Журавля"),
    ("Her", "Геркулес", "Геркулеса"),
    ("Hor", "Часы", "Часов"),
    ("Hya", "Гидра", "Гидры"),
    ("Hyi", "Южная Гидра", "Южной Гидры"),
    ("Ind", "Индеец", "Индейца"),
    ("Lac", "Ящерица", "Ящерицы"),
    ("Leo", "Лев", "Льва"),
    ("LMi", "Малый Лев", "Малого Льва"),
    ("Lep", "Заяц", "Зайца"),
    ("Lib", "Весы", "Весов"),
    ("Lup", "Волк", "Волка"),
    ("Lyn", "Рысь", "Рыси"),
    ("Lyr", "Лира", "Лиры"),
    ("Men", "Столовая Гора", "Столовой Горы"),
    ("Mic", "Микроскоп", "Микроскопа"),
    ("Mon", "Единорог", "Единорога"),
    ("Mus", "Муха", "Мухи"),
    ("Nor", "Наугольник", "Наугольника"),
    ("Oct", "Октант", "Октанта"),
    ("Oph", "Змееносец", "Змееносца"),
    ("Ori", "Орион", "Ориона"),
    ("Pav", "Павлин", "Павлина"),
    ("Peg", "Пегас", "Пегаса"),
    ("Per", "Персей", "Персея"),
    ("Phe", "Феникс", "Феникса"),
    ("Pic", "Живописец", "Живописца"),
    ("Psc", "Рыбы", "Рыб"),
    ("PsA", "Южная Рыба", "Южной Рыбы"),
    ("Pup", "Корма", "Кормы"),
    ("Pyx", "Компас", "Компаса"),
    ("Ret", "Сетка", "Сетки"),
    ("Sge", "Стрела", "Стрелы"),
    ("Sgr", "Стрелец", "Стрельца"),
    ("Sco", "Скорпион", "Скорпиона"),
    ("Scl", "Скульптор", "Скульптора"),
    ("Sct", "Щит", "Щита"),
    ("Ser1", "Голова Змеи", "Змеи"),
    ("Ser2", "Хвост Змеи", "Змеи"),
    ("Sex", "Секстант", "Секстанта"),
    ("Tau", "Телец", "Тельца"),
    ("Tel", "Телескоп", "Телескопа"),
    ("Tri", "Треугольник", "Треугольника"),
    ("TrA", "Южный Треугольник", "Южного Треугольника"),
    ("Tuc", "Тукан", "Тукана"),
    ("UMa", "Большая Медведица", "Большой Медведицы"),
    ("UMi", "Малая Медведица", "Малой Медведицы"),
    ("Vel", "Паруса", "Парусов"),
    ("Vir", "Дева", "Девы"),
    ("Vol", "Летучая Рыба", "Летучей Рыбы"),
    ("Vul", "Лисичка", "Лисички"),
)

ORDER = tuple(code for code, _, _ in RUSSIAN)

# Object code -> (Latin nominative, Latin genitive) where the source differs from the IAU
# spelling or uses a letter outside code page 1251 (the diaeresis of Bootes).
LATIN_CORRECTIONS = {
    "Boo": ("Bootes", "Bootis"),
    "CrA": ("Corona Australis", "Coronae Australis"),
    "Cru": ("Crux", "Crucis"),
}

# Serpens Caput lies west of 16h 45m (B1875), Serpens Cauda east of it; Ophiuchus
# separates them.
SERPENS_SPLIT_RA_HOURS = 16.75


def object_number(code):
    """1-based object number of an object code ("Ser1", "Ser2" for Serpens)."""
    try:
        return ORDER.index(code) + 1
    except ValueError:
        raise CatalogueError(f"unknown constellation {code!r}") from None


def serpens_part(ra1875_hours):
    return "Ser1" if ra1875_hours < SERPENS_SPLIT_RA_HOURS else "Ser2"


def object_code(iau, ra1875_hours):
    """Object code of an IAU abbreviation; Serpens is split by the B1875 RA."""
    code = serpens_part(ra1875_hours) if iau == "Ser" else iau
    object_number(code)
    return code


class RegionTable:
    """Roman (1987): rows (RA low, RA high in hours, Dec low in degrees, abbreviation) in
    decreasing Dec low, all B1875; a place belongs to the first row whose RA range holds
    it and whose Dec low it reaches."""

    def __init__(self, sources):
        path = sources / "constellation-regions" / "constellation_data_roman87.dat"
        self.rows = []
        for number, line in enumerate(path.read_text(encoding="ascii").splitlines(), 1):
            if not line.strip() or line.startswith("#"):
                continue
            fields = line.split()
            require(len(fields) == 4, f"{path.name} line {number}: {line!r}")
            ra_low, ra_high, dec_low = (float(v) for v in fields[:3])
            require(0 <= ra_low < ra_high <= 24 and -90 <= dec_low <= 90,
                    f"{path.name} line {number}: {line!r}")
            self.rows.append((ra_low, ra_high, dec_low, fields[3]))
            if fields[3] == "Ser":
                require(ra_high <= SERPENS_SPLIT_RA_HOURS or ra_low >= SERPENS_SPLIT_RA_HOURS,
                        f"{path.name} line {number}: Serpens row crosses the split")
        require(len({row[3] for row in self.rows}) == 88,
                f"{path.name}: expected the 88 constellations")

    def iau_at(self, ra1875_hours, dec1875_deg):
        for ra_low, ra_high, dec_low, iau in self.rows:
            if ra_low <= ra1875_hours < ra_high and dec1875_deg >= dec_low:
                return iau
        raise CatalogueError(f"no constellation at B1875 {ra1875_hours}h {dec1875_deg}")

    def code_at(self, ra1875_hours, dec1875_deg):
        return object_code(self.iau_at(ra1875_hours, dec1875_deg), ra1875_hours)


def load_names(sources):
    """[(code, latin, latin genitive, russian, russian genitive, label RA, label Dec)] in
    ORDER; the label place is J2000, in degrees."""
    path = sources / "d3-celestial" / "constellations.json"
    features = json.loads(path.read_text(encoding="utf-8"))["features"]
    require(len(features) == len(ORDER), f"{path.name}: {len(features)} constellations")
    result = []
    for feature, (code, russian, russian_genitive) in zip(features, RUSSIAN):
        properties = feature["properties"]
        source_code = "Ser" if code.startswith("Ser") else code
        require(feature["id"] == source_code and properties["desig"] == source_code,
                f"{path.name}: {feature['id']} where {code} belongs")
        latin, genitive = LATIN_CORRECTIONS.get(code, (properties["name"], properties["gen"]))
        lon, lat = feature["geometry"]["coordinates"]
        result.append((code, latin, genitive, russian, russian_genitive, lon % 360.0, lat))
    parts = [entry[1] for entry in result if entry[0].startswith("Ser")]
    require(parts == ["Serpens Caput", "Serpens Cauda"], f"{path.name}: Serpens parts {parts}")
    return result
