// city.dat: the file the build made, checked against GeoNames, and the reader and writer
// on small inputs.
#include <gtest/gtest.h>

#include <unistd.h>
#include <cmath>
#include <cstdlib>
#include <set>
#include <sstream>

#include "CatalogueTestSupport.h"
#include "CityFile.h"

namespace velarion::catalogues {
namespace {

using test::Cp1251;
using test::LoadGenerated;

std::span<const std::byte> Bytes(std::string_view text) {
  return std::as_bytes(std::span<const char>(text.data(), text.size()));
}

const TCityRecord* FindCity(const TCityFile& file, std::string_view utf8Name) {
  for (const TCityRecord& city : file.Cities()) {
    if (city.name == Cp1251(utf8Name)) {
      return &city;
    }
  }
  return nullptr;
}

TEST(CityFileTest, SpotChecksAgreeWithGeoNames) {
  // GeoNames coordinates to 4 decimals; the standard offset of the IANA zone (Sydney keeps
  // +10 though its summer time is +11); Kathmandu's +5:45 and Adelaide's +9:30 exactly.
  struct TCase {
    const char* name;
    double longitude;
    double latitude;
    double timeZone;
  };
  const TCase cases[] = {
      {"Москва", 37.6156, 55.7522, 3.0},     {"Воронеж", 39.1843, 51.6720, 3.0},
      {"Сидней", 151.2073, -33.8679, 10.0},  {"Катманду", 85.3206, 27.7017, 5.75},
      {"Нью-Йорк", -74.0060, 40.7143, -5.0}, {"Аделаида", 138.5986, -34.9287, 9.5},
      {"Лондон", -0.1257, 51.5085, 0.0},     {"Лондон (Канада)", -81.2330, 42.9834, -5.0},
  };
  const auto file = LoadGenerated<TCityFile>("city.dat");
  for (const TCase& c : cases) {
    const TCityRecord* city = FindCity(file, c.name);
    ASSERT_NE(city, nullptr) << c.name;
    EXPECT_DOUBLE_EQ(city->longitudeDeg, c.longitude) << c.name;
    EXPECT_DOUBLE_EQ(city->latitudeDeg, c.latitude) << c.name;
    EXPECT_DOUBLE_EQ(city->timeZoneHours, c.timeZone) << c.name;
  }
}

TEST(CityFileTest, HoldsEveryLargeCityAndEveryCapitalOfGeoNames) {
  const auto file = LoadGenerated<TCityFile>("city.dat");
  std::set<std::pair<long, long>> places;
  for (const TCityRecord& city : file.Cities()) {
    places.insert({std::lround(city.longitudeDeg * 1e4), std::lround(city.latitudeDeg * 1e4)});
  }
  std::istringstream in(test::ReadWholeFile(test::kSourcesDir / "geonames" / "cities15000.txt"));
  std::string line;
  int expected = 0;
  while (std::getline(in, line)) {
    std::vector<std::string> fields;
    std::istringstream row(line);
    for (std::string field; std::getline(row, field, '\t');) {
      fields.push_back(field);
    }
    ASSERT_GE(fields.size(), 15u);
    if (std::stol("0" + fields[14]) <= 100000 && fields[7] != "PPLC") {
      continue;
    }
    ++expected;
    // Rounded to 4 decimals from 5; a tie may round either way.
    const long lon = std::lround(std::stod(fields[5]) * 1e4);
    const long lat = std::lround(std::stod(fields[4]) * 1e4);
    bool found = false;
    for (long dx : {0L, -1L, 1L}) {
      for (long dy : {0L, -1L, 1L}) {
        found |= places.count({lon + dx, lat + dy}) > 0;
      }
    }
    EXPECT_TRUE(found) << fields[1];
  }
  EXPECT_GT(expected, 4000);
  EXPECT_GE(file.Count(), static_cast<std::size_t>(expected));
}

TEST(CityFileTest, GeneratedFileIsWhatTheWriterWrites) {
  // Fixed columns and CR LF: formatting what was read gives back the same bytes.
  const std::string text = test::ReadWholeFile(test::kDataDir / "city.dat");
  const TCityFile file = test::Loaded(TCityFile::FromBytes(Bytes(text)));
  EXPECT_EQ(TCityFile::Format(file.Cities()), text);
}

TEST(CityFileTest, WriterPutsTheNumbersInTheirColumns) {
  const TCityRecord voronezh{Cp1251("Воронеж"), 39.1951, 51.668, 3.0};
  EXPECT_EQ(TCityFile::Format(std::span(&voronezh, 1)),
            Cp1251("Воронеж") + std::string(27, ' ') + "  39.1951  51.6680  3.00\r\n");
  // The widest values fill their fields: the zone's sign stands in column 53.
  const TCityRecord west{"Honolulu", -157.8583, 21.3069, -10.0};
  EXPECT_EQ(TCityFile::Format(std::span(&west, 1)),
            "Honolulu" + std::string(26, ' ') + "-157.8583  21.3069-10.00\r\n");
  const TCityRecord chatham{"Waitangi", -176.5597, -43.9535, 12.75};
  EXPECT_EQ(TCityFile::Format(std::span(&chatham, 1)),
            "Waitangi" + std::string(26, ' ') + "-176.5597 -43.9535 12.75\r\n");
}

TEST(CityFileTest, ZonesOfBothWidthsReadBackWithTheirSign) {
  // Lines written by hand in the older one-decimal form and in the two-decimal form.
  const std::string pad(26, ' ');
  const std::string text = "Honolulu" + pad + "-157.8583  21.3069-10.00\r\n" + "Kathmand" + pad +
                           "  85.3206  27.7017  5.75\r\n" + "StJohns " + pad +
                           " -52.7093  47.5649  -3.5\r\n" + "Kiritima" + pad +
                           "-157.4750   1.8721 14.00\r\n";
  const TCityFile file = test::Loaded(TCityFile::FromBytes(Bytes(text)));
  ASSERT_EQ(file.Count(), 4u);
  EXPECT_DOUBLE_EQ(file.Record(0)->timeZoneHours, -10.0);
  EXPECT_DOUBLE_EQ(file.Record(1)->timeZoneHours, 5.75);
  EXPECT_DOUBLE_EQ(file.Record(2)->timeZoneHours, -3.5);
  EXPECT_DOUBLE_EQ(file.Record(3)->timeZoneHours, 14.0);
}

TEST(CityFileTest, ValuesOutsideTheirRangesAreNoCities) {
  const std::string pad(26, ' ');
  const std::string cases[] = {
      "Tooeast " + pad + " 180.0001  10.0000  3.00", "Toonorth" + pad + "  10.0000  90.0001  3.00",
      "Zone15  " + pad + "  10.0000  10.0000 15.00", "Zone-13 " + pad + "  10.0000  10.0000-13.00"};
  for (const std::string& line : cases) {
    EXPECT_FALSE(TCityFile::FromBytes(Bytes(line)).Ok()) << line;
  }
  EXPECT_TRUE(TCityFile::FromBytes(Bytes("Edge    " + pad + " 180.0000 -90.0000-12.00")).Ok());
}

TEST(CityFileTest, TheDialogsReadingSkipsLinesThatAreNoCities) {
  // A short line, one with a letter in its longitude and a blank one among three cities:
  // the cities stay, in their order, and none appears at 0, 0.
  const std::string pad(26, ' ');
  const std::string text = "Moscow  " + pad + "  37.6156  55.7522  3.00\r\n" + "Moscow   37.6\r\n" +
                           "Broken  " + pad + "  3x.6156  55.7522  3.00\n" + "   \r\n" +
                           "Voronezh" + pad + "  39.1951  51.6680  3.00\r\n" + "Kathmand" + pad +
                           "  85.3206  27.7017  5.75";
  const TCityFile::TTolerantRead read = TCityFile::FromBytesSkippingBadLines(Bytes(text));
  EXPECT_EQ(read.skippedLines, 2u);
  ASSERT_EQ(read.file.Count(), 3u);
  EXPECT_EQ(read.file.Record(0)->name, "Moscow");
  EXPECT_EQ(read.file.Record(1)->name, "Voronezh");
  EXPECT_DOUBLE_EQ(read.file.Record(1)->longitudeDeg, 39.1951);
  EXPECT_DOUBLE_EQ(read.file.Record(2)->timeZoneHours, 5.75);
}

TEST(CityFileTest, ControlCharactersInANameDoNotBreakTheLine) {
  const TCityRecord city{"New\nYork\r", -74.006, 40.7143, -5.0};
  EXPECT_EQ(TCityFile::Format(std::span(&city, 1)),
            "New York " + std::string(25, ' ') + " -74.0060  40.7143 -5.00\r\n");
}

TEST(CityFileTest, LongNamesAreCutAtTheirColumnNotShiftingTheOthers) {
  // 40 bytes of name in code page 1251 (Cyrillic letters are one byte each).
  const std::string name = Cp1251("Сан-Фернандо-дель-Валье-де-Катамарка____");
  ASSERT_EQ(name.size(), 40u);
  const TCityRecord city{name, -65.7833, -28.4667, -3.0};
  const std::string text = TCityFile::Format(std::span(&city, 1));
  EXPECT_EQ(text.size(), 58u + 2u);
  EXPECT_EQ(text.substr(0, 33), name.substr(0, 33));
  EXPECT_EQ(text.substr(33), "  -65.7833 -28.4667 -3.00\r\n");
  const TCityFile read = test::Loaded(TCityFile::FromBytes(Bytes(text)));
  ASSERT_EQ(read.Count(), 1u);
  EXPECT_EQ(read.Record(0)->name, name.substr(0, 33));
  EXPECT_DOUBLE_EQ(read.Record(0)->longitudeDeg, -65.7833);
  EXPECT_DOUBLE_EQ(read.Record(0)->timeZoneHours, -3.0);
}

TEST(CityFileTest, ReadsTheFixtureSkippingBlankLines) {
  // CR LF and LF line ends, an empty and an all-blank line between the cities.
  const TCityFile file = test::Loaded(TCityFile::FromPath(test::kFixturesDir / "city_small.dat"));
  ASSERT_EQ(file.Count(), 3u);
  const TCityRecord expected[] = {{Cp1251("Москва"), 37.6156, 55.7522, 3.0},
                                  {Cp1251("Сент-Джонс"), -52.7093, 47.5649, -3.5},
                                  {Cp1251("Южный полюс"), 0.0, -90.0, 12.0}};
  for (std::size_t i = 0; i < 3; ++i) {
    const TCityRecord city = *file.Record(i);
    EXPECT_EQ(city.name, expected[i].name);
    EXPECT_DOUBLE_EQ(city.longitudeDeg, expected[i].longitudeDeg);
    EXPECT_DOUBLE_EQ(city.latitudeDeg, expected[i].latitudeDeg);
    EXPECT_DOUBLE_EQ(city.timeZoneHours, expected[i].timeZoneHours);
  }
  EXPECT_FALSE(file.Record(3).has_value());
}

TEST(CityFileTest, WriteAndReadBackThroughAFile) {
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / "velarion-city-write-test.dat";
  const std::vector<TCityRecord> cities = {{Cp1251("Южный полюс"), 0.0, -90.0, 12.0},
                                           {"Kathmandu", 85.3206, 27.7017, 5.75}};
  ASSERT_TRUE(TCityFile::Write(path, cities));
  const TCityFile read = test::Loaded(TCityFile::FromPath(path));
  std::filesystem::remove(path);
  ASSERT_EQ(read.Count(), 2u);
  EXPECT_EQ(read.Record(0)->name, cities[0].name);
  EXPECT_DOUBLE_EQ(read.Record(1)->timeZoneHours, 5.75);
  EXPECT_FALSE(TCityFile::Write(std::filesystem::path("/nonexistent-dir") / "city.dat", cities));
}

TEST(CityFileTest, AFailedRewriteLeavesTheOldFile) {
  // The folder is read-only to the writer (run as an unprivileged user when the tests run as
  // root, who may write anywhere): the temporary file cannot be made, the old list stays.
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / "velarion-city-readonly-test";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  const std::filesystem::path path = folder / "city.dat";
  const std::vector<TCityRecord> old = {{"Old", 1.0, 2.0, 3.0}};
  ASSERT_TRUE(TCityFile::Write(path, old));
  const std::string before = test::ReadWholeFile(path);
  std::filesystem::permissions(
      folder, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const auto rewriteUnprivileged = [&path] {
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) std::_Exit(2);
    const std::vector<TCityRecord> replacement = {{"New", 4.0, 5.0, 6.0}};
    std::_Exit(TCityFile::Write(path, replacement) ? 1 : 0);
  };
  EXPECT_EXIT(rewriteUnprivileged(), ::testing::ExitedWithCode(0), "");
  std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
  EXPECT_EQ(test::ReadWholeFile(path), before);
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace velarion::catalogues
