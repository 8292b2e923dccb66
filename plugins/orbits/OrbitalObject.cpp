#include "OrbitalObject.h"

#include "Bodies.h"
#include "velastro.h"
#include "velsolar.h"

#include <array>
#include <cmath>

namespace velarion::orbits {
namespace {

// Within this many centuries of J2000.0 the full theory of the Earth replaces the abridged
// one for its place (its velocity stays the abridged one's).
constexpr double kFullEarthTheoryCenturies = 1.5;

struct TVector {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};

TVector operator+(TVector a, TVector b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
TVector operator-(TVector a, TVector b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
TVector operator*(double s, TVector a) { return {s * a.x, s * a.y, s * a.z}; }
double Length(TVector a) { return std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z); }

// The Gaussian vectors P (towards perihelion) and Q in the ecliptic frame of the elements.
struct TGaussianVectors {
  TVector p;
  TVector q;
};

TGaussianVectors GaussianVectors(const TOrbitOrientation& o) {
  using velcommon::kDegToRad;
  const double cw = std::cos(o.perihelionArgumentDeg * kDegToRad);
  const double sw = std::sin(o.perihelionArgumentDeg * kDegToRad);
  const double ci = std::cos(o.inclinationDeg * kDegToRad);
  const double si = std::sin(o.inclinationDeg * kDegToRad);
  const double cn = std::cos(o.ascendingNodeDeg * kDegToRad);
  const double sn = std::sin(o.ascendingNodeDeg * kDegToRad);
  return {{cw * cn - sw * ci * sn, cw * sn + sw * ci * cn, sw * si},
          {-sw * cn - cw * ci * sn, -sw * sn + cw * ci * cn, cw * si}};
}

struct TEarthState {
  TVector position;
  TVector velocity;
  double sunDistanceAu = 0.0;
};

TEarthState EarthAt(double tCenturies) {
  TEarthState earth;
  Planet(tCenturies, velcommon::VelastroNumber(velcommon::TBody::kEarth), &earth.position.x,
         &earth.position.y, &earth.position.z, &earth.velocity.x, &earth.velocity.y,
         &earth.velocity.z);
  earth.sunDistanceAu = Length(earth.position);
  if (std::abs(tCenturies) < kFullEarthTheoryCenturies) {
    double longitude = 0.0;
    double latitude = 0.0;
    double radius = 0.0;
    Ear404(tCenturies, &longitude, &latitude, &radius);
    Cart(radius, latitude, longitude, &earth.position.x, &earth.position.y, &earth.position.z);
  }
  return earth;
}

void Apply(const std::array<double, 9>& matrix, TVector& v) {
  Precart(matrix.data(), &v.x, &v.y, &v.z);
}

}  // namespace

void TOrbitalObject::SetSelected(bool selected) {
  if (selected && !display_) display_.emplace();
  if (!selected) display_.reset();
}

std::optional<TOrbitalObject::TRecordTail> TOrbitalObject::ReadRecordTail(
    velplatform::TByteReader& reader) {
  const std::optional<double> equinox = reader.Read<double>();
  const std::optional<uint8_t> selected = reader.Read<uint8_t>();
  if (!equinox || !selected) return std::nullopt;
  return TRecordTail{*equinox, *selected != 0};
}

void TOrbitalObject::WriteRecordTail(velplatform::TByteWriter& writer) const {
  writer.Write(equinoxMjd_);
  writer.Write(static_cast<uint8_t>(Selected() ? 1 : 0));
}

void TOrbitalObject::Adopt(std::string name, const TRecordTail& tail) {
  name_ = std::move(name);
  equinoxMjd_ = tail.equinoxMjd;
  SetSelected(tail.selected);
}

TOrbitalPlace TOrbitalObject::ComputePosition(double momentMjd,
                                              const TPlaceOptions& options) const {
  const double t = GetT(momentMjd);
  const TPlaneState plane = SolveKepler(PerihelionOrbit(), t);
  const TGaussianVectors axes = GaussianVectors(Orientation());
  TVector position = plane.x * axes.p + plane.y * axes.q;
  TVector velocity = plane.vx * axes.p + plane.vy * axes.q;

  std::array<double, 9> precession{};
  PMatEcl(GetT(equinoxMjd_), t, precession.data());
  Apply(precession, position);
  Apply(precession, velocity);

  const TEarthState earth = EarthAt(t);
  TVector geocentric = position - earth.position;
  const double lightTime = velcommon::kLightDaysPerAuRounded * Length(geocentric);
  geocentric = geocentric - lightTime * velocity;
  if (!options.skipAberration) geocentric = geocentric + lightTime * earth.velocity;

  EclEqu(t, &geocentric.x, &geocentric.y, &geocentric.z);
  if (options.applyNutation) NutEqu(t, &geocentric.x, &geocentric.y, &geocentric.z);
  TOrbitalPlace place;
  Polar(geocentric.x, geocentric.y, geocentric.z, &place.earthDistanceAu, &place.decDeg,
        &place.raDeg);
  place.sunDistanceAu = Length(position);
  place.magnitude = Magnitude({place.sunDistanceAu, place.earthDistanceAu, earth.sunDistanceAu});
  return place;
}

}  // namespace velarion::orbits
