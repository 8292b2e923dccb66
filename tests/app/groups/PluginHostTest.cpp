// Plug-in libraries found, probed, bound and driven through the host's adapters.
#include "PluginHost.h"
#include "PluginVer10.h"
#include "PluginVer20.h"
#include "TestHost.h"

#include "BoundaryRecords.h"
#include "Cp1251.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <vector>

namespace {

using namespace velarion::groups;
using veltest::TestPlugin;

// The recording device the test plug-ins draw on.
std::vector<std::pair<int32_t, int32_t>> gDrawn;
void RecordDrawing(int32_t event, int32_t number) { gDrawn.emplace_back(event, number); }
const auto kDevice = reinterpret_cast<velarion::kit::TDeviceHandle>(&RecordDrawing);
enum { kDrawn = 1, kDrawnAll = 2, kBegin = 3, kEnd = 4 };

class PluginHost : public testing::Test {
 protected:
  void SetUp() override {
    veltest::SetHostVersion("5.72 R");
    gDrawn.clear();
  }
  const TObjectRect rect_{0, 0, 640, 480};
  const TRaDecWindow window_{0, 360, -90, 90};
};

TEST_F(PluginHost, VersionIsProbedByTheIdentifyingExport) {
  struct TCase {
    const char* library;
    bool loads;
    const char* code;
    bool older;
  };
  const TCase cases[] = {{"sample20", true, "SMP20", false}, {"sample10", true, "SMP10", true},
                         {"bothsets", true, "BOTH1", true},  // both sets: version 1.0
                         {"neither", false, "", false},      {"missing20", false, "", false},
                         {"not-there", false, "", false}};
  for (const TCase& c : cases) {
    const auto group = LoadPlugin(TestPlugin(c.library));
    ASSERT_EQ(group != nullptr, c.loads) << c.library;
    if (!group) continue;
    EXPECT_EQ(group->Code, c.code);
    EXPECT_EQ(dynamic_cast<TPluginVer10*>(group.get()) != nullptr, c.older) << c.library;
  }
}

TEST_F(PluginHost, TextsFollowTheHostsEdition) {
  EXPECT_EQ(LoadPlugin(TestPlugin("sample20"))->Name, velplatform::Cp1251("Тест"));
  veltest::SetHostVersion("5.72 E");
  EXPECT_EQ(LoadPlugin(TestPlugin("sample20"))->Name, "Test");
  veltest::SetHostVersion("");  // no version text: English
  EXPECT_EQ(LoadPlugin(TestPlugin("sample20"))->Name, "Test");
}

TEST_F(PluginHost, Version20IsDrivenThroughItsExports) {
  const auto group = LoadPlugin(TestPlugin("sample20"));
  ASSERT_TRUE(group);
  EXPECT_TRUE(group->HasSearch && group->HasInfoItems && group->Selectable);
  EXPECT_EQ(group->EpochKind, 1);
  EXPECT_EQ(group->GetObjectCount(), 10);
  EXPECT_EQ(group->GetSearchCaption(), "sample");
  EXPECT_EQ(group->GetActionCaption(), "");
  EXPECT_TRUE(group->InitResources(0));
  EXPECT_TRUE(group->ResourcesReady);
  EXPECT_TRUE(group->GetGroupInfo().resourcesReady);

  group->CalculateObjects(0, rect_, window_);
  EXPECT_EQ(group->RunList.Runs(), (std::vector<TObjectRange>{{3, 5}, {9, 10}}));
  group->DrawObjects(kDevice, rect_);
  group->DrawObject(7, kDevice, rect_);
  EXPECT_EQ(gDrawn,
            (std::vector<std::pair<int32_t, int32_t>>{
                {kDrawn, 3}, {kDrawn, 4}, {kDrawn, 5}, {kDrawn, 9}, {kDrawn, 10}, {kDrawn, 7}}));

  const TTextList lines = group->GetObjectStrings(1);
  EXPECT_EQ(lines.count, 3);
  EXPECT_EQ(lines.text, std::string("alpha\0beta\0gamma\0", 17));
  EXPECT_EQ(group->GetInfoItems().text, std::string("first\0second\0", 13));
  EXPECT_EQ(group->GetObjectName(2), "object");
  TObjectRect r;
  ASSERT_TRUE(group->GetObjectRect(2, r));
  EXPECT_EQ(r, (TObjectRect{20, 20, 24, 24}));
  double ra = 0, dec = 0;
  EXPECT_TRUE(group->GetObjectRaDec(3, ra, dec));
  EXPECT_EQ(ra, 30.0);
  std::vector<std::byte> data(8);
  EXPECT_EQ(group->GetObjectData(1, data), 4);
  std::vector<std::byte> common(189);
  EXPECT_FALSE(group->GetFObjectData(2, std::span(common).first(188)));
  ASSERT_TRUE(group->GetFObjectData(2, common));
  EXPECT_TRUE(velarion::kit::HasCommonObjectMagic(common));
  EXPECT_EQ(velarion::kit::ReadCommonObject(common).name, "two");

  TSearchHit hit;
  ASSERT_TRUE(group->SelectObjectForSearch(0, hit));
  EXPECT_EQ(hit.code, "SMP20");
  EXPECT_EQ(hit.number, 5);
  EXPECT_EQ(hit.ra, 50.0);
  // Object 7 has no position: the search fails although an object was chosen.
  EXPECT_FALSE(group->SelectObjectForSearch(7, hit));
  group->FreeResources(0);
  EXPECT_FALSE(group->ResourcesReady);
}

TEST_F(PluginHost, OlderBaseAnswersNoCommonRecord) {
  const auto group = LoadPlugin(TestPlugin("older17"));
  ASSERT_TRUE(group);
  std::vector<std::byte> common(189);
  EXPECT_FALSE(group->GetFObjectData(1, common));
  EXPECT_FALSE(velarion::kit::HasCommonObjectMagic(common));
}

TEST_F(PluginHost, Version10DrawsAllAtOnceInTheQuickViewAndOneByOneInTheDetailedView) {
  const auto group = LoadPlugin(TestPlugin("sample10"));
  ASSERT_TRUE(group);
  group->CalculateObjects(0, rect_, window_);
  EXPECT_EQ(group->RunList.Runs(), (std::vector<TObjectRange>{{3, 5}, {9, 10}}));
  group->DrawObjects(kDevice, rect_);
  EXPECT_EQ(gDrawn,
            (std::vector<std::pair<int32_t, int32_t>>{
                {kDrawnAll, 3}, {kDrawnAll, 4}, {kDrawnAll, 5}, {kDrawnAll, 9}, {kDrawnAll, 10}}));
  gDrawn.clear();
  group->CalculateObjects(1, rect_, window_);
  group->DrawObjects(kDevice, rect_);
  EXPECT_EQ(gDrawn, (std::vector<std::pair<int32_t, int32_t>>{
                        {kBegin, 0}, {kDrawn, 2}, {kDrawn, 6}, {kDrawn, 7}, {kEnd, 0}}));
}

TEST_F(PluginHost, Version10AnswersThroughItsOwnExports) {
  const auto group = LoadPlugin(TestPlugin("sample10"));
  ASSERT_TRUE(group);
  EXPECT_EQ(group->GetObjectCount(), 10);
  EXPECT_EQ(group->GetSearchCaption(), "find10");
  EXPECT_EQ(group->GetActionCaption(), "act10");
  // Three lines written, two claimed: two kept.
  EXPECT_EQ(group->GetObjectStrings(1).text, std::string("a\0b\0", 4));
  EXPECT_EQ(group->GetInfoItems().count, 2);
  int32_t x = 0, y = 0;
  ASSERT_TRUE(group->GetObjectXY(3, x, y));
  EXPECT_EQ(x, 32);
  EXPECT_EQ(y, 23);
  double ra = 0, dec = 0;
  EXPECT_FALSE(group->GetObjectRaDec(3, ra, dec));
  TSearchHit hit;
  ASSERT_TRUE(group->SelectObjectForSearch(0, hit));
  EXPECT_EQ(hit.number, 4);
  EXPECT_EQ(hit.code, "SMP10");
  EXPECT_TRUE(group->EditOptions(0));
  EXPECT_TRUE(group->AdvancedAction(0));
  EXPECT_TRUE(group->AdvancedInfo(0, 2, 2));
  EXPECT_TRUE(group->InitResources(0));
}

TEST_F(PluginHost, EveryTestLibraryIsFoundAndTheRejectedOnesAreSkipped) {
  std::vector<std::string> loaded;
  for (const std::string& path : FindPluginLibraries(veltest::TestPluginFolder())) {
    if (const auto group = LoadPlugin(path)) loaded.push_back(group->Code);
  }
  EXPECT_EQ(loaded, (std::vector<std::string>{"BOTH1", "OLD17", "SMP10", "SMP20"}));
}

TEST(PluginDiscovery, SortedFolderFirstThenSubfoldersAndNoLoops) {
  namespace fs = std::filesystem;
  const fs::path root = fs::temp_directory_path() / ("velplugins-" + std::to_string(::getpid()));
  fs::create_directories(root / "a-sub" / "deeper");
  fs::create_directories(root / "b-sub");
  for (const char* name : {"zeta.so", "alpha.so", "readme.txt"})
    std::ofstream((root / name).string());
  std::ofstream((root / "a-sub" / "one.so").string());
  std::ofstream((root / "a-sub" / "deeper" / "two.so").string());
  std::ofstream((root / "b-sub" / "three.so").string());
  fs::create_directory_symlink(root, root / "b-sub" / "loop");
  const std::vector<std::string> found = FindPluginLibraries(root.string());
  const std::vector<std::string> expected = {
      (root / "alpha.so").string(), (root / "zeta.so").string(),
      (root / "a-sub" / "one.so").string(), (root / "a-sub" / "deeper" / "two.so").string(),
      (root / "b-sub" / "three.so").string()};
  EXPECT_EQ(found, expected);
  fs::remove_all(root);
  EXPECT_TRUE(FindPluginLibraries((root / "missing").string()).empty());
}

}  // namespace
