// The projection of equatorial directions onto the zenith-centred sky map and back, for one
// place, one moment and one view. The map's rim is the horizon, a circle of radius R pixels
// about (cx, cy); south lies straight below the zenith and west to its right until the view
// is rotated or mirrored.
#ifndef VELARION_APP_SKY_PROJECTION_H
#define VELARION_APP_SKY_PROJECTION_H

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "AngleUtils.h"
#include "RefractionTable.h"

namespace velarion::sky {

// Frames of the coordinates given to the conversions (SetEpoch's second argument).
inline constexpr uint16_t kEpochHorizontal = 0;
inline constexpr uint16_t kEpochMeanOfEpoch = 1;
inline constexpr uint16_t kEpochMeanOfDate = 2;
inline constexpr uint16_t kEpochTrueOfDate = 3;

// Everything the sky image knows about the view before a redraw.
struct TProjectionSetup {
  int32_t centreX = 0;
  int32_t centreY = 0;
  int32_t radius = 0;
  double yScale = 1.0;  // vertical over horizontal pixel density of the device
  bool stereographic = false;
  bool quick = false;  // zoom at most 600 percent: integer tables maintained
  double latitudeDeg = 0.0;
  // Local apparent sidereal time (LAST): B turns the true equator and equinox of date.
  double siderealHours = 0.0;
  double mjdUt = 0.0;
  double rotationDeg = 0.0;
  bool mirror = false;
  bool refraction = false;
  double pressureMbar = 1010.0;
  double temperatureC = 10.0;
};

struct TPixel {
  int32_t x;
  int32_t y;
  bool operator==(const TPixel&) const = default;
};

struct TRaDec {
  double raDeg;
  double decDeg;
};

struct TPixelRect {
  int32_t left;
  int32_t top;
  int32_t right;
  int32_t bottom;
};

// Right ascension may run past 360 when the box straddles RA 0 (raMin 350, raMax 370).
struct TRaDecRange {
  double raMinDeg;
  double raMaxDeg;
  double decMinDeg;
  double decMaxDeg;
};

class TProjection {
 public:
  TProjection();

  // Rebuilds whatever the changed inputs invalidate, then re-selects the current frame.
  void SetProjection(const TProjectionSetup& setup);

  // Chooses the frame of the coordinates the following conversions receive: kind 1 the
  // mean equator and equinox of `epoch` (centuries from J2000.0), kind 2 the mean and kind
  // 3 the true equator of the view's date. Any other kind keeps the matrix in force.
  void SetEpoch(double epoch, uint16_t epochType);

  // Pixel of a direction (degrees) when it lies on the visible side of the (apparent)
  // horizon; the pixel may still be outside the image.
  [[nodiscard]] std::optional<TPixel> RaDecToXY(double raDeg, double decDeg) const;

  // The same at two-arcminute resolution with integer tables: RA in arcminutes (reduced
  // modulo 21600), Dec in arcminutes within -5400..5400. Answers only while the quick
  // tables are maintained.
  [[nodiscard]] std::optional<TPixel> QuickRaDecToXY(int32_t raArcmin, int32_t decArcmin) const;

  // The integer state of the quick conversion, so that it can be checked against its
  // definition from S, U and T.
  struct TQuickState {
    const std::array<int64_t, 9>& q;
    const std::vector<int32_t>& depthFactors;
    int32_t depthThreshold;
  };
  [[nodiscard]] TQuickState QuickState() const {
    return {quickMatrix_, depthFactors_, quickDepthThreshold_};
  }

  // Direction of a pixel inside the horizon circle, RA in [0, 360), in the current frame.
  [[nodiscard]] std::optional<TRaDec> XYToRaDec(int32_t x, int32_t y) const;

  // RA/Dec box covering the visible part of a pixel rectangle; the circle given here is the
  // one the rectangle is clipped with.
  [[nodiscard]] TRaDecRange GetVisibleRaDecRange(const TPixelRect& rect, int32_t centreX,
                                                 int32_t centreY, int32_t radius,
                                                 double yScale) const;

 private:
  static constexpr int32_t kSineOffset = 100;  // S runs from -100
  static constexpr int32_t kSineLast = 10900;
  static constexpr int32_t kQuarterSteps = 2700;  // 90 deg in 1/30 deg steps
  static constexpr int32_t kFullTurnSteps = 10800;
  static constexpr int32_t kArcminPerTurn = 21600;
  static constexpr int32_t kMaxDecArcmin = 5400;

  // Fixed-point scales of the quick conversion.
  static constexpr int64_t kQuickOne = 131072;       // 2^17: Q and the integer depth
  static constexpr int64_t kFactorOne = 2048;        // F
  static constexpr int64_t kHalfPixelDepth = 65536;  // depth of half a pixel in Q units
  static constexpr int64_t kScaledSineOne = 16;      // T = 16 R sin

  void FillConstantTables();
  void UpdatePrecession(double mjdUt);
  bool UpdateRefraction(const TProjectionSetup& setup);
  void UpdateDepthThresholds();
  void RebuildDepthFactors(bool stereographic);
  void RebuildScaledSines();
  void UpdateLatitude(double latitudeDeg);
  void UpdateSiderealTime(double siderealHours);
  void UpdateRotation(double rotationDeg, bool mirror);
  const TMatrix3& EpochMatrix(double epoch);
  void UseConversionMatrix(const TMatrix3& matrix);
  void UpdateQuickMatrix();

  [[nodiscard]] int32_t Sine(int32_t step) const { return sineTable_[step + kSineOffset]; }
  [[nodiscard]] int32_t ScaledSine(int32_t step) const {
    return scaledSineTable_[step + kQuarterSteps];
  }

  struct TEpochMatrix {
    double epoch;
    TMatrix3 matrix;
  };

  struct TQuickRaStep {
    int32_t negSin;  // -S[r]
    int32_t negCos;  // -S[r']
  };
  struct TQuickDecStep {
    int32_t radialCos;  // T[2700 - |d|]
    int32_t height;     // T[d] div 16
  };

  // View. (Small members first, grouped by size, to keep the object free of padding.)
  int32_t centreX_ = 0;
  int32_t centreY_ = 0;
  int32_t radius_ = 0;
  int32_t quickDepthThreshold_ = 0;  // with refraction in quick mode, else 0
  double yScale_ = 1.0;
  double depthThreshold_ = 0.0;  // below this depth a direction is hidden
  bool stereographic_ = false;
  bool quickWanted_ = false;
  bool quickMaintained_ = false;
  bool lastMirror_ = false;
  uint16_t epochType_ = kEpochMeanOfEpoch;
  double epoch_ = 0.0;

  std::optional<TRefractionTable> refractionTable_;

  // Inputs the matrices were built for. The impossible starting values force the first
  // build whatever the first view is.
  double lastLatitudeDeg_ = 9999.0;
  double lastSiderealHours_ = 9999.0;
  double lastRotationDeg_ = 0.0;
  double precessionMjd_ = 1.0e9;

  TMatrix3 latitude_ = kIdentity3;      // A
  TMatrix3 hourAngle_ = kIdentity3;     // B
  TMatrix3 viewRotation_ = kIdentity3;  // C
  TMatrix3 precession_ = kIdentity3;    // P': J2000.0 to mean of date
  TMatrix3 nutation_ = kIdentity3;      // N': mean to true of date
  TMatrix3 trueOfDate_ = kIdentity3;    // X1 = C A B
  TMatrix3 meanOfDate_ = kIdentity3;    // X2 = X1 N'
  TMatrix3 j2000_ = kIdentity3;         // X3 = X2 P'

  TMatrix3 conversion_ = kIdentity3;  // M, row 1 scaled by yScale_
  TMatrix3 inverse_ = kIdentity3;     // inverse of M before the scaling
  // Q = M * 2^17 rounded; 64-bit so that the inner loop multiplies without widening.
  std::array<int64_t, 9> quickMatrix_{};

  std::vector<TEpochMatrix> epochCache_;  // catalogue epoch to J2000.0, searched newest first

  // S: 8192 sin(k/30 deg), k = -100..10900. U: 65535 cos(i/30 deg), i = 0..2700.
  // T: 16 R sin(j/30 deg), j = -2700..2700. F: radial factor per half pixel of depth.
  std::array<int32_t, kSineLast + kSineOffset + 1> sineTable_{};
  std::array<uint16_t, kQuarterSteps + 1> cosineTable_{};
  std::array<int32_t, 2 * kQuarterSteps + 1> scaledSineTable_{};
  std::vector<int32_t> depthFactors_;
  // S and T rearranged for QuickRaDecToXY: by RA step 0..10799 and by Dec step -2700..2700.
  std::array<TQuickRaStep, kFullTurnSteps> quickRa_{};
  std::array<TQuickDecStep, 2 * kQuarterSteps + 1> quickDec_{};
};

// The two forward conversions are the inner loops of every catalogue group; they live here
// so that the host exports compile them in place.

inline std::optional<TPixel> TProjection::RaDecToXY(double raDeg, double decDeg) const {
  if (radius_ <= 0) {
    return std::nullopt;
  }
  const auto [sinRa, cosRa] = SinCosDeg(raDeg);
  const auto [sinDec, cosDec] = SinCosDeg(decDeg);
  const double r = radius_;
  const TVector3 view = {-r * cosDec * sinRa, -r * cosDec * cosRa, r * sinDec};
  const double depth = RowTimes(conversion_, 2, view);
  // Written so that NaN input is hidden too; a depth exactly at the threshold is visible.
  if (!(depth >= depthThreshold_)) {
    return std::nullopt;
  }
  double factor = 1.0;
  if (stereographic_ || refractionTable_) {
    double sine = depth / r;
    if (refractionTable_) {
      const TRefracted apparent = refractionTable_->ApplyRefraction(sine);
      sine = apparent.sine;
      factor = apparent.factor;
    }
    if (stereographic_) {
      factor /= sine + 1.0;
    }
  }
  return TPixel{RoundToInt(RowTimes(conversion_, 0, view) * factor) + centreX_,
                centreY_ - RoundToInt(RowTimes(conversion_, 1, view) * factor)};
}

inline std::optional<TPixel> TProjection::QuickRaDecToXY(int32_t raArcmin,
                                                         int32_t decArcmin) const {
  if (!quickMaintained_ || decArcmin < -kMaxDecArcmin || decArcmin > kMaxDecArcmin) {
    return std::nullopt;
  }
  int32_t ra = raArcmin;
  if (ra < 0 || ra >= kArcminPerTurn) {
    ra %= kArcminPerTurn;
    ra += ra < 0 ? kArcminPerTurn : 0;
  }
  // The tables hold, per two-arcminute step, the factors of the conversion read from S and
  // T: for RA -S[r] and -S[r'] (r' the step of 90 deg - RA, so that S[r'] is the cosine),
  // for Dec T[2700 - |d|] (16 R cos) and T[d] div 16. Same values, fewer operations.
  const TQuickRaStep& r = quickRa_[static_cast<uint32_t>(ra) / 2];
  const TQuickDecStep& d = quickDec_[decArcmin / 2 + kQuarterSteps];
  const int64_t e0 = int64_t{d.radialCos} * r.negSin / kQuickOne;
  const int64_t e1 = int64_t{d.radialCos} * r.negCos / kQuickOne;
  const int64_t e2 = d.height;
  const auto& q = quickMatrix_;
  const int64_t depth = q[6] * e0 + q[7] * e1 + q[8] * e2;
  if (depth < quickDepthThreshold_) {
    return std::nullopt;
  }
  int64_t x = q[0] * e0 + q[1] * e1 + q[2] * e2;
  int64_t y = q[3] * e0 + q[4] * e1 + q[5] * e2;
  // F is filled exactly when stereographic or refraction is on in quick mode.
  if (!depthFactors_.empty()) {
    const auto index =
        std::min(static_cast<std::size_t>((depth - quickDepthThreshold_) / kHalfPixelDepth),
                 depthFactors_.size() - 1);
    const int64_t factor = depthFactors_[index];
    x = x / kFactorOne * factor;
    y = y / kFactorOne * factor;
  }
  return TPixel{static_cast<int32_t>(x / kQuickOne) + centreX_,
                centreY_ - static_cast<int32_t>(y / kQuickOne)};
}

}  // namespace velarion::sky

#endif
