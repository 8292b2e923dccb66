#include "SkyTools.h"

#include <gtest/gtest.h>

namespace velarion::ui {
namespace {

TEST(SkyTools, SelectionIsTheStartingToolAndToolsExcludeEachOther) {
  TSkyTools tools;
  EXPECT_EQ(tools.Current(), TSkyTool::kSelection);
  for (const TSkyTool t :
       {TSkyTool::kZoom, TSkyTool::kRegionZoom, TSkyTool::kRotation, TSkyTool::kAngle}) {
    EXPECT_TRUE(tools.Select(t));
    EXPECT_EQ(tools.Current(), t);
  }
}

TEST(SkyTools, RotationToolUnavailableInTheDetailedViewAndDuringAutoRotation) {
  TSkyTools tools;
  ASSERT_TRUE(tools.Select(TSkyTool::kRotation));
  tools.SetDetailedView(true);  // above 600 percent
  EXPECT_EQ(tools.Current(), TSkyTool::kSelection);
  EXPECT_FALSE(tools.Available(TSkyTool::kRotation));
  EXPECT_FALSE(tools.Select(TSkyTool::kRotation));
  tools.SetDetailedView(false);
  EXPECT_TRUE(tools.Available(TSkyTool::kRotation));
  tools.SetAutoRotating(true);
  EXPECT_FALSE(tools.Select(TSkyTool::kRotation));
}

TEST(SkyTools, AutoRotationReleasesEveryToolButZoom) {
  const struct {
    TSkyTool before;
    TSkyTool during;
  } cases[] = {{TSkyTool::kZoom, TSkyTool::kZoom},
               {TSkyTool::kSelection, TSkyTool::kNone},
               {TSkyTool::kAngle, TSkyTool::kNone},
               {TSkyTool::kRegionZoom, TSkyTool::kNone},
               {TSkyTool::kRotation, TSkyTool::kNone}};
  for (const auto& c : cases) {
    TSkyTools tools;
    ASSERT_TRUE(tools.Select(c.before));
    tools.SetAutoRotating(true);
    EXPECT_EQ(tools.Current(), c.during);
    for (const TSkyTool t : {TSkyTool::kRegionZoom, TSkyTool::kSelection, TSkyTool::kAngle}) {
      EXPECT_FALSE(tools.Available(t));
    }
    EXPECT_TRUE(tools.Available(TSkyTool::kZoom));
    tools.SetAutoRotating(false);
    EXPECT_EQ(tools.Current(), TSkyTool::kSelection);
  }
}

TEST(SkyTools, CommandsDuringAutoRotation) {
  EXPECT_EQ(CommandStates(false, true), (TCommandStates{true, true, true}));
  EXPECT_EQ(CommandStates(true, true), (TCommandStates{false, false, false}));
  EXPECT_EQ(CommandStates(false, false), (TCommandStates{true, false, true}));
}

}  // namespace
}  // namespace velarion::ui
