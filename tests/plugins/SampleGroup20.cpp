// A version 2.0 test plug-in: ten objects, visible 3, 4, 5, 9 and 10; object 7 has no
// position; texts by the host's edition.
#include "Edition.h"
#include "ObjectGroup.h"
#include "TestDevice.h"

namespace {

using namespace velarion::kit;

class TSampleGroup : public TObjectGroup {
 public:
  void Init() override {
    Code = "SMP20";
    Name = ByEdition("\xD2\xE5\xF1\xF2", "Test");  // "Тест" in CP1251
    Version = "2.0";
    ObjectCount = 10;
    EpochKind = 1;
    SearchCaption = "sample";
    InfoItems.Add("first");
    InfoItems.Add("second");
  }
  void CalculateObjects(const TVisibleObjectReport& report) override {
    for (int32_t n : {3, 4, 5, 9, 10}) report(n);
  }
  void DrawObjects(const TNextObject& next) override {
    for (int32_t n = next(); n != -1; n = next()) Record(DrawDevice, kDrawn, n);
  }
  bool GetObjectRaDec(int32_t n, double& ra, double& dec) override {
    if (!IsValidIndex(n) || n == 7) return false;
    ra = 10.0 * n;
    dec = n;
    return true;
  }
  bool GetObjectRect(int32_t n, TObjectRect& r) override {
    if (!IsValidIndex(n)) return false;
    r = {10 * n, 20, 10 * n + 4, 24};
    return true;
  }
  void GetObjectStrings(int32_t n, TZStrings& lines) override {
    if (n == 1) {
      lines.Add("alpha");
      lines.Add("beta");
      lines.Add("gamma");
    }
  }
  std::string GetObjectName(int32_t n) override { return IsValidIndex(n) ? "object" : ""; }
  bool GetFObjectData(int32_t n, TCommonObject& o) override {
    if (n != 2) return false;
    o.flags = kObjectName | kObjectPositionFixed;
    o.name = "two";
    return true;
  }
  int32_t GetObjectData(int32_t n, std::span<std::byte> buffer) override {
    if (n != 1 || buffer.size() < 4) return 0;
    PutField<int32_t>(buffer, 0, 1234);
    return 4;
  }
  // Finds object 7, whose position cannot be told: the search must fail.
  int32_t SelectObjectForSearch(TWindowHandle owner) override { return owner == 7 ? 7 : 5; }
};

}  // namespace

namespace velarion::kit {
TGroupPtr CreatePluginGroup() { return MakeGroup<TSampleGroup>(); }
}  // namespace velarion::kit
