// The parameters dialog: what it shows of the sky image and the configuration, what
// "&Верно" stores, the pressure units, the sky-background boxes, the system time zone and
// the city list; the choice of solar-system bodies.
#include "Atmosphere.h"
#include "Cp1251.h"
#include "EchoingControls.h"
#include "FakeDialogs.h"
#include "ParSet.h"
#include "SolarForm.h"
#include "ViewCity.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <memory>

namespace velarion::ui {
namespace {

using velplatform::Cp1251;
using veltest::TFakeControls;
using veltest::TFakeDialogs;
using TLogic = velplatform::TDialogLogic;
using P = TParamForm;

// A computer whose zone is Kathmandu's.
constexpr double kSystemZone = 5.75;

std::unique_ptr<sky::TSkyImage> MakeImage() {
  sky::TClockSource clock{[] { return 51544.0; }, [] { return kSystemZone; }};
  auto owned = std::make_unique<sky::TSkyImage>(sky::TScreenMetrics{}, clock);
  sky::TSkyImage& image = *owned;
  image.SetTimeZoneAutomatic(false);
  image.SetTimeZone(-5.0);
  image.SetLongitude(-74.006);
  image.SetLatitude(40.7143);
  image.SetPressure(1000.0);
  image.SetTemperature(-14.6);
  return owned;
}

TEST(AtmosphereTest, PressureAndTemperatureAsStored) {
  struct TCase {
    double shown;
    bool millimetres;
    double mbar;
  };
  // 740 mm × 1.3332196 = 986.58 mbar; 600 mm = 799.9 mbar, below the range.
  const TCase pressures[] = {{740, true, 987},    {600, true, 900},      {900, false, 900},
                             {1200, false, 1100}, {1013.4, false, 1013}, {850, true, 1100},
                             {0, false, 900}};
  for (const TCase& c : pressures) {
    EXPECT_EQ(StoredPressureMbar(c.shown, c.millimetres), c.mbar) << c.shown;
  }
  const double temperatures[][2] = {{-15, -15}, {-55, -40}, {40.4, 40}, {12.6, 13}, {99, 40}};
  for (const auto& t : temperatures) EXPECT_EQ(StoredTemperatureC(t[0]), t[1]) << t[0];
  // 1013.25 mbar is 760 mm of mercury.
  EXPECT_EQ(MillibarToShownMillimetres(1013.25), 760);
  EXPECT_EQ(MillimetresToShownMillibar(760), 1013);
}

TEST(ParamFormTest, OpeningShowsTheImagesValues) {
  const auto owned = MakeImage();
  sky::TSkyImage& image = *owned;
  image.SetObjectVisible(4, true);    // constellation figures
  image.SetObjectVisible(16, false);  // the solar system
  image.SetObjectVisible(15, true);   // deep sky
  image.SetSkyColourMode(2);
  image.SetFonts("Arial", "Symbol");
  TConfiguration configuration;
  configuration.sky.hourAngleInStatusBar = true;
  P form(0, image, configuration, {{"DejaVu Sans", "Arial"}, {}}, "city.dat");
  TFakeControls c(P::Layout());
  form.Init(c);
  EXPECT_EQ(c.Text(P::kPlace.longitude), "74.00600");
  EXPECT_TRUE(c.Checked(P::kPlace.west));
  EXPECT_EQ(c.Text(P::kPlace.latitude), "40.71430");
  EXPECT_TRUE(c.Checked(P::kPlace.north));
  EXPECT_EQ(c.Text(P::kPlace.timeZone), "5.00");
  EXPECT_TRUE(c.Checked(P::kPlace.beforeGreenwich));
  EXPECT_FALSE(c.Checked(P::kSystemTimeZone));
  EXPECT_TRUE(c.Enabled(P::kPlace.timeZone));
  // 1000 mbar × 0.750064 = 750.06 mm.
  EXPECT_EQ(c.Text(P::kPressure), "750");
  EXPECT_TRUE(c.Checked(P::kMillimetres));
  EXPECT_EQ(c.Text(P::kTemperature), "-15");
  EXPECT_TRUE(c.Checked(P::kFigures));
  EXPECT_FALSE(c.Checked(P::kSolarSystem));
  EXPECT_TRUE(c.Checked(P::kDeepSky));
  EXPECT_TRUE(c.Checked(P::kDayColour));
  EXPECT_TRUE(c.Checked(P::kCivilTwilightColour));
  EXPECT_FALSE(c.Checked(P::kAstronomicalTwilightColour));
  EXPECT_TRUE(c.Enabled(P::kAstronomicalTwilightColour));
  EXPECT_TRUE(c.Checked(P::kHourAngle));
  EXPECT_FALSE(c.Checked(P::kRightAscension));
  // A family not installed stays choosable under its own name.
  EXPECT_EQ(c.Item(P::kNormalFont, c.Selected(P::kNormalFont)), "Arial");
  EXPECT_EQ(c.Item(P::kGreekFont, c.Selected(P::kGreekFont)), "Symbol");
}

TEST(ParamFormTest, EachControlSitsOnItsPageAndTheCallersPageIsShownFirst) {
  for (const velplatform::TControlLayout& control : P::Layout().controls) {
    using velplatform::TControlKind;
    const bool dialogWide = control.kind == TControlKind::kPageControl ||
                            control.kind == TControlKind::kOkButton ||
                            control.kind == TControlKind::kCancelButton;
    if (dialogWide) {
      EXPECT_EQ(control.page, 0) << control.id;
    } else if (control.id == 0) {
      EXPECT_GE(control.page, 1);  // labels and frames belong to a page too
      EXPECT_LE(control.page, 5);
    } else {
      EXPECT_EQ(control.page, control.id / 100 - 1) << control.id;  // 2xx place … 6xx picture
    }
  }
  TFakeDialogs dialogs({[](TFakeControls& c, TLogic&) {
    EXPECT_EQ(c.Control(P::kPages)->pageCount, 5);
    EXPECT_EQ(c.CurrentPage(P::kPages), ParamPageNumber(TParamPage::kCoordinates));
    EXPECT_EQ(c.focused, P::kParallel);
    return false;
  }});
  const auto image = MakeImage();
  TConfiguration configuration;
  EXPECT_FALSE(ShowParamForm(0, *image, configuration, {}, "city.dat", TParamPage::kCoordinates));
  ASSERT_EQ(dialogs.Shown().size(), 1U);
}

TEST(ParamFormTest, OkStoresEveryValueWithItsSide) {
  const auto owned = MakeImage();
  sky::TSkyImage& image = *owned;
  TConfiguration configuration;
  TFakeDialogs dialogs({[](TFakeControls& c, TLogic& l) {
    c.Type(l, P::kPlace.longitude, "85.3206");
    c.Click(l, P::kPlace.east, true);
    c.Click(l, P::kPlace.west, false);
    c.Type(l, P::kPlace.latitude, "-33.8679");  // the field's sign is not the side
    c.Click(l, P::kPlace.south, true);
    c.Click(l, P::kPlace.north, false);
    c.Type(l, P::kPlace.timeZone, "5.75");
    c.Click(l, P::kPlace.afterGreenwich, true);
    c.Click(l, P::kPlace.beforeGreenwich, false);
    c.Type(l, P::kPressure, "740");
    c.Type(l, P::kTemperature, "-55");
    c.Click(l, P::kFigures, true);
    c.Click(l, P::kSolarSystem, false);
    c.Click(l, P::kConic, false);
    c.Click(l, P::kParallel, true);
    c.Click(l, P::kFromSouth, true);
    c.Click(l, P::kFromNorth, false);
    c.Click(l, P::kMirror, true);
    c.Click(l, P::kObjectHints, false);
    c.Click(l, P::kPrintPreview, false);
    c.Click(l, P::kHourAngle, true);
    c.Click(l, P::kRightAscension, false);
    return c.PressOk(l);
  }});
  ASSERT_TRUE(ShowParamForm(0, image, configuration, {}, "city.dat"));
  EXPECT_DOUBLE_EQ(image.Longitude(), 85.3206);
  EXPECT_DOUBLE_EQ(image.Latitude(), -33.8679);
  EXPECT_DOUBLE_EQ(image.TimeZone(), 5.75);
  EXPECT_FALSE(image.TimeZoneAutomatic());
  EXPECT_EQ(image.Pressure(), 987.0);
  EXPECT_EQ(image.Temperature(), -40.0);
  EXPECT_TRUE(image.ObjectVisible(4));
  EXPECT_FALSE(image.ObjectVisible(16));
  EXPECT_EQ(image.Projection(), 0);
  EXPECT_TRUE(image.AzimuthFromSouth());
  EXPECT_TRUE(image.Mirror());
  EXPECT_FALSE(configuration.sky.objectHints);
  EXPECT_FALSE(configuration.print.preview);
  EXPECT_TRUE(configuration.sky.hourAngleInStatusBar);
}

TEST(ParamFormTest, SwitchingThePressureUnitConvertsOnce) {
  // The window reports both buttons of the pair and the field's new text: the value must
  // be converted once per switch.
  const auto owned = MakeImage();
  sky::TSkyImage& image = *owned;
  TConfiguration configuration;
  P form(0, image, configuration, {}, "city.dat");
  test::TEchoingControls c(P::Layout(), form);
  EXPECT_EQ(c.Text(P::kPressure), "750");
  c.Click(P::kMillibar, true);  // 750 × 1.3332196 = 999.9
  EXPECT_EQ(c.Text(P::kPressure), "1000");
  c.Type(P::kPressure, "1013");
  c.Click(P::kMillimetres, true);  // 1013 × 0.750064 = 759.8
  EXPECT_EQ(c.Text(P::kPressure), "760");
  c.Click(P::kMillibar, true);  // 760 × 1.3332196 = 1013.2
  EXPECT_EQ(c.Text(P::kPressure), "1013");
  ASSERT_TRUE(c.PressOk());
  EXPECT_EQ(image.Pressure(), 1013.0);
}

TEST(ParamFormTest, SkyBackgroundBoxesDependOnTheOnesBefore) {
  struct TCase {
    int mode;
    int32_t unchecked;
    int stored;
  };
  const TCase cases[] = {{3, P::kDayColour, 0},
                         {3, P::kCivilTwilightColour, 1},
                         {3, P::kAstronomicalTwilightColour, 2},
                         {1, 0, 1},
                         {0, 0, 0}};
  for (const TCase& t : cases) {
    const auto owned = MakeImage();
    sky::TSkyImage& image = *owned;
    image.SetSkyColourMode(static_cast<uint8_t>(t.mode));
    TConfiguration configuration;
    P form(0, image, configuration, {}, "city.dat");
    test::TEchoingControls c(P::Layout(), form);
    EXPECT_EQ(c.Enabled(P::kCivilTwilightColour), t.mode >= 1);
    EXPECT_EQ(c.Enabled(P::kAstronomicalTwilightColour), t.mode >= 2);
    if (t.unchecked != 0) c.Click(t.unchecked, false);
    if (t.unchecked == P::kDayColour) {
      EXPECT_FALSE(c.Checked(P::kAstronomicalTwilightColour));
      EXPECT_FALSE(c.Enabled(P::kCivilTwilightColour));
      EXPECT_FALSE(c.Enabled(P::kAstronomicalTwilightColour));
    }
    ASSERT_TRUE(c.PressOk());
    EXPECT_EQ(image.SkyColourMode(), t.stored) << t.mode << " " << t.unchecked;
  }
}

TEST(ParamFormTest, TheSystemZoneActsAtOnceAndCancelRestoresIt) {
  const auto owned = MakeImage();
  sky::TSkyImage& image = *owned;
  TConfiguration configuration;
  TFakeDialogs dialogs({[&image](TFakeControls& c, TLogic& l) {
    c.Click(l, P::kSystemTimeZone, true);
    EXPECT_TRUE(image.TimeZoneAutomatic());
    EXPECT_DOUBLE_EQ(image.TimeZone(), kSystemZone);
    EXPECT_EQ(c.Text(P::kPlace.timeZone), "5.75");
    EXPECT_TRUE(c.Checked(P::kPlace.afterGreenwich));
    EXPECT_FALSE(c.Enabled(P::kPlace.timeZone));
    EXPECT_FALSE(c.Enabled(P::kPlace.beforeGreenwich));
    return false;
  }});
  EXPECT_FALSE(ShowParamForm(0, image, configuration, {}, "city.dat"));
  EXPECT_FALSE(image.TimeZoneAutomatic());
  EXPECT_DOUBLE_EQ(image.TimeZone(), -5.0);
}

TEST(ParamFormTest, AChosenCityFillsThePlaceAndClearsTheSystemZone) {
  const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                     ("velarion-param-city-" + std::to_string(::getpid()));
  std::string line = Cp1251("Аделаида");
  line.resize(34, ' ');
  std::ofstream(file, std::ios::binary) << line << " 138.5986 -34.9287  9.50\r\n";
  const auto owned = MakeImage();
  sky::TSkyImage& image = *owned;
  image.SetTimeZoneAutomatic(true);
  TConfiguration configuration;
  TFakeDialogs dialogs({[](TFakeControls& c, TLogic& l) {
                          c.Press(l, P::kCityListButton);
                          EXPECT_EQ(c.Text(P::kPlace.longitude), "138.59860");
                          EXPECT_TRUE(c.Checked(P::kPlace.east));
                          EXPECT_EQ(c.Text(P::kPlace.latitude), "34.92870");
                          EXPECT_TRUE(c.Checked(P::kPlace.south));
                          EXPECT_EQ(c.Text(P::kPlace.timeZone), "9.50");
                          EXPECT_FALSE(c.Checked(P::kSystemTimeZone));
                          EXPECT_TRUE(c.Enabled(P::kPlace.timeZone));
                          return c.PressOk(l);
                        },
                        [](TFakeControls& c, TLogic& l) {
                          c.Choose(l, TViewCityList::kCityList, 0);
                          return c.PressOk(l);
                        }});
  ASSERT_TRUE(ShowParamForm(0, image, configuration, {}, file));
  std::filesystem::remove(file);
  EXPECT_DOUBLE_EQ(image.Longitude(), 138.5986);
  EXPECT_DOUBLE_EQ(image.Latitude(), -34.9287);
  EXPECT_FALSE(image.TimeZoneAutomatic());
  EXPECT_DOUBLE_EQ(image.TimeZone(), 9.5);
}

TEST(SolarFormTest, TheBodyBitsInAndOut) {
  const auto owned = MakeImage();
  sky::TSkyImage& image = *owned;
  for (int position = 5; position <= 14; ++position)
    image.SetObjectVisible(position, position < 11);
  ASSERT_EQ(image.BodyBits(), 0x3F);  // the Sun to Jupiter
  TFakeDialogs dialogs({[](TFakeControls& c, TLogic& l) {
                          EXPECT_TRUE(c.Checked(TSolarForm::kFirstBody + 5));   // Jupiter
                          EXPECT_FALSE(c.Checked(TSolarForm::kFirstBody + 6));  // Saturn
                          c.Click(l, TSolarForm::kFirstBody + 1, false);        // the Moon off
                          c.Click(l, TSolarForm::kFirstBody + 9, true);         // Pluto on
                          return c.PressOk(l);
                        },
                        [](TFakeControls& c, TLogic& l) {
                          c.Click(l, TSolarForm::kFirstBody, false);
                          return false;
                        }});
  EXPECT_TRUE(ShowSolarForm(0, image));
  EXPECT_EQ(image.BodyBits(), 0x3F - 2 + 512);
  EXPECT_FALSE(ShowSolarForm(0, image));
  EXPECT_EQ(image.BodyBits(), 0x3F - 2 + 512);
}

}  // namespace
}  // namespace velarion::ui
