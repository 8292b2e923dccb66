#include "ObjectCommonRecord.h"

#include "ByteFields.h"
#include "DeepSkyObjectRecord.h"
#include "ObjectGroup.h"
#include "StarDataRecord.h"
#include "StdGroup.h"
#include "velastro.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

namespace velarion::ui {
namespace {

using velplatform::PutField;

template <std::size_t N>
std::array<std::byte, N> Record() {
  std::array<std::byte, N> r{};
  return r;
}

TEST(CommonRecordConversion, DeepSkyObject) {
  namespace d = catalogues::deep_sky_object;
  auto r = Record<d::kRecordSize>();
  PutField<double>(r, d::kRa, 10.6847);
  PutField<double>(r, d::kDec, 41.2690);
  PutField<int16_t>(r, d::kMagnitude, 340);
  PutField<int16_t>(r, d::kSize, 1780);  // 178.0 arc-minutes
  const kit::TCommonObject o = ConvertGroupRecord("DEEPS", 31, r, 61020.0);
  EXPECT_EQ(o.flags, 106);
  EXPECT_DOUBLE_EQ(o.raOfDate, 10.6847);
  EXPECT_DOUBLE_EQ(o.raCatalogue, 10.6847);
  EXPECT_DOUBLE_EQ(o.decCatalogue, 41.2690);
  EXPECT_FLOAT_EQ(o.visualMagnitude, 3.4F);
  EXPECT_NEAR(o.sizeDeg, 178.0 / 60.0, 1e-6);
}

TEST(CommonRecordConversion, MoonSunAndPlanets) {
  auto moon = Record<kit::moon_data::kSize>();
  PutField<double>(moon, kit::moon_data::kTopoRa, 120.5);
  PutField<double>(moon, kit::moon_data::kTopoDec, 18.25);
  PutField<double>(moon, kit::moon_data::kDistance, 60.0);  // Earth radii
  PutField<double>(moon, kit::moon_data::kAgeAngle, 90.0);  // first quarter
  const kit::TCommonObject m = ConvertGroupRecord("MOON", 1, moon, 61020.0);
  EXPECT_EQ(m.flags, 452);
  EXPECT_DOUBLE_EQ(m.raOfDate, 120.5);
  EXPECT_NEAR(m.sizeDeg, 0.520448, 1e-5);  // 2 atan(0.2725076 / 60)
  EXPECT_NEAR(m.phase, 0.5, 1e-6);
  EXPECT_NEAR(m.distanceAu, 0.0025581, 1e-7);  // 60 × 6378.137 km in AU

  auto sun = Record<kit::sun_data::kSize>();
  PutField<double>(sun, kit::sun_data::kTopoRa, 260.0);
  PutField<double>(sun, kit::sun_data::kDistance, 0.98459);
  const kit::TCommonObject s = ConvertGroupRecord("SUN", 1, sun, 61020.0);
  EXPECT_EQ(s.flags, 324);
  EXPECT_NEAR(s.sizeDeg * 60.0, 32.49, 0.01);  // the Sun's disc in early January

  auto planet = Record<kit::planet_data::kSize>();
  PutField<double>(planet, kit::planet_data::kDiameterArcsec, 36.0);
  PutField<int32_t>(planet, kit::planet_data::kMagnitude, -245);
  PutField<double>(planet, kit::planet_data::kIlluminated, 0.62);
  PutField<double>(planet, kit::planet_data::kDistance, 4.4);
  const kit::TCommonObject venus = ConvertGroupRecord("PLAN", 2, planet, 61020.0);
  EXPECT_EQ(venus.flags, 354 + 128);  // an inner planet's phase too
  EXPECT_NEAR(venus.phase, 0.62, 1e-6);
  const kit::TCommonObject jupiter = ConvertGroupRecord("PLAN", 4, planet, 61020.0);
  EXPECT_EQ(jupiter.flags, 354);
  EXPECT_FLOAT_EQ(jupiter.visualMagnitude, -2.45F);
  EXPECT_NEAR(jupiter.sizeDeg, 0.01, 1e-7);
  EXPECT_FLOAT_EQ(jupiter.distanceAu, 4.4F);
}

// Barnard's star moves 10.3" a year: its place of date follows the proper motion.
TEST(CommonRecordConversion, BrightStarsMoveByTheirProperMotion) {
  namespace s = catalogues::star_data;
  auto r = Record<s::kSize>();
  PutField<int32_t>(r, s::kRa, static_cast<int32_t>(101.287155 * 3600));
  PutField<int32_t>(r, s::kDec, static_cast<int32_t>(-16.716116 * 3600));
  PutField<int16_t>(r, s::kPmRa, -546);
  PutField<int16_t>(r, s::kPmDec, -1223);
  PutField<int16_t>(r, s::kMagnitude, -146);
  const double mjd2050 = 51544.5 + 50 * 365.25;
  const kit::TCommonObject o = ConvertGroupRecord("BSC5P", 2491, r, mjd2050);
  EXPECT_EQ(o.flags, 42);
  EXPECT_FLOAT_EQ(o.visualMagnitude, -1.46F);
  EXPECT_NEAR(o.raCatalogue, 101.287155, 1.0 / 3600);
  // Fifty years of -1.223"/yr in declination.
  EXPECT_NEAR((o.decOfDate - o.decCatalogue) * 3600.0, -61.15, 0.1);
}

TEST(CommonRecordConversion, AnUnknownCodeOrAWrongSizeConvertsNothing) {
  auto r = Record<kit::moon_data::kSize + 1>();
  EXPECT_EQ(ConvertGroupRecord("MOON", 1, r, 61020.0).flags, 0);
  EXPECT_EQ(ConvertGroupRecord("XYZ", 1, std::span(r).first(kit::moon_data::kSize), 61020.0).flags,
            0);
}

TEST(CommonRecordConversion, MinorBodiesTellTheirMagnitudeInBrackets) {
  kit::TCommonObject ceres;
  TakeNameAndMagnitude("  1 Ceres  (6.85)", ceres);
  EXPECT_EQ(ceres.name, "1 Ceres");
  EXPECT_EQ(ceres.flags, kit::kObjectName | kit::kObjectVisualMagnitude);
  EXPECT_FLOAT_EQ(ceres.visualMagnitude, 6.85F);
  kit::TCommonObject comet;
  TakeNameAndMagnitude("1P/Halley", comet);
  EXPECT_EQ(comet.name, "1P/Halley");
  EXPECT_EQ(comet.flags, kit::kObjectName);
}

// A group that knows only names and positions, counting what it is asked.
class TCountingGroup : public kit::TObjectGroup {
 public:
  void Init() override {
    Code = "TEST";
    ObjectCount = 3;
  }
  std::string GetObjectName(int32_t index) override {
    ++asked;
    return index == 3 ? "" : "Star " + std::to_string(index);
  }
  bool GetObjectRaDec(int32_t index, double& ra, double& dec) override {
    if (index == 3) return false;
    ra = 10.0 * index;
    dec = -5.0;
    return true;
  }
  int asked = 0;
};

TEST(CommonRecordSource, NamesAndPositionsAsTheLastResortOnceAView) {
  auto owned = kit::MakeGroup<TCountingGroup>();
  TCountingGroup& counting = static_cast<TCountingGroup&>(*owned);
  groups::TStdGroup group(std::move(owned));
  TCommonRecordSource source;
  const auto first = source.Get(group, 2, 61020.0, 7);
  ASSERT_TRUE(first);
  EXPECT_EQ(first->name, "Star 2");
  EXPECT_EQ(first->flags, kit::kObjectName | kit::kObjectPositionFixed);
  EXPECT_DOUBLE_EQ(first->raOfDate, 20.0);
  const int asked = counting.asked;
  EXPECT_TRUE(source.Get(group, 2, 61020.0, 7));
  EXPECT_EQ(counting.asked, asked);  // the same view: not asked again
  // The same moment in another view (another place, say) is asked anew.
  EXPECT_TRUE(source.Get(group, 2, 61020.0, 8));
  EXPECT_GT(counting.asked, asked);
  EXPECT_FALSE(source.Get(group, 3, 61020.0, 8));  // nothing known of it
}

}  // namespace
}  // namespace velarion::ui
