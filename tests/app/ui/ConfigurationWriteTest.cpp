// How the settings go back into "Velarion.ini", and what of the file they leave alone.
#include "Configuration.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <set>
#include <string>

namespace {

using namespace velarion::ui;
using velplatform::TIniDocument;
namespace keys = configkeys;

struct TWritten {
  TConfigKey key;
  std::string_view text;
};

void ExpectWritten(const TIniDocument& file, std::initializer_list<TWritten> expected) {
  for (const TWritten& w : expected) {
    EXPECT_EQ(file.Get(w.key.section, w.key.key), std::string(w.text))
        << "[" << w.key.section << "] " << w.key.key;
  }
}

TIniDocument Written(const TConfiguration& c) {
  TIniDocument file;
  WriteConfiguration(c, file);
  return file;
}

// Every field away from its default, with values the write forms hold exactly.
TConfiguration ChangedConfiguration() {
  TConfiguration c;
  c.window = {{12, 34, 1024, 768, false}, true, true, 42.5, {{100, 120, 500, 420}}};
  c.console = {false, false, {"DejaVu Sans Mono", 12}, false};
  TSkySettings& s = c.sky;
  s.stereographic = false;
  s.objectHints = false;
  s.deltaTSeconds = 69.2;
  s.atmosphere = {false, 990.0, -5.0};
  s.azimuthFromSouth = true;
  s.mirrorView = true;
  s.visibility = {false, false, false, true, 0x3C0, true, false};
  s.skyColourMode = 1;
  s.quick = {450, 150, 5.0, 10};
  s.detailed = {900, 300, 9.0, 20};
  s.normalFont = "Liberation Sans";
  s.greekFont = "DejaVu Sans";
  s.screenSchemePosition = 2;
  s.printSchemePosition = 1;
  s.autoRotation = {0.5, 5, false, true};
  s.starProperNames = true;
  s.alwaysHighPrecision = false;
  s.limitBySkyState = true;
  s.showAsBitmap = false;
  s.saveStateFlags = {true, false, false, true, true, true, true};
  s.hourAngleInStatusBar = true;
  s.pathsBeforeGroups = true;
  c.location = {5.75, -0.1278, -33.8688};
  c.print = {true, false, false, true, 1};
  c.grid = {{true, false, true, true}, {300, 900, 1800, 1200}, false, false, false, false};
  return c;
}

TEST(ConfigurationWrite, TheDefaultsGiveAutomaticDeltaTAndTimeZoneAndReadBackUnchanged) {
  const TIniDocument file = Written(TConfiguration{});
  ExpectWritten(file, {
                          {keys::kEtUt, "AUTO"},
                          {keys::kTimeZone, "AUTO"},
                          {keys::kMain, "0,0,480,500,1"},
                          {keys::kConsoleSize, "35.0000"},
                          {keys::kInfoFormSize, "def"},
                          {keys::kFont, "Courier New,9"},
                          {keys::kObjectsVis, "1,1,1,0,1,1,1,1,1,1,0,0,0,0,0,1"},
                          {keys::kRotTime, "0.003472222222"},
                          {keys::kLongitude, "39.19510"},
                          {keys::kLatitude, "51.66800"},
                      });
  EXPECT_EQ(ReadConfiguration(file), TConfiguration{});
  // A new file lists the keys in reading order, starting with the window.
  EXPECT_EQ(file.Serialize().substr(0, 32), "[Window]\r\nMain=0,0,480,500,1\r\nPo");
}

TEST(ConfigurationWrite, ExactlyTheKeysOfTheTableAreWritten) {
  const TIniDocument file = Written(TConfiguration{});
  std::set<std::string> sections;
  for (const TConfigKey& k : keys::kAll) {
    EXPECT_TRUE(file.Get(k.section, k.key).has_value()) << k.key;
    sections.emplace(k.section);
  }
  std::size_t written = 0;
  for (const std::string& section : sections) written += file.Keys(section).size();
  EXPECT_EQ(written, keys::kAll.size());
}

TEST(ConfigurationWrite, EveryKeyIsWrittenInItsFormAndReadsBack) {
  const TConfiguration changed = ChangedConfiguration();
  const TIniDocument file = Written(changed);
  ExpectWritten(file, {
                          {keys::kMain, "12,34,1024,768,0"},
                          {keys::kPopToolBar, "1"},
                          {keys::kShowConsole, "1"},
                          {keys::kConsoleSize, "42.5000"},
                          {keys::kInfoFormSize, "100,120,500,420"},
                          {keys::kAutoSaveConsole, "0"},
                          {keys::kAutoShowConsole, "0"},
                          {keys::kFont, "DejaVu Sans Mono,12"},
                          {keys::kAutoFontSize, "0"},
                          {keys::kProjection, "0"},
                          {keys::kObjHints, "0"},
                          {keys::kEtUt, "69.2"},
                          {keys::kRefraction, "0"},
                          {keys::kAtPress, "990"},
                          {keys::kAtTemp, "-5"},
                          {keys::kAzZeroPoint, "1"},
                          {keys::kMirrorView, "1"},
                          {keys::kTimeZone, "5.75"},
                          {keys::kLongitude, "-0.12780"},
                          {keys::kLatitude, "-33.86880"},
                          {keys::kObjectsVis, "0,0,0,1,0,0,0,0,0,0,1,1,1,1,1,0"},
                          {keys::kChangeSpaceColor, "1"},
                          {keys::kMaxStarV, "450"},
                          {keys::kMaxLabelV, "150"},
                          {keys::kRFontSize, "5"},
                          {keys::kBLevels, "10"},
                          {keys::kDMaxStarV, "900"},
                          {keys::kDMaxLabelV, "300"},
                          {keys::kDRFontSize, "9"},
                          {keys::kDBLevels, "20"},
                          {keys::kNormalText, "Liberation Sans"},
                          {keys::kGreekText, "DejaVu Sans"},
                          {keys::kRotTime, "0.500000000000"},
                          {keys::kScreenColor, "2"},
                          {keys::kPrintColor, "1"},
                          {keys::kRefInterval, "5"},
                          {keys::kRotDirection, "0"},
                          {keys::kRealTime, "1"},
                          {keys::kStarPropNames, "1"},
                          {keys::kAlwaysHighPrecision, "0"},
                          {keys::kVRestrict, "1"},
                          {keys::kShowAsBitmap, "0"},
                          {keys::kPrintAsBitmap, "1"},
                          {keys::kPrintLegend, "0"},
                          {keys::kPrintPreview, "0"},
                          {keys::kPrintToFile, "1"},
                          {keys::kPrintOrientation, "1"},
                          {keys::kLineVis, "1,0,1,1"},
                          {keys::kLineStep, "300,900,1800,1200"},
                          {keys::kAzAuto, "0"},
                          {keys::kEqAuto, "0"},
                          {keys::kAzGrid, "0"},
                          {keys::kEqGrid, "0"},
                          {keys::kSaveStateFlags, "1,0,0,1,1,1,1"},
                          {keys::kEqCoordInStatusBar, "1"},
                          {keys::kPathOrder, "1"},
                      });
  EXPECT_EQ(ReadConfiguration(file), changed);
}

TEST(ConfigurationWrite, NumbersAreRoundedToTheirWrittenDecimals) {
  struct TCase {
    void (*change)(TConfiguration&);
    TConfigKey key;
    std::string_view text;
  };
  const TCase cases[] = {
      {[](TConfiguration& c) { c.sky.deltaTSeconds = 69.184; }, keys::kEtUt, "69.2"},
      {[](TConfiguration& c) { c.location.timeZoneHours = -3.5; }, keys::kTimeZone, "-3.50"},
      {[](TConfiguration& c) { c.location.timeZoneHours = 8.75; }, keys::kTimeZone, "8.75"},
      {[](TConfiguration& c) { c.sky.atmosphere.pressureMbar = 1012.6; }, keys::kAtPress, "1013"},
      {[](TConfiguration& c) { c.sky.atmosphere.temperatureCelsius = -0.3; }, keys::kAtTemp, "0"},
      {[](TConfiguration& c) { c.sky.quick.labelFontSize = 7.6; }, keys::kRFontSize, "8"},
      {[](TConfiguration& c) { c.sky.detailed.labelFontSize = 6.2; }, keys::kDRFontSize, "6"},
      {[](TConfiguration& c) { c.sky.autoRotation.timeStepDays = 1.0 / 86400.0; }, keys::kRotTime,
       "0.000011574074"},
      {[](TConfiguration& c) { c.window.consoleSizePercent = 100.0 / 3.0; }, keys::kConsoleSize,
       "33.3333"},
      {[](TConfiguration& c) { c.location.longitudeDeg = -122.419416; }, keys::kLongitude,
       "-122.41942"},
      {[](TConfiguration& c) { c.console.font.sizePoints = -11; }, keys::kFont, "Courier New,11"},
  };
  for (const TCase& c : cases) {
    TConfiguration configuration;
    c.change(configuration);
    ExpectWritten(Written(configuration), {{c.key, c.text}});
  }
}

TEST(ConfigurationWrite, AQuarterHourTimeZoneSurvivesASave) {
  for (const double zone : {5.75, -9.5, 12.75, 14.0, -12.0}) {
    TConfiguration c;
    c.location.timeZoneHours = zone;
    EXPECT_EQ(ReadConfiguration(Written(c)).location.timeZoneHours, zone);
  }
}

// Our own keys removed, and the sections we added removed with them: what is left must be
// the foreign file byte for byte.
std::string WithoutOwnKeys(TIniDocument file, const TIniDocument& original) {
  for (const TConfigKey& k : keys::kAll) file.RemoveKey(k.section, k.key);
  for (const TConfigKey& k : keys::kAll) {
    if (!original.HasSection(k.section)) file.RemoveSection(k.section);
  }
  return file.Serialize();
}

TEST(ConfigurationWrite, AForeignFileKeepsEveryByteItWasNotAskedToChange) {
  const std::string foreign =
      "; settings kept by hand\r\n"
      "[Asteroids&Comets]\r\n"
      "Color=65535\r\n"
      "\r\n"
      "[window]\r\n"
      "  main = 5, 6, 700, 500, 0   \r\n"
      "PopToolBar = 0\r\n"
      "Unknown Key = something = else\r\n"
      "; a comment inside a known section\r\n"
      "\r\n"
      "[Sky]\r\n"
      "Projection=yes\r\n"
      "ET-UT = \"AUTO\"\r\n"
      "PluginKey=42\r\n"
      "Projection=0\r\n"
      "garbage without equals\r\n"
      "[NGC 2000]\r\n"
      "Mag =12\r\n"
      "[Sky]\r\n"
      "RotTime=0.5\r\n";
  TIniDocument file = TIniDocument::Parse(foreign);
  const TIniDocument original = file;
  const TConfiguration read = ReadConfiguration(file);
  EXPECT_EQ(read.window.main, (TWindowPlacement{5, 6, 700, 500, false}));
  EXPECT_TRUE(read.sky.stereographic);  // the first of two equal keys counts
  EXPECT_EQ(read.sky.autoRotation.timeStepDays, kDefaultTimeStepDays);  // second [Sky] unread

  WriteConfiguration(read, file);
  const std::string result = file.Serialize();
  EXPECT_EQ(WithoutOwnKeys(file, original), WithoutOwnKeys(original, original));
  // Values already in their written form keep their spacing and quotes; others are rewritten.
  EXPECT_NE(result.find("\r\nPopToolBar = 0\r\n"), std::string::npos);
  EXPECT_NE(result.find("\r\nET-UT = \"AUTO\"\r\n"), std::string::npos);
  EXPECT_NE(result.find("\r\nmain=5,6,700,500,0\r\n"), std::string::npos);
  EXPECT_NE(result.find("\r\nProjection=1\r\n"), std::string::npos);
  EXPECT_EQ(ReadConfiguration(file), read);
}

}  // namespace
