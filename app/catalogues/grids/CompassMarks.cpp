#include "CompassMarks.h"

#include "AngleUtils.h"
#include "Cp1251.h"
#include "MarkupText.h"

#include <algorithm>

namespace velarion::catalogues {

namespace {

using sky::RoundToInt;
using velplatform::TPoint;

TPoint AtFactor(const TDisc& d, const sky::TSinCos& sc, double factor) {
  return {d.cx + RoundToInt(factor * d.radius * sc.cos),
          d.cy - RoundToInt(factor * d.radius * sc.sin * d.yScale)};
}

// How many letter widths more a label of the left half moves left: the degree names are
// wider than the letters.
int32_t ExtraLetters(int mark) {
  if (mark == 3) return 1;
  if (mark == 7 || mark == 11 || mark == 15) return 2;
  return 0;
}

}  // namespace

std::array<TCompassMark, kCompassMarkCount> CompassMarks(const TDisc& disc, double rotationDeg,
                                                         int32_t fontHeight, int32_t letterWidth) {
  std::array<TCompassMark, kCompassMarkCount> marks{};
  if (disc.radius <= 0) {
    marks.fill({{disc.cx, disc.cy}, {disc.cx, disc.cy}, {disc.cx, disc.cy}});
    return marks;
  }
  const double tickFactor = double(fontHeight) / disc.radius * 5.0 / 9.0 + 1.0;
  const double labelFactor = double(fontHeight) / disc.radius + 1.0;
  for (int i = 1; i <= kCompassMarkCount; ++i) {
    const sky::TSinCos sc = sky::SinCosDeg(rotationDeg - 90.0 + (i - 1) * 22.5);
    TCompassMark& m = marks[static_cast<std::size_t>(i - 1)];
    m.onCircle = AtFactor(disc, sc, 1.0);
    m.tickEnd = AtFactor(disc, sc, tickFactor);
    m.labelCorner = AtFactor(disc, sc, labelFactor);
    m.labelCorner.x -= letterWidth / 2;
    m.labelCorner.y -= fontHeight / 2;
    if (sc.cos < 0.0) m.labelCorner.x -= ExtraLetters(i) * letterWidth;
  }
  return marks;
}

std::string CompassLabel(int mark, bool mirror, bool azimuthFromSouth) {
  static const char* const kNames[8] = {"Ю", "45°", "З", "135°", "С", "225°", "В", "315°"};
  int entry = (mark + 1) / 2;
  if (mirror) {
    entry = 10 - entry;
    if (entry > 8) entry -= 8;
  }
  if (!azimuthFromSouth && entry % 2 == 0) entry = (entry + 3) % 8 + 1;
  entry = std::clamp(entry, 1, 8);
  return std::string(1, sky::kMarkupNormal) + velplatform::Cp1251(kNames[entry - 1]);
}

}  // namespace velarion::catalogues
