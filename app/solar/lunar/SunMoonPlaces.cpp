#include "SunMoonPlaces.h"

#include "BodyPosition.h"
#include "Units.h"
#include "velastro.h"

#include <cstddef>
#include <vector>

namespace velarion::lunar {

namespace {

constexpr int kSunDegree = 3;
constexpr int kMoonDegree = 6;

// RA, Dec and distance of one body at each node, RA made continuous across 0/360 going
// from node to node (the nodes run backwards in time, so RA falls).
std::array<std::vector<double>, 3> BodyAtNodes(solar::TBody body, std::span<const double> nodes) {
  std::array<std::vector<double>, 3> values;
  for (std::size_t k = 0; k < nodes.size(); ++k) {
    const TSunMoonPlace p = ComputeSunMoonPlace(nodes[k]);
    const bool sun = body == solar::kSun;
    double ra = sun ? p.sunRaDeg : p.moonRaDeg;
    if (k > 0 && ra > values[0][k - 1]) ra -= 360.0;
    values[0].push_back(ra);
    values[1].push_back(sun ? p.sunDecDeg : p.moonDecDeg);
    values[2].push_back(sun ? p.sunDistance : p.moonDistance);
  }
  return values;
}

}  // namespace

TSunMoonPlace ComputeSunMoonPlace(double mjdTt) {
  const double t = GetT(mjdTt);
  // The shadow's axis points away from the Sun as seen, aberration included; the Moon's
  // place as seen is its geometric one a light time (1.3 s) earlier. Taking the annual
  // aberration off both would move the Moon 40" along its path across the shadow, which
  // is more than a minute in every contact.
  const solar::TBodyPosition sun = solar::ComputeBodyPosition(solar::kSun, true, false, t);
  const solar::TBodyPosition moon = solar::ComputeBodyPosition(solar::kMoon, true, false, t);
  return {sun.raDeg,  sun.decDeg,  sun.distance * velcommon::kEarthRadiiPerAu,
          moon.raDeg, moon.decDeg, moon.distance};
}

void TSunMoonPlaces::Approximate(double fromMjdTt, double toMjdTt) {
  const std::vector<double> sunNodes = TChebyshevSeries::Nodes(fromMjdTt, toMjdTt, kSunDegree);
  const std::vector<double> moonNodes = TChebyshevSeries::Nodes(fromMjdTt, toMjdTt, kMoonDegree);
  const auto sun = BodyAtNodes(solar::kSun, sunNodes);
  const auto moon = BodyAtNodes(solar::kMoon, moonNodes);
  fits_.emplace(std::array<TChebyshevSeries, 6>{
      TChebyshevSeries(fromMjdTt, toMjdTt, sun[0]), TChebyshevSeries(fromMjdTt, toMjdTt, sun[1]),
      TChebyshevSeries(fromMjdTt, toMjdTt, sun[2]), TChebyshevSeries(fromMjdTt, toMjdTt, moon[0]),
      TChebyshevSeries(fromMjdTt, toMjdTt, moon[1]),
      TChebyshevSeries(fromMjdTt, toMjdTt, moon[2])});
}

TSunMoonPlace TSunMoonPlaces::At(double mjdTt) const {
  if (!fits_ || !(*fits_)[0].Covers(mjdTt)) return ComputeSunMoonPlace(mjdTt);
  const auto& f = *fits_;
  return {f[0].Value(mjdTt), f[1].Value(mjdTt), f[2].Value(mjdTt),
          f[3].Value(mjdTt), f[4].Value(mjdTt), f[5].Value(mjdTt)};
}

}  // namespace velarion::lunar
