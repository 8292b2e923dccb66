#include "PhasesReport.h"

#include "LunarTexts.h"
#include "ReportPieces.h"
#include "ValueFormat.h"

namespace velarion::lunar {

std::vector<std::string> PhasesReportLines(const TLunation& lunation, const TDeltaTRule& deltaT,
                                           double zoneHours, sky::TLanguage language) {
  std::vector<std::string> lines;
  for (int k = 0; k < kMainPhaseCount; ++k) {
    const auto name = static_cast<TLunarText>(static_cast<int>(TLunarText::kNewMoon) + k);
    const double local = deltaT.UtOf(lunation.mjdTt[k]) + zoneHours / 24.0;
    lines.push_back(LunarText(name, language) + " " + sky::FormatDate(true, local, language));
  }
  lines.emplace_back();
  const double lastQuarter = lunation.At(TMainPhase::kLastQuarter);
  lines.push_back(LunarText(TLunarText::kTimeIsUt, language) + " " + ZoneText(zoneHours) +
                  LunarText(TLunarText::kHourLetter, language) +
                  ",  ET-UT = " + DeltaTText(deltaT.DaysAt(lastQuarter)) +
                  LunarText(TLunarText::kSecondLetter, language) + ")");
  return lines;
}

}  // namespace velarion::lunar
