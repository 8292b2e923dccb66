// The ecliptic group: sweeps and runs against stand-in projections, its texts, its datum and
// its colour option.
#include "EclipticLine.h"

#include "Dialogs.h"
#include "FakeDialogs.h"
#include "IniAccess.h"
#include "IniFile.h"
#include "RecordingDevice.h"
#include "SkyImage.h"
#include "SkyImageExports.h"
#include "velastro.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace {

using namespace velarion::zodiac;

// Stand-in projections: a point is seen unless its right ascension (arc-minutes) lies in
// the hidden band; it lands at (ra / 100, 50) so that consecutive samples make one line.
int32_t gHiddenFrom = -1;
int32_t gHiddenTo = -1;
bool QuickStandIn(int32_t ra, int32_t /*dec*/, int32_t* x, int32_t* y) {
  if (ra >= gHiddenFrom && ra <= gHiddenTo) return false;
  *x = ra / 100;
  *y = 50 + (ra / 100) % 2;  // a zigzag: no equal steps to merge
  return true;
}
bool DetailedStandIn(double ra, double /*dec*/, int32_t* x, int32_t* y) {
  *x = static_cast<int32_t>(std::lround(ra * 10.0));
  *y = 50 + static_cast<int32_t>(std::lround(ra)) % 2;
  return true;
}

class EclipticLine : public testing::Test {
 protected:
  void SetUp() override {
    gHiddenFrom = gHiddenTo = -1;
    line_.View.mjdUt = 51544.5;
    line_.View.radius = 300;          // 100' steps: 217 samples
    line_.View.siderealHours = 12.0;  // the sweep starts at 0h
  }
  int Calculate(uint8_t mode) {
    line_.ViewMode = mode;
    int reported = 0;
    line_.CalculateObjects([&](int32_t n) { reported += n == 1; });
    return reported;
  }
  TEclipticLine line_{TProjections{QuickStandIn, DetailedStandIn}};
};

TEST_F(EclipticLine, QuickSweepRunsOnceRoundTheSkyFromTheLowerMeridian) {
  EXPECT_EQ(Calculate(0), 1);
  EXPECT_TRUE(line_.Visible());
  EXPECT_EQ(line_.RunCount(), 1);
  EXPECT_EQ(line_.PointCapacity(), 217U * 6 / 5);
  ASSERT_FALSE(line_.Points().empty());
  EXPECT_EQ(line_.Points().front(), (TPixel{0, 50}));
  line_.View.radius = 40000;  // 30000 / R rounds to 0: one arc-minute
  Calculate(0);
  EXPECT_EQ(line_.PointCapacity(), 21601U * 6 / 5);
}

TEST_F(EclipticLine, GapsOfMoreThanTenSamplesSplitTheLine) {
  struct TCase {
    int32_t hiddenSamples;
    int runs;
  };
  for (const TCase c : {TCase{10, 1}, TCase{11, 2}}) {
    gHiddenFrom = 5000;
    gHiddenTo = 5000 + (c.hiddenSamples - 1) * 100 + 50;
    Calculate(0);
    EXPECT_EQ(line_.RunCount(), c.runs) << c.hiddenSamples;
  }
}

TEST_F(EclipticLine, QuickViewDropsALonePointDetailedKeepsIt) {
  // Visible: 0 … 4900, then one sample at 6100 alone, hidden again until 7300.
  gHiddenFrom = 5000;
  gHiddenTo = 7200;
  Calculate(0);
  EXPECT_EQ(line_.RunCount(), 2);  // the first run and the one after the gap
  EXPECT_EQ(line_.RunLength(0), 50);

  line_.ViewRect = {0, 360, 0, 100};
  line_.RaDecWindow = {10.0, 20.0, -30.0, 30.0};
  line_.View.radius = 500;  // one-degree steps: 10 samples, 12 with the margin
  EXPECT_EQ(Calculate(1), 1);
  EXPECT_EQ(line_.RunCount(), 1);
  EXPECT_EQ(line_.Points().size(), 12U);
}

TEST_F(EclipticLine, DetailedViewOutsideTheBandShowsNothing) {
  line_.ViewRect = {0, 360, 0, 100};
  for (const velarion::kit::TRaDecWindow window :
       {velarion::kit::TRaDecWindow{0, 90, 30, 60}, velarion::kit::TRaDecWindow{0, 90, -80, -24}}) {
    line_.RaDecWindow = window;
    EXPECT_EQ(Calculate(1), 0);
    EXPECT_FALSE(line_.Visible());
    velarion::kit::TObjectRect rect;
    EXPECT_FALSE(line_.GetObjectRect(1, rect));
  }
}

TEST_F(EclipticLine, NoDiscNoLine) {
  line_.View.radius = 0;
  EXPECT_EQ(Calculate(0), 0);
  EXPECT_FALSE(line_.Visible());
  line_.ViewRect = {0, 360, 0, 100};
  line_.RaDecWindow = {10.0, 20.0, -30.0, 30.0};
  EXPECT_EQ(Calculate(1), 0);
  velarion::kit::TObjectRect rect;
  EXPECT_FALSE(line_.GetObjectRect(1, rect));
}

// Drawn through the host onto devices of 32 and 1 bit per pixel.
TEST_F(EclipticLine, DrawnMagentaDottedAndBlackOnAOneBitDevice) {
  for (const int32_t depth : {32, 1}) {
    velplatform::TRecordingDevice device(400, 100, 96, 96, depth);
    velarion::sky::TSkyImage image;
    velarion::sky::SetHostSkyImage(&image);
    image.OutputDevice().Bind(&device);
    line_.InitResources(0);
    Calculate(0);
    line_.ViewRect = {0, 400, 0, 100};
    line_.DrawDevice = velplatform::HandleOf(device);
    int asked = 0;
    line_.DrawObjects([&] { return asked++ == 0 ? 1 : -1; });
    velarion::sky::SetHostSkyImage(nullptr);
    const std::string pen = depth == 1 ? "pen 0 1 dot" : "pen 16711935 1 dot";
    EXPECT_NE(std::find(device.Log().begin(), device.Log().end(), pen), device.Log().end())
        << depth;
    EXPECT_NE(std::find_if(device.Log().begin(), device.Log().end(),
                           [](const std::string& l) { return l.starts_with("polyline"); }),
              device.Log().end());
  }
}

TEST_F(EclipticLine, NameAndDatumCarryTheObliquity) {
  std::array<std::byte, 8> small{};
  EXPECT_EQ(line_.GetObjectData(1, std::span(small).first(7)), 0);
  EXPECT_EQ(small, (std::array<std::byte, 8>{}));
  EXPECT_EQ(line_.GetObjectData(5, small), 8);  // the index is not examined
  double obliquity = 0;
  std::memcpy(&obliquity, small.data(), 8);
  EXPECT_NEAR(obliquity, 84381.406 / 3600.0, 1e-6);  // IAU 2006 at J2000.0: 23° 26' 21.406"
  const std::string name = line_.GetObjectName(1);
  EXPECT_NE(name.find("\x02"
                      "e"
                      "\x01"
                      "=23\xB0 26' 21\""),
            std::string::npos)
      << name;
  EXPECT_EQ(name.front(), '\x01');
  EXPECT_EQ(line_.GetObjectName(2), "");
}

// The settings file the host's exports use, in a folder of its own.
class EclipticLineSettings : public EclipticLine {
 protected:
  void SetUp() override {
    EclipticLine::SetUp();
    folder_ =
        std::filesystem::temp_directory_path() / ("velarion-zodiac-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder_);
    velarion::sky::SetSettingsFile((folder_ / "Velarion.ini").string());
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  std::filesystem::path folder_;
};

TEST_F(EclipticLineSettings, ColourFromTheSettingsMagentaWithoutAndChosenByTheUser) {
  line_.InitResources(0);
  EXPECT_EQ(line_.LineColour(), 16711935U);
  std::ofstream(folder_ / "Velarion.ini") << "[Zodiac]\nLineColor= 255x\n";
  line_.InitResources(0);
  EXPECT_EQ(line_.LineColour(), 255U);

  veltest::TFakeDialogs dialogs;
  dialogs.AnswerColour(std::nullopt);
  EXPECT_FALSE(line_.EditOptions(0));
  EXPECT_EQ(line_.LineColour(), 255U);
  dialogs.AnswerColour(0x00FF00);
  EXPECT_TRUE(line_.EditOptions(0));
  EXPECT_EQ(dialogs.ColourPresets(), (std::vector<uint32_t>{255, 255}));
  EXPECT_EQ(velplatform::TIniFile((folder_ / "Velarion.ini").string()).Read("Zodiac", "LineColor"),
            "65280");
}

}  // namespace
