// A view saved to a state file and loaded into another view: every saved field restored,
// groups and objects the other view lacks passed over.
#include "StateFileFormat.h"
#include "StateOfView.h"

#include "ProjectionExports.h"
#include "SkyTestGroups.h"

#include <gtest/gtest.h>

namespace {

using namespace velarion::ui;
using velarion::sky::TSkyImage;
namespace vis = velarion::sky::visibility;
using veltest::AddShown;
using veltest::TDotGroup;

constexpr TStateParts kEveryPart = {true, true, true, true, true, true, true};

TStateFile ThroughText(const TStateFile& state) {
  return std::get<TStateFile>(ParseStateFile(FormatStateFile(state)));
}

// A view with three groups of dots (2, 3 and 1 objects) and a clock in zone +3.
class TTestView {
 public:
  TTestView() {
    image.SetGroupLists(&groups, nullptr);
    image.SetViewRect(400, 300, 0, 0, false, false);
    for (const char* code : {"A", "B", "C"}) {
      const auto count = code[0] == 'A' ? 2 : code[0] == 'B' ? 3 : 1;
      AddShown<TDotGroup>(groups, code, std::vector<velplatform::TPoint>(count, {10, 10}),
                          0xFFFFFF);
    }
  }
  TStateView View() { return {image, rotation, groups}; }
  velarion::groups::TSkyObjectGroup* Group(int32_t i) { return groups.Element(i).Group(); }

  velarion::groups::TGroupList groups;  // outlives the image, which refers to it
  TSkyImage image{velarion::sky::TScreenMetrics{96, 96, 597, 16},
                  velarion::sky::TClockSource{[] { return 61000.25; }, [] { return 3.0; }}};
  TAutoRotation rotation;
};

class StateOfView : public testing::Test {
 protected:
  void SetUp() override { velarion::sky::InitProjectionTables(); }
  void TearDown() override { velarion::sky::FreeProjectionTables(); }
};

TEST_F(StateOfView, ALoadedStateRestoresEverySavedField) {
  TTestView saved;
  TSkyImage& image = saved.image;
  image.SetTimeZoneAutomatic(false);
  image.SetTimeZone(-5.0);
  image.SetLongitude(-78.47);
  image.SetLatitude(-0.18);
  image.SetMjd(62504.0833333);
  image.UpdateLayout(250);
  image.SetViewRotation(45.5);
  image.SetMirror(true);
  image.SetObjectVisible(vis::kStars, false);
  image.SetObjectVisible(vis::kFigures, true);
  image.SetObjectVisible(vis::kDeepSky, true);
  velarion::sky::TGridSettings grid = image.GridSettings();
  grid.azimuthGrid = 0;
  image.SetGridSettings(grid);
  saved.groups.Element(1).SetVisibleInQuickView(false);
  image.SetStarLimit(420);
  image.SetLabelLimit(150);
  image.SetLabelFontSize(5.25);
  image.SetStarSizes(9);
  image.SetDetailedStarLimit(1100);
  image.SetDetailedLabelLimit(300);
  image.SetDetailedLabelFontSize(3.5);
  image.SetDetailedStarSizes(21);
  image.SelectSkyObject(saved.Group(1), 3);
  image.AddSelectedObject(saved.Group(0), 1);
  saved.rotation = {0.5, 4, false, true};
  TStateCapture capture{kEveryPart, 200.0, 150.0, true, true, 62510.25};

  TTestView loaded;
  const TStateFollowUp followUp =
      ApplyState(ThroughText(CaptureState(saved.View(), capture)), loaded.View());

  const TSkyImage& restored = loaded.image;
  EXPECT_FALSE(restored.TimeZoneAutomatic());
  EXPECT_DOUBLE_EQ(restored.TimeZone(), -5.0);
  EXPECT_NEAR(restored.Longitude(), -78.47, 1e-9);
  EXPECT_NEAR(restored.Latitude(), -0.18, 1e-9);
  EXPECT_NEAR(restored.Mjd(), 62504.0833333, 1e-9);
  EXPECT_NEAR(restored.ViewRotation(), 45.5, 1e-9);
  EXPECT_TRUE(restored.Mirror());
  ASSERT_TRUE(followUp.skyPoint);
  EXPECT_EQ(followUp.skyPoint->zoom, 250);
  // The middle (200, 150) relative to the disc centre, in radii.
  EXPECT_NEAR(followUp.skyPoint->x, (200.0 - image.CentreX()) / image.Radius(), 1e-6);
  EXPECT_NEAR(followUp.skyPoint->y, (150.0 - image.CentreY()) / image.Radius(), 1e-6);
  for (const int position : {vis::kStars, vis::kBoundaries, vis::kNames, vis::kFigures,
                             vis::kDeepSky, vis::kSolarSystem}) {
    EXPECT_EQ(restored.ObjectVisible(position), image.ObjectVisible(position)) << position;
  }
  EXPECT_EQ(restored.GridSettings().azimuthGrid, 0);
  EXPECT_EQ(restored.GridSettings().equatorialGrid, 1);
  EXPECT_FALSE(loaded.groups.Element(1).VisibleInQuickView());
  EXPECT_TRUE(loaded.groups.Element(1).VisibleInDetailedView());
  EXPECT_TRUE(loaded.groups.Element(0).VisibleInQuickView());
  for (const bool detailed : {false, true}) {
    EXPECT_EQ(restored.StarLimit(detailed), image.StarLimit(detailed));
    EXPECT_EQ(restored.LabelLimit(detailed), image.LabelLimit(detailed));
    EXPECT_EQ(restored.LabelFontSize(detailed), image.LabelFontSize(detailed));
    EXPECT_EQ(restored.StarSizes(detailed), image.StarSizes(detailed));
  }
  EXPECT_EQ(restored.Selection(), (std::vector<velarion::sky::TSelectedObject>{
                                      {loaded.Group(1), 3}, {loaded.Group(0), 1}}));
  EXPECT_TRUE(followUp.showSelection);
  EXPECT_EQ(followUp.tracking, true);
  EXPECT_EQ(loaded.rotation, saved.rotation);
  EXPECT_TRUE(followUp.startAutoRotation);
  EXPECT_EQ(followUp.autoRotationStopMjdUt, 62510.25);
}

TEST_F(StateOfView, OnlyTheChosenPartsAreSaved) {
  TTestView view;
  TStateCapture capture;
  capture.parts = {false, true, true, false, false, false, false};  // the default choice
  const TStateFile state = CaptureState(view.View(), capture);
  EXPECT_TRUE(state.mjdUt && state.skyPoint);
  EXPECT_FALSE(state.location || state.groupVisibility || state.imageParams || state.selection ||
               state.tracking || state.autoRotation || state.autoRotationStart ||
               state.autoRotationStopMjdUt);
}

TEST_F(StateOfView, ObjectsAndGroupsTheViewLacksArePassedOver) {
  TTestView view;
  view.image.SelectSkyObject(view.Group(2), 1);
  TStateFile state;
  // Group A has 2 objects, B 3, C 1.
  state.selection = std::vector<TStateObject>{{"A", 2}, {"A", 3}, {"B", 0}, {"B", -1},
                                              {"C", 1}, {"Z", 1}, {"B", 3}, {"C", 2147483647}};
  state.groupVisibility = TStateGroupVisibility{{}, {{"Z", false, false}, {"C", false, true}}};
  ApplyState(state, view.View());
  EXPECT_EQ(view.image.Selection(),
            (std::vector<velarion::sky::TSelectedObject>{
                {view.Group(0), 2}, {view.Group(2), 1}, {view.Group(1), 3}}));
  EXPECT_FALSE(view.groups.Element(2).VisibleInQuickView());
  EXPECT_TRUE(view.groups.Element(0).VisibleInQuickView());
}

TEST_F(StateOfView, TheZoneIsFixedOnlyWhenItDiffersFromTheCurrentOne) {
  TTestView view;  // automatic zone: the clock's +3
  TStateFile state;
  state.location = TStateLocation{37.6, 55.7, 3.0};
  ApplyState(state, view.View());
  EXPECT_TRUE(view.image.TimeZoneAutomatic());
  state.location->timeZoneHours = 4.0;
  ApplyState(state, view.View());
  EXPECT_FALSE(view.image.TimeZoneAutomatic());
  EXPECT_EQ(view.image.TimeZone(), 4.0);
}

TEST_F(StateOfView, AnEmptyStateAsksForNothing) {
  TTestView view;
  const double mjd = view.image.Mjd();
  const TStateFollowUp followUp = ApplyState(TStateFile{}, view.View());
  EXPECT_FALSE(followUp.anythingApplied || followUp.skyPoint || followUp.showSelection ||
               followUp.startAutoRotation || followUp.tracking);
  EXPECT_EQ(view.image.Mjd(), mjd);
}

}  // namespace
