#include "LowPrecisionFallback.h"

#include "velastro.h"

#include <cstdio>
#include <mutex>

namespace velsolar {

namespace {

// The user learns once why the positions are coarse.
void ReportOnce(const std::string& reason) {
  static std::once_flag reported;
  std::call_once(reported, [&] {
    std::fprintf(stderr, "velsolar: %s; using the low-precision theories (about 1')\n",
                 reason.c_str());
  });
}

}  // namespace

TSpherical LowPrecisionPlanet(velcommon::TBody body, double t, const std::string& reason) {
  ReportOnce(reason);
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
  ::Planet(t, velcommon::VelastroNumber(body), &x, &y, &z, nullptr, nullptr, nullptr);
  TSpherical p{};
  ::Polar(x, y, z, &p.radius, &p.latitude, &p.longitude);
  return p;
}

TSpherical LowPrecisionMoon(double t, const std::string& reason) {
  ReportOnce(reason);
  TSpherical m{};
  ::moon(t, &m.longitude, &m.latitude, &m.radius);
  return m;
}

}  // namespace velsolar
