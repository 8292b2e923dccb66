// Names, labels and symbols of deep-sky objects.
#include "DeepSkyTexts.h"

#include "Cp1251.h"

#include <gtest/gtest.h>

namespace {

using namespace velarion::catalogues;
using velplatform::Cp1251;

TDeepSkyRecord Object(int16_t messier, int16_t ngc, std::string name, uint8_t type) {
  TDeepSkyRecord r;
  r.messier = messier;
  r.ngc = ngc;
  r.name = std::move(name);
  r.type = type;
  return r;
}

TEST(DeepSkyTexts, ShortNamesAndLabels) {
  EXPECT_EQ(ShortName(Object(31, 224, "Andromeda", 4)), "M 31");
  EXPECT_EQ(ShortName(Object(0, 869, "", 0)), "NGC 869");
  EXPECT_EQ(ShortName(Object(0, 0, "", 2)), "NGC 0");  // no numbers, no name
  EXPECT_EQ(ShortName(Object(0, 0, "SMC", 4)), "SMC");
  EXPECT_EQ(LabelText(Object(0, 0, "", 2)), std::string("\x01\x07\x05NGC 0\x06\x08"));
}

TEST(DeepSkyTexts, TypesAndSymbols) {
  struct TCase {
    uint8_t type;
    int32_t symbol;
    const char* full;
    const char* brief;
  };
  const TCase cases[] = {
      {0, 26, "Рассеяное скопление", "расс.скопл."},
      {1, 26, "Шаровое скопление", "шар.скопл."},
      {2, 27, "Диффузная туманность", "дифф.тум."},
      {3, 27, "Планетарная туманность", "план.тум."},
      {4, 27, "Галактика", "галактика"},
      {7, 27, "Галактика", "галактика"},  // an unknown type is a galaxy
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(SymbolOf(c.type), c.symbol) << int(c.type);
    EXPECT_EQ(FullTypeName(c.type), Cp1251(c.full)) << int(c.type);
    EXPECT_EQ(ShortTypeName(c.type), Cp1251(c.brief)) << int(c.type);
  }
}

TEST(DeepSkyTexts, TheCloudsAreNamedNotTyped) {
  EXPECT_EQ(KindName(Object(0, 0, "LMC", 4)), Cp1251("Большое Магелланово Облако"));
  EXPECT_EQ(KindName(Object(0, 0, "SMC", 4)), Cp1251("Малое Магелланово Облако"));
  EXPECT_EQ(KindName(Object(0, 0, "LMCX", 4)), Cp1251("Галактика"));
}

}  // namespace
