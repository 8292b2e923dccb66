// The Sun group: its record against DE405, the common record, the background colour, the
// disc on the map and its information lines.
#include "SunGroup.h"

#include "Cp1251.h"
#include "ProjectionExports.h"
#include "RecordingDevice.h"
#include "SolarTestSupport.h"
#include "velastro.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace {

using namespace velarion::solar;
namespace kit = velarion::kit;
using velplatform::Cp1251;
using veltest::SeparationArcsec;
using veltest::TOracleTable;

double AltitudeOf(double ra, double dec, double latitude, double lst) {
  const double h = veltest::Rad(15.0 * lst - ra);
  const double d = veltest::Rad(dec), p = veltest::Rad(latitude);
  return std::asin(std::sin(p) * std::sin(d) + std::cos(p) * std::cos(d) * std::cos(h)) * 180.0 /
         std::numbers::pi;
}

class SunGroup : public testing::Test {
 protected:
  void SetUp() override {
    velarion::sky::InitProjectionTables();
    sun->InitResources(0);
  }
  void TearDown() override { velarion::sky::FreeProjectionTables(); }
  TSun& Sun() { return static_cast<TSun&>(*sun); }
  // The view of an oracle row, with the projection of a 2000 x 2000 map.
  void UseRow(std::size_t row, uint8_t viewMode = 0) {
    veltest::ShowOnMap(*sun, veltest::ViewOfRow(table, row), viewMode);
  }
  // A row in which the Sun stands higher than 10 degrees.
  std::size_t DaytimeRow() {
    for (std::size_t row = 0; row < table.Size(); ++row) {
      if (table.Number(row, "body") != 0) continue;
      const double lst = LMST(table.Number(row, "mjd_ut1"), -table.Number(row, "lon_deg"));
      if (AltitudeOf(table.Number(row, "ra_topo"), table.Number(row, "dec_topo"),
                     table.Number(row, "lat_deg"), lst) > 10.0) {
        return row;
      }
    }
    ADD_FAILURE() << "no daytime row";
    return 0;
  }
  TOracleTable table{"solar_places.csv"};
  velarion::kit::TGroupPtr sun = MakeSunGroup("/nowhere");
};

TEST_F(SunGroup, IdentityOfTheGroup) {
  EXPECT_EQ(sun->Code, "SUN");
  EXPECT_EQ(sun->Name, Cp1251("Солнце"));
  EXPECT_EQ(sun->Version, "4.1");
  EXPECT_EQ(sun->SearchCaption, Cp1251("Солнце"));
  EXPECT_EQ(sun->GetObjectCount(), 1);
  EXPECT_EQ(sun->EpochKind, 2);
  EXPECT_EQ(sun->SelectObjectForSearch(0), 1);
  EXPECT_EQ(sun->GetObjectName(1), "\x01" + Cp1251("Солнце"));
  EXPECT_EQ(sun->GetObjectName(2), "");
}

TEST_F(SunGroup, RecordFieldsAgreeWithDe405AtTheirOffsets) {
  int rows = 0;
  for (std::size_t row = 0; row < table.Size(); ++row) {
    if (table.Number(row, "body") != 0) continue;
    UseRow(row);
    std::array<std::byte, 80> record{};
    record.fill(std::byte{0x77});
    record[0] = std::byte{1};
    ASSERT_EQ(sun->GetObjectData(1, record), 73);
    const velplatform::TConstBytes r(record);
    EXPECT_EQ(velplatform::GetField<uint8_t>(r, 0), 1);
    EXPECT_LT(
        SeparationArcsec(velplatform::GetField<double>(r, 41), velplatform::GetField<double>(r, 49),
                         table.Number(row, "ra_astr"), table.Number(row, "dec_astr")),
        1.0);
    EXPECT_NEAR(velplatform::GetField<double>(r, 33), table.Number(row, "distance"), 1e-6);
    // The drawn place is astrometric: the apparent one lies 20.5" away.
    EXPECT_LT(
        SeparationArcsec(velplatform::GetField<double>(r, 57), velplatform::GetField<double>(r, 65),
                         table.Number(row, "ra_topo"), table.Number(row, "dec_topo")),
        21.5);
    const double altitude = AltitudeOf(table.Number(row, "ra_topo"), table.Number(row, "dec_topo"),
                                       sun->View.latitude, sun->View.siderealHours);
    EXPECT_NEAR(velplatform::GetField<double>(r, 1), altitude, 0.01);
    const int32_t twilight = velplatform::GetField<int32_t>(r, 9);
    if (std::fabs(altitude + 0.85) > 0.02) {
      EXPECT_EQ(twilight, TwilightClass(altitude));
    }
    EXPECT_EQ(velplatform::GetField<uint32_t>(r, 13),
              SkyColour(static_cast<TTwilightClass>(twilight), 3, sun->View.colours));
    EXPECT_NEAR(velplatform::GetField<double>(r, 17), 0.0, 360.0);
    EXPECT_NEAR(velplatform::GetField<double>(r, 25), 0.0, 0.001);  // the Sun stays on the ecliptic
    EXPECT_EQ(record[73], std::byte{0x77});
    ++rows;
  }
  EXPECT_EQ(rows, 40);
}

TEST_F(SunGroup, ARecordIsWrittenOnlyIntoABufferThatHoldsIt) {
  UseRow(0);
  std::array<std::byte, 72> small{};
  small.fill(std::byte{0x77});
  EXPECT_EQ(sun->GetObjectData(1, small), 0);
  for (std::byte b : small) EXPECT_EQ(b, std::byte{0x77});
  std::array<std::byte, 73> record{};
  EXPECT_EQ(sun->GetObjectData(2, record), 0);
  EXPECT_EQ(sun->GetObjectData(1, record), 73);
}

TEST_F(SunGroup, CommonRecordHoldsTheApparentTopocentricPlace) {
  const std::size_t row = DaytimeRow();
  UseRow(row);
  velarion::kit::TCommonObject object;
  ASSERT_TRUE(sun->GetFObjectData(1, object));
  EXPECT_EQ(object.flags, 0x145);
  EXPECT_EQ(object.name, Cp1251("Солнце"));
  EXPECT_LT(SeparationArcsec(object.raOfDate, object.decOfDate, table.Number(row, "ra_topo"),
                             table.Number(row, "dec_topo")),
            1.0);
  const double expectedSize =
      2.0 * std::atan(696000.0 / (table.Number(row, "distance") * 1.495978707e8)) * 180.0 /
      std::numbers::pi;
  EXPECT_NEAR(object.sizeDeg, expectedSize, 1e-4);
  EXPECT_NEAR(object.distanceAu, table.Number(row, "distance"), 1e-6);
  EXPECT_FALSE(sun->GetFObjectData(0, object));
}

TEST_F(SunGroup, TheBackgroundFollowsTwilightEvenWhenTheSunIsSwitchedOff) {
  const std::size_t row = DaytimeRow();
  UseRow(row);
  sun->View.objectsVisible16 = 0;
  int reported = 0;
  sun->CalculateObjects([&](int32_t) { ++reported; });
  EXPECT_EQ(reported, 0);
  std::array<std::byte, 73> record{};
  ASSERT_EQ(sun->GetObjectData(1, record), 73);
  EXPECT_EQ(velplatform::GetField<int32_t>(record, 9), kDay);
  EXPECT_EQ(velplatform::GetField<uint32_t>(record, 13),
            sun->View.colours[kit::kDayBackgroundColour]);
  sun->View.skyColourMode = 0;
  ASSERT_EQ(sun->GetObjectData(1, record), 73);
  EXPECT_EQ(velplatform::GetField<uint32_t>(record, 13),
            sun->View.colours[kit::kNightBackgroundColour]);
}

TEST_F(SunGroup, TheDiscIsDrawnInTheSunColourAndThePenAndBrushRestored) {
  UseRow(DaytimeRow());
  std::vector<int32_t> reported;
  sun->CalculateObjects([&](int32_t n) { reported.push_back(n); });
  ASSERT_EQ(reported, std::vector<int32_t>{1});
  velarion::kit::TObjectRect rect;
  ASSERT_TRUE(sun->GetObjectRect(1, rect));
  // 16' on a 1000-pixel horizon: 5 pixels, traced in 10-degree steps, 2 x 19 points; the
  // orthographic map shortens the disc towards the horizon only.
  EXPECT_NEAR(std::max(rect.right - rect.left, rect.bottom - rect.top), 10, 2);
  velplatform::TRecordingDevice device(2000, 2000);
  device.SetPen(0x123456);
  device.SetBrush(0x654321);
  device.ClearLog();
  sun->DrawDevice = velplatform::HandleOf(device);
  sun->DrawObjects([] { return -1; });
  const uint32_t colour = sun->View.colours[kit::kSunColour];
  const std::vector<std::string> expected = {"pen " + std::to_string(colour) + " 1 solid",
                                             "brush " + std::to_string(colour) + " solid"};
  ASSERT_GE(device.Log().size(), 5u);
  EXPECT_EQ(device.Log()[0], expected[0]);
  EXPECT_EQ(device.Log()[1], expected[1]);
  EXPECT_EQ(device.Log()[2].rfind("polygon 38:", 0), 0u) << device.Log()[2];
  EXPECT_EQ(device.PenColor(), 0x123456u);
  EXPECT_EQ(device.BrushColor(), 0x654321u);
}

TEST_F(SunGroup, InTheDetailedViewADiscOutsideTheWindowIsNeitherBuiltNorDrawn) {
  UseRow(DaytimeRow(), 1);
  const double ra = table.Number(DaytimeRow(), "ra_topo");
  sun->RaDecWindow = {std::fmod(ra + 90.0, 360.0), std::fmod(ra + 100.0, 360.0), -10.0, 10.0};
  int reported = 0;
  sun->CalculateObjects([&](int32_t) { ++reported; });
  EXPECT_EQ(reported, 0);
  velarion::kit::TObjectRect rect;
  EXPECT_FALSE(sun->GetObjectRect(1, rect));
  velplatform::TRecordingDevice device(2000, 2000);
  sun->DrawDevice = velplatform::HandleOf(device);
  sun->DrawObjects([] { return -1; });
  EXPECT_TRUE(device.Log().empty());
}

TEST_F(SunGroup, InformationLines) {
  const std::size_t row = DaytimeRow();
  UseRow(row);
  velarion::kit::TZStrings lines;
  sun->GetObjectStrings(1, lines);
  const std::vector<std::string> e = lines.Entries();
  ASSERT_EQ(e.size(), 8u);
  EXPECT_EQ(e[0], "\x01" + Cp1251("Солнце"));
  EXPECT_EQ(e[1], "\x01" + Cp1251("Экват. координаты (на текущую эпоху):"));
  EXPECT_EQ(e[2].rfind("\x01" + Cp1251("Геоцентр.: ") +
                           "\x02"
                           "a"
                           "\x01"
                           ": ",
                       0),
            0u);
  EXPECT_NE(e[3].find("   \x02"
                      "d"
                      "\x01"
                      ": "),
            std::string::npos);
  ASSERT_EQ(e[4].rfind("\x01r=", 0), 0u);
  const std::size_t blank = e[4].find(' ');
  EXPECT_EQ(blank, 9u);  // four decimals
  EXPECT_NEAR(std::stod(e[4].substr(3, blank - 3)), table.Number(row, "distance"), 1e-4);
  const std::string unit = " " + Cp1251("а.е.;   Угловой размер: ");
  EXPECT_EQ(e[4].substr(blank, unit.size()), unit) << e[4];
  EXPECT_EQ(e[5].rfind("\x01" + Cp1251("Восход: "), 0), 0u);
  EXPECT_EQ(e[6].rfind(Cp1251("Кульминация: "), 0), 0u);
  EXPECT_EQ(e[7].rfind(Cp1251("Заход: "), 0), 0u);
  velarion::kit::TZStrings none;
  sun->GetObjectStrings(2, none);
  sun->View.objectsVisible5To14 = 0;
  sun->GetObjectStrings(1, none);
  EXPECT_EQ(none.Count(), 0);
}

}  // namespace
