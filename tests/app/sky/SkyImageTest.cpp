// The sky image: setters and their clamps, the layout of the disc, the redraw cycle,
// picking by painted pixels, the selection marks and the star sizes.
#include "SkyImage.h"

#include "Devices.h"
#include "ProjectionExports.h"
#include "SkyTestGroups.h"
#include "velastro.h"

#include <gtest/gtest.h>

namespace {

using namespace velarion::sky;
namespace kit = velarion::kit;
using veltest::AddShown;
using veltest::TDotGroup;

// The computer's clock reads 10 Dec 2026 18:30 UT.
const double kClockMjd = MJD(10, 12, 2026, 18.5);

TClockSource FixedClock(double zoneHours) {
  return {[] { return kClockMjd; }, [zoneHours] { return zoneHours; }};
}

class SkyImage : public testing::Test {
 protected:
  void SetUp() override { InitProjectionTables(); }
  void TearDown() override { FreeProjectionTables(); }
  TScreenMetrics screen{96, 96, 997, 16};
  TSkyImage image{screen, FixedClock(3.0)};
};

TEST_F(SkyImage, SettersClampTheirValues) {
  image.SetZoom(40);
  EXPECT_EQ(image.Zoom(), 50);
  image.SetZoom(300000);
  EXPECT_EQ(image.Zoom(), 200000);
  image.SetLabelLimit(-300);
  EXPECT_EQ(image.LabelLimit(false), -200);
  image.SetLabelLimit(800);
  EXPECT_EQ(image.LabelLimit(false), 700);
  image.SetDetailedLabelLimit(2500);
  EXPECT_EQ(image.LabelLimit(true), 2000);
  image.SetStarSizes(30);
  EXPECT_EQ(image.StarSizes(false), 24);
  image.SetLabelFontSize(0.2);
  EXPECT_EQ(image.LabelFontSize(false), 1.0);
  image.SetLongitude(190.0);
  EXPECT_DOUBLE_EQ(image.Longitude(), -170.0);
  image.SetLongitude(-180.0);
  EXPECT_DOUBLE_EQ(image.Longitude(), 180.0);
  image.SetLatitude(95.0);
  EXPECT_EQ(image.Latitude(), 90.0);
  image.SetViewRotation(-30.0);
  EXPECT_DOUBLE_EQ(image.ViewRotation(), 330.0);
}

TEST_F(SkyImage, TimeZonesFromMinus12ToPlus14) {
  image.SetTimeZoneAutomatic(false);
  for (double zone : {13.0, 14.0, -12.0, 5.75}) {
    image.SetTimeZone(zone);
    EXPECT_EQ(image.TimeZone(), zone);
  }
  image.SetTimeZone(15.0);
  EXPECT_EQ(image.TimeZone(), -9.0);
  image.SetTimeZoneAutomatic(true);
  EXPECT_EQ(image.TimeZone(), 3.0);  // from the computer's zone
}

TEST_F(SkyImage, TheLocalMomentIsKeptInTheCalendarsRange) {
  image.SetTimeZoneAutomatic(false);
  image.SetTimeZone(3.0);
  image.SetMjd(-1.0e7);
  EXPECT_DOUBLE_EQ(image.Mjd() + 3.0 / 24.0, TSkyImage::kMinLocalMjd);
  image.SetMjd(1.0e7);
  EXPECT_DOUBLE_EQ(image.Mjd() + 3.0 / 24.0, TSkyImage::kMaxLocalMjd);
  double hour = 0.0;
  const TLocalDateTime last = image.GetLocalDate(hour);
  EXPECT_EQ(last.year, 9999);
  EXPECT_EQ(last.day, 31);
}

// Now is the clock's universal moment, whatever zone the place shown keeps: a city three
// hours east of a computer on UT sees the same moment, three hours later on its clocks.
TEST_F(SkyImage, NowIsTheClocksMomentShownInThePlacesZone) {
  TSkyImage utcComputer{screen, FixedClock(0.0)};
  for (const double placeZone : {0.0, 3.0, -5.0}) {
    utcComputer.SetTimeZoneAutomatic(placeZone == 0.0);
    utcComputer.SetTimeZone(placeZone);
    utcComputer.SetTimeNow();
    EXPECT_DOUBLE_EQ(utcComputer.Mjd(), kClockMjd) << placeZone;
    double hour = 0.0;
    utcComputer.GetLocalDate(hour);
    EXPECT_NEAR(hour, 18.5 + placeZone, 1e-4) << placeZone;
  }
}

TEST_F(SkyImage, MomentBringsDeltaTAndSiderealTime) {
  image.SetTimeNow();
  EXPECT_DOUBLE_EQ(image.Mjd(), kClockMjd);
  EXPECT_NEAR(image.DeltaTDays() * 86400.0, 69.1, 1.0);
  EXPECT_DOUBLE_EQ(image.SiderealTime(), LMST(image.Mjd(), -image.Longitude()));
  EXPECT_DOUBLE_EQ(image.ApparentSiderealTime(), LAST(image.Mjd(), -image.Longitude()));
  image.SetDeltaTSeconds(100.0);  // ignored while automatic
  EXPECT_NEAR(image.DeltaTDays() * 86400.0, 69.1, 1.0);
  image.SetDeltaTAutomatic(false);
  image.SetDeltaTSeconds(100.0);
  EXPECT_DOUBLE_EQ(image.MjdDynamical(), image.Mjd() + 100.0 / 86400.0);
}

TEST_F(SkyImage, AtZoom100TheDiscSpansTheUsableHeight) {
  image.SetViewRect(1600, 1200, 0, 0, false, false);
  image.SetZoom(100);
  EXPECT_EQ(2 * image.Radius(), 997 + 3);
  image.SetAlwaysCentred(true);
  image.UpdateLayout(100);
  EXPECT_EQ(image.CentreX(), 800);
  EXPECT_EQ(image.CentreY(), 600);
}

TEST_F(SkyImage, PictureViewCentresTheDiscOrTheZenith) {
  image.SetPictureView(1600, 1200, 100);
  EXPECT_EQ(image.CentreX(), 800);
  EXPECT_EQ(image.CentreY(), 600);
  image.SetPictureView(640, 360, 2000);
  EXPECT_TRUE(image.DetailedView());
  EXPECT_EQ(image.CentreX(), 320);  // the zenith, the disc's centre, in the middle
  EXPECT_EQ(image.CentreY(), 180);
}

TEST_F(SkyImage, DiscThatDoesNotFitSitsAtItsMarginFromTheCorner) {
  image.SetViewRect(400, 300, 0, 0, true, true);
  image.SetZoom(300);
  const int32_t margin = static_cast<int32_t>(std::nearbyint(std::log(image.Radius() + 1.0) * 3.5));
  EXPECT_EQ(image.CentreX(), image.Radius() + margin);
  EXPECT_EQ(image.CentreY(), image.Radius() + margin);
  image.SetViewRect(1200, 900, 0, 0, true, true);
  image.SetZoom(50);  // fits now, so the bars go and the disc sits in the middle
  EXPECT_EQ(image.CentreX(), 608);
  EXPECT_EQ(image.CentreY(), 458);
}

TEST_F(SkyImage, OffscreenCanvasIsKeptPerSizeAndReleasedWhenSwitchedOff) {
  image.SetViewRect(320, 200, 0, 0, false, false);
  TDrawDevice* first = image.OffscreenCanvas();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->Width(), 320);
  EXPECT_EQ(first->Height(), 200);
  EXPECT_EQ(image.OffscreenCanvas(), first);
  image.SetViewRect(330, 200, 0, 0, false, false);
  EXPECT_EQ(image.OffscreenCanvas()->Width(), 330);
  image.SetShowAsBitmap(false);
  EXPECT_EQ(image.OffscreenCanvas(), nullptr);
}

class SkyImageWithGroups : public SkyImage {
 protected:
  void SetUp() override {
    SkyImage::SetUp();
    image.SetGroupLists(&list, nullptr);
    image.SetViewRect(200, 200, 0, 0, false, false);
  }
  velarion::groups::TGroupList list;
  std::unique_ptr<TDrawDevice> device = velplatform::CreateImageDevice(200, 200);
};

TEST_F(SkyImageWithGroups, GroupsAreCalculatedOnlyWhenTheViewChanged) {
  TDotGroup& dots =
      AddShown<TDotGroup>(list, "DOTS", std::vector<velplatform::TPoint>{{50, 50}}, 0xFFFFFF);
  image.PaintSky(*device, true);
  EXPECT_EQ(dots.calculations, 1);
  image.PaintSky(*device, true);
  EXPECT_EQ(dots.calculations, 1);
  image.SetLatitude(10.0);
  image.PaintSky(*device, true);
  EXPECT_EQ(dots.calculations, 2);
  EXPECT_EQ(device->GetPixel(50, 50), 0xFFFFFFu);
}

TEST_F(SkyImageWithGroups, TheSunGivesTheBackgroundAndLimitsTheStars) {
  AddShown<veltest::TFakeSun>(list, 0x123456u, uint8_t{3});
  image.PaintSky(*device, true);
  EXPECT_EQ(image.BackgroundColor(), 0x123456u);
  EXPECT_EQ(device->GetPixel(5, 5), 0x123456u);
  EXPECT_EQ(image.EffectiveStarLimit(), 500);  // not limited until asked to
  image.SetSkyBrightnessLimit(true);
  EXPECT_EQ(image.EffectiveStarLimit(), 200);
}

TEST_F(SkyImageWithGroups, NoStarsGiveTheSmallestSymbolWithoutOverflow) {
  AddShown<veltest::TFakeSun>(list, 0u, uint8_t{4});
  image.SetSkyBrightnessLimit(true);
  image.PaintSky(*device, false);
  EXPECT_EQ(image.EffectiveStarLimit(), TSkyImage::kNoStars);
  EXPECT_EQ(image.SymbolSizeForMagnitude(-150), 1);
}

TEST_F(SkyImage, SymbolSizesRunFromTheBrightestToTheLimit) {
  image.SetStarLimit(600);
  image.SetStarSizes(8);
  EXPECT_EQ(image.SymbolSizeForMagnitude(-150), 8);
  EXPECT_EQ(image.SymbolSizeForMagnitude(600), 1);
  EXPECT_EQ(image.SymbolSizeForMagnitude(225), 4);
}

TEST_F(SkyImageWithGroups, PickingFindsWhatPaintsThePixel) {
  AddShown<TDotGroup>(list, "A", std::vector<velplatform::TPoint>{{50, 50}, {120, 80}}, 0xFFFFFF);
  AddShown<TDotGroup>(list, "B", std::vector<velplatform::TPoint>{{51, 50}}, 0x00FF00);
  image.PaintSky(*device, true);
  image.PickObjects(10, 10, true);  // empty sky
  EXPECT_TRUE(image.Selection().empty());
  image.PickObjects(50, 50, true);  // two overlapping objects
  ASSERT_EQ(image.Selection().size(), 2u);
  EXPECT_EQ(image.Selection()[0].group->Code, "A");
  EXPECT_EQ(image.Selection()[0].index, 1);
  EXPECT_EQ(image.Selection()[1].group->Code, "B");
  image.PickObjects(50, 50, true);  // already selected: not twice
  EXPECT_EQ(image.Selection().size(), 2u);
  int32_t x = 0, y = 0;
  ASSERT_TRUE(image.GetSelectionCentre(x, y));
  EXPECT_EQ(x, 50);
  EXPECT_EQ(y, 50);
}

TEST_F(SkyImageWithGroups, SelectionMarksDrawnTwiceRestoreThePicture) {
  AddShown<TDotGroup>(list, "A", std::vector<velplatform::TPoint>{{40, 40}, {90, 70}}, 0xFFFFFF);
  image.PaintSky(*device, true);
  image.SelectSkyObject(list.Element(0).Group(), 1);
  image.AddSelectedObject(list.Element(0).Group(), 2);
  std::vector<TColor> before;
  for (int32_t y = 0; y < 200; ++y) {
    for (int32_t x = 0; x < 200; ++x) before.push_back(device->GetPixel(x, y));
  }
  image.DrawSelectionMarks(*device);
  // On the black sky the marks show white: a corner square, and the dashed outline.
  EXPECT_EQ(device->GetPixel(38, 38), 0xFFFFFFu);
  EXPECT_EQ(device->GetPixel(48, 39), 0xFFFFFFu);  // dashes of 4 from x = 39
  EXPECT_EQ(device->GetPixel(44, 39), 0u);
  image.DrawSelectionMarks(*device);
  std::vector<TColor> after;
  for (int32_t y = 0; y < 200; ++y) {
    for (int32_t x = 0; x < 200; ++x) after.push_back(device->GetPixel(x, y));
  }
  EXPECT_EQ(after, before);
}

TEST_F(SkyImageWithGroups, TheViewRecordCarriesTheLayoutAndTheScheme) {
  auto scheme = std::make_shared<TColorScheme>("s", false);
  scheme->SetColor(kit::kHorizonColour, 0xABCDEF);
  image.SetColorSchemes(scheme, nullptr);
  image.PaintSky(*device, false);
  const velarion::kit::TViewParameters v =
      velarion::kit::ReadRefreshParam(image.RefreshParamRecord());
  EXPECT_EQ(v.radius, image.Radius());
  EXPECT_EQ(v.colours[kit::kHorizonColour], 0xABCDEFu);
  EXPECT_EQ(v.fontHeight, image.FontHeight());
  EXPECT_GT(image.FontHeight(), 0);
  EXPECT_EQ(v.objectsVisible5To14, 1023);
  EXPECT_FALSE(image.StatusTexts().zoom.empty());
  int32_t w = 0, h = 0;
  EXPECT_TRUE(image.OutputDevice().GetSymbolSize(14, w, h));
  EXPECT_TRUE(image.OutputDevice().GetSymbolSize(25, w, h));
}

}  // namespace
