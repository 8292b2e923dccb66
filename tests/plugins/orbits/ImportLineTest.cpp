#include "Asteroid.h"
#include "Comet.h"
#include "ImportLine.h"
#include "velastro.h"

#include <gtest/gtest.h>

#include <string>

namespace velarion::orbits {
namespace {

TEST(ImportLineTest, NumberTokens) {
  TImportLineScanner scanner("  .5 3. -2 +7 12a x");
  EXPECT_EQ(scanner.ReadDecimal(), 0.5);
  EXPECT_EQ(scanner.ReadDecimal(), 3.0);
  EXPECT_EQ(scanner.ReadInteger(), -2);
  EXPECT_EQ(scanner.ReadInteger(), 7);
  EXPECT_EQ(scanner.ReadInteger(), 12);  // the run stops at the letter
  EXPECT_FALSE(scanner.ReadDecimal());   // "a" starts no number
}

TEST(ImportLineTest, NameFields) {
  struct TCase {
    std::string line;
    std::string name;
    std::string rest;  // what a number read next starts with
  };
  const TCase cases[] = {
      // Shorter than 30 characters, blanks up to the next field: cut at its last letter.
      {"Ceres" + std::string(26, ' ') + "1801", "Ceres", "1801"},
      // Blanks inside the name within the first 30 characters belong to it.
      {" Comet de Vico Swift" + std::string(12, ' ') + "2000", "Comet de Vico Swift", "2000"},
      // 35 characters without blanks: taken whole up to the first blank after them.
      {std::string(35, 'N') + " 12", std::string(35, 'N'), "12"},
      {"Lonely", "Lonely", ""},
  };
  for (const TCase& c : cases) {
    TImportLineScanner scanner(c.line);
    EXPECT_EQ(scanner.ReadNameField(), c.name) << c.line;
    const auto next = scanner.ReadInteger();
    EXPECT_EQ(next.has_value(), !c.rest.empty()) << c.line;
    if (next) {
      EXPECT_EQ(std::to_string(*next), c.rest);
    }
  }
}

std::string AsteroidLine(char marker, std::string_view numbers) {
  return std::string(1, marker) + "    1 Ceres" + std::string(30, ' ') + std::string(numbers);
}

constexpr std::string_view kCeresNumbers =
    "2020  5 31.25  162.68631  2.7676569  0.0775571  73.73161  80.28698  10.58862  3.40  0.15";

TEST(ImportLineTest, AsteroidLineFillsEveryElement) {
  TAsteroid asteroid;
  ASSERT_EQ(asteroid.ParseLine(AsteroidLine('*', kCeresNumbers)), TElementFault::kNone);
  const TAsteroidElements& e = asteroid.Elements();
  EXPECT_EQ(asteroid.Name(), "Ceres");
  EXPECT_TRUE(asteroid.Selected());
  EXPECT_EQ(e.number, 1);
  EXPECT_DOUBLE_EQ(e.epochMjd, MJD(31, 5, 2020, 6.0));
  EXPECT_EQ(e.meanAnomalyDeg, 162.68631);
  EXPECT_EQ(e.semimajorAxisAu, 2.7676569);
  EXPECT_EQ(e.eccentricity, 0.0775571);
  EXPECT_EQ(e.perihelionArgumentDeg, 73.73161);
  EXPECT_EQ(e.ascendingNodeDeg, 80.28698);
  EXPECT_EQ(e.inclinationDeg, 10.58862);
  EXPECT_EQ(e.absoluteMagnitude100, 340);
  EXPECT_EQ(e.slope100, 15);
  EXPECT_EQ(asteroid.EquinoxMjd(), 51544.5);

  TAsteroid unticked;
  ASSERT_EQ(unticked.ParseLine(AsteroidLine(' ', kCeresNumbers)), TElementFault::kNone);
  EXPECT_FALSE(unticked.Selected());
}

TEST(ImportLineTest, AsteroidLinesRefusedWithTheirReason) {
  struct TCase {
    std::string_view numbers;
    TElementFault fault;
  };
  const TCase cases[] = {
      {"2020 5 31.0 10 2.7 0.07 73 80 10 3.4", TElementFault::kUnreadableNumber},  // no G
      {"2020 5 31.0 10 2.7 0.07 73 80 10 3.4 x", TElementFault::kUnreadableNumber},
      {"2020 5 31.0 10 2.7 1.0 73 80 10 3.4 0.15", TElementFault::kEccentricityNotBelowOne},
      {"2020 5 31.0 10 2.7 -0.1 73 80 10 3.4 0.15", TElementFault::kNegativeEccentricity},
      {"2020 5 31.0 10 0 0.07 73 80 10 3.4 0.15", TElementFault::kSemimajorAxisNotPositive},
      {"2020 5 31.0 10 -2 0.07 73 80 10 3.4 0.15", TElementFault::kSemimajorAxisNotPositive},
      {"2020 5 31.0 10 2.7 0.07 73 80 10 327.68 0.15", TElementFault::kMagnitudeOutOfRange},
      {"2020 5 31.0 10 2.7 0.07 73 80 10 3.4 -327.69", TElementFault::kSlopeOutOfRange},
      {"2020 5 1e300 10 2.7 0.07 73 80 10 3.4 0.15", TElementFault::kUnreadableNumber},
  };
  for (const TCase& c : cases) {
    TAsteroid asteroid("kept");
    EXPECT_EQ(asteroid.ParseLine(AsteroidLine('*', c.numbers)), c.fault) << c.numbers;
    // A refused line leaves the object as it was.
    EXPECT_EQ(asteroid.Name(), "kept");
    EXPECT_EQ(asteroid.Elements().semimajorAxisAu, 1.0);
    EXPECT_FALSE(asteroid.Selected());
  }
  // The edges that still fit.
  TAsteroid edge;
  EXPECT_EQ(edge.ParseLine(AsteroidLine('*', "2020 5 31 10 2.7 0 73 80 10 327.67 -327.68")),
            TElementFault::kNone);
  EXPECT_EQ(edge.Elements().absoluteMagnitude100, 32767);
  EXPECT_EQ(edge.Elements().slope100, -32768);
  EXPECT_EQ(TAsteroid().ParseLine(""), TElementFault::kUnreadableNumber);
}

TEST(ImportLineTest, CometLineWithAndWithoutMarker) {
  const std::string name = "C/1995 O1 (Hale-Bopp)" + std::string(10, ' ');
  const std::string numbers =
      "1997  3 29.6333  0.916241  0.994928  130.6448  283.3593  88.9908  -2.0  4.0";
  TComet marked;
  ASSERT_EQ(marked.ParseLine(name + "*" + numbers), TElementFault::kNone);
  EXPECT_TRUE(marked.Selected());
  EXPECT_EQ(marked.Name(), "C/1995 O1 (Hale-Bopp)");
  TComet letter;  // a letter right before the year is the marker, not part of the year
  ASSERT_EQ(letter.ParseLine(name + " X" + numbers), TElementFault::kNone);
  EXPECT_TRUE(letter.Selected());
  EXPECT_DOUBLE_EQ(letter.Elements().perihelionMjd, MJD(29, 3, 1997, 0.6333 * 24));
  TComet plain;
  ASSERT_EQ(plain.ParseLine(name + " " + numbers), TElementFault::kNone);
  EXPECT_FALSE(plain.Selected());
  const TCometElements& e = plain.Elements();
  EXPECT_EQ(e.perihelionDistanceAu, 0.916241);
  EXPECT_EQ(e.eccentricity, 0.994928);
  EXPECT_EQ(e.perihelionArgumentDeg, 130.6448);
  EXPECT_EQ(e.ascendingNodeDeg, 283.3593);
  EXPECT_EQ(e.inclinationDeg, 88.9908);
  EXPECT_EQ(e.absoluteMagnitude100, -200);
  EXPECT_EQ(e.activity100, 400);
}

TEST(ImportLineTest, CometLinesRefusedWithTheirReason) {
  const std::string name = "Test comet" + std::string(21, ' ');
  struct TCase {
    std::string numbers;
    TElementFault fault;
  };
  const TCase cases[] = {
      {"2000 1 1.0 0 0.9 10 20 30 5 4", TElementFault::kPerihelionDistanceNotPositive},
      {"2000 1 1.0 -1 0.9 10 20 30 5 4", TElementFault::kPerihelionDistanceNotPositive},
      {"2000 1 1.0 1 -0.9 10 20 30 5 4", TElementFault::kNegativeEccentricity},
      {"2000 1 1.0 1 0.9 10 20 30 5", TElementFault::kUnreadableNumber},
      {"2000 1 1.0 1 0.9 10 20 30 400 4", TElementFault::kMagnitudeOutOfRange},
      {"2000 1 1.0 1 0.9 10 20 30 5 400", TElementFault::kSlopeOutOfRange},
  };
  for (const TCase& c : cases) {
    TComet comet("kept");
    EXPECT_EQ(comet.ParseLine(name + c.numbers), c.fault) << c.numbers;
    EXPECT_EQ(comet.Name(), "kept");
  }
  TComet hyperbolic;
  EXPECT_EQ(hyperbolic.ParseLine(name + "2000 1 1.0 1 1.2 10 20 30 5 4"), TElementFault::kNone);
}

}  // namespace
}  // namespace velarion::orbits
