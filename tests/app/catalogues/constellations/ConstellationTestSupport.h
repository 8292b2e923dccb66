// Shared by the constellation group tests: a scratch program folder with data files
// written byte by byte, groups placed into the main group list so that they find each
// other by code, a sky set up directly through the projection, and the points a line
// group draws on the recording device.
#ifndef VELARION_TESTS_APP_CATALOGUES_CONSTELLATIONS_CONSTELLATIONTESTSUPPORT_H
#define VELARION_TESTS_APP_CATALOGUES_CONSTELLATIONS_CONSTELLATIONTESTSUPPORT_H

#include "ByteFields.h"
#include "Cp1251.h"
#include "GroupListExports.h"
#include "ObjectGroup.h"
#include "ProjectionExports.h"
#include "RecordingDevice.h"
#include "SkyObj.h"
#include "StdGroup.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace veltest {

using velarion::kit::TObjectGroup;
using velplatform::Cp1251;
using velplatform::TPoint;

// The generated catalogue files of the build.
inline const std::string kDataFolder = std::string(VELARION_DATA_DIR) + "/";

// A fresh folder for one test, removed afterwards; its path ends with "/".
class TScratchFolder {
 public:
  TScratchFolder() {
    const auto* test = testing::UnitTest::GetInstance()->current_test_info();
    path_ = std::filesystem::temp_directory_path() /
            ("velconst-" + std::to_string(::getpid()) + "-" + test->name());
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TScratchFolder() { std::filesystem::remove_all(path_); }
  std::string Folder() const { return path_.string() + "/"; }
  void Write(const std::string& name, std::string_view bytes) const {
    std::ofstream(path_ / name, std::ios::binary) << bytes;
  }

 private:
  std::filesystem::path path_;
};

// Little-endian bytes of a record built field by field.
class TRecordBytes {
 public:
  explicit TRecordBytes(std::size_t size) : bytes_(size) {}
  template <typename T>
  TRecordBytes& Put(std::size_t offset, T value) {
    velplatform::PutField(std::span<std::byte>(bytes_), offset, value);
    return *this;
  }
  std::string Text() const { return {reinterpret_cast<const char*>(bytes_.data()), bytes_.size()}; }

 private:
  std::vector<std::byte> bytes_;
};

// The main group list of the test: groups added here are found by the host exports.
class TMainList {
 public:
  TMainList() { velarion::groups::SetMainGroupList(&list_); }
  ~TMainList() { velarion::groups::SetMainGroupList(nullptr); }
  TMainList(const TMainList&) = delete;
  TMainList& operator=(const TMainList&) = delete;

  // The group is loaded first; it takes part only when that succeeds.
  TObjectGroup* Add(velarion::kit::TGroupPtr group) {
    TObjectGroup& g = *group;
    auto wrapper = std::make_unique<velarion::groups::TStdGroup>(std::move(group));
    if (!wrapper->InitResources(0)) return nullptr;
    velarion::groups::TGroupListElement& e = list_.AddNewGroup(true);
    e.SetGroup(std::move(wrapper));
    e.SetVisibleInQuickView(true);
    e.SetVisibleInDetailedView(true);
    return &g;
  }
  velarion::groups::TGroupList& List() { return list_; }

 private:
  velarion::groups::TGroupList list_;
};

// A sky for the latitude and sidereal time, at J2000.0 so that no precession intervenes,
// without refraction: the horizon is the circle of `radius` about the centre.
struct TSky {
  double latitudeDeg = 50.0;
  double siderealHours = 0.0;
  int32_t centreX = 0;
  int32_t centreY = 0;
  int32_t radius = 0;
  bool quick = true;
  bool stereographic = true;

  void Apply(double epoch = 0.0) const {
    velarion::sky::TProjectionSetup setup;
    setup.centreX = centreX;
    setup.centreY = centreY;
    setup.radius = radius;
    setup.stereographic = stereographic;
    setup.quick = quick;
    setup.latitudeDeg = latitudeDeg;
    setup.siderealHours = siderealHours;
    setup.mjdUt = 51544.5;
    velarion::sky::SetProjection(setup);
    SetEpoch(epoch, 1);
  }
  double DistanceFromCentre(TPoint p) const { return std::hypot(p.x - centreX, p.y - centreY); }
};

// Gives a group the view it is calculated in.
inline void ViewGroup(TObjectGroup& group, const TSky& sky, const velarion::kit::TViewRect& rect,
                      const velarion::kit::TRaDecWindow& window) {
  group.View.mjdUt = 51544.5;
  group.View.centreX = sky.centreX;
  group.View.centreY = sky.centreY;
  group.View.radius = sky.radius;
  group.View.yScale = 1.0;
  group.View.objectsVisible2 = 1;
  group.View.objectsVisible3 = 1;
  group.View.objectsVisible4 = 1;
  group.RefreshParam();
  group.ViewMode = sky.quick ? 0 : 1;
  group.ViewRect = rect;
  group.RaDecWindow = window;
}

// The numbers a calculation reports.
inline std::vector<int32_t> Calculate(TObjectGroup& group) {
  std::vector<int32_t> reported;
  group.CalculateObjects([&](int32_t n) { reported.push_back(n); });
  return reported;
}

// Draws the objects on a recording device of the view's size and gives the points of
// every multi-polyline drawn, one list per call.
inline std::vector<std::vector<TPoint>> DrawnPolylines(TObjectGroup& group,
                                                       const std::vector<int32_t>& numbers) {
  velplatform::TRecordingDevice device(group.ViewRect.right + 1, group.ViewRect.bottom + 1);
  group.DrawDevice = velplatform::HandleOf(device);
  std::size_t next = 0;
  group.DrawObjects([&] { return next < numbers.size() ? numbers[next++] : -1; });
  std::vector<std::vector<TPoint>> drawn;
  for (const std::string& line : device.Log()) {
    if (!line.starts_with("polypolyline")) continue;
    std::istringstream points(line.substr(line.find(':') + 1));
    std::vector<TPoint> polyline;
    TPoint p;
    char comma = 0;
    while (points >> p.x >> comma >> p.y) polyline.push_back(p);
    drawn.push_back(polyline);
  }
  return drawn;
}

inline TPoint Projected(double raDeg, double decDeg) {
  TPoint p;
  RaDecToXY(raDeg, decDeg, &p.x, &p.y);
  return p;
}

inline TPoint QuickProjected(int32_t raArcmin, int32_t decArcmin) {
  TPoint p;
  QuickRaDecToXY(raArcmin, decArcmin, &p.x, &p.y);
  return p;
}

// How far p lies from the ray that starts at the sky's centre and passes through `through`
// (infinite when p lies behind the centre).
inline double DistanceFromRay(const TSky& sky, TPoint through, TPoint p) {
  const double ux = through.x - sky.centreX, uy = through.y - sky.centreY;
  const double px = p.x - sky.centreX, py = p.y - sky.centreY;
  if (ux * px + uy * py <= 0.0) return INFINITY;
  return std::fabs(ux * py - uy * px) / std::hypot(ux, uy);
}

}  // namespace veltest

#endif
