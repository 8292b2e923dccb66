// Small groups for the sky image tests: objects at fixed pixels that paint a 3 x 3 dot,
// and a stand-in Sun that reports a background colour and a sky state.
#ifndef VELARION_TESTS_SKY_SKYTESTGROUPS_H
#define VELARION_TESTS_SKY_SKYTESTGROUPS_H

#include "DrawDevice.h"
#include "ObjectGroup.h"
#include "SkyObj.h"
#include "StdGroup.h"

#include <vector>

namespace veltest {

class TDotGroup : public velarion::kit::TObjectGroup {
 public:
  TDotGroup(const char* code, std::vector<velplatform::TPoint> dots, uint32_t color)
      : code_(code), dots_(std::move(dots)), color_(color) {}
  void Init() override {
    Code = code_;
    ObjectCount = static_cast<int32_t>(dots_.size());
  }
  void CalculateObjects(const velarion::kit::TVisibleObjectReport& report) override {
    ++calculations;
    for (int32_t n = 1; n <= ObjectCount; ++n) report(n);
  }
  void DrawObjects(const velarion::kit::TNextObject& next) override {
    velplatform::TDrawDevice* device = velplatform::DeviceOf(DrawDevice);
    for (int32_t n = next(); n != -1; n = next()) {
      const velplatform::TPoint p = dots_[n - 1];
      device->FillRect({p.x - 1, p.y - 1, p.x + 2, p.y + 2}, color_);
    }
  }
  bool GetObjectRect(int32_t n, velarion::kit::TObjectRect& r) override {
    if (!IsValidIndex(n)) return false;
    const velplatform::TPoint p = dots_[n - 1];
    r = {p.x - 1, p.y - 1, p.x + 1, p.y + 1};
    return true;
  }
  bool GetObjectXY(int32_t n, int32_t& x, int32_t& y) override {
    if (!IsValidIndex(n)) return false;
    x = dots_[n - 1].x;
    y = dots_[n - 1].y;
    return true;
  }
  int calculations = 0;

 private:
  const char* code_;
  std::vector<velplatform::TPoint> dots_;
  uint32_t color_;
};

class TFakeSun : public velarion::kit::TObjectGroup {
 public:
  TFakeSun(uint32_t background, uint8_t state) : background_(background), state_(state) {}
  void Init() override {
    Code = "SUN";
    ObjectCount = 1;
    EpochKind = 2;
  }
  int32_t GetObjectData(int32_t n, std::span<std::byte> buffer) override {
    if (n != 1 || buffer.size() < 73) return 0;
    velplatform::PutField<uint8_t>(buffer, 9, state_);
    velplatform::PutField<uint32_t>(buffer, 13, background_);
    return 73;
  }

 private:
  uint32_t background_;
  uint8_t state_;
};

// Appends a group shown in both views and returns its wrapped object.
template <typename TGroup, typename... TArgs>
TGroup& AddShown(velarion::groups::TGroupList& list, TArgs&&... args) {
  velarion::groups::TGroupListElement& e = list.AddNewGroup(true);
  auto wrapper = std::make_unique<velarion::groups::TStdGroup>(
      velarion::kit::MakeGroup<TGroup>(std::forward<TArgs>(args)...));
  TGroup& group = static_cast<TGroup&>(wrapper->Group());
  e.SetGroup(std::move(wrapper));
  e.SetVisibleInQuickView(true);
  e.SetVisibleInDetailedView(true);
  return group;
}

}  // namespace veltest

#endif
