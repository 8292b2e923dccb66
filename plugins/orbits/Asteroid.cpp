#include "Asteroid.h"

#include "ImportLine.h"

#include <cmath>

namespace velarion::orbits {
namespace {

// Days per degree of mean motion at a = 1 AU, as the product of its two factors.
constexpr double kDaysPerDegreeAtOneAu = 1.0145616632689169 * 1.000040246;

bool AllFinite(std::initializer_list<double> values) {
  for (double v : values) {
    if (!std::isfinite(v)) return false;
  }
  return true;
}

}  // namespace

TElementFault CheckAsteroidElements(const TAsteroidElements& e) {
  if (!AllFinite({e.epochMjd, e.ascendingNodeDeg, e.inclinationDeg, e.perihelionArgumentDeg,
                  e.eccentricity, e.semimajorAxisAu, e.meanAnomalyDeg})) {
    return TElementFault::kNotFinite;
  }
  if (e.number < 0) return TElementFault::kNegativeNumber;
  if (e.eccentricity < 0.0) return TElementFault::kNegativeEccentricity;
  if (e.eccentricity >= 1.0) return TElementFault::kEccentricityNotBelowOne;
  if (!(e.semimajorAxisAu > 0.0)) return TElementFault::kSemimajorAxisNotPositive;
  return TElementFault::kNone;
}

TElementFault TAsteroid::SetElements(const TAsteroidElements& elements) {
  const TElementFault fault = CheckAsteroidElements(elements);
  if (fault == TElementFault::kNone) elements_ = elements;
  return fault;
}

TElementFault TAsteroid::ReadRecord(velplatform::TByteReader& reader) {
  const std::optional<int32_t> number = reader.Read<int32_t>();
  std::optional<std::string> name = reader.ReadShortString();
  const auto reals = reader.ReadArray<double, 7>();
  const auto magnitudes = reader.ReadArray<int16_t, 2>();
  const std::optional<TRecordTail> tail = ReadRecordTail(reader);
  if (!number || !name || !reals || !magnitudes || !tail) return TElementFault::kTruncatedRecord;
  const auto [epoch, node, i, w, eccentricity, a, m] = *reals;
  if (!std::isfinite(tail->equinoxMjd)) return TElementFault::kNotFinite;
  const TElementFault fault = SetElements(
      {*number, epoch, node, i, w, eccentricity, a, m, (*magnitudes)[0], (*magnitudes)[1]});
  if (fault == TElementFault::kNone) Adopt(std::move(*name), *tail);
  return fault;
}

void TAsteroid::WriteRecord(velplatform::TByteWriter& writer) const {
  const TAsteroidElements& e = elements_;
  writer.Write(static_cast<uint8_t>(TOrbitalKind::kAsteroid));
  writer.Write(e.number);
  writer.WriteShortString(Name());
  for (double real : {e.epochMjd, e.ascendingNodeDeg, e.inclinationDeg, e.perihelionArgumentDeg,
                      e.eccentricity, e.semimajorAxisAu, e.meanAnomalyDeg}) {
    writer.Write(real);
  }
  writer.Write(e.absoluteMagnitude100);
  writer.Write(e.slope100);
  WriteRecordTail(writer);
}

TElementFault TAsteroid::ParseLine(std::string_view line) {
  if (line.empty()) return TElementFault::kUnreadableNumber;
  const bool selected = line.front() != ' ';
  TImportLineScanner scanner(line, 1);
  const std::optional<int32_t> number = scanner.ReadInteger();
  std::string name = scanner.ReadNameField();
  const std::optional<double> epoch = scanner.ReadFractionalDate();
  const auto reals = scanner.ReadDecimals<8>();
  if (!number || !epoch || !reals) return TElementFault::kUnreadableNumber;
  const auto [m, a, e, w, node, i, h, g] = *reals;
  const std::optional<int16_t> h100 = ToHundredths(h);
  if (!h100) return TElementFault::kMagnitudeOutOfRange;
  const std::optional<int16_t> g100 = ToHundredths(g);
  if (!g100) return TElementFault::kSlopeOutOfRange;
  const TElementFault fault = SetElements({.number = *number,
                                           .epochMjd = *epoch,
                                           .ascendingNodeDeg = node,
                                           .inclinationDeg = i,
                                           .perihelionArgumentDeg = w,
                                           .eccentricity = e,
                                           .semimajorAxisAu = a,
                                           .meanAnomalyDeg = m,
                                           .absoluteMagnitude100 = *h100,
                                           .slope100 = *g100});
  if (fault == TElementFault::kNone) Adopt(std::move(name), {velcommon::kMjdJ2000, selected});
  return fault;
}

TPerihelionOrbit TAsteroid::PerihelionOrbit() const {
  const TAsteroidElements& e = elements_;
  double meanAnomalyDeg = std::fmod(e.meanAnomalyDeg, 360.0);
  if (meanAnomalyDeg < 0.0) meanAnomalyDeg += 360.0;
  const double a = e.semimajorAxisAu;
  return {a * (1.0 - e.eccentricity), e.eccentricity,
          e.epochMjd - meanAnomalyDeg * kDaysPerDegreeAtOneAu * std::sqrt(a * a * a)};
}

TOrbitOrientation TAsteroid::Orientation() const {
  return {elements_.perihelionArgumentDeg, elements_.inclinationDeg, elements_.ascendingNodeDeg};
}

std::optional<double> TAsteroid::Magnitude(const TBodyDistances& distances) const {
  return AsteroidMagnitude(elements_.absoluteMagnitude100 / 100.0, elements_.slope100 / 100.0,
                           distances);
}

}  // namespace velarion::orbits
