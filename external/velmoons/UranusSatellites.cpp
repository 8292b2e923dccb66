// The five major satellites of Uranus: the analytical theory GUST86 of Laskar and
// Jacobson (A&A 188, 212, 1987). Each satellite has six equinoctial elements given as
// trigonometric series in the five mean longitudes (an), the five proper eccentricity
// angles (ae) and the five proper inclination angles (ai) of the system.
//
// Coefficients: the series published with the theory (Laskar & Jacobson 1987, the
// GUST86 series of N, lambda, z = k + ih and zeta = q + ip as distributed by IMCCE,
// ftp.imcce.fr/pub/ephem/satel/gust86), transcribed as numbers; see PROVENANCE.md.
#include "velmoons.h"

#include "MoonFrame.h"
#include "SatelliteTheories.h"

#include <complex>
#include <numbers>
#include <span>

namespace velmoons {

namespace {

using velcommon::kDaysPerYear;
using velcommon::kKmPerAuIau1976;
using velcommon::kSecondsPerDay;

// Frequencies and phases of the fundamental arguments (the theory's constants).
constexpr std::array<double, kUranusSatelliteCount> kFqn = {4.44519055, 2.492952519, 1.516148111,
                                                            0.721718509, 0.46669212};
constexpr std::array<double, kUranusSatelliteCount> kPhn = {-0.238051, 3.098046, 2.285402, 0.856359,
                                                            -0.915592};
constexpr std::array<double, kUranusSatelliteCount> kFqeDegPerYear = {20.082, 6.217, 2.865, 2.078,
                                                                      0.386};
constexpr std::array<double, kUranusSatelliteCount> kPhe = {0.611392, 2.408974, 2.067774, 0.735131,
                                                            0.426767};
constexpr std::array<double, kUranusSatelliteCount> kFqiDegPerYear = {-20.309, -6.288, -2.836,
                                                                      -1.843, -0.259};
constexpr std::array<double, kUranusSatelliteCount> kPhi = {5.702313, 0.395757, 0.589326, 1.746237,
                                                            4.206896};

// Masses as GM, km^3 / s^2.
constexpr double kSystemGm = 5794554.5;
constexpr std::array<double, kUranusSatelliteCount> kSatelliteGm = {4.4, 86.1, 84.0, 230.0, 200.0};

constexpr std::array<double, kUranusSatelliteCount> kMagnitudeAtUnitDistance = {3.6, 1.47, 2.1,
                                                                                1.03, 1.23};

// The pole of Uranus' equator in the mean equator of B1950, and the rotation of the
// theory's frame onto the FK4 equinox (0.525 arcseconds).
constexpr double kPoleRaDeg = 76.60666666666667;
constexpr double kPoleDecDeg = 15.03222222222222;
constexpr double kEquinoxCorrectionRad = 2.54527182582232e-6;

// One term: coefficient times cos/sin (or exp(i .)) of sum(an_j * multiplier_j), plus
// one proper angle when slow is 1..5 (ae_slow for N, lambda and z; ai_slow for zeta).
struct TTerm {
  double coefficient;
  std::array<std::int8_t, kUranusSatelliteCount> an;
  std::int8_t slow;
};

struct TSatelliteSeries {
  double meanMotion;  // constant part of N, radians per day
  std::span<const TTerm> n;
  std::span<const TTerm> lambda;
  std::span<const TTerm> z;
  std::span<const TTerm> zeta;
};

// ---- Miranda -------------------------------------------------------------------------
constexpr TTerm kMirandaN[] = {{-3.492e-5, {1, -3, 2, 0, 0}, 0},
                               {8.47e-6, {2, -6, 4, 0, 0}, 0},
                               {1.31e-6, {3, -9, 6, 0, 0}, 0},
                               {-5.228e-5, {1, -1, 0, 0, 0}, 0},
                               {-1.3665e-4, {2, -2, 0, 0, 0}, 0}};
constexpr TTerm kMirandaLambda[] = {
    {0.02547217, {1, -3, 2, 0, 0}, 0}, {-0.00308831, {2, -6, 4, 0, 0}, 0},
    {-3.181e-4, {3, -9, 6, 0, 0}, 0},  {-3.749e-5, {4, -12, 8, 0, 0}, 0},
    {-5.785e-5, {1, -1, 0, 0, 0}, 0},  {-6.232e-5, {2, -2, 0, 0, 0}, 0},
    {-2.795e-5, {3, -3, 0, 0, 0}, 0}};
constexpr TTerm kMirandaZ[] = {{0.00131238, {0, 0, 0, 0, 0}, 1},  {7.181e-5, {0, 0, 0, 0, 0}, 2},
                               {6.977e-5, {0, 0, 0, 0, 0}, 3},    {6.75e-6, {0, 0, 0, 0, 0}, 4},
                               {6.27e-6, {0, 0, 0, 0, 0}, 5},     {1.941e-4, {1, 0, 0, 0, 0}, 0},
                               {-1.2331e-4, {-1, 2, 0, 0, 0}, 0}, {3.952e-5, {-2, 3, 0, 0, 0}, 0}};
constexpr TTerm kMirandaZeta[] = {{0.03787171, {0, 0, 0, 0, 0}, 1},
                                  {2.701e-5, {0, 0, 0, 0, 0}, 2},
                                  {3.076e-5, {0, 0, 0, 0, 0}, 3},
                                  {1.218e-5, {0, 0, 0, 0, 0}, 4},
                                  {5.37e-6, {0, 0, 0, 0, 0}, 5}};

// ---- Ariel ---------------------------------------------------------------------------
constexpr TTerm kArielN[] = {{2.55e-6, {1, -3, 2, 0, 0}, 0},
                             {-4.216e-5, {0, 1, -1, 0, 0}, 0},
                             {-1.0256e-4, {0, 2, -2, 0, 0}, 0}};
constexpr TTerm kArielLambda[] = {
    {-0.0018605, {1, -3, 2, 0, 0}, 0}, {2.1999e-4, {2, -6, 4, 0, 0}, 0},
    {2.31e-5, {3, -9, 6, 0, 0}, 0},    {4.3e-6, {4, -12, 8, 0, 0}, 0},
    {-9.011e-5, {0, 1, -1, 0, 0}, 0},  {-9.107e-5, {0, 2, -2, 0, 0}, 0},
    {-4.275e-5, {0, 3, -3, 0, 0}, 0},  {-1.649e-5, {0, 2, 0, -2, 0}, 0}};
constexpr TTerm kArielZ[] = {{-3.35e-6, {0, 0, 0, 0, 0}, 1},  {0.00118763, {0, 0, 0, 0, 0}, 2},
                             {8.6159e-4, {0, 0, 0, 0, 0}, 3}, {7.15e-5, {0, 0, 0, 0, 0}, 4},
                             {5.559e-5, {0, 0, 0, 0, 0}, 5},  {-8.46e-5, {0, -1, 2, 0, 0}, 0},
                             {9.181e-5, {0, -2, 3, 0, 0}, 0}, {2.003e-5, {0, -1, 0, 2, 0}, 0},
                             {8.977e-5, {0, 1, 0, 0, 0}, 0}};
constexpr TTerm kArielZeta[] = {{-1.2175e-4, {0, 0, 0, 0, 0}, 1},
                                {3.5825e-4, {0, 0, 0, 0, 0}, 2},
                                {2.9008e-4, {0, 0, 0, 0, 0}, 3},
                                {9.778e-5, {0, 0, 0, 0, 0}, 4},
                                {3.397e-5, {0, 0, 0, 0, 0}, 5}};

// ---- Umbriel -------------------------------------------------------------------------
constexpr TTerm kUmbrielN[] = {{9.74e-6, {0, 0, 1, -2, 0}, 3},  {-1.06e-4, {0, 1, -1, 0, 0}, 0},
                               {5.416e-5, {0, 2, -2, 0, 0}, 0}, {-2.359e-5, {0, 0, 1, -1, 0}, 0},
                               {-7.07e-5, {0, 0, 2, -2, 0}, 0}, {-3.628e-5, {0, 0, 3, -3, 0}, 0}};
constexpr TTerm kUmbrielLambda[] = {
    {6.6057e-4, {1, -3, 2, 0, 0}, 0}, {-7.651e-5, {2, -6, 4, 0, 0}, 0},
    {-8.96e-6, {3, -9, 6, 0, 0}, 0},  {-2.53e-6, {4, -12, 8, 0, 0}, 0},
    {-5.291e-5, {0, 0, 1, -4, 3}, 0}, {-7.34e-6, {0, 0, 1, -2, 0}, 5},
    {-1.83e-6, {0, 0, 1, -2, 0}, 4},  {1.4791e-4, {0, 0, 1, -2, 0}, 3},
    {-7.77e-6, {0, 0, 1, -2, 0}, 2},  {9.776e-5, {0, 1, -1, 0, 0}, 0},
    {7.313e-5, {0, 2, -2, 0, 0}, 0},  {3.471e-5, {0, 3, -3, 0, 0}, 0},
    {1.889e-5, {0, 4, -4, 0, 0}, 0},  {-6.789e-5, {0, 0, 1, -1, 0}, 0},
    {-8.286e-5, {0, 0, 2, -2, 0}, 0}, {-3.381e-5, {0, 0, 3, -3, 0}, 0},
    {-1.579e-5, {0, 0, 4, -4, 0}, 0}, {-1.021e-5, {0, 0, 1, 0, -1}, 0},
    {-1.708e-5, {0, 0, 2, 0, -2}, 0}};
constexpr TTerm kUmbrielZ[] = {{-2.1e-7, {0, 0, 0, 0, 0}, 1},     {-2.2795e-4, {0, 0, 0, 0, 0}, 2},
                               {0.00390469, {0, 0, 0, 0, 0}, 3},  {3.0917e-4, {0, 0, 0, 0, 0}, 4},
                               {2.2192e-4, {0, 0, 0, 0, 0}, 5},   {2.934e-5, {0, 1, 0, 0, 0}, 0},
                               {2.62e-5, {0, 0, 1, 0, 0}, 0},     {5.119e-5, {0, -1, 2, 0, 0}, 0},
                               {-1.0386e-4, {0, -2, 3, 0, 0}, 0}, {-2.716e-5, {0, -3, 4, 0, 0}, 0},
                               {-1.622e-5, {0, 0, 0, 1, 0}, 0},   {5.4923e-4, {0, 0, -1, 2, 0}, 0},
                               {3.47e-5, {0, 0, -2, 3, 0}, 0},    {1.281e-5, {0, 0, -3, 4, 0}, 0},
                               {2.181e-5, {0, 0, -1, 0, 2}, 0},   {4.625e-5, {0, 0, 1, 0, 0}, 0}};
constexpr TTerm kUmbrielZeta[] = {{-1.086e-5, {0, 0, 0, 0, 0}, 1},
                                  {-8.151e-5, {0, 0, 0, 0, 0}, 2},
                                  {0.00111336, {0, 0, 0, 0, 0}, 3},
                                  {3.5014e-4, {0, 0, 0, 0, 0}, 4},
                                  {1.065e-4, {0, 0, 0, 0, 0}, 5}};

// ---- Titania -------------------------------------------------------------------------
constexpr TTerm kTitaniaN[] = {{-2.64e-6, {0, 0, 1, -2, 0}, 3},  {-2.16e-6, {0, 0, 0, 2, -3}, 5},
                               {6.45e-6, {0, 0, 0, 2, -3}, 4},   {-1.11e-6, {0, 0, 0, 2, -3}, 3},
                               {-6.223e-5, {0, 1, 0, -1, 0}, 0}, {-5.613e-5, {0, 0, 1, -1, 0}, 0},
                               {-3.994e-5, {0, 0, 0, 1, -1}, 0}, {-9.185e-5, {0, 0, 0, 2, -2}, 0},
                               {-5.831e-5, {0, 0, 0, 3, -3}, 0}, {-3.86e-5, {0, 0, 0, 4, -4}, 0},
                               {-2.618e-5, {0, 0, 0, 5, -5}, 0}, {-1.806e-5, {0, 0, 0, 6, -6}, 0}};
constexpr TTerm kTitaniaLambda[] = {
    {2.061e-5, {0, 0, 1, -4, 3}, 0},   {-2.07e-6, {0, 0, 1, -2, 0}, 5},
    {-2.88e-6, {0, 0, 1, -2, 0}, 4},   {-4.079e-5, {0, 0, 1, -2, 0}, 3},
    {2.11e-6, {0, 0, 1, -2, 0}, 2},    {-5.183e-5, {0, 0, 0, 2, -3}, 5},
    {1.5987e-4, {0, 0, 0, 2, -3}, 4},  {-3.505e-5, {0, 0, 0, 2, -3}, 3},
    {-1.56e-6, {0, 0, 0, 3, -4}, 5},   {4.054e-5, {0, 1, 0, -1, 0}, 0},
    {4.617e-5, {0, 0, 1, -1, 0}, 0},   {-3.1776e-4, {0, 0, 0, 1, -1}, 0},
    {-3.0559e-4, {0, 0, 0, 2, -2}, 0}, {-1.4836e-4, {0, 0, 0, 3, -3}, 0},
    {-8.292e-5, {0, 0, 0, 4, -4}, 0},  {-4.998e-5, {0, 0, 0, 5, -5}, 0},
    {-3.156e-5, {0, 0, 0, 6, -6}, 0},  {-2.056e-5, {0, 0, 0, 7, -7}, 0},
    {-1.369e-5, {0, 0, 0, 8, -8}, 0}};
constexpr TTerm kTitaniaZ[] = {{-2e-8, {0, 0, 0, 0, 0}, 1},       {-1.29e-6, {0, 0, 0, 0, 0}, 2},
                               {-3.2451e-4, {0, 0, 0, 0, 0}, 3},  {9.3281e-4, {0, 0, 0, 0, 0}, 4},
                               {0.00112089, {0, 0, 0, 0, 0}, 5},  {3.386e-5, {0, 1, 0, 0, 0}, 0},
                               {1.746e-5, {0, 0, 0, 1, 0}, 0},    {1.658e-5, {0, -1, 0, 2, 0}, 0},
                               {2.889e-5, {0, 0, 1, 0, 0}, 0},    {-3.586e-5, {0, 0, -1, 2, 0}, 0},
                               {-1.786e-5, {0, 0, 0, 1, 0}, 0},   {-3.21e-5, {0, 0, 0, 0, 1}, 0},
                               {-1.7783e-4, {0, 0, 0, -1, 2}, 0}, {7.9343e-4, {0, 0, 0, -2, 3}, 0},
                               {9.948e-5, {0, 0, 0, -3, 4}, 0},   {4.483e-5, {0, 0, 0, -4, 5}, 0},
                               {2.513e-5, {0, 0, 0, -5, 6}, 0},   {1.543e-5, {0, 0, 0, -6, 7}, 0}};
constexpr TTerm kTitaniaZeta[] = {{-1.43e-6, {0, 0, 0, 0, 0}, 1},
                                  {-1.06e-6, {0, 0, 0, 0, 0}, 2},
                                  {-1.4013e-4, {0, 0, 0, 0, 0}, 3},
                                  {6.8572e-4, {0, 0, 0, 0, 0}, 4},
                                  {3.7832e-4, {0, 0, 0, 0, 0}, 5}};

// ---- Oberon --------------------------------------------------------------------------
constexpr TTerm kOberonN[] = {{2.08e-6, {0, 0, 0, 2, -3}, 5},   {-6.22e-6, {0, 0, 0, 2, -3}, 4},
                              {1.07e-6, {0, 0, 0, 2, -3}, 3},   {-4.31e-5, {0, 1, 0, 0, -1}, 0},
                              {-3.894e-5, {0, 0, 1, 0, -1}, 0}, {-8.011e-5, {0, 0, 0, 1, -1}, 0},
                              {5.906e-5, {0, 0, 0, 2, -2}, 0},  {3.749e-5, {0, 0, 0, 3, -3}, 0},
                              {2.482e-5, {0, 0, 0, 4, -4}, 0},  {1.684e-5, {0, 0, 0, 5, -5}, 0}};
constexpr TTerm kOberonLambda[] = {
    {-7.82e-6, {0, 0, 1, -4, 3}, 0},   {5.129e-5, {0, 0, 0, 2, -3}, 5},
    {-1.5824e-4, {0, 0, 0, 2, -3}, 4}, {3.451e-5, {0, 0, 0, 2, -3}, 3},
    {4.751e-5, {0, 1, 0, 0, -1}, 0},   {3.896e-5, {0, 0, 1, 0, -1}, 0},
    {3.5973e-4, {0, 0, 0, 1, -1}, 0},  {2.8278e-4, {0, 0, 0, 2, -2}, 0},
    {1.386e-4, {0, 0, 0, 3, -3}, 0},   {7.803e-5, {0, 0, 0, 4, -4}, 0},
    {4.729e-5, {0, 0, 0, 5, -5}, 0},   {3e-5, {0, 0, 0, 6, -6}, 0},
    {1.962e-5, {0, 0, 0, 7, -7}, 0},   {1.311e-5, {0, 0, 0, 8, -8}, 0}};
constexpr TTerm kOberonZ[] = {{-3.5e-7, {0, 0, 0, 0, 0}, 2},     {7.453e-5, {0, 0, 0, 0, 0}, 3},
                              {-7.5868e-4, {0, 0, 0, 0, 0}, 4},  {0.00139734, {0, 0, 0, 0, 0}, 5},
                              {3.9e-5, {0, 1, 0, 0, 0}, 0},      {1.766e-5, {0, -1, 0, 0, 2}, 0},
                              {3.242e-5, {0, 0, 1, 0, 0}, 0},    {7.975e-5, {0, 0, 0, 1, 0}, 0},
                              {7.566e-5, {0, 0, 0, 0, 1}, 0},    {1.3404e-4, {0, 0, 0, -1, 2}, 0},
                              {-9.8726e-4, {0, 0, 0, -2, 3}, 0}, {-1.2609e-4, {0, 0, 0, -3, 4}, 0},
                              {-5.742e-5, {0, 0, 0, -4, 5}, 0},  {-3.241e-5, {0, 0, 0, -5, 6}, 0},
                              {-1.999e-5, {0, 0, 0, -6, 7}, 0},  {-1.294e-5, {0, 0, 0, -7, 8}, 0}};
constexpr TTerm kOberonZeta[] = {{-4.4e-7, {0, 0, 0, 0, 0}, 1},
                                 {-3.1e-7, {0, 0, 0, 0, 0}, 2},
                                 {3.689e-5, {0, 0, 0, 0, 0}, 3},
                                 {-5.9633e-4, {0, 0, 0, 0, 0}, 4},
                                 {4.5169e-4, {0, 0, 0, 0, 0}, 5}};

constexpr std::array<TSatelliteSeries, kUranusSatelliteCount> kSeries = {{
    {4.44352267, kMirandaN, kMirandaLambda, kMirandaZ, kMirandaZeta},
    {2.49254257, kArielN, kArielLambda, kArielZ, kArielZeta},
    {1.5159549, kUmbrielN, kUmbrielLambda, kUmbrielZ, kUmbrielZeta},
    {0.72166316, kTitaniaN, kTitaniaLambda, kTitaniaZ, kTitaniaZeta},
    {0.46658054, kOberonN, kOberonLambda, kOberonZ, kOberonZeta},
}};

using TAngles = std::array<double, kUranusSatelliteCount>;

struct TFundamentalArguments {
  TAngles an;
  TAngles ae;
  TAngles ai;
};

TFundamentalArguments FundamentalArguments(double tDays) {
  TFundamentalArguments f{};
  const double years = tDays / kDaysPerYear;
  for (std::size_t j = 0; j < kUranusSatelliteCount; ++j) {
    f.an[j] = Reduce2Pi(kFqn[j] * tDays + kPhn[j]);
    f.ae[j] = Reduce2Pi(kFqeDegPerYear[j] * kDegToRad * years + kPhe[j]);
    f.ai[j] = Reduce2Pi(kFqiDegPerYear[j] * kDegToRad * years + kPhi[j]);
  }
  return f;
}

double Argument(const TTerm& term, const TAngles& an, const TAngles& slow) {
  double argument = 0.0;
  for (std::size_t j = 0; j < kUranusSatelliteCount; ++j) {
    argument += term.an[j] * an[j];
  }
  if (term.slow > 0) {
    argument += slow[static_cast<std::size_t>(term.slow - 1)];
  }
  return argument;
}

double CosineSeries(std::span<const TTerm> terms, const TAngles& an, const TAngles& slow) {
  double sum = 0.0;
  for (const TTerm& term : terms) {
    sum += term.coefficient * std::cos(Argument(term, an, slow));
  }
  return sum;
}

double SineSeries(std::span<const TTerm> terms, const TAngles& an, const TAngles& slow) {
  double sum = 0.0;
  for (const TTerm& term : terms) {
    sum += term.coefficient * std::sin(Argument(term, an, slow));
  }
  return sum;
}

std::complex<double> ExpSeries(std::span<const TTerm> terms, const TAngles& an,
                               const TAngles& slow) {
  return {CosineSeries(terms, an, slow), SineSeries(terms, an, slow)};
}

struct TEquinoctialElements {
  double a;  // km
  double lambda;
  std::complex<double> z;     // k + i h
  std::complex<double> zeta;  // q + i p
};

double SatelliteGm(std::size_t i) {
  double planetGm = kSystemGm;
  for (double gm : kSatelliteGm) {
    planetGm -= gm;
  }
  return planetGm + kSatelliteGm[i];
}

TEquinoctialElements ElementsAt(double tDays, std::size_t i) {
  const TFundamentalArguments f = FundamentalArguments(tDays);
  const TSatelliteSeries& series = kSeries[i];
  const double n = series.meanMotion + CosineSeries(series.n, f.an, f.ae);
  const double lambda = f.an[i] + SineSeries(series.lambda, f.an, f.ae);
  const double a = std::cbrt(SatelliteGm(i) * kSecondsPerDay * kSecondsPerDay / (n * n));
  return {a, Reduce2Pi(lambda), ExpSeries(series.z, f.an, f.ae),
          ExpSeries(series.zeta, f.an, f.ai)};
}

// Position in Uranus' equatorial frame (km) from the equinoctial elements.
TVec3 PositionFromElements(const TEquinoctialElements& el) {
  const double k = el.z.real(), h = el.z.imag();
  const double q = el.zeta.real(), p = el.zeta.imag();
  const double phi = std::sqrt(1.0 - k * k - h * h);
  const double psi = std::sqrt(1.0 - q * q - p * p);
  const double ri = 1.0 / (1.0 + phi);
  const double f = SolveEquinoctialKepler(el.lambda, k, h);
  const double s = std::sin(f), c = std::cos(f);
  const double ell = -k * s + h * c;
  const double x1 = el.a * (c - ri * h * ell - k);
  const double x2 = el.a * (s + ri * k * ell - h);
  return {(1.0 - 2.0 * p * p) * x1 + 2.0 * p * q * x2, 2.0 * p * q * x1 + (1.0 - 2.0 * q * q) * x2,
          -2.0 * p * psi * x1 + 2.0 * q * psi * x2};
}

// From Uranus' equator to the mean equator of B1950 (rows of the pole matrix).
TVec3 EquatorToB1950(TVec3 v) {
  const double sa = std::sin(kPoleRaDeg * kDegToRad), ca = std::cos(kPoleRaDeg * kDegToRad);
  const double sd = std::sin(kPoleDecDeg * kDegToRad), cd = std::cos(kPoleDecDeg * kDegToRad);
  const TVec3 b1950 = {sa * v.x + ca * sd * v.y + ca * cd * v.z,
                       -ca * v.x + sa * sd * v.y + sa * cd * v.z, -cd * v.y + sd * v.z};
  return RotateZ(b1950, kEquinoxCorrectionRad);
}

TSatelliteCache<kUranusSatelliteCount> gCache;

}  // namespace

double SolveEquinoctialKepler(double lambda, double k, double h) {
  // Newton's method on f(F) = F - k sin F + h cos F - lambda, whose slope 1 - k cos F -
  // h sin F is at least 1 - |z| > 0. Each step is kept no longer than the one before (the
  // first no longer than pi), so an overshoot cannot run away; the loops are bounded.
  constexpr int kMaxIterations = 50;
  constexpr int kMaxHalvings = 60;
  constexpr double kTolerance = 1e-10;
  double f = lambda;
  double bound = std::numbers::pi;
  for (int iteration = 0; iteration < kMaxIterations; ++iteration) {
    const double g = f - k * std::sin(f) + h * std::cos(f) - lambda;
    const double slope = 1.0 - k * std::cos(f) - h * std::sin(f);
    const double step = g / slope;
    if (!std::isfinite(step)) {
      break;
    }
    double weight = 1.0;
    for (int halving = 0; halving < kMaxHalvings && std::fabs(weight * step) > bound; ++halving) {
      weight *= 0.5;
    }
    const double next = f - weight * step;
    if (weight == 1.0 && std::fabs(next - f) <= kTolerance && std::fabs(g) <= kTolerance) {
      return next;
    }
    bound = std::fabs(next - f);
    f = next;
  }
  return f;
}

TVec3 UranusSatelliteB1950(double tDays, std::size_t i) {
  return EquatorToB1950(PositionFromElements(ElementsAt(tDays, i)));
}

}  // namespace velmoons

extern "C" void CalcUraSat(double t, int32_t satellite, double* ra, double* dec, double* distance,
                           double* magnitude) {
  using namespace velmoons;
  constexpr double kTheoryEpochJd = 2444239.5;
  const std::size_t i = static_cast<std::uint8_t>(satellite);
  if (i >= kUranusSatelliteCount) {
    return;
  }
  if (const auto cached = gCache.Find(i, t)) {
    WritePlace(*cached, ra, dec, distance, magnitude);
    return;
  }
  const TParentPlanet uranus = ParentPlanetPosition(TPlanet::Uranus, t);
  const TVec3 s =
      PrecessFromB1950(UranusSatelliteB1950(EmissionJd(t, uranus) - kTheoryEpochJd, i), t);
  const TSatellitePlace place =
      PlaceFromOffset(uranus, (1.0 / kKmPerAuIau1976) * s, kMagnitudeAtUnitDistance[i]);
  gCache.Store(i, t, place);
  WritePlace(place, ra, dec, distance, magnitude);
}
