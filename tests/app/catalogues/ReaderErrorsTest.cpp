// What the readers do with inputs that are not well-formed: an error value for a malformed
// or missing file, and the tolerated forms read as the program expects.
#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "BoundaryFile.h"
#include "CatalogueTestSupport.h"
#include "CityFile.h"
#include "ConstellationNamesFile.h"
#include "DeepSkyFile.h"
#include "FigureLinesFile.h"
#include "StarFile.h"
#include "StarNamesFile.h"

namespace velarion::catalogues {
namespace {

std::span<const std::byte> Bytes(std::string_view text) {
  return std::as_bytes(std::span<const char>(text.data(), text.size()));
}

const std::string kCityLine = "Moscow" + std::string(28, ' ') + "  37.6156  55.7522   3.0";

TEST(ReaderErrorsTest, MalformedTextFilesAreErrors) {
  struct TCase {
    const char* what;
    bool (*read)(std::string_view);
    std::string text;
  };
  auto names = [](std::string_view t) { return TConstellationNamesFile::FromBytes(Bytes(t)).Ok(); };
  auto stars = [](std::string_view t) { return TStarNamesFile::FromBytes(Bytes(t)).Ok(); };
  auto cities = [](std::string_view t) { return TCityFile::FromBytes(Bytes(t)).Ok(); };
  const TCase cases[] = {
      {"constellation line with six fields", names, "A,B,C,D,And,45\r\n"},
      {"constellation line with eight fields", names, "A,B,C,D,And,45,2580,9\r\n"},
      {"constellation label not a number", names, "A,B,C,D,And,4x5,2580\r\n"},
      {"empty constellation line among others", names,
       "A,B,C,D,And,45,2580\r\n\r\nE,F,G,H,Ant,1,2\r\n"},
      {"star name without a number", stars, "Sirius\r\n"},
      {"star number without a name", stars, "2491\r\n"},
      {"star names out of order", stars, "7001 Vega\r\n2491 Sirius\r\n"},
      {"city line too short", cities, "Moscow   37.6\r\n"},
      {"city longitude not a number", cities,
       "Moscow" + std::string(28, ' ') + "  37,6156  55.7522   3.0\r\n"},
      {"city time zone missing", cities,
       "Moscow" + std::string(28, ' ') + "  37.6156  55.7522      \r\n"},
  };
  for (const TCase& c : cases) {
    EXPECT_FALSE(c.read(c.text)) << c.what;
  }
  // The same readers accept the well-formed neighbours of those cases.
  EXPECT_TRUE(names("A,B,C,D,And,45,-2580\nE,F,G,H,Ant,1,2"));
  EXPECT_TRUE(stars("2491 Sirius\r\n\r\n7001 Vega [note]\n"));
  EXPECT_TRUE(cities(kCityLine + "\r\n\r\n" + kCityLine));
}

TEST(ReaderErrorsTest, ConstellationNamesStopAtTheObjectCount) {
  std::string text;
  for (int i = 0; i < 95; ++i) {
    text += "R,RG,L,LG,A" + std::to_string(i) + "," + std::to_string(i) + ",-" + std::to_string(i) +
            "\r\n";
  }
  text += "not a line of seven fields\r\n";
  const auto file = test::Loaded(TConstellationNamesFile::FromBytes(Bytes(text)));
  ASSERT_EQ(file.Count(), 89u);
  EXPECT_EQ(file.Record(88)->abbreviation, "A88");
  EXPECT_EQ(file.Record(88)->labelDecArcmin, -88);
  EXPECT_FALSE(file.Record(89).has_value());
}

TEST(ReaderErrorsTest, StarNamesKeepRemarksAndFindTheFirstName) {
  const auto file = test::Loaded(
      TStarNamesFile::FromBytes(Bytes("424 Polaris\r\n5459 Rigil [alpha1]\r\n5459 Toliman\r\n")));
  EXPECT_EQ(file.Find(5459), "Rigil [alpha1]");
  EXPECT_EQ(file.Find(424), "Polaris");
  EXPECT_FALSE(file.Find(425).has_value());
}

std::array<std::byte, TDeepSkyFile::kRecordSize> DeepSkyRecord(uint8_t nameLength,
                                                               uint8_t raLength) {
  std::array<std::byte, TDeepSkyFile::kRecordSize> record{};
  record[4] = std::byte{nameLength};
  record[25] = std::byte{raLength};
  return record;
}

TEST(ReaderErrorsTest, DeepSkyLengthBytesBeyondTheirFieldsAreErrors) {
  EXPECT_FALSE(TDeepSkyFile::FromBytes(DeepSkyRecord(21, 0)).Ok());
  EXPECT_FALSE(TDeepSkyFile::FromBytes(DeepSkyRecord(0, 6)).Ok());
  const auto file = test::Loaded(TDeepSkyFile::FromBytes(DeepSkyRecord(20, 5)));
  ASSERT_EQ(file.Count(), 1u);
  // Texts of zero bytes: the name is 20 zero bytes, the position not a number and so 0.
  EXPECT_EQ(file.Record(0)->name.size(), 20u);
  EXPECT_EQ(file.Record(0)->RaDeg(), 0.0);
}

TEST(ReaderErrorsTest, DeepSkyPositionsAreBroughtIntoTheCircle) {
  auto record = DeepSkyRecord(0, 4);
  const char ra[] = "-0.5";
  std::memcpy(&record[26], ra, 4);
  const auto file = test::Loaded(TDeepSkyFile::FromBytes(record));
  EXPECT_DOUBLE_EQ(file.Record(0)->RaDeg(), 359.5);
}

TEST(ReaderErrorsTest, BinaryFilesIgnoreATrailingPartialRecord) {
  const std::vector<std::byte> bytes(2 * TBoundaryFile::kRecordSize + 3, std::byte{1});
  const auto bounds = test::Loaded(TBoundaryFile::FromBytes(bytes));
  EXPECT_EQ(bounds.Count(), 2u);
  EXPECT_TRUE(bounds.Record(1).has_value());
  EXPECT_FALSE(bounds.Record(2).has_value());
  EXPECT_EQ(bounds.Record(1)->ra1Arcmin, 0x0101);
  EXPECT_EQ(test::Loaded(TFigureLinesFile::FromBytes(bytes)).Count(), 0u);
  const std::vector<std::byte> almostAStar(TStarFile::kRecordSize - 1);
  const auto stars = test::Loaded(TStarFile::FromBytes(almostAStar));
  EXPECT_EQ(stars.Count(), 0u);
  EXPECT_FALSE(stars.Record(0).has_value());
}

TEST(ReaderErrorsTest, MissingFilesAreErrors) {
  const std::filesystem::path missing = test::kFixturesDir / "no-such-file.dat";
  EXPECT_FALSE(TStarFile::FromPath(missing).Ok());
  EXPECT_FALSE(TConstellationNamesFile::FromPath(missing).Ok());
  EXPECT_FALSE(TStarNamesFile::FromPath(missing).Ok());
  EXPECT_FALSE(TFigureLinesFile::FromPath(missing).Ok());
  EXPECT_FALSE(TBoundaryFile::FromPath(missing).Ok());
  EXPECT_FALSE(TDeepSkyFile::FromPath(missing).Ok());
  const auto cities = TCityFile::FromPath(missing);
  ASSERT_FALSE(cities.Ok());
  EXPECT_NE(cities.Error().find("no-such-file.dat"), std::string::npos);
}

}  // namespace
}  // namespace velarion::catalogues
