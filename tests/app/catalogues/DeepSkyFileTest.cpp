// DEEPSKY.DAT as the build made it: all Messier objects and the bright NGC objects, checked
// against OpenNGC's values.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "CatalogueTestSupport.h"
#include "DeepSkyFile.h"
#include "TextLines.h"

namespace velarion::catalogues {
namespace {

using test::Cp1251;
using test::LoadGenerated;

std::vector<TDeepSkyRecord> AllObjects() {
  const auto file = LoadGenerated<TDeepSkyFile>("DEEPSKY.DAT");
  std::vector<TDeepSkyRecord> objects;
  for (std::size_t i = 0; i < file.Count(); ++i) {
    objects.push_back(*file.Record(i));
  }
  return objects;
}

TEST(DeepSkyFileTest, HoldsEveryMessierObjectOnceAndAFewHundredOthers) {
  const std::vector<TDeepSkyRecord> objects = AllObjects();
  EXPECT_EQ(objects.size(), 380u);
  std::map<int, int> messier;
  for (const TDeepSkyRecord& o : objects) {
    EXPECT_LE(o.type, 4) << o.ngc;
    EXPECT_TRUE(o.messier != 0 || o.ngc != 0 || o.name == "LMC") << o.name;
    EXPECT_TRUE(ParseDecimal(o.raText) && ParseDecimal(o.decText)) << o.raText << o.decText;
    if (o.messier != 0) {
      ++messier[o.messier];
    }
  }
  ASSERT_EQ(messier.size(), 110u);
  EXPECT_EQ(messier.begin()->first, 1);
  EXPECT_EQ(messier.rbegin()->first, 110);
  for (const auto& [number, count] : messier) {
    EXPECT_EQ(count, 1) << "M" << number;
  }
}

TEST(DeepSkyFileTest, SpotChecksAgreeWithOpenNgc) {
  // OpenNGC: position (J2000, to the 0.01 degree the five characters hold), V (or B),
  // major axis; the Russian names are the project's own.
  struct TCase {
    int messier;
    int ngc;
    const char* name;
    double raDeg;
    double decDeg;
    TDeepSkyType type;
    int magnitude;
    int size;
  };
  const TCase cases[] = {
      {31, 224, "Туманность Андромеды", 10.685, 41.269, TDeepSkyType::kGalaxy, 344, 1778},
      {42, 1976, "Туманность Ориона", 83.819, -5.390, TDeepSkyType::kDiffuseNebula, 400, 900},
      {45, 0, "Плеяды", 56.869, 24.105, TDeepSkyType::kOpenCluster, 120, 1500},
      {13, 6205, "Скопление Геркулеса", 250.423, 36.461, TDeepSkyType::kGlobularCluster, 580, 165},
      {57, 6720, "Кольцо", 283.396, 33.029, TDeepSkyType::kPlanetaryNebula, 880, 13},
      {102, 5866, "", 226.623, 55.763, TDeepSkyType::kGalaxy, 989, 63},
      {0, 292, "SMC", 13.187, -72.829, TDeepSkyType::kGalaxy, 230, 2999},
      {0, 0, "LMC", 80.894, -69.756, TDeepSkyType::kGalaxy, 29, 6460},
      {0, 5139, "Омега Центавра", 201.691, -47.480, TDeepSkyType::kGlobularCluster, 533, 270},
  };
  const std::vector<TDeepSkyRecord> objects = AllObjects();
  for (const TCase& c : cases) {
    const auto found = std::find_if(objects.begin(), objects.end(), [&](const auto& o) {
      return o.messier == c.messier && o.ngc == c.ngc && (c.ngc != 0 || o.name == Cp1251(c.name));
    });
    ASSERT_NE(found, objects.end()) << "M" << c.messier << " NGC " << c.ngc;
    EXPECT_EQ(found->name, Cp1251(c.name)) << c.ngc;
    EXPECT_NEAR(found->RaDeg(), c.raDeg, 0.05) << c.ngc;
    EXPECT_NEAR(found->DecDeg(), c.decDeg, 0.05) << c.ngc;
    EXPECT_EQ(found->type, static_cast<uint8_t>(c.type)) << c.ngc;
    EXPECT_EQ(found->magnitudeCenti, c.magnitude) << c.ngc;
    EXPECT_EQ(found->sizeDeciArcmin, c.size) << c.ngc;
  }
}

}  // namespace
}  // namespace velarion::catalogues
