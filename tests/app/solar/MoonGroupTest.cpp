// The Moon group: its record against DE405, the phase and the bright limb, the eclipse of
// 2022 November 8, the drawing of the phase, and what it gives while not shown.
#include "MoonGroup.h"

#include "BodyInfoText.h"
#include "Cp1251.h"
#include "ProjectionExports.h"
#include "RecordingDevice.h"
#include "SolarTestSupport.h"
#include "Twilight.h"
#include "velastro.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>

namespace {

using namespace velarion::solar;
namespace kit = velarion::kit;
using velplatform::Cp1251;
using veltest::SeparationArcsec;
using veltest::TOracleTable;

class MoonGroup : public testing::Test {
 protected:
  void SetUp() override {
    velarion::sky::InitProjectionTables();
    moon->InitResources(0);
  }
  void TearDown() override { velarion::sky::FreeProjectionTables(); }
  TMoon& Moon() { return static_cast<TMoon&>(*moon); }
  void UseView(const velarion::kit::TViewParameters& view) { veltest::ShowOnMap(*moon, view, 0); }
  // The moment of greatest eclipse, 2022-11-08 10:59 TD, seen from Los Angeles.
  velarion::kit::TViewParameters EclipseView(double mjdDynamical) {
    velarion::kit::TViewParameters view = veltest::ViewOfRow(table, 0);
    view.mjdDynamical = mjdDynamical;
    view.mjdUt = view.mjdDynamical - 69.2 / 86400.0;
    view.latitude = 34.05;
    view.longitudeEast = -118.25;
    view.siderealHours = LMST(view.mjdUt, -view.longitudeEast);
    return view;
  }
  TOracleTable table{"solar_places.csv"};
  velarion::kit::TGroupPtr moon = MakeMoonGroup("/nowhere");
};

TEST_F(MoonGroup, IdentityOfTheGroup) {
  EXPECT_EQ(moon->Code, "MOON");
  EXPECT_EQ(moon->Name, Cp1251("Луна"));
  EXPECT_EQ(moon->Version, "4.2");
  EXPECT_EQ(moon->SearchCaption, Cp1251("Луну"));
  EXPECT_EQ(moon->GetObjectCount(), 1);
  EXPECT_EQ(moon->EpochKind, 2);
  EXPECT_EQ(moon->SelectObjectForSearch(0), 1);
}

TEST_F(MoonGroup, RecordFieldsAgreeWithDe405AtTheirOffsets) {
  int rows = 0;
  for (std::size_t row = 0; row < table.Size(); ++row) {
    if (table.Number(row, "body") != 1) continue;
    UseView(veltest::ViewOfRow(table, row));
    std::array<std::byte, 80> record{};
    record.fill(std::byte{0x77});
    record[0] = std::byte{1};
    ASSERT_EQ(moon->GetObjectData(1, record), 73);
    const velplatform::TConstBytes r(record);
    EXPECT_EQ(velplatform::GetField<uint8_t>(r, 0), 1);
    EXPECT_LT(
        SeparationArcsec(velplatform::GetField<double>(r, 33), velplatform::GetField<double>(r, 41),
                         table.Number(row, "ra_astr"), table.Number(row, "dec_astr")),
        1.0);
    EXPECT_LT(
        SeparationArcsec(velplatform::GetField<double>(r, 49), velplatform::GetField<double>(r, 57),
                         table.Number(row, "ra_topo"), table.Number(row, "dec_topo")),
        21.5);
    const double geocentric = table.Number(row, "distance") / 6378.137;
    const double topocentric = velplatform::GetField<double>(r, 25);
    const double altitude = velplatform::GetField<double>(r, 1);
    // Nearer by about one Earth radius times the sine of the altitude.
    EXPECT_NEAR(geocentric - topocentric, std::sin(veltest::Rad(altitude)), 0.02) << row;
    const double age = velplatform::GetField<double>(r, 65);
    EXPECT_TRUE(age >= 0.0 && age < 360.0);
    EXPECT_EQ(record[73], std::byte{0x77});
    ++rows;
  }
  EXPECT_EQ(rows, 40);
}

TEST_F(MoonGroup, WhileNotShownItGivesNothing) {
  UseView(veltest::ViewOfRow(table, 45));
  moon->View.objectsVisible5To14 = 1;  // the Sun only
  std::array<std::byte, 73> record{};
  record.fill(std::byte{0x77});
  EXPECT_EQ(moon->GetObjectData(1, record), 0);
  for (std::byte b : record) EXPECT_EQ(b, std::byte{0x77});
  velarion::kit::TCommonObject object;
  EXPECT_FALSE(moon->GetFObjectData(1, object));
  velarion::kit::TZStrings lines;
  moon->GetObjectStrings(1, lines);
  EXPECT_EQ(lines.Count(), 0);
  int reported = 0;
  moon->CalculateObjects([&](int32_t) { ++reported; });
  EXPECT_EQ(reported, 0);
  moon->View.objectsVisible5To14 = 2;
  std::array<std::byte, 72> small{};
  EXPECT_EQ(moon->GetObjectData(1, small), 0);
  EXPECT_EQ(moon->GetObjectData(1, record), 73);
}

TEST_F(MoonGroup, CommonRecordHoldsTheApparentTopocentricPlace) {
  const std::size_t row = 45;
  ASSERT_EQ(table.Number(row, "body"), 1);
  UseView(veltest::ViewOfRow(table, row));
  velarion::kit::TCommonObject object;
  ASSERT_TRUE(moon->GetFObjectData(1, object));
  EXPECT_EQ(object.flags, 0x1C5);
  EXPECT_EQ(object.name, Cp1251("Луна"));
  EXPECT_LT(SeparationArcsec(object.raOfDate, object.decOfDate, table.Number(row, "ra_topo"),
                             table.Number(row, "dec_topo")),
            1.0);
  EXPECT_NEAR(object.sizeDeg, 0.52, 0.05);
  EXPECT_NEAR(object.distanceAu, table.Number(row, "distance") / 1.495978707e8, 5e-5);
  EXPECT_TRUE(object.phase >= 0.0F && object.phase <= 1.0F);
}

TEST(MoonPlace, AgeAndPhaseAtFullMoon) {
  TMoonPlace full;
  full.ageAngleDeg = 180.0;
  EXPECT_NEAR(full.AgeDays(), 14.765294, 1e-6);
  EXPECT_EQ(ShownNumber(full.AgeDays(), 1), "14.8");
  EXPECT_EQ(ShownNumber(full.Phase(), 2), "1.00");
  TMoonPlace quarter;
  quarter.ageAngleDeg = 90.0;
  EXPECT_NEAR(quarter.Phase(), 0.5, 1e-12);
}

// Meeus, Astronomical Algorithms, chapter 15: h0 = 0.7275 π − 0°34′ for the Moon of
// horizontal parallax π; a constant +0.125° would leave up to 2.7′ at perigee and apogee.
TEST(MoonPlace, TheRisingAltitudeFollowsTheParallax) {
  for (const double distanceEarthRadii : {55.9, 60.27, 63.8}) {
    const double parallaxDeg = std::asin(1.0 / distanceEarthRadii) * 180.0 / std::numbers::pi;
    EXPECT_NEAR(MoonRiseAltitudeDeg(distanceEarthRadii), 0.7275 * parallaxDeg - 34.0 / 60.0, 1e-4)
        << distanceEarthRadii;
  }
}

TEST(MoonPlace, TheCuspLineStandsAcrossTheDirectionOfTheSun) {
  const struct {
    double ra, dec, sunRa, sunDec, limb;
  } cases[] = {
      {0.0, 0.0, 90.0, 0.0, 180.0},     // Sun due east
      {0.0, 0.0, 270.0, 0.0, 0.0},      // Sun due west
      {10.0, 0.0, 10.0, 30.0, 90.0},    // Sun due north
      {10.0, 0.0, 10.0, -30.0, 270.0},  // Sun due south
      {350.0, 0.0, 20.0, 0.0, 180.0},   // across RA 0, east
  };
  for (const auto& c : cases) {
    const TLimb limb = BrightLimb(c.ra, c.dec, c.sunRa, c.sunDec);
    EXPECT_NEAR(std::remainder(limb.brightLimbDeg - c.limb, 360.0), 0.0, 1e-6) << c.sunRa;
  }
  const TLimb same = BrightLimb(10.0, 5.0, 10.0, 5.0);  // new Moon exactly: still defined
  EXPECT_TRUE(std::isfinite(same.brightLimbDeg));
}

TEST_F(MoonGroup, TheTotalEclipseOf2022NovemberIsFlaggedAndShaded) {
  UseView(EclipseView(MJD(8, 11, 2022, 10.0 + 59.0 / 60.0 + 11.0 / 3600.0)));
  const TMoonPlace& place = Moon().Compute(false, true);
  ASSERT_GT(place.altitudeDeg, 10.0);
  ASSERT_TRUE(place.eclipse);
  // The shadow radii at the Moon's distance stay within their known spans, and the
  // penumbra is wider by the Sun's diameter (enlarged by a fiftieth).
  EXPECT_GT(place.umbraArcmin / 60.0, 0.6);
  EXPECT_LT(place.umbraArcmin / 60.0, 0.8);
  EXPECT_NEAR(place.penumbraArcmin - place.umbraArcmin, 2.0 * 16.2 * 1.02, 0.3);
  EXPECT_LT(
      SeparationArcsec(place.topoRaDeg, place.topoDecDeg, place.shadowRaDeg, place.shadowDecDeg) /
          60.0,
      place.umbraArcmin - place.semiDiameterArcmin);
  EXPECT_GT(place.cosPhase, 0.996195);

  int reported = 0;
  moon->CalculateObjects([&](int32_t) { ++reported; });
  ASSERT_EQ(reported, 1);
  velplatform::TRecordingDevice device(2000, 2000);
  moon->DrawDevice = velplatform::HandleOf(device);
  moon->DrawObjects([] { return -1; });
  std::vector<std::string> polygonsAfterPen;
  std::string pen;
  for (const std::string& line : device.Log()) {
    if (line.rfind("pen ", 0) == 0) pen = line;
    if (line.rfind("polygon ", 0) == 0) polygonsAfterPen.push_back(pen);
  }
  const std::string lit =
      "pen " + std::to_string(moon->View.colours[kit::kSolarSystemColour]) + " 1 solid";
  const std::string unlit =
      "pen " + std::to_string(moon->View.colours[kit::kUnlitPartColour]) + " 1 solid";
  EXPECT_EQ(polygonsAfterPen, (std::vector<std::string>{lit, "pen 255 1 solid", unlit}));
}

TEST_F(MoonGroup, NoEclipseAtTheFullMoonOf2022December) {
  UseView(EclipseView(MJD(8, 12, 2022, 4.0 + 8.0 / 60.0)));
  const TMoonPlace& place = Moon().Compute(false, true);
  ASSERT_TRUE(velarion::solar::AboveDrawingHorizon(place.altitudeDeg, place.semiDiameterArcmin));
  EXPECT_FALSE(place.eclipse);
  EXPECT_NEAR(place.Phase(), 1.0, 0.01);
}

TEST_F(MoonGroup, APartialPhaseDrawsTheLargerPartLast) {
  for (std::size_t row = 40; row < table.Size(); ++row) {
    UseView(veltest::ViewOfRow(table, row));
    const TMoonPlace place = Moon().Compute(false, true);
    if (place.altitudeDeg < 5.0 || std::fabs(place.cosPhase) > 0.9) continue;
    moon->CalculateObjects([](int32_t) {});
    ASSERT_TRUE(Moon().Visible());
    velplatform::TRecordingDevice device(2000, 2000);
    moon->DrawDevice = velplatform::HandleOf(device);
    moon->DrawObjects([] { return -1; });
    std::vector<std::string> pens;
    for (const std::string& line : device.Log()) {
      if (line.rfind("pen ", 0) == 0) pens.push_back(line);
    }
    const std::string lit =
        "pen " + std::to_string(moon->View.colours[kit::kSolarSystemColour]) + " 1 solid";
    const std::string unlit =
        "pen " + std::to_string(moon->View.colours[kit::kUnlitPartColour]) + " 1 solid";
    ASSERT_GE(pens.size(), 2u);
    EXPECT_EQ(pens[0], place.cosPhase >= 0.0 ? unlit : lit) << row;
    EXPECT_EQ(pens[1], place.cosPhase >= 0.0 ? lit : unlit) << row;
    EXPECT_EQ(moon->GetObjectName(1),
              "\x01" + Cp1251("Луна  (Фаза: ") + ShownNumber(place.Phase(), 2) + ")");
    return;
  }
  FAIL() << "no partial phase above the horizon in the table";
}

TEST_F(MoonGroup, InformationLines) {
  UseView(veltest::ViewOfRow(table, 45));
  velarion::kit::TZStrings lines;
  moon->GetObjectStrings(1, lines);
  const std::vector<std::string> e = lines.Entries();
  ASSERT_EQ(e.size(), 9u);
  EXPECT_EQ(e[0], "\x01" + Cp1251("Луна"));
  EXPECT_EQ(e[4].find(" " + Cp1251("км;   Угловой размер: ")) != std::string::npos, true) << e[4];
  EXPECT_EQ(e[5].rfind("\x01" + Cp1251("Возраст: "), 0), 0u);
  EXPECT_NE(e[5].find(Cp1251(" дней.;  ") + "\x01" + Cp1251("Фаза: ")), std::string::npos);
  EXPECT_EQ(e[7].rfind(Cp1251("Кульминация: "), 0), 0u);
}

}  // namespace
