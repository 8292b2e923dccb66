// The command line of the picture export.
#include "ExportOptions.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
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

TEST(ExportOptions, TheMoonsReportsAreSwitchesWithTheirMomentAndPlace) {
  struct TCase {
    std::vector<std::string_view> arguments;
    TLunarReport report;
    std::optional<int32_t> following;
  };
  const std::vector<TCase> cases = {
      {{"--phases"}, TLunarReport::kPhases, std::nullopt},
      {{"--time", "2026-12-11 22:00", "--phases", "--location", "55.75,37.62,3"},
       TLunarReport::kPhases,
       std::nullopt},
      {{"--eclipse"}, TLunarReport::kEclipses, std::nullopt},
      {{"--eclipse", "--next", "1"}, TLunarReport::kEclipses, 1},
      {{"--next", "100", "--eclipse", "--time", "1962-02-10 00:00"}, TLunarReport::kEclipses, 100},
  };
  for (const TCase& c : cases) {
    const auto parsed = Parse(c.arguments);
    ASSERT_TRUE(std::holds_alternative<TExportOptions>(parsed)) << std::get<std::string>(parsed);
    const TExportOptions& o = std::get<TExportOptions>(parsed);
    EXPECT_EQ(o.lunarReport, c.report) << c.arguments.front();
    EXPECT_EQ(o.followingEclipses, c.following) << c.arguments.front();
    EXPECT_TRUE(o.file.empty() && o.infoName.empty() && !o.ephemeris);
  }
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
      {"--export", "a.png", "--size", "0x600"},
      {"--export", "a.png", "--size", "10000x600"},  // a side holds 1 … 9999
      {"--export", "a.jpg"},                         // a kind it does not write
      {"--export", "a"},
      {"--export", "png"},
      {"--export", "a.gif", "--depth", "24"},  // GIF holds 1 or 8 bits
      {"--export", "a.png", "--depth", "8"},
      {"--export", "a.wmf", "--depth", "8"},
      {"--export", "a.bmp", "--depth", "4"},
      {"--export", "a.bmp", "--depth", "0x18"},
      {"--info", "Марс", "--legend"},
      {"--info", ""},                           // no name
      {"--info", "Марс", "--export", "a.png"},  // two commands at once
      {"--export", "a.png", "--state", ""},
      {"--export", "a.png", "--state", "a.vls", "b.vls"},  // two state files
      {"--export", "a.png", ".vls"},                       // an extension, no name
      {"--info", "Марс", "--state", "a.vls"},              // a view is for pictures
      {"--phases", "--eclipse"},                           // two commands at once
      {"--phases", "--info", "Марс"},
      {"--eclipse", "--export", "a.png"},
      {"--phases", "--ephemeris", "Марс"},
      {"--phases", "--next", "2"},  // --next is the eclipses'
      {"--info", "Марс", "--next", "2"},
      {"--next", "2"},  // no command
      {"--eclipse", "--next", "0"},
      {"--eclipse", "--next", "101"},
      {"--eclipse", "--next", "-1"},
      {"--eclipse", "--next", "2.5"},
      {"--eclipse", "--next"},
      {"--eclipse", "--legend"},
      {"--phases", "--depth", "8"},
      {"--phases", "a.vls"},
      {"--eclipse", "--from", "2025-03-01"},
  };
  for (const auto& arguments : bad) {
    const auto parsed = Parse(arguments);
    ASSERT_TRUE(std::holds_alternative<std::string>(parsed)) << arguments.back();
    const std::string& message = std::get<std::string>(parsed);
    EXPECT_FALSE(message.empty());
    EXPECT_EQ(message.find('\n'), std::string::npos);
  }
}

TEST(ExportOptions, ThePictureKindByTheExtensionWithTheDepthsItTakes) {
  using velarion::ui::TPictureKind;
  struct TCase {
    std::vector<std::string_view> arguments;
    TPictureKind kind;
    std::optional<int32_t> depth;
    bool legend;
  };
  const std::vector<TCase> cases = {
      {{"--export", "sky.PNG"}, TPictureKind::kPng, std::nullopt, false},
      {{"--export", "a.b/sky.bmp", "--depth", "1", "--legend"}, TPictureKind::kBmp, 1, true},
      {{"--legend", "--export", "sky.bmp", "--depth", "24"}, TPictureKind::kBmp, 24, true},
      {{"--export", "sky.gif", "--depth", "8"}, TPictureKind::kGif, 8, false},
      {{"--export", "sky.svg"}, TPictureKind::kSvg, std::nullopt, false},
      {{"--export", "sky.pdf", "--depth", "1"}, TPictureKind::kPdf, 1, false},
      {{"--export", "sky.wmf", "--depth", "24"}, TPictureKind::kWmf, 24, false},
      {{"--export", "sky.Emf"}, TPictureKind::kEmf, std::nullopt, false},
  };
  for (const TCase& c : cases) {
    const auto parsed = Parse(c.arguments);
    ASSERT_TRUE(std::holds_alternative<TExportOptions>(parsed)) << std::get<std::string>(parsed);
    const TExportOptions& options = std::get<TExportOptions>(parsed);
    EXPECT_EQ(options.kind, c.kind) << c.arguments[1];
    EXPECT_EQ(options.depth, c.depth) << c.arguments[1];
    EXPECT_EQ(options.legend, c.legend) << c.arguments[1];
  }
}

TEST(ExportOptions, AnEphemerisOverAPeriod) {
  const auto parsed =
      Parse({"--ephemeris", "Луна", "--from", "-0099-03-01", "--to", "-0099-03-02T06:30", "--step",
             "90m", "--columns", "mjd,equ,dist", "--precision", "2"});
  ASSERT_TRUE(std::holds_alternative<TExportOptions>(parsed)) << std::get<std::string>(parsed);
  const TEphemerisOptions& e = *std::get<TExportOptions>(parsed).ephemeris;
  EXPECT_EQ(e.names, std::vector<std::string>{"Луна"});
  ASSERT_TRUE(e.PeriodTable() && e.from);
  EXPECT_EQ((std::vector{e.from->year, e.from->hour, e.to->day, e.to->hour, e.to->minute}),
            (std::vector{-99, 0, 2, 6, 30}));
  EXPECT_EQ(e.step.days, 0);
  EXPECT_DOUBLE_EQ(e.step.hours, 1.5);
  using velarion::ephemeris::TEphemColumn;
  EXPECT_TRUE(e.columns.Shows(TEphemColumn::kModifiedJulianDate));
  EXPECT_TRUE(e.columns.Shows(TEphemColumn::kDistance));
  EXPECT_FALSE(e.columns.Shows(TEphemColumn::kDate));
  EXPECT_FALSE(e.columns.hourAngle);
  EXPECT_EQ(e.columns.equatorialPrecision, 2);
}

TEST(ExportOptions, AnEphemerisOfSeveralObjectsNowWithTheDefaults) {
  const auto parsed = Parse({"--ephemeris", "Марс,α CMa,M 31", "--columns", "ha,hor"});
  const TEphemerisOptions& e = *std::get<TExportOptions>(parsed).ephemeris;
  EXPECT_EQ(e.names.size(), 3u);
  EXPECT_FALSE(e.PeriodTable() || e.from);
  EXPECT_TRUE(e.columns.hourAngle);
  EXPECT_EQ(e.step.days, 1);
  const auto defaults = Parse({"--ephemeris", "Марс"});
  EXPECT_TRUE(std::get<TExportOptions>(defaults).ephemeris->columns.Shows(
      velarion::ephemeris::TEphemColumn::kHorizontal));
}

TEST(ExportOptions, BadEphemerisCommandLinesGiveAMessage) {
  const std::vector<std::vector<std::string_view>> bad = {
      {"--ephemeris", "Марс,"},                             // an empty name
      {"--ephemeris", "Марс", "--step", "0d"},              // no step
      {"--ephemeris", "Марс", "--step", "3w"},              // no such unit
      {"--ephemeris", "Марс", "--columns", "equ,ha"},       // right ascension or hour angle
      {"--ephemeris", "Марс", "--columns", "date,colour"},  // no such column
      {"--ephemeris", "Марс", "--precision", "4"},
      {"--ephemeris", "Марс", "--from", "2025-02-30"},  // not a day of the calendar
      {"--ephemeris", "Марс,Луна", "--from", "2025-03-01", "--to", "2025-03-02"},
      {"--ephemeris", "Марс", "--to", "2025-03-02"},          // an end without a start
      {"--ephemeris", "Марс", "--time", "2025-03-01 12:00"},  // the moment is --from
      {"--export", "a.png", "--columns", "date"},             // not an ephemeris
      {"--ephemeris", "Марс", "--info", "Луна"},              // two commands at once
  };
  for (const auto& arguments : bad) {
    const auto parsed = Parse(arguments);
    ASSERT_TRUE(std::holds_alternative<std::string>(parsed)) << arguments.back();
    EXPECT_EQ(std::get<std::string>(parsed).find('\n'), std::string::npos);
  }
}

TEST(ExportOptions, LeapDayOfTheJulianCalendarBeforeTheReform) {
  EXPECT_TRUE(std::holds_alternative<TExportOptions>(
      Parse({"--export", "a.png", "--time", "1500-02-29 00:00"})));
}

}  // namespace
