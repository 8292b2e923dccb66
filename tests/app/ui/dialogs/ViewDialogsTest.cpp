// The view adjustment dialogs: time step and its units, view rotation, auto rotation,
// zoom, the equatorial and horizontal points with their precession, the grid steps.
#include "EchoingControls.h"
#include "EquatorialPrecession.h"
#include "FakeDialogs.h"
#include "GridSetupForm.h"
#include "GridSteps.h"
#include "SetAutoRParams.h"
#include "SetAzimuthAngle.h"
#include "SetEquPoint.h"
#include "SetHorPoint.h"
#include "SetRotAngleForm.h"
#include "SetZoomForm.h"
#include "TimeStepUnits.h"
#include "ViewRotation.h"
#include "velastro.h"

#include "Cp1251.h"
#include "ValueFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <optional>
#include <vector>

namespace velarion::ui {
namespace {

using veltest::TFakeControls;
using veltest::TFakeDialogs;
using TLogic = velplatform::TDialogLogic;

constexpr double kSecond = 1.0 / 86400.0;
constexpr double kMinute = 0.0006944444444444445;
constexpr double kHour = 0.041666666666666664;
constexpr double kSiderealDay = 0.997269566;
constexpr double kSynodicMonth = 29.5305882;

TEST(TimeStepUnitsTest, AStepIsAWholeNumberOfTheLargestUnitWithinHalfASecond) {
  struct TCase {
    double step;
    std::optional<TUnitMatch> expected;
  };
  const TCase cases[] = {
      {2.5 * kSynodicMonth, std::nullopt},
      {2.0 * kSynodicMonth, TUnitMatch{TTimeUnit::kSynodicMonth, 2}},
      {3.0 * kSiderealDay, TUnitMatch{TTimeUnit::kSiderealDay, 3}},
      {0.5, TUnitMatch{TTimeUnit::kHour, 12}},
      {1.0, TUnitMatch{TTimeUnit::kSolarDay, 1}},
      {30.0, TUnitMatch{TTimeUnit::kSolarDay, 30}},
      {90.0 * kMinute, TUnitMatch{TTimeUnit::kMinute, 90}},
      {kSecond, TUnitMatch{TTimeUnit::kSecond, 1}},
      {999.0 * kSecond, TUnitMatch{TTimeUnit::kSecond, 999}},
      {1000.0 * kSecond, std::nullopt},  // 16 min 40 s: no unit under 1000 times
      {kHour + 0.4 * kSecond, TUnitMatch{TTimeUnit::kHour, 1}},
      {kHour + 0.6 * kSecond, std::nullopt},
      {0.0, std::nullopt},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(DetectTimeUnit(c.step), c.expected) << c.step;
  }
}

TEST(TimeStepUnitsTest, SplittingCarriesARoundedDay) {
  EXPECT_EQ(SplitStep(1.99999999).days, 2);
  EXPECT_EQ(SplitStep(1.99999999).seconds, 0);
  EXPECT_EQ(SplitStep(0.5 + 30 * kSecond).seconds, 43230);
  EXPECT_EQ(SplitStep(365.25).days, 365);
}

TEST(SetRotAngleFormTest, FieldsUnitsAndMultiplierFollowEachOther) {
  TSetRotAngleForm form(-0.5);  // the direction lies elsewhere: only the size counts
  test::TEchoingControls c(TSetRotAngleForm::Layout(), form);
  using F = TSetRotAngleForm;
  const int32_t hour = F::kFirstUnit + static_cast<int32_t>(TTimeUnit::kHour);
  EXPECT_EQ(c.Text(F::kDays), "0");
  EXPECT_EQ(c.Text(F::kHours), "12");
  EXPECT_TRUE(c.Checked(hour));
  EXPECT_EQ(c.Text(F::kMultiplier), "12");
  // 2 days 12 hours are 60 hours; one second more fits no unit: the multiplier is off.
  c.Type(F::kDays, "2");
  EXPECT_TRUE(c.Checked(hour));
  EXPECT_EQ(c.Text(F::kMultiplier), "60");
  c.Type(F::kSeconds, "1");
  EXPECT_FALSE(c.Checked(hour));
  EXPECT_FALSE(c.Enabled(F::kMultiplier));
  // The seconds button, then a multiplier typed key by key: the unit stays the second.
  c.Click(F::kFirstUnit, true);
  EXPECT_EQ(c.Text(F::kMultiplier), "1");
  for (const char* typed : {"6", "60", "600"}) c.Type(F::kMultiplier, typed);
  EXPECT_TRUE(c.Checked(F::kFirstUnit));
  EXPECT_EQ(c.Text(F::kMinutes), "10");
  EXPECT_DOUBLE_EQ(form.StepDays(), 600 * kSecond);
  // Clicking the marked button again keeps it marked.
  c.Click(F::kFirstUnit, false);
  EXPECT_TRUE(c.Checked(F::kFirstUnit));
  ASSERT_TRUE(c.PressOk());
  EXPECT_DOUBLE_EQ(form.StepDays(), kSecond);
}

TEST(SetRotAngleFormTest, ShiftDigitsOnBothLayoutsPressTheUnits) {
  struct TCase {
    char32_t character;
    TTimeUnit unit;
  };
  const TCase cases[] = {{U'!', TTimeUnit::kSecond},       {U'"', TTimeUnit::kMinute},
                         {U'@', TTimeUnit::kMinute},       {U'#', TTimeUnit::kHour},
                         {U'\u2116', TTimeUnit::kHour},    {U'$', TTimeUnit::kSiderealDay},
                         {U';', TTimeUnit::kSiderealDay},  {U'%', TTimeUnit::kSolarDay},
                         {U'^', TTimeUnit::kSynodicMonth}, {U':', TTimeUnit::kSynodicMonth}};
  for (const TCase& k : cases) {
    TSetRotAngleForm form(1.0);
    test::TEchoingControls c(TSetRotAngleForm::Layout(), form);
    ASSERT_TRUE(form.KeyPressed(c, {k.character, false}));
    EXPECT_TRUE(c.Checked(TSetRotAngleForm::kFirstUnit + static_cast<int32_t>(k.unit)));
    EXPECT_DOUBLE_EQ(form.StepDays(), UnitDays(k.unit));
  }
  TSetRotAngleForm form(1.0);
  TFakeControls c(TSetRotAngleForm::Layout());
  form.Init(c);
  EXPECT_FALSE(form.KeyPressed(c, {U'1', false}));
  EXPECT_FALSE(form.KeyPressed(c, {U'!', true}));
}

TEST(SetRotAngleFormTest, AZeroStepIsRefusedAndTheStepIsLimited) {
  TFakeDialogs dialogs({[](TFakeControls& c, TLogic& l) {
                          c.Type(l, TSetRotAngleForm::kDays, "0");
                          c.Type(l, TSetRotAngleForm::kHours, "0");
                          EXPECT_FALSE(c.PressOk(l));
                          c.Type(l, TSetRotAngleForm::kSeconds, "30");
                          return c.PressOk(l);
                        },
                        [](TFakeControls& c, TLogic& l) { return c.PressOk(l); }});
  std::vector<double> chosen;
  for (const double step : {kHour, 1e7}) {
    ShowSetRotAngleForm(0, {}, step,
                        [&](std::optional<double> c) { chosen.push_back(c.value_or(-1)); });
  }
  ASSERT_EQ(chosen.size(), 2u);
  EXPECT_DOUBLE_EQ(chosen[0], 30 * kSecond);
  EXPECT_DOUBLE_EQ(chosen[1], 100000.0);
}

TEST(ViewRotationTest, TheFieldShowsTheDirectionAsTheUserCountsIt) {
  struct TCase {
    double rotation;
    bool fromSouth;
    bool mirror;
    int32_t shown;
  };
  const TCase cases[] = {
      {0.0, false, false, 180}, {0.0, true, false, 0},    {90.0, true, false, 270},
      {90.0, true, true, 90},   {30.4, false, true, 210}, {359.6, true, false, 0},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(ShownRotation(c.rotation, c.fromSouth, c.mirror), c.shown) << c.rotation;
  }
  for (bool fromSouth : {false, true}) {
    for (bool mirror : {false, true}) {
      for (double rotation : {0.0, 1.0, 45.0, 179.0, 180.0, 270.0, 359.0}) {
        EXPECT_EQ(AzimuthRotation(ShownRotation(rotation, fromSouth, mirror), fromSouth, mirror),
                  rotation)
            << rotation << fromSouth << mirror;
      }
    }
  }
  EXPECT_EQ(CompassValue(TCompassPoint::kNorth, true), 180);
  EXPECT_EQ(CompassValue(TCompassPoint::kEast, true), 270);
  EXPECT_EQ(CompassValue(TCompassPoint::kWest, false), 270);
}

TEST(SetAzimuthAngleTest, CompassButtonsAndKeysPutTheirValuesAndShowPressed) {
  TSetAzimuthAngle form(0.0, true, false);  // azimuths from south, no mirror
  test::TEchoingControls c(TSetAzimuthAngle::Layout(), form);
  const int32_t north = TSetAzimuthAngle::kFirstPoint;
  const int32_t west = TSetAzimuthAngle::kFirstPoint + 3;
  EXPECT_EQ(c.Text(TSetAzimuthAngle::kAngle), "0");
  EXPECT_TRUE(c.Checked(TSetAzimuthAngle::kFirstPoint + 2)) << "0 from south is \"Ю\"";
  c.Click(north, true);
  EXPECT_EQ(c.Text(TSetAzimuthAngle::kAngle), "180");
  EXPECT_TRUE(c.Checked(north));
  ASSERT_TRUE(form.KeyPressed(c, {U';', false}));  // Shift+4 on the Cyrillic layout
  EXPECT_EQ(c.Text(TSetAzimuthAngle::kAngle), "90");
  EXPECT_TRUE(c.Checked(west));
  EXPECT_FALSE(c.Checked(north));
  EXPECT_FALSE(form.KeyPressed(c, {U'%', false}));  // only four points
  c.Type(TSetAzimuthAngle::kAngle, "45");
  EXPECT_FALSE(c.Checked(west));
  ASSERT_TRUE(c.PressOk());
  EXPECT_EQ(form.AzimuthRotationDeg(), 315.0);  // n = 45, rotation = -45
}

TEST(SetAutoRParamsTest, ControlLettersOnEitherLayoutAndTheInterval) {
  EXPECT_EQ(RefreshIntervalText(3), "0.20 " + velplatform::Cp1251("с"));
  EXPECT_EQ(RefreshIntervalText(6), "1.00 " + velplatform::Cp1251("с"));
  TAutoRotation current;
  current.forward = true;
  current.realTime = false;
  current.refreshIntervalCode = 2;
  current.timeStepDays = 0.25;
  TSetAutoRParams form(current);
  test::TEchoingControls c(TSetAutoRParams::Layout(), form);
  EXPECT_EQ(c.Text(TSetAutoRParams::kIntervalLabel), "0.10 " + velplatform::Cp1251("с"));
  EXPECT_FALSE(form.KeyPressed(c, {U'b', false}));
  ASSERT_TRUE(form.KeyPressed(c, {U'и', true}));  // Ctrl+B on the Cyrillic layout
  EXPECT_TRUE(c.Checked(TSetAutoRParams::kBackward));
  EXPECT_FALSE(c.Checked(TSetAutoRParams::kForward));
  ASSERT_TRUE(form.KeyPressed(c, {U'R', true}));
  ASSERT_TRUE(form.KeyPressed(c, {U'К', true}));
  ASSERT_TRUE(form.KeyPressed(c, {U'к', true}));
  EXPECT_TRUE(c.Checked(TSetAutoRParams::kRealTime));
  ASSERT_TRUE(form.KeyPressed(c, {U'f', true}));
  ASSERT_TRUE(form.KeyPressed(c, {U'b', true}));
  c.Click(TSetAutoRParams::kForward, true);
  c.MoveSlider(TSetAutoRParams::kInterval, 5);
  EXPECT_EQ(c.Text(TSetAutoRParams::kIntervalLabel), "0.50 " + velplatform::Cp1251("с"));
  ASSERT_TRUE(c.PressOk());
  EXPECT_TRUE(form.Rotation().forward);
  EXPECT_TRUE(form.Rotation().realTime);
  EXPECT_EQ(form.Rotation().refreshIntervalCode, 5);
  EXPECT_EQ(form.Rotation().timeStepDays, 0.25);
}

TEST(SetAutoRParamsTest, TheSliderHasTheSixPositionsAndHintsNameTheKeys) {
  TAutoRotation current;
  current.refreshIntervalCode = 9;  // out of range in a hand-edited configuration
  TSetAutoRParams form(current);
  test::TEchoingControls c(TSetAutoRParams::Layout(), form);
  EXPECT_EQ(c.Position(TSetAutoRParams::kInterval), 6);
  EXPECT_EQ(c.Text(TSetAutoRParams::kIntervalLabel), "1.00 " + velplatform::Cp1251("с"));
  c.MoveSlider(TSetAutoRParams::kInterval, 0);
  EXPECT_EQ(c.Text(TSetAutoRParams::kIntervalLabel), "0.05 " + velplatform::Cp1251("с"));
  ASSERT_TRUE(c.PressOk());
  EXPECT_EQ(form.Rotation().refreshIntervalCode, 1);
  TFakeControls layout(TSetAutoRParams::Layout());
  EXPECT_EQ(layout.Control(TSetAutoRParams::kBackward)->hint,
            velplatform::Cp1251("Назад (Ctrl+B)"));
  EXPECT_EQ(layout.Control(TSetAutoRParams::kRealTime)->hint,
            velplatform::Cp1251("Реальное время (Ctrl+R)"));
}

TEST(SetZoomFormTest, TypedZoomOrTheWholeSky) {
  TFakeDialogs dialogs(
      {[](TFakeControls& c, TLogic& l) {
         EXPECT_EQ(c.Text(TSetZoomForm::kNewZoom), "350");
         c.Type(l, TSetZoomForm::kNewZoom, "1200");
         return c.PressOk(l);
       },
       [](TFakeControls& c, TLogic& l) { return c.Press(l, TSetZoomForm::kWholeSky); },
       [](TFakeControls&, TLogic&) { return false; }});
  std::vector<std::optional<TZoomChoice>> chosen;
  for (int i = 0; i < 3; ++i) ShowSetZoomForm(0, {}, 350, [&](auto c) { chosen.push_back(c); });
  EXPECT_EQ(chosen, (std::vector<std::optional<TZoomChoice>>{
                        TZoomChoice{1200, false}, TZoomChoice{100, true}, std::nullopt}));
}

TEST(EquatorialPrecessionTest, FiftyYearsOfPrecessionAndBackAgain) {
  // Rates of general precession at J2000 (IAU 2006): m = 46.1244"/yr in right ascension,
  // n = 20.0431"/yr in declination; over 50 years at RA 0, Dec 0 that is 2306.2" and
  // 1002.2". The J2000 pole moves by theta = 2004.19"/century x 0.5.
  const TEquatorialPoint moved = PrecessEquatorial({0.0, 0.0}, 0.0, 0.5);
  EXPECT_NEAR(moved.raDeg, 2306.22 / 3600.0, 0.001);
  EXPECT_NEAR(moved.decDeg, 1002.16 / 3600.0, 0.001);
  EXPECT_NEAR(PrecessEquatorial({0.0, 90.0}, 0.0, 0.5).decDeg, 90.0 - 1002.10 / 3600.0, 0.0005);
  for (const TEquatorialPoint point :
       {TEquatorialPoint{37.95, 89.26}, {101.287, -16.716}, {359.9999, 0.0}, {201.298, -11.161}}) {
    for (double t : kFixedEpochsT) {
      const TEquatorialPoint back = PrecessEquatorial(PrecessEquatorial(point, 0.0, t), t, 0.0);
      EXPECT_NEAR(std::remainder(back.raDeg - point.raDeg, 360.0), 0.0, 1e-9);
      EXPECT_NEAR(back.decDeg, point.decDeg, 1e-9);
    }
  }
  EXPECT_EQ(FixedEpochIndex(-0.500002108), 2);
  EXPECT_FALSE(FixedEpochIndex(-0.5));
}

TEST(SetEquPointTest, ExactValuesSurviveEpochChangesAndKeystrokes) {
  // Sirius in J2000, given in the caller's epoch J2000.
  const TEquatorialPoint sirius{101.28715533, -16.71611586};
  TSetEquPoint form(0, 60000.0, sirius, 0.0);
  test::TEchoingControls c(TSetEquPoint::Layout(), form);
  EXPECT_EQ(c.Selected(TSetEquPoint::kEpoch), 4);
  EXPECT_FALSE(c.Enabled(TSetEquPoint::kEpochMjd));
  const std::string ra = c.Text(TSetEquPoint::kRightAscension);
  const std::string dec = c.Text(TSetEquPoint::kDeclination);
  EXPECT_EQ(ra, "6.752477");
  EXPECT_EQ(dec, "-16.71612");
  c.Choose(TSetEquPoint::kEpoch, 4);  // J2000 again: nothing happens
  EXPECT_EQ(c.Text(TSetEquPoint::kRightAscension), ra);
  c.Choose(TSetEquPoint::kEpoch, 2);  // B1950
  const TEquatorialPoint b1950 = PrecessEquatorial(sirius, 0.0, -0.500002108);
  EXPECT_NEAR(sky::ParseFloatText(c.Text(TSetEquPoint::kRightAscension)), b1950.raDeg / 15.0, 1e-6);
  c.Choose(TSetEquPoint::kEpoch, 0);  // J1875
  c.Choose(TSetEquPoint::kEpoch, TSetEquPoint::kOtherEpoch);
  EXPECT_TRUE(c.Enabled(TSetEquPoint::kEpochMjd));
  for (const char* typed : {"5", "51", "515", "5154", "51544", "51544.", "51544.5"}) {
    c.Type(TSetEquPoint::kEpochMjd, typed);
  }
  EXPECT_EQ(c.Text(TSetEquPoint::kRightAscension), ra);
  EXPECT_EQ(c.Text(TSetEquPoint::kDeclination), dec);
  ASSERT_TRUE(c.PressOk());
  EXPECT_EQ(form.Point().raDeg, sirius.raDeg);
  EXPECT_EQ(form.Point().decDeg, sirius.decDeg);
}

TEST(SetEquPointTest, ATypedPlaceIsGivenBackInTheCallersEpoch) {
  TSetEquPoint form(0, 60000.0, {10.0, 20.0}, 0.0);
  test::TEchoingControls c(TSetEquPoint::Layout(), form);
  c.Choose(TSetEquPoint::kEpoch, 2);  // B1950
  c.Type(TSetEquPoint::kRightAscension, "5.5");
  c.Type(TSetEquPoint::kDeclination, "-95");  // clamped to the pole
  c.Type(TSetEquPoint::kDeclination, "-30");
  ASSERT_TRUE(c.PressOk());
  const TEquatorialPoint expected = PrecessEquatorial({82.5, -30.0}, -0.500002108, 0.0);
  EXPECT_NEAR(form.Point().raDeg, expected.raDeg, 1e-12);
  EXPECT_NEAR(form.Point().decDeg, expected.decDeg, 1e-12);
}

TEST(SetEquPointTest, TheCallersEpochChoosesTheList) {
  struct TCase {
    double epochT;
    int32_t entry;
  };
  const double viewMjd = 60000.0;
  const TCase cases[] = {{-0.9999726215, 1},
                         {GetT(viewMjd), TSetEquPoint::kCurrentEpoch},
                         {0.3, TSetEquPoint::kOtherEpoch}};
  for (const TCase& t : cases) {
    TSetEquPoint form(0, viewMjd, {10.0, 20.0}, t.epochT);
    TFakeControls c(TSetEquPoint::Layout());
    form.Init(c);
    EXPECT_EQ(c.Selected(TSetEquPoint::kEpoch), t.entry);
    EXPECT_EQ(c.Enabled(TSetEquPoint::kEpochMjd), t.entry == TSetEquPoint::kOtherEpoch);
    // Shown as given: the place is of the caller's epoch.
    EXPECT_EQ(c.Text(TSetEquPoint::kDeclination), "20.00000");
  }
  TSetEquPoint form(0, viewMjd, {10.0, 20.0}, 0.3);
  TFakeControls c(TSetEquPoint::Layout());
  form.Init(c);
  EXPECT_EQ(c.Text(TSetEquPoint::kEpochMjd), "62502.00000");  // 51544.5 + 0.3 × 36525
}

TEST(SetHorPointTest, AzimuthReducedAltitudeClamped) {
  struct TCase {
    const char* azimuth;
    const char* altitude;
    double expectedAzimuth;
    double expectedAltitude;
  };
  const TCase cases[] = {{"370", "-5", 10.0, 0.0},
                         {"-90", "95", 270.0, 90.0},
                         {"123.4567", "45.5", 123.4567, 45.5},
                         {"x", "", 0.0, 0.0}};
  for (const TCase& t : cases) {
    TSetHorPoint form(0, {1.0, 2.0});
    TFakeControls c(TSetHorPoint::Layout());
    form.Init(c);
    EXPECT_EQ(c.Text(TSetHorPoint::kAzimuth), "1.0000");
    c.Type(form, TSetHorPoint::kAzimuth, t.azimuth);
    c.Type(form, TSetHorPoint::kAltitude, t.altitude);
    ASSERT_TRUE(c.PressOk(form));
    EXPECT_NEAR(form.Point().azimuthDeg, t.expectedAzimuth, 1e-12) << t.azimuth;
    EXPECT_EQ(form.Point().altitudeDeg, t.expectedAltitude) << t.altitude;
  }
}

TEST(GridStepsTest, StepsIntoTheirRanges) {
  const int32_t ra[][2] = {{7201, 7200}, {100, 96}, {3, 6}, {6, 6}, {3600, 3600}, {0, 6}, {-50, 6}};
  for (const auto& r : ra) EXPECT_EQ(CorrectRaStep(r[0]), r[1]) << r[0];
  const int32_t arcminutes[][2] = {{0, 1}, {1, 1}, {1800, 1800}, {1801, 1800}, {600, 600}};
  for (const auto& a : arcminutes) EXPECT_EQ(CorrectArcminuteStep(a[0]), a[1]) << a[0];
}

TEST(GridSetupFormTest, AutoLocksTheStepsWhichAreCorrectedWhenLeftAndOnOk) {
  auto image = std::make_unique<sky::TSkyImage>();
  sky::TGridSettings grid;
  grid.azimuthAuto = 1;
  grid.equatorialAuto = 0;
  grid.azimuthGrid = 0;
  image->SetGridSettings(grid);
  using G = TGridSetupForm;
  TFakeDialogs dialogs({[](TFakeControls& c, TLogic& l) {
    EXPECT_FALSE(c.Enabled(G::kFirstStep));
    EXPECT_FALSE(c.Enabled(G::kFirstStepLabel + 1));
    EXPECT_TRUE(c.Enabled(G::kFirstStep + 2));
    c.Click(l, G::kAzimuthAuto, false);
    EXPECT_TRUE(c.Enabled(G::kFirstStep));
    c.Click(l, G::kEquatorialAuto, true);
    EXPECT_FALSE(c.Enabled(G::kFirstStep + 3));
    c.Click(l, G::kFirstLine + 1, true);
    c.Type(l, G::kFirstStep, "0");
    c.Type(l, G::kFirstStep + 1, "5000");
    c.Leave(l, G::kFirstStep + 1);
    EXPECT_EQ(c.Text(G::kFirstStep + 1), "1800");  // corrected on leaving
    EXPECT_EQ(c.Text(G::kFirstStep), "0");         // not yet left
    c.Type(l, G::kFirstStep + 2, "100");
    c.Leave(l, G::kFirstStep + 2);
    EXPECT_EQ(c.Text(G::kFirstStep + 2), "96");
    c.Type(l, G::kFirstStep + 3, "abc");
    const bool ok = c.PressOk(l);
    EXPECT_EQ(c.Text(G::kFirstStep), "1");
    EXPECT_EQ(c.Text(G::kFirstStep + 3), "1");
    return ok;
  }});
  ASSERT_TRUE(ShowGridSetupForm(0, *image));
  const sky::TGridSettings& stored = image->GridSettings();
  EXPECT_EQ(stored.lineStep, (std::array<int32_t, 4>{1, 1800, 96, 1}));
  EXPECT_EQ(stored.lineVisible, (std::array<uint8_t, 4>{0, 1, 0, 0}));
  EXPECT_EQ(stored.azimuthAuto, 0);
  EXPECT_EQ(stored.equatorialAuto, 1);
  EXPECT_EQ(stored.azimuthGrid, 0) << "the grids' own switches are not this dialog's";
}

}  // namespace
}  // namespace velarion::ui
