// Prints the geocentric ecliptic longitude, latitude and distance of the Sun, the Moon and
// the planets for the present moment (mean ecliptic and equinox of date, geometric, light
// time ignored), from velsolar.
#include "Units.h"
#include "velastro.h"
#include "velsolar.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <string_view>

namespace {

using TTheory = void (*)(double, double*, double*, double*);

struct TBody {
  const char* name;
  TTheory heliocentric;
};

constexpr TBody kPlanets[] = {
    {"Меркурий", Mer404}, {"Венера", Ven404}, {"Марс", Mar404},   {"Юпитер", Jup404},
    {"Сатурн", Sat404},   {"Уран", Ura404},   {"Нептун", Nep404}, {"Плутон", Plu404},
};

double NowMjdUt() {
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  const double unixDays = std::chrono::duration<double>(now).count() / velcommon::kSecondsPerDay;
  return unixDays + velcommon::kMjdUnixEpoch;
}

// printf pads by bytes; the names are UTF-8, so pad by characters.
void PrintName(std::string_view name) {
  const auto characters =
      std::count_if(name.begin(), name.end(), [](char c) { return (c & 0xC0) != 0x80; });
  std::printf("%.*s%*s", static_cast<int>(name.size()), name.data(),
              static_cast<int>(12 - characters), "");
}

void PrintRow(const char* name, double lon, double lat, double distance, const char* unit) {
  PrintName(name);
  std::printf(" %11.5f %+10.5f %14.8f %s\n", lon, lat, distance, unit);
}

}  // namespace

int main() {
  const double mjdUt = NowMjdUt();
  const double t = GetT(mjdUt + GetDeltat(GetT(mjdUt)) / velcommon::kSecondsPerDay);
  int32_t day = 0, month = 0, year = 0;
  double hour = 0.0;
  CalDat(mjdUt, &day, &month, &year, &hour);
  std::printf("Velarion: %04d-%02d-%02d %02d:%02d UT, ΔT %.1f s\n", year, month, day,
              static_cast<int>(hour), static_cast<int>(std::fmod(hour, 1.0) * 60.0),
              GetDeltat(GetT(mjdUt)));
  PrintName("");
  std::printf("        λ, °       β, °     расстояние\n");

  double lon = 0.0, lat = 0.0, distance = 0.0;
  Sun404(t, &lon, &lat, &distance);
  PrintRow("Солнце", lon, lat, distance, "а.е.");
  Moon(t, &lon, &lat, &distance);
  PrintRow("Луна", lon, lat, distance, "R⊕");

  double ex = 0.0, ey = 0.0, ez = 0.0;
  Ear404(t, &lon, &lat, &distance);
  Cart(distance, lat, lon, &ex, &ey, &ez);
  for (const TBody& body : kPlanets) {
    double x = 0.0, y = 0.0, z = 0.0;
    body.heliocentric(t, &lon, &lat, &distance);
    Cart(distance, lat, lon, &x, &y, &z);
    Polar(x - ex, y - ey, z - ez, &distance, &lat, &lon);
    PrintRow(body.name, lon, lat, distance, "а.е.");
  }
  return 0;
}
