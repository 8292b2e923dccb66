#include "RiseSet.h"

#include "Cp1251.h"
#include "Units.h"
#include "ValueFormat.h"
#include "velastro.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace velarion::solar {

namespace {

using velcommon::kDegToRad;
using velcommon::kRadToDeg;
using velcommon::kSiderealDay;
constexpr double kConverged = 0.0005;  // days
constexpr int kMaxIterations = 16;
constexpr double kPrecessionNeeded = 0.005;  // centuries
// Below this, cos(latitude) cos(dec) counts as zero: an observer or an object at a pole.
constexpr double kPolar = 1e-12;

std::array<THorizontalPlace, 4> gEvents{};
std::function<TRiseSetObserver()> gViewSource;

double Normalize(double x, double period) {
  const double r = std::fmod(x, period);
  return r < 0.0 ? r + period : r;
}

struct TPlace {
  double ra = 0.0;
  double dec = 0.0;
};

class TRiseSetSolver {
 public:
  TRiseSetSolver(const TRiseSetObserver& observer, double h0Deg, double epochT,
                 const TPositionAt& positionAt)
      : observer_(observer),
        positionAt_(positionAt),
        sinH0_(std::sin(h0Deg * kDegToRad)),
        sinLat_(std::sin(observer.latitudeDeg * kDegToRad)),
        cosLat_(std::cos(observer.latitudeDeg * kDegToRad)) {
    const double viewT = GetT(observer.mjdUt);
    precess_ = std::fabs(epochT - viewT) > kPrecessionNeeded;
    if (precess_) PMatEqu(epochT, viewT, precession_);
    t0_ = LocalMidnight();
    start_ = PlaceAt(t0_);
  }

  TRiseSetTimes Solve() {
    TRiseSetTimes times;
    TPlace place;
    times.upperCulminationHours = Event(kUpperCulmination, place);
    if (std::cos((observer_.latitudeDeg - place.dec) * kDegToRad) < sinH0_) {
      times.status = kNeverRises;
    }
    times.lowerCulminationHours = Event(kLowerCulmination, place);
    if (times.status == 0 && -std::cos((observer_.latitudeDeg + place.dec) * kDegToRad) > sinH0_) {
      times.status = kNeverSets;
    }
    if (times.status != 0) return times;
    times.riseHours = Event(kRise, place);
    if (times.riseHours < 24.0) times.status = kRisesToday;
    times.setHours = Event(kSet, place);
    if (times.setHours < 24.0) times.status += kSetsToday;
    return times;
  }

 private:
  double LocalMidnight() const {
    const double local =
        std::nearbyint((observer_.mjdUt + observer_.timeZoneHours / 24.0) * 1e6) / 1e6;
    int32_t day = 0, month = 0, year = 0;
    double hour = 0.0;
    CalDat(local, &day, &month, &year, &hour);
    return observer_.mjdUt - hour / 24.0;
  }

  TPlace PlaceAt(double mjd) const {
    TPlace p;
    positionAt_(mjd, p.ra, p.dec);
    if (precess_) {
      double x = 0.0, y = 0.0, z = 0.0, r = 0.0;
      Cart(1.0, p.dec, p.ra, &x, &y, &z);
      Precart(precession_, &x, &y, &z);
      Polar(x, y, z, &r, &p.dec, &p.ra);
    }
    p.ra = Normalize(p.ra, 360.0);
    return p;
  }

  // Target local sidereal time (hours) of the event for the place.
  double TargetSiderealTime(TRiseSetEvent kind, const TPlace& p) const {
    if (kind == kUpperCulmination) return p.ra / 15.0;
    if (kind == kLowerCulmination) return Normalize(p.ra / 15.0 + 12.0, 24.0);
    const double numerator = sinH0_ - sinLat_ * std::sin(p.dec * kDegToRad);
    const double denominator = cosLat_ * std::cos(p.dec * kDegToRad);
    const double d =
        std::fabs(denominator) < kPolar ? (numerator >= 0.0 ? 2.0 : -2.0) : numerator / denominator;
    if (d > 1.0) return p.ra / 15.0;
    if (d < -1.0) return Normalize(p.ra / 15.0 + 12.0, 24.0);
    const double h0 = std::acos(d) * kRadToDeg * (kind == kRise ? -1.0 : 1.0);
    return Normalize((p.ra + h0) / 15.0, 24.0);
  }

  // The places are referred to the mean equator of date (PMatEqu, no nutation), so the
  // hour angles here and in Event come from the mean sidereal time.
  double SiderealAt(double mjd) const {
    return mjd == observer_.mjdUt ? observer_.siderealHours
                                  : LMST(mjd, -observer_.longitudeEastDeg);
  }

  // The event's time in hours after local midnight; `place` receives the last place used.
  double Event(TRiseSetEvent kind, TPlace& place) {
    double t = t0_;
    place = start_;
    for (int i = 0; i < kMaxIterations; ++i) {
      // The nearer of the two sidereal times, wrapped in sidereal hours: wrapping a whole
      // solar day instead would leave the event four minutes off when the target lies
      // near 0h of sidereal time.
      const double hours = std::remainder(
          TargetSiderealTime(kind, place) - LMST(t, -observer_.longitudeEastDeg), 24.0);
      const double delta = hours * kSiderealDay / 24.0;
      t += delta;
      // An event just before midnight moves to the next day, whose place differs (the
      // Moon's by some 13 degrees): the search goes on from that place.
      const bool nextDay = t < t0_;
      if (nextDay) t += kSiderealDay;
      if (!nextDay && std::fabs(delta) < kConverged) break;
      place = PlaceAt(t);
    }
    gEvents[kind] = HorizontalAt(t, place);
    return (t - t0_) * 24.0;
  }

  THorizontalPlace HorizontalAt(double t, const TPlace& p) const {
    const double ht = (15.0 * SiderealAt(t) - p.ra) * kDegToRad;
    const double dec = p.dec * kDegToRad;
    const double sinAlt = sinLat_ * std::sin(dec) + cosLat_ * std::cos(dec) * std::cos(ht);
    THorizontalPlace h;
    h.altitudeDeg = std::asin(std::clamp(sinAlt, -1.0, 1.0)) * kRadToDeg;
    if (observer_.refraction) {
      h.altitudeDeg += refrac(h.altitudeDeg, observer_.pressureMbar, observer_.temperatureC);
    }
    // From north through east; the atan2 form stays defined at the poles.
    const double azimuth =
        std::atan2(-std::cos(dec) * std::sin(ht),
                   cosLat_ * std::sin(dec) - sinLat_ * std::cos(dec) * std::cos(ht));
    h.azimuthDeg =
        Normalize(azimuth * kRadToDeg - (observer_.azimuthZero == 1 ? 180.0 : 0.0), 360.0);
    return h;
  }

  const TRiseSetObserver& observer_;
  const TPositionAt& positionAt_;
  double sinH0_;
  double sinLat_;
  double cosLat_;
  bool precess_ = false;
  double precession_[9] = {};
  double t0_ = 0.0;
  TPlace start_;
};

std::string HoursText(double hours) {
  return sky::FormatAngle(sky::TAngleUnit::kHours, sky::TAngleResolution::kMinutes, 0, false,
                          hours);
}

}  // namespace

void WriteRiseSetRecord(const TRiseSetTimes& times, kit::TBytes record) {
  if (record.size() < kit::rise_set_record::kSize) return;
  namespace r = kit::rise_set_record;
  kit::PutField(record, r::kRise, times.riseHours);
  kit::PutField(record, r::kSet, times.setHours);
  kit::PutField(record, r::kUpperCulmination, times.upperCulminationHours);
  kit::PutField(record, r::kLowerCulmination, times.lowerCulminationHours);
  kit::PutField(record, r::kStatus, times.status);
}

TRiseSetObserver ObserverOfView(const kit::TViewParameters& view) {
  TRiseSetObserver o;
  o.latitudeDeg = view.latitude;
  o.longitudeEastDeg = view.longitudeEast;
  o.mjdUt = view.mjdUt;
  o.timeZoneHours = view.timeZoneHours;
  o.siderealHours = view.siderealHours;
  o.azimuthZero = view.azimuthZero;
  return o;
}

const std::array<THorizontalPlace, 4>& RiseSetEvents() { return gEvents; }

TRiseSetTimes ComputeRiseSet(const TRiseSetObserver& observer, double h0Deg, double epochT,
                             const TPositionAt& positionAt) {
  if (!positionAt) return {};
  return TRiseSetSolver(observer, h0Deg, epochT, positionAt).Solve();
}

bool CulminatesToday(const TRiseSetTimes& times) { return times.upperCulminationHours < 24.0; }

std::string RiseSetText(const TRiseSetTimes& times) {
  using velplatform::Cp1251;
  const std::string culmination =
      Cp1251("Кульминация: ") +
      (CulminatesToday(times) ? HoursText(times.upperCulminationHours) : "-");
  if (times.status == kNeverRises || times.status == kNeverSets) {
    return "\x01" + Cp1251(times.status == kNeverRises ? "Не восходит" : "Не заходит") + "." +
           '\0' + culmination;
  }
  const std::string rise = (times.status & kRisesToday) != 0 ? HoursText(times.riseHours) : "-";
  const std::string set = (times.status & kSetsToday) != 0 ? HoursText(times.setHours) : "-";
  return "\x01" + Cp1251("Восход: ") + rise + '\0' + culmination + '\0' + Cp1251("Заход: ") + set;
}

void SetRiseSetViewSource(std::function<TRiseSetObserver()> source) {
  gViewSource = std::move(source);
}

}  // namespace velarion::solar

namespace velarion::solar {

std::optional<TRiseSetTimes> RiseSetForSkyView(double h0Deg, double epochT,
                                               TRaDecAtMoment callback) {
  if (callback == nullptr || !gViewSource) return std::nullopt;
  return ComputeRiseSet(
      gViewSource(), h0Deg, epochT,
      [callback](double mjd, double& ra, double& dec) { callback(mjd, &ra, &dec); });
}

}  // namespace velarion::solar

extern "C" VELARION_HOST_EXPORT int32_t CalcRiseSettTime(double h0, double epoch,
                                                         TRaDecAtMoment callback, void* record,
                                                         char* text, int32_t textSize) {
  namespace solar = velarion::solar;
  const velplatform::TBytes textBuffer = velplatform::BufferOf(text, textSize);
  if (record == nullptr && textBuffer.empty()) return 0;
  const std::optional<solar::TRiseSetTimes> times = solar::RiseSetForSkyView(h0, epoch, callback);
  if (!times) return 0;
  if (record != nullptr) {
    solar::WriteRiseSetRecord(*times,
                              velplatform::BufferOf(record, velarion::kit::rise_set_record::kSize));
  }
  return velplatform::CopyText(solar::RiseSetText(*times), textBuffer);
}
