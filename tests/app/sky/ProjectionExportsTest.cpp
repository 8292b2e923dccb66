// The host exports over the program's one projection state.
#include <gtest/gtest.h>

#include <cstdint>

#include "ProjectionExports.h"
#include "SkyTestSupport.h"

namespace velarion::sky::test {
namespace {

class ProjectionExportsTest : public ::testing::Test {
 protected:
  ProjectionExportsTest() {
    InitProjectionTables();
    setup_ = View(500, 45.0, 2.0);
    setup_.quick = true;
    SetProjection(setup_);
    SetEpoch(0.0, kEpochMeanOfEpoch);
  }
  ~ProjectionExportsTest() override { FreeProjectionTables(); }

  TProjectionSetup setup_;
};

TEST_F(ProjectionExportsTest, ExportsAnswerLikeTheProjection) {
  TProjection reference;
  reference.SetProjection(setup_);
  reference.SetEpoch(0.0, kEpochMeanOfEpoch);
  int32_t x = 0;
  int32_t y = 0;
  ASSERT_TRUE(RaDecToXY(30.0, 30.0, &x, &y));
  EXPECT_EQ((TPixel{x, y}), reference.RaDecToXY(30.0, 30.0));
  ASSERT_TRUE(QuickRaDecToXY(1800, 1800, &x, &y));
  EXPECT_EQ((TPixel{x, y}), reference.QuickRaDecToXY(1800, 1800));
  double ra = 0.0;
  double dec = 0.0;
  ASSERT_TRUE(XYToRaDec(700, 400, &ra, &dec));
  const auto direction = reference.XYToRaDec(700, 400);
  EXPECT_EQ(ra, direction->raDeg);
  EXPECT_EQ(dec, direction->decDeg);

  SetEpoch(0.0, kEpochTrueOfDate);
  reference.SetEpoch(0.0, kEpochTrueOfDate);
  ASSERT_TRUE(RaDecToXY(30.0, 30.0, &x, &y));
  EXPECT_EQ((TPixel{x, y}), reference.RaDecToXY(30.0, 30.0));
}

TEST_F(ProjectionExportsTest, FalseLeavesOutputsUntouched) {
  int32_t x = -123;
  int32_t y = -456;
  EXPECT_FALSE(RaDecToXY(30.0, -80.0, &x, &y));  // below the horizon at latitude 45
  EXPECT_FALSE(QuickRaDecToXY(1800, -4800, &x, &y));
  EXPECT_FALSE(QuickRaDecToXY(1800, 6000, &x, &y));
  EXPECT_EQ(x, -123);
  EXPECT_EQ(y, -456);
  double ra = -1.0;
  double dec = -2.0;
  EXPECT_FALSE(XYToRaDec(640 + 501, 480, &ra, &dec));
  EXPECT_EQ(ra, -1.0);
  EXPECT_EQ(dec, -2.0);
}

TEST_F(ProjectionExportsTest, NullOutputsAreRefused) {
  int32_t x = 0;
  double ra = 0.0;
  EXPECT_FALSE(RaDecToXY(30.0, 30.0, &x, nullptr));
  EXPECT_FALSE(RaDecToXY(30.0, 30.0, nullptr, &x));
  EXPECT_FALSE(QuickRaDecToXY(1800, 1800, nullptr, &x));
  EXPECT_FALSE(XYToRaDec(640, 480, &ra, nullptr));
  EXPECT_FALSE(XYToRaDec(640, 480, nullptr, &ra));
}

TEST_F(ProjectionExportsTest, NothingAnswersWithoutTheState) {
  FreeProjectionTables();
  int32_t x = 0;
  int32_t y = 0;
  double ra = 0.0;
  double dec = 0.0;
  SetProjection(setup_);
  SetEpoch(0.0, kEpochMeanOfEpoch);
  EXPECT_FALSE(RaDecToXY(30.0, 30.0, &x, &y));
  EXPECT_FALSE(QuickRaDecToXY(1800, 1800, &x, &y));
  EXPECT_FALSE(XYToRaDec(640, 480, &ra, &dec));
  EXPECT_EQ(GetVisibleRaDecRange({0, 0, 100, 100}, 640, 480, 500, 1.0).raMinDeg, 1.0e9);
}

}  // namespace
}  // namespace velarion::sky::test
