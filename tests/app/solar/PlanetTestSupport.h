// Helpers of the planets group tests: a group with a map set up for its view.
#ifndef VELARION_TESTS_APP_SOLAR_PLANETTESTSUPPORT_H
#define VELARION_TESTS_APP_SOLAR_PLANETTESTSUPPORT_H

#include "IniAccess.h"
#include "PlanetsGroup.h"
#include "ProjectionExports.h"
#include "SolarTestSupport.h"
#include "velastro.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>

#include <unistd.h>

namespace veltest {

// The planets' object index of a body number.
inline int32_t PlanetIndexOfBody(int body) { return body <= 3 ? body - 1 : body - 2; }

class TPlanetsFixture : public testing::Test {
 protected:
  // The group reads and writes its settings in a file of its own, never the program's.
  void SetUp() override {
    settings = (std::filesystem::temp_directory_path() /
                ("planets_group_" + std::to_string(::getpid()) + ".ini"))
                   .string();
    std::filesystem::remove(settings);
    velarion::sky::SetSettingsFile(settings);
    velarion::sky::InitProjectionTables();
    group->InitResources(0);
  }
  void TearDown() override {
    group.reset();
    velarion::sky::FreeProjectionTables();
    velarion::sky::SetSettingsFile("");
    std::filesystem::remove(settings);
  }
  velarion::solar::TPlanets& Planets() { return static_cast<velarion::solar::TPlanets&>(*group); }

  // A view of the whole sky with every body shown and a map of radius `radius` pixels.
  // The map's centre is at (centre, centre); by default the disc fills the picture.
  void UseView(velarion::kit::TViewParameters view, int32_t radius = 1000, bool quick = false,
               int32_t centre = 0) {
    view.objectsVisible16 = 1;
    view.objectsVisible5To14 = 0x3FF;
    ShowOnMap(*group, view, quick ? 0 : 1, radius, centre == 0 ? radius : centre);
    group->RaDecWindow = {0.0, 360.0, -90.0, 90.0};
  }

  // A view at the moment whose observer has the body at the zenith (to the arcminute).
  velarion::kit::TViewParameters ZenithView(double mjdUt, double deltaTDays, double raDeg,
                                            double decDeg) {
    velarion::kit::TViewParameters view;
    view.mjdUt = mjdUt;
    view.mjdDynamical = mjdUt + deltaTDays;
    view.latitude = decDeg;
    view.longitudeEast = std::remainder(raDeg - 15.0 * LMST(mjdUt, 0.0), 360.0);
    view.siderealHours = LMST(view.mjdUt, -view.longitudeEast);
    SetDistinctColours(view);
    return view;
  }

  std::string settings;
  velarion::kit::TGroupPtr group = velarion::solar::MakePlanetsGroup("/nowhere");
};

}  // namespace veltest

#endif
