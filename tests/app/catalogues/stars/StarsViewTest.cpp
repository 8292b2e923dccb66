// The bright stars in the picture: which stars are calculated, their symbol sizes and
// label rectangles, their colours, and their places in the quick and the detailed view
// against an independent apparent place (ERFA) and the projection's formula.
#include "Stars.h"

#include "ColorSchemes.h"
#include "Cp1251.h"
#include "ProjectionExports.h"
#include "RecordingDevice.h"
#include "SkyImage.h"
#include "SkyImageExports.h"
#include "StarsTestSupport.h"
#include "velastro.h"

#include <erfa.h>
#include <erfam.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>

namespace {

using namespace velarion::catalogues;
using velarion::sky::TSkyImage;
using veltest::TStarSpec;

constexpr double kMjd = 61000.25;
constexpr double kLatitude = 40.0;
constexpr double kLongitude = 20.0;

velarion::sky::TClockSource FixedClock() {
  return {[] { return 51544.0; }, [] { return 0.0; }};
}

int32_t Arcsec(double degrees) { return static_cast<int32_t>(std::lround(degrees * 3600.0)); }

class StarsView : public testing::Test {
 protected:
  void SetUp() override {
    velarion::sky::InitProjectionTables();
    image.SetGroupLists(&host.List(), nullptr);
    velarion::sky::SetHostSkyImage(&image);
    image.SetTimeZoneAutomatic(false);
    image.SetMjd(kMjd);
    image.SetLatitude(kLatitude);
    image.SetLongitude(kLongitude);
    image.SetRefraction(false);
    image.SetProjection(0);
    image.SetObjectVisible(1, true);
    image.SetShowAsBitmap(false);
    image.SetViewRect(400, 400, 0, 0, false, false);
  }
  void TearDown() override {
    velarion::sky::SetHostSkyImage(nullptr);
    velarion::sky::FreeProjectionTables();
  }
  // A star near the zenith, `offsetDeg` north of it.
  static TStarSpec NearZenith(uint16_t hr, double offsetDeg, int16_t magnitude,
                              int16_t colourIndex) {
    const double raDeg = LMST(kMjd, -kLongitude) * 15.0;
    return {.hr = hr,
            .raArcsec = Arcsec(raDeg),
            .decArcsec = Arcsec(kLatitude + offsetDeg),
            .magnitude = magnitude,
            .colourIndex = colourIndex,
            .constellation = 1};
  }
  TStars& Load(const veltest::TStarFolder& folder) {
    TStars& stars = host.Add<TStars>(MakeStarsGroup(folder.Path()));
    EXPECT_TRUE(stars.InitResources(0));
    return stars;
  }
  std::pair<int32_t, int32_t> SymbolSize(int32_t index) {
    int32_t w = 0, h = 0;
    image.OutputDevice().GetSymbolSize(index, w, h);
    return {w, h};
  }

  veltest::THostGroups host;
  TSkyImage image{velarion::sky::TScreenMetrics{96, 96, 997, 16}, FixedClock()};
  velplatform::TRecordingDevice device{400, 400};
};

TEST_F(StarsView, MagnitudeLimitSymbolSizesAndLabels) {
  veltest::TStarFolder folder({NearZenith(4, -6, 600, 0), NearZenith(3, -3, 500, 0),
                               NearZenith(2, 3, 225, 0), NearZenith(1, 0, -146, 0)});
  TStars& stars = Load(folder);
  image.SetStarLimit(500);
  image.SetStarSizes(14);
  image.SetLabelLimit(-100);
  image.PaintSky(device, true);
  velarion::kit::TObjectRect rect;
  EXPECT_FALSE(stars.GetObjectRect(1, rect));  // fainter than the limit
  // Sizes by hand: 14 - ((m + 150) * 13 + 325) div 650 for the limit 5.00 and 14 sizes.
  const std::vector<std::pair<int32_t, int32_t>> sizes = {{2, 1}, {3, 6}, {4, 14}};
  for (const auto& [index, size] : sizes) {
    ASSERT_TRUE(stars.GetObjectRect(index, rect)) << index;
    const auto [w, h] = SymbolSize(size);
    EXPECT_EQ(rect.right - rect.left, index == 4 ? w +
                                                       DrawString("\x01\x07\x05"
                                                                  "1\x06\x08",
                                                                  0, 0, false) +
                                                       1
                                                 : w)
        << index;
    if (index != 4) {
      EXPECT_EQ(rect.bottom - rect.top, h) << index;
    }
  }
  // The labelled star: its rectangle reaches up to hold a label taller than the symbol.
  ASSERT_TRUE(stars.GetObjectRect(4, rect));
  const auto [w, h] = SymbolSize(14);
  const int32_t labelHeight = image.FontHeight() * 5 / 4;
  EXPECT_EQ(rect.bottom - rect.top, std::max(h, labelHeight));
  // Star 4 lies near the zenith, the disc's centre: its J2000 place is some 0.3 degree
  // (3 pixels) from the place of date.
  EXPECT_NEAR(rect.left + w / 2, image.CentreX(), 4);
  EXPECT_NEAR(rect.bottom - h + h / 2, image.CentreY(), 4);

  image.SetStarLimit(-200);  // below the brightest star: nothing at all
  image.PaintSky(device, true);
  for (int32_t n = 1; n <= 4; ++n) EXPECT_FALSE(stars.GetObjectRect(n, rect)) << n;
}

// The "image" lines of the recording device drawn at a point, with their shape colours.
std::vector<std::string> ImagesAt(const velplatform::TRecordingDevice& device, int32_t x,
                                  int32_t y) {
  std::vector<std::string> found;
  const std::string prefix = "image " + std::to_string(x) + "," + std::to_string(y) + " ";
  for (const std::string& line : device.Log()) {
    if (line.starts_with(prefix)) found.push_back(line.substr(prefix.size()));
  }
  return found;
}

std::string ShapeColour(const std::string& imageLine) {
  const std::size_t from = imageLine.find(' ') + 1;
  return imageLine.substr(from, imageLine.find(' ', from) - from);
}

TEST_F(StarsView, StarColoursAndStarsOfTheSkysColour) {
  veltest::TStarFolder folder({NearZenith(2, 4, 100, 10), NearZenith(1, 0, 100, 160)});
  {
    std::ofstream ini(folder.Ini());
    ini << "[BSC Color]\nStarColorsEnable=1\n";
  }
  auto scheme = std::make_shared<velarion::sky::TColorScheme>("s", false);
  scheme->SetColor(0, velplatform::RgbColor(255, 255, 255));  // a white night sky
  scheme->SetColor(5, velplatform::RgbColor(0, 255, 0));
  image.SetColorSchemes(scheme, nullptr);
  TStars& stars = Load(folder);
  image.SetLabelLimit(-200);
  image.SetViewRect(1200, 1200, 0, 0, false, false);  // the whole disc in view
  velplatform::TRecordingDevice device(1200, 1200);
  image.PaintSky(device, true);
  velarion::kit::TObjectRect red, white;
  ASSERT_TRUE(stars.GetObjectRect(2, red));
  ASSERT_TRUE(stars.GetObjectRect(1, white));
  const std::vector<std::string> redImages = ImagesAt(device, red.left, red.top);
  ASSERT_EQ(redImages.size(), 1u);
  EXPECT_EQ(ShapeColour(redImages[0]), std::to_string(0x0000FF));
  // The white star on the white sky: a rim in the star-image colour, one size smaller on top.
  const int32_t size = stars.SymbolSizeForMagnitude(100);
  ASSERT_GT(size, 1);
  const auto [w, h] = SymbolSize(size);
  const auto [wi, hi] = SymbolSize(size - 1);
  const std::vector<std::string> rim = ImagesAt(device, white.left, white.top);
  const std::vector<std::string> inner =
      ImagesAt(device, white.left + (w - wi) / 2, white.top + (h - hi) / 2);
  ASSERT_FALSE(rim.empty());
  EXPECT_EQ(ShapeColour(rim[0]), std::to_string(0x00FF00));
  ASSERT_FALSE(inner.empty());
  EXPECT_EQ(ShapeColour(inner.back()), std::to_string(0xFFFFFF));
  EXPECT_EQ(inner.back().substr(0, inner.back().find(' ')),
            std::to_string(wi) + "x" + std::to_string(hi));

  velplatform::TRecordingDevice oneBit(1200, 1200, 96, 96, 1);  // no colours on such a device
  image.MarkViewChanged();
  image.PaintSky(oneBit, true);
  const std::vector<std::string> plain = ImagesAt(oneBit, red.left, red.top);
  ASSERT_EQ(plain.size(), 1u);
  EXPECT_EQ(ShapeColour(plain[0]), std::to_string(0x00FF00));
}

// Sirius seen from where it culminates 30 degrees from the zenith, from the generated file.
class SiriusView : public StarsView {
 protected:
  void SetUp() override {
    StarsView::SetUp();
    stars = &host.Add<TStars>(MakeStarsGroup(VELARION_DATA_DIR "/"));
    ASSERT_TRUE(stars->InitResources(0));
    const int32_t last = stars->GetObjectCount();
    std::array<std::byte, 56> record{};
    ASSERT_EQ(stars->GetObjectData(last, record), 56);
    ASSERT_EQ(velplatform::GetField<uint16_t>(record, 0), 2491);  // the brightest, last
    index = last;
    const double ra = velplatform::GetField<int32_t>(record, 2) / 3600.0 * ERFA_DD2R;
    const double dec = velplatform::GetField<int32_t>(record, 6) / 3600.0 * ERFA_DD2R;
    const double pmRa = velplatform::GetField<int16_t>(record, 10) / 3.6e6 * ERFA_DD2R;
    const double pmDec = velplatform::GetField<int16_t>(record, 12) / 3.6e6 * ERFA_DD2R;
    const double tt = image.MjdDynamical();
    double ri = 0, di = 0, eo = 0;
    eraAtci13(ra, dec, pmRa, pmDec, 0.0, 0.0, ERFA_DJM0, tt, &ri, &di, &eo);
    // The hour angle the CIO way, Earth rotation angle minus the intermediate right
    // ascension: no sidereal time and no equinox, another route than the program's.
    const double era = eraEra00(ERFA_DJM0, kMjd);
    latitude = di * ERFA_DR2D + 30.0;
    longitude = std::remainder((ri - era) * ERFA_DR2D, 360.0);  // culminating now
    image.SetLatitude(latitude);
    image.SetLongitude(longitude);
    const double hourAngle = era + longitude * ERFA_DD2R - ri;
    eraHd2ae(hourAngle, di, latitude * ERFA_DD2R, &azimuth, &altitude);
  }
  // Offset from the zenith in pixels (right, up) by the orthographic formula.
  std::pair<double, double> Offset(double radius) const {
    return {-radius * std::cos(altitude) * std::sin(azimuth),
            radius * std::cos(altitude) * std::cos(azimuth)};
  }
  std::pair<int32_t, int32_t> Centre() {
    velarion::kit::TObjectRect rect;
    EXPECT_TRUE(stars->GetObjectRect(index, rect));
    const auto [w, h] = SymbolSize(stars->SymbolSizeForMagnitude(-146));
    return {rect.left + w / 2, rect.top + h / 2};
  }

  veltest::TStarFolder settings{{}};  // keeps the settings out of the build folder
  TStars* stars = nullptr;
  int32_t index = 0;
  double latitude = 0, longitude = 0, azimuth = 0, altitude = 0;
};

TEST_F(SiriusView, DetailedViewShowsTheApparentPlace) {
  image.SetLabelLimit(-200);
  image.SetDetailedLabelLimit(-200);
  image.SetZoom(20000);
  const double radius = image.Radius();
  const auto [right, up] = Offset(radius);
  // Scroll so that the star comes to the middle of the 400 x 400 view.
  const int32_t cx = 200 - static_cast<int32_t>(std::lround(right));
  const int32_t cy = 200 + static_cast<int32_t>(std::lround(up));
  image.SetViewRect(400, 400, -cx, -cy, true, true);
  image.PaintSky(device, true);
  ASSERT_EQ(image.CentreX(), cx);
  const auto [x, y] = Centre();
  // 2 pixels are 4" here; leaving out the aberration alone would move Sirius by about 20".
  EXPECT_NEAR(x, cx + right, 2.0);
  EXPECT_NEAR(y, cy - up, 2.0);
}

TEST_F(SiriusView, QuickViewShowsTheStarWithinTheArcminuteTables) {
  image.SetLabelLimit(-200);
  image.SetZoom(600);
  image.PaintSky(device, false);
  const auto [right, up] = Offset(image.Radius());
  const auto [x, y] = Centre();
  EXPECT_NEAR(x, image.CentreX() + right, 3.0);  // 2' are 1.75 pixels at this zoom
  EXPECT_NEAR(y, image.CentreY() - up, 3.0);
}

}  // namespace
