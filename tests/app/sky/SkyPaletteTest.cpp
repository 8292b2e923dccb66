// The sky palette model: entries from the scheme, palette-relative colours, bounds.
#include "SkyPalette.h"

#include <gtest/gtest.h>

namespace {

using namespace velarion::sky;
namespace kit = velarion::kit;

TEST(SkyPalette, HoldsTheSchemeColoursAndMarksThemPaletteRelative) {
  TColorScheme scheme("s", false);
  const TSkyPalette palette(scheme);
  EXPECT_EQ(palette.Entries()[kit::kDayBackgroundColour].blue, 160);
  EXPECT_EQ(palette.Entries()[kit::kHorizonColour].red, 255);
  EXPECT_TRUE(palette.Holds(Rgb(0, 0, 160)));
  EXPECT_EQ(palette.DrawingColor(Rgb(0, 0, 160)), Rgb(0, 0, 160) + kPaletteRelative);
  EXPECT_EQ(palette.DrawingColor(Rgb(1, 2, 3)), Rgb(1, 2, 3));
}

TEST(SkyPalette, UpdatesWithinItsBoundsOnly) {
  TColorScheme scheme("s", false);
  TSkyPalette palette(scheme);
  scheme.SetColor(kit::kSunColour, Rgb(250, 250, 1));
  EXPECT_EQ(palette.Update(scheme, 13, 2), "Out of palette bounds");
  EXPECT_FALSE(palette.Holds(Rgb(250, 250, 1)));
  EXPECT_EQ(palette.Update(scheme), std::nullopt);
  EXPECT_TRUE(palette.Holds(Rgb(250, 250, 1)));
}

TEST(SkyPalette, OnlyPaletteScreensOfMoreThan13EntriesNeedIt) {
  EXPECT_TRUE(IsPaletteDevice(true, 256));
  EXPECT_FALSE(IsPaletteDevice(true, 13));
  EXPECT_FALSE(IsPaletteDevice(false, 256));
  EXPECT_FALSE(ScreenUsesPalette());
}

}  // namespace
