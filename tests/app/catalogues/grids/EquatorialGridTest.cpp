// The equatorial grid: line counts from the settings, the records of its lines, and the
// shape of its lines where it is known without the grid's arithmetic (an observer at the
// pole sees hour circles as radii and declination circles as circles about the zenith).
#include "EquatorialGrid.h"

#include "Cp1251.h"
#include "GridGroups.h"
#include "GridTestSupport.h"

#include <algorithm>
#include <cmath>

namespace {

using namespace velarion::catalogues;
using velarion::sky::TGridSettings;

class EquatorialGrid : public veltest::GridHost {
 protected:
  void Show(TGridSettings settings) { image.SetGridSettings(settings); }
  TEquatorialGrid grid;
  TGridSettings allLines{{1, 1, 1, 1}, {600, 600, 3600, 600}, 1, 1, 1, 1};
};

double Distance(int32_t x, int32_t y, int32_t cx, int32_t cy) { return std::hypot(x - cx, y - cy); }

TEST_F(EquatorialGrid, Identity) {
  const auto group = MakeEquatorialGridGroup("/nowhere/");
  EXPECT_EQ(group->Code, "EGRID");
  EXPECT_EQ(group->Name, velplatform::Cp1251("Экват. координатная сетка"));
  EXPECT_EQ(group->Version, "2.0");
  EXPECT_EQ(group->EpochKind, 3);
  EXPECT_FALSE(group->Selectable);
  EXPECT_TRUE(group->SearchCaption.empty());
  EXPECT_FALSE(group->HasOptions);
}

TEST_F(EquatorialGrid, CountsFromTheSteps) {
  SetView(50.0, 3.0);
  Show(allLines);
  Calculate(grid);
  EXPECT_EQ(grid.HourCircleCount(), 24);
  EXPECT_EQ(grid.DeclinationCircleCount(), 17);
  EXPECT_EQ(grid.GetObjectCount(), 41);

  TGridSettings manual = allLines;
  manual.equatorialAuto = 0;
  manual.lineStep = {600, 600, 2400, 700};  // 40 min of time, 11 40'
  Show(manual);
  Calculate(grid);
  EXPECT_EQ(grid.RaStep(), 600);
  EXPECT_EQ(grid.HourCircleCount(), 36);
  EXPECT_EQ(grid.DeclinationCircleCount(), 15);

  manual.lineStep = {600, 600, 0, -1};  // zero and negative steps
  Show(manual);
  Calculate(grid);
  EXPECT_EQ(grid.RaStep(), 1);
  EXPECT_EQ(grid.DecStep(), 1);
  EXPECT_EQ(grid.HourCircleCount(), 21600);
  EXPECT_EQ(grid.DeclinationCircleCount(), 10799);
}

TEST_F(EquatorialGrid, SwitchedOffGridHasNoLines) {
  SetView(50.0, 3.0);
  TGridSettings off = allLines;
  off.equatorialGrid = 0;
  Show(off);
  EXPECT_TRUE(Calculate(grid).empty());
  EXPECT_EQ(grid.GetObjectCount(), 0);
  std::array<std::byte, 9> record{};
  EXPECT_EQ(grid.GetObjectData(1, record), 0);
}

TEST_F(EquatorialGrid, RecordsAndNamesOfTheLines) {
  SetView(50.0, 3.0);
  Show(allLines);
  Calculate(grid);
  std::array<std::byte, 9> record{};
  EXPECT_EQ(grid.GetObjectData(3, std::span(record).first(8)), 0);  // too small
  ASSERT_EQ(grid.GetObjectData(3, record), 9);
  EXPECT_EQ(velplatform::GetField<uint8_t>(record, 0), 1);
  EXPECT_DOUBLE_EQ(velplatform::GetField<double>(record, 1), 30.0);  // 2 h
  ASSERT_EQ(grid.GetObjectData(25, record), 9);                      // the first declination circle
  EXPECT_EQ(velplatform::GetField<uint8_t>(record, 0), 2);
  EXPECT_DOUBLE_EQ(velplatform::GetField<double>(record, 1), 80.0);
  ASSERT_EQ(grid.GetObjectData(41, record), 9);
  EXPECT_DOUBLE_EQ(velplatform::GetField<double>(record, 1), -80.0);
  EXPECT_EQ(grid.GetObjectData(42, record), 0);
  EXPECT_EQ(grid.GetObjectName(3),
            "\x02"
            "a\x01= " +
                velplatform::Cp1251("2ч 0.0м"));
  EXPECT_EQ(grid.GetObjectName(33),
            "\x02"
            "d\x01= " +
                velplatform::Cp1251("0° 0'"));

  TGridSettings noHours = allLines;
  noHours.lineVisible = {1, 1, 0, 1};
  Show(noHours);
  const std::vector<int32_t> reported = Calculate(grid);
  EXPECT_EQ(grid.GetObjectData(3, record), 0);
  EXPECT_EQ(grid.GetObjectName(3), "");
  EXPECT_TRUE(std::all_of(reported.begin(), reported.end(), [](int32_t n) { return n > 24; }));
}

TEST_F(EquatorialGrid, AtThePoleHourCirclesRunToTheHorizon) {
  SetView(90.0, 0.0);
  Show(allLines);
  const std::vector<int32_t> reported = Calculate(grid);
  // Every hour circle and the circles from +80 to +10 rise; the southern ones never do.
  const auto has = [&](int32_t n) {
    return std::find(reported.begin(), reported.end(), n) != reported.end();
  };
  for (int32_t n = 1; n <= 24 + 8; ++n) EXPECT_TRUE(has(n)) << n;
  for (int32_t n = 24 + 10; n <= 41; ++n) EXPECT_FALSE(has(n)) << n;
  velarion::kit::TObjectRect rect;
  EXPECT_FALSE(grid.GetObjectRect(24 + 10, rect));  // -10
  // The hour circle of 6 h: from +80 (r = R tan 5) down to the horizon (r = R).
  ASSERT_TRUE(grid.GetObjectRect(7, rect));
  const double far = std::max(
      {Distance(rect.left, rect.top, 400, 400), Distance(rect.right, rect.bottom, 400, 400)});
  EXPECT_NEAR(far, 380.0, 2.5);
  // The circle of +60: radius R tan 15 = 101.8 about the zenith.
  ASSERT_TRUE(grid.GetObjectRect(24 + 3, rect));
  EXPECT_NEAR((rect.right - rect.left) / 2.0, 101.8, 2.0);
  EXPECT_NEAR((rect.bottom - rect.top) / 2.0, 101.8, 2.0);
  EXPECT_NEAR((rect.right + rect.left) / 2.0, 400.0, 1.5);
}

TEST_F(EquatorialGrid, DeclinationCirclesThatNeverRiseAreSkipped) {
  SetView(50.0, 6.0);
  Show(allLines);
  const std::vector<int32_t> reported = Calculate(grid);
  const auto has = [&](int32_t n) {
    return std::find(reported.begin(), reported.end(), n) != reported.end();
  };
  EXPECT_TRUE(has(24 + 12));   // -30 rises at 50 N
  EXPECT_FALSE(has(24 + 14));  // -50 never does
  EXPECT_TRUE(has(24 + 1));    // +80 is circumpolar
}

TEST_F(EquatorialGrid, DetailedViewDrawsOnlyTheWindow) {
  SetView(50.0, 6.0);
  setup.quick = false;
  velarion::sky::SetProjection(setup);
  zoom = 1000;
  window = {80.0, 100.0, 20.0, 50.0};
  TGridSettings manual = allLines;
  manual.equatorialAuto = 0;  // 1 h and 10 degrees
  Show(manual);
  const std::vector<int32_t> reported = Calculate(grid, 1);
  // Hour circles of 6 h (90 degrees) only; declination circles +50 .. +20.
  EXPECT_EQ(reported, (std::vector<int32_t>{7, 24 + 4, 24 + 5, 24 + 6, 24 + 7}));
}

TEST_F(EquatorialGrid, DrawsLinesAndLabelsInTheirColours) {
  SetView(50.0, 6.0);
  Show(allLines);
  const std::vector<int32_t> reported = Calculate(grid);
  device.ClearLog();
  Draw(grid, reported);
  const auto& log = device.Log();
  const auto count = [&](std::string_view prefix) {
    return std::count_if(log.begin(), log.end(),
                         [&](const std::string& s) { return s.starts_with(prefix); });
  };
  EXPECT_GE(count("pen 657930 "), 1);       // colour 9 of the table: 0x0A0A0A
  EXPECT_GE(count("textcolor 394758"), 1);  // colour 5: 0x060606
  EXPECT_GE(count("polypolyline"), static_cast<long>(reported.size()));
  EXPECT_GE(count("text "), 1);
}

}  // namespace
