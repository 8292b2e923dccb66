// Loading groups into the main list: log lines, replacement by code, failures, cancelling.
#include "GroupLoader.h"
#include "PluginVer20.h"
#include "StdGroup.h"
#include "TestHost.h"

#include "Cp1251.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>

namespace {

using namespace velarion::groups;
namespace fs = std::filesystem;

struct TSegment {
  std::string text;
  uint32_t colour;
  bool operator==(const TSegment&) const = default;
};
using TLine = std::vector<TSegment>;

class TRecordingLog final : public TLoadLog {
 public:
  void BeginLine(std::string_view text) override { lines.push_back({{std::string(text), 0}}); }
  void AppendSegment(std::string_view text, uint32_t colour) override {
    lines.back().push_back({std::string(text), colour});
  }
  void Beep() override { ++beeps; }
  std::vector<TLine> lines;
  int beeps = 0;
};

class TBuiltIn : public velarion::kit::TObjectGroup {
 public:
  TBuiltIn(const char* code, const char* name, bool loads)
      : code_(code), name_(name), loads_(loads) {}
  void Init() override {
    Code = code_;
    Name = name_;
  }
  bool InitResources(velarion::kit::TWindowHandle owner) override {
    return loads_ && TObjectGroup::InitResources(owner);
  }

 private:
  const char* code_;
  const char* name_;
  bool loads_;
};

std::unique_ptr<TSkyObjectGroup> BuiltIn(const char* code, const char* name, bool loads) {
  return std::make_unique<TStdGroup>(velarion::kit::MakeGroup<TBuiltIn>(code, name, loads));
}

// A Plugins folder with copies of test plug-ins, removed at the end.
class GroupLoader : public testing::Test {
 protected:
  void SetUp() override {
    veltest::SetHostVersion("5.72 R");
    folder_ = fs::temp_directory_path() / ("velarion-loader-" + std::to_string(::getpid()));
    fs::create_directories(folder_ / "more");
    fs::copy_file(veltest::TestPlugin("sample20"), folder_ / "a-sample20.so");
    fs::copy_file(veltest::TestPlugin("neither"), folder_ / "b-neither.so");
    fs::copy_file(veltest::TestPlugin("sample10"), folder_ / "more" / "sample10.so");
  }
  void TearDown() override { fs::remove_all(folder_); }

  fs::path folder_;
  TGroupList list_;
  TRecordingLog log_;
};

const std::string kReplace = velplatform::Cp1251("Замена...");
const std::string kError = velplatform::Cp1251("Ошибка");

TEST_F(GroupLoader, PluginReplacesTheGroupOfItsCodeAndLibrariesThatAreNoGroupAreSkipped) {
  TGroupLoader loader(list_, log_, false);
  loader.LoadGroup(BuiltIn("SMP20", "Built-in", true));
  loader.LoadGroup(BuiltIn("HORIZ", "Horizon", true));
  const std::atomic<bool> terminated{false};
  loader.ScanPluginFolder(folder_.string(), terminated);

  ASSERT_EQ(list_.Count(), 3);
  EXPECT_EQ(list_.Element(0).Group()->Code, "HORIZ");
  EXPECT_NE(dynamic_cast<TPluginVer20*>(list_.Element(1).Group()), nullptr);  // replaced, appended
  EXPECT_EQ(list_.Element(1).Group()->Code, "SMP20");
  EXPECT_EQ(list_.Element(2).Group()->Code, "SMP10");  // from the subfolder, after the folder
  for (int32_t i = 0; i < list_.Count(); ++i) {
    EXPECT_FALSE(list_.Element(i).VisibleInQuickView());
    EXPECT_FALSE(list_.Element(i).VisibleInDetailedView());
  }

  ASSERT_EQ(log_.lines.size(), 4U);  // the library that is no group gives no line
  EXPECT_EQ(log_.lines[0], (TLine{{"Built-in...", kLogNameColour}, {"OK", kLogOkColour}}));
  const std::string pluginName = list_.Element(1).Group()->Name + "...";
  EXPECT_EQ(
      log_.lines[2],
      (TLine{{pluginName, kLogNameColour}, {kReplace, kLogReplaceColour}, {"OK", kLogOkColour}}));
  EXPECT_EQ(log_.beeps, 0);
}

TEST_F(GroupLoader, GroupWithoutResourcesIsLeftOutWithABeep) {
  TGroupLoader loader(list_, log_, false);
  loader.LoadGroup(BuiltIn("STARS", "Stars", false));
  loader.LoadGroup(nullptr);
  EXPECT_EQ(list_.Count(), 0);
  ASSERT_EQ(log_.lines.size(), 1U);
  EXPECT_EQ(log_.lines[0], (TLine{{"Stars...", kLogNameColour}, {kError, kLogErrorColour}}));
  EXPECT_EQ(log_.beeps, 1);
}

TEST_F(GroupLoader, CancelledScanLoadsNoFurtherLibrary) {
  TGroupLoader loader(list_, log_, false);
  const std::atomic<bool> terminated{true};
  loader.ScanPluginFolder(folder_.string(), terminated);
  EXPECT_EQ(list_.Count(), 0);
  EXPECT_TRUE(log_.lines.empty());
}

}  // namespace
