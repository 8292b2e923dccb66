// The pieces of the planets group: the objects and their record, phases and magnitudes,
// the satellites' events on constructed geometry, position angles, pixel regions, and
// the settings with their dialog.
#include "FakeDialogs.h"
#include "IniAccess.h"
#include "PixelRegion.h"
#include "PlanetOptionsDialog.h"
#include "PlanetPhysics.h"
#include "PlanetRecord.h"
#include "PlanetSettings.h"
#include "SatelliteEvents.h"
#include "velastro.h"

#include "Cp1251.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

namespace {

using namespace velarion::solar;
using velplatform::Cp1251;

// ---- Objects and PlanetDataRecord -----------------------------------------------------

TEST(PlanetObjects, IndicesBitsSymbolsAndNames) {
  const auto objects = MakePlanetObjects();
  const struct {
    int32_t index;
    uint16_t bit;
    const char* name;
    const char* symbol;
    bool satellite;
    int number;
  } cases[] = {
      {1, 4, "Меркурий", "\x09S", false, 0}, {2, 8, "Венера", "\x09n", false, 0},
      {3, 16, "Марс", "\x09U", false, 0},    {4, 32, "Юпитер", "\x09V", false, 0},
      {5, 64, "Сатурн", "\x09W", false, 0},  {6, 128, "Уран", "\x09X", false, 0},
      {7, 256, "Нептун", "\x09Y", false, 0}, {8, 512, "Плутон", "\x09Z", false, 0},
      {10, 32, "Ио", "", true, 0},           {13, 32, "Каллисто", "", true, 3},
      {50, 64, "Мимас", "", true, 0},        {55, 64, "Титан", "", true, 5},
      {57, 64, "Япет", "", true, 7},         {100, 128, "Миранда", "", true, 0},
      {104, 128, "Оберон", "", true, 4},
  };
  for (const auto& c : cases) {
    const auto slot = PlanetSlot(c.index);
    ASSERT_TRUE(slot.has_value()) << c.index;
    const TPlanetObject& o = objects[*slot];
    EXPECT_EQ(o.index, c.index);
    EXPECT_EQ(o.bodyBit, c.bit) << c.index;
    EXPECT_EQ(o.name, Cp1251(c.name)) << c.index;
    EXPECT_EQ(o.symbol, c.symbol) << c.index;
    EXPECT_EQ(o.isSatellite, c.satellite) << c.index;
    EXPECT_EQ(o.satelliteNumber, c.number) << c.index;
    EXPECT_EQ(o.inputs.mjdUt, 1.0e9);
  }
  for (int32_t invalid : {-1, 0, 9, 14, 49, 58, 99, 105, 1000}) {
    EXPECT_FALSE(PlanetSlot(invalid).has_value()) << invalid;
  }
}

TEST(PlanetDataRecord, FieldsLieAtTheirOffsetsAndNothingBeyond) {
  TPlanetObject o;
  o.highPrecision = true;
  o.raDeg = 11.5;
  o.decDeg = -12.25;
  o.distanceAu = 4.125;
  o.topoRaDeg = 11.75;
  o.topoDecDeg = -12.5;
  o.illuminated = 0.875;
  o.diameterDeg = 40.0 / 3600.0;
  o.magnitude = -262;
  std::array<std::byte, 64> buffer;
  buffer.fill(std::byte{0xAA});
  WritePlanetData(o, buffer);
  const velplatform::TConstBytes r(buffer);
  EXPECT_EQ(velplatform::GetField<uint8_t>(r, 0), 1);
  EXPECT_EQ(velplatform::GetField<double>(r, 1), 11.5);
  EXPECT_EQ(velplatform::GetField<double>(r, 9), -12.25);
  EXPECT_EQ(velplatform::GetField<double>(r, 17), 4.125);
  EXPECT_EQ(velplatform::GetField<double>(r, 25), 11.75);
  EXPECT_EQ(velplatform::GetField<double>(r, 33), -12.5);
  EXPECT_EQ(velplatform::GetField<double>(r, 41), 0.875);
  EXPECT_NEAR(velplatform::GetField<double>(r, 49), 40.0, 1e-12);
  EXPECT_EQ(velplatform::GetField<int32_t>(r, 57), -262);
  for (std::size_t i = 61; i < buffer.size(); ++i) EXPECT_EQ(buffer[i], std::byte{0xAA}) << i;

  // A satellite has no phase, no size and never the high-precision flag.
  o.isSatellite = true;
  WritePlanetData(o, buffer);
  EXPECT_EQ(velplatform::GetField<uint8_t>(r, 0), 0);
  EXPECT_EQ(velplatform::GetField<double>(r, 41), 0.0);
  EXPECT_EQ(velplatform::GetField<double>(r, 49), 0.0);

  std::array<std::byte, 60> small;
  small.fill(std::byte{0x55});
  WritePlanetData(o, small);
  for (std::byte b : small) EXPECT_EQ(b, std::byte{0x55});
}

// ---- Phases and magnitudes --------------------------------------------------------------

TEST(PlanetPhysics, PhaseFromTheTriangleOfDistances) {
  const struct {
    double delta, r, earthSun, cosPhase;
  } cases[] = {
      {1.4, 0.4, 1.0, 1.0},             // superior conjunction: full
      {0.6, 0.4, 1.0, -1.0},            // inferior conjunction: new
      {1.0, 1.0, std::sqrt(2.0), 0.0},  // right angle at the planet: half
      {1.0, 1.0, 3.0, -1.0},            // no such triangle: clamped
      {0.0, 1.0, 1.0, 1.0},             // no distance: full, not NaN
      {4.2, 5.2, 1.0, (4.2 * 4.2 + 5.2 * 5.2 - 1.0) / (2 * 4.2 * 5.2)},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(PlanetCosPhase(c.delta, c.r, c.earthSun), c.cosPhase, 1e-12) << c.delta;
  }
  EXPECT_DOUBLE_EQ(IlluminatedFraction(0.0), 0.5);
  EXPECT_DOUBLE_EQ(IlluminatedFraction(1.0), 1.0);
  EXPECT_DOUBLE_EQ(IlluminatedFraction(-1.0), 0.0);
  // cos^2(i / 2) at i = 60 degrees.
  EXPECT_NEAR(IlluminatedFraction(0.5),
              std::pow(std::cos(30.0 * 3.14159265358979323846 / 180.0), 2), 1e-12);
}

TEST(PlanetPhysics, MagnitudesAtHandDerivedGeometry) {
  const struct {
    int32_t planet;
    double i, r, delta, v;
  } cases[] = {
      // Mercury at phase angle 0 beyond the Sun: -0.42 + 5 log10(0.4 * 1.4).
      {1, 0.0, 0.4, 1.4, -0.42 + 5.0 * std::log10(0.56)},
      // Mercury at 90: -0.42 + 2.43 + 2.2e-13 * 90^6 = 2.12692 at r * delta = 1.
      {1, 90.0, 1.0, 1.0, 2.1269170},
      {2, 100.0, 1.0, 1.0, -4.4 + 1.3 + 0.42},
      {3, 40.0, 1.5, 0.5, -1.52 + 0.64 + 5.0 * std::log10(0.75)},
      {4, 10.0, 5.2, 4.2, -9.26 + 5.0 * std::log10(21.84)},
      {5, 6.0, 9.5, 8.5, -8.88 + 5.0 * std::log10(80.75)},
      {6, 2.0, 19.0, 18.0, -7.18 + 5.0 * std::log10(342.0)},
      {7, 1.0, 30.0, 29.0, -6.86 + 5.0 * std::log10(870.0)},
      {8, 1.0, 40.0, 39.0, -0.96 + 5.0 * std::log10(1560.0)},
  };
  for (const auto& c : cases) {
    // 5 log10 is taken as 2.17147241 ln, good to 1e-8 relative.
    EXPECT_NEAR(PlanetMagnitude(static_cast<TPlanetIndex>(c.planet), c.i, c.r, c.delta), c.v, 2e-7)
        << c.planet;
  }
  EXPECT_EQ(PlanetMagnitude(static_cast<TPlanetIndex>(9), 0.0, 1.0, 1.0), 0.0);
  EXPECT_TRUE(std::isfinite(PlanetMagnitude(TPlanetIndex::kMercury, 0.0, 0.0, 1.0)));
  EXPECT_NEAR(ApparentDiameterDeg(197.18, 4.0), 197.18 / 4.0 / 3600.0, 1e-15);
  EXPECT_EQ(ApparentDiameterDeg(197.18, 0.0), 0.0);
}

// ---- Satellite events -------------------------------------------------------------------

TSpherePlace PlaceOf(double x, double y, double z) {
  TSpherePlace p;
  Polar(x, y, z, &p.distanceAu, &p.decDeg, &p.raDeg);
  return p;
}

TEST(SatelliteEvents, TransitOccultationEclipseAndNoneOnConstructedGeometry) {
  const TPlanetFigure jupiter = FigureOfPlanet(TPlanetIndex::kJupiter);
  const double rho = jupiter.equatorialRadiusAu;
  ASSERT_NEAR(rho, 71492.0 / 149597870.7, 1e-9);
  const TSpherePlace planet = PlaceOf(5.0, 0.0, 0.0);
  const TSpherePlace opposite = PlaceOf(-1.0, 0.0, 0.0);  // Sun behind the Earth
  const TSpherePlace quadrature = PlaceOf(0.0, 1.0, 0.0);
  // Along the shadow's axis, 0.01 AU behind the planet: seen well apart from the disc.
  const double ux = 5.0 / std::hypot(5.0, 1.0), uy = -1.0 / std::hypot(5.0, 1.0);
  const struct {
    const char* what;
    TSpherePlace satellite;
    TSpherePlace sun;
    TSatelliteEvent event;
  } cases[] = {
      {"in front", PlaceOf(5.0 - 0.001, 0.0, 0.0), opposite, TSatelliteEvent::kTransit},
      {"behind", PlaceOf(5.0 + 0.001, 0.0, 0.0), opposite, TSatelliteEvent::kOccultation},
      {"in the shadow", PlaceOf(5.0 + 0.01 * ux, 0.01 * uy, 0.0), quadrature,
       TSatelliteEvent::kEclipse},
      {"beside", PlaceOf(5.0, 0.01, 0.0), quadrature, TSatelliteEvent::kNone},
      {"sunward of the planet", PlaceOf(5.0 - 0.01 * ux, -0.01 * uy, 0.0), quadrature,
       TSatelliteEvent::kNone},
      // The flattened planet: 0.96 of the equatorial radius above the centre clears the
      // pole (polar radius 0.935), 0.9 does not.
      {"over the pole", PlaceOf(5.001, 0.0, 0.96 * rho), opposite, TSatelliteEvent::kNone},
      {"behind the polar limb", PlaceOf(5.001, 0.0, 0.9 * rho), opposite,
       TSatelliteEvent::kOccultation},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SatelliteEventOf(planet, c.satellite, c.sun, jupiter), c.event) << c.what;
  }
  // Saturn is taken as round: 0.96 of its radius is behind the disc.
  const TPlanetFigure saturn = FigureOfPlanet(TPlanetIndex::kSaturn);
  EXPECT_EQ(SatelliteEventOf(planet, PlaceOf(5.001, 0.0, 0.96 * saturn.equatorialRadiusAu),
                             opposite, saturn),
            TSatelliteEvent::kOccultation);
  // A satellite at the very place of the Sun or the observer gives no NaN-driven event.
  EXPECT_EQ(SatelliteEventOf(planet, PlaceOf(0.0, 0.0, 0.0), opposite, jupiter),
            TSatelliteEvent::kNone);
}

TEST(SatellitePositionAngle, MeasuredFromNorthThroughEastAcrossRaZero) {
  const struct {
    double planetRa, planetDec, ra, dec, pa;
  } cases[] = {
      {359.99, 0.0, 0.0, 0.0, 90.0},    // east across 0h: near 90, not 270
      {0.0, 0.0, 359.99, 0.0, 270.0},   // west across 0h
      {10.0, 0.0, 10.0, 0.01, 0.0},     // north
      {10.0, 0.0, 10.0, -0.01, 180.0},  // south
      {10.0, 20.0, 10.01, 20.0, 90.0},  // east at a declination
  };
  for (const auto& c : cases) {
    const TPositionAngle a = SatellitePositionAngle(c.planetRa, c.planetDec, c.ra, c.dec);
    EXPECT_NEAR(a.positionAngleDeg, c.pa, 0.01) << c.ra;
  }
  EXPECT_NEAR(SatellitePositionAngle(359.99, 0.0, 0.0, 0.0).separationDeg * 3600.0, 36.0, 1e-6);
  const TPositionAngle same = SatellitePositionAngle(10.0, 5.0, 10.0, 5.0);
  EXPECT_TRUE(std::isfinite(same.positionAngleDeg));
  EXPECT_EQ(same.separationDeg, 0.0);
}

// ---- Pixel regions ----------------------------------------------------------------------

std::size_t PixelCount(const TPixelRegion& region) {
  std::size_t n = 0;
  for (const auto& [y, spans] : region.Rows()) {
    for (const auto& [x0, x1] : spans) n += static_cast<std::size_t>(x1 - x0);
  }
  return n;
}

TEST(PixelRegion, AnnulusFromTwoPolygonsAndItsBorder) {
  const velplatform::TRect clip{-100, -100, 100, 100};
  const std::vector<velplatform::TPoint> outer = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
  const std::vector<velplatform::TPoint> inner = {{3, 3}, {7, 3}, {7, 7}, {3, 7}};
  TPixelRegion ring = TPixelRegion::FromPolygon(outer, clip);
  EXPECT_EQ(PixelCount(ring), 100u);
  ring.Subtract(TPixelRegion::FromPolygon(inner, clip));
  EXPECT_EQ(PixelCount(ring), 84u);
  EXPECT_TRUE(ring.Contains({0, 0}));
  EXPECT_FALSE(ring.Contains({5, 5}));
  EXPECT_FALSE(ring.Contains({10, 10}));
  EXPECT_EQ(ring.Bounds(), (velplatform::TRect{0, 0, 9, 9}));
  // The border: the outer square's 36 edge pixels and the 16 beside the hole (the 4
  // diagonal neighbours of its corners do not touch it).
  EXPECT_EQ(PixelCount(ring.Border()), 36u + 16u);
  // Only the rows and columns within the clip are kept.
  EXPECT_EQ(PixelCount(TPixelRegion::FromPolygon(outer, {2, 2, 4, 4})), 9u);
  // A flat polygon has no pixels.
  const std::vector<velplatform::TPoint> flat = {{0, 5}, {10, 5}, {20, 5}};
  EXPECT_TRUE(TPixelRegion::FromPolygon(flat, clip).Empty());
  EXPECT_TRUE(TPixelRegion::FromPolygon(std::span(outer).first(2), clip).Empty());
}

// ---- Settings and their dialog ----------------------------------------------------------

TEST(PlanetSettings, SatZoomFromTheSettingsFile) {
  const struct {
    const char* text;
    int32_t zoom;
  } cases[] = {{"8000", 8000},     {"10", 25},
               {"25", 25},         {" 9000 ", 9000},
               {"300000", 200000}, {"abc", 8000},
               {"", 8000},         {"8000.5", 8000},
               {"-5", 25},         {"99999999999999999999", 8000}};
  for (const auto& c : cases) EXPECT_EQ(SatZoomFromSettings(c.text), c.zoom) << c.text;
}

class PlanetSettingsFile : public testing::Test {
 protected:
  void SetUp() override {
    path = (std::filesystem::temp_directory_path() /
            ("planets_" + std::to_string(::getpid()) + ".ini"))
               .string();
    std::filesystem::remove(path);
    velarion::sky::SetSettingsFile(path);
  }
  void TearDown() override {
    velarion::sky::SetSettingsFile("");
    std::filesystem::remove(path);
  }
  void Write(const std::string& text) { std::ofstream(path) << text; }
  std::string path;
};

TEST_F(PlanetSettingsFile, DefaultsFlagsAndWritingBack) {
  EXPECT_EQ(ReadPlanetSettings(), TPlanetSettings{});
  Write("[Planets]\nNamesInLabels=0\nSatZoom=10\nShowJupSat=yes\nShowSatSat=0\nShowUraSat=\n");
  const TPlanetSettings s = ReadPlanetSettings();
  EXPECT_FALSE(s.namesInLabels);
  EXPECT_EQ(s.satZoom, 25);
  EXPECT_TRUE(s.showJupiterSatellites);  // anything but "0" is true
  EXPECT_FALSE(s.showSaturnSatellites);
  EXPECT_TRUE(s.showUranusSatellites);
  WritePlanetSettings({true, 12345, false, true, false});
  const TPlanetSettings back = ReadPlanetSettings();
  EXPECT_EQ(back, (TPlanetSettings{true, 12345, false, true, false}));
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  EXPECT_NE(text.str().find("SatZoom=12345"), std::string::npos);
  EXPECT_NE(text.str().find("ShowJupSat=0"), std::string::npos);
}

namespace ids = planet_options;

TEST(PlanetOptionsDialog, ShowsTheSettingsAndTakesThemOverClamped) {
  veltest::TFakeDialogs dialogs({[](veltest::TFakeControls& c, velplatform::TDialogLogic& l) {
    EXPECT_TRUE(c.Checked(ids::kNames));
    EXPECT_FALSE(c.Checked(ids::kSymbols));
    EXPECT_TRUE(c.Checked(ids::kJupiter));
    EXPECT_FALSE(c.Checked(ids::kSaturn));
    EXPECT_EQ(c.Text(ids::kZoomEdit), "8000");
    c.Click(l, ids::kSymbols, true);
    c.Click(l, ids::kNames, false);
    c.Click(l, ids::kJupiter, false);
    c.Click(l, ids::kSaturn, true);
    c.Type(l, ids::kZoomEdit, "300000");
    return c.PressOk(l);
  }});
  const auto edited = EditPlanetSettings(0, {true, 8000, true, false, true});
  ASSERT_TRUE(edited.has_value());
  EXPECT_EQ(*edited, (TPlanetSettings{false, 200000, false, true, true}));
  ASSERT_EQ(dialogs.Shown().size(), 1u);
  EXPECT_EQ(dialogs.Shown()[0].caption, Cp1251("Параметры изображения планет и спутников"));
  EXPECT_TRUE(dialogs.Messages().empty());
}

TEST(PlanetOptionsDialog, AZoomThatIsNoNumberIsReportedAndKeepsTheDialogOpen) {
  veltest::TFakeDialogs dialogs({[](veltest::TFakeControls& c, velplatform::TDialogLogic& l) {
    c.Type(l, ids::kZoomEdit, "12x");
    EXPECT_FALSE(c.PressOk(l));
    c.Type(l, ids::kZoomEdit, "10");
    return c.PressOk(l);
  }});
  const auto edited = EditPlanetSettings(0, {});
  ASSERT_TRUE(edited.has_value());
  EXPECT_EQ(edited->satZoom, 25);
  ASSERT_EQ(dialogs.Messages().size(), 1u);
  EXPECT_EQ(dialogs.Messages()[0].text, Cp1251("Неверное увеличение"));
  EXPECT_EQ(dialogs.Messages()[0].title, Cp1251("Ошибка"));
  EXPECT_EQ(dialogs.Messages()[0].icon, velplatform::TMessageIcon::kError);
}

TEST(PlanetOptionsDialog, CancelChangesNothing) {
  veltest::TFakeDialogs dialogs({[](veltest::TFakeControls& c, velplatform::TDialogLogic& l) {
    c.Type(l, ids::kZoomEdit, "100");
    return false;
  }});
  EXPECT_FALSE(EditPlanetSettings(0, {}).has_value());
}

}  // namespace
