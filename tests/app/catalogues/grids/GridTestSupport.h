// A host for the grid groups in tests: the projection for a chosen view, a sky image that
// serves the grid settings and measures labels on a recording device, and the group's view
// filled as the redraw fills it.
#ifndef VELARION_TESTS_CATALOGUES_GRIDS_GRIDTESTSUPPORT_H
#define VELARION_TESTS_CATALOGUES_GRIDS_GRIDTESTSUPPORT_H

#include "ObjectGroup.h"
#include "Projection.h"
#include "ProjectionExports.h"
#include "RecordingDevice.h"
#include "SkyImage.h"
#include "SkyImageExports.h"

#include <gtest/gtest.h>

#include <vector>

namespace veltest {

class GridHost : public testing::Test {
 protected:
  static constexpr int32_t kFontHeight = 10;

  void SetUp() override {
    velarion::sky::InitProjectionTables();
    velarion::sky::SetHostSkyImage(&image);
    image.OutputDevice().Bind(&device);
    image.OutputDevice().SetFonts("Arial", "Symbol", kFontHeight, kFontHeight, kFontHeight);
  }
  void TearDown() override {
    velarion::sky::SetHostSkyImage(nullptr);
    velarion::sky::FreeProjectionTables();
  }

  // A disc of radius `radius` in the middle of an 800 x 800 view, zoom 100 (quick view).
  void SetView(double latitude, double siderealHours, int32_t radius = 380) {
    setup.centreX = 400;
    setup.centreY = 400;
    setup.radius = radius;
    setup.yScale = 1.0;
    setup.stereographic = true;
    setup.quick = true;
    setup.latitudeDeg = latitude;
    setup.siderealHours = siderealHours;
    setup.mjdUt = 51544.5;
    velarion::sky::SetProjection(setup);
  }

  // Copies the view into the group as the redraw does, and calculates it.
  std::vector<int32_t> Calculate(velarion::kit::TObjectGroup& group, uint8_t viewMode = 0) {
    velarion::kit::TViewParameters& v = group.View;
    v.latitude = setup.latitudeDeg;
    v.siderealHours = setup.siderealHours;
    v.centreX = setup.centreX;
    v.centreY = setup.centreY;
    v.radius = setup.radius;
    v.yScale = setup.yScale;
    v.zoomPercent = zoom;
    v.projection = setup.stereographic ? 1 : 0;
    v.fontHeight = kFontHeight;
    v.letterWidth = 6;
    for (std::size_t i = 0; i < v.colours.size(); ++i) v.colours[i] = 0x010101u * (i + 1);
    group.ViewMode = viewMode;
    group.ViewRect = view;
    group.RaDecWindow = window;
    SetEpoch(group.Epoch, static_cast<uint16_t>(group.EpochKind));
    std::vector<int32_t> reported;
    group.CalculateObjects([&reported](int32_t n) { reported.push_back(n); });
    return reported;
  }

  // Draws every reported object on the recording device.
  void Draw(velarion::kit::TObjectGroup& group, const std::vector<int32_t>& reported) {
    group.DrawDevice = velplatform::HandleOf(device);
    std::size_t next = 0;
    group.DrawObjects([&]() { return next < reported.size() ? reported[next++] : -1; });
  }

  velarion::sky::TSkyImage image{{}, {[] { return 51544.0; }, [] { return 0.0; }}};
  velplatform::TRecordingDevice device{800, 800};
  velarion::sky::TProjectionSetup setup;
  velarion::kit::TViewRect view{0, 799, 0, 799};
  velarion::kit::TRaDecWindow window{0.0, 360.0, -90.0, 90.0};
  int32_t zoom = 100;
};

}  // namespace veltest

#endif
