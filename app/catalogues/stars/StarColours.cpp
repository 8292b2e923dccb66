#include "StarColours.h"

#include "StarFile.h"

#include <array>

namespace velarion::catalogues {
namespace {

using velplatform::RgbColor;
using velplatform::TColor;

struct TColourBand {
  int16_t below;  // the band holds indexes from the previous band's bound up to this one
  TColor colour;
};

constexpr TColor kWhite = RgbColor(255, 255, 255);

constexpr std::array<TColourBand, 5> kBands = {{
    {0, RgbColor(0, 255, 255)},
    {50, kWhite},
    {100, RgbColor(255, 255, 0)},
    {150, RgbColor(255, 128, 0)},
    {1000, RgbColor(255, 0, 0)},
}};

}  // namespace

TColor StarColourForIndex(int16_t colourIndexCenti) {
  // The unknown value is negative, so it has to be recognised before the bands are.
  if (colourIndexCenti == TStarRecord::kUnknownColourIndex) return kWhite;
  for (const TColourBand& band : kBands) {
    if (colourIndexCenti < band.below) return band.colour;
  }
  return kWhite;
}

}  // namespace velarion::catalogues
