// The group list: visibility limited by what a group can show, the saved order, the
// per-element redraw steps and the exports that read another group's data.
#include "GroupListExports.h"
#include "SkyObj.h"
#include "StdGroup.h"

#include "AtomicFile.h"
#include "IniFile.h"
#include "ProjectionExports.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>

namespace {

using namespace velarion::groups;
using namespace velarion::kit;

class TTestGroup : public TObjectGroup {
 public:
  TTestGroup(const char* code, bool detailed, int32_t ownRecord = 0)
      : code_(code), detailed_(detailed), ownRecord_(ownRecord) {}
  void Init() override {
    Code = code_;
    ShowInDetailedView = detailed_;
    ObjectCount = 5;
    EpochKind = 1;
  }
  int32_t GetObjectData(int32_t, std::span<std::byte> buffer) override {
    return static_cast<int32_t>(buffer.size()) >= ownRecord_ ? ownRecord_ : 0;
  }
  bool GetFObjectData(int32_t n, TCommonObject& o) override {
    o.name = "common";
    return n == 1;
  }
  void CalculateObjects(const TVisibleObjectReport& report) override {
    seenRect = ViewRect;
    seenWindow = RaDecWindow;
    for (int32_t n : {3, 4, 5, 9, 10}) report(n);
  }
  TViewRect seenRect;
  TRaDecWindow seenWindow;

 private:
  const char* code_;
  bool detailed_;
  int32_t ownRecord_;
};

TGroupListElement& AddGroup(TGroupList& list, const char* code, bool detailed = true,
                            int32_t ownRecord = 0) {
  TGroupListElement& e = list.AddNewGroup(true);
  e.SetGroup(std::make_unique<TStdGroup>(MakeGroup<TTestGroup>(code, detailed, ownRecord)));
  return e;
}

std::vector<std::string> Codes(const TGroupList& list) {
  std::vector<std::string> codes;
  for (int32_t i = 0; i < list.Count(); ++i) codes.push_back(list.Element(i).Group()->Code);
  return codes;
}

class IniFolder : public testing::Test {
 protected:
  void SetUp() override {
    path_ = (std::filesystem::temp_directory_path() /
             ("velorder-" + std::to_string(::getpid()) + ".ini"))
                .string();
  }
  void TearDown() override { std::filesystem::remove(path_); }
  void Write(const std::string& text) {
    ASSERT_TRUE(velplatform::WriteFileAtomically(path_, text));
  }
  std::string path_;
};

TEST(GroupListElement, VisibilityIsLimitedByWhatTheGroupCanShow) {
  TGroupList list;
  TGroupListElement& e = list.AddNewGroup(true);
  e.SetVisibleInDetailedView(true);  // no group yet: nothing kept
  EXPECT_FALSE(e.VisibleInDetailedView());
  e.SetGroup(std::make_unique<TStdGroup>(MakeGroup<TTestGroup>("QONLY", false)));
  e.SetVisibleInQuickView(true);
  e.SetVisibleInDetailedView(true);
  EXPECT_TRUE(e.VisibleInQuickView());
  EXPECT_FALSE(e.VisibleInDetailedView());
  EXPECT_TRUE(e.VisibleInMode(0));
  EXPECT_FALSE(e.VisibleInMode(1));
}

TEST_F(IniFolder, OrderIsRestoredByPositionWithSavedVisibility) {
  TGroupList list;
  for (const char* code : {"A", "B", "C", "D", "QONLY"})
    AddGroup(list, code, std::string(code) != "QONLY");
  Write("[GroupOrder]\r\nA=2,1,1\r\nB=1,0,1\r\nC=2,1,0\r\nX=0,1,1\r\nQONLY=x,1,1\r\n");
  EXPECT_EQ(list.RestoreOrderFromIniFile(path_), 4);
  // QONLY's position is not a number: 0, first; X names no group; D has no key.
  EXPECT_EQ(Codes(list), (std::vector<std::string>{"QONLY", "B", "A", "C", "D"}));
  EXPECT_TRUE(list.Element(0).VisibleInQuickView());
  EXPECT_FALSE(list.Element(0).VisibleInDetailedView());  // it cannot be shown there
  EXPECT_TRUE(list.Element(1).VisibleInDetailedView());
  EXPECT_FALSE(list.Element(4).VisibleInQuickView());
}

TEST_F(IniFolder, SavedOrderReadsBackAndAMissingFileChangesNothing) {
  TGroupList list;
  AddGroup(list, "SUN");
  AddGroup(list, "HORIZ");
  AddGroup(list, "MOON").SetVisibleInQuickView(true);
  EXPECT_EQ(list.RestoreOrderFromIniFile(path_ + ".missing"), 0);
  ASSERT_TRUE(list.SaveOrderToIniFile(path_));
  EXPECT_EQ(velplatform::TIniFile(path_).Read("GroupOrder", "MOON"), "3,1,0");
  list.Exchange(0, 2);
  EXPECT_EQ(list.RestoreOrderFromIniFile(path_), 3);
  EXPECT_EQ(Codes(list), (std::vector<std::string>{"SUN", "HORIZ", "MOON"}));
}

class ElementRedraw : public testing::Test {
 protected:
  void SetUp() override {
    velarion::sky::InitProjectionTables();
    velarion::sky::TProjectionSetup setup;
    setup.centreX = 400;
    setup.centreY = 300;
    setup.radius = 250;
    setup.quick = true;
    setup.latitudeDeg = 50.0;
    velarion::sky::SetProjection(setup);
    view_.centreX = 400;
    view_.centreY = 300;
    view_.radius = 250;
    view_.yScale = 1.1;
    view_.latitude = 50.0;
    record_ = WriteRefreshParam(view_);
  }
  void TearDown() override { velarion::sky::FreeProjectionTables(); }
  TViewParameters view_;
  TRefreshParamBytes record_{};
  const TObjectRect visible_{0, 0, 800, 600};
};

TEST_F(ElementRedraw, QuickViewCalculatesTheWholeDiscAndDrawsTheRuns) {
  TGroupList list;
  TGroupListElement& e = AddGroup(list, "G");
  auto& group = static_cast<TTestGroup&>(static_cast<TStdGroup*>(e.Group())->Group());
  CalculateElement(e, 0, visible_, false, record_);
  EXPECT_TRUE(e.Group()->RunList.Empty());  // hidden in the quick view: not calculated
  e.SetVisibleInQuickView(true);
  CalculateElement(e, 0, visible_, false, record_);
  EXPECT_EQ(e.Group()->RunList.Runs(), (std::vector<TObjectRange>{{3, 5}, {9, 10}}));
  EXPECT_EQ(group.seenRect.left, 150);
  EXPECT_EQ(group.seenRect.right, 650);
  EXPECT_EQ(group.seenRect.top, 300 - 275);
  EXPECT_EQ(group.seenRect.bottom, 300 + 275);
  EXPECT_EQ(group.seenWindow.decMin, -40.0);
  EXPECT_EQ(group.seenWindow.raMax, 360.0);
  EXPECT_EQ(group.View.radius, 250);  // the view record reached the group
}

TEST_F(ElementRedraw, CapabilityOnlyCalculatesAHiddenGroup) {
  TGroupList list;
  TGroupListElement& e = AddGroup(list, "G");
  CalculateElement(e, 1, visible_, true, record_);
  EXPECT_FALSE(e.Group()->RunList.Empty());
  CalculateElement(e, 1, visible_, false, record_);
  EXPECT_TRUE(e.Group()->RunList.Empty());
}

TEST(GroupListExports, OwnRecordFirstThenTheCommonRecord) {
  TGroupList list;
  AddGroup(list, "BSC5P", true, 56);
  AddGroup(list, "DEEPS");
  SetMainGroupList(&list);
  std::vector<std::byte> buffer(200);
  EXPECT_EQ(GetAnotherGroupObject("BSC5P", 1, buffer.data(), 56), 56);
  EXPECT_EQ(GetAnotherGroupObject("DEEPS", 1, buffer.data(), 200), 189);
  EXPECT_TRUE(HasCommonObjectMagic(buffer));
  EXPECT_EQ(GetAnotherGroupObject("DEEPS", 1, buffer.data(), 188), 0);  // cannot hold it
  EXPECT_EQ(GetAnotherGroupObject("DEEPS", 2, buffer.data(), 200), 0);
  EXPECT_EQ(GetAnotherGroupObject("NONE", 1, buffer.data(), 200), 0);
  EXPECT_EQ(GetAnotherGroupObject("DEEPS", 1, nullptr, 200), 0);
  std::vector<std::byte> info(60, std::byte{7});
  EXPECT_FALSE(GetAnotherGroupInfo("NONE", info.data()));
  EXPECT_EQ(info[0], std::byte{7});
  EXPECT_TRUE(GetAnotherCatalogInfo("DEEPS", info.data()));
  EXPECT_EQ(ReadGroupInfo(info).code, "DEEPS");
  SetMainGroupList(nullptr);
}

TEST(GroupListExports, TheCacheFollowsChangesOfTheList) {
  TGroupList list;
  AddGroup(list, "A");
  SetMainGroupList(&list);
  std::vector<std::byte> info(60);
  ASSERT_TRUE(GetAnotherGroupInfo("A", info.data()));
  list.Delete(0);  // the cached group is gone
  AddGroup(list, "B");
  EXPECT_FALSE(GetAnotherGroupInfo("A", info.data()));
  EXPECT_TRUE(GetAnotherGroupInfo("B", info.data()));
  SetMainGroupList(nullptr);
}

}  // namespace
