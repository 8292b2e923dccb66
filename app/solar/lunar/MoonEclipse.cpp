#include "MoonEclipse.h"

#include "EarthShadow.h"
#include "ExtremumSearch.h"
#include "MoonPhase.h"
#include "Units.h"
#include "velastro.h"

#include <cmath>
#include <limits>

namespace velarion::lunar {

namespace {

using velcommon::kDaysPerSynodicMonth;
using velcommon::kDegToRad;

// Eclipse seasons come every six lunations or sooner; three years is ample.
constexpr int kMaxLunations = 36;
// A full moon farther than this from the antisolar point has no eclipse near it.
constexpr double kLargestSeparationDeg = 2.0;
constexpr TMinimumSearch kGreatestSearch{0.04175, 40.0, 0.0001};
// The longest eclipses last about six hours: every contact is within 4 hours of greatest.
constexpr double kContactReachDays = 0.167;
constexpr double kContactToleranceDays = 0.0001;
constexpr double kFitHalfSpanDays = 0.3507;
constexpr double kVisibleSineAltitude = 0.0023271;

double Sign(TSearchDirection direction) {
  return direction == TSearchDirection::kForward ? 1.0 : -1.0;
}

// The shadow edge a contact crosses, as a function of the shadow: negative while the Moon
// is past it towards the axis.
double ContactDistance(TContact contact, const TEarthShadow& s) {
  switch (contact) {
    case TContact::kP1:
    case TContact::kP4:
      return s.separationDeg - (s.penumbraRadiusDeg + s.moonRadiusDeg);
    case TContact::kU1:
    case TContact::kU4:
      return s.separationDeg - (s.umbraRadiusDeg + s.moonRadiusDeg);
    case TContact::kU2:
    case TContact::kU3:
      return s.separationDeg - (s.umbraRadiusDeg - s.moonRadiusDeg);
    case TContact::kGreatest:
      break;
  }
  return s.separationDeg;
}

bool BeforeGreatest(TContact c) {
  return c == TContact::kP1 || c == TContact::kU1 || c == TContact::kU2;
}

bool HasPositionAngle(TContact c) {
  return c == TContact::kP1 || c == TContact::kU1 || c == TContact::kU4 || c == TContact::kP4;
}

TEclipseType TypeOf(const TEarthShadow& s) {
  if (s.umbraRadiusDeg - s.moonRadiusDeg >= s.separationDeg) return TEclipseType::kTotal;
  if (s.umbraRadiusDeg + s.moonRadiusDeg > s.separationDeg) return TEclipseType::kPartial;
  if (s.penumbraRadiusDeg + s.moonRadiusDeg > s.separationDeg) return TEclipseType::kPenumbral;
  return TEclipseType::kNone;
}

}  // namespace

double TLunarEclipse::ShownMagnitude() const {
  return type == TEclipseType::kPenumbral ? penumbralMagnitude : umbralMagnitude;
}

bool TypeHasContact(TEclipseType type, TContact contact) {
  switch (contact) {
    case TContact::kU2:
    case TContact::kU3:
      return type == TEclipseType::kTotal;
    case TContact::kU1:
    case TContact::kU4:
      return type == TEclipseType::kTotal || type == TEclipseType::kPartial;
    default:
      return type != TEclipseType::kNone;
  }
}

bool TMoonEclipse::Find(double startMjdTt, TSearchDirection direction) {
  eclipse_ = Search(startMjdTt, direction);
  return eclipse_.has_value();
}

bool TMoonEclipse::FindNearest(double mjdTt) {
  std::optional<TLunarEclipse> after = Search(mjdTt, TSearchDirection::kForward);
  std::optional<TLunarEclipse> before = Search(mjdTt, TSearchDirection::kBackward);
  const auto distance = [mjdTt](const std::optional<TLunarEclipse>& e) {
    return e ? std::fabs(e->greatestMjdTt - mjdTt) : std::numeric_limits<double>::infinity();
  };
  eclipse_ = distance(before) < distance(after) ? std::move(before) : std::move(after);
  return eclipse_.has_value();
}

bool TMoonEclipse::Step(TSearchDirection direction) {
  if (!eclipse_) return false;
  std::optional<TLunarEclipse> found =
      Search(eclipse_->greatestMjdTt + Sign(direction) * kDaysPerSynodicMonth, direction);
  if (!found) return false;
  eclipse_ = std::move(found);
  return true;
}

std::optional<TLunarEclipse> TMoonEclipse::Search(double startMjdTt, TSearchDirection direction) {
  places_.Forget();
  double t = startMjdTt;
  for (int lunation = 0; lunation < kMaxLunations; ++lunation) {
    const std::optional<double> full = FindMoonPhase(TMainPhase::kFullMoon, t);
    if (!full) return std::nullopt;
    if (std::optional<TLunarEclipse> eclipse = Classify(*full)) {
      FindContacts(*eclipse);
      return eclipse;
    }
    t = *full + Sign(direction) * kDaysPerSynodicMonth;
  }
  return std::nullopt;
}

std::optional<TLunarEclipse> TMoonEclipse::Classify(double fullMoonMjdTt) {
  const auto separation = [this](double t) { return ShadowSeparationDeg(places_.At(t)); };
  if (separation(fullMoonMjdTt) > kLargestSeparationDeg) return std::nullopt;
  const std::optional<double> greatest = FindMinimum(separation, kGreatestSearch, fullMoonMjdTt);
  if (!greatest) return std::nullopt;
  const TEarthShadow s = EarthShadowAt(places_.At(*greatest));
  TLunarEclipse eclipse;
  eclipse.type = TypeOf(s);
  if (eclipse.type == TEclipseType::kNone) return std::nullopt;
  eclipse.greatestMjdTt = *greatest;
  eclipse.deltaTDays = deltaT_.DaysAt(*greatest);
  const double diameter = 2.0 * s.moonRadiusDeg;
  eclipse.umbralMagnitude = (s.umbraRadiusDeg + s.moonRadiusDeg - s.separationDeg) / diameter;
  eclipse.penumbralMagnitude = (s.penumbraRadiusDeg + s.moonRadiusDeg - s.separationDeg) / diameter;
  eclipse.mjdTt[static_cast<int>(TContact::kGreatest)] = *greatest;
  return eclipse;
}

void TMoonEclipse::FindContacts(TLunarEclipse& eclipse) {
  const double g = eclipse.greatestMjdTt;
  places_.Approximate(g - kFitHalfSpanDays, g + kFitHalfSpanDays);
  for (int c = 0; c < kContactCount; ++c) {
    const TContact contact = static_cast<TContact>(c);
    if (contact == TContact::kGreatest || !TypeHasContact(eclipse.type, contact)) continue;
    const auto distance = [this, contact](double t) {
      return ContactDistance(contact, EarthShadowAt(places_.At(t)));
    };
    const double outer = g + (BeforeGreatest(contact) ? -kContactReachDays : kContactReachDays);
    eclipse.mjdTt[c] = FindSignChange(distance, kContactToleranceDays, outer, g);
    if (eclipse.mjdTt[c] && HasPositionAngle(contact)) {
      eclipse.positionAngleDeg[c] = ShadowPositionAngleDeg(places_.At(*eclipse.mjdTt[c]));
    }
  }
}

std::array<bool, kContactCount> TMoonEclipse::Visibility(double latitudeDeg,
                                                         double eastLongitudeDeg) {
  std::array<bool, kContactCount> visible{};
  if (!eclipse_) return visible;
  const double phi = latitudeDeg * kDegToRad;
  for (int c = 0; c < kContactCount; ++c) {
    if (!eclipse_->mjdTt[c]) continue;
    const double t = *eclipse_->mjdTt[c];
    const TSunMoonPlace p = places_.At(t);
    const double hourAngle =
        (15.0 * LMST(t - eclipse_->deltaTDays, -eastLongitudeDeg) - p.moonRaDeg) * kDegToRad;
    const double dec = p.moonDecDeg * kDegToRad;
    const double sineAltitude =
        std::cos(hourAngle) * std::cos(phi) * std::cos(dec) + std::sin(phi) * std::sin(dec);
    visible[c] = sineAltitude >= kVisibleSineAltitude;
  }
  return visible;
}

}  // namespace velarion::lunar
