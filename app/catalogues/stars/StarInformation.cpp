#include "StarInformation.h"

#include "Cp1251.h"
#include "StarDesignation.h"
#include "ValueFormat.h"

#include <vector>

namespace velarion::catalogues {
namespace {

using namespace markup;
using velplatform::Cp1251;

std::string Coordinates(double raDeg, double decDeg) {
  using sky::TAngleResolution;
  using sky::TAngleUnit;
  return std::string{kGreek, 'a', kNormal} + ": " +
         sky::FormatAngle(TAngleUnit::kHours, TAngleResolution::kSeconds, 1, false, raDeg / 15.0) +
         "   " + std::string{kGreek, 'd', kNormal} + ": " +
         sky::FormatAngle(TAngleUnit::kDegrees, TAngleResolution::kSeconds, 0, true, decDeg);
}

std::string Remark(char remark) {
  return remark == ' ' || remark == 0 ? "" : std::string(1, remark);
}

std::string DesignationLine(const TStarRecord& star, const TStarContext& context) {
  const TLeadDesignation lead = LeadDesignation(star, context.abbreviation);
  std::string line = lead.text + "  " + kNormal + context.constellationName;
  const std::vector<std::string> others = OtherDesignations(star, lead.kind);
  if (others.empty()) return line;
  line += kNormal + std::string("  (");
  for (std::size_t i = 0; i < others.size(); ++i) line += (i == 0 ? "" : ";  ") + others[i];
  return line + ")";
}

std::string MagnitudeLine(const TStarRecord& star) {
  std::string line = kNormal + std::string("V: ") +
                     sky::FixedToText(2, star.magnitudeCenti / 100.0) +
                     Remark(star.magnitudeRemark) + std::string{kRaisedOn, 'm', kRaisedOff};
  if (star.parallaxMas != 0) {
    line += Cp1251(";  Параллакс: ") + sky::FixedToText(3, star.parallaxMas / 1000.0) + '"';
  }
  return line;
}

// Each piece of the tail ends in a three-character separator that the last piece drops;
// the superscript closes before the separator so that dropping it cannot leave it open.
std::string SpectrumTail(const TStarRecord& star) {
  std::string tail;
  if (star.colourIndexCenti != TStarRecord::kUnknownColourIndex) {
    tail += ";  B-V: " + sky::FixedToText(2, star.colourIndexCenti / 100.0) +
            Remark(star.colourIndexRemark) + std::string{kRaisedOn, 'm', kRaisedOff} + "   ";
  }
  if (star.isDouble) tail += Cp1251("дв.;  ");
  if (star.isSpectroscopicBinary) tail += Cp1251("сп-дв.   ");
  if (tail.size() >= 3) tail.resize(tail.size() - 3);
  return tail;
}

std::string SpectrumLine(const TStarRecord& star) {
  const std::string spectralClass = sky::TrimSpaces(star.spectralClass);
  std::string tail = SpectrumTail(star);
  if (spectralClass.empty()) {
    // Nothing before the tail to separate it from.
    if (tail.starts_with(";  ")) tail.erase(0, 3);
    return tail.empty() ? tail : kNormal + tail;
  }
  std::string line = kNormal + Cp1251("Спектр:  ") + spectralClass;
  return tail.empty() ? line : line + kNormal + tail;
}

}  // namespace

void AddStarInformation(const TStarRecord& star, const TStarContext& context,
                        kit::TZStrings& lines) {
  lines.Add(kNormal + Cp1251("Звезда"));
  if (!context.properName.empty()) lines.Add(kNormal + context.properName);
  lines.Add(DesignationLine(star, context));
  lines.Add(kNormal + Cp1251("Текущие видимые экват. координаты:"));
  lines.Add(Coordinates(context.apparentRaDeg, context.apparentDecDeg));
  lines.Add(kNormal + Cp1251("Экват. координаты (J2000):"));
  lines.Add(Coordinates(star.raArcsec / 3600.0, star.decArcsec / 3600.0));
  lines.Add(MagnitudeLine(star));
  if (const std::string spectrum = SpectrumLine(star); !spectrum.empty()) lines.Add(spectrum);
}

}  // namespace velarion::catalogues
