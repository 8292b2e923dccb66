#include "Projection.h"

#include <algorithm>
#include <cmath>

#include "velastro.h"

namespace velarion::sky {

namespace {

constexpr double kPrecessionRebuildDays = 5.0;
constexpr double kEpochTolerance = 0.005;
// Marks "no catalogue epoch in force", so that the next kind-1 SetEpoch never matches.
constexpr double kNoEpoch = 1.0e9;

constexpr int32_t kDegreeSteps = 30;  // table steps per degree

// Fixed-point scales of the quick conversion.
constexpr double kSineScale = 8192.0;     // S
constexpr double kCosineScale = 65535.0;  // U

// Rotation matrices of velastro act on (cos d cos a, cos d sin a, sin d); the view vector is
// (-cos d sin a, -cos d cos a, sin d) = K u with K = [[0,-1,0],[-1,0,0],[0,0,1]], so a
// velastro matrix P acts on view vectors as K P K.
TMatrix3 ToViewFrame(const double p[9]) {
  return {{{p[4], p[3], -p[5]}, {p[1], p[0], -p[2]}, {-p[7], -p[6], p[8]}}};
}

TMatrix3 PrecessionMatrix(double fromT, double toT) {
  double p[9];
  PMatEqu(fromT, toT, p);
  return ToViewFrame(p);
}

TMatrix3 NutationMatrix(double t) {
  double p[9];
  PMatNutEqu(t, p);
  return ToViewFrame(p);
}

double StepAngleRad(int32_t step) { return DegToRad(static_cast<double>(step) / kDegreeSteps); }

}  // namespace

TProjection::TProjection() { FillConstantTables(); }

void TProjection::FillConstantTables() {
  for (int32_t k = 0; k <= kFullTurnSteps; ++k) {
    sineTable_[k + kSineOffset] = RoundToInt(kSineScale * std::sin(StepAngleRad(k)));
  }
  // The margins repeat the neighbouring turn so that callers may step past either end.
  for (int32_t k = 1; k <= kSineOffset; ++k) {
    sineTable_[kFullTurnSteps + k + kSineOffset] = Sine(k);
    sineTable_[-k + kSineOffset] = Sine(kFullTurnSteps - k);
  }
  for (int32_t i = 0; i <= kQuarterSteps; ++i) {
    cosineTable_[i] = static_cast<uint16_t>(RoundToInt(kCosineScale * std::cos(StepAngleRad(i))));
  }
  for (int32_t r = 0; r < kFullTurnSteps; ++r) {
    const int32_t cosineStep = r < kQuarterSteps ? kQuarterSteps - r : 5 * kQuarterSteps - r;
    quickRa_[r] = {-Sine(r), -Sine(cosineStep)};
  }
}

void TProjection::SetProjection(const TProjectionSetup& setup) {
  const bool quickSwitchedOn = setup.quick && !quickWanted_;
  const bool radiusChanged = setup.radius != radius_;
  centreX_ = setup.centreX;
  centreY_ = setup.centreY;
  yScale_ = setup.yScale;
  quickWanted_ = setup.quick;

  UpdatePrecession(setup.mjdUt);
  const bool tableReplaced = UpdateRefraction(setup);
  radius_ = setup.radius;
  quickMaintained_ = quickWanted_ && radius_ > 0;
  UpdateDepthThresholds();
  // Quick tables are not kept while quick mode is off, so switching it on rebuilds them.
  if (radiusChanged || setup.stereographic != stereographic_ || tableReplaced || quickSwitchedOn) {
    RebuildDepthFactors(setup.stereographic);
  }
  stereographic_ = setup.stereographic;
  if (quickWanted_ && (radiusChanged || quickSwitchedOn)) {
    RebuildScaledSines();
  }

  UpdateLatitude(setup.latitudeDeg);
  UpdateSiderealTime(setup.siderealHours);
  UpdateRotation(setup.rotationDeg, setup.mirror);
  trueOfDate_ = Multiply(Multiply(viewRotation_, latitude_), hourAngle_);
  meanOfDate_ = Multiply(trueOfDate_, nutation_);
  j2000_ = Multiply(meanOfDate_, precession_);

  const double epoch = epoch_;
  epoch_ = kNoEpoch;
  SetEpoch(epoch, epochType_);
  // A horizontal kind leaves M as it was, yet Q must follow the new quick state.
  UpdateQuickMatrix();
}

void TProjection::UpdatePrecession(double mjdUt) {
  if (std::fabs(precessionMjd_ - mjdUt) > kPrecessionRebuildDays) {
    precessionMjd_ = mjdUt;
    precession_ = PrecessionMatrix(0.0, GetT(mjdUt));
  }
}

bool TProjection::UpdateRefraction(const TProjectionSetup& setup) {
  const bool flagChanged = setup.refraction != refractionTable_.has_value();
  const bool conditionsChanged = setup.refraction && refractionTable_ &&
                                 !refractionTable_->IsFor(setup.pressureMbar, setup.temperatureC);
  if (!flagChanged && !conditionsChanged) {
    return false;
  }
  refractionTable_.reset();
  if (setup.refraction) {
    refractionTable_.emplace(setup.pressureMbar, setup.temperatureC);
  }
  return true;
}

void TProjection::UpdateDepthThresholds() {
  if (!refractionTable_) {
    depthThreshold_ = 0.0;
    quickDepthThreshold_ = 0;
    return;
  }
  const double horizonSine = refractionTable_->HorizonSine();
  depthThreshold_ = radius_ * horizonSine;
  quickDepthThreshold_ =
      quickWanted_ ? static_cast<int32_t>(static_cast<double>(kQuickOne) * horizonSine * radius_)
                   : 0;
}

// F[i - v] for depths i half pixels above the threshold v: the factor (times 2048) that the
// quick conversion applies to the horizontal offset.
void TProjection::RebuildDepthFactors(bool stereographic) {
  depthFactors_.clear();
  if (!(stereographic || refractionTable_) || !quickMaintained_) {
    return;
  }
  const int32_t first =
      RoundToInt(static_cast<double>(quickDepthThreshold_) / static_cast<double>(kQuickOne) * 2.0);
  const int32_t last = 2 * radius_;
  depthFactors_.reserve(static_cast<std::size_t>(last) - first + 1);
  for (int32_t i = first; i <= last; ++i) {
    double sine = i * 0.5 / radius_;
    double factor = 1.0;
    if (refractionTable_) {
      const TRefracted apparent = refractionTable_->ApplyRefraction(sine);
      sine = apparent.sine;
      factor = apparent.factor;
    }
    const double scaled = static_cast<double>(kFactorOne) * factor;
    depthFactors_.push_back(RoundToInt(stereographic ? scaled / (sine + 1.0) : scaled));
  }
}

// T from U, so that T[2700 - i] is exactly 16 R cos(i/30 deg) as U rounds it.
void TProjection::RebuildScaledSines() {
  for (int32_t i = 0; i <= kQuarterSteps; ++i) {
    const int32_t value =
        RoundToInt(static_cast<double>(kScaledSineOne) * radius_ * cosineTable_[i] / kCosineScale);
    scaledSineTable_[kQuarterSteps - i + kQuarterSteps] = value;
    scaledSineTable_[i - kQuarterSteps + kQuarterSteps] = -value;
  }
  for (int32_t d = -kQuarterSteps; d <= kQuarterSteps; ++d) {
    quickDec_[d + kQuarterSteps] = {ScaledSine(kQuarterSteps - std::abs(d)),
                                    ScaledSine(d) / static_cast<int32_t>(kScaledSineOne)};
  }
}

void TProjection::UpdateLatitude(double latitudeDeg) {
  if (latitudeDeg == lastLatitudeDeg_) {
    return;
  }
  const auto [s, c] = SinCos(DegToRad(latitudeDeg));
  latitude_ = {{{1.0, 0.0, 0.0}, {0.0, s, c}, {0.0, -c, s}}};
  lastLatitudeDeg_ = latitudeDeg;
}

// B acts on the true equator and equinox of date (X1 = C A B; the other frames reach it
// through N'), so its angle is the apparent sidereal time: with the mean one the whole sky
// would stand off by the equation of the equinoxes, up to 1.1 s of time.
void TProjection::UpdateSiderealTime(double siderealHours) {
  if (siderealHours == lastSiderealHours_) {
    return;
  }
  const auto [s, c] = SinCos(DegToRad(15.0 * siderealHours));
  hourAngle_ = {{{c, -s, 0.0}, {s, c, 0.0}, {0.0, 0.0, 1.0}}};
  lastSiderealHours_ = siderealHours;
  nutation_ = NutationMatrix(GetT(precessionMjd_));
}

void TProjection::UpdateRotation(double rotationDeg, bool mirror) {
  if (rotationDeg == lastRotationDeg_ && mirror == lastMirror_) {
    return;
  }
  const auto [s, c] = SinCos(DegToRad(rotationDeg + 90.0));
  viewRotation_ = {{{s, c, 0.0}, {-c, s, 0.0}, {0.0, 0.0, 1.0}}};
  if (mirror) {
    viewRotation_[0][0] = -viewRotation_[0][0];
    viewRotation_[1][0] = -viewRotation_[1][0];
  }
  lastRotationDeg_ = rotationDeg;
  lastMirror_ = mirror;
}

void TProjection::SetEpoch(double epoch, uint16_t epochType) {
  epochType_ = epochType;
  switch (epochType) {
    case kEpochMeanOfEpoch:
      if (std::fabs(epoch - epoch_) < kEpochTolerance) {
        return;
      }
      UseConversionMatrix(
          std::fabs(epoch) <= kEpochTolerance ? j2000_ : Multiply(j2000_, EpochMatrix(epoch)));
      epoch_ = epoch;
      return;
    case kEpochMeanOfDate:
      epoch_ = kNoEpoch;
      UseConversionMatrix(meanOfDate_);
      return;
    case kEpochTrueOfDate:
      epoch_ = kNoEpoch;
      UseConversionMatrix(trueOfDate_);
      return;
    default:
      epoch_ = kNoEpoch;
      return;
  }
}

const TMatrix3& TProjection::EpochMatrix(double epoch) {
  const auto cached =
      std::find_if(epochCache_.rbegin(), epochCache_.rend(),
                   [epoch](const auto& e) { return std::fabs(e.epoch - epoch) < kEpochTolerance; });
  if (cached != epochCache_.rend()) {
    return cached->matrix;
  }
  epochCache_.push_back({epoch, PrecessionMatrix(epoch, 0.0)});
  return epochCache_.back().matrix;
}

void TProjection::UseConversionMatrix(const TMatrix3& matrix) {
  inverse_ = Inverse(matrix);
  conversion_ = matrix;
  for (double& element : conversion_[1]) {
    element *= yScale_;
  }
  UpdateQuickMatrix();
}

void TProjection::UpdateQuickMatrix() {
  if (!quickWanted_) {
    return;
  }
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      quickMatrix_[3 * i + j] = RoundToInt(static_cast<double>(kQuickOne) * conversion_[i][j]);
    }
  }
}

std::optional<TRaDec> TProjection::XYToRaDec(int32_t x, int32_t y) const {
  if (radius_ <= 0) {
    return std::nullopt;
  }
  const double r = radius_;
  double dx = static_cast<double>(x) - centreX_;
  double dy = (static_cast<double>(centreY_) - y) / yScale_;
  const double distance = std::sqrt(dx * dx + dy * dy);
  if (!(distance <= r)) {
    return std::nullopt;
  }
  double z = 0.0;
  if (stereographic_) {
    const double t = (distance / r) * (distance / r);
    const double sine = (1.0 - t) / (1.0 + t);
    z = r * sine;
    dx *= sine + 1.0;
    dy *= sine + 1.0;
  } else {
    z = std::sqrt((r - distance) * (r + distance));
  }
  if (refractionTable_) {
    const TRefracted trueAltitude = refractionTable_->RemoveRefraction(z / r);
    z = r * trueAltitude.sine;
    dx /= trueAltitude.factor;
    dy /= trueAltitude.factor;
  }
  const TVector3 w = Multiply(inverse_, TVector3{dx, dy, z});
  return TRaDec{Reduce360(270.0 - RadToDeg(ArcTan2(w[1], w[0]))), RadToDeg(ArcSin(w[2] / r))};
}

}  // namespace velarion::sky
