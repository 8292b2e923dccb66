// The command line of the picture export.
#include "ExportOptions.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace velarion::ui;

std::variant<TExportOptions, std::string> Parse(std::vector<std::string_view> arguments) {
  return ParseExportOptions(arguments);
}

TEST(ExportOptions, FullCommandLine) {
  const auto parsed = Parse({"--zoom", "250", "--export", "sky.png", "--size", "1920x1080",
                             "--time", "-0500-02-29 23:05:07", "--location", "51.5,-0.12,5.75"});
  ASSERT_TRUE(std::holds_alternative<TExportOptions>(parsed)) << std::get<std::string>(parsed);
  const TExportOptions& o = std::get<TExportOptions>(parsed);
  EXPECT_EQ(o.file, "sky.png");
  EXPECT_EQ(o.width, 1920);
  EXPECT_EQ(o.height, 1080);
  ASSERT_TRUE(o.time && o.place && o.zoom);
  // -500 is a Julian leap year (divisible by 4): 29 February exists.
  EXPECT_EQ((std::vector{o.time->year, o.time->month, o.time->day, o.time->hour, o.time->minute,
                         o.time->second}),
            (std::vector{-500, 2, 29, 23, 5, 7}));
  EXPECT_DOUBLE_EQ(o.place->latitude, 51.5);
  EXPECT_DOUBLE_EQ(o.place->longitude, -0.12);
  EXPECT_EQ(o.place->timeZone, 5.75);
  EXPECT_EQ(*o.zoom, 250);
}

TEST(ExportOptions, DefaultsWhenOnlyTheFileIsGiven) {
  const auto parsed = Parse({"--export", "a.png"});
  const TExportOptions& o = std::get<TExportOptions>(parsed);
  EXPECT_EQ(o.width, 1600);
  EXPECT_EQ(o.height, 1200);
  EXPECT_FALSE(o.time || o.place || o.zoom);
}

TEST(ExportOptions, TheInformationOfANamedObject) {
  const auto parsed =
      Parse({"--info", "Марс", "--time", "2026-12-11 22:00", "--location", "55.75,37.62,3"});
  const TExportOptions& o = std::get<TExportOptions>(parsed);
  EXPECT_EQ(o.infoName, "Марс");
  EXPECT_TRUE(o.file.empty());
  EXPECT_EQ(o.time->hour, 22);
  EXPECT_EQ(o.place->timeZone, 3.0);
}

TEST(ExportOptions, BadCommandLinesGiveAMessage) {
  const std::vector<std::vector<std::string_view>> bad = {
      {"--export"},           // no file
      {"--size", "800x600"},  // no --export
      {"--export", "a.png", "--size", "800"},
      {"--export", "a.png", "--size", "0x600"},
      {"--export", "a.png", "--size", "800x99999"},
      {"--export", "a.png", "--size", "-8x6"},
      {"--export", "a.png", "--time", "2026-12-10"},
      {"--export", "a.png", "--time", "1900-02-29 12:00"},  // Gregorian: no leap day
      {"--export", "a.png", "--time", "1582-10-10 12:00"},  // the days the reform skipped
      {"--export", "a.png", "--time", "2026-13-01 12:00"},
      {"--export", "a.png", "--time", "2026-12-10 24:00"},
      {"--export", "a.png", "--location", "91,0"},
      {"--export", "a.png", "--location", "10"},
      {"--export", "a.png", "--location", "10,20,15"},
      {"--export", "a.png", "--zoom", "49"},
      {"--export", "a.png", "--zoom", "abc"},
      {"--export", "a.png", "--colour", "red"},
      {"--export", "a.png", "--zoom"},
      {"--info", ""},                           // no name
      {"--info", "Марс", "--export", "a.png"},  // two commands at once
  };
  for (const auto& arguments : bad) {
    const auto parsed = Parse(arguments);
    ASSERT_TRUE(std::holds_alternative<std::string>(parsed)) << arguments.back();
    const std::string& message = std::get<std::string>(parsed);
    EXPECT_FALSE(message.empty());
    EXPECT_EQ(message.find('\n'), std::string::npos);
  }
}

TEST(ExportOptions, LeapDayOfTheJulianCalendarBeforeTheReform) {
  EXPECT_TRUE(std::holds_alternative<TExportOptions>(
      Parse({"--export", "a.png", "--time", "1500-02-29 00:00"})));
}

}  // namespace
