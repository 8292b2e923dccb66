// The view and drawing exports: their records byte for byte, and their buffers checked.
#include "SkyImageExports.h"

#include "ProjectionExports.h"
#include "RecordingDevice.h"
#include "SkyImage.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

using namespace velarion::sky;

class Exports : public testing::Test {
 protected:
  void SetUp() override {
    InitProjectionTables();
    SetHostSkyImage(&image);
  }
  void TearDown() override {
    SetHostSkyImage(nullptr);
    FreeProjectionTables();
  }
  TSkyImage image{TScreenMetrics{}, TClockSource{}};
};

TEST_F(Exports, AdditionalParamNeedsKind0AndTwentyFourBytes) {
  TGridSettings grid;
  grid.lineVisible = {1, 0, 1, 1};
  grid.lineStep = {60, 120, 1800, 300};
  grid.azimuthAuto = 0;
  grid.equatorialGrid = 0;
  image.SetGridSettings(grid);
  std::vector<std::byte> buffer(24, std::byte{0x77});
  EXPECT_FALSE(GetAdditionalParam(0, buffer.data(), 23));
  EXPECT_FALSE(GetAdditionalParam(1, buffer.data(), 24));
  EXPECT_FALSE(GetAdditionalParam(0, nullptr, 24));
  EXPECT_EQ(buffer, std::vector<std::byte>(24, std::byte{0x77}));
  ASSERT_TRUE(GetAdditionalParam(0, buffer.data(), 24));
  const unsigned char expected[24] = {1,    0,    1, 1, 60,   0,    0, 0, 120, 0, 0, 0,
                                      0x08, 0x07, 0, 0, 0x2C, 0x01, 0, 0, 0,   1, 1, 0};
  EXPECT_EQ(std::memcmp(buffer.data(), expected, 24), 0);
}

TEST_F(Exports, CommonParametersFillTheirOneHundredFortySevenBytes) {
  image.SetTimeZoneAutomatic(false);
  image.SetTimeZone(3.0);
  image.SetLongitude(37.5);
  image.SetLatitude(55.75);
  image.SetMjd(60000.0);
  image.SetObjectVisible(4, true);
  image.SetObjectVisible(6, false);
  std::vector<std::byte> r(160, std::byte{0xEE});
  GetCommonParameters(r.data());
  namespace c = velarion::kit::common_parameters;
  const auto f64 = [&](std::size_t at) { return velplatform::GetField<double>(r, at); };
  const auto i32 = [&](std::size_t at) { return velplatform::GetField<int32_t>(r, at); };
  const auto u8 = [&](std::size_t at) { return velplatform::GetField<uint8_t>(r, at); };
  EXPECT_EQ(f64(c::kLongitude), 37.5);
  EXPECT_EQ(f64(c::kLatitude), 55.75);
  EXPECT_EQ(f64(c::kTimeZone), 3.0);
  EXPECT_EQ(i32(c::kZoom), 100);
  EXPECT_EQ(u8(c::kProjection), 1);
  EXPECT_EQ(u8(c::kVisible1), 1);
  EXPECT_EQ(u8(c::kVisible4), 1);
  EXPECT_EQ(u8(c::kVisible15), 1);
  EXPECT_EQ(velplatform::GetField<uint16_t>(r, c::kBodyBits), 1023 & ~2);
  EXPECT_EQ(i32(c::kStarLimit), 500);
  EXPECT_EQ(i32(c::kStarSizes), 14);
  EXPECT_EQ(velplatform::GetField<uint32_t>(r, c::kColours + 4 * 1), 0xA00000u);  // day sky
  EXPECT_EQ(f64(c::kMjd), 60000.0);
  EXPECT_EQ(f64(c::kSiderealTime), image.SiderealTime());
  EXPECT_EQ(r[147], std::byte{0xEE});  // nothing past the record
}

TEST_F(Exports, DrawingExportsActOnTheBoundDevice) {
  velplatform::TRecordingDevice device(100, 100);
  image.OutputDevice().Bind(&device);
  image.OutputDevice().SetFonts("Arial", "Symbol", 10, 10, 10);
  EXPECT_EQ(DrawString("ab", 0, 0, false), 12);
  EXPECT_EQ(DrawString(nullptr, 0, 0, true), 0);
  EXPECT_EQ(SetDrawColor(2, 55), 0);
  EXPECT_EQ(SetDrawColor(2, 56), 55);
  EXPECT_EQ(GetDrawDeviceBitDepth(), 32);
  int32_t w = -1, h = -1;
  GetSymbolSize(200, &w, &h);
  EXPECT_EQ(w, -1);
  SetHostSkyImage(nullptr);
  EXPECT_EQ(DrawString("ab", 0, 0, false), 0);
}

}  // namespace
