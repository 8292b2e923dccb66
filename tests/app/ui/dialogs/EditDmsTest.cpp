// The degrees-minutes-seconds editor: splitting with the carry, joining, the sign of
// "-0", refused minutes and seconds, and the calendar form of an MJD.
#include "EditDms.h"
#include "FakeDialogs.h"

#include <gtest/gtest.h>

namespace velarion::ui {
namespace {

using veltest::TFakeControls;
using veltest::TFakeDialogs;
using TLogic = velplatform::TDialogLogic;
using F = TEditDmsForm;

TEST(EditDmsTest, SplittingRoundsTheSecondsWithTheirCarry) {
  struct TCase {
    double value;
    int decimals;
    TDmsParts parts;
  };
  const TCase cases[] = {
      {51.668, 1, {false, 51, 40, 4.8}},  // 0.668° = 40.08' = 40' 4.8"
      {-0.5, 0, {true, 0, 30, 0.0}},
      {10.9999999, 0, {false, 11, 0, 0.0}},  // 59' 59.9996" rounds up into the degree
      {18.615, 2, {false, 18, 36, 54.0}},    // 0.615 h = 36.9 min
      {-0.0001, 0, {false, 0, 0, 0.0}},      // rounds to zero: no sign left
      {359.99999, 1, {false, 360, 0, 0.0}},  // 59.964" shows as 60.0": carried
  };
  for (const TCase& c : cases) {
    const TDmsParts parts = SplitDms(c.value, c.decimals);
    EXPECT_EQ(parts.negative, c.parts.negative) << c.value;
    EXPECT_EQ(parts.whole, c.parts.whole) << c.value;
    EXPECT_EQ(parts.minutes, c.parts.minutes) << c.value;
    EXPECT_NEAR(parts.seconds, c.parts.seconds, 1e-9) << c.value;
  }
}

TEST(EditDmsTest, JoiningIsTheInverseWithinTheShownSeconds) {
  for (double value : {51.668, -74.006, 0.25, -0.01, 23.999}) {
    EXPECT_NEAR(JoinDms(SplitDms(value, 2)), value, 0.005 / 3600.0) << value;
  }
}

TEST(EditDmsTest, TheEditorShowsAndTakesTheParts) {
  F form(51.668, TDmsKind::kDegrees, 1);
  TFakeControls c(form.Layout());
  form.Init(c);
  EXPECT_EQ(c.Text(F::kWholeEdit), "51");
  EXPECT_EQ(c.Text(F::kMinutesEdit), "40");
  EXPECT_EQ(c.Text(F::kSecondsEdit), "4.8");
  c.Type(form, F::kWholeEdit, "-0");
  c.Type(form, F::kMinutesEdit, "30");
  c.Type(form, F::kSecondsEdit, "36");
  ASSERT_TRUE(c.PressOk(form));
  EXPECT_DOUBLE_EQ(form.Value(), -0.51);
  const TFakeDialogs beeps;  // counts the warning beeps of refused fields
  c.Type(form, F::kMinutesEdit, "60");
  EXPECT_FALSE(c.PressOk(form)) << "60 minutes is a slip, not a degree";
  EXPECT_EQ(c.focused, F::kMinutesEdit);
  c.Type(form, F::kMinutesEdit, "59");
  c.Type(form, F::kSecondsEdit, "-1");
  EXPECT_FALSE(c.PressOk(form));
  EXPECT_EQ(beeps.Beeps(), 2);
}

TEST(EditDmsTest, AnMjdIsEditedAsDateAndTime) {
  TFakeDialogs dialogs({[](TFakeControls& c, TLogic& l) {
    EXPECT_EQ(c.Text(F::kWholeEdit), "1");
    EXPECT_EQ(c.Text(F::kMonthEdit), "1");
    EXPECT_EQ(c.Text(F::kYearEdit), "2000");
    EXPECT_EQ(c.Text(F::kHoursEdit), "12");
    c.Type(l, F::kWholeEdit, "15");
    c.Type(l, F::kMonthEdit, "10");
    c.Type(l, F::kYearEdit, "1582");
    c.Type(l, F::kHoursEdit, "6");
    return c.PressOk(l);
  }});
  // JD 2299160.5 is the first Gregorian day, 1582-10-15 0 h: MJD -100840.
  const std::optional<double> mjd = EditDMS(0, 51544.5, 3, 5);
  ASSERT_TRUE(mjd);
  EXPECT_DOUBLE_EQ(*mjd, -100840.0 + 0.25);
}

TEST(EditDmsTest, AnUnknownKindOpensNothing) {
  TFakeDialogs dialogs;
  EXPECT_FALSE(EditDMS(0, 1.0, 2, 0));
  EXPECT_TRUE(dialogs.Shown().empty());
}

}  // namespace
}  // namespace velarion::ui
