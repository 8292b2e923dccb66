// Rise, set and culmination: the Sun and the Moon against DE405 through Skyfield, objects
// that never rise or set, the poles, the precession rule, the record, text and window.
#include "RiseSet.h"
#include "RiseSetDialog.h"

#include "BodyPosition.h"
#include "Clipboard.h"
#include "Cp1251.h"
#include "FakeDialogs.h"
#include "OracleTable.h"
#include "OutputConsole.h"
#include "Units.h"
#include "velastro.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>
#include <string>

namespace {

using namespace velarion::solar;
using velcommon::kDegToRad;
using velcommon::kRadToDeg;
using velplatform::Cp1251;
using veltest::TOracleTable;

TRiseSetObserver Observer(double latitude, double longitude, double mjdUt, double zone) {
  TRiseSetObserver o;
  o.latitudeDeg = latitude;
  o.longitudeEastDeg = longitude;
  o.mjdUt = mjdUt;
  o.timeZoneHours = zone;
  o.siderealHours = LMST(mjdUt, -longitude);
  return o;
}

TPositionAt FixedStar(double ra, double dec) {
  return [ra, dec](double, double& r, double& d) {
    r = ra;
    d = dec;
  };
}

TEST(RiseSet, SunAndMoonAgreeWithDe405WithinAMinute) {
  const TOracleTable table("solar_rise_set.csv");
  ASSERT_GE(table.Size(), 90u);
  double worst = 0.0;
  int compared = 0;
  int declinationRule = 0;
  for (std::size_t row = 0; row < table.Size(); ++row) {
    const auto body = static_cast<TBody>(table.Number(row, "body"));
    const double t0 = table.Number(row, "t0_mjd_ut1");
    const double deltaT = table.Number(row, "delta_t_s") / 86400.0;
    const double latitude = table.Number(row, "lat_deg");
    // The view at local noon: the day is the one that begins at t0.
    const TRiseSetObserver observer =
        Observer(latitude, table.Number(row, "lon_deg"), t0 + 0.5, table.Number(row, "zone_h"));
    const TRiseSetTimes times = ComputeRiseSet(
        observer, table.Number(row, "h0_deg"), GetT(observer.mjdUt),
        [body, deltaT](double mjd, double& ra, double& dec) {
          const TBodyPosition p = ComputeBodyPosition(body, true, true, GetT(mjd + deltaT));
          ra = p.raDeg;
          dec = p.decDeg;
        });
    const std::pair<const char*, double> events[] = {{"rise_h", times.riseHours},
                                                     {"set_h", times.setHours},
                                                     {"upper_h", times.upperCulminationHours},
                                                     {"lower_h", times.lowerCulminationHours}};
    const bool circumpolar = times.status == kNeverRises || times.status == kNeverSets;
    if (table.Text(row, "rise_h") == "none" && table.Text(row, "set_h") == "none") {
      EXPECT_TRUE(circumpolar) << row;
    }
    if (circumpolar && table.Text(row, "rise_h") != "none") {
      // The status comes from the declination at the culminations; at high latitude the
      // Moon's declination changes enough within the day to rise or set all the same.
      EXPECT_EQ(body, kMoon) << row;
      EXPECT_GE(std::fabs(latitude), 60.0) << row;
      ++declinationRule;
    }
    for (const auto& [column, hours] : events) {
      const std::string& cell = table.Text(row, column);
      if (cell.empty() || cell == "none") continue;
      if (circumpolar && (std::string(column) == "rise_h" || std::string(column) == "set_h"))
        continue;
      const double expected = table.Number(row, column);
      worst = std::max(worst, std::fabs(hours - expected) * 60.0);
      EXPECT_NEAR(hours, expected, 1.0 / 60.0) << row << " " << column;
      ++compared;
    }
    const std::string& rise = table.Text(row, "rise_h");
    if (!circumpolar && !rise.empty() && rise != "none") {
      EXPECT_EQ((times.status & kRisesToday) != 0, table.Number(row, "rise_h") < 24.0) << row;
    }
  }
  RecordProperty("worst_minutes", std::to_string(worst));
  RecordProperty("declination_rule_rows", std::to_string(declinationRule));
  EXPECT_LE(declinationRule, 3);
  EXPECT_GT(compared, 300);
}

TEST(RiseSet, CircumpolarAndNeverRisingObjects) {
  const TRiseSetObserver observer = Observer(60.0, 30.0, 60000.5, 3.0);
  const TRiseSetTimes up = ComputeRiseSet(observer, -0.567, GetT(60000.5), FixedStar(100.0, 80.0));
  EXPECT_EQ(up.status, kNeverSets);
  EXPECT_EQ(up.riseHours, 0.0);
  EXPECT_EQ(up.setHours, 0.0);
  const std::string text = RiseSetText(up);
  const std::string culmination = text.substr(text.find('\0') + 1);
  EXPECT_EQ(text.substr(0, text.find('\0')), "\x01" + Cp1251("Не заходит."));
  EXPECT_EQ(culmination.rfind(Cp1251("Кульминация: "), 0), 0u);
  EXPECT_EQ(culmination.find('\0'), std::string::npos);
  const TRiseSetTimes down =
      ComputeRiseSet(observer, -0.567, GetT(60000.5), FixedStar(100.0, -70.0));
  EXPECT_EQ(down.status, kNeverRises);
  EXPECT_EQ(RiseSetText(down).substr(0, 13), "\x01" + Cp1251("Не восходит."));
}

TEST(RiseSet, AtThePolesAndForPolarObjectsTheAnswerIsDefined) {
  const struct {
    double latitude;
    double dec;
    double h0;
    int32_t status;
  } cases[] = {{90.0, 10.0, -0.567, kNeverSets},   {90.0, -10.0, -0.567, kNeverRises},
               {-90.0, -10.0, -0.567, kNeverSets}, {45.0, 90.0, -0.567, kNeverSets},
               {45.0, -90.0, -0.567, kNeverRises}, {90.0, 0.0, 0.0, -1}};
  for (const auto& c : cases) {
    const TRiseSetTimes t = ComputeRiseSet(Observer(c.latitude, 0.0, 60000.5, 0.0), c.h0,
                                           GetT(60000.5), FixedStar(45.0, c.dec));
    if (c.status >= 0) {
      EXPECT_EQ(t.status, c.status) << c.latitude << " " << c.dec;
    }
    for (double hours :
         {t.riseHours, t.setHours, t.upperCulminationHours, t.lowerCulminationHours}) {
      EXPECT_TRUE(std::isfinite(hours)) << c.latitude << " " << c.dec;
    }
    for (const THorizontalPlace& p : RiseSetEvents()) {
      EXPECT_TRUE(std::isfinite(p.azimuthDeg) && std::isfinite(p.altitudeDeg));
    }
  }
}

TEST(RiseSet, TheEventTableHoldsTheHorizontalPlaces) {
  const TRiseSetObserver observer = Observer(50.0, 10.0, 60000.5, 1.0);
  const TRiseSetTimes t = ComputeRiseSet(observer, -0.567, GetT(60000.5), FixedStar(80.0, 20.0));
  ASSERT_EQ(t.status, kRisesToday + kSetsToday);
  const auto& events = RiseSetEvents();
  EXPECT_NEAR(events[kUpperCulmination].altitudeDeg, 90.0 - 50.0 + 20.0, 1e-3);
  EXPECT_NEAR(events[kUpperCulmination].azimuthDeg, 180.0, 0.05);
  EXPECT_NEAR(events[kLowerCulmination].altitudeDeg, 20.0 - 40.0, 1e-3);
  EXPECT_NEAR(events[kRise].altitudeDeg, -0.567, 0.02);
  EXPECT_NEAR(events[kSet].altitudeDeg, -0.567, 0.02);
  EXPECT_LT(events[kRise].azimuthDeg, 90.0);  // rising north of east for Dec +20
  EXPECT_GT(events[kSet].azimuthDeg, 270.0);
}

TEST(RiseSet, PrecessionIsAppliedOnlyBeyondHalfACenturyThousandth) {
  const double mjd = 60000.5;
  const TRiseSetObserver observer = Observer(40.0, 0.0, mjd, 0.0);
  const double ofDate =
      ComputeRiseSet(observer, -0.567, GetT(mjd), FixedStar(0.0, 0.0)).upperCulminationHours;
  const double near = ComputeRiseSet(observer, -0.567, GetT(mjd) - 0.004, FixedStar(0.0, 0.0))
                          .upperCulminationHours;
  const double far = ComputeRiseSet(observer, -0.567, GetT(mjd) - 0.006, FixedStar(0.0, 0.0))
                         .upperCulminationHours;
  EXPECT_EQ(near, ofDate);
  // 0.6 years of general precession move RA 0 by about 1.84 s of time.
  EXPECT_NEAR((far - ofDate) * 3600.0, 1.84 * 0.99727, 0.1);
}

TEST(RiseSet, ARiseAfterTheDaysEndIsReportedAsSuch) {
  const TRiseSetTimes t{25.5, 10.0, 18.0, 6.0, kSetsToday};
  const std::string text = RiseSetText(t);
  EXPECT_EQ(text.substr(0, text.find('\0')), "\x01" + Cp1251("Восход: -"));
  EXPECT_NE(text.find(Cp1251("Заход: 10ч 0м")), std::string::npos);
}

// The Moon, some 50 minutes later each day, has a day a month without an upper culmination.
TEST(RiseSet, ACulminationAfterTheDaysEndIsReportedAsSuch) {
  const TRiseSetTimes next{15.1, 9.4, 24.67, 12.3, kRisesToday + kSetsToday};
  EXPECT_FALSE(CulminatesToday(next));
  EXPECT_NE(RiseSetText(next).find(Cp1251("Кульминация: -")), std::string::npos);
  const TRiseSetTimes last{15.1, 9.4, 23.99, 12.3, kRisesToday + kSetsToday};
  EXPECT_TRUE(CulminatesToday(last));
}

// By the place of midnight the object rises half a minute before the day begins; by the
// place of the day's end, its declination 6 degrees higher as the Moon's near a standstill,
// it rises an hour and a half before the day ends.
TEST(RiseSet, AnEventMovedToTheNextDayIsSoughtFromThePlaceThere) {
  constexpr double kLatitude = 68.97, kLongitude = 33.08, kH0 = 0.1333;
  constexpr double kMidnight = 60847.0 - 3.0 / 24.0, kMinute = 1.0 / 1440.0;
  const auto dec = [](double mjd) { return 13.0 + 6.0 * (mjd - kMidnight); };
  const auto hourAngleAtRise = [](double decDeg) {
    const double phi = kLatitude * kDegToRad, d = decDeg * kDegToRad;
    return -std::acos((std::sin(kH0 * kDegToRad) - std::sin(phi) * std::sin(d)) /
                      (std::cos(phi) * std::cos(d))) *
           kRadToDeg;
  };
  const double ra =
      15.0 * LMST(kMidnight - 0.5 * kMinute, -kLongitude) - hourAngleAtRise(dec(kMidnight));
  const auto altitude = [&](double mjd) {
    const double h = (15.0 * LMST(mjd, -kLongitude) - ra) * kDegToRad;
    const double phi = kLatitude * kDegToRad, d = dec(mjd) * kDegToRad;
    return std::asin(std::sin(phi) * std::sin(d) + std::cos(phi) * std::cos(d) * std::cos(h)) *
           kRadToDeg;
  };
  double rise = 0.0;  // the first crossing upwards, minute by minute and interpolated
  for (double t = kMidnight; t < kMidnight + 1.0 && rise == 0.0; t += kMinute) {
    const double a = altitude(t), b = altitude(t + kMinute);
    if (a < kH0 && b >= kH0) rise = t + kMinute * (kH0 - a) / (b - a);
  }
  ASSERT_GT(rise, kMidnight + 0.9);

  const TRiseSetTimes times =
      ComputeRiseSet(Observer(kLatitude, kLongitude, kMidnight + 0.5, 3.0), kH0,
                     GetT(kMidnight + 0.5), [&](double mjd, double& r, double& d) {
                       r = ra;
                       d = dec(mjd);
                     });
  EXPECT_NE(times.status & kRisesToday, 0);
  EXPECT_NEAR(times.riseHours, (rise - kMidnight) * 24.0, 1.0 / 60.0);
}

class RiseSetExport : public testing::Test {
 protected:
  void SetUp() override {
    SetRiseSetViewSource([] { return Observer(55.75, 37.62, 60000.5, 3.0); });
  }
  void TearDown() override { SetRiseSetViewSource({}); }
  static void Star(double, double* ra, double* dec) {
    ++calls;
    *ra = 80.0;
    *dec = 20.0;
  }
  static inline int calls = 0;
};

TEST_F(RiseSetExport, FillsTheRecordAtItsOffsets) {
  std::array<std::byte, 40> record{};
  record.fill(std::byte{0x55});
  EXPECT_EQ(CalcRiseSettTime(-0.567, GetT(60000.5), Star, record.data(), nullptr, 0), 0);
  const TRiseSetTimes expected = ComputeRiseSet(Observer(55.75, 37.62, 60000.5, 3.0), -0.567,
                                                GetT(60000.5), FixedStar(80.0, 20.0));
  const velplatform::TConstBytes bytes(record);
  EXPECT_EQ(velplatform::GetField<double>(bytes, 0), expected.riseHours);
  EXPECT_EQ(velplatform::GetField<double>(bytes, 8), expected.setHours);
  EXPECT_EQ(velplatform::GetField<double>(bytes, 16), expected.upperCulminationHours);
  EXPECT_EQ(velplatform::GetField<double>(bytes, 24), expected.lowerCulminationHours);
  EXPECT_EQ(velplatform::GetField<int32_t>(bytes, 32), 12);
  EXPECT_EQ(record[36], std::byte{0x55});  // nothing past the 36 bytes
}

TEST_F(RiseSetExport, TheTextIsCutToTheBuffer) {
  const std::string full = RiseSetText(ComputeRiseSet(Observer(55.75, 37.62, 60000.5, 3.0), -0.567,
                                                      GetT(60000.5), FixedStar(80.0, 20.0)));
  char text[16];
  std::memset(text, 'x', sizeof text);
  EXPECT_EQ(CalcRiseSettTime(-0.567, GetT(60000.5), Star, nullptr, text, 10), 10);
  EXPECT_EQ(std::string(text, 9), full.substr(0, 9));
  EXPECT_EQ(text[9], '\0');
  EXPECT_EQ(text[10], 'x');
  char big[512];
  EXPECT_EQ(CalcRiseSettTime(-0.567, GetT(60000.5), Star, nullptr, big, sizeof big),
            static_cast<int32_t>(full.size()) + 1);
  EXPECT_EQ(std::string(big, full.size()), full);
}

TEST_F(RiseSetExport, WithoutRecordOrRoomForTextNothingIsComputed) {
  calls = 0;
  char text[4] = {'x', 'x', 'x', 'x'};
  EXPECT_EQ(CalcRiseSettTime(-0.567, 0.0, Star, nullptr, nullptr, 100), 0);
  EXPECT_EQ(CalcRiseSettTime(-0.567, 0.0, Star, nullptr, text, 0), 0);
  EXPECT_EQ(CalcRiseSettTime(-0.567, 0.0, Star, nullptr, text, -5), 0);
  EXPECT_EQ(calls, 0);
  EXPECT_EQ(text[0], 'x');
  EXPECT_EQ(CalcRiseSettTime(-0.567, 0.0, nullptr, nullptr, text, 4), 0);
  EXPECT_EQ(text[0], 'x');
}

TEST(RiseSetWindow, ShowsTheTimesAndHidesWhatTheObjectLacks) {
  veltest::TFakeDialogs dialogs({[](veltest::TFakeControls& c, velplatform::TDialogLogic&) {
    EXPECT_EQ(c.Text(kRiseLabel), Cp1251("Не заходит"));
    EXPECT_EQ(c.Text(kRiseTime), "");
    EXPECT_EQ(c.Text(kSetLabel), "");
    EXPECT_EQ(c.Text(kCulminationTime), Cp1251("13ч 30м"));
    return false;
  }});
  ShowRiseSetTimes(0, {0.0, 0.0, 13.5, 1.5, kNeverSets});
  ASSERT_EQ(dialogs.Shown().size(), 1u);
  EXPECT_EQ(dialogs.Shown()[0].caption, Cp1251(" Период видимости"));
}

TEST(RiseSetWindow, LeavesOutACulminationAfterTheDaysEnd) {
  std::string clipboard;
  velplatform::SetClipboardRunner([&](std::string_view s) { clipboard = s; });
  veltest::TFakeDialogs dialogs({[](veltest::TFakeControls& c, velplatform::TDialogLogic& l) {
    EXPECT_EQ(c.Text(kCulminationTime), "     -");
    c.Press(l, kCopyButton);
    return false;
  }});
  ShowRiseSetTimes(0, {15.1, 9.4, 24.67, 12.3, kRisesToday + kSetsToday});
  EXPECT_EQ(clipboard, Cp1251("Восход: 15ч 6м\r\nКульминация:\r\nЗаход: 9ч 24м\r\n"));
  velplatform::SetClipboardRunner({});
}

TEST(RiseSetWindow, CopiesTheShownLines) {
  std::string clipboard, console;
  velplatform::SetClipboardRunner([&](std::string_view s) { clipboard = s; });
  SetOutputConsole([&](std::string_view s) { console = s; });
  veltest::TFakeDialogs dialogs({[](veltest::TFakeControls& c, velplatform::TDialogLogic& l) {
    EXPECT_EQ(c.Text(kRiseTime), "     -");
    EXPECT_EQ(c.Text(kSetTime), Cp1251("21ч 5м"));
    c.Press(l, kCopyButton);
    c.Press(l, kConsoleButton);
    return false;
  }});
  ShowRiseSetTimes(0, {25.0, 21.0 + 5.0 / 60.0, 13.5, 1.5, kSetsToday});
  const std::string expected = Cp1251("Восход:\r\nКульминация: 13ч 30м\r\nЗаход: 21ч 5м\r\n");
  EXPECT_EQ(clipboard, expected);
  EXPECT_EQ(console, expected);
  velplatform::SetClipboardRunner({});
  SetOutputConsole({});
}

}  // namespace
