#include "EphemerisColumns.h"

#include "Cp1251.h"
#include "Language.h"

#include <algorithm>

namespace velarion::ephemeris {

namespace {

using velplatform::Cp1251;

constexpr int32_t kDateWidth = 21;
constexpr int32_t kTimeOfDayWidth = 10;  // "hh mm ss  "
constexpr std::size_t kLongestCountedName = 40;

const std::array<std::string, kEquatorialPrecisions>& EquatorialUnits() {
  static const std::array<std::string, kEquatorialPrecisions> kUnits = {
      Cp1251("   ч  м     °  '"), Cp1251("   ч  м  с   °  ' "), Cp1251("   ч  м  с     °  '  \""),
      Cp1251("   ч  м  с      °  '  \" ")};
  return kUnits;
}

int32_t Length(const std::string& text) { return static_cast<int32_t>(text.size()); }

int32_t DateWidth(TDateStyle date) {
  int32_t width = kDateWidth;
  if (date.wholeDays) width -= kTimeOfDayWidth;
  if (date.beforeChrist) width += Length(sky::EraNames(sky::InterfaceLanguage()).beforeChrist);
  return width;
}

int32_t NameWidth(const std::string& header, std::span<const std::string> names) {
  std::size_t longest = header.size();
  for (const std::string& name : names) {
    if (name.size() < kLongestCountedName) longest = std::max(longest, name.size());
  }
  return 1 + static_cast<int32_t>(longest);
}

TColumnLayout Column(TEphemColumn kind, std::vector<const char*> utf8Header, std::string units,
                     int32_t width) {
  TColumnLayout layout{kind, {}, std::move(units), width};
  for (const char* line : utf8Header) layout.header.push_back(Cp1251(line));
  return layout;
}

TColumnLayout LayOut(TEphemColumn kind, const TColumnChoice& choice, TDateStyle date,
                     std::span<const std::string> names) {
  switch (kind) {
    case TEphemColumn::kDate:
      return Column(kind, {"Дата"}, date.wholeDays ? "" : Cp1251("  ч  м  с"), DateWidth(date));
    case TEphemColumn::kJulianDate:
      return Column(kind, {"JD"}, "", 14);
    case TEphemColumn::kModifiedJulianDate:
      return Column(kind, {"MJD"}, "", 14);
    case TEphemColumn::kName: {
      TColumnLayout name = Column(kind, {"Наименование"}, "", 0);
      name.width = NameWidth(name.header.front(), names);
      return name;
    }
    case TEphemColumn::kEquatorialOfDate: {
      const std::string& units = EquatorialUnits()[choice.equatorialPrecision];
      return Column(kind,
                    {"Экв. координаты", "на текущую эпоху",
                     choice.hourAngle ? "(Часов.угол/Склонение)" : "(Прямое восх./Склонение)"},
                    units, Length(units));
    }
    case TEphemColumn::kEquatorialOfCatalogue: {
      const std::string& units = EquatorialUnits()[choice.cataloguePrecision];
      return Column(kind, {"Экв.координаты", "(эпоха каталога)"}, units, Length(units));
    }
    case TEphemColumn::kHorizontal:
      return Column(kind, {"Гориз.координаты", "(Азимут/Высота)"}, Cp1251("    °       °"), 16);
    case TEphemColumn::kRiseSet:
      return Column(kind, {" Восход/Заход"}, Cp1251("   ч  м   ч  м"), 14);
    case TEphemColumn::kRiseSetAzimuths:
      return Column(kind, {"Азимуты", "Восх./Зах."}, Cp1251("    °    °"), 12);
    case TEphemColumn::kCulmination:
      return Column(kind, {" Кульминация", "(Время/Высота)"}, Cp1251("   ч  м    °"), 13);
    case TEphemColumn::kMagnitude:
      return Column(kind, {"Зв.вел."}, "   m  ", 6);
    case TEphemColumn::kSize:
      return Column(kind, {"Углов.", "размер"}, std::string(5, ' '), 5);
    case TEphemColumn::kPhase:
      return Column(kind, {"Фаза"}, std::string(4, ' '), 4);
    case TEphemColumn::kDistance:
      return Column(kind, {"Расстояние"}, std::string(12, ' '), 12);
  }
  return {};
}

bool Present(TEphemColumn kind, const TColumnChoice& choice, TTableKind table) {
  switch (kind) {
    case TEphemColumn::kDate:
    case TEphemColumn::kJulianDate:
    case TEphemColumn::kModifiedJulianDate:
      return table == TTableKind::kPeriod && choice.Shows(kind);
    case TEphemColumn::kName:
      return table == TTableKind::kGroup;
    default:
      return choice.Shows(kind);
  }
}

}  // namespace

const std::array<std::string, kEquatorialPrecisions>& EquatorialPrecisionNames() {
  static const std::array<std::string, kEquatorialPrecisions> kNames = {
      Cp1251("##ч ##.#м   +##° ##'"), Cp1251("##ч ##м ##c   +##° ##.#'"),
      Cp1251("##ч ##м ##.#с   +##° ##' ##\""), Cp1251("##ч ##м ##.##с   +##° ##' ##.#\"")};
  return kNames;
}

std::vector<TColumnLayout> LayOutColumns(const TColumnChoice& choice, TTableKind kind,
                                         TDateStyle date, std::span<const std::string> names) {
  std::vector<TColumnLayout> columns;
  for (std::size_t k = 0; k < kEphemColumnKinds; ++k) {
    const auto column = static_cast<TEphemColumn>(k);
    if (!Present(column, choice, kind)) continue;
    TColumnLayout layout = LayOut(column, choice, date, names);
    for (const std::string& line : layout.header) {
      layout.width = std::max(layout.width, Length(line));
    }
    columns.push_back(std::move(layout));
  }
  return columns;
}

}  // namespace velarion::ephemeris
