// The configuration given to the sky image and taken back from it before a save.
#include "SkySettings.h"

#include "ProjectionExports.h"
#include "velastro.h"

#include <gtest/gtest.h>

namespace {

using namespace velarion::ui;
using velarion::sky::TSkyImage;

velarion::sky::TClockSource FixedClock() {
  return {[] { return MJD(10, 12, 2026, 19.0); }, [] { return 3.0; }};
}

velarion::sky::TColorSchemes TwoSchemesEach() {
  using velarion::sky::TColorScheme;
  velarion::sky::TColorSchemes schemes;
  for (const char* name : {"night", "red"}) {
    schemes.screen.push_back(std::make_shared<TColorScheme>(name, false));
    schemes.printer.push_back(std::make_shared<TColorScheme>(name, true));
  }
  return schemes;
}

TConfiguration Unusual() {
  TConfiguration c;
  c.sky.stereographic = false;
  c.sky.deltaTSeconds = 64.5;
  c.sky.atmosphere = {false, 950.0, -15.0};
  c.sky.azimuthFromSouth = true;
  c.sky.mirrorView = true;
  c.location = {5.75, -70.25, -33.5};
  c.sky.visibility = {false, true, false, true, 0x2A5, true, false};
  c.sky.skyColourMode = 1;
  c.sky.quick = {450, 200, 5.0, 9};
  c.sky.detailed = {1200, 300, 8.0, 20};
  c.sky.normalFont = "Liberation Sans";
  c.sky.greekFont = "Greek";
  c.sky.screenSchemePosition = 1;
  c.sky.printSchemePosition = 1;
  c.sky.starProperNames = true;
  c.sky.alwaysHighPrecision = false;
  c.sky.limitBySkyState = true;
  c.sky.pathsBeforeGroups = true;
  c.sky.showAsBitmap = false;
  c.grid = {{true, false, true, false}, {300, 900, 7200, 60}, false, true, false, true};
  return c;
}

class SkySettings : public testing::Test {
 protected:
  void SetUp() override { velarion::sky::InitProjectionTables(); }
  void TearDown() override { velarion::sky::FreeProjectionTables(); }
  velarion::sky::TColorSchemes schemes_ = TwoSchemesEach();
};

TEST_F(SkySettings, EverySkyValueGoesToTheImageAndComesBack) {
  for (const TConfiguration& given : {TConfiguration{}, Unusual()}) {
    TSkyImage image({}, FixedClock());
    ApplySkySettings(given, schemes_, image);
    TConfiguration taken;
    taken.window.popToolBar = true;  // not a sky value: left alone
    StoreSkySettings(image, schemes_, taken);
    TConfiguration expected = given;
    expected.window.popToolBar = true;
    EXPECT_EQ(taken, expected);
  }
}

TEST_F(SkySettings, OutOfRangeValuesAreClampedByTheImage) {
  TConfiguration c;
  c.sky.quick = {9000, -900, 40.0, 99};
  c.sky.skyColourMode = -1;
  c.location = {std::nullopt, 200.0, 95.0};
  c.sky.screenSchemePosition = 7;  // not in the list: the first
  TSkyImage image({}, FixedClock());
  ApplySkySettings(c, schemes_, image);
  EXPECT_EQ(image.StarLimit(false), 700);
  EXPECT_EQ(image.LabelLimit(false), -200);
  EXPECT_EQ(image.LabelFontSize(false), 10.0);
  EXPECT_EQ(image.StarSizes(false), 24);
  EXPECT_EQ(image.SkyColourMode(), 0);
  EXPECT_DOUBLE_EQ(image.Longitude(), -160.0);
  EXPECT_EQ(image.Latitude(), 90.0);
  EXPECT_EQ(&image.Scheme(false), schemes_.screen[0].get());
  EXPECT_TRUE(image.TimeZoneAutomatic());
  EXPECT_EQ(image.TimeZone(), 3.0);  // from the clock's zone
}

}  // namespace
