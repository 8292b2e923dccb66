#include "Comet.h"

#include "ImportLine.h"

#include <cmath>

namespace velarion::orbits {

TElementFault CheckCometElements(const TCometElements& e) {
  for (double v : {e.perihelionMjd, e.perihelionDistanceAu, e.eccentricity, e.perihelionArgumentDeg,
                   e.ascendingNodeDeg, e.inclinationDeg}) {
    if (!std::isfinite(v)) return TElementFault::kNotFinite;
  }
  if (e.eccentricity < 0.0) return TElementFault::kNegativeEccentricity;
  if (!(e.perihelionDistanceAu > 0.0)) return TElementFault::kPerihelionDistanceNotPositive;
  return TElementFault::kNone;
}

TElementFault TComet::SetElements(const TCometElements& elements) {
  const TElementFault fault = CheckCometElements(elements);
  if (fault == TElementFault::kNone) elements_ = elements;
  return fault;
}

TElementFault TComet::ReadRecord(velplatform::TByteReader& reader) {
  std::optional<std::string> name = reader.ReadShortString();
  const auto reals = reader.ReadArray<double, 6>();
  const auto magnitudes = reader.ReadArray<int16_t, 2>();
  const std::optional<TRecordTail> tail = ReadRecordTail(reader);
  if (!name || !reals || !magnitudes || !tail) return TElementFault::kTruncatedRecord;
  if (!std::isfinite(tail->equinoxMjd)) return TElementFault::kNotFinite;
  const auto [perihelion, q, e, w, node, i] = *reals;
  const TElementFault fault =
      SetElements({perihelion, q, e, w, node, i, (*magnitudes)[0], (*magnitudes)[1]});
  if (fault == TElementFault::kNone) Adopt(std::move(*name), *tail);
  return fault;
}

void TComet::WriteRecord(velplatform::TByteWriter& writer) const {
  const TCometElements& e = elements_;
  writer.Write(static_cast<uint8_t>(TOrbitalKind::kComet));
  writer.WriteShortString(Name());
  for (double real : {e.perihelionMjd, e.perihelionDistanceAu, e.eccentricity,
                      e.perihelionArgumentDeg, e.ascendingNodeDeg, e.inclinationDeg}) {
    writer.Write(real);
  }
  writer.Write(e.absoluteMagnitude100);
  writer.Write(e.activity100);
  WriteRecordTail(writer);
}

TElementFault TComet::ParseLine(std::string_view line) {
  TImportLineScanner scanner(line);
  std::string name = scanner.ReadNameField();
  scanner.SkipBlanks();
  const char marker = scanner.Peek();
  const bool selected = marker != '\0' && !IsNumberCharacter(marker);
  if (selected) scanner.SkipCharacter();
  const std::optional<double> perihelion = scanner.ReadFractionalDate();
  const auto reals = scanner.ReadDecimals<7>();
  if (!perihelion || !reals) return TElementFault::kUnreadableNumber;
  const auto [q, e, w, node, i, g, k] = *reals;
  const std::optional<int16_t> g100 = ToHundredths(g);
  if (!g100) return TElementFault::kMagnitudeOutOfRange;
  const std::optional<int16_t> k100 = ToHundredths(k);
  if (!k100) return TElementFault::kSlopeOutOfRange;
  const TElementFault fault = SetElements({*perihelion, q, e, w, node, i, *g100, *k100});
  if (fault == TElementFault::kNone) Adopt(std::move(name), {velcommon::kMjdJ2000, selected});
  return fault;
}

TPerihelionOrbit TComet::PerihelionOrbit() const {
  return {elements_.perihelionDistanceAu, elements_.eccentricity, elements_.perihelionMjd};
}

TOrbitOrientation TComet::Orientation() const {
  return {elements_.perihelionArgumentDeg, elements_.inclinationDeg, elements_.ascendingNodeDeg};
}

std::optional<double> TComet::Magnitude(const TBodyDistances& distances) const {
  return CometMagnitude(elements_.absoluteMagnitude100 / 100.0, elements_.activity100 / 100.0,
                        distances);
}

}  // namespace velarion::orbits
