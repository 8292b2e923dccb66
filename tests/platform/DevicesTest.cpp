// The image device from code that has no Qt of its own and no display: it starts Qt on
// the off-screen platform by itself, as the sky code and command-line rendering rely on.
#include "Devices.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace {

using namespace velplatform;

class NoDisplay : public testing::Test {
 protected:
  void SetUp() override {
    for (TSaved& s : saved_) {
      const char* value = std::getenv(s.name);
      if (value != nullptr) s.value = value;
      ::unsetenv(s.name);
    }
  }
  void TearDown() override {
    for (const TSaved& s : saved_) {
      if (s.value) ::setenv(s.name, s.value->c_str(), 1);
    }
  }

 private:
  struct TSaved {
    const char* name;
    std::optional<std::string> value;
  };
  TSaved saved_[3] = {{"DISPLAY", {}}, {"WAYLAND_DISPLAY", {}}, {"QT_QPA_PLATFORM", {}}};
};

TEST_F(NoDisplay, ImageDeviceDrawsTextWithQtStartedOffScreen) {
  for (int round = 0; round < 2; ++round) {  // Qt ends with the device and starts again
    const auto device = CreateImageDevice(60, 20);
    device->SetTextColor(RgbColor(255, 255, 255));
    device->TextOut(0, 0, "Sirius", {"Arial", 14});
    int32_t lit = 0;
    for (int32_t y = 0; y < 20; ++y) {
      for (int32_t x = 0; x < 60; ++x) lit += device->GetPixel(x, y) != 0 ? 1 : 0;
    }
    EXPECT_GT(lit, 20) << round;
    EXPECT_GT(device->TextWidth("Sirius", {"Arial", 14}), 20) << round;
  }
}

}  // namespace
