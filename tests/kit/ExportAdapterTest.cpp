// The eleven exports carried out on a group: the text copy rule, the object information
// kinds and their buffers, the search result, the view record and the callbacks.
#include "ExportAdapter.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

using namespace velarion::kit;

class TSampleGroup : public TObjectGroup {
 public:
  void Init() override {
    Code = "SMPL";
    ObjectCount = 10;
    SearchCaption = "";
    ActionCaption = "Act";
    InfoItems.Add("Rise/Set");
  }
  std::vector<std::string> lines = {"one", "two", "three"};
  std::string name = std::string(40, 'N');
  bool raDecWorks = true;
  int32_t found = 4;
  std::vector<int32_t> calculated;
  std::vector<int32_t> drawn;

  void GetObjectStrings(int32_t, TZStrings& out) override {
    for (const auto& l : lines) out.Add(l);
  }
  std::string GetObjectName(int32_t) override { return name; }
  bool GetObjectRect(int32_t n, TObjectRect& r) override {
    r = {n, n + 1, n + 2, n + 3};
    return true;
  }
  bool GetObjectRaDec(int32_t n, double& ra, double& dec) override {
    ra = n * 10.0;
    dec = -n;
    return raDecWorks;
  }
  bool GetObjectXY(int32_t n, int32_t& x, int32_t& y) override {
    x = n;
    y = -n;
    return true;
  }
  bool GetFObjectData(int32_t, TCommonObject& o) override {
    o.flags = kObjectName;
    o.name = "x";
    return true;
  }
  int32_t SelectObjectForSearch(TWindowHandle) override { return found; }
  void CalculateObjects(const TVisibleObjectReport& report) override {
    for (int32_t n : {3, 4, 9}) report(n);
  }
  void DrawObjects(const TNextObject& next) override {
    for (int32_t n = next(); n != -1; n = next()) drawn.push_back(n);
  }
};

class ExportAdapter : public testing::Test {
 protected:
  TGroupPtr owned = MakeGroup<TSampleGroup>();
  TSampleGroup& group = static_cast<TSampleGroup&>(*owned);
  TExportAdapter adapter{group};
};

TEST_F(ExportAdapter, TextCopyRule) {
  char buffer[31];
  std::memset(buffer, 'x', sizeof buffer);
  EXPECT_EQ(adapter.GetObjectInfo(1, kInfoName, buffer, 31), 31);  // 30 characters + 1
  EXPECT_EQ(std::string(buffer), std::string(30, 'N'));
  std::memset(buffer, 'x', sizeof buffer);
  EXPECT_EQ(adapter.GetGroupInfo(2, buffer, 31), 0);  // no search caption
  EXPECT_TRUE(std::all_of(buffer, buffer + 31, [](char c) { return c == 0; }));
  EXPECT_EQ(adapter.GetGroupInfo(3, buffer, 31), 4);
  EXPECT_STREQ(buffer, "Act");
  for (int32_t size : {0, -5}) {
    buffer[0] = 'x';
    EXPECT_EQ(adapter.GetObjectInfo(1, kInfoName, buffer, size), 0);
    EXPECT_EQ(buffer[0], 'x');
  }
  EXPECT_EQ(adapter.GetObjectInfo(1, kInfoName, nullptr, 31), 0);
  EXPECT_EQ(adapter.GetGroupInfo(4, buffer, 31), 1);
  EXPECT_STREQ(buffer, "Rise/Set");
  EXPECT_EQ(adapter.GetGroupInfo(1, nullptr, 0), 10);
  EXPECT_EQ(adapter.GetGroupInfo(9, buffer, 31), 0);
}

TEST_F(ExportAdapter, InformationLinesFitOrGiveOne) {
  char big[64];
  EXPECT_EQ(adapter.GetObjectInfo(1, kInfoStrings, big, sizeof big), 3);
  EXPECT_EQ(std::string(big, 14), std::string("one\0two\0three\0", 14));
  char small[8];
  EXPECT_EQ(adapter.GetObjectInfo(1, kInfoStrings, small, sizeof small), 1);
  EXPECT_EQ(std::string(small, 8), std::string("one\0two", 8));
  group.lines.clear();
  EXPECT_EQ(adapter.GetObjectInfo(1, kInfoStrings, big, sizeof big), 1);
  EXPECT_EQ(big[0], '\0');
}

TEST_F(ExportAdapter, FixedRecordsNeedTheirWholeBuffer) {
  std::byte b[16];
  std::memset(b, 0x55, sizeof b);
  EXPECT_EQ(adapter.GetObjectInfo(2, kInfoRect, b, 15), 0);
  EXPECT_EQ(b[0], std::byte{0x55});
  EXPECT_EQ(adapter.GetObjectInfo(2, kInfoRect, b, 16), 16);
  EXPECT_EQ(GetField<int32_t>(b, 12), 5);
  EXPECT_EQ(adapter.GetObjectInfo(2, kInfoRaDec, b, 8), 0);
  EXPECT_EQ(adapter.GetObjectInfo(2, kInfoRaDec, b, 16), 16);
  EXPECT_EQ(GetField<double>(b, 0), 20.0);
  EXPECT_EQ(adapter.GetObjectInfo(2, kInfoXY, b, 7), 0);
  EXPECT_EQ(adapter.GetObjectInfo(2, kInfoXY, b, 8), 8);
  EXPECT_EQ(GetField<int32_t>(b, 4), -2);
  std::vector<std::byte> common(189);
  EXPECT_EQ(adapter.GetObjectInfo(1, kInfoCommonObject, common.data(), 188), 0);
  EXPECT_EQ(adapter.GetObjectInfo(1, kInfoCommonObject, common.data(), 189), 1);
  EXPECT_EQ(ReadCommonObject(common).name, "x");
  EXPECT_FALSE(HasCommonObjectMagic(common));
  EXPECT_EQ(adapter.GetObjectInfo(1, 7, b, 16), 0);
}

TEST(ExportAdapterOlderBase, CommonObjectRequestsGiveNothing) {
  TGroupPtr group = MakeGroup<TObjectGroup17>();
  TExportAdapter adapter(*group);
  std::vector<std::byte> common(189);
  EXPECT_EQ(adapter.GetObjectInfo(1, kInfoCommonObject, common.data(), 189), 0);
}

TEST_F(ExportAdapter, SearchResults) {
  std::vector<std::byte> record(22, std::byte{0x11});
  EXPECT_EQ(adapter.SelectObjectForSearch(0, record.data()), 4);
  EXPECT_EQ(ReadSearchResult(record).code, "SMPL");
  EXPECT_EQ(ReadSearchResult(record).ra, 40.0);
  group.SearchGroupCode = "BSC5P";
  group.SearchRa = 1.5;
  group.SearchDec = 2.5;
  EXPECT_EQ(adapter.SelectObjectForSearch(0, record.data()), 4);
  EXPECT_EQ(ReadSearchResult(record).code, "BSC5P");
  EXPECT_EQ(ReadSearchResult(record).dec, 2.5);
  group.SearchGroupCode.clear();
  group.raDecWorks = false;
  std::vector<std::byte> untouched(22, std::byte{0x11});
  EXPECT_EQ(adapter.SelectObjectForSearch(0, untouched.data()), -1);
  EXPECT_EQ(untouched, std::vector<std::byte>(22, std::byte{0x11}));
  group.found = -1;
  EXPECT_EQ(adapter.SelectObjectForSearch(0, untouched.data()), -1);
}

TEST_F(ExportAdapter, ViewRecordAndResources) {
  TViewParameters v;
  v.radius = 321;
  v.colours[13] = 0x123456;
  const TRefreshParamBytes bytes = WriteRefreshParam(v);
  adapter.RefreshParam(bytes.data());
  EXPECT_EQ(group.View.radius, 321);
  EXPECT_EQ(group.View.colours[13], 0x123456u);
  EXPECT_TRUE(adapter.InitResources(0));
  EXPECT_TRUE(group.ResourcesReady);
  std::byte info[60];
  adapter.GetGroupInfo(0, info, 60);
  EXPECT_TRUE(ReadGroupInfo(info).resourcesReady);
  EXPECT_EQ(ReadGroupInfo(info).flags, kFlagHasInfoItems | kFlagSelectable | kFlagShowInQuickView |
                                           kFlagShowInDetailedView | kFlagHasAction);
  adapter.FreeResources(0);
  EXPECT_FALSE(group.ResourcesReady);
}

std::vector<int32_t> gReported;
int32_t gNextCalls = 0;

TEST_F(ExportAdapter, CalculationAndDrawingGoThroughTheCallbacks) {
  gReported.clear();
  adapter.CalculateObjects(0x101, 1, 2, 3, 4, 10, 20, -5, 5,
                           [](int32_t n) { gReported.push_back(n); });
  EXPECT_EQ(gReported, (std::vector<int32_t>{3, 4, 9}));
  EXPECT_EQ(group.ViewMode, 1);  // only the low byte counts
  EXPECT_EQ(group.ViewRect.right, 3);
  EXPECT_EQ(group.RaDecWindow.decMax, 5.0);
  gNextCalls = 0;
  const int32_t rect[4] = {5, 6, 7, 8};
  adapter.DrawObjects(42, rect, [](int32_t) { return ++gNextCalls <= 2 ? gNextCalls * 10 : -1; });
  EXPECT_EQ(group.drawn, (std::vector<int32_t>{10, 20}));
  EXPECT_EQ(group.DrawDevice, 42u);
  EXPECT_EQ(group.ViewRect.bottom, 8);
}

}  // namespace
