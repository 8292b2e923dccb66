// How the texts of "Velarion.ini" become settings.
#include "Configuration.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace {

using namespace velarion::ui;
using velplatform::TIniDocument;
namespace keys = configkeys;

TConfiguration ReadOne(TConfigKey key, std::string_view text) {
  TIniDocument file;
  file.Set(key.section, key.key, text);
  return ReadConfiguration(file);
}

template <typename T>
struct TReadCase {
  TConfigKey key;
  std::string_view text;
  T (*get)(const TConfiguration&);
  T expected;
};

template <typename T>
void ExpectReads(std::initializer_list<TReadCase<T>> cases) {
  for (const TReadCase<T>& c : cases) {
    EXPECT_EQ(c.get(ReadOne(c.key, c.text)), c.expected) << c.key.key << "=" << c.text;
  }
}

TEST(ConfigurationRead, AMissingFileAndTheDocumentedDefaultTextsGiveTheDefaults) {
  EXPECT_EQ(ReadConfiguration(TIniDocument{}), TConfiguration{});

  const TIniDocument documented = TIniDocument::Parse(
      "[Window]\nMain=0,0,480,500,1\nPopToolBar=0\nShowConsole=0\nConsoleSize=35\n"
      "InfoFormSize=def\n"
      "[Console]\nAutoSaveConsole=1\nAutoShowConsole=1\nFont=Courier New,9\nAutoFontSize=1\n"
      "[Sky]\nProjection=1\nObjHints=1\nET-UT=AUTO\nRefraction=1\nAtPress=1013\nAtTemp=20\n"
      "AzZeroPoint=0\nMirrorView=0\nObjectsVis=1,1,1,0,1,1,1,1,1,1,0,0,0,0,0,1\n"
      "ChangeSpaceColor=3\nMaxStarV=500\nMaxLabelV=100\nRFontSize=7\nBLevels=14\n"
      "DMaxStarV=650\nDMaxLabelV=100\nDRFontSize=7\nDBLevels=14\nNormalText=Arial\n"
      "GreekText=Symbol\nRotTime=0.003472222222\nScreenColor=0\nPrintColor=0\nRefInterval=2\n"
      "RotDirection=1\nRealTime=0\nStarPropNames=0\nAlwaysHighPrecision=1\nVRestrict=0\n"
      "ShowAsBitmap=1\nSaveStateFlags=0,1,1,0,0,0,0\nEqCoordInStatusBar=0\nPathOrder=0\n"
      "[Location]\nTimeZone=AUTO\nLongitude=39.1951\nLatitude=51.6680\n"
      "[Print]\nPrintAsBitmap=0\nPrintLegend=1\nPrintPreview=1\nPrintToFile=0\n"
      "PrintOrientation=0\n"
      "[Grid]\nLineVis=0,0,0,0\nLineStep=600,600,3600,600\nAzAuto=1\nEqAuto=1\nAzGrid=1\n"
      "EqGrid=1\n");
  EXPECT_EQ(ReadConfiguration(documented), TConfiguration{});
}

TEST(ConfigurationRead, FlagsAreOnForAnyTextButZeroExceptTheTwoThatNeedOne) {
  ExpectReads<bool>({
      {keys::kProjection, "yes", [](const TConfiguration& c) { return c.sky.stereographic; }, true},
      {keys::kProjection, "0", [](const TConfiguration& c) { return c.sky.stereographic; }, false},
      {keys::kMirrorView, "2", [](const TConfiguration& c) { return c.sky.mirrorView; }, true},
      {keys::kPopToolBar, "", [](const TConfiguration& c) { return c.window.popToolBar; }, true},
      {keys::kPrintLegend, " 0 ", [](const TConfiguration& c) { return c.print.legend; }, false},
      {keys::kEqCoordInStatusBar, "yes",
       [](const TConfiguration& c) { return c.sky.hourAngleInStatusBar; }, false},
      {keys::kEqCoordInStatusBar, "2",
       [](const TConfiguration& c) { return c.sky.hourAngleInStatusBar; }, false},
      {keys::kEqCoordInStatusBar, "1",
       [](const TConfiguration& c) { return c.sky.hourAngleInStatusBar; }, true},
      {keys::kPathOrder, "yes", [](const TConfiguration& c) { return c.sky.pathsBeforeGroups; },
       false},
      {keys::kPathOrder, "1", [](const TConfiguration& c) { return c.sky.pathsBeforeGroups; },
       true},
      // The grid switches read only their first item.
      {keys::kAzAuto, "0,1", [](const TConfiguration& c) { return c.grid.azimuthAutoStep; }, false},
      {keys::kEqGrid, "1,0", [](const TConfiguration& c) { return c.grid.equatorialGridShown; },
       true},
      {keys::kAzGrid, " 0 ,1", [](const TConfiguration& c) { return c.grid.horizontalGridShown; },
       false},
  });
}

TEST(ConfigurationRead, ListsReadItemByItemWithMissingItemsAsZero) {
  using TPlacement = TWindowPlacement;
  ExpectReads<TPlacement>({
      {keys::kMain,
       "10,20,800,600,1",
       [](const TConfiguration& c) { return c.window.main; },
       {10, 20, 800, 600, true}},
      {keys::kMain,
       " -8 , -8 ,1024,768",
       [](const TConfiguration& c) { return c.window.main; },
       {-8, -8, 1024, 768, false}},
  });
  ExpectReads<std::array<bool, 4>>({
      {keys::kLineVis,
       "1,0,2",
       [](const TConfiguration& c) { return c.grid.lineVisible; },
       {true, false, true, false}},
  });
  ExpectReads<std::array<int32_t, 4>>({
      {keys::kLineStep,
       "300,x,1800",
       [](const TConfiguration& c) { return c.grid.lineStep; },
       {300, 0, 1800, 0}},
  });
  ExpectReads<std::array<bool, 7>>({
      {keys::kSaveStateFlags,
       "1,0,0,0,0,0,1",
       [](const TConfiguration& c) { return c.sky.saveStateFlags; },
       {true, false, false, false, false, false, true}},
  });
}

TEST(ConfigurationRead, ObjectsVisSplitsIntoSixFlagsAndTheBodyBits) {
  const TVisibility v =
      ReadOne(keys::kObjectsVis, "0,1,0,1,0,1,0,0,0,0,0,0,0,1,1,0").sky.visibility;
  EXPECT_EQ(v, (TVisibility{false, true, false, true, 0x202, true, false}));
  // A value other than 1 still sets only its own body's bit.
  EXPECT_EQ(ReadOne(keys::kObjectsVis, "1,1,1,1,2").sky.visibility.bodyBits, 0x1);
}

TEST(ConfigurationRead, ClampsOfTheConsoleAndTheRotationInterval) {
  const auto consoleSize = [](const TConfiguration& c) { return c.window.consoleSizePercent; };
  ExpectReads<double>({
      {keys::kConsoleSize, "5", consoleSize, 10.0},
      {keys::kConsoleSize, "95", consoleSize, 80.0},
      {keys::kConsoleSize, "42.5", consoleSize, 42.5},
      {keys::kConsoleSize, "x", consoleSize, 10.0},
  });
  const auto interval = [](const TConfiguration& c) {
    return c.sky.autoRotation.refreshIntervalCode;
  };
  ExpectReads<int32_t>({
      {keys::kRefInterval, "9", interval, 6},
      {keys::kRefInterval, "0", interval, 1},
      {keys::kRefInterval, "4", interval, 4},
  });
}

TEST(ConfigurationRead, TheConsoleFontSizeIsTakenOnlyFrom6To48) {
  const auto font = [](const TConfiguration& c) { return c.console.font; };
  ExpectReads<TConsoleFont>({
      {keys::kFont, "Lucida Console,12", font, {"Lucida Console", 12}},
      {keys::kFont, "Lucida Console,6", font, {"Lucida Console", 6}},
      {keys::kFont, "Lucida Console,48", font, {"Lucida Console", 48}},
      {keys::kFont, "Lucida Console,5", font, {"Lucida Console", 9}},
      {keys::kFont, "Lucida Console,49", font, {"Lucida Console", 9}},
      {keys::kFont, "Lucida Console,-10", font, {"Lucida Console", 9}},
      {keys::kFont, "Lucida Console", font, {"Lucida Console", 9}},
      {keys::kFont, ",12", font, {"Courier New", 12}},
  });
}

TEST(ConfigurationRead, InfoFormSizeIsUsedOnlyWhenItStartsWithADigitFrom1) {
  using TRect = std::optional<std::array<int32_t, 4>>;
  const auto placement = [](const TConfiguration& c) { return c.window.infoFormPlacement; };
  ExpectReads<TRect>({
      {keys::kInfoFormSize, "0,10,300,400", placement, std::nullopt},
      {keys::kInfoFormSize, "def", placement, std::nullopt},
      {keys::kInfoFormSize, "-5,10,300,400", placement, std::nullopt},
      {keys::kInfoFormSize, "10,20,300,400", placement, TRect{{10, 20, 300, 400}}},
      {keys::kInfoFormSize, "9,0", placement, TRect{{9, 0, 0, 0}}},
  });
}

TEST(ConfigurationRead, SkyFontNamesAreCutTo31Characters) {
  const std::string longName(40, 'n');
  EXPECT_EQ(ReadOne(keys::kNormalText, longName).sky.normalFont, std::string(31, 'n'));
  EXPECT_EQ(ReadOne(keys::kGreekText, longName).sky.greekFont, std::string(31, 'n'));
  EXPECT_EQ(ReadOne(keys::kGreekText, std::string(31, 'g')).sky.greekFont, std::string(31, 'g'));
}

TEST(ConfigurationRead, LabelFontSizesTakeTheIntegerTheTextStartsWith) {
  const auto quick = [](const TConfiguration& c) { return c.sky.quick.labelFontSize; };
  const auto detailed = [](const TConfiguration& c) { return c.sky.detailed.labelFontSize; };
  ExpectReads<double>({
      {keys::kRFontSize, "8", quick, 8.0},
      {keys::kRFontSize, "7.6", quick, 7.0},
      {keys::kRFontSize, "9,3", quick, 9.0},
      {keys::kRFontSize, "x", quick, 0.0},
      {keys::kDRFontSize, " 5", detailed, 5.0},
  });
}

TEST(ConfigurationRead, DeltaTIsAutomaticOrAFixedNumberOfSeconds) {
  using TSeconds = std::optional<double>;
  const auto deltaT = [](const TConfiguration& c) { return c.sky.deltaTSeconds; };
  ExpectReads<TSeconds>({
      {keys::kEtUt, "AUTO", deltaT, std::nullopt},
      {keys::kEtUt, "auto", deltaT, std::nullopt},
      {keys::kEtUt, "69.2", deltaT, TSeconds{69.2}},
      {keys::kEtUt, "-12", deltaT, TSeconds{-12.0}},
      {keys::kEtUt, "x", deltaT, TSeconds{0.0}},
  });
}

TEST(ConfigurationRead, FixedTimeZonesKeepMinus12ToPlus14Hours) {
  using THours = std::optional<double>;
  const auto zone = [](const TConfiguration& c) { return c.location.timeZoneHours; };
  ExpectReads<THours>({
      {keys::kTimeZone, "AUTO", zone, std::nullopt},
      {keys::kTimeZone, "13", zone, THours{13.0}},
      {keys::kTimeZone, "14", zone, THours{14.0}},
      {keys::kTimeZone, "-12", zone, THours{-12.0}},
      {keys::kTimeZone, "20", zone, THours{14.0}},
      {keys::kTimeZone, "-13", zone, THours{-12.0}},
      {keys::kTimeZone, "5.75", zone, THours{5.75}},
      {keys::kTimeZone, "5.8", zone, THours{5.8}},
  });
}

TEST(ConfigurationRead, ATimeStepThatIsNotPositiveReadsAsFiveMinutes) {
  const auto step = [](const TConfiguration& c) { return c.sky.autoRotation.timeStepDays; };
  ExpectReads<double>({
      {keys::kRotTime, "0", step, kDefaultTimeStepDays},
      {keys::kRotTime, "-1", step, kDefaultTimeStepDays},
      {keys::kRotTime, "x", step, kDefaultTimeStepDays},
      {keys::kRotTime, "", step, kDefaultTimeStepDays},
      {keys::kRotTime, "0.5", step, 0.5},
  });
}

}  // namespace
