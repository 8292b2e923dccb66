// The text of a state file: every part survives writing and reading, the documented
// layout is what is written, and a damaged text is refused with its line.
#include "StateFileFormat.h"

#include "Cp1251.h"

#include <gtest/gtest.h>

namespace {

using namespace velarion::ui;

// Values that the written decimals hold exactly.
TStateFile EveryPart() {
  TStateFile state;
  state.location = TStateLocation{-122.419416, 37.774929, -8.0};
  state.mjdUt = 61384.812500125;
  state.skyPoint = TStateSkyPoint{2400, 123.456789, true, -0.25, 0.5};
  TStateGroupVisibility visibility;
  visibility.switches = {true, false, true, true, false, true, false, true};
  visibility.groups = {{"SUN", true, false}, {"BSC5P", true, true}, {"NGC", false, true}};
  state.groupVisibility = visibility;
  state.imageParams = TStateImageParams{{450, 120, 6.25, 12}, {1200, -50, 8.5, 20}};
  state.selection = std::vector<TStateObject>{{"BSC5P", 2061}, {"PLAN", 3}};
  state.tracking = true;
  state.autoRotation = TAutoRotation{0.041666666667, 5, false, true};
  state.autoRotationStart = true;
  state.autoRotationStopMjdUt = 61390.5;
  return state;
}

TStateFile Parsed(std::string_view text) {
  auto result = ParseStateFile(text);
  if (const auto* error = std::get_if<TStateFileError>(&result)) {
    ADD_FAILURE() << "line " << error->line << ": " << velplatform::Cp1251ToUtf8(error->what);
    return {};
  }
  return std::get<TStateFile>(result);
}

TEST(StateFileFormat, EveryPartReadsBackAsWritten) {
  EXPECT_EQ(Parsed(FormatStateFile(EveryPart())), EveryPart());
  EXPECT_EQ(Parsed(FormatStateFile(TStateFile{})), TStateFile{});
  TStateFile noGroups;
  noGroups.groupVisibility.emplace();
  noGroups.selection.emplace();  // an empty selection writes no line and so reads as none
  TStateFile expected = noGroups;
  expected.selection.reset();
  EXPECT_EQ(Parsed(FormatStateFile(noGroups)), expected);
}

TEST(StateFileFormat, LinesAreWrittenWithTheirDecimalsInTheDocumentedOrder) {
  EXPECT_EQ(FormatStateFile(EveryPart()),
            "Velarion state file\n"
            "Location=-122.419416,37.774929,-8.0\n"
            "Time=61384.812500125\n"
            "SkyPoint=2400,123.456789,1,-0.250000,0.500000\n"
            "GroupVis=1,0,1,1,0,1,0,1,3\n"
            "SUN=1,0\n"
            "BSC5P=1,1\n"
            "NGC=0,1\n"
            "ImageParams=450,120,6.25,12,1200,-50,8.50,20\n"
            "SelObj=BSC5P,2061\n"
            "SelObj=PLAN,3\n"
            "ObjLock=1\n"
            "AutoRParams=0,1,5,0.041666666667\n"
            "AutoRStart=1\n"
            "AutoRStop=61390.500000000\n");
}

TEST(StateFileFormat, ReadsWhatOtherWritersLeave) {
  // Written on another system: CR LF line ends, a key of a later version, a comment line
  // without "=", and a group list cut short by the end of the file.
  const TStateFile read = Parsed(
      "Velarion state file\r\n"
      "Time=60000.5\r\n"
      "Comment=made by hand\r\n"
      "no key on this line\r\n"
      "SkyPoint=300,10,0,0.1,-0.2\r\n"
      "AutoRParams=1,0,9,-0.5\r\n"
      "GroupVis=1,1,1,1,1,1,1,1,5\r\n"
      "BSC5P=0,1\r\n"
      "SUN=1,1");
  ASSERT_TRUE(read.mjdUt);
  EXPECT_EQ(*read.mjdUt, 60000.5);
  EXPECT_EQ(read.skyPoint, (TStateSkyPoint{300, 10.0, false, 0.1, -0.2}));
  ASSERT_TRUE(read.groupVisibility);
  EXPECT_EQ(read.groupVisibility->groups,
            (std::vector<TStateGroupModes>{{"BSC5P", false, true}, {"SUN", true, true}}));
  // The interval code is kept to 1 … 6 and the step is taken without its sign.
  EXPECT_EQ(read.autoRotation, (TAutoRotation{0.5, 6, true, false}));
  // A header alone changes nothing.
  EXPECT_EQ(Parsed("Velarion state file\n"), TStateFile{});
  EXPECT_EQ(Parsed("Velarion state file"), TStateFile{});
}

TEST(StateFileFormat, GroupLinesAreTakenOnlyAsManyAsCounted) {
  const TStateFile read =
      Parsed("Velarion state file\nGroupVis=1,1,1,1,1,1,1,1,1\nSUN=1,0\nSelObj=PLAN,2\n");
  ASSERT_TRUE(read.groupVisibility);
  EXPECT_EQ(read.groupVisibility->groups.size(), 1U);
  EXPECT_EQ(read.selection, (std::vector<TStateObject>{{"PLAN", 2}}));
}

struct TDamage {
  const char* name;
  const char* text;
  int32_t line;
};

class StateFileDamage : public testing::TestWithParam<TDamage> {};

TEST_P(StateFileDamage, IsRefusedWithItsLine) {
  const auto result = ParseStateFile(GetParam().text);
  ASSERT_TRUE(std::holds_alternative<TStateFileError>(result));
  const TStateFileError& error = std::get<TStateFileError>(result);
  EXPECT_EQ(error.line, GetParam().line);
  EXPECT_FALSE(error.what.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, StateFileDamage,
    testing::Values(
        TDamage{"Empty", "", 1}, TDamage{"OtherHeader", "Velarion state\nTime=1\n", 1},
        TDamage{"HeaderWithBlank", "Velarion state file \nTime=1\n", 1},
        TDamage{"LowerCaseHeader", "velarion state file\n", 1},
        TDamage{"NegativeGroupCount", "Velarion state file\nGroupVis=1,1,1,1,1,1,1,1,-1\n", 2},
        TDamage{"GroupCountNotWhole", "Velarion state file\nGroupVis=1,1,1,1,1,1,1,1,2.5\n", 2},
        TDamage{"GroupLineWithoutModes", "Velarion state file\nGroupVis=1,1,1,1,1,1,1,1,2\nSUN\n",
                3},
        TDamage{"GroupModeNotAFlag",
                "Velarion state file\nGroupVis=1,1,1,1,1,1,1,1,2\nSUN=1,0\nPLAN=1,2\n", 4},
        TDamage{"TooFewValues", "Velarion state file\r\nTime=1\r\nLocation=37.6,55.7\r\n", 3},
        TDamage{"TooManyValues", "Velarion state file\nObjLock=1,1\n", 2},
        TDamage{"NotANumber", "Velarion state file\nTime=tomorrow\n", 2},
        TDamage{"NotFinite", "Velarion state file\nTime=nan\n", 2},
        TDamage{"ZoomNotWhole", "Velarion state file\nSkyPoint=1.5,0,0,0,0\n", 2},
        TDamage{"ZoomBeyondInt", "Velarion state file\nSkyPoint=99999999999,0,0,0,0\n", 2},
        TDamage{"IndexNotWhole", "Velarion state file\nSelObj=PLAN,x\n", 2},
        TDamage{"FlagOtherThan01", "Velarion state file\nAutoRStart=2\n", 2}),
    [](const testing::TestParamInfo<TDamage>& info) { return std::string(info.param.name); });

}  // namespace
